#include "shell/form2.h"

#include <QApplication>
#include <QPointer>
#include <algorithm>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "platform/updown.h"
#include "shell/form1.h"
#include "shell/printing.h"
#include "text/globals.h"

namespace shell {

namespace {

// Range of the decimals spinner.
constexpr int kMinDecimals = 0;
constexpr int kMaxDecimals = 9;

plat::CommandButton* Button(const QString& name, const QString& caption, QWidget* parent, const QRect& geo) {
    auto* b = new plat::CommandButton(name, parent);
    b->SetCaption(caption);
    b->setGeometry(geo);
    return b;
}

plat::Label* MakeLabel(const QString& name, const QString& caption, QWidget* parent, const QRect& geo) {
    auto* l = new plat::Label(name, parent);
    l->SetCaption(caption);
    l->setWordWrap(true);
    l->setGeometry(geo);
    return l;
}

}  // namespace

Form2Targets TargetsOf(const Form1& form) { return {form.rtbReg, form.rtbHelp, form.txtArgHelp, form.pic, form.pic1}; }

Form2::Form2(const Form2Targets& targets, QWidget* parent) : QDialog(parent), targets_(targets) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Preferencias"));
    setFont(plat::MakeFont(u"MS Sans Serif", 8));
    setFixedSize(336, 240);
    setModal(false);

    Frame1 = new plat::Frame(QStringLiteral("Frame1"), this);
    Frame1->SetCaption(QStringLiteral("Imprimir:"));
    Frame1->setGeometry(8, 6, 320, 100);
    const char* const choices[] = {"Registro de resultados", "Texto actual del panel de ayuda",
                                   "Texto actual de la ficha Ayuda"};
    for (int i = 0; i < 3; ++i) {
        auto* o = new plat::OptionButton(plat::ArrayName(QStringLiteral("optPrint"), i), Frame1);
        o->SetCaption(QString::fromUtf8(choices[i]));
        o->setGeometry(12, 20 + 24 * i, 210, 22);
        optPrint[i] = o;
    }
    cmdPrintRes = Button(QStringLiteral("cmdPrintRes"), QStringLiteral("Imprimir"), Frame1, QRect(232, 64, 76, 26));

    Label2[0] =
        MakeLabel(plat::ArrayName(QStringLiteral("Label2"), 0),
                  QStringLiteral("No. de cifras decimales a mostrar en pantalla:"), this, QRect(10, 118, 236, 22));
    txtNCD = new plat::TextBox(QStringLiteral("txtNCD"), this);
    txtNCD->setGeometry(252, 118, 36, 22);
    txtNCD->setAlignment(Qt::AlignRight);
    txtNCD->setReadOnly(true);  // the spinner alone changes it
    UpDown1 = new plat::UpDown(QStringLiteral("UpDown1"), this);
    UpDown1->setGeometry(289, 118, 17, 22);
    UpDown1->SetRange(kMinDecimals, kMaxDecimals);
    UpDown1->SetBuddy(txtNCD);
    const int decimals = std::clamp(text::G().Decimals, kMinDecimals, kMaxDecimals);
    UpDown1->SetValue(decimals);
    txtNCD->SetText(QString::number(text::G().Decimals));
    UpDown1->Change = [this] { UpDown1_Change(); };

    Label2[1] =
        MakeLabel(plat::ArrayName(QStringLiteral("Label2"), 1),
                  QStringLiteral("Copiar contenido del pizarrón al portapapeles"), this, QRect(10, 150, 236, 32));
    cmdCopyToClipboard =
        Button(QStringLiteral("cmdCopyToClipboard"), QStringLiteral("Copiar"), this, QRect(252, 154, 76, 26));

    cmdAbout =
        Button(QStringLiteral("cmdAbout"), QStringLiteral("Acerca de TELUVAR ..."), this, QRect(8, 202, 150, 28));
    cmdCloseForm2 = Button(QStringLiteral("cmdCloseForm2"), QStringLiteral("Cerrar"), this, QRect(252, 202, 76, 28));

    cmdPrintRes->Click = [this] { cmdPrintRes_Click(); };
    cmdCopyToClipboard->Click = [this] { cmdCopyToClipboard_Click(); };
    cmdAbout->Click = [this] { cmdAbout_Click(); };
    cmdCloseForm2->Click = [this] { cmdCloseForm2_Click(); };
}

void Form2::cmdPrintRes_Click() {
    plat::RichPane* box = optPrint[0]->Value()   ? targets_.rtbReg
                          : optPrint[1]->Value() ? targets_.rtbHelp
                          : optPrint[2]->Value() ? targets_.txtArgHelp
                                                 : nullptr;
    if (!box) {
        plat::MsgBox(QStringLiteral("Selecciona algo qué imprimir."));
        return;
    }
    ImprimirResultados(*box);
}

void Form2::UpDown1_Change() {
    bool ok = false;
    const int n = txtNCD->Text().toInt(&ok);
    text::G().Decimals = ok ? n : UpDown1->Value();
}

void Form2::cmdCopyToClipboard_Click() {
    // The calculator, the vector procedures and the equations draw on pic,
    // statics and the graphs on pic1: copy the one on show.
    plat::Picture* shown = targets_.pic1 && !targets_.pic1->isHidden() ? targets_.pic1 : targets_.pic;
    if (shown) shown->CopyToClipboard();
}

QString Form2::Credits() {
    return QStringLiteral(
        "TELUVAR\r\n"
        "\r\n"
        "Mesa de trabajo para el estudio de la mecánica elemental.\r\n"
        "\r\n"
        "Calculadora científica, estática de la partícula y del cuerpo rígido, "
        "movimiento rectilíneo uniformemente acelerado, tiro parabólico y "
        "cinemática plana general.\r\n"
        "\r\n"
        "Plantea las ecuaciones de cada problema, las resuelve paso a paso y "
        "dibuja sus diagramas y gráficas.");
}

void Form2::cmdAbout_Click() {
    plat::MsgBox(Credits(), plat::MsgButtons::OKCancel, QStringLiteral("Acerca de TELUVAR"));
}

void Form2::cmdCloseForm2_Click() {
    setAttribute(Qt::WA_DeleteOnClose);
    close();
}

// ---- the service

namespace {

class ResultsDialog : public ResultsDialogServices {
public:
    ~ResultsDialog() override { delete dialog_; }

    void Show() override {
        if (!dialog_) {
            Form1* main = MainWindow();
            if (!main) return;
            dialog_ = new Form2(TargetsOf(*main), main);
            dialog_->setWindowFlag(Qt::Dialog);
        }
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
    }

    void Unload() override { delete dialog_; }

private:
    // The main window that registered this dialog, or else the first one.
    Form1* MainWindow() const {
        Form1* first = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* f = qobject_cast<Form1*>(w);
            if (!f) continue;
            if (f->Services().results.get() == this) return f;
            if (!first) first = f;
        }
        return first;
    }

    QPointer<Form2> dialog_;
};

}  // namespace

std::unique_ptr<ResultsDialogServices> MakeResultsDialog() { return std::make_unique<ResultsDialog>(); }

}  // namespace shell
