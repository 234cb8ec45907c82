// The guard where the control layer calls a handler for the user: whatever a
// handler throws stops at the guard. A run-time error becomes the general
// message for a failed instruction; any other exception is logged and
// reported as an internal fault. Handlers run from code keep their errors
// for the calling code.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <stdexcept>
#include <vector>

#include "platform/buttons.h"
#include "platform/flexgrid.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "qstring_print.h"
#include "runtime/errors.h"
#include "runtime/outcome.h"
#include "support/dialog_script.h"

namespace {

using testsupport::DialogScript;

// What a handler throws, and what the user is told then.
struct Failure {
    const char* name;
    std::function<void()> raise;
    const char* message;
    bool logged;  // written to the log as a critical message
};

const std::vector<Failure>& Failures() {
    static const std::vector<Failure> kFailures = {
        {"run-time error", [] { rt::Raise(rt::ErrorCode::DivisionByZero); }, plat::kInstructionFailed, false},
        {"overflow", [] { rt::Mul(1e200, 1e200); }, plat::kInstructionOverflow, false},
        {"out of range", [] { throw std::out_of_range("vector::_M_range_check"); }, plat::kInternalFault, true},
        {"bad_alloc", [] { throw std::bad_alloc(); }, plat::kInternalFault, true},
        {"not an exception class", [] { throw 42; }, plat::kInternalFault, true},
        // An index the user typed is bad input; one the program computed is
        // its own fault, even inside a step that may be lost on purpose.
        {"typed index out of range", [] { rt::CheckIndex(7, 1, 6); }, plat::kInstructionFailed, false},
        {"internal index out of range",
         [] { rt::IgnoreError("a lost stroke", [] { rt::ExpectIndex(9, 1, 8, "point"); }); }, plat::kInternalFault,
         true},
        {"refusal read as a value",
         [] {
             rt::IgnoreError("a lost cell", [] {
                 const rt::Outcome<int> r = rt::Outcome<int>::Refusal("no");
                 (void)r.value();
             });
         },
         plat::kInternalFault, true},
    };
    return kFailures;
}

// Collects the critical messages written while it lives.
class CriticalLog {
public:
    CriticalLog() {
        lines_.clear();
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg) lines_ << text;
        });
    }
    ~CriticalLog() { qInstallMessageHandler(previous_); }
    const QStringList& Lines() const { return lines_; }

private:
    static inline QStringList lines_;
    QtMessageHandler previous_ = nullptr;
};

// One way the user reaches a handler: builds the control on `host`, makes
// the handler run `body`, and does what the user does.
struct Trigger {
    const char* name;
    std::function<void(QWidget& host, std::function<void()> body)> act;
};

const std::vector<Trigger>& Triggers() {
    static const std::vector<Trigger> kTriggers = {
        {"button click",
         [](QWidget& host, std::function<void()> body) {
             auto* b = new plat::CommandButton("cmdCalculate", &host);
             b->Click = body;
             b->show();
             QTest::mouseClick(b, Qt::LeftButton);
         }},
        {"label click",
         [](QWidget& host, std::function<void()> body) {
             auto* l = new plat::Label("lblFunction(0)", &host);
             l->SetCaption("f(x)");
             l->Click = body;
             l->show();
             QTest::mouseClick(l, Qt::LeftButton);
         }},
        {"key down",
         [](QWidget& host, std::function<void()> body) {
             auto* t = new plat::TextBox("txtBody(1)", &host);
             t->keys.KeyDown = [body](int&, int) { body(); };
             t->show();
             QTest::keyClick(t, Qt::Key_Return);
         }},
        {"typed character",
         [](QWidget& host, std::function<void()> body) {
             auto* t = new plat::TextBox("txtBody(1)", &host);
             t->keys.KeyPress = [body](int&) { body(); };
             t->show();
             QTest::keyClick(t, Qt::Key_A);
         }},
        {"text edited",
         [](QWidget& host, std::function<void()> body) {
             auto* t = new plat::TextBox("txtBody(1)", &host);
             t->Change = body;
             t->show();
             QTest::keyClick(t, Qt::Key_A);
         }},
        {"picture mouse down",
         [](QWidget& host, std::function<void()> body) {
             auto* p = new plat::Picture("pic", &host);
             p->resize(100, 100);
             p->OnMouseDown([body](int, int, double, double) { body(); });
             p->show();
             QTest::mousePress(p, Qt::LeftButton, {}, QPoint(20, 20));
         }},
        {"grid cell entered",
         [](QWidget& host, std::function<void()> body) {
             auto* g = new plat::FlexGrid("gdCalc", &host);
             g->SetRows(4);
             g->SetCols(4);
             g->resize(300, 200);
             g->show();
             g->EnterCell = body;
             QTest::keyClick(g, Qt::Key_Down);
         }},
        {"list click",
         [](QWidget& host, std::function<void()> body) {
             auto* l = new plat::ListBox("lstProcs", &host);
             l->AddItem("uno");
             l->AddItem("dos");
             l->resize(100, 100);
             l->show();
             l->Click = body;
             QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
         }},
        {"tab chosen",
         [](QWidget& host, std::function<void()> body) {
             auto* t = new plat::TabStrip("tabCalc", &host);
             t->AddPage("Uno");
             t->AddPage("Dos");
             t->resize(200, 100);
             t->show();
             t->Click = [body](int) { body(); };
             QTest::mouseClick(t->tabBar(), Qt::LeftButton, {}, t->tabBar()->tabRect(1).center());
         }},
    };
    return kTriggers;
}

TEST(HandlerGuard, EveryFailureOfAUserEventIsToldAndNothingCrossesTheEventLoop) {
    for (const Trigger& trigger : Triggers()) {
        for (const Failure& failure : Failures()) {
            SCOPED_TRACE(std::string(trigger.name) + ", " + failure.name);
            QWidget host;
            host.resize(400, 300);
            host.show();
            DialogScript dialogs;
            dialogs.Answer(plat::MsgResult::OK);
            CriticalLog log;
            bool ran = false;
            EXPECT_NO_THROW(trigger.act(host, [&] {
                ran = true;
                failure.raise();
            }));
            EXPECT_TRUE(ran);
            ASSERT_EQ(dialogs.Shown().size(), 1u);
            EXPECT_EQ(dialogs.Shown()[0].prompt, QString::fromUtf8(failure.message));
            EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
            EXPECT_EQ(dialogs.Shown()[0].buttons, plat::MsgButtons::OK);
            EXPECT_EQ(!log.Lines().isEmpty(), failure.logged) << log.Lines().join("\n").toStdString();
        }
    }
}

TEST(HandlerGuard, TheLogNamesWhatWasThrown) {
    DialogScript dialogs;
    dialogs.Answer(plat::MsgResult::OK);
    CriticalLog log;
    EXPECT_FALSE(plat::Guarded([] { throw std::out_of_range("vector::_M_range_check"); }));
    ASSERT_EQ(log.Lines().size(), 1);
    EXPECT_TRUE(log.Lines()[0].contains("vector::_M_range_check")) << log.Lines()[0].toStdString();
}

// A dialog service whose boxes cannot be shown.
class BrokenDialogs : public plat::DialogService {
public:
    BrokenDialogs() : previous_(plat::SetDialogService(this)) {}
    ~BrokenDialogs() override { plat::SetDialogService(previous_); }
    plat::MsgResult ShowMessage(const QString&, plat::MsgButtons, const QString&) override {
        throw std::logic_error("no screen");
    }
    QString ShowInput(const QString&, const QString&, const QString&) override { throw std::logic_error("no screen"); }

private:
    plat::DialogService* previous_;
};

TEST(HandlerGuard, AReportThatCannotBeShownStaysInsideTheGuard) {
    for (const Failure& failure : Failures()) {
        SCOPED_TRACE(failure.name);
        BrokenDialogs dialogs;
        CriticalLog log;
        bool completed = true;
        EXPECT_NO_THROW(completed = plat::Guarded(failure.raise));
        EXPECT_FALSE(completed);
        EXPECT_TRUE(log.Lines().join("\n").contains("no screen")) << log.Lines().join("\n").toStdString();
    }
}

// Collects what IgnoreError lets pass while it lives.
class IgnoredLog {
public:
    IgnoredLog() {
        lines_.clear();
        rt::SetIgnoredErrorSink(
            [](const char* why, const rt::RuntimeError& e) { lines_.push_back(std::string(why) + ": " + e.what()); });
    }
    ~IgnoredLog() { plat::InstallIgnoredErrorLog(); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    static inline std::vector<std::string> lines_;
};

TEST(HandlerGuard, WhatIsLetPassOnPurposeIsLoggedWithItsReasonAndNotShown) {
    DialogScript dialogs;  // no box may be shown
    IgnoredLog ignored;
    EXPECT_TRUE(plat::Guarded([] {
        EXPECT_FALSE(rt::IgnoreError("one stroke of a drawing", [] { rt::Raise(rt::ErrorCode::Overflow); }));
        EXPECT_TRUE(rt::IgnoreError("nothing fails", [] {}));
    }));
    ASSERT_EQ(ignored.Lines().size(), 1u);
    EXPECT_EQ(ignored.Lines()[0], "one stroke of a drawing: " + rt::ErrorDescription(rt::ErrorCode::Overflow));
}

TEST(HandlerGuard, AFailedKeyHandlerTakesItsKey) {
    QWidget host;
    auto* t = new plat::TextBox("txtBody(1)", &host);
    t->keys.KeyPress = [](int&) { rt::Raise(rt::ErrorCode::TypeMismatch); };
    host.show();
    DialogScript dialogs;
    dialogs.Answer(plat::MsgResult::OK);
    QTest::keyClick(t, Qt::Key_A);
    EXPECT_EQ(t->text(), "");
}

TEST(HandlerGuard, HandlersRunFromCodeLeaveTheirErrorsToTheCaller) {
    QWidget host;
    auto* b = new plat::CommandButton("cmdCalculate", &host);
    b->Click = [] { rt::Raise(rt::ErrorCode::Overflow); };
    auto* tab = new plat::TabStrip("tabCalc", &host);
    tab->AddPage("Uno");
    tab->AddPage("Dos");
    tab->Click = [](int) { rt::Raise(rt::ErrorCode::Overflow); };
    auto* box = new plat::TextBox("txtBody(1)", &host);
    box->Change = [] { throw std::logic_error("fault"); };
    host.show();
    DialogScript dialogs;  // no box may be shown
    EXPECT_THROW(b->Press(), rt::RuntimeError);
    EXPECT_THROW(tab->SetTab(1), rt::RuntimeError);
    EXPECT_EQ(tab->Tab(), 1);
    EXPECT_THROW(box->SetText("1"), std::logic_error);
    EXPECT_TRUE(dialogs.Shown().empty());
}

}  // namespace
