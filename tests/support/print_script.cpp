#include "support/print_script.h"

#include <gtest/gtest.h>
#include <QPrinter>

namespace testsupport {

PrintScript::PrintScript() { previous_ = plat::SetPrintDialogService(this); }

PrintScript::~PrintScript() {
    plat::SetPrintDialogService(previous_);
    if (!queue_.empty()) ADD_FAILURE() << queue_.size() << " scripted print answer(s) left unused";
}

PrintScript& PrintScript::ChoosePdf(const QString& path) {
    queue_.emplace_back(path);
    return *this;
}

PrintScript& PrintScript::Cancel() {
    queue_.emplace_back(std::nullopt);
    return *this;
}

bool PrintScript::ChoosePrinter(QPrinter& printer) {
    shown_.push_back(printer.docName());
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected print dialog for " << printer.docName().toStdString();
        return false;
    }
    const std::optional<QString> answer = queue_.front();
    queue_.pop_front();
    if (!answer) return false;
    // What the dialog's "print to file (PDF)" choice sets.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*answer);
    return true;
}

}  // namespace testsupport
