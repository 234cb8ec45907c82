// The strip's mouse handlers: their dispatch and error handling, the
// configuration clicks in the grey space (the split between the bodies, the
// segment limits of body 1, the velocity mode of a projectile column), the
// clearing of a column and the drag of a column onto another.
#include <QString>
#include <algorithm>

#include "motion/panel.h"
#include "motion/positions.h"
#include "motion/state.h"
#include "numerics/mathutil.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/guard.h"
#include "platform/picture.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"
#include "text/globals.h"

namespace motion {

namespace {

int ColumnAt(double x) { return static_cast<int>(rt::IntFloor(x / 64)) + 1; }
int RoundX(double x) { return static_cast<int>(rt::RoundHalfEven(x)); }

// The strip's scale runs 0 to 577 over its 576 pixels, so its first pixel is
// x 0 and its last one rounds to 576, the outer lines of the first and the
// last label: both are kept on those labels (64 units per column, nine
// columns).
double OnLabels(double x) { return std::clamp(x, 1.0, 575.0); }

void Message(const char* text) { plat::MsgBox(QString::fromUtf8(text)); }

// The body and the point (last character) of a code.
void BodyAndPoint(const std::string& code, int& body, int& point) {
    body = CodeDigit(code, 0);
    point = CodeDigit(code, code.size() - 1);
}

// While limits of body 1 are still to be clicked, says so over the part of
// body 1 that no segment covers yet (the grey space there is otherwise bare).
void PromptSegmentLimit(plat::Picture& strip) {
    const MotionState& s = State();
    const int n = s.SegmentCount;
    const int from = n >= 1 && n <= 2 ? 64 * s.Segments[1][n].LastPoint + 40 : 2;
    const int to = 64 * s.PointsPerBody[1] - 3;
    strip.FilledBox(from, 41, to, 21, strip.BackColor());
    strip.SetCurrentX(from + 2);
    strip.SetCurrentY(38);
    strip.Print(QStringLiteral("Clic: límite de tramo"));
}

// Runs one action of the strip; a run-time failure in it (or in the
// procedure it calls) is answered with the strip's message.
template <class F>
void StripAction(F&& f) {
    try {
        f();
    } catch (const rt::RuntimeError& e) { Message(plat::FailedInstructionText(e)); }
}

}  // namespace

void Motion::picAccel_MouseDown(int button, int shift, double x, double y) {
    dragColumn_ = 0;
    StripAction([&] { StripMouseDown(button, shift, OnLabels(x), y); });
}

void Motion::StripMouseDown(int button, int shift, double x, double y) {
    const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
    const int col = ColumnAt(x);
    if (mode == shell::kRectilinearWorkspace) {
        if (button == 1) {
            if (y > 19)
                GreySpaceRect(col, x);
            else
                RunProcedure([&] { LabelClickRect(shift, x); });
        } else if (button == 2 && y > 0 && y < 19) {
            int body = 0, point = 0;
            BodyAndPoint(PointCodeAtX(RoundX(x)), body, point);
            const int c = TableColOfPoint(body, point);
            rt::CheckIndex(c, 1, kMaxPoints);  // a click past the table's points
            for (int q = 0; q <= 2; ++q) SetPointCell(q, c, std::string());
            FocusGd2OnCol(c);
        }
    } else if (mode == shell::kProjectileWorkspace) {
        if (button == 1) {
            if (y > 19)
                GreySpaceParab(col);
            else
                RunProcedure([&] { LabelClickParab(shift, x); });
        } else if (button == 2) {
            if (y >= 19) {
                dragColumn_ = col;
            } else {
                for (int q = 0; q <= 4; ++q) SetPointCell(q, col, std::string());
                FocusGd2OnCol(col);
            }
        }
    }
}

void Motion::SetUpOneBody() {
    const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
    StripAction([&] {
        if (mode == shell::kRectilinearWorkspace)
            SplitBodiesRect(kMaxPoints);
        else if (mode == shell::kProjectileWorkspace)
            SplitBodiesParab(kMaxPoints);
    });
}

void Motion::EndLastSegment() {
    const double x = 64 * State().PointsPerBody[1] - 32;
    StripAction([&] { SegmentLimitAt(x); });
}

void Motion::GreySpaceRect(int col, double x) {
    if (!State().AwaitingBodySplit)
        dragColumn_ = col;
    else if (SplitBodiesRect(col))
        return;
    SegmentLimitAt(x);
}

bool Motion::SplitBodiesRect(int col) {
    MotionState& s = State();
    auto twoBodies = [&](int n) {
        if (n < 2 || n > 7) {
            Message("Mínimo 2 puntos para cada móvil.");
            return false;
        }
        s.PointsPerBody = {0, n, 9 - n};
        s.NumBodies = 2;
        return true;
    };
    auto body2Segment = [&](int n) {
        s.Segments[2][1].FirstPoint = 0;
        s.Segments[2][1].LastPoint = 8 - n;
        s.SegmentPointCounts[2][1] = 9 - n;
    };
    switch (s.ProblemKind) {
    case 0:
    case 1:
        s.PointsPerBody = {0, 9, 0};
        s.NumBodies = 1;
        RedrawAccelStrip();
        s.AwaitingBodySplit = false;
        s.AwaitingSegmentLimits = true;
        if (s.ProblemKind != 0) return false;  // the same press is a segment limit
        EndLastSegment();
        s.AwaitingSegmentLimits = false;
        s.TableReady = true;
        return true;
    case 2: {
        const int n = col;
        if (!twoBodies(n)) return true;
        RedrawAccelStrip();
        s.AwaitingBodySplit = false;
        s.AwaitingSegmentLimits = true;
        EndLastSegment();
        body2Segment(n);
        s.AwaitingSegmentLimits = false;
        s.TableReady = true;
        return true;
    }
    case 3: {
        const int n = col;
        if (!twoBodies(n)) return true;
        body2Segment(n);
        RedrawAccelStrip();
        s.AwaitingBodySplit = false;
        s.AwaitingSegmentLimits = true;
        PromptSegmentLimit(*panel_.picAccel);
        return true;
    }
    default: return false;
    }
}

void Motion::SegmentLimitAt(double x) {
    MotionState& s = State();
    if (s.AwaitingSegmentLimits) {
        if (x < 64)
            Message("Cada tramo debe tener al mínimo 2 puntos.");
        else if (x < 64 * s.PointsPerBody[1] && s.SegmentCount < 3)
            DefineSegmentAtX(x);
    }
    if (s.AwaitingSegmentLimits && !s.SegmentsComplete) PromptSegmentLimit(*panel_.picAccel);
}

void Motion::DefineSegmentAtX(double x) {
    MotionState& s = State();
    if (s.SegmentsComplete) return;
    const int p = static_cast<int>(rt::IntFloor(x / 64));
    int seg = 0, first = 0;
    switch (s.SegmentCount) {
    case 0: seg = 1; break;
    case 1:
        seg = 2;
        first = s.Segments[1][1].LastPoint;
        break;
    case 2:
        seg = 3;
        first = s.Segments[1][2].LastPoint;
        break;
    default: return;
    }
    if (seg > 1 && p <= first) {
        Message("Punto inválido.");
        return;
    }
    // The new segment takes the grey space the limit prompt used.
    panel_.picAccel->FilledBox(64 * first + 33, 41, 64 * s.PointsPerBody[1] - 3, 21, panel_.picAccel->BackColor());
    SegmentRec& r = s.Segments[1][seg];
    r.FirstPoint = first;
    r.LastPoint = p;
    s.SegmentPointCounts[1][seg] = p - first + 1;
    s.SegmentsPerBody[1] = seg;
    PlaceTxtAccel(seg - 1, first + 1, p + 1);
    DrawSegmentBracket(first + 1, p + 1);
    DrawStripSegmentBar(first, p, 1, seg);
    PrintStripPointNumbers();
    ++s.SegmentCount;

    const int m = s.PointsPerBody[1];
    bool complete = seg == 3;
    if (seg == 1) {
        if (s.SegmentPointCounts[1][1] == m) {
            complete = true;
        } else if (m - (p + 1) == 1) {
            EndLastSegment();
            s.AwaitingSegmentLimits = false;
            s.TableReady = true;
        }
    } else if (seg == 2) {
        if (p == m - 1) {
            complete = true;
        } else {
            EndLastSegment();
            s.AwaitingSegmentLimits = false;
            s.TableReady = true;
        }
    }
    if (complete) {
        s.SegmentCount = 3;
        s.SegmentsComplete = true;
        s.TableReady = true;
        s.AwaitingSegmentLimits = false;
        panel_.txtAccel[0]->SetFocus();
    }
}

void Motion::GreySpaceParab(int col) {
    if (!SplitBodiesParab(col)) SwitchVelocityMode(col);
}

bool Motion::SplitBodiesParab(int col) {
    MotionState& s = State();
    if (!s.AwaitingBodySplit) return false;
    if (s.ProblemKind == 0) {
        s.PointsPerBody = {0, 9, 0};
        s.NumBodies = 1;
        RedrawAccelStrip();
        s.AwaitingBodySplit = false;
        return true;
    }
    if (s.ProblemKind == 1) {
        const int n = col;
        if (n < 2 || n > 7) {
            Message("Mínimo 2 puntos para cada móvil.");
            return true;
        }
        s.PointsPerBody = {0, n, 9 - n};
        s.NumBodies = 2;
        RedrawAccelStrip();
        s.AwaitingBodySplit = false;
        FocusGd2OnCol(1);
        return true;
    }
    return false;
}

void Motion::SwitchVelocityMode(int col) {
    rt::CheckIndex(col, 1, kMaxPoints);
    MotionState& s = State();
    plat::Picture& strip = *panel_.picAccel;
    plat::FlexGrid& g = *panel_.Gd2;
    strip.FilledBox(64 * (col - 1) + 1, 39, 64 * (col - 1) + 56, 21, strip.BackColor());
    auto label = [&](const char* text) {
        strip.SetCurrentX(64 * (col - 1) + 64 * 0.45 - 4);
        strip.SetCurrentY(39);
        strip.Print(QString::fromLatin1(text));
    };
    const rt::Variant a = MotionPoint(3, col), b = MotionPoint(4, col);
    const bool numbers = num::IsNumber(a) && num::IsNumber(b);
    const bool toComponents = !s.ComponentVelocityFlags[col];
    if (toComponents) {
        if (numbers && a.ToNumber() <= 0) {
            // The column keeps its mode, and its label shows it.
            label("md");
            Message("Tienes una magnitud no válida para la velocidad.");
            return;
        }
        label("cs");
        SetGd2CellBackColor(col, true);
        s.ComponentVelocityFlags[col] = true;
        g.SetTextMatrix(3, 0, QStringLiteral(" vx"));
        g.SetTextMatrix(4, 0, QStringLiteral(" vy"));
        if (numbers) {
            const double v = a.ToNumber(), th = b.ToNumber();
            SetPointCell(3, col, rt::Mul(v, num::CosDeg(th)));
            SetPointCell(4, col, rt::Mul(v, num::SinDeg(th)));
        }
    } else {
        label("md");
        SetGd2CellBackColor(col, false);
        s.ComponentVelocityFlags[col] = false;
        g.SetTextMatrix(3, 0, QStringLiteral("  v"));
        g.SetTextMatrix(4, 0, QStringLiteral("  ") + QChar(0x3B8));
        if (numbers) {
            const double vx = a.ToNumber(), vy = b.ToNumber();
            SetPointCell(3, col, num::Hypot(vx, vy));
            SetPointCell(4, col, num::VectorAngleDeg(vx, vy));
        }
    }
    if (!numbers) FocusGd2OnCol(col);
}

void Motion::picAccel_MouseUp(int button, int shift, double x, double y) {
    x = OnLabels(x);
    const int source = dragColumn_;
    dragColumn_ = 0;
    if (y <= 19 || source == 0) return;
    rt::IgnoreError("a drop that cannot be done leaves the table as it was", [&] {
        const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
        plat::FlexGrid& g = *panel_.Gd2;
        if (mode == shell::kRectilinearWorkspace && button == 1) {
            int body = 0, point = 0;
            BodyAndPoint(PointCodeAtX(RoundX(x)), body, point);
            const int c = TableColOfPoint(body, point);
            if (c == source) return;
            for (int q = 0; q <= 2; ++q) {
                const rt::Variant v = CheckedMotionPoint(q, source);
                CheckedMotionPoint(q, c) = v;
                g.SetTextMatrix(q, c, g.TextMatrix(q, source));
            }
            if (shift == 0)
                for (int q = 0; q <= 2; ++q) SetPointCell(q, source, std::string());
        } else if (mode == shell::kProjectileWorkspace && button == 2) {
            const int c = ColumnAt(x);
            if (c == source) return;
            rt::CheckIndex(c, 1, kMaxPoints);
            MotionState& s = State();
            // The target column takes the source's velocity mode first.
            if (s.ComponentVelocityFlags[c] != s.ComponentVelocityFlags[source])
                StripAction([&] { SwitchVelocityMode(c); });
            for (int q = 0; q <= 4; ++q) {
                const rt::Variant v = CheckedMotionPoint(q, source);
                if (num::IsNumber(v) && !v.IsNumber())
                    SetPointCell(q, c, v),
                        g.SetTextMatrix(q, c,
                                        QString::fromStdString(rt::RoundedText(v.ToNumber(), text::G().Decimals)));
                else
                    SetPointCell(q, c, v);
            }
            if (shift == 0)
                for (int q = 0; q <= 4; ++q) SetPointCell(q, source, std::string());
        }
    });
}

}  // namespace motion
