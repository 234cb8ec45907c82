#pragma once
// Form2, the results dialog "Preferencias": prints the results log, the help
// panel or the help tab, sets the number of decimals of every number shown
// from now on, copies the drawing picture on show to the clipboard and shows
// the credits. It keeps no state of its own: Decimals is the program's
// (text::G().Decimals), and the panes and pictures are the main window's.
//
// Shown without blocking the main window; "Cerrar" unloads it (the dialog
// deletes itself).
#include <QDialog>
#include <array>
#include <memory>

#include "shell/workspaces.h"

namespace plat {
class CommandButton;
class Frame;
class Label;
class OptionButton;
class Picture;
class RichPane;
class TextBox;
class UpDown;
}  // namespace plat

namespace shell {

// What the dialog works on, from the main window.
struct Form2Targets {
    plat::RichPane* rtbReg = nullptr;
    plat::RichPane* rtbHelp = nullptr;
    plat::RichPane* txtArgHelp = nullptr;
    plat::Picture* pic = nullptr;   // drawing picture of the calculator and equations
    plat::Picture* pic1 = nullptr;  // drawing picture of statics and graphs
};

// The targets of a main window.
Form2Targets TargetsOf(const Form1& form);

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(const Form2Targets& targets, QWidget* parent = nullptr);

    // Handlers.
    void cmdPrintRes_Click();
    void UpDown1_Change();
    void cmdCopyToClipboard_Click();
    void cmdAbout_Click();
    void cmdCloseForm2_Click();

    // The text of the credits box.
    static QString Credits();

    plat::Frame* Frame1 = nullptr;
    std::array<plat::OptionButton*, 3> optPrint{};
    plat::CommandButton* cmdPrintRes = nullptr;
    std::array<plat::Label*, 2> Label2{};
    plat::TextBox* txtNCD = nullptr;
    plat::UpDown* UpDown1 = nullptr;
    plat::CommandButton* cmdCopyToClipboard = nullptr;
    plat::CommandButton* cmdAbout = nullptr;
    plat::CommandButton* cmdCloseForm2 = nullptr;

private:
    Form2Targets targets_;
};

// The dialog for the program's main window (the one Form1 of the run): made
// when first shown and again after "Cerrar" or the end of the program.
std::unique_ptr<ResultsDialogServices> MakeResultsDialog();

}  // namespace shell
