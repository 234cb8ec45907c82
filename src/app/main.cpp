// The program: registers every subsystem's services on the main window,
// runs its load event and shows it.
#include <QApplication>

#include "calculator/panel.h"
#include "kinematics/panel.h"
#include "motion/panel.h"
#include "shell/form1.h"
#include "statics/particle/panel.h"
#include "statics/rigid/panel.h"
#include "vectors/ui/direcframe_panel.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teluvar"));

    shell::Workspaces services;
    services.direction = vecui::MakeDirectionFrame();
    services.calculator = calc::MakeCalculator();
    services.particle = particle::MakeParticleStatics();
    services.rigid = rigid::MakeRigidStatics();
    services.motion = motion::MakeMotion();
    services.kinematics = kinem::MakeKinematics();
    services.help = shell::MakeBasicHelp();
    services.results = shell::MakeBasicResultsDialog();

    shell::Form1 form(std::move(services));
    form.Form_Load();
    form.show();
    return app.exec();
}
