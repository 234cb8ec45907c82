#pragma once
// The one guard between Qt's event loop and the program's handlers. Every
// place where the control layer calls a handler for something the user did
// (a click, a key, a mouse event, a grid or list event, an edit) runs it
// through Guarded, so no exception ever crosses the event loop: a run-time
// error the handler did not answer itself becomes the general message for a
// failed instruction, and anything else is a fault of the program, logged
// and reported as such, never dropped in silence. Handlers called from code
// (Press, SetValue, SetText, ...) are not guarded: their errors go to the
// calling code as before.
#include <exception>

#include "runtime/errors.h"

namespace plat {

// The general message for a failed instruction.
inline constexpr const char* kInstructionFailed = "No pude ejecutar la instrucción.";
// The same for an overflow: the value exists, but not in the numbers the
// program computes with, so the student is told why nothing is shown.
inline constexpr const char* kInstructionOverflow =
    "No pude ejecutar la instrucción: un valor resulta demasiado grande para calcularlo.";
// What the user is told when a handler fails with anything but a run-time error.
inline constexpr const char* kInternalFault = "Ocurrió una falla interna del programa y la instrucción no se completó.";

// The message for an instruction that a run-time error stopped: the general
// one, or for an overflow the one that says a value is too large. Handlers
// that answer their own failures with the general message use it too.
inline const char* FailedInstructionText(const rt::RuntimeError& error) {
    return error.code() == rt::ErrorCode::Overflow ? kInstructionOverflow : kInstructionFailed;
}

// Shows the message of a run-time error that reached the guard.
void ReportFailedInstruction(const rt::RuntimeError& error);
// Sends what rt::IgnoreError lets pass, with its reason, to the debug log
// (category "teluvar.ignored", off unless enabled with QT_LOGGING_RULES);
// the program and the test main install it at start.
void InstallIgnoredErrorLog();
// Logs a fault (qCritical) and tells the user an internal fault happened.
// `what` may be null when the exception carried no description. Both reports
// stay inside the guard when their box cannot be shown (the dialog service's
// std::logic_error): that is logged, never thrown across the event loop.
// Anything else a box throws is a fault of the dialog service, not of the
// handler, and is left to escape rather than be hidden here.
void ReportInternalFault(const char* what);

// Runs a handler that the event loop calls. Returns whether it completed.
template <class F>
bool Guarded(F&& handler) {
    try {
        handler();
        return true;
    } catch (const rt::RuntimeError& e) { ReportFailedInstruction(e); } catch (const std::exception& e) {
        ReportInternalFault(e.what());
    } catch (...) {
        // The last resort of the guard: reported, not hidden.
        ReportInternalFault(nullptr);
    }
    return false;
}

}  // namespace plat
