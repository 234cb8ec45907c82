// The results dialog: the print choices, the decimals spinner, the copy of
// the drawing picture on show, the credits, and its life beside the main
// window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include "app/services.h"
#include "platform/buttons.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/printer.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "platform/updown.h"
#include "runtime/variant.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/helppanel.h"
#include "support/dialog_script.h"
#include "support/pdf_text.h"
#include "support/print_script.h"
#include "text/globals.h"
#include "text/resultformat.h"

namespace {

using plat::MsgResult;

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override {
        text::G().Decimals = 3;
        pic.Move(0, 0, 40, 30);
        pic1.Move(0, 0, 40, 30);
        form = std::make_unique<shell::Form2>(shell::Form2Targets{&reg, &help, &argHelp, &pic, &pic1});
    }
    void TearDown() override { text::G().Decimals = 3; }

    plat::RichPane reg{QStringLiteral("rtbReg")}, help{QStringLiteral("rtbHelp")},
        argHelp{QStringLiteral("txtArgHelp")};
    plat::Picture pic{QStringLiteral("pic")}, pic1{QStringLiteral("pic1")};
    testsupport::DialogScript dialogs;
    std::unique_ptr<shell::Form2> form;
};

TEST_F(Form2Test, DecimalsSpinnerChangesWhatFormatNumWrites) {
    EXPECT_EQ(form->txtNCD->Text(), QStringLiteral("3"));
    EXPECT_EQ(text::FormatNum(rt::Variant(-2.71828)).ToText(), ";-2.718");
    form->UpDown1->stepBy(1);
    EXPECT_EQ(form->txtNCD->Text(), QStringLiteral("4"));
    EXPECT_EQ(text::G().Decimals, 4);
    EXPECT_EQ(text::FormatNum(rt::Variant(-2.71828)).ToText(), ";-2.7183");
    form->UpDown1->stepBy(-10);  // stops at 0
    EXPECT_EQ(text::G().Decimals, 0);
    EXPECT_EQ(text::FormatNum(rt::Variant(2.5)).ToText(), "2");  // halves to even
    EXPECT_EQ(text::FormatNum(rt::Variant(0.04)).ToText(), "0");
    // A dialog shown later starts from the program's value.
    shell::Form2 again(shell::Form2Targets{&reg, &help, &argHelp, &pic, &pic1});
    EXPECT_EQ(again.txtNCD->Text(), QStringLiteral("0"));
}

TEST_F(Form2Test, PrintsTheChosenPane) {
    dialogs.Answer(MsgResult::OK);
    form->cmdPrintRes->Press();
    EXPECT_EQ(dialogs.Shown().back().prompt, QString::fromUtf8("Selecciona algo qué imprimir."));
    EXPECT_EQ(dialogs.Shown().back().buttons, plat::MsgButtons::OK);

    const char* const prompts[] = {"Imprimir el contenido del cuadro de registro.",
                                   "Imprimir el contenido del panel de ayuda.",
                                   "Imprimir el contenido de la ficha Ayuda."};
    for (int i = 0; i < 3; ++i) {
        form->optPrint[i]->SetValue(true);
        dialogs.Answer(MsgResult::Cancel);
        form->cmdPrintRes->Press();
        EXPECT_EQ(dialogs.Shown().back().prompt, QString::fromUtf8(prompts[i]));
    }

    QTemporaryDir dir;
    testsupport::PrintScript print;
    print.ChoosePdf(dir.filePath("help.pdf"));
    help.SetText(QStringLiteral("Ayuda"));
    form->optPrint[1]->SetValue(true);
    dialogs.Answer(MsgResult::OK);
    form->cmdPrintRes->Press();
    EXPECT_EQ(testsupport::PdfPageTexts(dir.filePath("help.pdf")), std::vector<QString>{QStringLiteral("Ayuda")});
}

TEST_F(Form2Test, CopiesTheDrawingPictureOnShow) {
    pic.Cls();
    pic.Line(0, 0, 39, 29, 0x0000FF);
    pic1.Cls();
    pic1.Line(0, 29, 39, 0, 0xFF0000);
    const QImage a = pic.Image().convertToFormat(QImage::Format_RGB32);
    const QImage b = pic1.Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_NE(a, b);

    // The clipboard is the program's, not a platform's.
    EXPECT_EQ(form->Label2[1]->Caption(), "Copiar contenido del pizarrón al portapapeles");
    pic1.hide();  // the calculator and the vector procedures draw on pic
    form->cmdCopyToClipboard->Press();
    EXPECT_EQ(plat::ClipboardImage().convertToFormat(QImage::Format_RGB32), a);
    pic1.show();
    pic.hide();
    form->cmdCopyToClipboard->Press();
    EXPECT_EQ(plat::ClipboardImage().convertToFormat(QImage::Format_RGB32), b);
}

TEST_F(Form2Test, CreditsNameTheProgramAndEitherAnswerCloses) {
    for (MsgResult answer : {MsgResult::OK, MsgResult::Cancel}) {
        dialogs.Answer(answer);
        form->cmdAbout->Press();
        const auto& box = dialogs.Shown().back();
        EXPECT_EQ(box.title, QStringLiteral("Acerca de TELUVAR"));
        EXPECT_EQ(box.buttons, plat::MsgButtons::OKCancel);
        EXPECT_TRUE(box.prompt.startsWith(QStringLiteral("TELUVAR")));
        EXPECT_TRUE(box.prompt.contains(QString::fromUtf8("mecánica")));
    }
}

// ---- beside the main window

TEST(Form2Window, OpenedByTheToolbarClosedByCerrarAndEndedWithTheProgram) {
    testsupport::DialogScript dialogs;
    plat::SetDataFolder(QStringLiteral(TELUVAR_SOURCE_DIR "/data"));
    shell::Form1 main(app::RealServices());
    main.EndProgram = [] {};
    main.Form_Load();
    main.show();

    auto find = [] {
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<shell::Form2*>(t)) return QPointer<shell::Form2>(f);
        return QPointer<shell::Form2>();
    };
    main.Image1_MouseDown(1, 0, 6 * 555 + 100, 100);  // button 7
    QPointer<shell::Form2> dlg = find();
    ASSERT_TRUE(dlg);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->isModal());
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Preferencias"));
    EXPECT_TRUE(main.isVisible());

    main.ShowWorkspace(6);  // again: the same dialog
    EXPECT_EQ(find(), dlg);
    dlg->cmdCloseForm2->Press();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dlg);

    main.ShowWorkspace(6);  // a new one
    dlg = find();
    ASSERT_TRUE(dlg);
    main.ShowWorkspace(8);
    EXPECT_FALSE(dlg);
    plat::SetDataFolder(QString());
}

}  // namespace
