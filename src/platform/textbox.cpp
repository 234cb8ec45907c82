#include "platform/textbox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "platform/common.h"
#include "platform/guard.h"

namespace plat {

TextBox::TextBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!fromCode_ && Change) Guarded(Change);
    });
}

void TextBox::SetText(const QString& t) {
    if (t == text()) return;
    setText(t);
    if (Change) Change();
}

int TextBox::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TextBox::SetSelStart(int pos) { setCursorPosition(std::clamp(pos, 0, static_cast<int>(text().size()))); }

int TextBox::SelLength() const { return hasSelectedText() ? selectionLength() : 0; }

void TextBox::SetSelLength(int length) {
    const int start = SelStart();
    const int n = std::clamp(length, 0, static_cast<int>(text().size()) - start);
    if (n == 0)
        setCursorPosition(start);
    else
        setSelection(start, n);
}

void TextBox::SetSelText(const QString& t) {
    const QString before = text();
    fromCode_ = true;
    insert(t);
    fromCode_ = false;
    if (text() != before && Change) Change();
}

void TextBox::SetForeColor(rt::ColorRef color) {
    foreColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Text, ToQColor(color));
    setPalette(p);
}

void TextBox::SetBackColor(rt::ColorRef color) {
    backColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(color));
    setPalette(p);
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    keepFocusSelection_ = false;
    if (focus.GotFocus) Guarded(focus.GotFocus);
    // The press that follows a mouse focus would drop the handler's selection.
    if (e->reason() == Qt::MouseFocusReason && hasSelectedText()) keepFocusSelection_ = true;
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    keepFocusSelection_ = false;
    QLineEdit::focusOutEvent(e);
    if (focus.LostFocus) Guarded(focus.LostFocus);
}

void TextBox::mousePressEvent(QMouseEvent* e) {
    if (keepFocusSelection_) {
        e->accept();
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void TextBox::mouseMoveEvent(QMouseEvent* e) {
    if (keepFocusSelection_) {
        e->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(e);
}

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
    if (keepFocusSelection_) {
        keepFocusSelection_ = false;
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    keepFocusSelection_ = false;
    DispatchKeyPress(keys, e, [this](QKeyEvent* k) { QLineEdit::keyPressEvent(k); });
}

void TextBox::keyReleaseEvent(QKeyEvent* e) {
    DispatchKeyRelease(keys, e, [this](QKeyEvent* k) { QLineEdit::keyReleaseEvent(k); });
}

bool TextBox::ShowsWhole(const QString& text) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    // The width the line edit lays its text in: inside its frame, its
    // margins and the small horizontal margin every line edit keeps.
    const QRect inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    const int room = inside.width() - margins.left() - margins.right() - 2 * 2;
    return fontMetrics().horizontalAdvance(text) <= room;
}

}  // namespace plat
