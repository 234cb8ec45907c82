// Face lookup, point sizes, the Symbol table and the dingbat look-alikes.
#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <future>

#include "platform/fonts.h"
#include "platform/fontwarmup.h"
#include "platform/symbolfont.h"

namespace {

using plat::SymbolToUnicode;

QString Sym(int code) { return SymbolToUnicode(QString(QChar(code))); }

// True when some family of the face's fallback list draws the character.
bool Drawable(const QString& face, QChar c) {
    for (const QString& family : plat::FaceFamilies(face)) {
        QFont f(family);
        f.setPixelSize(13);
        if (QFontInfo(f).family() != family) continue;
        if (QFontMetrics(f).inFont(c)) return true;
    }
    return false;
}

TEST(Fonts, FormFacesMapToInstalledFamilies) {
    struct Row {
        const char* face;
        const char* family;
    };
    const Row rows[] = {{"Times New Roman", "Liberation Serif"},
                        {"Courier New", "Liberation Mono"},
                        {"Small Fonts", "DejaVu Sans"},
                        {"Symbol", "Liberation Serif"},
                        {"  times new ROMAN ", "Liberation Serif"}};
    for (const Row& r : rows) {
        const QFont f = plat::MakeFont(QString::fromLatin1(r.face), 10);
        EXPECT_EQ(QFontInfo(f).family(), QString::fromLatin1(r.family)) << r.face;
    }
    EXPECT_EQ(plat::FaceFamilies(u"Unknown Face"), (QStringList{"Unknown Face", "DejaVu Sans"}));
}

TEST(Fonts, PointSizesBecomeDesignPixelSizes) {
    EXPECT_EQ(plat::FontPixelSize(7), 9);
    EXPECT_EQ(plat::FontPixelSize(8), 11);
    EXPECT_EQ(plat::FontPixelSize(10), 13);
    EXPECT_EQ(plat::FontPixelSize(12), 16);
    const QFont f = plat::MakeFont(u"Times New Roman", 8, true, true);
    EXPECT_EQ(f.pixelSize(), 11);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
}

TEST(SymbolFont, LettersBecomeGreekAndMinusBecomesMinusSign) {
    EXPECT_EQ(SymbolToUnicode(u"abgdDqQlmprsStfjwW"), QString::fromUtf8("αβγδΔθΘλμπρσΣτφϕωΩ"));
    EXPECT_EQ(SymbolToUnicode(u"e"), QString::fromUtf8("ε"));
    EXPECT_EQ(SymbolToUnicode(u"-"), QString(QChar(0x2212)));
    // Digits, blanks, "=" and the degree sign keep their look: "Q = 30°".
    EXPECT_EQ(SymbolToUnicode(QString::fromUtf8("Q = 30°")), QString::fromUtf8("Θ = 30°"));
}

TEST(SymbolFont, CodesOfTheSymbolTable) {
    struct Row {
        int code;
        char16_t shown;
    };
    const Row rows[] = {
        {163, u'\u2264'}, {179, u'\u2265'}, {229, u'\u2211'}, {215, u'\u22C5'}, {165, u'\u221E'}, {209, u'\u2207'},
        {183, u'\u2022'}, {171, u'\u2194'}, {172, u'\u2190'}, {173, u'\u2191'}, {174, u'\u2192'}, {175, u'\u2193'},
        {176, u'\u00B0'}, {177, u'\u00B1'}, {181, u'\u221D'}, {185, u'\u2260'}, {186, u'\u2261'}, {187, u'\u2248'},
        {184, u'\u00F7'}, {206, u'\u2208'}, {207, u'\u2209'}, {222, u'\u21D2'}, {231, u'\u239C'}, {208, u'\u2220'},
        {180, u'\u00D7'}, {191, u'\u21B5'}, {170, u'\u2665'},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Sym(r.code), QString(QChar(r.shown))) << r.code;
        EXPECT_TRUE(Drawable(QStringLiteral("Symbol"), QChar(r.shown))) << r.code;
    }
}

TEST(SymbolFont, EveryMappedCharacterCanBeDrawn) {
    for (int code = 32; code < 256; ++code) {
        const QChar shown = plat::SymbolCharToUnicode(QChar(code));
        if (shown.unicode() == code && code >= 127) continue;  // left as it is
        EXPECT_TRUE(Drawable(QStringLiteral("Symbol"), shown))
            << code << " -> U+" << QString::number(shown.unicode(), 16).toStdString();
    }
}

TEST(SymbolFont, KeepsLengthAndPassesUnicodeAndEmptyCodesThrough) {
    const QString text = QString(QChar(0)) + QChar(0x03B8) + QChar(130) + QChar(240) + u'q';
    const QString shown = SymbolToUnicode(text);
    ASSERT_EQ(shown.size(), text.size());
    EXPECT_EQ(shown.left(4), text.left(4));
    EXPECT_EQ(shown[4], QChar(0x03B8));
    EXPECT_TRUE(SymbolToUnicode(u"").isEmpty());
}

TEST(FaceText, DingbatGlyphsOfTheButtonsAndPlainFaces) {
    const QString kind3 = QString(QChar(245)) + QChar(158) + QChar(158) + QChar(158);
    EXPECT_EQ(plat::FaceText(u"Wingdings", kind3), QString::fromUtf8("⬀•••"));
    EXPECT_EQ(plat::FaceText(u"Wingdings 3", u"O"), QString::fromUtf8("↶"));
    EXPECT_EQ(plat::FaceText(u"symbol", u"q"), QString::fromUtf8("θ"));
    EXPECT_EQ(plat::FaceText(u"Times New Roman", u"q-a"), QStringLiteral("q-a"));
    for (QChar c : plat::FaceText(u"Wingdings", kind3) + plat::FaceText(u"Wingdings 3", u"O"))
        EXPECT_TRUE(Drawable(QStringLiteral("Wingdings"), c));
}

TEST(FaceText, ButtonGlyphsAreDistinctAndDrawable) {
    using G = plat::ButtonGlyph;
    const G all[] = {G::DropLast, G::Restore, G::Swap, G::Widen, G::SmallCells, G::Narrow};
    QStringList seen;
    for (G g : all) {
        const QString t = plat::ButtonGlyphText(g);
        ASSERT_FALSE(t.isEmpty());
        EXPECT_FALSE(seen.contains(t));
        seen << t;
        for (QChar c : t) EXPECT_TRUE(Drawable(QStringLiteral("Times New Roman"), c));
    }
}

// Work that waits for the font database runs once, on the UI thread: at
// once when no warm-up is reading it, after the warm-up otherwise.
TEST(FontDatabaseWarmUp, WaitingWorkRunsOnceOnTheUiThread) {
    QObject context;
    int atOnce = 0;
    plat::WhenFontDatabaseReady(&context, [&] { ++atOnce; });
    EXPECT_EQ(atOnce, 1);

    int runs = 0;
    bool onUiThread = false;
    {
        const plat::FontDatabaseWarmUp warmUp;
        plat::WhenFontDatabaseReady(&context, [&] {
            ++runs;
            onUiThread = QThread::currentThread() == context.thread();
        });
        QElapsedTimer waited;
        waited.start();
        while (runs == 0 && waited.elapsed() < 10000) QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(onUiThread);
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
}

// While the warm-up is still reading the database, the work waits: it runs
// once the reading is done, in a later turn of the loop, and not at all when
// its context has gone by then.
TEST(FontDatabaseWarmUp, WorkWaitsWhileTheDatabaseIsRead) {
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    QObject context;
    int runs = 0, runsOfGone = 0;
    {
        const plat::FontDatabaseWarmUp warmUp([released] { released.wait(); });
        auto* gone = new QObject;
        plat::WhenFontDatabaseReady(&context, [&] { ++runs; });
        plat::WhenFontDatabaseReady(gone, [&] { ++runsOfGone; });
        delete gone;
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        EXPECT_EQ(runs, 0) << "ran before the database was read";
        release.set_value();
        QElapsedTimer waited;
        waited.start();
        while (runs == 0 && waited.elapsed() < 10000) QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(runsOfGone, 0);
}

}  // namespace
