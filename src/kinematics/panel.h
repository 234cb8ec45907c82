#pragma once
// The plane-kinematics panel fraKinem. The law bar it uses is the
// calculator's procedure bar.
#include <memory>

#include "shell/workspaces.h"

namespace plat {
class Frame;
}

namespace kinem {

struct Panel {
    plat::Frame* fraKinem = nullptr;
};

class Kinematics : public shell::KinematicsServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void AdaptKinemCtrls(int) override {}
    const Panel& panel() const { return panel_; }

private:
    Panel panel_;
};

std::unique_ptr<shell::KinematicsServices> MakeKinematics();

}  // namespace kinem
