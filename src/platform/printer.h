#pragma once
// Printer: one print job on the printer or the PDF file the user chose in the
// print dialog. Page geometry is in twips measured from the paper edges (the
// painter's origin is the paper's top-left corner). Failures to start (no
// printer, a file that cannot be written) throw rt::RuntimeError whose text
// says why, which a caller reports as a printing failure.
//
// The print dialog goes through a service, as message boxes do: in the
// program the platform's dialog (Qt's, with printing to a PDF file among its
// choices), in tests a double that picks a PDF file or cancels.
#include <QString>
#include <memory>

class QPainter;
class QPrinter;
class QTextDocument;

namespace plat {

class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    // Lets the user choose where the job goes and how (printer or PDF file,
    // paper, copies), set on `printer`; false when the user cancels.
    // `printer.docName()` names the job.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
};

// Installs a print dialog service (nullptr restores Qt's dialog) and returns
// the one it replaces. The caller keeps ownership.
PrintDialogService* SetPrintDialogService(PrintDialogService* service);
PrintDialogService& CurrentPrintDialogService();

// Qt's print dialog. On the headless test platform it cannot be answered, so
// showing it there throws std::logic_error instead of waiting forever.
class QtPrintDialogService : public PrintDialogService {
public:
    bool ChoosePrinter(QPrinter& printer) override;
};

class Printer {
public:
    Printer();
    ~Printer();  // ends the job if it is still open
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Shows the print dialog for a job named `docName` (also the name the
    // dialog proposes for a PDF file); false when the user cancels.
    bool Choose(const QString& docName);
    // Sends the job to a PDF file, without asking.
    void SetOutputFile(const QString& pdfPath);

    void StartDoc();  // begins the job on its first page
    void NewPage();
    void EndDoc();  // throws when the job could not be finished
    bool Started() const { return painter_ != nullptr; }
    int PageCount() const { return pages_; }

    double PageWidthTwips() const;  // the whole sheet
    double PageHeightTwips() const;
    double OffsetXTwips() const;  // printable area from the sheet's edge
    double OffsetYTwips() const;
    double TwipsToDevice(double twips) const;  // printer pixels

    QPainter& Painter();  // valid between StartDoc and EndDoc
    QPrinter& Device() { return *printer_; }

private:
    // Where the job goes, for messages: «file» or the printer's name.
    QString Destination() const;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
};

// Lays a document out on pages inside the margins (twips from the paper
// edges) and paints it from the current page on (starting the job if
// needed), one new page after another; a text that fits on one page gives
// one page. Returns the number of pages printed. The document is not changed.
int PrintDocument(Printer& printer, const QTextDocument& doc, int leftTwips, int topTwips, int rightTwips,
                  int bottomTwips);

}  // namespace plat
