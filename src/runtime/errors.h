#pragma once
// Run-time errors: the arithmetic and conversion faults that stop a running
// procedure. Checked operations throw RuntimeError instead of producing an
// infinity or a not-a-number, so no such value can ever reach the user.
#include <stdexcept>
#include <string>

namespace rt {

enum class ErrorCode {
    InvalidCall = 5,  // argument outside a function's domain
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,  // a text that does not convert to a number
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorCode code);
    RuntimeError(ErrorCode code, const std::string& description);
    ErrorCode code() const { return code_; }
    int number() const { return static_cast<int>(code_); }

private:
    ErrorCode code_;
};

// Spanish description of an error code.
std::string ErrorDescription(ErrorCode code);

[[noreturn]] void Raise(ErrorCode code);

// Returns x, or raises Overflow when x is infinite or not a number.
double Checked(double x);

double Add(double a, double b);
double Sub(double a, double b);
double Mul(double a, double b);
double Div(double a, double b);  // b == 0 raises DivisionByZero
double Sqrt(double x);           // x < 0 raises InvalidCall
double Log(double x);            // x <= 0 raises InvalidCall
double Exp(double x);            // overflow raises Overflow
// a ^ b: 0 ^ negative is a division by zero, a negative base with a
// fractional exponent is a domain error.
double Pow(double a, double b);

// Index check for an index that came from what the user typed or clicked:
// out of range it is bad input, a run-time error the handler answers.
inline void CheckIndex(long long i, long long lo, long long hi) {
    if (i < lo || i > hi) Raise(ErrorCode::SubscriptOutOfRange);
}

// A fault of the program itself: a broken invariant, an index the program
// computed out of its range, a refusal read as a value. It is deliberately
// not a RuntimeError, so that no IgnoreError and no message handler can take
// it for bad input: it reaches the guard, which logs it and reports an
// internal fault.
class ProgramFault : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

[[noreturn]] void Fault(const std::string& what);

// Index check for an index the program computed (a point's index, a record's
// field number): out of range it is a program fault, never bad input.
inline void ExpectIndex(long long i, long long lo, long long hi, const char* what) {
    if (i < lo || i > hi)
        Fault(std::string(what) + ": index " + std::to_string(i) + " outside [" + std::to_string(lo) + ", " +
              std::to_string(hi) + "]");
}

// Where IgnoreError reports what it lets pass: the platform sends it to the
// debug log; by default nothing is written.
using IgnoredErrorSink = void (*)(const char* why, const RuntimeError& error);
void SetIgnoredErrorSink(IgnoredErrorSink sink);
void ReportIgnoredError(const char* why, const RuntimeError& error);

// Runs f and lets a run-time error in it pass on purpose: for a step whose
// failure must not stop what comes after it (one stroke of a drawing, one
// cell of a table). `why` says, at the call, why losing that step is right;
// the error let pass is reported with it to the ignored-error sink (the
// debug log), never to the user. Returns whether f completed. Only
// rt::RuntimeError is let pass: a ProgramFault or any other exception is a
// fault and goes on.
template <class F>
bool IgnoreError(const char* why, F&& f) {
    try {
        f();
        return true;
    } catch (const RuntimeError& e) {
        ReportIgnoredError(why, e);
        return false;
    }
}

}  // namespace rt
