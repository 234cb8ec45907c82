#pragma once
// The expression strip: the one-line expression box rtbExpr with its hot
// keys and bracket keys, Enter that evaluates it (infix formulas, or reverse
// Polish) into the result box txtExpr and the results log rtbReg, and the
// option keys on picOpt (polynomial, hot keys, notation, angle unit).
//
// The options live in the shared state (shell::Shared(): ExprHotKeys,
// ExprInfix) and in the angle unit num::AngleFactor; the strip only keeps the
// bracket it still has to close when a key is released.
//
// Key handlers take Windows key numbers and the modifier mask as keys.h
// describes; Shift is tested for the exact values 0 (none), 1 (Shift) and
// 2 (Ctrl).
#include <QString>

namespace plat {
class Picture;
class RichPane;
class TextBox;
}  // namespace plat

namespace calc {

// Texts of the strip.
inline const QString kPolyTitle = QStringLiteral("Insertar polinomio de grado n");
inline const QString kPolyPrompt = QStringLiteral(
    "Escribe los coeficientes del polinomio separados por comas.\r\n"
    "Empieza por el coeficiente del término x^n y termina con el término numérico.");
inline const QString kExprError = QStringLiteral("Error en la expresión.");

// Editing shared by the formula boxes (the expression box and the
// kinematics law boxes).
//
// A ")" typed right in front of a ")" steps over it, instead of adding a
// second one, when the text has no bracket left to close: the one in front
// of the caret is then the ")" that "(" put there by itself. Returns true
// when the caret stepped over.
bool StepOverCloseParen(plat::RichPane& box);
// Empties the box as one edit, so that Ctrl+Z brings the text back (the box
// must keep an undo history: setUndoRedoEnabled(true)).
void EmptyUndoably(plat::RichPane& box);

// The letter hot keys of a formula box and the letters they took. Without a
// modifier B empties the box, D, K, M and Ñ type "/", "+", "*" and "^", and J
// and F move the caret right and left; with Ctrl each types its letter in
// lower case. With another modifier B, D, K, M and Ñ type nothing, and J and
// F type as usual. Every letter such a key kept out of the box since the box
// was last emptied (other than by B) is remembered, a capital included, so
// that a formula that then fails can say how to type it.
//
// In the expression box the option key «TR» switches the letters other than
// B off (B empties the box either way); the law boxes have no such switch.
class HotKeyLetters {
public:
    enum class Switch { None, TR };
    HotKeyLetters() = default;
    explicit HotKeyLetters(Switch lettersSwitch) : switch_(lettersSwitch) {}

    // At every key down of the box, before any key acts.
    void KeyDown(const plat::RichPane& box);
    // B (66): the box emptied as one edit that Ctrl+Z takes back.
    void KeyB(plat::RichPane& box, int& keyCode, int shift);
    // D, K, M, Ñ, J, F; false for any other key.
    bool LetterKey(plat::RichPane& box, int& keyCode, int shift);

    bool TookAny() const { return !Letters().isEmpty(); }
    // A formula ended with nothing in the box: what its keys took belongs
    // to no later formula.
    void Forget();
    // How to type the letters taken, true for the switch's state now
    // (lettersOn: the letters other than B are hot keys), or nothing when
    // none was taken.
    QString Hint(bool lettersOn = true) const;
    // The engine's message for a formula that fails, closed by a full stop,
    // and on a line of its own the hint.
    QString Explain(const QString& engineMessage, bool lettersOn = true) const;

private:
    // bySign: the key typed its operator sign in place of the letter.
    void Took(QChar letter, bool bySign = false);
    // The letters taken whose doing is still in the formula now in the box:
    // an operator key's sign deleted or typed over takes its letter out of
    // the hint, and a letter since typed with Ctrl is no longer named.
    QString Letters() const;

    Switch switch_ = Switch::None;
    const plat::RichPane* box_ = nullptr;  // the box the keys came to
    QString letters_;
    QString bySignOnly_;    // letters whose every taking typed their sign
    bool emptied_ = false;  // B emptied text out of the box since then
    bool sawText_ = false;  // the box held text since it was last emptied
};

class ExprStrip {
public:
    struct Controls {
        plat::RichPane* rtbExpr = nullptr;  // expression box
        plat::Picture* picOpt = nullptr;    // option keys, y-up pixel scale
        plat::TextBox* txtExpr = nullptr;   // result box
        plat::RichPane* rtbReg = nullptr;   // results log
    };

    explicit ExprStrip(const Controls& controls) : c_(controls) {}

    // Installs the key handlers of rtbExpr and the click handler of picOpt.
    void Attach();

    // Click on the option keys: key k = Int(x / 24) + 1.
    void picOpt_MouseDown(int button, int shift, double x, double y);

    void rtbExpr_KeyDown(int& keyCode, int shift);
    // Enter (13) evaluates; the box holds one line, so Enter never types.
    void rtbExpr_KeyPress(int& keyAscii);
    void rtbExpr_KeyUp(int& keyCode, int shift);

    bool CloseParenPending() const { return closeParenPending_; }
    // How to type the letters the hot keys kept out of the formula in the
    // box (empty when none): procedures that refuse the formula say it too.
    QString HotKeyHint() const;

private:
    void InsertPolynomial();
    void AppendLogLine();
    void Insert(const QString& text);
    void InsertKeepingCaret(const QString& text);
    // Shows a formula's failure in the result box, and in a message box
    // with the hint when hot keys took letters out of it.
    void Refuse(const QString& message);

    Controls c_;
    // A ")" is still to be put after the caret when the key is released.
    bool closeParenPending_ = false;
    HotKeyLetters hotKeys_{HotKeyLetters::Switch::TR};
};

}  // namespace calc
