#pragma once
// Scripted dialog service for tests. While a DialogScript lives it is the
// program's dialog service: each message box or input box takes the next
// queued answer and is recorded (kind, title, prompt, buttons). A box with no
// answer queued for it, an answer of the wrong kind or one its buttons cannot
// give is a test failure (never a wait), and so is an answer left unused when
// the script ends. Each message box records the button Enter would press
// (Box::defaultButton), so a test can check that a question offers its safe
// answer.
//
//   testsupport::DialogScript dialogs;
//   dialogs.Answer(plat::MsgResult::Cancel).AnswerInput("30");
//   ... run the code ...
//   EXPECT_EQ(dialogs.Shown().at(0).prompt, "Confirmar borrado de todo.");
#include <QString>
#include <deque>
#include <variant>
#include <vector>

#include <functional>

#include "platform/dialogs.h"

namespace testsupport {

class DialogScript : public plat::DialogService {
public:
    enum class Kind { Message, Input };
    struct Box {
        Kind kind;
        QString title;
        QString prompt;
        plat::MsgButtons buttons = plat::MsgButtons::OK;  // message boxes
        QString defaultText;                              // input boxes
        // The button Enter would press (message boxes): the first one
        // unless the code named another.
        plat::MsgResult defaultButton = plat::MsgResult::OK;
        // Boxes already open when this one was shown (it stood on top).
        int openBeneath = 0;
    };

    DialogScript();
    ~DialogScript() override;
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Queues the answer of the next message box.
    DialogScript& Answer(plat::MsgResult result);
    // Queues the answer of the next input box; "" stands for Cancel.
    DialogScript& AnswerInput(const QString& text);
    // From now on each box turns the event loop before it is answered, as a
    // modal box's own loop does while it waits: queued work runs with the
    // box open.
    DialogScript& TurnLoopWhileOpen();
    // Runs `look` while each message box is open: a test sees what stands
    // beside the box.
    DialogScript& WhileShown(std::function<void()> look);

    const std::vector<Box>& Shown() const { return shown_; }
    // Answers still queued.
    int Pending() const { return static_cast<int>(queue_.size()); }
    // Forgets the unused answers (so ending the script does not fail).
    void DropPending() { queue_.clear(); }

    plat::MsgResult ShowMessage(const QString& prompt, plat::MsgButtons buttons, const QString& title) override;
    plat::MsgResult ShowMessageWithDefault(const QString& prompt, plat::MsgButtons buttons, const QString& title,
                                           plat::MsgResult defaultButton) override;
    QString ShowInput(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    std::deque<std::variant<plat::MsgResult, QString>> queue_;
    std::vector<Box> shown_;
    plat::DialogService* previous_ = nullptr;
    bool turnLoop_ = false;
    std::function<void()> whileShown_;
    void TurnLoop() const;
};

}  // namespace testsupport
