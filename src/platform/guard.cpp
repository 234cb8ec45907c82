#include "platform/guard.h"

#include <QtGlobal>

#include "platform/dialogs.h"

namespace plat {

namespace {

// A box that cannot be shown (no dialog service on a headless screen) must
// not turn the report itself into an exception that crosses the event loop.
void Tell(const char* text) {
    try {
        MsgBox(QString::fromUtf8(text), MsgButtons::OK, kAppTitle);
    } catch (const std::exception& e) { qCritical("could not show \"%s\": %s", text, e.what()); }
}

}  // namespace

void ReportFailedInstruction() { Tell(kInstructionFailed); }

void ReportInternalFault(const char* what) {
    qCritical("internal fault in an event handler: %s", what ? what : "unknown exception");
    Tell(kInternalFault);
}

}  // namespace plat
