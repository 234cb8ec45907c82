// The dialog service: MsgBox/InputBox forward to it, and the scripted double
// answers from its queue, records every box and fails on unexpected ones.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <memory>
#include <stdexcept>

#include "platform/dialogs.h"
#include "qstring_print.h"
#include "support/dialog_script.h"

namespace {

using plat::MsgButtons;
using plat::MsgResult;
using testsupport::DialogScript;

TEST(DialogScript, AnswersInOrderAndRecordsEveryBox) {
    DialogScript dialogs;
    dialogs.Answer(MsgResult::Cancel).AnswerInput("30").Answer(MsgResult::Yes).AnswerInput("");
    EXPECT_EQ(plat::MsgBox("Imprimir el contenido del cuadro de registro.", MsgButtons::OKCancel), MsgResult::Cancel);
    EXPECT_EQ(plat::InputBox("Ángulo:", "Teluvar"), "30");
    EXPECT_EQ(plat::MsgBox("Línea 1\r\nLínea 2", MsgButtons::YesNoCancel, "Zun"), MsgResult::Yes);
    EXPECT_EQ(plat::InputBox("Dar límite"), "");  // Cancel
    EXPECT_EQ(dialogs.Pending(), 0);

    const auto& shown = dialogs.Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].kind, DialogScript::Kind::Message);
    EXPECT_EQ(shown[0].title, "Teluvar");  // no title given
    EXPECT_EQ(shown[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(shown[1].kind, DialogScript::Kind::Input);
    EXPECT_EQ(shown[1].prompt, QString::fromUtf8("Ángulo:"));
    EXPECT_EQ(shown[2].title, "Zun");
    EXPECT_EQ(shown[2].prompt, QString::fromUtf8("Línea 1\r\nLínea 2"));
    EXPECT_EQ(shown[3].title, "Teluvar");
}

TEST(DialogScript, UnexpectedBoxesFailTheTestInsteadOfWaiting) {
    DialogScript dialogs;
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(plat::MsgBox("Selecciona algo qué imprimir."), MsgResult::OK),
                            "unexpected message box");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(plat::InputBox("x"), ""), "unexpected input box");
    // An answer of the wrong kind is not taken by the other kind of box.
    dialogs.AnswerInput("5");
    EXPECT_NONFATAL_FAILURE(plat::MsgBox("¿Borrar?", MsgButtons::YesNo), "unexpected message box");
    EXPECT_EQ(plat::InputBox("n"), "5");
    // An answer the box has no button for.
    dialogs.Answer(MsgResult::Yes);
    EXPECT_NONFATAL_FAILURE(plat::MsgBox("ok only"), "not a button of the box");
    EXPECT_EQ(dialogs.Shown().size(), 5u);
}

TEST(DialogScript, UnusedAnswersFailWhenTheScriptEnds) {
    EXPECT_NONFATAL_FAILURE(
        {
            DialogScript dialogs;
            dialogs.Answer(MsgResult::OK);
        },
        "left unused");
}

TEST(DialogScript, ScriptsNestAndRestoreTheService) {
    DialogScript outer;
    outer.Answer(MsgResult::OK);
    {
        DialogScript inner;
        inner.Answer(MsgResult::No);
        EXPECT_EQ(plat::MsgBox("a", MsgButtons::YesNo), MsgResult::No);
    }
    EXPECT_EQ(plat::MsgBox("b"), MsgResult::OK);
    EXPECT_EQ(&plat::CurrentDialogService(), &outer);
}

// A step that waits for the open boxes runs in a later turn of the loop,
// never while a box is open, though a box turns the loop (as a modal box
// does) and another box opens inside it; a step whose context is gone does
// not run.
TEST(DialogService, AStepAfterTheOpenBoxesComesAfterTheLastOneCloses) {
    DialogScript dialogs;
    dialogs.TurnLoopWhileOpen();
    QObject context;
    std::vector<int> openWhenRun;
    const auto step = [&] { openWhenRun.push_back(plat::BoxesOpen()); };

    plat::AfterOpenBoxes(&context, step);
    EXPECT_TRUE(openWhenRun.empty());  // not at once
    QCoreApplication::processEvents();
    EXPECT_EQ(openWhenRun, std::vector<int>{0});

    openWhenRun.clear();
    plat::AfterOpenBoxes(&context, step);
    dialogs.Answer(MsgResult::OK).Answer(MsgResult::OK);
    bool inner = false;
    auto* outer = new QObject(&context);
    // The first box's loop opens a second box, whose loop runs the step's
    // turn: the step waits for both.
    QMetaObject::invokeMethod(
        outer,
        [&] {
            if (std::exchange(inner, true)) return;
            plat::MsgBox("segunda");
        },
        Qt::QueuedConnection);
    plat::MsgBox("primera");
    EXPECT_TRUE(openWhenRun.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(openWhenRun, std::vector<int>{0});
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[1].openBeneath, 1);

    openWhenRun.clear();
    {
        QObject gone;
        plat::AfterOpenBoxes(&gone, step);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(openWhenRun.empty());
}

TEST(DialogService, RealBoxesRefuseToWaitOnTheHeadlessPlatform) {
    EXPECT_THROW(plat::MsgBox("nadie contesta"), std::logic_error);
    EXPECT_THROW(plat::InputBox("nadie contesta"), std::logic_error);
}

}  // namespace
