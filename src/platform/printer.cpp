#include "platform/printer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <stdexcept>

#include "runtime/errors.h"

namespace plat {

namespace {
PrintDialogService* g_printDialog = nullptr;
constexpr double kTwipsPerInch = 1440.0;

[[noreturn]] void Fail(const QString& why) { throw rt::RuntimeError(rt::ErrorCode::InvalidCall, why.toStdString()); }
}  // namespace

PrintDialogService* SetPrintDialogService(PrintDialogService* service) {
    PrintDialogService* old = g_printDialog;
    g_printDialog = service;
    return old;
}

PrintDialogService& CurrentPrintDialogService() {
    static QtPrintDialogService real;
    return g_printDialog ? *g_printDialog : real;
}

bool QtPrintDialogService::ChoosePrinter(QPrinter& printer) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        throw std::logic_error("print dialog shown with no print dialog service installed");
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    // Every page of the text is printed: no page ranges, selection or
    // current page to offer.
    dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                   QAbstractPrintDialog::PrintCollateCopies);
    // The caller's hourglass would cover the dialog; the user needs the arrow.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = dlg.exec();
    QGuiApplication::restoreOverrideCursor();
    return answer == QDialog::Accepted;
}

Printer::Printer() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) { printer_->setFullPage(true); }

Printer::~Printer() {
    // A job left open by a failure is closed; its own failure is already
    // being reported.
    if (painter_) painter_->end();
}

bool Printer::Choose(const QString& docName) {
    printer_->setDocName(docName);
    return CurrentPrintDialogService().ChoosePrinter(*printer_);
}

void Printer::SetOutputFile(const QString& pdfPath) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfPath);
}

QString Printer::Destination() const {
    if (printer_->outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("el archivo %1").arg(QDir::toNativeSeparators(printer_->outputFileName()));
    return QStringLiteral("la impresora %1").arg(printer_->printerName());
}

void Printer::StartDoc() {
    if (painter_) return;
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        if (printer_->outputFileName().isEmpty()) Fail(QStringLiteral("No se eligió el archivo PDF."));
    } else if (printer_->printerName().isEmpty()) {
        Fail(QStringLiteral("No hay impresora."));
    }
    auto p = std::make_unique<QPainter>();
    if (!p->begin(printer_.get())) {
        if (printer_->outputFormat() == QPrinter::PdfFormat)
            Fail(QStringLiteral("No se puede escribir %1.").arg(Destination()));
        Fail(QStringLiteral("No responde %1.").arg(Destination()));
    }
    painter_ = std::move(p);
    pages_ = 1;
}

void Printer::NewPage() {
    if (!painter_) {
        StartDoc();
        return;
    }
    if (!printer_->newPage()) Fail(QStringLiteral("No responde %1.").arg(Destination()));
    ++pages_;
}

void Printer::EndDoc() {
    if (!painter_) return;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended || printer_->printerState() == QPrinter::Error)
        Fail(QStringLiteral("No se pudo terminar el trabajo en %1.").arg(Destination()));
}

double Printer::PageWidthTwips() const { return printer_->paperRect(QPrinter::Inch).width() * kTwipsPerInch; }

double Printer::PageHeightTwips() const { return printer_->paperRect(QPrinter::Inch).height() * kTwipsPerInch; }

double Printer::OffsetXTwips() const {
    return (printer_->pageRect(QPrinter::Inch).left() - printer_->paperRect(QPrinter::Inch).left()) * kTwipsPerInch;
}

double Printer::OffsetYTwips() const {
    return (printer_->pageRect(QPrinter::Inch).top() - printer_->paperRect(QPrinter::Inch).top()) * kTwipsPerInch;
}

double Printer::TwipsToDevice(double twips) const { return twips * printer_->resolution() / kTwipsPerInch; }

QPainter& Printer::Painter() {
    if (!painter_) StartDoc();
    return *painter_;
}

namespace {
// The bottom of the last line of the document that lies wholly between top
// and bottom (layout units), or top when none does.
double PageEnd(const QTextDocument& doc, double top, double bottom) {
    double end = top;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* tl = b.layout();
        for (int k = 0; k < tl->lineCount(); ++k) {
            const QTextLine line = tl->lineAt(k);
            const double y = tl->position().y() + line.y();
            if (y >= top && y + line.height() <= bottom) end = std::max(end, y + line.height());
        }
    }
    return end;
}
}  // namespace

int PrintDocument(Printer& printer, const QTextDocument& src, int leftTwips, int topTwips, int rightTwips,
                  int bottomTwips) {
    std::unique_ptr<QTextDocument> doc(src.clone());
    QPainter& painter = printer.Painter();
    doc->documentLayout()->setPaintDevice(&printer.Device());
    doc->setDocumentMargin(0);
    const double left = printer.TwipsToDevice(leftTwips);
    const double top = printer.TwipsToDevice(topTwips);
    const double width = printer.TwipsToDevice(printer.PageWidthTwips() - leftTwips - rightTwips);
    const double height = printer.TwipsToDevice(printer.PageHeightTwips() - topTwips - bottomTwips);
    if (width <= 0 || height <= 0) throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "Márgenes fuera de la página.");
    doc->setPageSize(QSizeF(width, height));
    const int pages = std::max(1, doc->pageCount());
    for (int i = 0; i < pages; ++i) {
        if (i > 0) printer.NewPage();
        painter.save();
        painter.translate(left, top - i * height);
        // Up to the last line that ends on the page: a line the layout moved
        // on to the next page leaves no hidden copy in this page's text.
        const double end = PageEnd(*doc, i * height, (i + 1) * height);
        const QRectF view(0, i * height, width, end > i * height ? end - i * height : height);
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = view;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&painter, ctx);
        painter.restore();
    }
    return pages;
}

}  // namespace plat
