#pragma once
// The plane-kinematics panel fraKinem: the law boxes, the initial
// conditions, the instant, the graph interval and curves, and the two "Ya"
// buttons. The law is chosen on the calculator's procedure bar, which hands
// it to ChooseLaw; this workspace alone writes KinemLaw (shell/defaults.h).
//
// Both commands run in radians and give the angle mode back on every way
// out. A fault inside a command shows "Error en el comando."; the result
// pane then keeps what it held.
#include <array>
#include <memory>

#include "calculator/exprbox.h"
#include "shell/workspaces.h"

class QWidget;

namespace plat {
class CheckBox;
class CommandButton;
class Frame;
class Label;
class Picture;
class RichPane;
class Shape;
class TextBox;
}  // namespace plat

namespace kinem {

struct LineCurves;

struct Panel {
    plat::Frame* fraKinem = nullptr;
    std::array<plat::Label*, 2> lblFunction{};
    std::array<plat::RichPane*, 2> txtKinem{};
    plat::Label* lblKinInt = nullptr;
    plat::Label* lblt0 = nullptr;           // lblt0(0)
    std::array<plat::TextBox*, 4> txtT0{};  // t0, x0, v0, t
    std::array<plat::Shape*, 2> shpKinem{};
    std::array<plat::Label*, 2> lblKCalc{};
    plat::CommandButton* cmdCalcxva = nullptr;
    std::array<plat::TextBox*, 2> txtKinemt1{};  // ti, tf
    std::array<plat::CheckBox*, 4> chkGraph{};   // x(t), v(t), a(t), "Todas"
    plat::CommandButton* cmdGraph = nullptr;
};

class Kinematics : public shell::KinematicsServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void AdaptKinemCtrls(int law) override;
    bool HasProblem() const override;
    void ChooseLaw(shell::KinemLawId law) override;
    const Panel& panel() const { return panel_; }

    // The two buttons.
    void cmdCalcxva_Click();
    void cmdGraph_Click();

    // Curves of a law on a line (flags 1 x, 2 v, 4 a) over [ti, tf] on pic1.
    void GraphKinem1D(int kind, int flags, double t0, double x0, double v0, double ti, double tf);
    // The path of a plane law on pic1 and its extremes in the result pane.
    void GraphKinem2D(double ti, double tf, bool cartesian, int n);

private:
    void BuildControls();
    void WireKeys();
    void EnterFrom(QWidget* box);
    void txtKinem_KeyDown(int index, int& keyCode, int shift);
    void txtKinem_KeyUp(int index, int& keyCode, int shift);
    void chkGraph_Click(int index);
    bool LawCompiles(int index, int law);

    shell::Form1* form_ = nullptr;
    Panel panel_;
    std::array<calc::HotKeyLetters, 2> hotKeys_;  // of the two law boxes
};

std::unique_ptr<shell::KinematicsServices> MakeKinematics();

}  // namespace kinem
