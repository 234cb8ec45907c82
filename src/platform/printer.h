#pragma once
// Printer: one print job on the system's default printer, or on a PDF file
// when one is set (tests). Page geometry is in twips measured from the paper
// edges (the painter's origin is the paper's top-left corner). Failures to
// start (no printer, a file that cannot be written) throw rt::RuntimeError,
// which a caller reports as a printing failure.
#include <QString>
#include <memory>

class QPainter;
class QPrinter;
class QTextDocument;

namespace plat {

class Printer {
public:
    Printer();
    ~Printer();  // ends the job if it is still open
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Where every job goes from now on: a PDF file, or "" for the system's
    // default printer.
    static void SetOutputFile(const QString& pdfPath);
    static QString OutputFile();

    void StartDoc();   // begins the job on its first page
    void NewPage();
    void EndDoc();
    bool Started() const { return painter_ != nullptr; }
    int PageCount() const { return pages_; }

    double PageWidthTwips() const;    // the whole sheet
    double PageHeightTwips() const;
    double OffsetXTwips() const;      // printable area from the sheet's edge
    double OffsetYTwips() const;
    double TwipsToDevice(double twips) const;   // printer pixels

    QPainter& Painter();   // valid between StartDoc and EndDoc
    QPrinter& Device() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
};

// Lays a document out on pages inside the margins (twips from the paper
// edges) and paints it from the current page on (starting the job if
// needed), one new page after another; a text that fits on one page gives
// one page. Returns the number of pages printed. The document is not changed.
int PrintDocument(Printer& printer, const QTextDocument& doc, int leftTwips, int topTwips,
                  int rightTwips, int bottomTwips);

}  // namespace plat
