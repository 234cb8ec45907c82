// Printing a rich pane page by page, to a PDF file: the page loop, the
// confirmation and the messages of the results dialog's printing.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>

#include "platform/mousepointer.h"
#include "platform/printer.h"
#include "platform/richpane.h"
#include "shell/printing.h"
#include "shell/writer.h"
#include "support/dialog_script.h"
#include "support/pdf_text.h"
#include "support/print_script.h"
#include "text/resultformat.h"

namespace {

using plat::MsgResult;

int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QString pdf = QString::fromLatin1(f.readAll());
    return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("out.pdf");
        log.setObjectName(QStringLiteral("rtbReg"));
        log.SetDefaultFont(QStringLiteral("Times New Roman"), 10);
        shell::Panes().rtbReg = &log;
        shell::Panes().rtbCalc = &calc;
        shell::Panes().rtbHold = &hold;
    }
    void TearDown() override { shell::Panes() = shell::ResultPanes{}; }
    // n results written the way the procedures write them: each goes to the
    // log with its rule line.
    void WriteResults(int n) {
        for (int i = 1; i <= n; ++i)
            shell::WriteResults(calc, text::ResultLines{"Resultado " + std::to_string(i) + ": x!1 = 2.5"});
    }
    // Prints the log straight to the PDF file.
    int PrintLog(int left, int top, int right, int bottom) {
        plat::Printer printer;
        printer.SetOutputFile(path);
        return shell::PrintRTF(printer, log, left, top, right, bottom);
    }

    QTemporaryDir dir;
    QString path;
    plat::RichPane log, calc, hold;
    testsupport::DialogScript dialogs;
    testsupport::PrintScript print;
};

TEST_F(Printing, EachPageStartsWhereThePageBeforeStoppedAndTheLastEndsTheJob) {
    WriteResults(150);  // 300 lines
    const int pages = PrintLog(shell::kPrintLeft, shell::kPrintTop, shell::kPrintRight, shell::kPrintBottom);
    EXPECT_EQ(PdfPages(path), pages);

    // The same layout, page by page: every page takes the lines after those
    // of the page before, and a page holds as many lines as fit.
    plat::Printer printer;
    printer.SetOutputFile(path);
    std::unique_ptr<QTextDocument> doc(log.document()->clone());
    doc->documentLayout()->setPaintDevice(&printer.Device());
    doc->setDocumentMargin(0);
    const QRectF area(0, 0, printer.TwipsToDevice(printer.PageWidthTwips() - shell::kPrintLeft - shell::kPrintRight),
                      printer.TwipsToDevice(printer.PageHeightTwips() - shell::kPrintTop - shell::kPrintBottom));
    doc->setTextWidth(area.width());
    const int perPage = doc->findBlock(shell::FormatRange(printer, *doc, area, 0, false)).blockNumber();
    ASSERT_GT(perPage, 20);  // about 60 lines of 10 points on a page
    EXPECT_EQ(pages, (300 + perPage - 1) / perPage);
    int from = 0, counted = 0;
    while (from < log.TextLength()) {
        const int next = shell::FormatRange(printer, *doc, area, from, false);
        ASSERT_GT(next, from);
        EXPECT_EQ(doc->findBlock(from).position(), from);  // pages start at a line
        from = next;
        ++counted;
    }
    EXPECT_EQ(counted, pages);
}

TEST_F(Printing, ShortTextIsOnePage) {
    WriteResults(1);
    EXPECT_EQ(PrintLog(1600, 1000, 1600, 1000), 1);
    EXPECT_EQ(PdfPages(path), 1);
}

TEST_F(Printing, ALineTallerThanThePageEndsTheJobInsteadOfLooping) {
    log.SetText(QStringLiteral("pequeño\nENORME\npequeño"));
    log.SetSelStart(8);
    log.SetSelLength(6);
    log.SetSelFontSize(200);
    const int bottom = static_cast<int>(plat::Printer().PageHeightTwips()) - 1000 - 1440;  // one inch
    const int pages = PrintLog(1600, 1000, 1600, bottom);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(PdfPages(path), 1);
}

TEST_F(Printing, ConfirmationNamesThePaneAndCancelPrintsNothing) {
    const struct {
        const char* name;
        const char* prompt;
    } panes[] = {{"rtbReg", "Imprimir el contenido del cuadro de registro."},
                 {"rtbHelp", "Imprimir el contenido del panel de ayuda."},
                 {"txtArgHelp", "Imprimir el contenido de la ficha Ayuda."}};
    for (const auto& p : panes) {
        plat::RichPane pane(QString::fromLatin1(p.name));
        pane.SetText(QStringLiteral("texto"));
        dialogs.Answer(MsgResult::Cancel);
        shell::ImprimirResultados(pane);
        EXPECT_EQ(dialogs.Shown().back().prompt, QString::fromUtf8(p.prompt));
        EXPECT_EQ(dialogs.Shown().back().buttons, plat::MsgButtons::OKCancel);
        EXPECT_EQ(dialogs.Shown().back().title, QStringLiteral("Teluvar"));
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

TEST_F(Printing, OkPrintsTheLogToTheFileChosenInThePrintDialogUnlessItIsEmpty) {
    dialogs.Answer(MsgResult::OK).Answer(MsgResult::OK);
    shell::ImprimirResultados(log);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[1].prompt, QString::fromUtf8("No hay texto qué imprimir"));
    EXPECT_TRUE(print.Shown().empty());
    EXPECT_FALSE(QFile::exists(path));

    WriteResults(60);
    dialogs.Answer(MsgResult::OK);
    print.ChoosePdf(path);
    shell::ImprimirResultados(log);
    EXPECT_EQ(dialogs.Shown().size(), 3u);  // no message after a good print
    EXPECT_EQ(print.Shown(), std::vector<QString>{QStringLiteral("Registro de resultados")});
    const std::vector<QString> pages = testsupport::PdfPageTexts(path);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(static_cast<int>(pages.size()), PdfPages(path));
    EXPECT_TRUE(pages.front().startsWith(QStringLiteral("Resultado 1: x1 = 2.5"))) << pages.front().toStdString();
    EXPECT_TRUE(pages.back().contains(QStringLiteral("Resultado 60: x1 = 2.5"))) << pages.back().toStdString();
    EXPECT_EQ(plat::Screen::MousePointer(), 0);  // the hourglass is gone
}

TEST_F(Printing, CancelInThePrintDialogPrintsNothingAndSaysNothing) {
    WriteResults(1);
    dialogs.Answer(MsgResult::OK);
    print.Cancel();
    shell::ImprimirResultados(log);
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(print.Shown().size(), 1u);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

TEST_F(Printing, APrinterFailureIsReportedWithItsCause) {
    WriteResults(1);
    dialogs.Answer(MsgResult::OK).Answer(MsgResult::OK);
    print.ChoosePdf(dir.filePath("no/such/folder/out.pdf"));
    shell::ImprimirResultados(log);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    const QString shown = dialogs.Shown()[1].prompt;
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("Error en la impresión.\r\n"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("out.pdf"))) << shown.toStdString();
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

}  // namespace
