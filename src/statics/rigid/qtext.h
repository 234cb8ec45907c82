#pragma once
// Small helpers of the workspace's controls: shown or not, trimmed texts,
// and the workspace's message boxes.
#include <QString>
#include <QWidget>
#include <string>

#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/textbox.h"
#include "statics/rigid/util.h"

namespace rigid {

inline bool Shown(const QWidget* w) { return !w->isHidden(); }
// A text box's text, blanks trimmed.
inline std::string Trimmed(const plat::TextBox* t) { return TrimText(plat::StdStr(t->Text())); }
inline plat::MsgResult Msg(const std::string& text, plat::MsgButtons buttons = plat::MsgButtons::OK) {
    return plat::MsgBox(plat::QStr(text), buttons, plat::kAppTitle);
}
// A question that erases work: Enter gives its safe answer (`safe`).
inline plat::MsgResult AskBeforeErasing(const std::string& text, plat::MsgButtons buttons, plat::MsgResult safe) {
    return plat::MsgBox(plat::QStr(text), buttons, plat::kAppTitle, safe);
}

}  // namespace rigid
