// Formula markup: the runs of text and formats a marked-up text gives.
#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "runtime/errors.h"
#include "text/markup.h"

using namespace text;

namespace {

constexpr rt::ColorRef kBlue = 0xFF0000;

std::u16string U(const std::string& utf8) {
    const QString q = QString::fromStdString(utf8);
    return std::u16string(reinterpret_cast<const char16_t*>(q.utf16()), static_cast<size_t>(q.size()));
}

std::string Utf8(const std::u16string& s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size())).toStdString();
}

std::string PlainText(const ParsedMarkup& p) {
    std::u16string all;
    for (const MarkupRun& r : p.runs) all += r.text;
    return Utf8(all);
}

MarkupFormat Colored(rt::ColorRef c) {
    MarkupFormat f;
    f.color = c;
    return f;
}

MarkupFormat Offset(MarkupFont font, int size, int twips) {
    MarkupFormat f;
    f.font = font;
    f.size = size;
    f.offsetTwips = twips;
    return f;
}

TEST(Markup, MarkersLeaveTheTextTheyFormat) {
    struct Case {
        const char* in;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"c//r", "c/r"},    // doubled marker; the next character is literal
        {"a//!b", "a/!b"},  // ... even when it is a marker
        {"$$x ;;y ##ab !!c ¡¡d", "$x ;y #ab !c ¡d"},
        {"a!1!2 + v!0¡2", "a12 + v02"},
        {"\\0100Soluciones:\\ fin", "Soluciones: fin"},
        {"/3a!b;c/", "a!b;c"},  // markers inside a run stay literal
        {"/3Suma", "Suma"},     // an unclosed run ends with the text
        {"x ¬ y", "x ¬ y"},     // a not sign inside the text is text
        {"ab$", "ab"},          // a marker at the end acts on nothing
        {"ab//", "ab/"},
        {"ab\\", "ab"},
        {"!;q", "q"},  // the marked character is a marker: it acts
        {"", ""},
    };
    for (const Case& c : cases) {
        const ParsedMarkup p = ParseMarkup(U(c.in));
        EXPECT_EQ(PlainText(p), c.shown) << c.in;
        EXPECT_TRUE(p.complete) << c.in;
    }
}

TEST(Markup, EveryMarkerOfALongTextIsConverted) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "v!0 = /3" + std::to_string(i) + "/\n";
    text += "\\1001fin";  // unclosed at the very end
    const ParsedMarkup p = ParseMarkup(U(text));
    const std::string shown = PlainText(p);
    EXPECT_EQ(shown.find_first_of("!/\\"), std::string::npos);
    EXPECT_EQ(shown.find("¬"), std::string::npos);
    EXPECT_EQ(shown.substr(shown.size() - 12), "v0 = 399\nfin");
    EXPECT_EQ(p.runs.back().format.color, 0x0000FFu);
    EXPECT_TRUE(p.runs.back().format.bold);
}

TEST(Markup, RunsCarryColourStyleFontAndOffset) {
    using R = std::vector<MarkupRun>;
    MarkupFormat boldGreen = Colored(0x008000);
    boldGreen.bold = true;
    MarkupFormat boldUnderOrange = Colored(0x0080FF);
    boldUnderOrange.bold = boldUnderOrange.underline = true;
    MarkupFormat boldRed = Colored(0x0000FF);
    boldRed.bold = true;
    MarkupFormat symbol;
    symbol.font = MarkupFont::Symbol;
    MarkupFormat bold;
    bold.bold = true;

    EXPECT_EQ(ParseMarkup(U("/3Suma/:")).runs, (R{{u"Suma", Colored(kBlue)}, {u":", {}}}));
    EXPECT_EQ(ParseMarkup(U("/8Resta/")).runs, (R{{u"Resta", Colored(0xFF00FF)}}));
    EXPECT_EQ(ParseMarkup(U("/ta/ /pb/ /Ec/")).runs,
              (R{{u"a", boldGreen}, {u" ", {}}, {u"b", boldUnderOrange}, {u" ", {}}, {u"c", Colored(0x004080)}}));
    // A code outside the table repeats the previous run, or plain black.
    EXPECT_EQ(ParseMarkup(U("/zb/")).runs, (R{{u"b", {}}}));
    EXPECT_EQ(ParseMarkup(U("\\1001a\\/zb/")).runs, (R{{u"ab", boldRed}}));
    EXPECT_EQ(ParseMarkup(U("v!0¡2")).runs,
              (R{{u"v", {}}, {u"0", Offset(MarkupFont::Times, 7, -45)}, {u"2", Offset(MarkupFont::Times, 7, 60)}}));
    EXPECT_EQ(ParseMarkup(U("F!x")).runs, (R{{u"F", {}}, {u"x", Offset(MarkupFont::Base, 8, -45)}}));
    EXPECT_EQ(ParseMarkup(U(";q$F#cruz")).runs, (R{{u"q", symbol}, {u"F", bold}, {u"\u00B4", symbol}}));
}

TEST(Markup, AnIndexOfSeveralDigitsIsLoweredWhole) {
    using R = std::vector<MarkupRun>;
    const MarkupFormat index = Offset(MarkupFont::Times, 7, -45);
    const MarkupFormat power = Offset(MarkupFont::Times, 7, 60);
    const struct {
        const char* text;
        R runs;
    } cases[] = {
        {"x!10 = 3", R{{u"x", {}}, {u"10", index}, {u" = 3", {}}}},
        {"A!123", R{{u"A", {}}, {u"123", index}}},
        {"x!12¡2", R{{u"x", {}}, {u"12", index}, {u"2", power}}},
        {"a!1!2", R{{u"a", {}}, {u"12", index}}},  // two markers, the same index
        {"F!x2", R{{u"F", {}}, {u"x", Offset(MarkupFont::Base, 8, -45)}, {u"2", {}}}},
        {"x¡12", R{{u"x", {}}, {u"1", power}, {u"2", {}}}},  // a power keeps one character
    };
    for (const auto& c : cases) EXPECT_EQ(ParseMarkup(U(c.text)).runs, c.runs) << c.text;
}

TEST(Markup, SymbolCodes) {
    EXPECT_EQ(SymbolChar(u"cruz"), 180);
    EXPECT_EQ(SymbolChar(u"angu"), 208);
    EXPECT_EQ(SymbolChar(u"mame"), 177);
    EXPECT_EQ(SymbolChar(u"cora"), 170);
    EXPECT_EQ(SymbolChar(u"0065"), 65);
    EXPECT_EQ(SymbolChar(u"0255"), 255);
    EXPECT_EQ(SymbolChar(u"Cruz"), 0);  // codes compare case-sensitively
    EXPECT_EQ(SymbolChar(u"abcd"), 0);
    EXPECT_THROW(SymbolChar(u"0300"), rt::RuntimeError);
    EXPECT_EQ(MarkupColor(15), 0x004080u);
    EXPECT_THROW(MarkupColor(16), rt::ProgramFault);
}

TEST(Markup, AMalformedCodeStopsTheConversionButNeverShowsTheEndMark) {
    ParsedMarkup p = ParseMarkup(U("/3ok/ \\12x3abc\\ $z"));
    EXPECT_FALSE(p.complete);
    EXPECT_EQ(PlainText(p), "ok abc\\ $z");
    EXPECT_EQ(p.runs.front().format.color, kBlue);
    EXPECT_EQ(p.runs.back().format, MarkupFormat{});

    p = ParseMarkup(U("x #0300 !y"));  // a symbol code above 255
    EXPECT_FALSE(p.complete);
    EXPECT_EQ(PlainText(p), "x 0300 !y");

    p = ParseMarkup(U("x \\100"));  // the code runs into the end
    EXPECT_FALSE(p.complete);
    EXPECT_EQ(PlainText(p), "x ");
}

}  // namespace
