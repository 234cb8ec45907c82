#pragma once
// The rigid-body statics tabs tabStat and the services the main window
// calls: the panel, the layout of the force grid gd1 and the reset of the
// free-body-diagram entry row.
#include <array>
#include <memory>

#include "shell/workspaces.h"

namespace plat {
class FlexGrid;
class Label;
class TabStrip;
class TextBox;
}  // namespace plat

namespace rigid {

// Controls of the panel, created by BuildPanels. Pages of tabStat:
// 0 "Configuración", 1 "Diagramas de cuerpo libre", 2 "Resolver" (which
// shows the form's rtbSolve).
struct Panel {
    plat::TabStrip* tabStat = nullptr;
    std::array<plat::TextBox*, 7> txtSegm{};     // configuration row, (0..6)
    std::array<plat::TextBox*, 8> txtBody{};     // entry row, (1..7); [0] unused
    std::array<plat::Label*, 6> lblForceAt{};    // captions over txtBody(2..7)
    plat::FlexGrid* gd1 = nullptr;               // force table
};

class RigidStatics : public shell::RigidStaticsServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void ArrangeGd1() override;
    void RestoreDCLCtrls() override;

    const Panel& panel() const { return panel_; }

private:
    Panel panel_;
};

std::unique_ptr<shell::RigidStaticsServices> MakeRigidStatics();

}  // namespace rigid
