#include "shell/helppanel.h"

#include <cmath>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "runtime/errors.h"
#include "shell/arghelp.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "shell/helptopics.h"
#include "shell/writer.h"

namespace shell {

namespace {

// Places of the panel: over the drawing area, or over the band below it.
constexpr int kPanelTopUp = 4;
constexpr int kPanelTopDown = 394;
constexpr int kPaneTwipsUp = 5325;
constexpr int kPaneTwipsDown = 2295;
// Symbol-font arrows of the panel's move button.
const QChar kArrowDown(0xAF);
const QChar kArrowUp(0xAD);
// Width of one pictured motion procedure.
constexpr double kProcPictureTwips = 540;

const QString kSizeTip10 = QStringLiteral("Cambiar el tamaño de fuente a 10 puntos");
const QString kSizeTip8 = QStringLiteral("Cambiar el tamaño de fuente a 8 puntos");

const char* const kEstcrKeys[] = {"CONFIG", "SYSTS", "DCL", "SOLVE"};

QString Font() { return QString::fromLatin1(kHelpFont); }

void Message(const char* text) { plat::MsgBox(QString::fromUtf8(text)); }

template <class T>
T* Named(Form1& form, const QString& name) {
    return form.findChild<T*>(name);
}

}  // namespace

bool LoadHelpTopic(plat::RichPane& box, plat::RichPane& hold, const QString& fontName, double fontSize,
                   const QString& path, const QString& key) {
    std::optional<QString> text;
    if (const auto lines = plat::ReadTextLines(path)) text = HelpSection(*lines, key);
    if (!text) {
        Message("No pude cargar el archivo.");
        return false;
    }
    MarkupToRtf(hold, fontName, fontSize, *text);
    box.SetRichContent(hold.RichContent());
    hold.SetRichContent(QTextDocumentFragment());
    box.SetSelStart(0);
    return true;
}

// ---- wiring

void HelpPanel::BuildPanels(Form1& form) {
    form_ = &form;
    form.cboHelp->Click = [this] { cboHelp_Click(); };
    // The panel leaves the list no more room than the buttons beside it, and
    // many titles are long: the chosen one is shown whole all the same.
    form.cboHelp->FitChosenEntry();
    for (int i = 0; i < 4; ++i) form.cmdHelpCtrl[i]->Click = [this, i] { cmdHelpCtrl_Click(i); };
    // The workspace buttons that exist by now (the workspaces are built
    // before the help).
    const struct {
        const char* name;
        int count;
        void (HelpPanel::*handler)(int);
    } buttons[] = {{"cmdHelpEstcr", 4, &HelpPanel::cmdHelpEstcr_Click},
                   {"cmdExampleEstp", 2, &HelpPanel::cmdExampleEstp_Click},
                   {"cmdHelpTable", 3, &HelpPanel::cmdHelpTable_Click}};
    for (const auto& b : buttons)
        for (int i = 0; i < b.count; ++i)
            if (auto* c = Named<plat::CommandButton>(form, plat::ArrayName(QString::fromLatin1(b.name), i)))
                c->Click = [this, h = b.handler, i] { (this->*h)(i); };
}

void HelpPanel::LoadCalcHelp() { shell::LoadCalcHelp(); }

void HelpPanel::FillHelpCbo(WorkspaceId mode) {
    plat::ComboBox& cbo = *form_->cboHelp;
    cbo.Clear();
    for (const HelpTopic& t : HelpTopics(mode)) {
        rt::IgnoreError("a topic that cannot be listed is left out of the list",
                        [&] { cbo.AddItem(QString::fromUtf8(t.title)); });
    }
    cbo.WidenListToEntries();  // long titles are read whole when the list is open
}

double HelpPanel::HelpSize() const { return form_->cmdHelpCtrl[1]->Caption() == QLatin1String("10") ? 8 : 10; }

bool HelpPanel::Load(plat::RichPane& box, double size, const char* file, const QString& key) {
    return LoadHelpTopic(box, *form_->rtbHold, Font(), size, plat::DataFilePath(QString::fromLatin1(file)), key);
}

// ---- the panel

void HelpPanel::cboHelp_Click() {
    try {
        Form1& f = *form_;
        const int index = f.cboHelp->ListIndex();
        if (index < 0) return;
        const auto topics = HelpTopics(Shared().WorkspaceMode);
        if (index < static_cast<int>(topics.size())) {
            const HelpTopic& t = topics[static_cast<size_t>(index)];
            Load(*f.rtbHelp, HelpSize(), t.file, QString::fromLatin1(t.key));
        }
        f.rtbHelp->SetSelStart(0);
        if (f.rtbHelp->isVisible()) f.rtbHelp->SetFocus();
    } catch (const rt::RuntimeError&) { Message("No pude cargar el archivo de ayuda."); }
}

void HelpPanel::cmdHelpCtrl_Click(int index) {
    try {
        Form1& f = *form_;
        plat::RichPane& pane = *f.rtbHelp;
        switch (index) {
        case 0:
            Load(pane, HelpSize(), kGeneralHelpFile, QString::fromLatin1(kGeneralHelpKey));
            f.cboHelp->SetListIndex(-1);
            pane.SetSelStart(0);
            pane.SetFocus();
            break;
        case 1: {
            plat::CommandButton& b = *f.cmdHelpCtrl[1];
            double size;
            if (b.Caption() == QLatin1String("8")) {
                size = 8;
                b.SetCaption(QStringLiteral("10"));
                b.setToolTip(kSizeTip10);
            } else {
                size = 10;
                b.SetCaption(QStringLiteral("8"));
                b.setToolTip(kSizeTip8);
            }
            pane.SetAllFontSize(size);
            pane.SetSelStart(0);
            break;
        }
        case 2: f.fraHelp->hide(); break;
        case 3: {
            plat::CommandButton& b = *f.cmdHelpCtrl[3];
            if (f.fraHelp->y() == kPanelTopUp) {
                f.fraHelp->move(f.fraHelp->x(), kPanelTopDown);
                plat::SetHeightTwips(&pane, kPaneTwipsDown);
                b.SetCaption(QString(kArrowUp));
            } else {
                f.fraHelp->move(f.fraHelp->x(), kPanelTopUp);
                plat::SetHeightTwips(&pane, kPaneTwipsUp);
                b.SetCaption(QString(kArrowDown));
            }
            f.fraHelp->raise();
            pane.SetFocus();
            break;
        }
        }
    } catch (const rt::RuntimeError&) { Message("Error en el comando."); }
}

// ---- workspace buttons

void HelpPanel::cmdHelpEstcr_Click(int index) {
    try {
        Form1& f = *form_;
        if (index >= 0 && index < 4) Load(*f.txtArgHelp, 10, kHelpEstcrFile, QString::fromLatin1(kEstcrKeys[index]));
        f.tabCalc->SetTab(2);
        f.txtArgHelp->SetSelStart(0);
        f.txtArgHelp->SetFocus();
    } catch (const rt::RuntimeError&) { Message("No pude cargar el tema de ayuda."); }
}

void HelpPanel::cmdExampleEstp_Click(int index) {
    try {
        Form1& f = *form_;
        Load(*f.txtArgHelp, 10, kStatPartFile, QStringLiteral("EXAMPLE") + QString::number(index + 1));
        f.tabCalc->SetTab(2);
    } catch (const rt::RuntimeError&) { Message("No pude cargar el archivo de ayuda."); }
}

void HelpPanel::cmdHelpTable_Click(int index) {
    try {
        Form1& f = *form_;
        int picture = 0, listIndex = -1;
        if (index == 1) {
            // The highlight sits on the chosen picture.
            auto* shape = Named<plat::Shape>(f, QStringLiteral("shpMrua"));
            auto* strip = Named<QWidget>(f, QStringLiteral("imgProcs"));
            if (shape && strip)
                picture = 1 + static_cast<int>(
                                  std::lround((plat::LeftTwips(shape) - plat::LeftTwips(strip)) / kProcPictureTwips));
        } else if (index == 2) {
            if (auto* procs = Named<plat::ComboBox>(f, QStringLiteral("cboProcs"))) listIndex = procs->ListIndex();
        }
        if (const auto topic = TableHelpTopic(Shared().WorkspaceMode, index, picture, listIndex))
            f.cboHelp->SetListIndex(*topic);
        f.fraHelp->show();
        f.fraHelp->raise();
    } catch (const rt::RuntimeError&) { Message("Error en el comando."); }
}

std::unique_ptr<HelpServices> MakeHelp() { return std::make_unique<HelpPanel>(); }

}  // namespace shell
