// Printing a pane page by page inside margins, to a PDF file.
#include <gtest/gtest.h>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/printer.h"
#include "platform/richpane.h"
#include "runtime/errors.h"
#include "support/pdf_text.h"
#include "support/print_script.h"

namespace {

int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QString pdf = QString::fromLatin1(f.readAll());
    return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

class PrintToPdf : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("out.pdf");
        pane.SetDefaultFont("Times New Roman", 10);
    }

    int Print(int left, int top, int right, int bottom) {
        plat::Printer printer;
        printer.SetOutputFile(path);
        const int pages = pane.Print(printer, left, top, right, bottom);
        printer.EndDoc();
        return pages;
    }
    static QString Lines(int n) {
        QString t;
        for (int i = 1; i <= n; ++i) t += QString("Renglón %1 del registro de resultados\r\n").arg(i);
        return t;
    }

    QTemporaryDir dir;
    QString path;
    plat::RichPane pane;
};

TEST_F(PrintToPdf, ShortTextFillsOnePage) {
    pane.SetText("F = 5 N");
    EXPECT_EQ(Print(1600, 1000, 1600, 1000), 1);
    EXPECT_EQ(PdfPages(path), 1);
}

TEST_F(PrintToPdf, LongTextGoesOnOverManyPagesAndMarginsCount) {
    pane.SetText(Lines(300));
    const int pages = Print(1600, 1000, 1600, 1000);
    EXPECT_EQ(PdfPages(path), pages);
    // Every line is printed once, in order, the first on the first page and
    // the last on the last.
    const std::vector<QString> texts = testsupport::PdfPageTexts(path);
    ASSERT_EQ(static_cast<int>(texts.size()), pages);
    EXPECT_TRUE(texts.front().startsWith(QString::fromUtf8("Renglón 1 del registro de resultados")));
    EXPECT_TRUE(texts.back().endsWith(QString::fromUtf8("Renglón 300 del registro de resultados")));
    QString all;
    for (const QString& t : texts) all += t;
    EXPECT_EQ(all, QString(Lines(300)).remove(QStringLiteral("\r\n")));
    // About 50 lines of 10 points fit in the 10.3 inches left on a page.
    EXPECT_GE(pages, 4);
    EXPECT_LE(pages, 9);
    // Deeper top and bottom margins leave less room: more pages.
    const int deeper = Print(1600, 5000, 1600, 5000);
    EXPECT_GT(deeper, pages);
    EXPECT_EQ(PdfPages(path), deeper);
}

TEST_F(PrintToPdf, PageGeometryInTwips) {
    plat::Printer printer;
    printer.SetOutputFile(path);
    EXPECT_GT(printer.PageWidthTwips(), 11000);  // A4 or Letter: 8.27 or 8.5 inches
    EXPECT_LT(printer.PageWidthTwips(), 12500);
    EXPECT_GT(printer.PageHeightTwips(), printer.PageWidthTwips());
    EXPECT_NEAR(printer.TwipsToDevice(1440), printer.Device().resolution(), 1e-9);
    printer.StartDoc();
    printer.NewPage();
    EXPECT_EQ(printer.PageCount(), 2);
    printer.EndDoc();
    EXPECT_EQ(PdfPages(path), 2);
}

TEST_F(PrintToPdf, MarginsLargerThanThePageAreAFailure) {
    pane.SetText("x");
    plat::Printer printer;
    printer.SetOutputFile(path);
    EXPECT_THROW(pane.Print(printer, 10000, 1000, 10000, 1000), rt::RuntimeError);
}

TEST_F(PrintToPdf, AFailureToStartSaysWhy) {
    plat::Printer printer;
    printer.SetOutputFile(dir.filePath("no/such/folder/out.pdf"));
    try {
        printer.StartDoc();
        ADD_FAILURE() << "an unwritable file started a job";
    } catch (const rt::RuntimeError& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).contains(QStringLiteral("out.pdf"))) << e.what();
    }
    EXPECT_FALSE(printer.Started());
}

TEST_F(PrintToPdf, ThePrintDialogChoosesWhereTheJobGoes) {
    testsupport::PrintScript dialog;
    dialog.Cancel().ChoosePdf(path);
    plat::Printer cancelled;
    EXPECT_FALSE(cancelled.Choose(QStringLiteral("Registro de resultados")));

    plat::Printer printer;
    ASSERT_TRUE(printer.Choose(QStringLiteral("Registro de resultados")));
    pane.SetText("F = 5 N");
    pane.Print(printer, 1600, 1000, 1600, 1000);
    printer.EndDoc();
    EXPECT_EQ(testsupport::PdfPageTexts(path), std::vector<QString>{QStringLiteral("F = 5 N")});
    EXPECT_EQ(dialog.Shown(), (std::vector<QString>(2, QStringLiteral("Registro de resultados"))));
}

}  // namespace
