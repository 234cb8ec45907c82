#include "shell/writer.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>
#include <vector>

#include "platform/common.h"
#include "platform/richpane.h"
#include "platform/symbolfont.h"

namespace shell {

namespace {

const QString kResultFont = QStringLiteral("Times New Roman");
constexpr double kResultSize = 10;
const QString kLogRule = QStringLiteral("-----\n");

// Qt formats of the markup formats met in one conversion (few distinct).
class FormatCache {
public:
    FormatCache(const QString& fontName, double fontSize) : name_(fontName), size_(fontSize) {}

    const QTextCharFormat& Get(const text::MarkupFormat& m) {
        for (const auto& [key, fmt] : formats_)
            if (key == m) return fmt;
        formats_.emplace_back(m, Make(m));
        return formats_.back().second;
    }

private:
    QTextCharFormat Make(const text::MarkupFormat& m) const {
        QTextCharFormat f;
        const QString family = m.font == text::MarkupFont::Times    ? kResultFont
                               : m.font == text::MarkupFont::Symbol ? QStringLiteral("Symbol")
                                                                    : name_;
        const double size = m.size > 0 ? m.size : size_;
        plat::RichPane::SetFontName(f, family);
        f.setFontPointSize(size);
        f.setFontWeight(m.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(m.italic);
        f.setFontUnderline(m.underline);
        f.setForeground(plat::ToQColor(m.color));
        if (m.offsetTwips != 0) plat::RichPane::SetCharOffset(f, m.offsetTwips, size);
        return f;
    }

    QString name_;
    double size_;
    std::vector<std::pair<text::MarkupFormat, QTextCharFormat>> formats_;
};

// Line ends as the panes keep them: CR LF and CR become one break.
QString PaneText(const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) return text;
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::u16string_view View(const QString& s) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size()));
}

QString FromView(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

void InsertRuns(QTextCursor& cur, const text::ParsedMarkup& parsed, const QString& fontName, double fontSize) {
    FormatCache formats(fontName, fontSize);
    for (const text::MarkupRun& run : parsed.runs) {
        QString text = FromView(run.text);
        if (run.format.font == text::MarkupFont::Symbol) text = plat::SymbolToUnicode(text);
        cur.insertText(text, formats.Get(run.format));
    }
}

// Converts into the pane without yielding; true when no fault stopped it.
bool ConvertInto(plat::RichPane& hold, const QString& fontName, double fontSize, const QString& text) {
    hold.SetDefaultFont(fontName, fontSize);
    hold.SetText(QString());
    const QString paneText = PaneText(text);
    const text::ParsedMarkup parsed = text::ParseMarkup(View(paneText));
    QTextCursor cur(hold.document());
    cur.beginEditBlock();
    InsertRuns(cur, parsed, fontName, fontSize);
    cur.endEditBlock();
    hold.SetSelStart(0);
    return parsed.complete;
}

void AppendAtEnd(plat::RichPane& pane, const QTextDocumentFragment& content) {
    pane.SetSelStart(pane.TextLength());
    pane.InsertRich(content);
    pane.SetSelStart(pane.TextLength());
}

}  // namespace

ResultPanes& Panes() {
    static ResultPanes panes;
    return panes;
}

void BuildMarkupDocument(QTextDocument& doc, const text::ParsedMarkup& parsed, const QString& fontName,
                         double fontSize) {
    QTextCursor cur(&doc);
    cur.beginEditBlock();
    cur.select(QTextCursor::Document);
    cur.removeSelectedText();
    InsertRuns(cur, parsed, fontName, fontSize);
    cur.endEditBlock();
}

QTextDocumentFragment MarkupFragment(const QString& fontName, double fontSize, const QString& text) {
    QTextDocument doc;
    const QString paneText = PaneText(text);
    BuildMarkupDocument(doc, text::ParseMarkup(View(paneText)), fontName, fontSize);
    return QTextDocumentFragment(&doc);
}

void MarkupToRtf(plat::RichPane& hold, const QString& fontName, double fontSize, const QString& text) {
    if (ConvertInto(hold, fontName, fontSize, text)) QCoreApplication::processEvents();
}

void MarkupToRtf(const QString& fontName, double fontSize, const QString& text) {
    if (plat::RichPane* hold = Panes().rtbHold) MarkupToRtf(*hold, fontName, fontSize, text);
}

void WriteResults(plat::RichPane& target, const text::ResultLines& lines) {
    const ResultPanes& panes = Panes();
    plat::RichPane* hold = panes.rtbHold;
    if (!hold) return;

    QString text;
    for (const std::string& line : lines.Lines()) {
        text += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        text += QLatin1Char('\n');
    }
    // The pending events run only once everything is written, so that a
    // click handled meanwhile cannot reuse the conversion pane half-way.
    const bool complete = ConvertInto(*hold, kResultFont, kResultSize, text);
    const QTextDocumentFragment result = hold->RichContent();

    if (&target == panes.rtbSolve) {
        AppendAtEnd(target, result);
    } else {
        target.SetRichContent(result);
        target.SetSelStart(0);
    }

    plat::RichPane* log = panes.rtbReg;
    if (log && (&target == panes.rtbSolve || &target == panes.rtbCalc)) {
        QTextCursor end(hold->document());
        end.movePosition(QTextCursor::End);
        FormatCache formats(kResultFont, kResultSize);
        end.insertText(kLogRule, formats.Get(text::MarkupFormat{}));
        // A log whose last line is unfinished gets a break first, so that
        // the entry starts on a line of its own.
        const int len = log->TextLength();
        if (len > 0) {
            const QChar last = log->document()->characterAt(len - 1);
            if (last != QChar::ParagraphSeparator && last != QLatin1Char('\n')) {
                log->SetSelStart(len);
                log->SetSelText(QStringLiteral("\n"));
            }
        }
        AppendAtEnd(*log, hold->RichContent());
    }

    hold->SetRichContent(QTextDocumentFragment());
    if (complete) QCoreApplication::processEvents();
}

}  // namespace shell
