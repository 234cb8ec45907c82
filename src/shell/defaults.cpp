#include "shell/defaults.h"

#include <cmath>

#include "numerics/expression.h"
#include "shell/draweng.h"
#include "shell/picmarkup.h"
#include "text/globals.h"

namespace shell {

SharedState& Shared() {
    static SharedState state;
    return state;
}

void InitGlobals() {
    DrawEngState& eng = DrawEng();
    eng.DrawScale = 24;
    SetDirection(eng, 3, 0);  // DirHour 3 (+x), DirAlpha 0
    num::SetAngleUnit(num::kDefaultAngleFactor);
    text::G().Decimals = 3;
    // Arrow labels on pictures are written in the formula markup.
    UseMarkupForLabels();

    SharedState& g = Shared();
    g.ExprHotKeys = true;
    g.ExprInfix = true;
    g.GridColsPerView = 5;
    g.ClockMarkedHour = 3;
    g.AxesRotation = 0;
    g.WorkspaceMode = kNoWorkspace;
    g.ProcedureGroup = kNoGroup;
    g.ProcedureCode = 0;
    g.KinemLaw = kNoLaw;

    g.PicHeight = 385;
    g.PicWidth = 397;
    g.PlotSide = 301;
    // Integer division of the rounded differences centres the plot square.
    g.PlotBottom = static_cast<double>(std::lround(g.PicHeight - g.PlotSide) / 2);
    g.PlotLeft = static_cast<double>(std::lround(g.PicWidth - g.PlotSide) / 2);

    g.Selection = GridBlock{1, 1, 1, 1, 1, 1};
    g.SavedSelection = g.Selection;

    g.ResultColors = {0xE0E0E0, 0xC00000, 0x00C000, 0x0000C0};
    g.CurveColors[1][1] = 0xC00000;
    g.CurveColors[1][2] = 0x00C000;
    g.CurveColors[1][3] = 0x0000C0;
    g.CurveColors[2][1] = 0xC000C0;

    g.PositionSymbols[1] = {"", "x", "x'", "x''"};
    g.PositionSymbols[2][1] = "X";
    g.VelocitySymbols[1] = {"", "v", "v'", "v''"};
    g.VelocitySymbols[2][1] = "V";
    g.AccelSymbols[1] = {"", "a", "a'", "a''"};
    g.AccelSymbols[2][1] = "A";
    g.ParabXSymbols = {"", "x", "X"};
    g.ParabYSymbols = {"", "y", "Y"};
    g.ParabVxSymbols = {"", "v!x", "V!x"};
    g.ParabVySymbols = {"", "v!y", "V!y"};
}

void ResetShared() {
    Shared() = SharedState{};
    InitGlobals();
}

}  // namespace shell
