#pragma once
// The motion workspaces' panels (the table frame fraTable and the tabs
// tabMrua) and the services the main window calls: the table layout, the
// preparation for a mode, the list of procedures, the choice of drawing
// picture, the pictured procedures and the rectilinear equation lines.
#include <array>
#include <memory>

#include "shell/workspaces.h"

namespace plat {
class CommandButton;
class ComboBox;
class FlexGrid;
class Frame;
class Image;
class Label;
class Picture;
class Shape;
class TabStrip;
class TextBox;
}  // namespace plat

namespace motion {

// Controls of the panels, created by BuildPanels. tabMrua pages: 0
// "Configurar tabla" (kinds of problem), 1 "Aplicar ecuaciones" (imgProcs,
// shpMrua, picArgs1), 2 "Otros procedimentos" (cboProcs, txtProcs, cmdProcs,
// picArgs2).
struct Panel {
    plat::Frame* fraTable = nullptr;
    plat::FlexGrid* Gd2 = nullptr;
    plat::Picture* picAccel = nullptr;
    plat::CommandButton* cmdEraseTable = nullptr;
    plat::CommandButton* cmdSeeEqns = nullptr;
    plat::TabStrip* tabMrua = nullptr;
    std::array<plat::CommandButton*, 4> cmdTable{};
    std::array<plat::Label*, 4> lblAs{};
    plat::Image* imgProcs = nullptr;
    plat::Shape* shpMrua = nullptr;
    plat::Picture* picArgs1 = nullptr;
    plat::ComboBox* cboProcs = nullptr;
    plat::TextBox* txtProcs = nullptr;
    plat::CommandButton* cmdProcs = nullptr;
    plat::Picture* picArgs2 = nullptr;
};

class Motion : public shell::MotionServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void ArrangeGd2(int colWidth, int mode) override;
    void AdaptCtrls(int mode) override;
    void FillMruaCbo(int mode) override;
    void ShowPic1(bool show) override;
    void imgProcs_MouseDown(int button, int shift, double x, double y) override;
    void InitMruaEqnLinePositions() override;

    // The kind of problem (0..3 rectilinear, 0..1 projectile).
    void cmdTable_Click(int index);

    const Panel& panel() const { return panel_; }

private:
    shell::Form1* form_ = nullptr;
    Panel panel_;
};

std::unique_ptr<shell::MotionServices> MakeMotion();

}  // namespace motion
