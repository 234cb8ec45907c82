#pragma once
// Scripted print dialog for tests. While a PrintScript lives it is the
// program's print dialog: each dialog takes the next queued answer (a PDF
// file to print to, or Cancel) and records the job's name. A dialog with no
// answer queued is a test failure (never a wait), and so is an answer left
// unused when the script ends.
//
//   testsupport::PrintScript print;
//   print.ChoosePdf(dir.filePath("log.pdf"));
//   ... run the code ...
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "platform/printer.h"

namespace testsupport {

class PrintScript : public plat::PrintDialogService {
public:
    PrintScript();
    ~PrintScript() override;
    PrintScript(const PrintScript&) = delete;
    PrintScript& operator=(const PrintScript&) = delete;

    // Queues the answer of the next print dialog: print to this PDF file.
    PrintScript& ChoosePdf(const QString& path);
    // Queues Cancel.
    PrintScript& Cancel();

    // The job names of the dialogs shown, in order.
    const std::vector<QString>& Shown() const { return shown_; }

    bool ChoosePrinter(QPrinter& printer) override;

private:
    std::deque<std::optional<QString>> queue_;  // nullopt: Cancel
    std::vector<QString> shown_;
    plat::PrintDialogService* previous_ = nullptr;
};

}  // namespace testsupport
