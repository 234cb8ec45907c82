// The runner of the listed procedures (cmdProcs): reads the argument box
// txtProcs, checks what it can and calls the procedure chosen; the
// equations through three points and the three projectile launch-data
// procedures are computed here.
#include <QString>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "motion/compute.h"
#include "motion/panel.h"
#include "motion/positions.h"
#include "motion/state.h"
#include "numerics/mathutil.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/guard.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "shell/writer.h"

namespace motion {

namespace {

void Message(const std::string& text) { plat::MsgBox(QString::fromStdString(text)); }

// The trimmed text after the first "=", or the whole text without one.
std::string ValueAfterEquals(const std::string& item) {
    const size_t eq = item.find('=');
    return rt::Trim(eq == std::string::npos ? item : item.substr(eq + 1));
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Point `point` of `body` must exist: its column is then the body's own.
void CheckPointOfBody(int body, int point) {
    const MotionState& s = State();
    rt::CheckIndex(body, 1, 2);
    const int count = s.NumBodies == 1 ? s.PointsPerBody[1] : s.PointsPerBody[body];
    rt::CheckIndex(point, 0, count - 1);
}

// Items 1..n of a list that must hold exactly n numbers, the first `whole`
// of them whole numbers (a body, a segment, a point); nothing when the list
// holds anything else: a list is never read in part.
std::optional<std::vector<double>> ExactNumbers(const std::vector<std::string>& items, size_t n, size_t whole) {
    if (items.size() != n) return std::nullopt;
    std::vector<double> v;
    for (size_t k = 1; k <= n; ++k) {
        const auto x = TryItemNumber(items, static_cast<int>(k));
        if (!x || (k <= whole && (*x != std::floor(*x) || std::fabs(*x) > 1e9))) return std::nullopt;
        v.push_back(*x);
    }
    return v;
}

constexpr const char* kBodyIncorrect = "El número del móvil es incorrecto.";

// A launch-data list: exactly n numbers, the first `whole` of them whole,
// the first a body 1 or 2; otherwise the student is told what the entry
// needs (`need`) or that the body is wrong, and nothing comes back.
std::optional<std::vector<double>> LaunchList(const std::string& text, size_t n, size_t whole, const char* need) {
    auto list = ExactNumbers(SplitItems(text), n, whole);
    if (!list) {
        Message(need);
        return std::nullopt;
    }
    if ((*list)[0] != 1 && (*list)[0] != 2) {
        Message(kBodyIncorrect);
        return std::nullopt;
    }
    return list;
}

}  // namespace

void Motion::RunProcedure(const std::function<void()>& run) {
    const long long notices = plat::NoticesShown(), writes = paneWrites_;
    std::string failure;
    try {
        run();
    } catch (const rt::RuntimeError& e) { failure = plat::FailedInstructionText(e); }
    if ((!failure.empty() || plat::NoticesShown() != notices) && paneWrites_ == writes) form_->rtbCalc->SetText({});
    if (!failure.empty()) Message(failure);
}

void Motion::cmdProcs_Click() {
    RunProcedure([&] {
        const std::string text = rt::Trim(panel_.txtProcs->Text().toStdString());
        const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
        if (mode == shell::kRectilinearWorkspace)
            RunListedRect(text);
        else if (mode == shell::kProjectileWorkspace)
            RunListedParab(text);
    });
}

void Motion::RunListedRect(const std::string& text) {
    if (!State().TableReady) {
        Message("Configura la tabla primero.");
        return;
    }
    using enum RectProcedure;
    const RectProcedure code = State().RectProcedureCode;
    RectilinearProcedures& rect = *rect_;
    switch (code) {
    case ThroughThreePoints: EquationsThroughThreePoints(text); return;
    case IntervalEquations: {
        // A comma between digits may be a decimal comma that split a
        // number in two items: the refusal says so.
        auto refuse = [&](const std::string& why) {
            Message(rt::HasCommaBetweenDigits(text) ? why + "\r\n" + rt::kDecimalCommaHint : why);
        };
        const auto items = SplitItems(text);
        if (items.size() != 3 && items.size() != 4) {
            refuse("El número de datos debe ser 3 ó 4.");
            return;
        }
        const rt::Outcome<IntervalData> data = ReadIntervalData(items);
        if (!data.ok()) {
            refuse(data.message());
            return;
        }
        rect.ApplyIntervalEqns(*data);
        return;
    }
    case XDifference:
    case XRatio:
    case VDifference:
    case VRatio:
    case PQConditions:
        if (State().NumBodies != 2) {
            Message("Este procedimiento se aplica a 2 móviles.");
            return;
        }
        if (code != PQConditions) {
            // One number C, typed with a decimal comma or not.
            if (const auto C = rt::ReadSingleNumber(text)) {
                if (code == XDifference || code == XRatio)
                    rect.SolveXRelation(*C, code == XDifference);
                else
                    rect.SolveVRelation(*C, code == VDifference);
            }
        } else {
            // Exactly the two numbers p and q: a list is never read in part.
            const auto items = SplitItems(text);
            const auto p = TryItemNumber(items, 1), q = TryItemNumber(items, 2);
            if (items.size() != 2 || !p || !q) {
                Message(
                    "Escribe en la casilla los dos números p y q, separados por una coma y con punto decimal "
                    "(por ejemplo: 2, 0.5).");
                return;
            }
            rect.SolvePQConditions(*p, *q);
        }
        return;
    case SystemVA:
    case SystemV2A:
    case SystemV2A2A:
    case SystemV2A2AV2A:
    case Quadratic: rect.SolveVaSystem(text); return;
    default: return;
    }
}

void Motion::RunListedParab(const std::string& text) {
    const int code = State().ParabProcedureCode;
    ProjectileProcedures& parab = *parab_;
    switch (code) {
    case 2: LaunchFromThreePoints(text); return;
    case 3: LaunchFromRangeHeight(text); return;
    case 4: LaunchFromFlightRange(text); return;
    case 22: {
        // Exactly the body and three numbers, β perhaps with its "°": a
        // list is never read in part.
        auto items = SplitItems(text);
        if (items.size() == 4) {
            std::string& beta = items[3];
            beta = rt::Trim(beta);
            const std::string degree = "\xC2\xB0";
            if (beta.size() >= 2 && beta.compare(beta.size() - 2, 2, degree) == 0) beta.erase(beta.size() - 2);
        }
        const auto body = TryItemNumber(items, 1), s1 = TryItemNumber(items, 2), s2 = TryItemNumber(items, 3),
                   beta = TryItemNumber(items, 4);
        if (items.size() != 4 || !body || (*body != 1 && *body != 2) || !s1 || !s2 || !beta) {
            Message(
                "Escribe en la casilla cuatro datos separados por comas: el móvil (1 ó 2), las coordenadas s1 y s2 "
                "del pie del plano y su inclinación en grados, con punto decimal (por ejemplo: 1, 10, 0, 30).");
            return;
        }
        parab.CalcParabRangeOnIncline(static_cast<int>(*body), rt::Trim(rt::PlainMinus(items[1])),
                                      rt::Trim(rt::PlainMinus(items[2])), *beta);
        return;
    }
    case 25: parab.IntersectParabTrajectories(); return;
    case 26: parab.SolveParabCollision(text); return;
    case 27: {
        const ParabEqnKinds k = parab.EqnKinds(1);
        if (k.v0theta0) {
            const auto items = SplitItems(text);
            std::string u, tc;
            for (size_t i = 0; i < 2 && i < items.size(); ++i) {
                const std::string item = rt::Trim(items[i]);
                if (StartsWith(item, "u"))
                    u = ValueAfterEquals(item);
                else if (StartsWith(item, "tc"))
                    tc = ValueAfterEquals(item);
            }
            if (u.empty() || tc.empty()) {
                Message("Formato inválido. Datos deben ser \"u = número, tc = número\" o al revés.");
                return;
            }
            parab.SolveParabMeetsMover(u, tc);
        } else if (k.v0 || k.theta0) {
            const std::string value = ValueAfterEquals(text);
            if (StartsWith(text, "u"))
                parab.SolveParabMeetsMover(value, "");
            else if (StartsWith(text, "tc"))
                parab.SolveParabMeetsMover("", value);
            else
                Message(
                    "Formato inválido para el dato. Debe tener la forma\r\n"
                    "\"u = número\"    o bien     \"tc = número\".");
        } else if (k.complete) {
            Message("v0 o theta o ambas deben ser incógnitas en este procedimiento.");
        } else if (plat::MsgBox(QStringLiteral("No has planteado las ecuaciones del móvil 1. Si deseas "
                                               "hacerlo ahora con \r\nlos datos contenidos en la tabla "
                                               "oprime el botón \"Aceptar\"."),
                                plat::MsgButtons::OKCancel) == plat::MsgResult::OK) {
            parab.SetUpParabEqns(1, 0, MotionPoint(0, 1), MotionPoint(1, 1), MotionPoint(2, 1), MotionPoint(3, 1),
                                 MotionPoint(4, 1), false);
        }
        return;
    }
    case 28:
    case 31:
    case 32:
    case 29:
    case 30: {
        const auto items = SplitItems(text);
        const bool six = code == 28 || code == 31 || code == 32;
        if (items.size() != (six ? 6u : 4u)) {
            Message(six ? "Deben ser exactamente 6 argumentos." : "Deben ser exactamente 4 argumentos.");
            return;
        }
        std::array<double, 7> a{};
        for (size_t i = 1; i <= items.size(); ++i) {
            const auto x = TryItemNumber(items, static_cast<int>(i));
            if (!x) {
                Message("Hay algún coeficiente no numérico.");
                return;
            }
            a[i] = *x;
        }
        if (code == 28 || code == 31) {
            std::array<std::array<double, 3>, 3> M{};
            std::array<double, 3> r{};
            M[1][1] = a[1], M[1][2] = a[2], r[1] = a[3];
            M[2][1] = a[4], M[2][2] = a[5], r[2] = a[6];
            parab.SolveTanAndSecSystem(M, r, code == 28 ? 1 : 2);
        } else if (code == 32) {
            parab.SolveTanSecPairWithV0Cos(a[1], a[2], a[3], a[4], a[5], a[6]);
        } else {
            parab.SolveTanSecWithComponent(a[1], a[2], a[3], a[4], code == 29 ? 1 : 2);
        }
        return;
    }
    default: return;
    }
}

void Motion::EquationsThroughThreePoints(const std::string& text) {
    const auto list = ExactNumbers(SplitItems(text), 5, 5);
    if (!list) {
        Message(
            "Escribe en la casilla cinco números enteros separados por comas: el móvil, el tramo y los puntos i, j "
            "y k (por ejemplo: 1, 1, 0, 1, 2).");
        return;
    }
    const std::vector<double>& v = *list;
    const int body = static_cast<int>(v[0]), segment = static_cast<int>(v[1]);
    const std::array<int, 3> pts = {static_cast<int>(v[2]), static_cast<int>(v[3]), static_cast<int>(v[4])};
    if (!CheckPointsInSegment(body, segment, pts[0], pts[2]).empty() ||
        !CheckPointsInSegment(body, segment, pts[0], pts[1]).empty()) {
        Message("Los puntos no pertenecen al mismo móvil y tramo,\r\no se repiten.");
        return;
    }
    if (!CellsReadable(body)) return;
    plat::FlexGrid& g = *panel_.Gd2;
    std::array<int, 3> cols{};
    std::array<double, 3> t{}, x{};
    for (int n = 0; n < 3; ++n) {
        cols[n] = TableColOfPoint(body, pts[n]);
        t[n] = rt::TextToNumber(g.TextMatrix(0, cols[n]).toStdString());
        x[n] = rt::TextToNumber(g.TextMatrix(1, cols[n]).toStdString());
    }
    const rt::Outcome<QuadraticFit> fit = FitThreePoints(t, x);
    if (!fit.ok()) {
        Message(fit.message());
        return;
    }
    const QuadraticFit& f = *fit;
    shell::WriteResults(*form_->rtbCalc, ThreePointLines(body, segment, f));

    int target = 0;
    if (rt::TextToNumber(g.TextMatrix(0, cols[0]).toStdString()) == 0) {
        if (plat::MsgBox(QStringLiteral("¿Pasar los resultados a la tabla?"), plat::MsgButtons::YesNo) !=
            plat::MsgResult::Yes)
            return;
        target = cols[0];
    } else {
        const QString answer =
            plat::InputBox(QStringLiteral("Para consignar los resultados en la tabla da el índice \"n\"") +
                           QStringLiteral(" del punto donde deseas que t = 0 y oprime el botón \"Aceptar\"."));
        if (answer.isEmpty()) return;
        const int n = rt::CInt(rt::TextToNumber(answer.toStdString()));
        CheckPointOfBody(body, n);
        target = TableColOfPoint(body, n);
    }
    g.SetTextMatrix(0, target, QStringLiteral("0"));
    g.SetTextMatrix(1, target, QString::fromStdString(PlainRounded(f.c0)));
    g.SetTextMatrix(2, target, QString::fromStdString(PlainRounded(f.c1)));
    MotionPoint(0, target) = 0;
    MotionPoint(1, target) = f.c0;
    MotionPoint(2, target) = f.c1;
    SetTxtAccel(body, segment, PlainRounded(rt::Mul(2, f.c2)));
    State().Segments[body][segment].Accel = rt::Mul(2, f.c2);
}

void Motion::PutLaunchVelocity(int c0, const rt::Variant& t0, const rt::Variant& x0, const rt::Variant& y0, double v0,
                               double theta0) {
    const double t = t0.IsEmptyText() ? 0 : t0.ToNumber();
    const double x = x0.IsEmptyText() ? 0 : x0.ToNumber();
    const double y = y0.IsEmptyText() ? 0 : y0.ToNumber();
    if (!ComponentColumn(c0))
        parab_->PutParabPoint(c0, t, x, y, v0, theta0);
    else
        parab_->PutParabPoint(c0, t, x, y, rt::Mul(v0, num::CosDeg(theta0)), rt::Mul(v0, num::SinDeg(theta0)));
}

void Motion::LaunchFromThreePoints(const std::string& text) {
    const auto list =
        LaunchList(text, 3, 3,
                   "Escribe en la casilla tres números enteros separados por comas: el móvil y los puntos m y n (por "
                   "ejemplo: 1, 1, 2).");
    if (!list) return;
    const int body = static_cast<int>((*list)[0]);
    // The points were typed: one the body lacks is bad input.
    const int m = static_cast<int>((*list)[1]), n = static_cast<int>((*list)[2]);
    CheckPointOfBody(body, m);
    CheckPointOfBody(body, n);
    if (!CellsReadable(body)) return;
    const int c0 = TableColOfPoint(body, 0), cm = TableColOfPoint(body, m), cn = TableColOfPoint(body, n);
    // The launch is fitted to numbers: an empty cell is named, not read.
    std::string missing;
    for (const auto [q, col] : {std::pair{0, c0}, {1, c0}, {2, c0}, {1, cm}, {2, cm}, {1, cn}, {2, cn}}) {
        if (num::IsNumber(MotionPoint(q, col))) continue;
        const std::string name = CellName(q, col);
        if (missing.find(name) == std::string::npos) missing += (missing.empty() ? "" : ", ") + name;
    }
    if (!missing.empty()) {
        Message("Faltan en la tabla estos datos: " + missing + ".");
        return;
    }
    const double t0 = MotionPoint(0, c0).ToNumber(), x0 = MotionPoint(1, c0).ToNumber();
    const double y0 = MotionPoint(2, c0).ToNumber();
    const double xm = MotionPoint(1, cm).ToNumber(), ym = MotionPoint(2, cm).ToNumber();
    const double xn = MotionPoint(1, cn).ToNumber(), yn = MotionPoint(2, cn).ToNumber();
    const rt::Outcome<LaunchFit> f = LaunchThroughPoints(x0, y0, xm, ym, xn, yn);
    if (!f.ok()) {
        Message(f.message());
        return;
    }
    parab_->SetUpParabEqns(body, 0, t0, x0, y0, f->v0, f->theta0, false);
    PutLaunchVelocity(c0, t0, x0, y0, f->v0, f->theta0);
}

void Motion::LaunchFromRangeHeight(const std::string& text) {
    const auto list =
        LaunchList(text, 2, 1,
                   "Escribe en la casilla dos datos separados por comas: el móvil y la razón C del alcance a la altura "
                   "máxima, con punto decimal (por ejemplo: 1, 2.5).");
    if (!list) return;
    const int body = static_cast<int>((*list)[0]);
    const double C = (*list)[1];
    if (!CellsReadable(body)) return;
    const int c0 = TableColOfPoint(body, 0);
    const rt::Variant t0 = MotionPoint(0, c0), x0 = MotionPoint(1, c0), y0 = MotionPoint(2, c0);
    const rt::Variant v0 = MotionPoint(3, c0);
    const double theta = AngleFromRangeHeight(C);
    parab_->SetUpParabEqns(body, 0, t0, x0, y0, v0, theta, false);
    SetPointCell(4, c0, theta);
    if (!v0.IsEmptyText()) return;
    const QString answer = plat::InputBox(
        QStringLiteral("¿Deseas obtener las ecuaciones para un\r\nvalor específico de la velocidad inicial v0?\r\n"
                       "En caso afirmativo asienta el valor de v0\r\nen la casilla y oprime el botón \"Aceptar\"."),
        QStringLiteral("v0 es arbitraria"));
    const std::optional<double> typed = rt::ReadSingleNumber(answer.toStdString());  // "14,5" too
    if (!typed) return;
    const double v = *typed;
    parab_->SetUpParabEqns(body, 0, t0, x0, y0, v, theta, false);
    PutLaunchVelocity(c0, t0, x0, y0, v, theta);
}

void Motion::LaunchFromFlightRange(const std::string& text) {
    const auto list = LaunchList(
        text, 3, 1,
        "Escribe en la casilla tres datos separados por comas: el móvil, el tiempo de vuelo tv y el alcance R, "
        "con punto decimal (por ejemplo: 1, 2, 10).");
    if (!list) return;
    const int body = static_cast<int>((*list)[0]);
    const double tv = (*list)[1], R = (*list)[2];
    if (!CellsReadable(body)) return;
    const int c0 = TableColOfPoint(body, 0);
    const rt::Variant t0 = MotionPoint(0, c0), x0 = MotionPoint(1, c0), y0 = MotionPoint(2, c0);
    const LaunchFit f = LaunchFromFlightAndRange(tv, R);
    parab_->SetUpParabEqns(body, 0, t0, x0, y0, f.v0, f.theta0, false);
    PutLaunchVelocity(c0, t0, x0, y0, f.v0, f.theta0);
}

}  // namespace motion
