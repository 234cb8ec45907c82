#pragma once
// Conversions between the model's UTF-8 texts and the controls' texts, and
// the message box of the workspace.
#include <QString>
#include <QWidget>
#include <string>

#include "platform/dialogs.h"
#include "platform/textbox.h"
#include "statics/rigid/util.h"

namespace rigid {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }
inline bool Shown(const QWidget* w) { return !w->isHidden(); }
// A text box's text, blanks trimmed.
inline std::string Trimmed(const plat::TextBox* t) { return TrimText(S(t->Text())); }
inline plat::MsgResult Msg(const std::string& text, plat::MsgButtons buttons = plat::MsgButtons::OK) {
    return plat::MsgBox(Q(text), buttons, plat::kAppTitle);
}
// A question that erases work: Enter gives its safe answer (`safe`).
inline plat::MsgResult AskBeforeErasing(const std::string& text, plat::MsgButtons buttons, plat::MsgResult safe) {
    return plat::MsgBox(Q(text), buttons, plat::kAppTitle, safe);
}

}  // namespace rigid
