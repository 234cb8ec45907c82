#pragma once
// RichPane: a formatted-text pane driven through its selection, the way the
// result panes, the results log, the help panes, the hidden conversion pane,
// the expression box and the law boxes are written and read.
//
// Guarantees:
// - Positions count characters of the plain text; a line break is one
//   character ("\n" in Text and SelText; "\r\n" and "\r" written to the pane
//   become one break).
// - SetText replaces everything with plain text in the default font and puts
//   the caret at 0; SetSelText replaces the selection (in the format of its
//   first character, or the caret's insertion format) and leaves the caret
//   after the new text.
// - The Sel* format setters act on the selection, or on the insertion format
//   when nothing is selected; the getters read the first selected character
//   (or the caret's format). Values read back exactly as set: colours as
//   &HBBGGRR, font sizes in points, the vertical offset in twips (+ up).
// - Text set in the "Symbol" font is shown through the Symbol map
//   (symbolfont.h): giving a selection that font, or writing SelText where
//   it applies, stores the mapped characters (one for one, so positions
//   stay valid), and SelFontName still reads "Symbol". The characters are
//   drawn in the installed families that stand for the face (fonts.h).
// - Rich content travels as QTextDocumentFragment (no rich-text strings).
//   A fragment holds no final paragraph break: appending entries one after
//   the other needs a break between them, written by the caller.
// - Keys run KeyDown, KeyPress and KeyUp as keys.h describes; Insert never
//   switches to overwriting. No undo history is kept.
// - Print lays the content out on a printer's pages inside margins given in
//   twips from the paper edges, page after page.
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <vector>

#include "platform/keys.h"
#include "runtime/colors.h"

namespace plat {

class Printer;

// The character format of one character, as the pane's properties see it.
struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    rt::ColorRef color = 0;
    QString fontName;
    double fontSize = 0;
    int offsetTwips = 0;
    bool operator==(const CharFormat&) const = default;
};

// A run of consecutive characters with one format.
struct FormatRun {
    QString text;
    CharFormat format;
};

class RichPane : public QTextEdit {
    Q_OBJECT
public:
    explicit RichPane(const QString& name = QString(), QWidget* parent = nullptr);

    // Plain text.
    QString Text() const;
    void SetText(const QString& text);
    int TextLength() const;

    // Font of text written with SetText; bold and italic off.
    void SetDefaultFont(const QString& family, double pointSize);
    QString DefaultFontName() const;
    double DefaultFontSize() const;

    // Selection: SelStart is its start, SelLength its length. Setting
    // SelStart collapses the selection there; SetSelLength selects forward
    // from SelStart. Values are clamped to the text.
    int SelStart() const;
    void SetSelStart(int pos);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    void SetSelText(const QString& text);
    void SelectAllText();

    // Moves the caret to the first character at or after it (forward) or
    // before it (backward) that is in `chars` (not in `chars` when negate);
    // to the end (or start) of the text when there is none.
    void UpTo(const QString& chars, bool forward = true, bool negate = false);
    // Selects from the caret the characters that are in `chars` (not in
    // `chars` when negate), stopping before the first one that is not; the
    // selection may run to the end (or start) of the text.
    void Span(const QString& chars, bool forward = true, bool negate = false);

    // Format of the selection.
    bool SelBold() const;
    void SetSelBold(bool on);
    bool SelItalic() const;
    void SetSelItalic(bool on);
    bool SelUnderline() const;
    void SetSelUnderline(bool on);
    rt::ColorRef SelColor() const;
    void SetSelColor(rt::ColorRef color);
    QString SelFontName() const;
    void SetSelFontName(const QString& family);
    double SelFontSize() const;
    void SetSelFontSize(double points);
    int SelCharOffset() const;  // twips, + raises
    void SetSelCharOffset(int twips);
    // Gives a format the vertical offset a pane gives a character of that
    // size (points) raised by twips, so that rich content built outside a
    // pane reads back the same offset.
    static void SetCharOffset(QTextCharFormat& format, int twips, double points);

    // Gives a format a face of the forms (for rich content built outside a
    // pane): the face reads back by its name, and "Symbol" is drawn as
    // SetSelFontName draws it.
    static void SetFontName(QTextCharFormat& format, const QString& faceName);

    // Format of the character at pos (0-based), and the text as runs.
    CharFormat FormatAt(int pos) const;
    std::vector<FormatRun> Runs() const;

    // The whole rich content; setting it replaces everything (an empty
    // fragment empties the pane) and puts the caret at 0.
    QTextDocumentFragment RichContent() const;
    void SetRichContent(const QTextDocumentFragment& content);
    // Rich content in place of the selection; the caret goes after it.
    void InsertRich(const QTextDocumentFragment& content);

    // Gives every character the same font size (the help panes).
    void SetAllFontSize(double points);

    // Takes the keyboard focus; false (and nothing done) when the pane is
    // hidden, disabled or on a page that is not shown.
    bool SetFocus();

    // Prints the content on pages inside the margins; returns the pages.
    int Print(Printer& printer, int leftTwips, int topTwips, int rightTwips, int bottomTwips) const;

    KeyEvents keys;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    QTextCharFormat SelFormat() const;
    void MergeSel(const QTextCharFormat& f);
    void ApplyOffset(QTextCursor& c, int twips);
    void MapSelectionToSymbol();
};

}  // namespace plat
