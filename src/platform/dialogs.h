#pragma once
// The one dialog service behind every message box and input box of the
// program. MsgBox and InputBox forward to the current service: in the program
// modal Qt boxes with Spanish buttons, in tests a scripted double that
// answers from a queue and records what was shown.
#include <QString>
#include <functional>

class QObject;

namespace plat {

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgResult { OK = 1, Cancel = 2, Yes = 6, No = 7 };

// The application's title, used when a box is given no title.
inline const QString kAppTitle = QStringLiteral("Teluvar");

class DialogService {
public:
    virtual ~DialogService() = default;
    // `title` is never empty here; prompts may hold CR LF line breaks.
    virtual MsgResult ShowMessage(const QString& prompt, MsgButtons buttons, const QString& title) = 0;
    // The same with the button that Enter presses named: a question that
    // destroys work offers its safe answer. A service that cannot show a
    // default shows the box as the plain ShowMessage does.
    virtual MsgResult ShowMessageWithDefault(const QString& prompt, MsgButtons buttons, const QString& title,
                                             MsgResult defaultButton) {
        (void)defaultButton;
        return ShowMessage(prompt, buttons, title);
    }
    // The typed answer; Cancel gives "", the same as an empty answer.
    virtual QString ShowInput(const QString& prompt, const QString& title, const QString& defaultText) = 0;
};

// The button a box offers first, the default unless another is named.
MsgResult FirstButton(MsgButtons buttons);

// Installs a service (nullptr restores the modal Qt boxes) and returns the
// one it replaces. The caller keeps ownership.
DialogService* SetDialogService(DialogService* service);
DialogService& CurrentDialogService();

// A message box; an empty title gives the application's title. Enter
// presses the first button.
MsgResult MsgBox(const QString& prompt, MsgButtons buttons = MsgButtons::OK, const QString& title = QString());
// A message box whose Enter presses `defaultButton` (one of `buttons`): the
// questions that erase work name their safe answer, Cancel or No.
MsgResult MsgBox(const QString& prompt, MsgButtons buttons, const QString& title, MsgResult defaultButton);
// How many message boxes with the OK button alone (refusals and reports,
// not questions) the program has shown: a step that reads it before and
// after learns whether it answered with one.
long long NoticesShown();
// While it lives, runs `step` just before each message box with the OK
// button alone shows: a run that answers with a refusal can clear what
// would otherwise stand beside the box as if it were the answer.
class BeforeNotices {
public:
    explicit BeforeNotices(std::function<void()> step);
    ~BeforeNotices();
    BeforeNotices(const BeforeNotices&) = delete;
    BeforeNotices& operator=(const BeforeNotices&) = delete;
    void Run() const { step_(); }
    BeforeNotices* Outer() const { return outer_; }

private:
    std::function<void()> step_;
    BeforeNotices* outer_;
};
// An input box; an empty title gives the application's title. Cancel gives "".
QString InputBox(const QString& prompt, const QString& title = QString(), const QString& defaultText = QString());
// How many boxes are open now (a box shown from within another counts too).
int BoxesOpen();
// Runs `step` in a later turn of the event loop, when no box is open: a
// modal box turns the loop while it waits for its answer, and a box the
// step shows must come after it, not on top of it. Nothing runs once
// `context` is gone.
void AfterOpenBoxes(QObject* context, std::function<void()> step);

// The modal Qt boxes ("Aceptar", "Cancelar", "Sí", "No"). On the headless
// test platform no box can be answered, so showing one there throws
// std::logic_error instead of waiting forever.
class QtDialogService : public DialogService {
public:
    MsgResult ShowMessage(const QString& prompt, MsgButtons buttons, const QString& title) override;
    MsgResult ShowMessageWithDefault(const QString& prompt, MsgButtons buttons, const QString& title,
                                     MsgResult defaultButton) override;
    QString ShowInput(const QString& prompt, const QString& title, const QString& defaultText) override;
};

}  // namespace plat
