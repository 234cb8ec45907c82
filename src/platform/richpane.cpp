#include "platform/richpane.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "platform/common.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "platform/symbolfont.h"

namespace plat {

namespace {

// The vertical offset in twips, kept beside the rendering offset so that it
// reads back exactly.
constexpr int kOffsetTwipsProperty = QTextFormat::UserProperty + 1;
// The face name as set, kept beside the families Qt draws in (they differ
// for "Symbol").
constexpr int kFaceNameProperty = QTextFormat::UserProperty + 2;

QString FromDocText(QString s) {
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    s.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return s;
}

QString ToDocText(QString s) {
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

// Rendering offset: Qt takes it as a percentage of the line height of the
// character's font.
double OffsetPercent(int twips, double pointSize) {
    if (pointSize <= 0) pointSize = 10;
    return (twips / 20.0) / (pointSize * 1.15) * 100.0;
}

// The face a format was given; empty when it names none.
QString FaceName(const QTextCharFormat& f) {
    const QString name = f.stringProperty(kFaceNameProperty);
    if (!name.isEmpty()) return name;
    const QStringList fams = f.fontFamilies().toStringList();
    return fams.isEmpty() ? QString() : fams.front();
}

bool IsSymbolFamily(const QTextCharFormat& f) { return IsSymbolFace(FaceName(f)); }

}  // namespace

RichPane::RichPane(const QString& name, QWidget* parent) : QTextEdit(parent) {
    setObjectName(name);
    setAcceptRichText(false);  // pasted text comes in as plain text
    setUndoRedoEnabled(false);
    setOverwriteMode(false);
}

QString RichPane::Text() const { return FromDocText(document()->toRawText()); }

void RichPane::SetText(const QString& text) {
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    c.setCharFormat(QTextCharFormat());
    c.setBlockCharFormat(QTextCharFormat());
    c.insertText(ToDocText(text), QTextCharFormat());
    c.setPosition(0);
    setTextCursor(c);
}

int RichPane::TextLength() const { return std::max(0, document()->characterCount() - 1); }

void RichPane::SetDefaultFont(const QString& family, double pointSize) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(false);
    f.setItalic(false);
    document()->setDefaultFont(f);
}

QString RichPane::DefaultFontName() const { return document()->defaultFont().family(); }

double RichPane::DefaultFontSize() const { return document()->defaultFont().pointSizeF(); }

int RichPane::SelStart() const { return textCursor().selectionStart(); }

void RichPane::SetSelStart(int pos) {
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(pos, 0, TextLength()));
    setTextCursor(c);
}

int RichPane::SelLength() const {
    QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichPane::SetSelLength(int length) {
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + std::max(0, length), 0, TextLength()), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichPane::SelText() const { return FromDocText(textCursor().selectedText()); }

void RichPane::SetSelText(const QString& text) {
    QTextCursor c = textCursor();
    const QTextCharFormat f = SelFormat();
    c.insertText(IsSymbolFamily(f) ? SymbolToUnicode(ToDocText(text)) : ToDocText(text), f);
    setTextCursor(c);
}

void RichPane::SelectAllText() {
    QTextCursor c = textCursor();
    c.select(QTextCursor::Document);
    setTextCursor(c);
}

namespace {

bool InSet(QChar ch, const QString& chars) {
    if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) ch = QLatin1Char('\n');
    return chars.contains(ch);
}

// First position from `from` (forward: characters from, from+1, ...;
// backward: characters from-1, from-2, ...) whose character's membership
// in `chars` is `wanted`; the end (or 0) when none.
int Scan(const QTextDocument* doc, int from, const QString& chars, bool forward, bool wanted) {
    const int len = doc->characterCount() - 1;
    if (forward) {
        for (int p = from; p < len; ++p)
            if (InSet(doc->characterAt(p), chars) == wanted) return p;
        return len;
    }
    for (int p = from; p > 0; --p)
        if (InSet(doc->characterAt(p - 1), chars) == wanted) return p;
    return 0;
}

}  // namespace

void RichPane::UpTo(const QString& chars, bool forward, bool negate) {
    QTextCursor c = textCursor();
    const int from = forward ? c.selectionEnd() : c.selectionStart();
    c.setPosition(Scan(document(), from, chars, forward, !negate));
    setTextCursor(c);
}

void RichPane::Span(const QString& chars, bool forward, bool negate) {
    QTextCursor c = textCursor();
    const int from = forward ? c.selectionStart() : c.selectionEnd();
    // The span stops at the first character that does not belong to it.
    const int to = Scan(document(), from, chars, forward, negate);
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QTextCharFormat RichPane::SelFormat() const {
    QTextCursor c = textCursor();
    if (c.hasSelection()) {
        QTextCursor first(document());
        first.setPosition(c.selectionStart() + 1);
        return first.charFormat();
    }
    return c.charFormat();
}

void RichPane::MergeSel(const QTextCharFormat& f) {
    QTextCursor c = textCursor();
    c.mergeCharFormat(f);
    setTextCursor(c);
}

bool RichPane::SelBold() const { return SelFormat().fontWeight() >= QFont::Bold; }

void RichPane::SetSelBold(bool on) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    MergeSel(f);
}

bool RichPane::SelItalic() const { return SelFormat().fontItalic(); }

void RichPane::SetSelItalic(bool on) {
    QTextCharFormat f;
    f.setFontItalic(on);
    MergeSel(f);
}

bool RichPane::SelUnderline() const { return SelFormat().fontUnderline(); }

void RichPane::SetSelUnderline(bool on) {
    QTextCharFormat f;
    f.setFontUnderline(on);
    MergeSel(f);
}

rt::ColorRef RichPane::SelColor() const { return FormatAt(-1).color; }

void RichPane::SetSelColor(rt::ColorRef color) {
    QTextCharFormat f;
    f.setForeground(ToQColor(color));
    MergeSel(f);
}

QString RichPane::SelFontName() const { return FormatAt(-1).fontName; }

void RichPane::SetFontName(QTextCharFormat& format, const QString& faceName) {
    format.setFontFamilies(IsSymbolFace(faceName) ? FaceFamilies(faceName) : QStringList{faceName});
    // Set for every face, so that merging a new face over "Symbol" replaces it.
    format.setProperty(kFaceNameProperty, faceName);
}

void RichPane::SetSelFontName(const QString& family) {
    QTextCharFormat f;
    SetFontName(f, family);
    MergeSel(f);
    if (IsSymbolFamily(f)) MapSelectionToSymbol();
}

void RichPane::MapSelectionToSymbol() {
    QTextCursor sel = textCursor();
    const int start = sel.selectionStart(), end = sel.selectionEnd();
    for (int p = start; p < end; ++p) {
        const QChar ch = document()->characterAt(p);
        const QChar shown = SymbolCharToUnicode(ch);
        if (shown == ch) continue;
        QTextCursor one(document());
        one.setPosition(p + 1);
        const QTextCharFormat f = one.charFormat();
        one.setPosition(p, QTextCursor::KeepAnchor);
        one.insertText(QString(shown), f);
    }
    if (sel.anchor() <= sel.position()) {
        sel.setPosition(start);
        sel.setPosition(end, QTextCursor::KeepAnchor);
    } else {
        sel.setPosition(end);
        sel.setPosition(start, QTextCursor::KeepAnchor);
    }
    setTextCursor(sel);
}

double RichPane::SelFontSize() const { return FormatAt(-1).fontSize; }

void RichPane::SetSelFontSize(double points) {
    QTextCharFormat f;
    f.setFontPointSize(points);
    MergeSel(f);
    // A raised or lowered character keeps its offset in twips at the new size.
    const int offset = SelCharOffset();
    if (offset != 0) SetSelCharOffset(offset);
}

int RichPane::SelCharOffset() const { return SelFormat().intProperty(kOffsetTwipsProperty); }

void RichPane::ApplyOffset(QTextCursor& c, int twips) {
    QTextCharFormat at = c.hasSelection() ? QTextCharFormat() : c.charFormat();
    if (c.hasSelection()) {
        QTextCursor first(document());
        first.setPosition(c.selectionStart() + 1);
        at = first.charFormat();
    }
    const double size = at.hasProperty(QTextFormat::FontPointSize) ? at.fontPointSize() : DefaultFontSize();
    QTextCharFormat f;
    SetCharOffset(f, twips, size);
    c.mergeCharFormat(f);
}

void RichPane::SetCharOffset(QTextCharFormat& format, int twips, double points) {
    format.setProperty(kOffsetTwipsProperty, twips);
    format.setBaselineOffset(OffsetPercent(twips, points));
}

void RichPane::SetSelCharOffset(int twips) {
    QTextCursor c = textCursor();
    ApplyOffset(c, twips);
    setTextCursor(c);
}

CharFormat RichPane::FormatAt(int pos) const {
    QTextCharFormat f;
    if (pos < 0) {
        f = SelFormat();
    } else {
        QTextCursor c(document());
        c.setPosition(std::clamp(pos + 1, 0, TextLength()));
        f = c.charFormat();
    }
    const QFont def = document()->defaultFont();
    CharFormat r;
    r.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::Bold : def.bold();
    r.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : def.italic();
    r.underline = f.fontUnderline();
    r.color = f.hasProperty(QTextFormat::ForegroundBrush) ? FromQColor(f.foreground().color()) : rt::kBlack;
    const QString face = FaceName(f);
    r.fontName = face.isEmpty() ? def.family() : face;
    r.fontSize = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : def.pointSizeF();
    r.offsetTwips = f.intProperty(kOffsetTwipsProperty);
    return r;
}

std::vector<FormatRun> RichPane::Runs() const {
    std::vector<FormatRun> runs;
    const QString text = Text();
    for (int i = 0; i < text.size(); ++i) {
        CharFormat f = FormatAt(i);
        if (runs.empty() || !(runs.back().format == f)) runs.push_back(FormatRun{QString(), f});
        runs.back().text += text.at(i);
    }
    return runs;
}

QTextDocumentFragment RichPane::RichContent() const { return QTextDocumentFragment(document()); }

void RichPane::SetRichContent(const QTextDocumentFragment& content) {
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    c.setCharFormat(QTextCharFormat());
    c.setBlockCharFormat(QTextCharFormat());
    c.removeSelectedText();
    if (!content.isEmpty()) c.insertFragment(content);
    c.setPosition(0);
    setTextCursor(c);
}

void RichPane::InsertRich(const QTextDocumentFragment& content) {
    QTextCursor c = textCursor();
    if (content.isEmpty())
        c.removeSelectedText();
    else
        c.insertFragment(content);
    setTextCursor(c);
}

void RichPane::SetAllFontSize(double points) {
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    QTextCharFormat f;
    f.setFontPointSize(points);
    c.mergeCharFormat(f);
}

bool RichPane::SetFocus() { return FocusControl(this); }

int RichPane::Print(Printer& printer, int leftTwips, int topTwips, int rightTwips, int bottomTwips) const {
    return PrintDocument(printer, *document(), leftTwips, topTwips, rightTwips, bottomTwips);
}

void RichPane::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        // Never switch to overwriting; the handlers still see the key.
        DispatchKeyPress(keys, e, [](QKeyEvent* k) { k->accept(); });
        return;
    }
    DispatchKeyPress(keys, e, [this](QKeyEvent* k) { QTextEdit::keyPressEvent(k); });
}

void RichPane::keyReleaseEvent(QKeyEvent* e) {
    DispatchKeyRelease(keys, e, [this](QKeyEvent* k) { QTextEdit::keyReleaseEvent(k); });
}

}  // namespace plat
