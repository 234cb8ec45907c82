#pragma once
// The calculator's panels (the procedure bar picBar with its icon sheet
// picRuts, the frame fraCalc with the argument grid gd and the template
// picture picArgs, the option keys picOpt and the labels of the expression
// strip) and the services the main window calls.
#include <array>
#include <memory>

#include "shell/workspaces.h"

namespace plat {
class CommandButton;
class FlexGrid;
class Frame;
class Label;
class Picture;
class Shape;
class TextBox;
}  // namespace plat

namespace calc {

struct Panel {
    plat::Picture* picBar = nullptr;
    plat::Picture* picRuts = nullptr;
    plat::Shape* shpBar1 = nullptr;  // chosen cell of the upper row
    plat::Frame* fraCalc = nullptr;
    plat::Frame* fraUnits = nullptr;
    plat::FlexGrid* gd = nullptr;
    plat::Picture* picArgs = nullptr;
    plat::CommandButton* cmdCalculate = nullptr;
    plat::Picture* picOpt = nullptr;
    std::array<plat::Label*, 2> lblCalc{};  // ">" and "=" on the expression strip
    plat::TextBox* txtExpr = nullptr;
};

class Calculator : public shell::CalculatorServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void ArrangeGd() override;
    void FillTeclas() override;
    void picBar_MouseDown(int button, int shift, double x, double y) override;

    const Panel& panel() const { return panel_; }

private:
    void DrawIconSheet();
    shell::Form1* form_ = nullptr;
    Panel panel_;
};

std::unique_ptr<shell::CalculatorServices> MakeCalculator();

}  // namespace calc
