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

// Appended to the engine's message when a formula fails after hot keys took
// some of the letters typed: how to type each of those letters itself.
QString HotKeyLettersHint(const QString& letters);

// The letter hot keys of a formula box and the letters they took. Without a
// modifier B empties the box, D, K, M and Ñ type "/", "+", "*" and "^", and J
// and F move the caret right and left; with Ctrl each types its letter in
// lower case. With another modifier B, D, K, M and Ñ type nothing, and J and
// F type as usual. Every letter such a key kept out of the box since the box
// was last found empty is remembered for the message of a formula that then
// fails, a capital included.
class HotKeyLetters {
public:
    // At every key down of the box, before any key acts.
    void KeyDown(const plat::RichPane& box);
    // B (66): the box emptied as one edit that Ctrl+Z takes back.
    void KeyB(plat::RichPane& box, int& keyCode, int shift);
    // D, K, M, Ñ, J, F; false for any other key.
    bool LetterKey(plat::RichPane& box, int& keyCode, int shift);
    // The engine's message for a formula that does not compile, with how to
    // type the letters taken.
    QString Explain(const QString& engineMessage) const;
    // How to type the letters taken, or nothing when none was.
    QString Hint() const;

private:
    void Took(QChar letter);

    QString letters_;
    bool emptiedByB_ = false;  // the last key down was B emptying the box
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
    QString HotKeyHint() const { return hotKeys_.Hint(); }

private:
    void InsertPolynomial();
    void AppendLogLine();
    void Insert(const QString& text);
    void InsertKeepingCaret(const QString& text);

    Controls c_;
    // A ")" is still to be put after the caret when the key is released.
    bool closeParenPending_ = false;
    HotKeyLetters hotKeys_;
};

}  // namespace calc
