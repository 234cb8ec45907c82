#include "kinematics/panel.h"

#include "platform/frames.h"
#include "shell/form1.h"

namespace kinem {

void Kinematics::BuildPanels(shell::Form1& form) {
    panel_.fraKinem = new plat::Frame(QStringLiteral("fraKinem"), &form);
    panel_.fraKinem->setGeometry(408, 71, 391, 269);
    form.panels.fraKinem = panel_.fraKinem;
}

std::unique_ptr<shell::KinematicsServices> MakeKinematics() {
    return std::make_unique<Kinematics>();
}

}  // namespace kinem
