// The procedure clicks on the strip's point labels: rectilinear procedures
// (set up, substitute, graph, distance, linking) and projectile actions (set
// up, complete a point, launch speed or angle, launch component, distance,
// graph), with the Shift, Ctrl and Alt shortcuts.
#include <QString>
#include <cmath>
#include <optional>

#include "motion/panel.h"
#include "motion/positions.h"
#include "motion/projectile/model.h"
#include "motion/state.h"
#include "numerics/mathutil.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace motion {

namespace {

void Message(const std::string& text) { plat::MsgBox(QString::fromStdString(text)); }

bool Given(const rt::Variant& v) { return !v.IsEmptyText(); }
bool PlainNumber(const rt::Variant& v) { return Given(v) && num::IsNumber(v); }
// A point number taken from a parsed datum: Empty counts as 0.
int PointOf(const rt::Variant& v) { return v.IsEmptyText() ? 0 : rt::CInt(v.ToNumber()); }
double TimeOf(const rt::Variant& v) { return v.IsEmptyText() ? 0 : v.ToNumber(); }

bool Contains(const rt::Variant& v, const char* letters) {
    const std::string t = v.ToText();
    return t.find_first_of(letters) != std::string::npos;
}

}  // namespace

bool Motion::AccelReadable(int body, int segment) {
    const MotionState& s = State();
    const rt::Variant& a = s.Segments[body][segment].Accel;
    if (a.IsEmptyText() || a.IsNumber()) return true;
    const std::string text = a.ToText();
    const std::optional<double> n = rt::TryTextToNumber(text);
    if (n && std::isfinite(*n)) return true;
    std::string name = "la aceleración " + AccelSymbol(body, segment) + " del tramo " + std::to_string(segment);
    if (s.NumBodies == 2) name += " del móvil " + std::to_string(body);
    Message("No puedo leer " + name + ": \"" + text +
            "\". Escribe en su casilla un número (2.5, -3, 1E3), g o -g, o déjala vacía si no se conoce.");
    return false;
}

void Motion::LabelClickRect(int shift, double x) {
    MotionState& s = State();
    if (!s.TableReady) {
        Message("Configura la tabla primero.");
        return;
    }
    const std::string code = PointCodeAtX(static_cast<int>(rt::RoundHalfEven(x)));
    const int body = CodeDigit(code, 0), segment = CodeDigit(code, 1);
    const int point = CodeDigit(code, code.size() - 1);
    rt::CheckIndex(body, 1, 2);
    rt::CheckIndex(segment, 1, 3);
    const int col = TableColOfPoint(body, point);
    rt::CheckIndex(col, 1, kMaxPoints);
    // A point outside every segment set so far has no equations of its own.
    const SegmentRec& seg = s.Segments[body][segment];
    if (point < seg.FirstPoint || point > seg.LastPoint) {
        Message("Configura la tabla primero.");
        return;
    }
    if (!CellsReadable(body)) return;
    // Every label click reads the segment's acceleration: a text that is no
    // number is named before any substitution fails on it.
    if (!AccelReadable(body, segment)) return;
    RectilinearProcedures& rect = *rect_;

    if (shift == 4 && rect.EqnKinds(body, segment).numeric &&
        num::IsNumber(panel_.Gd2->TextMatrix(2, col).toStdString())) {
        const double v = MotionPoint(2, col).ToNumber();
        rect.SubstPointNoParams(body, segment, point, std::string(), std::string(), -v, false);
        // A refused substitution leaves no time: the point keeps its data.
        if (!num::IsNumber(s.ResultTimes[1])) return;
        SetPointCell(0, col, s.ResultTimes[1]);
        SetPointCell(2, col, -v);
        return;
    }
    if (shift == 1)
        ChoosePicture(kSetUpPicture);
    else if (shift == 2)
        ChoosePicture(kPointPicture);

    // The point's data: plain values, or related point with increment and factor.
    const char* letters[] = {"t", "xX", "vV"};
    std::array<rt::Variant, 3> plain, incr, factor;
    int relPoint = 0;
    for (int q = 0; q < 3; ++q) {
        const rt::Variant cell = MotionPoint(q, col);
        if (!Contains(cell, letters[q])) {
            plain[q] = cell;
            continue;
        }
        const auto parsed = rect.ParseRelDatum(cell);
        if (!parsed) {
            Message("Error en el dato " + cell.ToText());
            return;
        }
        relPoint = PointOf(parsed->point);
        incr[q] = parsed->increment;
        factor[q] = parsed->factor;
        const std::string msg = CheckPointsInSegment(body, segment, relPoint, point);
        if (!msg.empty()) {
            Message(msg);
            return;
        }
    }
    const rt::Variant &tP = plain[0], &xP = plain[1], &vP = plain[2];
    const rt::Variant &dt = incr[0], &dx = incr[1], &dv = incr[2];
    const rt::Variant &ft = factor[0], &fx = factor[1], &fv = factor[2];

    const RectProcedure proc = State().RectProcedureCode;
    const std::string where = std::to_string(body) + ", tramo " + std::to_string(segment);
    switch (proc) {
    case RectProcedure::SetUpEquations:
        if (!Given(tP) || !Given(xP)) {
            Message("Debes especificar el tiempo y la posición del punto base.");
            return;
        }
        if (!AccelReadable(body, segment)) return;
        rect.SetUpSegmentEqns(body, segment, point, s.Segments[body][segment].Accel, tP, xP, vP);
        return;
    case RectProcedure::SubstituteNoParams: {
        if (!rect.EqnKinds(body, segment).numeric) {
            Message("No tengo las ecuaciones sin parámetros del móvil " + where);
            return;
        }
        const std::string none;
        if (PlainNumber(tP))
            rect.SubstPointNoParams(body, segment, point, tP, none, none, true);
        else if (PlainNumber(vP))
            rect.SubstPointNoParams(body, segment, point, none, none, vP, true);
        else if (PlainNumber(xP))
            rect.SubstPointNoParams(body, segment, point, none, xP, none, true);
        else if (Given(dt) && Given(dv))
            Message("La aceleración ya está dada.");
        else if ((Given(dt) && Given(dx)) || (Given(dx) && Given(dv)))
            rect.SubstIncrementsNoParams(body, segment, relPoint, point, dt, dx, dv);
        else if (Given(dt) && Given(fx))
            rect.SubstRelationNoParams(body, segment, 2, fx, 1, dt, relPoint, point);
        else if (Given(dt) && Given(fv))
            rect.SubstRelationNoParams(body, segment, 3, fv, 1, dt, relPoint, point);
        else if (Given(dx) && Given(ft))
            rect.SubstRelationNoParams(body, segment, 1, ft, 2, dx, relPoint, point);
        else if (Given(dx) && Given(fv))
            rect.SubstRelationNoParams(body, segment, 3, fv, 2, dx, relPoint, point);
        else if (Given(dv) && Given(ft))
            rect.SubstRelationNoParams(body, segment, 1, ft, 3, dv, relPoint, point);
        else if (Given(dv) && Given(fx))
            rect.SubstRelationNoParams(body, segment, 2, fx, 3, dv, relPoint, point);
        else if (Given(dt) || Given(dx) || Given(dv) || Given(ft) || Given(fx) || Given(fv))
            // Relational data that fit no pair would leave the click silent.
            Message(
                "Con estos datos relativos no puedo hallar el punto: escribe un número en t, x o v, o dos datos "
                "relativos al mismo punto, al menos uno con incremento (por ejemplo t0+2 y x0+5, o t0+2 y "
                "2*x0).");
        return;
    }
    case RectProcedure::SubstituteWithParams: {
        const int relCol = TableColOfPoint(body, relPoint);
        ParamSubstArgs a;
        a.body = body, a.segment = segment, a.point = point, a.refPoint = relPoint;
        a.t = tP, a.x = xP, a.v = vP;
        a.tRef = MotionPoint(0, relCol), a.xRef = MotionPoint(1, relCol), a.vRef = MotionPoint(2, relCol);
        a.dt = dt, a.dx = dx, a.dv = dv;
        a.tFactor = ft, a.xFactor = fx, a.vFactor = fv;
        const SegmentEqnKinds k = rect.EqnKinds(body, segment);
        if (k.paramV)
            rect.SubstWithParamV(a);
        else if (k.paramA)
            rect.SubstWithParamA(a);
        else if (k.paramVA)
            rect.SubstWithParamsVA(a);
        else
            Message("No tengo las ecuaciones con parámetros del móvil " + where);
        return;
    }
    case RectProcedure::Graph:
    case RectProcedure::Distance:
    case RectProcedure::LinkSegments: {
        int& counter = proc == RectProcedure::Graph      ? s.GraphClickCount
                       : proc == RectProcedure::Distance ? s.DistanceClickCount
                                                         : s.LinkClickCount;
        ++counter;
        if (counter == 1) {
            s.FirstClickValue = static_cast<double>(static_cast<float>(x));
            SetStripPointer(8);
            return;
        }
        s.SecondClickValue = static_cast<double>(static_cast<float>(x));
        const double x1 = s.FirstClickValue.ToNumber(), x2 = s.SecondClickValue.ToNumber();
        if (proc == RectProcedure::Graph)
            rect.ViewGraphXt(x1, x2);
        else if (proc == RectProcedure::Distance)
            rect.CalcMruaDistance(x1, x2);
        else
            rect.LinkSegments(x1, x2);
        counter = 0;
        SetStripPointer(proc == RectProcedure::LinkSegments ? 0 : 6);
        return;
    }
    default: return;
    }
}

void Motion::LabelClickParab(int shift, double x) {
    MotionState& s = State();
    if (s.AwaitingBodySplit) {
        Message("Configura la tabla primero\r\n(Clic en el espacio gris arriba de los rótulos numéricos).");
        return;
    }
    ProjectileProcedures& parab = *parab_;
    const int col = static_cast<int>(rt::IntFloor(x / 64)) + 1;
    rt::CheckIndex(col, 1, kMaxPoints);
    const std::string code = PointCodeAtX(static_cast<int>(rt::RoundHalfEven(x)));
    const int body = CodeDigit(code, 0);
    const int point = CodeDigit(code, code.size() - 1);
    rt::CheckIndex(body, 1, 2);
    if (!CellsReadable(body)) return;
    const bool cs = s.ComponentVelocityFlags[col];

    if (shift == 4 && parab.EqnKinds(body).complete) {
        const rt::Variant v = MotionPoint(3, col), th = MotionPoint(4, col);
        if (!PlainNumber(th)) {
            Message("No hay valor válido de la velocidad.");
            return;
        }
        const LaunchData L = parab.Launch(body);
        const parab::Launch launch{L.t0.ToNumber(), L.x0.ToNumber(), L.y0.ToNumber(), L.vx0.ToNumber(),
                                   L.vy0.ToNumber()};
        double vx, vy;
        if (cs) {
            vx = v.ToNumber();
            vy = th.ToNumber();
        } else {
            vx = rt::Mul(v.ToNumber(), num::CosDeg(th.ToNumber()));
            vy = rt::Mul(v.ToNumber(), num::SinDeg(th.ToNumber()));
        }
        // The same height on the other side of the top.
        const parab::TrajectoryPoint m = parab::PointWhereVy(launch, -vy);
        if (cs)
            parab.PutParabPoint(col, m.t, m.x, m.y, vx, -vy);
        else
            parab.PutParabPoint(col, m.t, m.x, m.y, v.ToNumber(), -th.ToNumber());
        return;
    }
    if (shift == 1)
        ChoosePicture(kSetUpPicture);
    else if (shift == 2)
        ChoosePicture(kPointPicture);

    const rt::Variant t = MotionPoint(0, col), xv = MotionPoint(1, col), y = MotionPoint(2, col);
    const rt::Variant v = MotionPoint(3, col), th = MotionPoint(4, col);
    int relPoint = 0;
    rt::Variant dt, dy;
    if (!num::IsNumber(t)) {
        const auto p = rect_->ParseRelDatum(t);
        if (p) relPoint = PointOf(p->point), dt = p->increment;
    }
    if (!num::IsNumber(y)) {
        const auto p = rect_->ParseRelDatum(y);
        if (p) relPoint = PointOf(p->point), dy = p->increment;
    }

    const ParabEqnKinds k = parab.EqnKinds(body);
    const std::string modeMsg = "Cambia el modo de datos de velocidad a \"md\".";
    switch (s.ParabActionMode) {
    case ParabAction::SetUp:
        if (point != 0) {
            Message("Debes basar las ecuaciones siempre en el punto 0.");
            return;
        }
        parab.SetUpParabEqns(body, point, t, xv, y, v, th, cs);
        return;
    case ParabAction::CompletePoint: {
        if (!k.complete) {
            Message("No tengo las ecuaciones del móvil " + std::to_string(body));
            return;
        }
        const parab::PointDatum d = parab::ChoosePointDatum({t, xv, y, v, th}, dt, dy, cs);
        if (!d.kind) return;
        s.ParabProcedureCode = d.kind;
        if (d.kind == 10 && cs) {
            Message(modeMsg);
            return;
        }
        parab.ApplyParabEqnsToPoint(body, point, relPoint, d.d1, d.d2);
        return;
    }
    case ParabAction::V0Theta0:
    case ParabAction::V0xV0y: {
        const bool three = s.ParabActionMode == ParabAction::V0Theta0;
        if (three && !(k.v0 || k.theta0 || k.v0theta0)) {
            Message("No tengo las ecuaciones con parámetros V0 y/o Theta.");
            return;
        }
        if (!three && !(k.v0x || k.v0y)) {
            Message("No tengo las ecuaciones con parámetros V0x y/o V0y.");
            return;
        }
        const parab::ColumnCells cells{t, xv, y, v, th};
        if (three) {
            int filled = 0;
            for (const auto& c : cells) filled += Given(c) ? 1 : 0;
            if (filled != 2) {
                Message(
                    "Para aplicar este procedimiento deben ser exactamente 2 datos.\r\n"
                    "Si tienes 3 datos descompónlos en dos parejas de 2 datos y\r\n"
                    "obtén un sistema de 2 ecuaciones con 2 incógnitas.");
                return;
            }
        }
        const std::optional<parab::LaunchPair> found = parab::ChooseLaunchPair(cells, three);
        if (!found) {
            // Two cells that form no pair (a speed with its direction, or
            // a cell that is not a number) give no datum to work with.
            Message("Datos incorrectos.");
            return;
        }
        s.ParabProcedureCode = found->code;
        if (found->code >= 15 && cs) {
            Message(modeMsg);
            return;
        }
        const rt::Variant &d1 = cells[found->a], &d2 = cells[found->b];
        if (three) {
            if (k.v0)
                parab.SolveParabV0FromPoint(body, point, d1, d2);
            else if (k.theta0)
                parab.SolveParabTheta0FromPoint(body, point, d1, d2);
            else
                parab.StateParabV0Theta0Relation(body, point, d1, d2);
        } else {
            if (k.v0x)
                parab.SolveParabV0xFromPoint(body, point, d1, d2);
            else
                parab.SolveParabV0yFromPoint(body, point, d1, d2);
        }
        return;
    }
    case ParabAction::Distance: {
        ++s.DistanceClickCount;
        if (s.DistanceClickCount == 1) {
            s.FirstClickValue = t;
            s.FirstClickBody = body;
            SetStripPointer(8);
            return;
        }
        s.SecondClickValue = t;
        s.SecondClickBody = body;
        if (s.FirstClickBody != s.SecondClickBody) {
            Message("Estás abarcando dos móviles.");
            return;
        }
        double t2 = TimeOf(s.SecondClickValue);
        const std::string refusal = parab.CalcParabDistance(body, TimeOf(s.FirstClickValue), t2);
        s.DistanceClickCount = 0;
        SetStripPointer(6);
        if (!refusal.empty()) Message(refusal);
        return;
    }
    case ParabAction::Graph: {
        ++s.GraphClickCount;
        if (s.GraphClickCount == 1) {
            s.FirstClickValue = static_cast<double>(static_cast<float>(x));
            SetStripPointer(8);
            return;
        }
        s.SecondClickValue = static_cast<double>(static_cast<float>(x));
        parab.GraphParabTrajectories(s.FirstClickValue.ToNumber(), s.SecondClickValue.ToNumber());
        s.GraphClickCount = 0;
        SetStripPointer(6);
        return;
    }
    default: return;
    }
}

}  // namespace motion
