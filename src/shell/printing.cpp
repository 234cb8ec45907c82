#include "shell/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>

#include "platform/dialogs.h"
#include "platform/mousepointer.h"
#include "platform/printer.h"
#include "platform/richpane.h"
#include "runtime/errors.h"

namespace shell {

namespace {

constexpr int kHourglass = 11;

QString ConfirmPrompt(const plat::RichPane& box) {
    const QString name = box.objectName();
    if (name == QLatin1String("rtbHelp")) return QStringLiteral("Imprimir el contenido del panel de ayuda.");
    if (name == QLatin1String("txtArgHelp")) return QStringLiteral("Imprimir el contenido de la ficha Ayuda.");
    return QStringLiteral("Imprimir el contenido del cuadro de registro.");
}

// The job's name, which the print dialog also proposes for a PDF file.
QString JobName(const plat::RichPane& box) {
    const QString name = box.objectName();
    if (name == QLatin1String("rtbHelp")) return QStringLiteral("Panel de ayuda");
    if (name == QLatin1String("txtArgHelp")) return QStringLiteral("Ficha Ayuda");
    return QStringLiteral("Registro de resultados");
}

}  // namespace

int FormatRange(plat::Printer& printer, QTextDocument& doc, const QRectF& area, int from, bool render) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    layout->documentSize();  // lays the whole document out
    const int length = doc.characterCount() - 1;
    if (from >= length) return length;

    const QTextBlock first = doc.findBlock(from);
    QTextLayout* firstLayout = first.layout();
    const int firstLine = firstLayout->lineForTextPosition(from - first.position()).lineNumber();
    const double top = firstLayout->position().y() + firstLayout->lineAt(firstLine).y();
    double end = top;  // bottom of the last whole line that fits
    int next = length;
    for (QTextBlock b = first; b.isValid() && next == length; b = b.next()) {
        QTextLayout* tl = b.layout();
        for (int i = b == first ? firstLine : 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            const double bottom = tl->position().y() + line.y() + line.height();
            if (bottom - top > area.height()) {
                next = b.position() + line.textStart();
                break;
            }
            end = bottom;
        }
    }

    if (render && end > top) {
        QPainter& painter = printer.Painter();
        painter.save();
        painter.translate(area.left(), area.top() - top);
        const QRectF view(0, top, area.width(), end - top);
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = view;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, ctx);
        painter.restore();
    }
    return next;
}

int PrintRTF(plat::Printer& printer, const plat::RichPane& box, int leftMargin, int topMargin, int rightMargin,
             int bottomMargin) {
    printer.StartDoc();
    // The painter works from the sheet's corner, so the margins place the
    // text directly, whatever the printer cannot reach at its edges.
    const double width = printer.PageWidthTwips() - leftMargin - rightMargin;
    const double height = printer.PageHeightTwips() - topMargin - bottomMargin;
    if (width <= 0 || height <= 0) throw rt::RuntimeError(rt::ErrorCode::InvalidCall, "Márgenes fuera de la página.");
    const QRectF area(printer.TwipsToDevice(leftMargin), printer.TwipsToDevice(topMargin), printer.TwipsToDevice(width),
                      printer.TwipsToDevice(height));

    std::unique_ptr<QTextDocument> doc(box.document()->clone());
    doc->documentLayout()->setPaintDevice(&printer.Device());
    doc->setDocumentMargin(0);
    doc->setTextWidth(area.width());

    const int length = box.TextLength();
    int from = 0;
    while (true) {
        const int next = FormatRange(printer, *doc, area, from, true);
        if (next >= length) break;
        // A line taller than the page fits on no page: the next page would
        // take nothing, and the same page would follow for ever.
        if (FormatRange(printer, *doc, area, next, false) <= next) break;
        printer.NewPage();
        from = next;
    }
    printer.EndDoc();
    return printer.PageCount();
}

void ImprimirResultados(const plat::RichPane& box) {
    plat::CMousePtr hourglass;
    hourglass.SetPointer(kHourglass);
    try {
        if (plat::MsgBox(ConfirmPrompt(box), plat::MsgButtons::OKCancel) != plat::MsgResult::OK) return;
        if (box.Text().isEmpty()) {
            plat::MsgBox(QStringLiteral("No hay texto qué imprimir"));
            return;
        }
        plat::Printer printer;
        if (!printer.Choose(JobName(box))) return;
        PrintRTF(printer, box, kPrintLeft, kPrintTop, kPrintRight, kPrintBottom);
    } catch (const rt::RuntimeError& e) {
        plat::MsgBox(QStringLiteral("Error en la impresión.\r\n") + QString::fromStdString(e.what()));
    }
}

}  // namespace shell
