// The argument help of the calculator: its pieces, cut at "---" CR LF, and
// the store loaded at start-up.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/files.h"
#include "runtime/errors.h"
#include "shell/arghelp.h"
#include "support/dialog_script.h"

namespace {

TEST(ArgHelpPieces, CutAtEverySeparatorWithItsLineEnd) {
    const struct {
        const char* text;
        QStringList pieces;
    } cases[] = {
        {"uno\r\ndos\r\n", {"uno\r\ndos\r\n"}},             // no separator: one piece
        {"uno\r\n---\r\ndos\r\n", {"uno\r\n", "dos\r\n"}},  // the line end stays before
        {"uno\r\n---\r\n", {"uno\r\n", ""}},                // an empty last piece
        {"uno\r\n---", {"uno\r\n---"}},                     // no line end: no separator
        {"uno---\r\ndos", {"uno", "dos"}},                  // also after other characters
        {"---\r\n---\r\nx", {"", "", "x"}},
    };
    for (const auto& c : cases) EXPECT_EQ(shell::SplitArgHelp(QString::fromLatin1(c.text)), c.pieces) << c.text;
}

class ArgHelpLoad : public ::testing::Test {
protected:
    // The window's start-up loads the store too: each test starts from none.
    void SetUp() override { shell::ArgHelpTexts().Erase(); }
    void TearDown() override {
        plat::SetDataFolder(QString());
        shell::ArgHelpTexts().Erase();
    }
    testsupport::DialogScript dialogs;  // a box would fail the test
};

TEST_F(ArgHelpLoad, OnePieceForEachCalculatorProcedure) {
    plat::SetDataFolder(QStringLiteral(TELUVAR_SOURCE_DIR "/data"));
    shell::LoadCalcHelp();
    const shell::ArgHelpStore& texts = shell::ArgHelpTexts();
    ASSERT_TRUE(texts.Allocated());
    // Procedures 1 and 2, then 5 to 37 at their number minus 2.
    ASSERT_EQ(texts.UBound(), 35);
    EXPECT_NE(texts[1].find("Determinante"), std::string::npos);
    EXPECT_NE(texts[9 - 2].find("Raíces"), std::string::npos);
    EXPECT_NE(texts[37 - 2].find("carga distribuida"), std::string::npos);
    EXPECT_THROW(texts[36], rt::RuntimeError);
    EXPECT_THROW(texts[0], rt::RuntimeError);
}

TEST_F(ArgHelpLoad, AFileThatCannotBeReadLeavesTheStoreAsItWasSilently) {
    QTemporaryDir dir;
    plat::SetDataFolder(dir.path());
    EXPECT_THROW(shell::ReadTextFile(plat::DataFilePath("\\Argtext.txt")), rt::RuntimeError);
    shell::LoadCalcHelp();
    EXPECT_FALSE(shell::ArgHelpTexts().Allocated());
    EXPECT_EQ(shell::ArgHelpTexts().UBound(), 0);

    QFile f(dir.filePath("Argtext.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a\r\n---\r\nb\r\n");
    f.close();
    shell::LoadCalcHelp();
    ASSERT_EQ(shell::ArgHelpTexts().UBound(), 2);
    f.remove();
    shell::LoadCalcHelp();
    ASSERT_EQ(shell::ArgHelpTexts().UBound(), 2);
    EXPECT_EQ(shell::ArgHelpTexts()[2], "b\r\n");
    EXPECT_TRUE(dialogs.Shown().empty());
}

}  // namespace
