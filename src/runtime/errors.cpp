#include "runtime/errors.h"

#include <cmath>

namespace rt {

std::string ErrorDescription(ErrorCode code) {
    switch (code) {
    case ErrorCode::InvalidCall: return "Llamada a procedimiento o argumento no válidos";
    case ErrorCode::Overflow: return "Desbordamiento";
    case ErrorCode::SubscriptOutOfRange: return "Subíndice fuera del intervalo";
    case ErrorCode::DivisionByZero: return "División por cero";
    case ErrorCode::TypeMismatch: return "No coinciden los tipos";
    }
    return "Error";
}

RuntimeError::RuntimeError(ErrorCode code) : std::runtime_error(ErrorDescription(code)), code_(code) {}
RuntimeError::RuntimeError(ErrorCode code, const std::string& description)
    : std::runtime_error(description), code_(code) {}

void Raise(ErrorCode code) { throw RuntimeError(code); }

void Fault(const std::string& what) { throw ProgramFault(what); }

namespace {
IgnoredErrorSink g_ignoredSink = nullptr;
}  // namespace

void SetIgnoredErrorSink(IgnoredErrorSink sink) { g_ignoredSink = sink; }

void ReportIgnoredError(const char* why, const RuntimeError& error) {
    if (g_ignoredSink) g_ignoredSink(why, error);
}

double Checked(double x) {
    if (!std::isfinite(x)) Raise(ErrorCode::Overflow);
    return x;
}

double Add(double a, double b) { return Checked(a + b); }
double Sub(double a, double b) { return Checked(a - b); }
double Mul(double a, double b) { return Checked(a * b); }

double Div(double a, double b) {
    if (b == 0.0) Raise(ErrorCode::DivisionByZero);
    return Checked(a / b);
}

double Sqrt(double x) {
    if (x < 0) Raise(ErrorCode::InvalidCall);
    return std::sqrt(x);
}

double Log(double x) {
    if (!(x > 0)) Raise(ErrorCode::InvalidCall);
    return std::log(x);
}

double Exp(double x) { return Checked(std::exp(x)); }

double Pow(double a, double b) {
    if (a == 0.0 && b < 0) Raise(ErrorCode::DivisionByZero);
    if (a < 0 && b != std::floor(b)) Raise(ErrorCode::InvalidCall);
    return Checked(std::pow(a, b));
}

}  // namespace rt
