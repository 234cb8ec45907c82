#include "platform/printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <algorithm>

#include "runtime/errors.h"

namespace plat {

namespace {
QString& OutputPath() {
    static QString path;
    return path;
}
constexpr double kTwipsPerInch = 1440.0;
}  // namespace

void Printer::SetOutputFile(const QString& pdfPath) { OutputPath() = pdfPath; }
QString Printer::OutputFile() { return OutputPath(); }

Printer::Printer() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setFullPage(true);
    if (!OutputPath().isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(OutputPath());
    }
}

Printer::~Printer() {
    if (painter_) EndDoc();
}

void Printer::StartDoc() {
    if (painter_) return;
    if (OutputPath().isEmpty() && QPrinterInfo::defaultPrinter().isNull())
        throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "No hay impresora.");
    auto p = std::make_unique<QPainter>();
    if (!p->begin(printer_.get()))
        throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "La impresora no responde.");
    painter_ = std::move(p);
    pages_ = 1;
}

void Printer::NewPage() {
    if (!painter_) {
        StartDoc();
        return;
    }
    if (!printer_->newPage())
        throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "La impresora no responde.");
    ++pages_;
}

void Printer::EndDoc() {
    if (!painter_) return;
    painter_->end();
    painter_.reset();
}

double Printer::PageWidthTwips() const {
    return printer_->paperRect(QPrinter::Inch).width() * kTwipsPerInch;
}

double Printer::PageHeightTwips() const {
    return printer_->paperRect(QPrinter::Inch).height() * kTwipsPerInch;
}

double Printer::OffsetXTwips() const {
    return (printer_->pageRect(QPrinter::Inch).left() - printer_->paperRect(QPrinter::Inch).left()) *
           kTwipsPerInch;
}

double Printer::OffsetYTwips() const {
    return (printer_->pageRect(QPrinter::Inch).top() - printer_->paperRect(QPrinter::Inch).top()) *
           kTwipsPerInch;
}

double Printer::TwipsToDevice(double twips) const {
    return twips * printer_->resolution() / kTwipsPerInch;
}

QPainter& Printer::Painter() {
    if (!painter_) StartDoc();
    return *painter_;
}

int PrintDocument(Printer& printer, const QTextDocument& src, int leftTwips, int topTwips,
                  int rightTwips, int bottomTwips) {
    std::unique_ptr<QTextDocument> doc(src.clone());
    QPainter& painter = printer.Painter();
    doc->documentLayout()->setPaintDevice(&printer.Device());
    doc->setDocumentMargin(0);
    const double left = printer.TwipsToDevice(leftTwips);
    const double top = printer.TwipsToDevice(topTwips);
    const double width = printer.TwipsToDevice(printer.PageWidthTwips() - leftTwips - rightTwips);
    const double height =
        printer.TwipsToDevice(printer.PageHeightTwips() - topTwips - bottomTwips);
    if (width <= 0 || height <= 0)
        throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "Márgenes fuera de la página.");
    doc->setPageSize(QSizeF(width, height));
    const int pages = std::max(1, doc->pageCount());
    for (int i = 0; i < pages; ++i) {
        if (i > 0) printer.NewPage();
        painter.save();
        painter.translate(left, top - i * height);
        const QRectF view(0, i * height, width, height);
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
