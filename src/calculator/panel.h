#pragma once
// The calculator workspace on the main window: the procedure bar picBar with
// its icon sheet picRuts and highlights, the frame fraCalc with the argument
// template picArgs, the argument grid gd, its tools and the calculate button
// cmdCalculate, the option keys picOpt, result box txtExpr and clearing
// labels of the expression strip, and the hidden unit lists of fraUnits.
//
// A calculation: the bar sets ProcedureGroup and ProcedureCode and shows the
// template and the argument help; the user types the arguments into the
// grid, selects them and presses cmdCalculate (or Shift+Enter, F12 in the
// grid). cmdCalculate_Click shows the hourglass, cancels a waiting copy or
// move, reads and checks the arguments, keeps AngleFactor, runs the
// procedure's driver (dispatch.h) and ends by showing the result tab and
// putting AngleFactor back. Two cases run the button once more from inside:
// a graph of group 5 runs as group 4, and the roots chosen among the
// functions (group 4) run as group 2.
//
// Failures: an argument message is shown in a message box and nothing runs;
// a run-time error of a driver (rt::RuntimeError) is answered with "Falló la
// rutina. Revisa los argumentos." and AngleFactor is put back; the result
// pane and the picture keep what the driver had done.
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calculator/dispatch.h"
#include "shell/workspaces.h"

namespace plat {
class ComboBox;
class CommandButton;
class FlexGrid;
class Frame;
class Label;
class Picture;
class Shape;
class TextBox;
}  // namespace plat

namespace calc {

class ArgGrid;
class ExprStrip;

inline const QString kRoutineFailed = QStringLiteral("Falló la rutina. Revisa los argumentos.");

struct Panel {
    plat::Picture* picBar = nullptr;
    plat::Shape* shpBar1 = nullptr;  // chosen cell of the upper row
    plat::Shape* shpBar2 = nullptr;  // chosen cell of the lower row
    plat::Picture* picRuts = nullptr;
    plat::Frame* fraCalc = nullptr;
    plat::Picture* picArgs = nullptr;
    plat::FlexGrid* gd = nullptr;
    std::array<plat::CommandButton*, 8> cmdGrid{};
    plat::Label* lblRC = nullptr;
    plat::CommandButton* cmdCalculate = nullptr;
    plat::Frame* fraUnits = nullptr;
    std::array<plat::ComboBox*, 2> cboUnits{};
    plat::Picture* picOpt = nullptr;
    std::array<plat::Label*, 2> lblCalc{};  // ">" and "=" on the expression strip
    plat::TextBox* txtExpr = nullptr;
};

class Calculator : public shell::CalculatorServices {
public:
    Calculator();
    ~Calculator() override;

    void BuildPanels(shell::Form1& form) override;
    void ArrangeGd() override;
    void FillTeclas() override;
    // The bar's click in its y-up scale; Button and Shift are ignored. It
    // chooses the cell under it: ChooseBarGroup on the upper row,
    // ChooseBarProcedure on the lower.
    void picBar_MouseDown(int button, int shift, double x, double y);
    void ChooseBarGroup(int n) override;
    // Chooses procedure m (1..) of the group shown, as a click on the lower
    // row's cell m does.
    void ChooseBarProcedure(int m);
    void RestoreBar() override;
    bool HasProblem() const override;

    // The calculate button.
    void cmdCalculate_Click();

    // Title and template of a procedure on picArgs; help piece n in the help tab.
    void ShowArgs(int procedure);
    void ShowArgHelp(int piece);

    void picOpt_MouseMove(int button, int shift, double x, double y);
    // 0 empties the expression box, any other index the result box.
    void lblCalc_Click(int index);
    // Unit lists of the conversion panel for ProcedureCode 58 to 68.
    void FillUnits();

    // Number of procedures of the calculator group last chosen on the bar
    // (0 before any): the valid cells of the lower row.
    int GroupProcCount() const { return groupProcCount_; }

    // Drivers of the procedure families; the program's own by default.
    void SetNumericDriver(ProcedureDriver d) { numericDriver_ = std::move(d); }

    // The argument-help texts, piece 1 first, read when a procedure is
    // chosen: those loaded at start-up unless replaced.
    std::function<std::vector<std::string>()> ArgHelpTexts;

    const Panel& panel() const { return panel_; }
    ArgGrid& grid() { return *grid_; }

private:
    void BuildBar(shell::Form1& form);
    void BuildCalcFrame(shell::Form1& form);
    void BuildStrip(shell::Form1& form);
    // Group n drawn on the lower row, its procedure `cell` chosen.
    void BarUpperCalculator(int n, int cell = 1);
    // The law bar with the highlight on `law`'s cell (none for a plane law).
    void DrawLawBar(int law);
    void BarUpperKinematics(int n);
    void BarLower(int m);
    // What choosing procedure m of a group shows, gathered before anything
    // is changed (reading the help may fail); ShowProcedure then writes and
    // shows it and cannot fail.
    struct ArmedProcedure {
        int code = 0;   // the ProcedureCode chosen
        int piece = 0;  // its argument-help piece, 0 for none
        std::vector<std::string> help;
        bool calculator = true;  // false on the law bar, which chooses no procedure
    };
    ArmedProcedure ArmProcedure(int group, int m) const;
    void ShowProcedure(const ArmedProcedure& armed, int m);
    DriverEnd RunDriver(Route route, const CalcRequest& request);
    DriverEnd SolveParticleFromGrid(const CalcRequest& request);

    shell::Form1* form_ = nullptr;
    Panel panel_;
    std::unique_ptr<ArgGrid> grid_;
    std::unique_ptr<ExprStrip> strip_;
    int groupProcCount_ = 0;
    ProcedureDriver numericDriver_;
};

std::unique_ptr<shell::CalculatorServices> MakeCalculator();

}  // namespace calc
