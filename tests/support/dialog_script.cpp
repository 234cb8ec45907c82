#include "support/dialog_script.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace testsupport {

namespace {

bool Offers(plat::MsgButtons buttons, plat::MsgResult r) {
    using B = plat::MsgButtons;
    using R = plat::MsgResult;
    switch (buttons) {
    case B::OK: return r == R::OK;
    case B::OKCancel: return r == R::OK || r == R::Cancel;
    case B::YesNo: return r == R::Yes || r == R::No;
    case B::YesNoCancel: return r == R::Yes || r == R::No || r == R::Cancel;
    }
    return false;
}

// What a box nobody expected is given, so the code under test can go on.
plat::MsgResult Fallback(plat::MsgButtons buttons) {
    return buttons == plat::MsgButtons::OK      ? plat::MsgResult::OK
           : buttons == plat::MsgButtons::YesNo ? plat::MsgResult::No
                                                : plat::MsgResult::Cancel;
}

}  // namespace

DialogScript::DialogScript() { previous_ = plat::SetDialogService(this); }

DialogScript::~DialogScript() {
    plat::SetDialogService(previous_);
    if (!queue_.empty()) ADD_FAILURE() << queue_.size() << " scripted dialog answer(s) left unused";
}

DialogScript& DialogScript::Answer(plat::MsgResult result) {
    queue_.emplace_back(result);
    return *this;
}

DialogScript& DialogScript::AnswerInput(const QString& text) {
    queue_.emplace_back(text);
    return *this;
}

DialogScript& DialogScript::WhileShown(std::function<void()> look) {
    whileShown_ = std::move(look);
    return *this;
}

DialogScript& DialogScript::TurnLoopWhileOpen() {
    turnLoop_ = true;
    return *this;
}

void DialogScript::TurnLoop() const {
    if (turnLoop_) QCoreApplication::processEvents();
}

plat::MsgResult DialogScript::ShowMessage(const QString& prompt, plat::MsgButtons buttons, const QString& title) {
    return ShowMessageWithDefault(prompt, buttons, title, plat::FirstButton(buttons));
}

plat::MsgResult DialogScript::ShowMessageWithDefault(const QString& prompt, plat::MsgButtons buttons,
                                                     const QString& title, plat::MsgResult defaultButton) {
    if (!Offers(buttons, defaultButton))
        ADD_FAILURE() << "default answer " << static_cast<int>(defaultButton)
                      << " is not a button of the box: " << prompt.toStdString();
    shown_.push_back(Box{Kind::Message, title, prompt, buttons, QString(), defaultButton, plat::BoxesOpen() - 1});
    if (whileShown_) whileShown_();
    plat::MsgResult r = Fallback(buttons);
    if (queue_.empty() || !std::holds_alternative<plat::MsgResult>(queue_.front())) {
        ADD_FAILURE() << "unexpected message box \"" << title.toStdString() << "\": " << prompt.toStdString();
    } else {
        r = std::get<plat::MsgResult>(queue_.front());
        queue_.pop_front();
        if (!Offers(buttons, r)) {
            ADD_FAILURE() << "scripted answer " << static_cast<int>(r)
                          << " is not a button of the box: " << prompt.toStdString();
            r = Fallback(buttons);
        }
    }
    TurnLoop();
    return r;
}

QString DialogScript::ShowInput(const QString& prompt, const QString& title, const QString& defaultText) {
    shown_.push_back(Box{Kind::Input, title, prompt, plat::MsgButtons::OKCancel, defaultText, plat::MsgResult::OK,
                         plat::BoxesOpen() - 1});
    QString answer;
    if (queue_.empty() || !std::holds_alternative<QString>(queue_.front())) {
        ADD_FAILURE() << "unexpected input box \"" << title.toStdString() << "\": " << prompt.toStdString();
    } else {
        answer = std::get<QString>(queue_.front());
        queue_.pop_front();
    }
    TurnLoop();
    return answer;
}

}  // namespace testsupport
