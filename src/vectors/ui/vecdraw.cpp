#include "vectors/ui/vecdraw.h"

#include <QString>

#include "platform/dialogs.h"
#include "platform/picture.h"
#include "runtime/rounding.h"
#include "shell/drawpicture.h"

namespace vecui {

namespace {
using shell::kPenAtTail;
using shell::kPenAtTip;

// Both axes; the "Y" label sits yLabelGap pixels right of the y axis's tip.
void Axes(plat::Picture& pic, double x0, double y0, double yLabelGap) {
    pic.SetForeColor(vec::kGrey);
    shell::MoveTo(pic, x0, 12, false);
    shell::DrawArrow(pic, 15, true, false, kPenAtTip, false, vec::kGrey, "", 3, 12, 0);
    shell::MoveRel(pic, yLabelGap, 0, false);
    pic.Print(QStringLiteral("Y"));
    shell::MoveTo(pic, 12, y0, false);
    shell::DrawArrow(pic, 15.5, true, false, kPenAtTip, false, vec::kGrey, "", 3, 3, 0);
    shell::MoveRel(pic, -8, 15, false);
    pic.Print(QStringLiteral("X"));
}

shell::PointD Pen() { return {shell::DrawEng().PenX, shell::DrawEng().PenY}; }

// Lines from V's tip (arrow 3) to the tips of arrows 4 and 5.
void TipLines(plat::Picture& pic, rt::ColorRef colour) {
    pic.SetForeColor(rt::kBlack);
    shell::MoveToShapePoint(pic, "Flecha-3", 1, 0);
    shell::PointD p3 = Pen();
    shell::MoveToShapePoint(pic, "Flecha-4", 1, 0);
    shell::PointD p4 = Pen();
    shell::MoveToShapePoint(pic, "Flecha-5", 1, 0);
    shell::PointD p5 = Pen();
    pic.Line(p3.x, p3.y, p4.x, p4.y, colour);
    pic.Line(p3.x, p3.y, p5.x, p5.y, colour);
    pic.SetForeColor(rt::kBlack);
    shell::ClearShapes();
}
}  // namespace

void DrawAxes(plat::Picture& pic, double x0, double y0) {
    Axes(pic, x0, y0, 8);
    pic.SetForeColor(rt::kBlack);
    shell::MoveTo(pic, x0, y0, false);
}

void DrawVectors(plat::Picture& pic, std::span<const vec::VecRec> vecs, int decimals) {
    vec::VectorPlotLayout p = vec::LayoutVectorPlot(vecs, shell::DrawEng().DrawScale);
    pic.Cls();
    shell::ClearShapes();
    Axes(pic, p.ox, p.oy, 5);
    pic.SetForeColor(rt::kBlack);
    shell::MoveTo(pic, p.ox, p.oy, false);
    shell::DrawPointMark(pic, false, -1, false, rt::kBlack);
    for (std::size_t i = 0; i < vecs.size(); ++i) {
        const vec::VecRec& v = vecs[i];
        shell::DrawArrow(pic, p.lengths[i], true, true, kPenAtTail, true, v.Color, rt::RoundHalfEven(v.Mag, decimals),
                         3, v.Hour, v.Alpha);
    }
    pic.SetForeColor(rt::kBlack);
}

vec::ResultText CombineTwoVectors(plat::Picture& pic, const std::string& s1, const std::string& s2, int decimals) {
    vec::TwoVectorsResult r = vec::CombineTwoVectors(s1, s2, decimals);
    shell::ClearShapes();
    DrawVectors(pic, r.vecs, decimals);
    shell::ClearShapes();
    return r.lines;
}

vec::ResultText SumVectors(plat::Picture& pic, std::span<const std::string> cells, int decimals) {
    vec::VectorSumResult r = vec::SumVectorCells(cells, decimals);
    DrawVectors(pic, r.vecs, decimals);
    return r.lines;
}

vec::ResultText CombineVectors(plat::Picture& pic, std::span<const std::string> cells, int decimals) {
    vec::VectorSumResult r = vec::CombineVectorCells(cells, decimals);
    DrawVectors(pic, r.vecs, decimals);
    return r.lines;
}

vec::ResultText RotateVectorOrAxes(plat::Picture& pic, double theta, const std::string& vectorText,
                                   const std::string& mode, int decimals) {
    vec::RotationResult r = vec::RotateVectorOrAxes(theta, vectorText, mode, decimals);
    pic.Cls();
    DrawAxes(pic, kCentreX, kCentreY);
    // Every arrow has the same length, whatever the magnitude.
    shell::DrawArrow(pic, 7, true, true, kPenAtTail, false, rt::kBlack, "", 3, r.given.Hour, r.given.Alpha);
    shell::ClearShapes();
    shell::MoveTo(pic, kCentreX, kCentreY, false);
    if (r.rotateVector) {
        shell::DrawArrow(pic, 7, true, true, kPenAtTail, false, rt::kMagenta, "", 3, r.turned.Hour, r.turned.Alpha);
        shell::DrawArcArrow(pic, 1.5, theta, true, false, r.given.Hour, r.given.Alpha);
    } else {
        // Hour 2 with angle a is the direction a; hour 8 the opposite one.
        shell::DrawArrow(pic, 7.5, true, false, kPenAtTail, true, vec::kGreen, "", 3, 2, theta);
        shell::DrawArrow(pic, 7.5, true, false, kPenAtTail, true, vec::kGreen, "", 3, 2, theta + 90);
        pic.SetForeColor(vec::kGreen);
        shell::DrawSegment(pic, 7.5, 0, false, 8, theta);
        shell::DrawSegment(pic, 7.5, 0, false, 8, theta + 90);
        shell::DrawArcArrow(pic, 1.5, theta, true, false, 3, 0);
        shell::MoveToShapePoint(pic, "Flecha-1", 1.075, 0);
        pic.Print(QStringLiteral("X'"));
        shell::MoveToShapePoint(pic, "Flecha-2", 1.075, 0);
        pic.Print(QStringLiteral("Y'"));
        shell::ClearShapes();
    }
    pic.SetForeColor(rt::kBlack);
    return r.lines;
}

vec::ResultText SolveLinearCombination(plat::Picture& pic, std::span<const std::string> specs, int decimals) {
    const rt::Outcome<vec::LinearCombinationResult> r = vec::SolveLinearCombination(specs, decimals);
    if (!r.ok()) {
        plat::MsgBox(QString::fromStdString(r.message()), plat::MsgButtons::OK, plat::kAppTitle);
        return {};
    }
    DrawVectors(pic, r->vecs, decimals);
    TipLines(pic, rt::kLightGrey);
    return r->lines;
}

vec::ResultText VectorFromProjections(plat::Picture& pic, const std::string& a, double ca, const std::string& b,
                                      double cb, int decimals) {
    const rt::Outcome<vec::ProjectionsResult> r = vec::VectorFromProjections(a, ca, b, cb, decimals);
    if (!r.ok()) {
        plat::MsgBox(QString::fromStdString(r.message()));
        return {};
    }
    DrawVectors(pic, r->vecs, decimals);
    TipLines(pic, vec::kGrey);
    return r->lines;
}

}  // namespace vecui
