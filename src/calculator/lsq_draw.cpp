#include "calculator/lsq_draw.h"

#include "calculator/graphs_draw.h"
#include "platform/picture.h"

namespace calc {

namespace {

void PrintAt(plat::Picture& pic, const PlotLabel& label) {
    pic.SetCurrentX(label.x);
    pic.SetCurrentY(label.y);
    pic.Print(QString::fromStdString(label.text));
}

}  // namespace

void DrawFit(plat::Picture& pic, const FitPlot& p) {
    const PlotFrame& f = p.frame;
    pic.Cls();
    pic.Box(f.left, f.bottom, f.left + f.side, f.bottom + f.side, kFitFrameColour);
    DrawPolyline(pic, p.curveX, p.curveY, pic.ForeColor());
    pic.SetDrawWidth(3);
    for (size_t k = 0; k < p.dotX.size(); ++k) pic.PSet(p.dotX[k], p.dotY[k], kFitPointColour);
    pic.SetForeColor(rt::kBlack);
    PrintAt(pic, p.xMin);
    PrintAt(pic, p.xMax);
    PrintAt(pic, p.yMin);
    PrintAt(pic, p.yMax);
    if (!p.xName.text.empty()) PrintAt(pic, p.xName);
    if (!p.yName.text.empty()) PrintAt(pic, p.yName);
    pic.SetDrawWidth(1);
    if (p.verticalAxis) pic.Line(p.axisX, f.bottom, p.axisX, f.bottom + f.side, kFitFrameColour);
    if (p.horizontalAxis) pic.Line(f.left, p.axisY, f.left + f.side, p.axisY, kFitFrameColour);
}

}  // namespace calc
