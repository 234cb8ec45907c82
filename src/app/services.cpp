#include "app/services.h"

#include "calculator/panel.h"
#include "kinematics/panel.h"
#include "motion/panel.h"
#include "shell/form2.h"
#include "shell/helppanel.h"
#include "statics/particle/panel.h"
#include "statics/rigid/panel.h"
#include "vectors/ui/direcframe_panel.h"

namespace app {

shell::Workspaces RealServices() {
    shell::Workspaces w;
    w.direction = vecui::MakeDirectionFrame();
    w.calculator = calc::MakeCalculator();
    w.particle = particle::MakeParticleStatics();
    w.rigid = rigid::MakeRigidStatics();
    w.motion = motion::MakeMotion();
    w.kinematics = kinem::MakeKinematics();
    w.help = shell::MakeHelp();
    w.results = shell::MakeResultsDialog();
    return w;
}

}  // namespace app
