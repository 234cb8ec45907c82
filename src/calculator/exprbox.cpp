#include "calculator/exprbox.h"

#include <QStringList>
#include <QTextCursor>
#include <algorithm>
#include <cctype>
#include <exception>
#include <iterator>
#include <string>

#include "calculator/exprtext.h"
#include "calculator/rpn.h"
#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "platform/dialogs.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "runtime/scopeguard.h"
#include "shell/defaults.h"

namespace calc {

namespace {

// Key numbers the box gives a meaning.
constexpr int kKey1 = 49, kKey8 = 56, kKey9 = 57;
constexpr int kKeyB = 66, kKeyD = 68, kKeyF = 70, kKeyJ = 74, kKeyK = 75, kKeyM = 77;
constexpr int kKeyNtilde = 192;      // ñ
constexpr int kKeyOpenParen = 220;   // º, left of 1
constexpr int kKeyCloseBrace = 222;  // ´ and {
constexpr int kF10 = 121, kF11 = 122;
constexpr int kNone = 0, kShift = 1, kCtrl = 2;

std::string Utf8(const QString& s) { return s.toStdString(); }
QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool StepOverCloseParen(plat::RichPane& box) {
    const QString text = box.Text();
    const int caret = box.SelStart();
    if (box.SelLength() != 0 || caret >= text.size() || text.at(caret) != QLatin1Char(')')) return false;
    qsizetype open = 0, close = 0;
    for (QChar ch : text) {
        if (ch == QLatin1Char('(') || ch == QLatin1Char('[') || ch == QLatin1Char('{'))
            ++open;
        else if (ch == QLatin1Char(')') || ch == QLatin1Char(']') || ch == QLatin1Char('}'))
            ++close;
    }
    // With a bracket still open the typed ")" is wanted as well.
    if (open > close) return false;
    box.SetSelStart(caret + 1);
    return true;
}

void EmptyUndoably(plat::RichPane& box) {
    QTextCursor c(box.document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    c.endEditBlock();
    box.setTextCursor(c);
}

namespace {

// "la b", "la b y la m", "la b, la m y la d".
QString JoinSpanish(const QStringList& items) {
    if (items.size() < 2) return items.join(QString());
    return QStringList(items.begin(), items.end() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") +
           items.back();
}

QString NamedLetters(const QString& letters) {
    QStringList each;
    for (QChar l : letters) each << QStringLiteral("la ") + l;
    return JoinSpanish(each);
}

QString CtrlKeys(const QString& letters) {
    QStringList each;
    for (QChar l : letters) each << QStringLiteral("Ctrl+") + l.toUpper();
    return JoinSpanish(each);
}

}  // namespace

void HotKeyLetters::Took(QChar letter, bool bySign) {
    if (!letters_.contains(letter)) {
        letters_ += letter;
        if (bySign) bySignOnly_ += letter;
    } else if (!bySign) {
        bySignOnly_.remove(letter);
    }
}

void HotKeyLetters::Forget() {
    letters_.clear();
    bySignOnly_.clear();
    emptied_ = false;
    sawText_ = false;
}

QString HotKeyLetters::Letters() const {
    if (!box_) return letters_;
    const QString formula = box_->Text();
    QString kept;
    for (QChar l : letters_) {
        const QChar sign = l == QLatin1Char('d')   ? QLatin1Char('/')
                           : l == QLatin1Char('k') ? QLatin1Char('+')
                           : l == QLatin1Char('m') ? QLatin1Char('*')
                           : l == QChar(0x00F1)    ? QLatin1Char('^')
                                                   : QChar();
        if (!bySignOnly_.contains(l) || sign.isNull() || formula.contains(sign)) kept += l;
    }
    return kept;
}

void HotKeyLetters::KeyDown(const plat::RichPane& box) {
    box_ = &box;
    // A box found empty after it held text starts a new formula, unless B
    // emptied it. A box that stays empty keeps what was taken: a capital
    // typed first types nothing.
    if (box.TextLength() > 0) {
        sawText_ = true;
    } else if (sawText_) {
        Forget();
    }
}

void HotKeyLetters::KeyB(plat::RichPane& box, int& keyCode, int shift) {
    box_ = &box;
    if (shift == kCtrl) {
        box.SetSelText(QStringLiteral("b"));
    } else {
        if (shift == kNone) {
            if (box.TextLength() > 0) emptied_ = true;
            EmptyUndoably(box);
            sawText_ = false;  // this emptiness is B's
        }
        Took(QLatin1Char('b'));
    }
    keyCode = 0;
}

bool HotKeyLetters::LetterKey(plat::RichPane& box, int& keyCode, int shift) {
    struct Hot {
        int key;
        const char* plain;  // "" for a caret key
        QChar letter;
    };
    static const Hot kHot[] = {{kKeyD, "/", QLatin1Char('d')}, {kKeyK, "+", QLatin1Char('k')},
                               {kKeyM, "*", QLatin1Char('m')}, {kKeyNtilde, "^", QChar(0x00F1)},
                               {kKeyJ, "", QLatin1Char('j')},  {kKeyF, "", QLatin1Char('f')}};
    const Hot* hot = std::find_if(std::begin(kHot), std::end(kHot), [&](const Hot& h) { return h.key == keyCode; });
    if (hot == std::end(kHot)) return false;
    box_ = &box;
    const bool caretKey = *hot->plain == '\0';
    if (shift == kCtrl) {
        box.SetSelText(QString(hot->letter));
        // The student types it now: no later hint names it.
        letters_.remove(hot->letter);
        bySignOnly_.remove(hot->letter);
        keyCode = 0;
    } else if (shift == kNone) {
        Took(hot->letter, !caretKey);
        if (caretKey) {
            keyCode = keyCode == kKeyJ ? plat::vk::Right : plat::vk::Left;
        } else {
            box.SetSelText(QString::fromLatin1(hot->plain));
            keyCode = 0;
        }
    } else if (!caretKey) {
        Took(hot->letter);  // a capital, or the key with Alt: nothing typed
        keyCode = 0;
    }
    return true;
}

QString HotKeyLetters::Hint(bool lettersOn) const {
    const QString taken = Letters();
    QString hot = taken;
    hot.remove(QLatin1Char('b'));
    const bool switchable = switch_ == Switch::TR;
    QStringList says;
    if (!hot.isEmpty()) {
        const bool one = hot.size() == 1;
        const QString named = NamedLetters(hot);
        if (lettersOn || !switchable) {
            says << QStringLiteral("Las teclas rápidas no dejaron escribir ") + named +
                        (one ? QStringLiteral(": escríbela con ") : QStringLiteral(": escríbelas con ")) +
                        CtrlKeys(hot) + QLatin1Char('.');
            if (switchable)
                says << (one ? QStringLiteral("Un clic en «TR» desactiva las teclas rápidas, y entonces esa letra "
                                              "se escribe sin Ctrl.")
                             : QStringLiteral("Un clic en «TR» desactiva las teclas rápidas, y entonces esas "
                                              "letras se escriben sin Ctrl."));
        } else {
            says << QStringLiteral("Las teclas rápidas no dejaron escribir ") + named +
                        QStringLiteral("; ahora están desactivadas («TR») y ") +
                        (one ? QStringLiteral("esa letra se escribe sin Ctrl.")
                             : QStringLiteral("esas letras se escriben sin Ctrl."));
        }
    }
    if (letters_.contains(QLatin1Char('b'))) {
        const QString also = switchable ? QStringLiteral(", aun con las teclas rápidas desactivadas") : QString();
        says << (emptied_ ? QStringLiteral("La tecla B vacía el cuadro")
                          : QStringLiteral("La tecla B no escribe la letra")) +
                    also + QStringLiteral(": escribe la b con Ctrl+B.");
        if (emptied_) says << QStringLiteral("Oprime Ctrl+Z hasta que vuelva lo que la B borró.");
    }
    return says.join(QLatin1Char(' '));
}

QString HotKeyLetters::Explain(const QString& engineMessage, bool lettersOn) const {
    if (!TookAny()) return engineMessage;
    QString message = engineMessage.trimmed();
    if (!message.endsWith(QLatin1Char('.'))) message += QLatin1Char('.');
    return message + QStringLiteral("\r\n") + Hint(lettersOn);
}

QString ExprStrip::HotKeyHint() const { return hotKeys_.Hint(shell::Shared().ExprHotKeys); }

void ExprStrip::Refuse(const QString& message) {
    c_.txtExpr->SetText(message);
    // The box is narrow: it shows the message from its start, not its tail.
    c_.txtExpr->setCursorPosition(0);
    if (hotKeys_.TookAny())
        plat::MsgBox(hotKeys_.Explain(message, shell::Shared().ExprHotKeys), plat::MsgButtons::OK, plat::kAppTitle);
    else if (!c_.txtExpr->ShowsWhole(message))
        // What the narrow box cuts reaches the student whole in a box.
        plat::MsgBox(message, plat::MsgButtons::OK, plat::kAppTitle);
}

void ExprStrip::Attach() {
    // Ctrl+Z takes back what a key did, the emptying key B included.
    c_.rtbExpr->setUndoRedoEnabled(true);
    c_.rtbExpr->keys.KeyDown = [this](int& keyCode, int shift) { rtbExpr_KeyDown(keyCode, shift); };
    c_.rtbExpr->keys.KeyPress = [this](int& keyAscii) { rtbExpr_KeyPress(keyAscii); };
    c_.rtbExpr->keys.KeyUp = [this](int& keyCode, int shift) { rtbExpr_KeyUp(keyCode, shift); };
    c_.picOpt->OnMouseDown(
        [this](int button, int shift, double x, double y) { picOpt_MouseDown(button, shift, x, y); });
}

void ExprStrip::Insert(const QString& text) { c_.rtbExpr->SetSelText(text); }

void ExprStrip::InsertKeepingCaret(const QString& text) {
    const int pos = c_.rtbExpr->SelStart();
    c_.rtbExpr->SetSelText(text);
    c_.rtbExpr->SetSelStart(pos);
}

void ExprStrip::rtbExpr_KeyDown(int& keyCode, int shift) {
    closeParenPending_ = false;
    plat::RichPane& box = *c_.rtbExpr;
    hotKeys_.KeyDown(box);

    // Keys that act whatever the options.
    switch (keyCode) {
    case kF10:
        // The result rounded to 5 decimals, when it is a number.
        rt::IgnoreError("F10 inserts the rounded result only when there is one", [&] {
            const std::string shown = Utf8(c_.txtExpr->Text());
            if (num::IsNumber(shown)) {
                Insert(FromUtf8(rt::RoundedText(rt::TextToNumber(shown), 5)));
                keyCode = 0;
            }
        });
        break;
    case kF11:
        Insert(c_.txtExpr->Text());
        keyCode = 0;
        break;
    case kKeyB: hotKeys_.KeyB(box, keyCode, shift); break;
    case plat::vk::Insert:
        keyCode = 0;  // the box never switches to overwriting
        break;
    default: break;
    }

    const shell::SharedState& s = shell::Shared();
    if (!s.ExprHotKeys) return;

    // Hot keys: operators without a modifier, the letters themselves with Ctrl.
    if (hotKeys_.LetterKey(box, keyCode, shift)) return;
    switch (keyCode) {
    case kKey1:
        // Shift+1 closes a bracket at the end when released; its own
        // character has no place in a formula.
        if (shift == kShift) keyCode = 0;
        break;
    default: break;
    }

    // Bracket keys.
    switch (keyCode) {
    case kKey8:
        // "(": a ")" goes after the caret first, so the caret ends between.
        if (shift == kShift && s.ExprInfix) InsertKeepingCaret(QStringLiteral(")"));
        break;
    case kKeyOpenParen:
        if (s.ExprInfix) {
            Insert(QStringLiteral("("));
            closeParenPending_ = true;
        }
        keyCode = 0;
        break;
    case kKeyCloseBrace:
        if (s.ExprInfix)
            InsertKeepingCaret(shift == kShift ? QStringLiteral("]") : QStringLiteral("}"));
        else
            keyCode = 0;
        break;
    case kKey9:
        if (shift != kShift || !s.ExprInfix) break;
        // ")" in front of the one "(" put there steps over it.
        if (StepOverCloseParen(box)) {
            keyCode = 0;
            break;
        }
        // ")" at the end of the text wraps the whole text in brackets.
        if (box.SelStart() == box.TextLength()) {
            box.SetText(QStringLiteral("(") + box.Text() + QStringLiteral(")"));
            keyCode = 0;
            box.SetSelStart(box.TextLength());
            box.SetFocus();
        }
        break;
    default: break;
    }
}

void ExprStrip::rtbExpr_KeyUp(int& keyCode, int shift) {
    if (!shell::Shared().ExprHotKeys) return;
    plat::RichPane& box = *c_.rtbExpr;
    if (closeParenPending_) {
        // Only once: the release of a modifier held with the key must not
        // close a second bracket.
        closeParenPending_ = false;
        InsertKeepingCaret(QStringLiteral(")"));
        keyCode = 0;
    } else if (keyCode == kKey1 && shift == kShift) {
        box.SetSelStart(box.TextLength());
        Insert(QStringLiteral(")"));
    }
}

void ExprStrip::AppendLogLine() {
    plat::RichPane& reg = *c_.rtbReg;
    reg.SetSelStart(reg.TextLength());
    reg.SetSelText(c_.rtbExpr->Text() + QStringLiteral(" = ") + c_.txtExpr->Text() + QStringLiteral("\r\n-------\r\n"));
    reg.SetSelStart(reg.TextLength());
}

namespace {

// Whether the typed formula is a function of a lower-case x, y or z: one of
// its variables is so named, or, for a text that does not compile, such a
// letter stands in it as a name of its own, not inside a longer one (MAX,
// FIX, XOR), so that "max(2,3)" is still a value and an unfinished "fix(2.5"
// or "3 xor" is refused with its reason.
bool IsFunctionOfXYZ(const std::string& s) {
    num::CExpression e;
    e.RaiseErrors = false;
    e.SetExpression(s);
    if (e.ErrorCode() == 0) {
        for (int i = 1; i <= e.VariablesCount(); ++i) {
            const std::string& name = e.Variable(i)->Name;
            if (name == "x" || name == "y" || name == "z") return true;
        }
        return false;
    }
    const auto isNameChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    for (size_t i = 0; i < s.size();) {
        if (!std::isalpha(static_cast<unsigned char>(s[i]))) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < s.size() && isNameChar(s[end])) ++end;
        if (end == i + 1 && (s[i] == 'x' || s[i] == 'y' || s[i] == 'z')) return true;
        i = end;
    }
    return false;
}

}  // namespace

void ExprStrip::rtbExpr_KeyPress(int& keyAscii) {
    if (keyAscii != plat::vk::Return) return;
    // The box is one line: Enter never types a line break.
    keyAscii = 0;
    plat::TextBox& result = *c_.txtExpr;
    // An empty formula entered ends what its keys took: the next formula
    // starts with no letter named for it.
    const bool emptyFormula = c_.rtbExpr->Text().trimmed().isEmpty();
    rt::ScopeGuard ended([this, emptyFormula] {
        if (emptyFormula) hotKeys_.Forget();
    });
    try {
        const std::string s = rt::Trim(Utf8(c_.rtbExpr->Text()));
        // A formula in x, y or z is a function for the procedures, not a
        // value. Not evaluated here; but a function the hot keys left
        // unreadable ("abs(max(2,3))" typed with the keys on leaves
        // "s(*ax(2,3))") says so now, or Enter would seem to do nothing.
        if (IsFunctionOfXYZ(s)) {
            if (hotKeys_.TookAny() && shell::Shared().ExprInfix) {
                num::CExpression e;
                e.RaiseErrors = false;
                e.SetExpression(s);
                if (e.ErrorCode() != 0) Refuse(FromUtf8(e.ErrorDescription()));
            }
            return;
        }

        if (shell::Shared().ExprInfix) {
            const std::string r = CheckParentheses(s);
            if (r == kUnbalancedBrackets) {
                Refuse(FromUtf8(r));
                return;
            }
            num::CExpression e;
            e.RaiseErrors = false;
            e.SetExpression(r);
            if (e.ErrorCode() != 0) {
                Refuse(FromUtf8(e.ErrorDescription()));
                e.ClearError();
                return;
            }
            const std::string shown = e.Value().ToText();
            if (shown.empty()) {
                Refuse(kExprError);
                e.ClearError();
                return;
            }
            result.SetText(FromUtf8(shown));
            AppendLogLine();
        } else {
            const RpnResult r = EvalRPN(s);
            QString message = FromUtf8(r.message);
            if (!r.ok && hotKeys_.TookAny())
                message =
                    hotKeys_.Explain(message.isEmpty() ? FromUtf8(r.Text()) : message, shell::Shared().ExprHotKeys);
            if (!message.isEmpty()) plat::MsgBox(message, plat::MsgButtons::OK, FromUtf8(r.messageTitle));
            result.SetText(FromUtf8(r.Text()));
            AppendLogLine();
        }
    } catch (const rt::RuntimeError&) { Refuse(kExprError); }
}

}  // namespace calc
