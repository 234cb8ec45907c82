#pragma once
// The particle-statics panel fraEstp and the services the main window calls:
// the panel itself and the layout of the force grid gdEqui.
#include <memory>

#include "shell/workspaces.h"

namespace plat {
class CommandButton;
class FlexGrid;
class Frame;
}  // namespace plat

namespace particle {

// Controls of the panel, created by BuildPanels.
struct Panel {
    plat::Frame* fraEstp = nullptr;
    plat::FlexGrid* gdEqui = nullptr;                 // force table
    plat::CommandButton* cmdExampleEstp[2] = {};      // "?-1", "?-2"
};

class ParticleStatics : public shell::ParticleStaticsServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void ArrangeGdEqui() override;

    const Panel& panel() const { return panel_; }

private:
    Panel panel_;
};

std::unique_ptr<shell::ParticleStaticsServices> MakeParticleStatics();

}  // namespace particle
