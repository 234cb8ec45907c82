#include "platform/guard.h"

#include <QLoggingCategory>
#include <QtGlobal>
#include <stdexcept>

#include "platform/dialogs.h"

namespace plat {

namespace {

Q_LOGGING_CATEGORY(lcIgnored, "teluvar.ignored", QtInfoMsg)

// The guard's report is its last word: a box that cannot be shown (the
// dialog service's std::logic_error, on a screen where no box can be
// answered) is logged here instead of escaping into the event loop the
// guard protects. Any other failure of the box is a fault of the dialog
// service itself and goes on (guard.h).
void Tell(const char* text) {
    try {
        MsgBox(QString::fromUtf8(text), MsgButtons::OK, kAppTitle);
    } catch (const std::logic_error& e) { qCritical("could not show \"%s\": %s", text, e.what()); }
}

void LogIgnored(const char* why, const rt::RuntimeError& error) {
    qCDebug(lcIgnored, "let pass (%s): %s", why, error.what());
}

}  // namespace

void ReportFailedInstruction(const rt::RuntimeError& error) { Tell(FailedInstructionText(error)); }

void ReportInternalFault(const char* what) {
    qCritical("internal fault in an event handler: %s", what ? what : "unknown exception");
    Tell(kInternalFault);
}

void InstallIgnoredErrorLog() { rt::SetIgnoredErrorSink(&LogIgnored); }

}  // namespace plat
