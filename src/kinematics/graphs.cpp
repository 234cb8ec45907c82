// The graphs of plane kinematics on pic1: the curves of a law on a line,
// each on its own value scale in a 300-pixel square, and the path of a plane
// law on one scale for both axes in the shared plot frame.
#include <algorithm>

#include "kinematics/compute.h"
#include "kinematics/panel.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "runtime/errors.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "shell/writer.h"

namespace kinem {

namespace {

constexpr rt::ColorRef kOutline = 0xFFFFC0;
constexpr rt::ColorRef kAxisGrey = 0xC0C0C0;
constexpr rt::ColorRef kPathBlue = 0xFF0000;

struct CurveStyle {
    rt::ColorRef colour, zeroColour;
    double column;
    char letter;
};
constexpr CurveStyle kCurveStyles[3] = {
    {0xFF00FF, 0xFFC0FF, 100, 'x'},
    {0xFF0000, 0xFFC0C0, 200, 'v'},
    {0x0000FF, 0xC0C0FF, 300, 'a'},
};

void PrintAt(plat::Picture& pic, double x, double y, const QString& text) {
    pic.SetCurrentX(x);
    pic.SetCurrentY(y);
    pic.Print(text);
}

// One curve with its time axis, zero line and labels.
void DrawAxisScale(plat::Picture& pic, const CurvePlan& plan, const CurveStyle& style) {
    const double top = kSquareBottom + kSquareSide, right = kSquareLeft + kSquareSide;
    if (plan.tZeroX) pic.Line(*plan.tZeroX, kSquareBottom, *plan.tZeroX, top, kAxisGrey);

    pic.SetForeColor(rt::kBlack);
    const QString ti = QString::fromStdString(plan.tiText);
    PrintAt(pic, std::max(5.0, kSquareLeft - pic.TextWidth(ti) - 5), kSquareBottom, ti);
    const QString tf = QString::fromStdString(plan.tfText);
    const double w = pic.TextWidth(tf);
    PrintAt(pic, w < kSquareLeft ? right : 2 * kSquareLeft + kSquareSide - w - 5, kSquareBottom, tf);

    if (plan.zeroY) pic.Line(kSquareLeft, *plan.zeroY, right, *plan.zeroY, style.zeroColour);

    pic.SetForeColor(style.colour);
    PrintAt(pic, style.column, top + 20, QString::fromStdString(plan.maxText));
    PrintAt(pic, style.column, kSquareBottom - 20, QString::fromStdString(plan.minText));

    const auto& pts = plan.points;
    pic.SetCurrentX(pts.front().x);
    pic.SetCurrentY(pts.front().y);
    for (size_t k = 1; k < pts.size(); ++k) pic.LineTo(pts[k].x, pts[k].y, style.colour);
    pic.SetForeColor(rt::kBlack);
}

// Runs one drawing statement of the plane path; its faults are passed over.
template <class F>
void Quietly(F&& f) {
    try {
        f();
    } catch (const rt::RuntimeError&) {
    }
}

}  // namespace

void Kinematics::GraphKinem1D(int kind, int flags, double t0, double x0, double v0, double ti, double tf) {
    const std::string law = panel_.txtKinem[0]->Text().toStdString();
    const std::optional<LineCurves> curves = TabulateLaw1D(kind, law, t0, x0, v0, ti, tf);
    if (!curves) return;
    plat::Picture& pic = *form_->pic1;
    form_->Services().motion->ShowPic1(true);
    pic.Cls();
    if (kind != kLawX)
        pic.Box(kSquareLeft, kSquareBottom + kSquareSide, kSquareLeft + kSquareSide, kSquareBottom, kOutline);
    const std::vector<double>* tables[3] = {&curves->X, &curves->V, &curves->A};
    for (int i = 0; i < 3; ++i) {
        if (!(flags & (1 << i))) continue;
        const CurveStyle& style = kCurveStyles[i];
        DrawAxisScale(pic, PlanCurve(*tables[i], curves->ti, curves->tf, style.letter), style);
    }
}

void Kinematics::GraphKinem2D(double ti, double tf, bool cartesian, int n) {
    const shell::SharedState& g = shell::Shared();
    const PlanePath path =
        TabulatePlanePath(cartesian, panel_.txtKinem[0]->Text().toStdString(), panel_.txtKinem[1]->Text().toStdString(),
                          ti, tf, n, g.PlotLeft, g.PlotBottom, g.PlotSide);
    Quietly([&] { shell::WriteResults(*form_->rtbCalc, PlanePathLines(path)); });
    plat::Picture& pic = *form_->pic1;
    Quietly([&] { form_->Services().motion->ShowPic1(true); });
    pic.Cls();
    Quietly([&] { pic.Box(g.PlotLeft, g.PlotBottom + g.PlotSide, g.PlotLeft + g.PlotSide, g.PlotBottom, kOutline); });
    pic.SetForeColor(kAxisGrey);
    if (path.xZero) Quietly([&] { pic.Line(*path.xZero, 0, *path.xZero, g.PicWidth); });
    if (path.yZero) Quietly([&] { pic.Line(0, *path.yZero, g.PicHeight, *path.yZero); });
    pic.SetForeColor(kPathBlue);
    if (!path.points.empty()) {
        Quietly([&] {
            pic.SetCurrentX(path.points.front().x);
            pic.SetCurrentY(path.points.front().y);
            if (path.points.size() == 1) pic.PSet(path.points.front().x, path.points.front().y);
            for (size_t k = 1; k < path.points.size(); ++k) pic.LineTo(path.points[k].x, path.points[k].y);
        });
    }
    pic.SetForeColor(rt::kBlack);
}

}  // namespace kinem
