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

// Index check for arrays with a declared range [lo, hi].
inline void CheckIndex(long long i, long long lo, long long hi) {
    if (i < lo || i > hi) Raise(ErrorCode::SubscriptOutOfRange);
}

// Runs f and lets a run-time error in it pass on purpose: for a step whose
// failure must not stop what comes after it (one stroke of a drawing, one
// cell of a table). `why` says, at the call, why losing that step is right;
// it is documentation, not a message. Returns whether f completed. Only
// rt::RuntimeError is let pass: any other exception is a fault and goes on.
template <class F>
bool IgnoreError([[maybe_unused]] const char* why, F&& f) {
    try {
        f();
        return true;
    } catch (const RuntimeError&) { return false; }
}

}  // namespace rt
