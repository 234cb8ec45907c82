#include "platform/keys.h"

#include <QKeyEvent>

#include "platform/guard.h"

namespace plat {

int ShiftMask(Qt::KeyboardModifiers mods) {
    int m = 0;
    if (mods & Qt::ShiftModifier) m |= kShiftMask;
    if (mods & Qt::ControlModifier) m |= kCtrlMask;
    if (mods & Qt::AltModifier) m |= kAltMask;
    return m;
}

namespace {

// Key number of a typed character on the Spanish (Spain) layout, including
// the AltGr characters; 0 when the layout has no key for it.
int KeyOfCharacter(char32_t c) {
    if (c >= U'a' && c <= U'z') return 65 + static_cast<int>(c - U'a');
    if (c >= U'A' && c <= U'Z') return 65 + static_cast<int>(c - U'A');
    if (c >= U'0' && c <= U'9') return 48 + static_cast<int>(c - U'0');
    switch (c) {
    // Accented letters typed after a dead key come from the letter's key.
    // clang-format off
    case U'á': case U'à': case U'â': case U'ä': case U'Á': case U'À': case U'Â': case U'Ä': return 65;
    case U'é': case U'è': case U'ê': case U'ë': case U'É': case U'È': case U'Ê': case U'Ë': return 69;
    case U'í': case U'ì': case U'î': case U'ï': case U'Í': case U'Ì': case U'Î': case U'Ï': return 73;
    case U'ó': case U'ò': case U'ô': case U'ö': case U'Ó': case U'Ò': case U'Ô': case U'Ö': return 79;
    case U'ú': case U'ù': case U'û': case U'ü': case U'Ú': case U'Ù': case U'Û': case U'Ü': return 85;
    case U'ñ': case U'Ñ': return vk::Oem3;
    case U'ç': case U'Ç': case U'}': return vk::Oem2;
    // clang-format on
    // Shifted and AltGr digits.
    case U'=': return 48;
    case U'!':
    case U'|': return 49;
    case U'"':
    case U'@': return 50;
    case U'·':
    case U'#': return 51;
    case U'$':
    case U'~': return 52;
    case U'%': return 53;
    case U'&':
    case U'¬': return 54;
    case U'/': return 55;
    case U'(': return 56;
    case U')': return 57;
    case U'€': return 69;
    case U'º':
    case U'ª':
    case U'\\': return vk::Oem5;
    case U'\'':
    case U'?': return vk::Oem4;
    case U'¡':
    case U'¿': return vk::Oem6;
    case U'`':
    case U'^':
    case U'[': return vk::Oem1;
    case U'+':
    case U'*':
    case U']': return vk::OemPlus;
    case U'´':
    case U'¨':
    case U'{': return vk::Oem7;
    case U'<':
    case U'>': return vk::Oem102;
    case U',':
    case U';': return vk::OemComma;
    case U'.':
    case U':': return vk::OemPeriod;
    case U'-':
    case U'_': return vk::OemMinus;
    case U' ': return vk::Space;
    default: return 0;
    }
}

int KeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::Numpad0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return vk::Multiply;
    case Qt::Key_Plus: return vk::Add;
    case Qt::Key_Minus: return vk::Subtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return vk::Decimal;
    case Qt::Key_Slash: return vk::Divide;
    default: return 0;
    }
}

}  // namespace

int VirtualKey(int key, Qt::KeyboardModifiers mods, const QString& text) {
    if (mods & Qt::KeypadModifier) {
        if (int k = KeypadKey(key)) return k;
    }
    switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Shift: return vk::Shift;
    case Qt::Key_Control: return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return vk::Menu;
    case Qt::Key_Pause: return vk::Pause;
    case Qt::Key_CapsLock: return vk::Capital;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::Prior;
    case Qt::Key_PageDown: return vk::Next;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    case Qt::Key_Meta: return 91;
    case Qt::Key_Menu: return 93;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    case Qt::Key_Dead_Grave:
    case Qt::Key_Dead_Circumflex: return vk::Oem1;
    case Qt::Key_Dead_Acute:
    case Qt::Key_Dead_Diaeresis: return vk::Oem7;
    default: break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::F1 + (key - Qt::Key_F1);
    // Letters keep their key with any modifier (Ctrl+C has no printable text).
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 48 + (key - Qt::Key_0);
    char32_t c = 0;
    if (!text.isEmpty() && text.at(0).isPrint()) {
        c = text.toUcs4().value(0);
    } else if (key > 0 && key < 0x110000) {
        c = static_cast<char32_t>(key);
    }
    return c ? KeyOfCharacter(c) : 0;
}

int VirtualKey(const QKeyEvent& e) { return VirtualKey(e.key(), e.modifiers(), e.text()); }

int KeyAscii(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString t = e.text();
    if (t.isEmpty() || !t.at(0).isPrint()) return 0;
    char32_t c = t.toUcs4().value(0);
    if (c == U'€') return 128;  // its code in the Windows Latin-1 page
    return static_cast<int>(c);
}

int QtKeyForVirtualKey(int code) {
    switch (code) {
    case vk::Back: return Qt::Key_Backspace;
    case vk::Prior: return Qt::Key_PageUp;
    case vk::Next: return Qt::Key_PageDown;
    case vk::End: return Qt::Key_End;
    case vk::Home: return Qt::Key_Home;
    case vk::Left: return Qt::Key_Left;
    case vk::Up: return Qt::Key_Up;
    case vk::Right: return Qt::Key_Right;
    case vk::Down: return Qt::Key_Down;
    case vk::Delete: return Qt::Key_Delete;
    default: return 0;
    }
}

QString TextOfAscii(int a) {
    if (a == 13) return QStringLiteral("\r");
    if (a == 8) return QString(QChar(8));
    if (a == 128) return QString(QChar(0x20AC));
    const char32_t c = a > 0 && a < 0x110000 ? static_cast<char32_t>(a) : U'\uFFFD';
    return QString::fromUcs4(&c, 1);
}

namespace {

int QtKeyOfAscii(int a) {
    switch (a) {
    case 13: return Qt::Key_Return;
    case 8: return Qt::Key_Backspace;
    case 27: return Qt::Key_Escape;
    default: return 0;
    }
}

}  // namespace

void DispatchKeyPress(const KeyEvents& ev, QKeyEvent* e, const std::function<void(QKeyEvent*)>& process) {
    const Qt::KeyboardModifiers mods = e->modifiers();
    const int code0 = VirtualKey(*e);
    if (ev.KeyDown && code0 != 0) {
        int code = code0;
        // A handler that fails takes its key: nothing more is done with it.
        if (!Guarded([&] { ev.KeyDown(code, ShiftMask(mods)); })) code = 0;
        if (code == 0) {
            e->accept();
            return;
        }
        if (code != code0) {
            if (int q = QtKeyForVirtualKey(code)) {
                QKeyEvent sub(QEvent::KeyPress, q, mods & ~Qt::KeypadModifier);
                process(&sub);
                e->accept();
                return;
            }
        }
    }
    const int ascii0 = KeyAscii(*e);
    if (ev.KeyPress && ascii0 != 0) {
        int ascii = ascii0;
        if (!Guarded([&] { ev.KeyPress(ascii); })) ascii = 0;
        if (ascii == 0) {
            e->accept();
            return;
        }
        if (ascii != ascii0) {
            QKeyEvent sub(QEvent::KeyPress, QtKeyOfAscii(ascii), mods & Qt::ShiftModifier, TextOfAscii(ascii));
            process(&sub);
            e->accept();
            return;
        }
    }
    process(e);
}

void DispatchKeyRelease(const KeyEvents& ev, QKeyEvent* e, const std::function<void(QKeyEvent*)>& process) {
    if (e->isAutoRepeat()) {
        process(e);
        return;
    }
    const int code0 = VirtualKey(*e);
    if (ev.KeyUp && code0 != 0) {
        int code = code0;
        if (!Guarded([&] { ev.KeyUp(code, ShiftMask(e->modifiers())); })) code = 0;
        if (code == 0) {
            e->accept();
            return;
        }
    }
    process(e);
}

}  // namespace plat
