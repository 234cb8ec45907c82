// The graphs of plane kinematics on pic1: the curves of a law on a line,
// each on its own value scale in a 300-pixel square, and the path of a plane
// law on one scale for both axes in the shared plot frame.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "kinematics/compute.h"
#include "kinematics/panel.h"
#include "platform/dialogs.h"
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

// The time axis that all the curves share: the t = 0 line and the labels of
// the interval's ends, drawn once for the graph.
void DrawTimeAxis(plat::Picture& pic, const CurvePlan& plan) {
    if (plan.tZeroX) pic.Line(*plan.tZeroX, kSquareBottom, *plan.tZeroX, kSquareBottom + kSquareSide, kAxisGrey);
    pic.SetForeColor(rt::kBlack);
    const QString ti = QString::fromStdString(plan.tiText);
    PrintAt(pic, std::max(5.0, kSquareLeft - pic.TextWidth(ti) - 5), kSquareBottom, ti);
    const QString tf = QString::fromStdString(plan.tfText);
    const double w = pic.TextWidth(tf);
    PrintAt(pic, w < kSquareLeft ? kSquareLeft + kSquareSide : 2 * kSquareLeft + kSquareSide - w - 5, kSquareBottom,
            tf);
}

// The zero lines of the curves, beneath every curve. A line that falls on
// the same pixel row as another curve's is the zero of both: it is drawn
// once, in the grey of the time axis, not in one curve's tint over the
// other's.
struct ZeroLine {
    double y;
    rt::ColorRef colour;
};
void DrawZeroLines(plat::Picture& pic, const std::vector<ZeroLine>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const double row = std::nearbyint(lines[i].y);
        bool shared = false, drawnBefore = false;
        for (size_t j = 0; j < lines.size(); ++j) {
            if (j == i || std::nearbyint(lines[j].y) != row) continue;
            shared = true;
            if (j < i) drawnBefore = true;
        }
        if (!drawnBefore)
            pic.Line(kSquareLeft, lines[i].y, kSquareLeft + kSquareSide, lines[i].y,
                     shared ? kAxisGrey : lines[i].colour);
    }
}

// One curve with its "max = " and "min = " labels.
void DrawCurve(plat::Picture& pic, const CurvePlan& plan, const CurveStyle& style) {
    pic.SetForeColor(style.colour);
    PrintAt(pic, style.column, kSquareBottom + kSquareSide + 20, QString::fromStdString(plan.maxText));
    PrintAt(pic, style.column, kSquareBottom - 20, QString::fromStdString(plan.minText));

    const auto& pts = plan.points;
    pic.SetCurrentX(pts.front().x);
    pic.SetCurrentY(pts.front().y);
    for (size_t k = 1; k < pts.size(); ++k) pic.LineTo(pts[k].x, pts[k].y, style.colour);
    pic.SetForeColor(rt::kBlack);
}

constexpr const char* kPathStepSkipped =
    "a part of the plane path that fails is left out; the rest of the graph is drawn";

}  // namespace

void Kinematics::GraphKinem1D(int kind, int flags, double t0, double x0, double v0, double ti, double tf) {
    const std::string law = panel_.txtKinem[0]->Text().toStdString();
    const rt::Outcome<LineCurves> curves = TabulateLaw1D(kind, law, t0, x0, v0, ti, tf);
    if (!curves.ok()) {
        // An integration that gave up says where and what to change.
        if (!curves.message().empty())
            plat::MsgBox(QString::fromStdString(curves.message()), plat::MsgButtons::OK, plat::kAppTitle);
        return;
    }
    plat::Picture& pic = *form_->pic1;
    form_->Services().motion->ShowPic1(true);
    pic.Cls();
    if (kind != kLawX)
        pic.Box(kSquareLeft, kSquareBottom + kSquareSide, kSquareLeft + kSquareSide, kSquareBottom, kOutline);
    const std::vector<double>* tables[3] = {&curves->X, &curves->V, &curves->A};
    const double noise[3] = {0, curves->vNoise, curves->aNoise};
    std::vector<std::pair<CurvePlan, const CurveStyle*>> plans;
    for (int i = 0; i < 3; ++i) {
        if (!(flags & (1 << i))) continue;
        const CurveStyle& style = kCurveStyles[i];
        plans.emplace_back(PlanCurve(*tables[i], curves->ti, curves->tf, style.letter, noise[i]), &style);
    }
    if (plans.empty()) return;
    DrawTimeAxis(pic, plans.front().first);
    std::vector<ZeroLine> zeros;
    for (const auto& [plan, style] : plans)
        if (plan.zeroY) zeros.push_back({*plan.zeroY, style->zeroColour});
    DrawZeroLines(pic, zeros);
    for (const auto& [plan, style] : plans) DrawCurve(pic, plan, *style);
}

void Kinematics::GraphKinem2D(double ti, double tf, bool cartesian, int n) {
    const shell::SharedState& g = shell::Shared();
    const PlanePath path =
        TabulatePlanePath(cartesian, panel_.txtKinem[0]->Text().toStdString(), panel_.txtKinem[1]->Text().toStdString(),
                          ti, tf, n, g.PlotLeft, g.PlotBottom, g.PlotSide);
    rt::IgnoreError(kPathStepSkipped, [&] { shell::WriteResults(*form_->rtbCalc, PlanePathLines(path)); });
    plat::Picture& pic = *form_->pic1;
    form_->Services().motion->ShowPic1(true);
    pic.Cls();
    pic.Box(g.PlotLeft, g.PlotBottom + g.PlotSide, g.PlotLeft + g.PlotSide, g.PlotBottom, kOutline);
    pic.SetForeColor(kAxisGrey);
    if (path.xZero) rt::IgnoreError(kPathStepSkipped, [&] { pic.Line(*path.xZero, 0, *path.xZero, g.PicWidth); });
    if (path.yZero) rt::IgnoreError(kPathStepSkipped, [&] { pic.Line(0, *path.yZero, g.PicHeight, *path.yZero); });
    pic.SetForeColor(kPathBlue);
    if (!path.points.empty()) {
        rt::IgnoreError(kPathStepSkipped, [&] {
            pic.SetCurrentX(path.points.front().x);
            pic.SetCurrentY(path.points.front().y);
            if (path.points.size() == 1) pic.PSet(path.points.front().x, path.points.front().y);
            for (size_t k = 1; k < path.points.size(); ++k) pic.LineTo(path.points[k].x, path.points[k].y);
        });
    }
    pic.SetForeColor(rt::kBlack);
}

}  // namespace kinem
