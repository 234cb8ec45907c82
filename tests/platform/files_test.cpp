// Data files (one encoding, CR LF line ends, exact-case names) and the
// clipboard.
#include <gtest/gtest.h>
#include <QColor>
#include <QFile>
#include <QTemporaryDir>

#include "platform/clipboard.h"
#include "platform/files.h"
#include "qstring_print.h"

namespace {

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        plat::SetDataFolder(dir.path());
    }
    void TearDown() override { plat::SetDataFolder(QString()); }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(DataFiles, NamesAsWrittenInTheProgramBecomePathsInTheDataFolder) {
    EXPECT_EQ(plat::DataFilePath("\\AyudaMRUA.txt"), dir.path() + "/AyudaMRUA.txt");
    EXPECT_EQ(plat::DataFilePath("procs.bmp"), dir.path() + "/procs.bmp");
    plat::SetDataFolder(QString());
    EXPECT_EQ(plat::DataFolder(), plat::ProgramFolder() + "/data");
}

TEST_F(DataFiles, TextIsUtf8WithCrLfLineEnds) {
    Write("Ayuda.txt", "\xEF\xBB\xBF[Fuerza]\nÁngulo ;q\r\n---\r\n[STOP]");
    const auto text = plat::ReadTextFile(plat::DataFilePath("\\Ayuda.txt"));
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QString::fromUtf8("[Fuerza]\r\nÁngulo ;q\r\n---\r\n[STOP]"));

    const auto lines = plat::ReadTextLines(plat::DataFilePath("Ayuda.txt"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (QStringList{"[Fuerza]", QString::fromUtf8("Ángulo ;q"), "---", "[STOP]"}));

    Write("b.txt", "uno\r\n\r\ndos\r\n");
    EXPECT_EQ(*plat::ReadTextLines(plat::DataFilePath("b.txt")), (QStringList{"uno", "", "dos"}));
}

TEST_F(DataFiles, MissingOrWrongCaseFilesAreNotRead) {
    Write("Ayuda.txt", "x");
    EXPECT_FALSE(plat::ReadTextFile(plat::DataFilePath("ayuda.txt")).has_value());
    EXPECT_FALSE(plat::ReadTextLines(plat::DataFilePath("none.txt")).has_value());
}

TEST(Clipboard, TextAndPictures) {
    plat::SetClipboardText(QString::fromUtf8("12.345"));
    EXPECT_EQ(plat::ClipboardText(), "12.345");
    plat::ClearClipboard();
    EXPECT_EQ(plat::ClipboardText(), "");
    QImage img(4, 3, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    plat::SetClipboardImage(img);
    const QImage back = plat::ClipboardImage();
    ASSERT_EQ(back.size(), img.size());
    EXPECT_EQ(QColor(back.pixel(2, 1)), QColor(255, 0, 255));
    plat::SetClipboardImage(QImage());  // nothing to copy: ignored
    EXPECT_FALSE(plat::ClipboardImage().isNull());
}

}  // namespace
