#include "shell/picmarkup.h"

#include <QString>
#include <string_view>

#include "platform/picture.h"
#include "shell/draweng.h"
#include "shell/drawpicture.h"
#include "text/markup.h"

namespace shell {

namespace {

const std::string kSymbolFont = "Symbol";

struct Lines {
    double sub, sup, symbol;
};

Lines LinesFor(double y, double size) {
    if (size == 12) return {y - 6, y + 1, y};
    if (size == 8) return {y - 5, y + 2, y};
    return {y - 5, y + 2, y + 1};
}

// Length in code units of the character at i (a surrogate pair is one).
qsizetype CharLen(const QString& s, qsizetype i) {
    return (i + 1 < s.size() && s.at(i).isHighSurrogate() && s.at(i + 1).isLowSurrogate()) ? 2 : 1;
}

// Where the characters go: straight to the picture when the canvas is one,
// so that a line printed character by character converts no text on the
// way; through the canvas otherwise.
class Out {
public:
    Out(DrawCanvas& canvas, const std::string& fontName)
        : canvas_(canvas), picture_(canvas.picture()), font_(QString::fromStdString(fontName)), fontName_(fontName) {}
    void Symbol() { picture_ ? picture_->SetFontName(symbol_) : canvas_.SetFontName(kSymbolFont); }
    void Font() { picture_ ? picture_->SetFontName(font_) : canvas_.SetFontName(fontName_); }
    void Print(const QString& text) { picture_ ? picture_->Print(text) : canvas_.Print(text.toStdString()); }

private:
    DrawCanvas& canvas_;
    plat::Picture* picture_;
    const QString symbol_ = QString::fromStdString(kSymbolFont);
    const QString font_;
    const std::string& fontName_;
};

// Puts the picture's font back as it was, also when a fault ends the line.
class FontGuard {
public:
    explicit FontGuard(DrawCanvas& pic)
        : pic_(pic),
          picture_(pic.picture()),
          name_(pic.FontName()),
          size_(pic.FontSize()),
          bold_(picture_ && picture_->FontBold()),
          italic_(picture_ && picture_->FontItalic()) {}
    ~FontGuard() {
        pic_.SetFontName(name_);
        pic_.SetFontSize(size_);
        if (picture_) {
            picture_->SetFontBold(bold_);
            picture_->SetFontItalic(italic_);
        }
    }
    FontGuard(const FontGuard&) = delete;
    FontGuard& operator=(const FontGuard&) = delete;

private:
    DrawCanvas& pic_;
    plat::Picture* picture_;
    std::string name_;
    double size_;
    bool bold_, italic_;
};

}  // namespace

void PrintMarkupText(DrawCanvas& pic, const std::string& text, double x, double y, const std::string& fontName,
                     double fontSize) {
    plat::Picture* picture = pic.picture();
    const FontGuard keep(pic);
    Out out(pic, fontName);

    pic.SetCurrent(x, y);
    pic.SetFontName(fontName);
    pic.SetFontSize(fontSize);
    const Lines lines = LinesFor(y, fontSize);
    const double subSize = fontSize <= 8 ? 7 : 8;
    const double supSize = 7;

    const QString s = QString::fromStdString(text);
    const qsizetype n = s.size();
    qsizetype i = 0;
    // The character at i, consumed.
    auto next = [&]() {
        const qsizetype len = CharLen(s, i);
        const QString ch = s.mid(i, len);
        i += len;
        return ch;
    };
    auto at = [&](double lineY) { pic.SetCurrent(pic.CurrentX(), lineY); };

    while (i < n) {
        const QChar c = s.at(i);
        if (c == u';' || c == u'!' || c == u'\u00A1' || c == u'$' || c == u'_' || c == u'#') {
            ++i;
            if (i >= n) break;
            if (c == u';') {
                out.Symbol();
                at(lines.symbol);
                out.Print(next());
                out.Font();
            } else if (c == u'!' || c == u'\u00A1') {
                const bool sub = c == u'!';
                out.Font();
                pic.SetFontSize(sub ? subSize : supSize);
                at(sub ? lines.sub : lines.sup);
                QString chars = next();
                // An index is lowered whole: "F!12" is F with the index 12.
                auto digit = [](QChar d) { return d >= u'0' && d <= u'9'; };
                if (sub && digit(chars.at(0)))
                    while (i < n && digit(s.at(i))) chars += next();
                out.Print(chars);
                pic.SetFontSize(fontSize);
            } else if (c == u'$' || c == u'_') {
                const bool bold = c == u'$';
                if (picture) (bold ? picture->SetFontBold(true) : picture->SetFontItalic(true));
                out.Print(next());
                if (picture) (bold ? picture->SetFontBold(false) : picture->SetFontItalic(false));
            } else {  // '#'
                qsizetype len = 0;
                for (int k = 0; k < 4 && i + len < n; ++k) len += CharLen(s, i + len);
                const QString code = s.mid(i, len);
                i += len;
                const char16_t ch = text::SymbolChar(
                    std::u16string_view(reinterpret_cast<const char16_t*>(code.utf16()), static_cast<size_t>(len)));
                out.Symbol();
                out.Print(QString(QChar(ch)));
                out.Font();
            }
            continue;
        }
        at(y);
        out.Font();
        pic.SetFontSize(fontSize);
        out.Print(next());
    }
}

void PrintMarkupText(plat::Picture& pic, const std::string& text, double x, double y, const std::string& fontName,
                     double fontSize) {
    PictureCanvas canvas(pic);
    PrintMarkupText(canvas, text, x, y, fontName, fontSize);
}

void UseMarkupForLabels() {
    void (*printer)(DrawCanvas&, const std::string&, double, double, const std::string&, double) = &PrintMarkupText;
    SetLabelPrinter(printer);
}

}  // namespace shell
