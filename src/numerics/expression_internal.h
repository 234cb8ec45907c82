#pragma once
// What the parts of the formula engine share: the language's symbols and
// their codes, its checked arithmetic, and the instructions of the compiled
// plan. Private to src/numerics; the helpers the evaluator runs on every
// instruction are inline here so that splitting the engine into files costs
// no speed.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/rounding.h"

namespace num::expr_internal {

// ---------------------------------------------------------------------------
// The symbol table: name, precedence, argument count, by token code.

struct Symbol {
    std::string_view name;
    int prec;
    int nargs;
};

inline constexpr std::string_view kEnd("\0", 1);

// clang-format off
inline constexpr Symbol kSymbols[68] = {
    {"", 0, 0}, {"", 0, 0}, {"", 255, 1}, {"(", 255, 1}, {"-", 18, 0}, {"NOT", 8, 0},
    {kEnd, 0, -1}, {",", 0, -1}, {")", 0, -1},
    {"^", 20, 0}, {"*", 17, 0}, {"/", 17, 0}, {"\\", 16, 0}, {"+", 14, 0}, {"-", 14, 0},
    {"=", 10, 0}, {"<>", 10, 0}, {"<=", 10, 0}, {"<", 10, 0}, {">=", 10, 0}, {">", 10, 0},
    {"MOD", 15, 0}, {"AND", 7, 0}, {"OR", 6, 0}, {"XOR", 6, 0},
    {"PI", 0, 0}, {"RADS", 0, 0}, {"", 0, 0},
    {"ABS", 30, 1}, {"GAR", 30, 1}, {"RAG", 30, 1}, {"ENT", 30, 1}, {"FIX", 30, 1}, {"SGN", 30, 1},
    {"R", 30, 1}, {"R3", 30, 1}, {"LN", 30, 1}, {"LOG10", 30, 1}, {"EXP", 30, 1},
    {"SEN", 30, 1}, {"COS", 30, 1}, {"TAN", 30, 1}, {"COT", 30, 1}, {"CSC", 30, 1}, {"SEC", 30, 1},
    {"ATAN", 30, 1}, {"ASEN", 30, 1}, {"ACOS", 30, 1}, {"ACOT", 30, 1}, {"ACSC", 30, 1},
    {"ASEC", 30, 1}, {"SENH", 30, 1}, {"COSH", 30, 1}, {"", 0, 0},
    {"MIN", 30, 2}, {"MAX", 30, 2}, {"SESE", 30, 2}, {"SECO", 30, 2}, {"COSE", 30, 2},
    {"COCO", 30, 2}, {"ATAN2", 30, 2}, {"COC", 30, 2}, {"HIPO", 30, 2}, {"CATE", 30, 2},
    {"STP1", 30, 3}, {"IIF", 30, 3}, {"STP", 30, 3}, {"BAR", 30, 3},
};

enum Code : int {
    kOperand = 1, kBottom = 2, kOpen = 3, kNeg = 4, kNot = 5, kEndMark = 6, kComma = 7, kClose = 8,
    kPow = 9, kMul = 10, kDiv = 11, kIntDiv = 12, kAdd = 13, kSub = 14,
    kEq = 15, kNe = 16, kLe = 17, kLt = 18, kGe = 19, kGt = 20,
    kMod = 21, kAnd = 22, kOr = 23, kXor = 24, kPi = 25, kRads = 26,
    kAbs = 28, kGar, kRag, kEnt, kFix, kSgn, kSqrt, kCbrt, kLn, kLog10, kExp,
    kSen, kCos, kTan, kCot, kCsc, kSec, kAtan, kAsen, kAcos, kAcot, kAcsc, kAsec, kSenh, kCosh,
    kMin = 54, kMax, kSese, kSeco, kCose, kCoco, kAtan2, kCoc, kHipo, kCate,
    kStp1 = 64, kIif, kStp, kBar,
};
// clang-format on

inline constexpr double kPiValue = 3.14159265358979;

inline bool IsBinaryOperator(int code) { return code >= kPow && code <= kXor; }
inline bool IsFunction(int code) { return code >= kAbs && code <= kBar && kSymbols[code].nargs > 0; }

// Functions whose value depends on AngleFactor: never folded at compile time.
inline bool ReadsAngleFactor(int code) { return (code >= kSen && code <= kSec) || (code >= kSese && code <= kCoco); }

inline char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string UpperText(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = Upper(c);
    return u;
}

// ---------------------------------------------------------------------------
// Checked arithmetic of the language.

[[noreturn, gnu::noinline, gnu::cold]] inline void Throw(rt::ErrorCode code) { throw rt::RuntimeError(code); }

inline double Fin(double x) {
    if (!(std::fabs(x) <= DBL_MAX)) [[unlikely]]
        Throw(rt::ErrorCode::Overflow);
    return x;
}

inline double CheckedDiv(double a, double b) {
    if (b == 0.0) [[unlikely]]
        Throw(rt::ErrorCode::DivisionByZero);
    return Fin(a / b);
}

// a ^ b. Squares and cubes are products, the common cases in formulas.
inline double CheckedPow(double a, double b) {
    if (b == 2.0) return Fin(a * a);
    if (b == 3.0) return Fin(a * a * a);
    return rt::Pow(a, b);
}

inline double Truth(bool b) { return b ? -1.0 : 0.0; }

inline double Round12(double x) { return rt::RoundHalfEven(x, 12); }

inline double Apply1(int code, double a) {
    const double af = AngleFactor;
    switch (code) {
    case kNeg: return -a;
    case kNot: return static_cast<double>(~rt::CLng(a));
    case kAbs: return std::fabs(a);
    case kGar: return Fin(a * kDegToRad);
    case kRag: return Fin(a * kRadToDeg);
    case kEnt: return std::floor(a);
    case kFix: return std::trunc(a);
    case kSgn: return rt::Sgn(a);
    case kSqrt: return rt::Sqrt(a);
    case kCbrt:
        if (a < 0) Throw(rt::ErrorCode::InvalidCall);
        return std::pow(a, 1.0 / 3.0);
    case kLn: return rt::Log(a);
    case kLog10: return rt::Log(a) / std::log(10.0);
    case kExp: return Fin(std::exp(a));
    case kSen: return std::sin(Fin(af * a));
    case kCos: return std::cos(Fin(af * a));
    case kTan: return Fin(std::tan(Fin(af * a)));
    case kCot: return CheckedDiv(1.0, std::tan(Fin(af * a)));
    case kCsc: return CheckedDiv(1.0, std::sin(Fin(af * a)));
    case kSec: return CheckedDiv(1.0, std::cos(Fin(af * a)));
    case kAtan: return ArcTanDeg(a);
    case kAsen: return ArcSinDeg(a);
    case kAcos: return ArcCosDeg(a);
    case kAcot: return 90.0 - ArcTanDeg(a);
    case kAcsc: return ArcSinDeg(CheckedDiv(1.0, a));
    case kAsec: return ArcCosDeg(CheckedDiv(1.0, a));
    case kSenh: return Sinh(a);
    case kCosh: return Cosh(a);
    default: break;
    }
    throw rt::RuntimeError(static_cast<rt::ErrorCode>(999), "Internal Error");
}

inline double Apply2(int code, double a, double b) {
    const double af = AngleFactor;
    switch (code) {
    case kPow: return CheckedPow(a, b);
    case kMul: return Fin(a * b);
    case kDiv: return CheckedDiv(a, b);
    case kIntDiv: return rt::IntDiv(a, b);
    case kAdd: return Fin(a + b);
    case kSub: return Fin(a - b);
    case kEq: return Truth(a == b);
    case kNe: return Truth(a != b);
    case kLe: return Truth(a <= b);
    case kLt: return Truth(a < b);
    case kGe: return Truth(a >= b);
    case kGt: return Truth(a > b);
    case kMod: return rt::Mod(a, b);
    case kAnd: return static_cast<double>(rt::CLng(a) & rt::CLng(b));
    case kOr: return static_cast<double>(rt::CLng(a) | rt::CLng(b));
    case kXor: return static_cast<double>(rt::CLng(a) ^ rt::CLng(b));
    case kMin: return a < b ? a : b;
    case kMax: return a > b ? a : b;
    case kSese: return CheckedDiv(std::sin(Fin(af * a)), std::sin(Fin(af * b)));
    case kSeco: return CheckedDiv(std::sin(Fin(af * a)), std::cos(Fin(af * b)));
    case kCose: return CheckedDiv(std::cos(Fin(af * a)), std::sin(Fin(af * b)));
    case kCoco: return CheckedDiv(std::cos(Fin(af * a)), std::cos(Fin(af * b)));
    case kAtan2: return VectorAngleDeg(a, b);
    case kCoc: return CheckedDiv(a, b);
    case kHipo: return Hypot(a, b);
    case kCate: {
        double a2 = Fin(a * a), b2 = Fin(b * b);
        return a > b ? rt::Sqrt(a2 - b2) : rt::Sqrt(b2 - a2);
    }
    default: break;
    }
    throw rt::RuntimeError(static_cast<rt::ErrorCode>(999), "Internal Error");
}

inline double Apply3(int code, double a, double b, double c) {
    switch (code) {
    case kStp1: return b >= c ? 1.0 : 0.0;
    case kIif: return a != 0.0 ? b : c;
    case kStp: return Round12(b) >= Round12(c) ? CheckedPow(Fin(b - c), a) : 0.0;
    case kBar: {
        double x = Round12(a), lo = Round12(b), hi = Round12(c);
        return (lo <= x && x <= hi) ? 1.0 : 0.0;
    }
    default: break;
    }
    throw rt::RuntimeError(static_cast<rt::ErrorCode>(999), "Internal Error");
}

// ---------------------------------------------------------------------------
// The executable form: a flat array of instructions over a stack of doubles
// whose top lives in a register. Literals and variables are folded into the
// operation that consumes them, constant parts are computed once, and the
// "+0*X" terms that callers append to fix the binding order cost nothing.

enum Op : uint8_t {
    // push-like: put a value on the stack (a term is k times a variable's
    // first, second or third power)
    PushK,
    PushV,
    PushT1,
    PushT2,
    PushT3,
    StackFull,
    // one operand
    Neg,
    Abs,
    Sqrt,
    Exp,
    Ln,
    Sin,
    Cos,
    Tan,
    Fn1,
    // two operands from the stack
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    Fn2,
    // the right operand a literal, a variable, or a literal times a variable
    AddK,
    SubK,
    MulK,
    DivK,
    Sq,
    Cube,
    PowK,
    Fn2K,
    RSubK,
    RDivK,
    AddV,
    SubV,
    MulV,
    DivV,
    Fn2V,
    AddT1,
    AddT2,
    AddT3,
    SubT1,
    SubT2,
    SubT3,
    Fn3,
    kOpCount
};

inline bool IsPushOp(uint8_t op) { return op <= PushT3; }
inline bool IsTerm(uint8_t op) { return op >= PushT1 && op <= PushT3; }
inline bool ReadsSlot(uint8_t op) { return op == PushV || IsTerm(op) || (op >= AddV && op <= SubT3); }

// Values an instruction leaves on the stack minus those it takes.
inline int StackEffect(uint8_t op) {
    if (IsPushOp(op)) return 1;
    if (op >= Add && op <= Fn2) return -1;
    if (op == Fn3) return -2;
    return 0;
}
inline bool IsUnaryOp(uint8_t op) { return op >= Neg && op <= Fn1; }
inline bool IsBinaryOp(uint8_t op) { return op >= Add && op <= Fn2; }

// A variable's value as the plan reads it.
inline double SlotValue(const rt::Variant& v) {
    if (v.IsNumber()) return Fin(v.Number());
    return Fin(v.ToNumber());  // Empty 0, booleans -1/0, numeric texts
}

}  // namespace num::expr_internal
