#pragma once
// Key events as the program's handlers see them: Windows virtual-key numbers,
// the modifier mask 1 Shift, 2 Ctrl, 4 Alt, and the typed character code.
//
// Every control that takes keys runs one fixed sequence per key press:
//   KeyDown(KeyCode, Shift)  - may set KeyCode to 0 (the key is swallowed: it
//                              types nothing and KeyPress does not run), or to a
//                              navigation key (37 Left, 39 Right, ...), which
//                              then acts instead of the key pressed;
//   KeyPress(KeyAscii)       - only for keys that type a character (printable
//                              characters, 8 Backspace, 13 Enter, 27 Esc); may
//                              set it to 0 (nothing typed) or to another
//                              character, which is typed instead;
//   the control's own processing of what is left (typing, caret moves);
//   KeyUp(KeyCode, Shift)    - on release, also after a swallowed KeyDown.
// Auto-repeat gives repeated KeyDown/KeyPress and one KeyUp at the end.
//
// Qt keys are translated for a Spanish (Spain) keyboard, the layout the
// program's shortcuts were made for; where Qt has no distinct key the typed
// character decides (Shift+8 types "(" and reports 56 with Shift).
#include <QString>
#include <Qt>
#include <functional>

class QKeyEvent;

namespace plat {

namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19, Capital = 20,
              Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39,
              Down = 40, Insert = 45, Delete = 46;
constexpr int Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111, F1 = 112;
// OEM keys of the Spanish layout.
constexpr int Oem1 = 186;       // ` ^ [
constexpr int OemPlus = 187;    // + * ]
constexpr int OemComma = 188;   // , ;
constexpr int OemMinus = 189;   // - _
constexpr int OemPeriod = 190;  // . :
constexpr int Oem2 = 191;       // ç Ç }
constexpr int Oem3 = 192;       // ñ Ñ
constexpr int Oem4 = 219;       // ' ?
constexpr int Oem5 = 220;       // º ª \ (left of 1)
constexpr int Oem6 = 221;       // ¡ ¿
constexpr int Oem7 = 222;       // ´ ¨ {
constexpr int Oem102 = 226;     // < >
}  // namespace vk

constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

// 1 Shift + 2 Ctrl + 4 Alt.
int ShiftMask(Qt::KeyboardModifiers mods);

// Virtual-key number of a Qt key with its modifiers and typed text; 0 for a
// key with no number.
int VirtualKey(int qtKey, Qt::KeyboardModifiers mods, const QString& text);
int VirtualKey(const QKeyEvent& e);

// The character code KeyPress receives for a key, 0 when the key types
// nothing (codes up to 255 are Latin-1, which the Spanish letters use).
int KeyAscii(const QKeyEvent& e);
// The character a KeyPress code types: the euro sign for its code 128, not
// the control character U+0080.
QString TextOfAscii(int keyAscii);

// The Qt key that a navigation or editing key number stands for (33-40,
// 8, 46), 0 for any other number.
int QtKeyForVirtualKey(int vkCode);

// The three key handlers of a control.
struct KeyEvents {
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyUp;
};

// Runs the sequence above for a key press; `process` is the control's own
// processing, called with the event that is left (or a substitute).
void DispatchKeyPress(const KeyEvents& ev, QKeyEvent* e, const std::function<void(QKeyEvent*)>& process);
// Runs KeyUp for a key release (none for auto-repeat releases).
void DispatchKeyRelease(const KeyEvents& ev, QKeyEvent* e, const std::function<void(QKeyEvent*)>& process);

}  // namespace plat
