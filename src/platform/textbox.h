#pragma once
// TextBox: a one-line entry box (vectors, angles, commands, numbers).
//
// Guarantees:
// - SetText raises Change only when the text really changes, once, after
//   the new text is in place; the user's edits raise it the same way. A
//   Change handler may set the text again (it then runs once more, nested,
//   only if that changes the text).
// - GotFocus runs after the box has the focus, and a selection it makes
//   (select the whole text) survives the mouse click that gave the focus.
// - Keys run KeyDown, KeyPress and KeyUp as keys.h describes.
// - ForeColor and BackColor read back exactly the 32-bit value set.
#include <QLineEdit>
#include <functional>

#include "platform/controls.h"
#include "platform/keys.h"
#include "runtime/colors.h"

namespace plat {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString& name = QString(), QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text);

    // Selection: SelStart is its start; setting it collapses the selection
    // there; SetSelLength selects forward from SelStart (clamped).
    int SelStart() const;
    void SetSelStart(int pos);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const { return selectedText(); }
    void SetSelText(const QString& text);  // replaces the selection, caret after

    rt::ColorRef ForeColor() const { return foreColor_; }
    void SetForeColor(rt::ColorRef color);
    rt::ColorRef BackColor() const { return backColor_; }
    void SetBackColor(rt::ColorRef color);

    bool SetFocus() { return FocusControl(this); }

    // Whether `text` fits the box's width whole, in its font, so none of it
    // is cut from view.
    bool ShowsWhole(const QString& text) const;

    std::function<void()> Change;
    FocusEvents focus;
    KeyEvents keys;
    QString Tag;  // free text a handler keeps with the box

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    rt::ColorRef foreColor_ = rt::kBlack;
    rt::ColorRef backColor_ = rt::kWhite;
    bool keepFocusSelection_ = false;  // the click that gave the focus
    bool fromCode_ = false;
};

}  // namespace plat
