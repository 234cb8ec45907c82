#include "platform/guard.h"

#include <QLoggingCategory>
#include <QtGlobal>

#include "platform/dialogs.h"

namespace plat {

namespace {

Q_LOGGING_CATEGORY(lcIgnored, "teluvar.ignored", QtInfoMsg)

// The guard's report is its last word: if the box itself fails (no dialog
// service, a scripted test that expected none), the failure is logged here
// instead of escaping into the event loop the guard protects.
void Tell(const char* text) {
    try {
        MsgBox(QString::fromUtf8(text), MsgButtons::OK, kAppTitle);
    } catch (const std::exception& e) { qCritical("could not show \"%s\": %s", text, e.what()); } catch (...) {
        qCritical("could not show \"%s\": unknown exception", text);
    }
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
