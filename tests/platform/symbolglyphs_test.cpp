// Text set in the "Symbol" face must reach the screen: every character it
// shows is drawn by a face that holds it, whatever the system's font
// configuration makes of the name "Symbol" (a symbol-encoded face holds no
// Unicode characters at all, and the text would come out blank).
#include <gtest/gtest.h>
#include <QFontInfo>
#include <QRawFont>

#include "platform/fonts.h"
#include "platform/glyph_check.h"
#include "platform/qstring_print.h"
#include "platform/richpane.h"
#include "platform/symbolfont.h"

namespace {

using plat::RichPane;

// A pane holding `codes` written in the Symbol face at 10 points.
void WriteInSymbol(RichPane& pane, const QString& codes) {
    pane.SetText("");
    pane.SetSelFontName("Symbol");
    pane.SetSelFontSize(10);
    pane.SetSelText(codes);
}

TEST(SymbolGlyphs, MinusAndThetaInAPaneLeaveInk) {
    // The minus of "x + 3 x - 4" and a theta, the way the result panes
    // receive them.
    struct Row {
        const char* codes;
        const char* shown;
    };
    const Row rows[] = {{"-", "\u2212"}, {"q", "\u03B8"}, {"-q-", "\u2212\u03B8\u2212"}};
    for (const Row& r : rows) {
        RichPane pane;
        WriteInSymbol(pane, QString::fromLatin1(r.codes));
        ASSERT_EQ(pane.Text(), QString::fromUtf8(r.shown));
        EXPECT_EQ(pane.FormatAt(0).fontName, "Symbol");
        EXPECT_GT(testsupport::InkPixels(*pane.document(), QStringLiteral("symbol_%1").arg(r.codes)), 3) << r.codes;
        EXPECT_EQ(testsupport::MissingGlyphs(*pane.document()), "") << r.codes;
    }
}

TEST(SymbolGlyphs, EveryCharacterOfTheSymbolTableHasItsGlyphInAPane) {
    QString codes;
    for (int code = 32; code < 256; ++code) {
        const QChar shown = plat::SymbolCharToUnicode(QChar(code));
        if (shown.unicode() == code && code >= 127) continue;  // left as it is
        codes += QChar(code);
    }
    for (bool bold : {false, true}) {
        RichPane pane;
        WriteInSymbol(pane, codes);
        pane.SelectAllText();
        pane.SetSelBold(bold);
        EXPECT_EQ(testsupport::MissingGlyphs(*pane.document()), "") << "bold " << bold;
    }
}

TEST(SymbolGlyphs, TheSymbolFaceIsMadeOfUnicodeFamilies) {
    // No family of the face is the bare name "Symbol" or a symbol-encoded
    // face: each one installed holds the minus sign and Greek letters.
    const QStringList families = plat::FaceFamilies(u"Symbol");
    ASSERT_FALSE(families.isEmpty());
    for (const QString& family : families) {
        EXPECT_NE(family.compare("Symbol", Qt::CaseInsensitive), 0);
        QFont f(family);
        f.setPixelSize(13);
        if (QFontInfo(f).family() != family) continue;  // not installed here
        const QRawFont raw = QRawFont::fromFont(f);
        for (QChar c : QString::fromUtf8("−αωΘΣ"))
            EXPECT_TRUE(raw.supportsCharacter(c)) << family.toStdString() << " U+" << std::hex << int(c.unicode());
    }
}

TEST(SymbolGlyphs, PicturesAndCaptionsDrawEveryCharacterOfTheTable) {
    // Pictures, buttons and labels draw Symbol text in MakeFont's font.
    QString shown;
    for (int code = 32; code < 256; ++code) {
        const QChar c = plat::SymbolCharToUnicode(QChar(code));
        if (c.unicode() == code && code >= 127) continue;
        shown += c;
    }
    for (bool bold : {false, true}) {
        QTextDocument doc;
        doc.setDefaultFont(plat::MakeFont(u"Symbol", 10, bold));
        doc.setPlainText(shown);
        EXPECT_EQ(testsupport::MissingGlyphs(doc), "") << "bold " << bold;
    }
}

}  // namespace
