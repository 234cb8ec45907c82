#include "platform/guard.h"

#include <QtGlobal>

#include "platform/dialogs.h"

namespace plat {

namespace {

void Tell(const char* text) { MsgBox(QString::fromUtf8(text), MsgButtons::OK, kAppTitle); }

}  // namespace

void ReportFailedInstruction() { Tell(kInstructionFailed); }

void ReportInternalFault(const char* what) {
    qCritical("internal fault in an event handler: %s", what ? what : "unknown exception");
    Tell(kInternalFault);
}

}  // namespace plat
