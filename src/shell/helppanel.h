#pragma once
// The help panel fraHelp over the drawing area (topic list cboHelp, pane
// rtbHelp, buttons cmdHelpCtrl(0..3)) and the help buttons of the
// workspaces that load help into the help tab txtArgHelp or choose a topic
// of the panel: cmdHelpEstcr(0..3) of rigid-body statics, cmdExampleEstp(0..1)
// of particle statics and cmdHelpTable(0..2) of the motion workspaces.
//
// The panel's controls are the form's; BuildPanels wires their handlers and
// those of the workspace buttons found by name on the form (a button a
// workspace does not build is left alone). Help files are read from the
// data folder. Every failure is a message box titled "Teluvar"; a topic
// that cannot be loaded leaves the pane as it was.
//
// The text size of rtbHelp is not kept anywhere but in the caption of
// cmdHelpCtrl(1), which shows the other size, the one pressing it gives:
// the help is at 8 points while the caption reads "10".
#include <QString>
#include <memory>

#include "shell/workspaces.h"

namespace plat {
class RichPane;
}

namespace shell {

inline constexpr char kHelpFont[] = "Times New Roman";

// Loads section `key` of the help file at `path` into box in fontName at
// fontSize, converting its markup through the pane `hold`, and puts the
// caret at 0. A missing file or key, or a section without its "[STOP]",
// shows "No pude cargar el archivo." and leaves box as it was. True when
// loaded.
bool LoadHelpTopic(plat::RichPane& box, plat::RichPane& hold, const QString& fontName, double fontSize,
                   const QString& path, const QString& key);

class HelpPanel : public HelpServices {
public:
    void BuildPanels(Form1& form) override;
    void LoadCalcHelp() override;
    void FillHelpCbo(WorkspaceId mode) override;

    // Handlers, also pressed from code.
    void cboHelp_Click();
    void cmdHelpCtrl_Click(int index);
    void cmdHelpEstcr_Click(int index);
    void cmdExampleEstp_Click(int index);
    void cmdHelpTable_Click(int index);

    // The size the help is shown at now (8 or 10).
    double HelpSize() const;

private:
    bool Load(plat::RichPane& box, double size, const char* file, const QString& key);

    Form1* form_ = nullptr;
};

std::unique_ptr<HelpServices> MakeHelp();

}  // namespace shell
