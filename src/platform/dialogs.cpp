#include "platform/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <stdexcept>
#include <utility>
#include <vector>

namespace plat {

namespace {

DialogService* g_service = nullptr;

QString WithTitle(const QString& title) { return title.isEmpty() ? kAppTitle : title; }

// CR LF and lone CR become the line break Qt shows.
QString QtLines(QString s) {
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void RefuseHeadless(const QString& prompt) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        throw std::logic_error("modal box shown with no dialog service installed: " + prompt.toStdString());
}

}  // namespace

MsgResult FirstButton(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::OK;
}

DialogService* SetDialogService(DialogService* service) {
    DialogService* old = g_service;
    g_service = service;
    return old;
}

DialogService& CurrentDialogService() {
    static QtDialogService real;
    return g_service ? *g_service : real;
}

namespace {
long long g_notices = 0;
BeforeNotices* g_beforeNotices = nullptr;  // the innermost; each links to the one it hides
void Count(MsgButtons buttons) {
    if (buttons != MsgButtons::OK) return;
    ++g_notices;
    for (BeforeNotices* b = g_beforeNotices; b; b = b->Outer()) b->Run();
}
}  // namespace

BeforeNotices::BeforeNotices(std::function<void()> step) : step_(std::move(step)), outer_(g_beforeNotices) {
    g_beforeNotices = this;
}

BeforeNotices::~BeforeNotices() { g_beforeNotices = outer_; }

long long NoticesShown() { return g_notices; }

namespace {

int g_open = 0;
struct Waiting {
    QPointer<QObject> context;
    std::function<void()> step;
};
std::vector<Waiting> g_waiting;

// Queues the step; if a box is open when its turn comes (a modal box's own
// loop ran it), it waits again for the last box to close.
void Queue(Waiting w) {
    if (!w.context) return;
    QObject* context = w.context;
    QMetaObject::invokeMethod(
        context,
        [w = std::move(w)]() mutable {
            if (g_open > 0) {
                g_waiting.push_back(std::move(w));
                return;
            }
            w.step();
        },
        Qt::QueuedConnection);
}

// Counts a box while it is open; the last one to close lets the waiting
// steps go on.
class OpenBox {
public:
    OpenBox() { ++g_open; }
    ~OpenBox() {
        if (--g_open > 0) return;
        std::vector<Waiting> ready;
        ready.swap(g_waiting);
        for (Waiting& w : ready) Queue(std::move(w));
    }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

}  // namespace

int BoxesOpen() { return g_open; }

void AfterOpenBoxes(QObject* context, std::function<void()> step) { Queue({context, std::move(step)}); }

MsgResult MsgBox(const QString& prompt, MsgButtons buttons, const QString& title) {
    Count(buttons);
    const OpenBox open;
    return CurrentDialogService().ShowMessage(prompt, buttons, WithTitle(title));
}

MsgResult MsgBox(const QString& prompt, MsgButtons buttons, const QString& title, MsgResult defaultButton) {
    Count(buttons);
    const OpenBox open;
    return CurrentDialogService().ShowMessageWithDefault(prompt, buttons, WithTitle(title), defaultButton);
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    const OpenBox open;
    return CurrentDialogService().ShowInput(prompt, WithTitle(title), defaultText);
}

MsgResult QtDialogService::ShowMessage(const QString& prompt, MsgButtons buttons, const QString& title) {
    return ShowMessageWithDefault(prompt, buttons, title, FirstButton(buttons));
}

MsgResult QtDialogService::ShowMessageWithDefault(const QString& prompt, MsgButtons buttons, const QString& title,
                                                  MsgResult defaultButton) {
    RefuseHeadless(prompt);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(QtLines(prompt));
    struct Choice {
        const char* text;
        QMessageBox::ButtonRole role;
        MsgResult result;
    };
    static const Choice kOk{"Aceptar", QMessageBox::AcceptRole, MsgResult::OK};
    static const Choice kCancel{"Cancelar", QMessageBox::RejectRole, MsgResult::Cancel};
    static const Choice kYes{"Sí", QMessageBox::YesRole, MsgResult::Yes};
    static const Choice kNo{"No", QMessageBox::NoRole, MsgResult::No};
    std::vector<Choice> choices;
    switch (buttons) {
    case MsgButtons::OK: choices = {kOk}; break;
    case MsgButtons::OKCancel: choices = {kOk, kCancel}; break;
    case MsgButtons::YesNo: choices = {kYes, kNo}; break;
    case MsgButtons::YesNoCancel: choices = {kYes, kNo, kCancel}; break;
    }
    std::vector<std::pair<QPushButton*, MsgResult>> made;
    for (const Choice& c : choices) made.emplace_back(box.addButton(QString::fromUtf8(c.text), c.role), c.result);
    box.setDefaultButton(made.front().first);
    for (const auto& [button, result] : made)
        if (result == defaultButton) box.setDefaultButton(button);
    // Esc closes the box as Cancel where there is one, else as the only answer.
    box.setEscapeButton(made.back().first);
    box.exec();
    for (const auto& [button, result] : made)
        if (box.clickedButton() == button) return result;
    return made.back().second;
}

QString QtDialogService::ShowInput(const QString& prompt, const QString& title, const QString& defaultText) {
    RefuseHeadless(prompt);
    QInputDialog dlg(QApplication::activeWindow());
    dlg.setWindowTitle(title);
    dlg.setLabelText(QtLines(prompt));
    dlg.setTextValue(defaultText);
    dlg.setOkButtonText(QStringLiteral("Aceptar"));
    dlg.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dlg.exec() != QDialog::Accepted) return QString();
    return dlg.textValue();
}

}  // namespace plat
