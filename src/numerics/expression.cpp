#include "numerics/expression.h"

#include <locale.h>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "numerics/mathutil.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace num {

double AngleFactor = kDefaultAngleFactor;

namespace {
bool gSimplifyPlans = true;
}  // namespace

void CExpression::SetPlanSimplification(bool on) { gSimplifyPlans = on; }

namespace {

using rt::ErrorCode;

// ---------------------------------------------------------------------------
// The symbol table: name, precedence, argument count, by token code.

struct Symbol {
    std::string_view name;
    int prec;
    int nargs;
};

constexpr std::string_view kEnd("\0", 1);

// clang-format off
constexpr Symbol kSymbols[68] = {
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

constexpr double kPiValue = 3.14159265358979;

bool IsBinaryOperator(int code) { return code >= kPow && code <= kXor; }
bool IsFunction(int code) { return code >= kAbs && code <= kBar && kSymbols[code].nargs > 0; }

// Functions whose value depends on AngleFactor: never folded at compile time.
bool ReadsAngleFactor(int code) { return (code >= kSen && code <= kSec) || (code >= kSese && code <= kCoco); }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string UpperText(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = Upper(c);
    return u;
}

// ---------------------------------------------------------------------------
// Checked arithmetic of the language.

[[noreturn, gnu::noinline, gnu::cold]] void Throw(rt::ErrorCode code) { throw rt::RuntimeError(code); }

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

double Round12(double x) { return rt::RoundHalfEven(x, 12); }

double Apply1(int code, double a) {
    const double af = AngleFactor;
    switch (code) {
    case kNeg: return -a;
    case kNot: return static_cast<double>(~rt::CLng(a));
    case kAbs: return std::fabs(a);
    case kGar: return Fin(a * 0.0174532925199433);
    case kRag: return Fin(a * 57.2957795130824);
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

double Apply2(int code, double a, double b) {
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

double Apply3(int code, double a, double b, double c) {
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

bool IsPushOp(uint8_t op) { return op <= PushT3; }
bool IsTerm(uint8_t op) { return op >= PushT1 && op <= PushT3; }
bool ReadsSlot(uint8_t op) { return op == PushV || IsTerm(op) || (op >= AddV && op <= SubT3); }

// Values an instruction leaves on the stack minus those it takes.
int StackEffect(uint8_t op) {
    if (IsPushOp(op)) return 1;
    if (op >= Add && op <= Fn2) return -1;
    if (op == Fn3) return -2;
    return 0;
}
bool IsUnaryOp(uint8_t op) { return op >= Neg && op <= Fn1; }
bool IsBinaryOp(uint8_t op) { return op >= Add && op <= Fn2; }

using Instr = CExpression::Instr;

Instr Direct(const CExpression::Token& t) {
    int c = t.code;
    if (c == kOperand) {
        if (t.var >= 0) return Instr{PushV, static_cast<uint8_t>(t.var), 0, 0.0};
        return Instr{PushK, 0, 0, t.number};
    }
    int16_t code = static_cast<int16_t>(c);
    switch (c) {
    case kPi: return Instr{PushK, 0, code, kPiValue};
    case kRads: return Instr{PushK, 0, code, kPiValue / 180.0};
    case kNeg: return Instr{Neg, 0, code, 0.0};
    case kAbs: return Instr{Abs, 0, code, 0.0};
    case kSqrt: return Instr{Sqrt, 0, code, 0.0};
    case kExp: return Instr{Exp, 0, code, 0.0};
    case kLn: return Instr{Ln, 0, code, 0.0};
    case kSen: return Instr{Sin, 0, code, 0.0};
    case kCos: return Instr{Cos, 0, code, 0.0};
    case kTan: return Instr{Tan, 0, code, 0.0};
    case kAdd: return Instr{Add, 0, code, 0.0};
    case kSub: return Instr{Sub, 0, code, 0.0};
    case kMul: return Instr{Mul, 0, code, 0.0};
    case kDiv: return Instr{Div, 0, code, 0.0};
    case kPow: return Instr{Pow, 0, code, 0.0};
    default: break;
    }
    if (c == kNot || (c >= kAbs && c <= kCosh)) return Instr{Fn1, 0, code, 0.0};
    if (IsBinaryOperator(c) || (c >= kMin && c <= kCate)) return Instr{Fn2, 0, code, 0.0};
    return Instr{Fn3, 0, code, 0.0};
}

void Append(std::vector<Instr>& out, Instr in);

// The binary operation `in` whose right operand is the literal k.
void AppendWithLiteral(std::vector<Instr>& out, const Instr& in, double k) {
    switch (in.op) {
    case Add:
    case Sub:
        if (k == 0.0) return;  // x + 0 is x (a zero's sign never shows)
        Append(out, Instr{in.op == Add ? AddK : SubK, 0, in.code, k});
        return;
    case Mul:
        if (k == 1.0) return;
        if (k == 0.0 && !out.empty() && out.back().op == PushV) {
            out.back() = Instr{PushK, 0, kOperand, 0.0};  // variables are finite: v*0 is 0
            return;
        }
        if (!out.empty() && out.back().op == PushV) {
            out.back() = Instr{PushT1, out.back().slot, in.code, k};
            return;
        }
        if (!out.empty() && IsTerm(out.back().op) && out.back().k == 1.0) {
            out.back().k = k;  // 1*v^n*k is k*v^n
            return;
        }
        out.push_back(Instr{MulK, 0, in.code, k});
        return;
    case Div:
        if (k == 1.0) return;
        out.push_back(Instr{DivK, 0, in.code, k});
        return;
    case Pow:
        if (k == 2.0 || k == 3.0) {
            if (!out.empty() && out.back().op == PushV) {
                out.back() = Instr{k == 2.0 ? PushT2 : PushT3, out.back().slot, in.code, 1.0};
                return;
            }
            out.push_back(Instr{k == 2.0 ? Sq : Cube, 0, in.code, k});
            return;
        }
        out.push_back(Instr{PowK, 0, in.code, k});
        return;
    default: out.push_back(Instr{Fn2K, 0, in.code, k}); return;
    }
}

// A constant operation that faults is not folded: it stays in the program,
// which raises the fault when it runs, as without folding.
constexpr const char* kFaultAtRun = "the fault is raised when the program runs";

// Appends one instruction, simplifying what the instructions before allow.
void Append(std::vector<Instr>& out, Instr in) {
    size_t n = out.size();
    if (IsUnaryOp(in.op) && n >= 1 && out[n - 1].op == PushK && !ReadsAngleFactor(in.code)) {
        if (rt::IgnoreError(kFaultAtRun, [&] { out[n - 1].k = Apply1(in.code, out[n - 1].k); })) return;
    }
    if (in.op == Neg && n >= 1 && IsTerm(out[n - 1].op)) {
        out[n - 1].k = -out[n - 1].k;  // -(k*v^n) is (-k)*v^n exactly
        return;
    }
    if (in.op == Neg && n >= 1 && out[n - 1].op == PushV) {
        out[n - 1] = Instr{PushT1, out[n - 1].slot, in.code, -1.0};
        return;
    }
    if (!IsBinaryOp(in.op)) {
        out.push_back(in);
        return;
    }
    if (n >= 2 && out[n - 1].op == PushK && out[n - 2].op == PushK && !ReadsAngleFactor(in.code)) {
        if (rt::IgnoreError(kFaultAtRun, [&] { out[n - 2].k = Apply2(in.code, out[n - 2].k, out[n - 1].k); })) {
            out.pop_back();
            return;
        }
    }
    // A literal left operand of a sum or product of one pushed value trades
    // places with it (both operations are exactly commutative).
    if ((in.op == Add || in.op == Mul) && n >= 2 && out[n - 2].op == PushK && IsPushOp(out[n - 1].op) &&
        out[n - 1].op != PushK) {
        double k = out[n - 2].k;
        out.erase(out.end() - 2);
        AppendWithLiteral(out, in, k);
        return;
    }
    const Instr last = out.empty() ? Instr{} : out.back();
    if (n >= 1 && last.op == PushK) {
        out.pop_back();
        AppendWithLiteral(out, in, last.k);
        return;
    }
    if (n >= 1 && last.op == PushV) {
        out.pop_back();
        switch (in.op) {
        case Add: out.push_back(Instr{AddV, last.slot, in.code, 0.0}); return;
        case Sub: out.push_back(Instr{SubV, last.slot, in.code, 0.0}); return;
        case Mul: out.push_back(Instr{MulV, last.slot, in.code, 0.0}); return;
        case Div: out.push_back(Instr{DivV, last.slot, in.code, 0.0}); return;
        default: out.push_back(Instr{Fn2V, last.slot, in.code, 0.0}); return;
        }
    }
    if (n >= 1 && IsTerm(last.op) && (in.op == Add || in.op == Sub)) {
        out.back().op = static_cast<uint8_t>((in.op == Add ? AddT1 : SubT1) + (last.op - PushT1));
        return;
    }
    if (in.op >= Add && in.op <= Div) {
        // A literal left operand moves behind the right operand's code
        // (a + e is e + a, a - e is computed as k - top).
        int need = 1;
        size_t j = n;
        while (j > 0 && need > 0) need -= StackEffect(out[--j].op);
        if (need == 0 && j >= 1 && out[j - 1].op == PushK) {
            double k = out[j - 1].k;
            out.erase(out.begin() + static_cast<std::ptrdiff_t>(j - 1));
            switch (in.op) {
            case Add: AppendWithLiteral(out, in, k); return;
            case Mul: out.push_back(Instr{MulK, 0, in.code, k}); return;
            case Sub: out.push_back(Instr{RSubK, 0, in.code, k}); return;
            default: out.push_back(Instr{RDivK, 0, in.code, k}); return;
            }
        }
    }
    out.push_back(in);
}

// Numbers of the text: "." as the point whatever the process locale.
locale_t CLocale() {
    static locale_t loc = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

// ---------------------------------------------------------------------------

CExpression::CExpression() = default;

CExpression::CExpression(const CExpression& other) { *this = other; }

CExpression& CExpression::operator=(const CExpression& other) {
    if (this == &other) return *this;
    RaiseErrors = other.RaiseErrors;
    AutoCreateVariables = other.AutoCreateVariables;
    text_ = other.text_;
    errCode_ = other.errCode_;
    errDescription_ = other.errDescription_;
    errPos_ = other.errPos_;
    roots_ = other.roots_;
    rpn_ = other.rpn_;
    plan_ = other.plan_;
    runnable_ = other.runnable_;
    singleVariable_ = other.singleVariable_;
    auto clone = [](const std::shared_ptr<CVariable>& v) { return std::make_shared<CVariable>(*v); };
    variables_.clear();
    for (const auto& v : other.variables_) variables_.push_back(clone(v));
    // The program's variables become the copies of the same names (or copies
    // of their own when the list no longer holds them).
    progVars_.clear();
    for (const auto& pv : other.progVars_) {
        std::shared_ptr<CVariable> mine;
        for (size_t i = 0; i < other.variables_.size(); ++i)
            if (other.variables_[i] == pv) mine = variables_[i];
        progVars_.push_back(mine ? mine : clone(pv));
    }
    MapSlots();
    return *this;
}

std::string_view CExpression::SymbolName(int code) {
    if (code < 0 || code >= 68 || code == kEndMark) return {};
    return kSymbols[code].name;
}

void CExpression::ClearError() {
    errCode_ = 0;
    errDescription_.clear();
    errPos_ = 0;
    MapSlots();
}

void CExpression::ThrowIfError() const {
    if (errCode_ != 0) throw ExpressionError(errCode_, errPos_, errDescription_);
}

std::shared_ptr<CVariable> CExpression::Variable(int position) const {
    if (position < 1 || position > VariablesCount()) return nullptr;
    return variables_[static_cast<size_t>(position - 1)];
}

std::shared_ptr<CVariable> CExpression::Variable(std::string_view name, bool createIfNeeded) {
    std::string key = UpperText(name);
    for (const auto& v : variables_)
        if (UpperText(v->Name) == key) return v;
    if (!createIfNeeded) return nullptr;
    auto v = std::make_shared<CVariable>();
    v->Name = std::string(name);
    AddVariable(v);
    return v;
}

int CExpression::AddVariable(std::shared_ptr<CVariable> newVar) {
    if (!newVar) return 0;
    std::string key = UpperText(newVar->Name);
    std::erase_if(variables_, [&](const auto& v) { return UpperText(v->Name) == key; });
    size_t pos = 0;
    while (pos < variables_.size() && UpperText(variables_[pos]->Name) <= key) ++pos;
    variables_.insert(variables_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(newVar));
    MapSlots();
    return static_cast<int>(pos) + 1;
}

// ---------------------------------------------------------------------------
// Compilation

// Records a compile error; Parse returns straight after (a refusal is
// common on typed text, so it costs no exception).
void CExpression::Fail(int code, const std::string& description) {
    errCode_ = code;
    errDescription_ = description;
}

void CExpression::Emit(const Token& t) {
    if (static_cast<int>(rpn_.size()) >= kMaxTokens) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    rpn_.push_back(t);
}

int CExpression::VariableSlot(const std::shared_ptr<CVariable>& v) {
    for (size_t i = 0; i < progVars_.size(); ++i)
        if (progVars_[i] == v) return static_cast<int>(i);
    progVars_.push_back(v);
    return static_cast<int>(progVars_.size()) - 1;
}

void CExpression::SetExpression(std::string_view text) {
    text_ = std::string(text);
    try {
        Parse();
    } catch (const rt::RuntimeError&) {
        // Too long a formula: the object stays usable, the caller is told.
        Finish();
        throw;
    }
    Finish();
}

void CExpression::Parse() {
    rpn_.clear();
    progVars_.clear();
    roots_.clear();
    errCode_ = 0;
    errDescription_.clear();

    std::string s = text_;
    s.push_back('\0');
    auto at = [&](size_t i) { return i < s.size() ? s[i] : '\0'; };

    // Operator and argument-count stacks, entries 1..kStackSize.
    int ops[kStackSize + 1];
    int counts[kStackSize + 1];
    int opTop = 0, countTop = 0;
    bool expectOperand = true;
    int operands = 0;
    size_t p = 0;

    auto push = [&](int code) {
        if (opTop >= kStackSize) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
        ops[++opTop] = code;
        if (kSymbols[code].nargs >= 1) {
            if (countTop >= kStackSize) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
            counts[++countTop] = kSymbols[code].nargs;
            expectOperand = true;
        }
    };
    auto argCountError = [&]() {
        std::string name = opTop >= 2 ? std::string(kSymbols[ops[opTop - 1]].name) : std::string();
        // A comma between digits that breaks the count is most likely a
        // decimal comma: say so, since the formulas want a decimal point.
        // (The comma has just been read: it is the character before p.)
        const bool decimalComma = p >= 2 && s[p - 1] == ',' && IsDigit(s[p - 2]) && IsDigit(at(p));
        if (name.empty() || name == "(") {  // not inside a function's brackets
            if (decimalComma)
                Fail(kArgCount, "Coma decimal: escribe los decimales con punto (2.5, no 2,5).");
            else
                Fail(kArgCount,
                     "Hay una coma fuera de los argumentos de una función (los decimales se escriben con punto: 1.5).");
            return;
        }
        if (decimalComma) {
            Fail(kArgCount, "Número de argumentos incorrecto para " + name +
                                ". Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).");
            return;
        }
        Fail(kArgCount, "Número de argumentos incorrecto para " + name);
    };

    ops[++opTop] = kBottom;
    counts[++countTop] = 1;

    for (;;) {
        while (at(p) == ' ') ++p;
        errPos_ = static_cast<int>(p) + 1;
        char c = at(p);

        if (expectOperand) {
            if (IsDigit(c) || c == '.') {
                // digits [. digits] [E|D [sign] digits]
                std::string lit;
                while (IsDigit(at(p))) lit += s[p++];
                if (at(p) == '.') {
                    lit += s[p++];
                    while (IsDigit(at(p))) lit += s[p++];
                }
                bool anyDigit = lit.find_first_of("0123456789") != std::string::npos;
                char e = Upper(at(p));
                if (e == 'E' || e == 'D') {
                    ++p;
                    std::string exp;
                    if (at(p) == '+' || at(p) == '-') exp += s[p++];
                    std::string expDigits;
                    while (IsDigit(at(p))) expDigits += s[p++];
                    if (!expDigits.empty()) lit += "e" + exp + expDigits;
                }
                double value = 0.0;
                if (anyDigit) {
                    value = strtod_l(lit.c_str(), nullptr, CLocale());
                    if (std::isinf(value)) rt::Raise(rt::ErrorCode::Overflow);
                }
                if (ops[opTop] == kNeg) {
                    value = -value;
                    --opTop;
                }
                Emit(Token{kOperand, -1, value});
                ++operands;
                expectOperand = false;
            } else if (c == '+') {
                ++p;
            } else if (c == '-') {
                push(kNeg);
                ++p;
            } else if (c == '(') {
                push(kOpen);
                ++p;
            } else if (IsLetter(c)) {
                size_t start = p;
                while (IsLetter(at(p)) || IsDigit(at(p)) || at(p) == '_') ++p;
                std::string name = s.substr(start, p - start);
                while (at(p) == ' ') ++p;
                std::string key = UpperText(name);
                int code = 0;
                for (int k = kPi; k <= kBar; ++k)
                    if (!kSymbols[k].name.empty() && kSymbols[k].name == key) {
                        code = k;
                        break;
                    }
                if (code == 0 && key == "NOT") code = kNot;

                if (code == kNot) {
                    push(kNot);
                } else if (code == 0) {
                    auto var = Variable(name, AutoCreateVariables);
                    if (!var) return Fail(kUnknownSymbol, "Símbolo o función desconocido" + name);
                    std::string vn = UpperText(var->Name);
                    if (vn != "X" && vn != "Y" && vn != "Z")
                        return Fail(kUnknownSymbol, "Símbolo o función desconocido");
                    Emit(Token{kOperand, static_cast<int16_t>(VariableSlot(var)), 0.0});
                    ++operands;
                    expectOperand = false;
                } else if (kSymbols[code].nargs >= 1) {
                    if (at(p) != '(') return Fail(kSyntax, "Error de sintaxis: Falta paréntesis");
                    push(code);
                    push(kOpen);
                    ++p;
                    --countTop;
                } else {
                    Emit(Token{static_cast<int16_t>(code), -1, 0.0});
                    ++operands;
                    expectOperand = false;
                    if (at(p) == '(' && at(p + 1) == ')') p += 2;
                }
            } else if (c == '\0') {
                return Fail(kSyntax, "Error de sintaxis: No se espera fin de la expresión");
            } else {
                return Fail(kSyntax, "Error de sintaxis: Símbolo desconocido");
            }
            continue;
        }

        // An operator is expected.
        int code = 0;
        for (int k = kEndMark; k <= kXor; ++k) {
            std::string_view nm = kSymbols[k].name;
            if (p + nm.size() > s.size()) continue;
            bool match = true;
            for (size_t i = 0; i < nm.size() && match; ++i) match = Upper(s[p + i]) == nm[i];
            if (match) {
                code = k;
                break;
            }
        }
        if (code == 0) return Fail(kUnknownOperator, "Operador desconocido");
        size_t len = kSymbols[code].name.size();
        if (code >= kMod && code <= kXor) {
            char before = p > 0 ? s[p - 1] : '\0';
            char after = at(p + len);
            if (!(before == ' ' || before == ')') || !(after == ' ' || after == '('))
                return Fail(kSyntax, "Error de sintaxis");
        }
        p += len;
        if (code != kClose) expectOperand = true;

        int prec = kSymbols[code].prec;
        while (kSymbols[ops[opTop]].prec >= prec && kSymbols[ops[opTop]].prec < 255) {
            int top = ops[opTop--];
            Emit(Token{static_cast<int16_t>(top), -1, 0.0});
            if (IsBinaryOperator(top))
                --operands;
            else if (top != kNeg && top != kNot)
                operands -= kSymbols[top].nargs - 1;
            if (operands < 1) return Fail(kSyntax, "Error de sintaxis");
        }

        if (code == kEndMark || code == kComma || code == kClose) {
            if (--counts[countTop] < 0) return argCountError();
        }
        if (code == kEndMark) {
            if (opTop > 1) return Fail(kSyntax, "Error de sintaxis");
            if (counts[countTop] != 0) return argCountError();
            errPos_ = 0;
            return;
        }
        if (code == kClose) {
            if (ops[opTop] != kOpen) return Fail(kSyntax, "Error de sintaxis");
            if (counts[countTop] != 0) return argCountError();
            --opTop;
            --countTop;
        } else if (code == kComma) {
            if (counts[countTop] == 0) return argCountError();
        } else {
            push(code);
        }
    }
}

// Builds the executable plan of whatever program the last compilation left.
void CExpression::Finish() {
    BuildPlan();
    MapSlots();
}

void CExpression::BuildPlan() {
    plan_.clear();
    runnable_ = false;
    singleVariable_ = rpn_.size() == 1 && rpn_[0].code == kOperand && rpn_[0].var >= 0;

    // Stack check: a program is run only when every operation finds its
    // operands. The 31st pending operand overflows the evaluation stack.
    int depth = 0;
    int overflowAt = -1;
    for (size_t i = 0; i < rpn_.size(); ++i) {
        int c = rpn_[i].code;
        int need, delta;
        if (c == kOperand || c == kPi || c == kRads) {
            need = 0;
            delta = 1;
        } else if (c == kNeg || c == kNot || (IsFunction(c) && kSymbols[c].nargs == 1)) {
            need = 1;
            delta = 0;
        } else if (IsBinaryOperator(c) || (IsFunction(c) && kSymbols[c].nargs == 2)) {
            need = 2;
            delta = -1;
        } else if (IsFunction(c) && kSymbols[c].nargs == 3) {
            need = 3;
            delta = -2;
        } else {
            return;  // not a code the compiler emits
        }
        if (depth < need) return;
        depth += delta;
        if (depth > kStackSize && overflowAt < 0) overflowAt = static_cast<int>(i);
    }
    if (progVars_.size() > kMaxSlots) return;
    runnable_ = true;

    if (overflowAt >= 0) {
        for (int i = 0; i < overflowAt; ++i) plan_.push_back(Direct(rpn_[static_cast<size_t>(i)]));
        plan_.push_back(Instr{StackFull, 0, 0, 0.0});
        return;
    }
    for (const Token& t : rpn_) {
        if (gSimplifyPlans)
            Append(plan_, Direct(t));
        else
            plan_.push_back(Direct(t));
    }
}

// ---------------------------------------------------------------------------
// Evaluation

namespace {
inline double SlotValue(const rt::Variant& v) {
    if (v.IsNumber()) return Fin(v.Number());
    return Fin(v.ToNumber());  // Empty 0, booleans -1/0, numeric texts
}
}  // namespace

void CExpression::LoadSlots(double* slots) const {
    for (size_t u = 0; u < usedCount_; ++u) slots[usedSlots_[u]] = SlotValue(progVars_[usedSlots_[u]]->Value);
}

void CExpression::MapSlots() {
    bindList_.clear();
    for (const auto& v : variables_) bindList_.push_back(v.get());
    slotCount_ = std::min(progVars_.size(), kMaxSlots);
    for (size_t s = 0; s < slotCount_; ++s) {
        slotBind_[s] = -1;
        for (size_t i = 0; i < variables_.size(); ++i)
            if (variables_[i] == progVars_[s]) slotBind_[s] = static_cast<int>(i);
    }
    usedCount_ = 0;
    for (size_t s = 0; s < slotCount_; ++s) {
        bool used = false;
        for (const Instr& in : plan_) used = used || (ReadsSlot(in.op) && in.slot == s);
        if (used) usedSlots_[usedCount_++] = static_cast<uint8_t>(s);
    }
    fastReady_ = !text_.empty() && errCode_ == 0 && runnable_ && !plan_.empty();
}

double CExpression::Run(const double* slots) const {
    double stack[kStackSize + 2];
    double* sp = stack;
    double top = 0.0;
    const double af = AngleFactor;
    const Instr* ip = plan_.data();
    const Instr* const end = ip + plan_.size();

    // Threaded dispatch: each instruction jumps straight to the next one.
    static const void* const kLabels[kOpCount] = {
        &&L_PushK, &&L_PushV, &&L_PushT1, &&L_PushT2, &&L_PushT3, &&L_StackFull, &&L_Neg,  &&L_Abs,  &&L_Sqrt,
        &&L_Exp,   &&L_Ln,    &&L_Sin,    &&L_Cos,    &&L_Tan,    &&L_Fn1,       &&L_Add,  &&L_Sub,  &&L_Mul,
        &&L_Div,   &&L_Pow,   &&L_Fn2,    &&L_AddK,   &&L_SubK,   &&L_MulK,      &&L_DivK, &&L_Sq,   &&L_Cube,
        &&L_PowK,  &&L_Fn2K,  &&L_RSubK,  &&L_RDivK,  &&L_AddV,   &&L_SubV,      &&L_MulV, &&L_DivV, &&L_Fn2V,
        &&L_AddT1, &&L_AddT2, &&L_AddT3,  &&L_SubT1,  &&L_SubT2,  &&L_SubT3,     &&L_Fn3,
    };
#define NEXT                          \
    do {                              \
        if (++ip == end) goto L_Done; \
        goto* kLabels[ip->op];        \
    } while (0)

    if (ip == end) return 0.0;
    goto* kLabels[ip->op];

L_PushK:
    *++sp = top;
    top = ip->k;
    NEXT;
L_PushV:
    *++sp = top;
    top = slots[ip->slot];
    NEXT;
    // A term: one check covers both products (an infinite power times any
    // finite k, 0 included, is not finite).
#define V1 (slots[ip->slot])
#define V2 (slots[ip->slot] * slots[ip->slot])
#define V3 ((slots[ip->slot] * slots[ip->slot]) * slots[ip->slot])
L_PushT1:
    *++sp = top;
    top = Fin(ip->k * V1);
    NEXT;
L_PushT2:
    *++sp = top;
    top = Fin(ip->k * V2);
    NEXT;
L_PushT3:
    *++sp = top;
    top = Fin(ip->k * V3);
    NEXT;
L_StackFull:
    Throw(rt::ErrorCode::SubscriptOutOfRange);

L_Neg:
    top = -top;
    NEXT;
L_Abs:
    top = std::fabs(top);
    NEXT;
L_Sqrt:
    if (top < 0) Throw(rt::ErrorCode::InvalidCall);
    top = std::sqrt(top);
    NEXT;
L_Exp:
    top = Fin(std::exp(top));
    NEXT;
L_Ln:
    if (!(top > 0)) Throw(rt::ErrorCode::InvalidCall);
    top = std::log(top);
    NEXT;
L_Sin:
    top = std::sin(Fin(af * top));
    NEXT;
L_Cos:
    top = std::cos(Fin(af * top));
    NEXT;
L_Tan:
    top = Fin(std::tan(Fin(af * top)));
    NEXT;
L_Fn1:
    top = Apply1(ip->code, top);
    NEXT;

L_Add:
    top = Fin(*sp-- + top);
    NEXT;
L_Sub:
    top = Fin(*sp-- - top);
    NEXT;
L_Mul:
    top = Fin(*sp-- * top);
    NEXT;
L_Div:
    top = CheckedDiv(*sp--, top);
    NEXT;
L_Pow:
    top = CheckedPow(*sp--, top);
    NEXT;
L_Fn2:
    top = Apply2(ip->code, *sp--, top);
    NEXT;

L_AddK:
    top = Fin(top + ip->k);
    NEXT;
L_SubK:
    top = Fin(top - ip->k);
    NEXT;
L_MulK:
    top = Fin(top * ip->k);
    NEXT;
L_DivK:
    top = CheckedDiv(top, ip->k);
    NEXT;
L_Sq:
    top = Fin(top * top);
    NEXT;
L_Cube:
    top = Fin(top * top * top);
    NEXT;
L_PowK:
    top = rt::Pow(top, ip->k);
    NEXT;
L_Fn2K:
    top = Apply2(ip->code, top, ip->k);
    NEXT;
L_RSubK:
    top = Fin(ip->k - top);
    NEXT;
L_RDivK:
    top = CheckedDiv(ip->k, top);
    NEXT;

L_AddV:
    top = Fin(top + slots[ip->slot]);
    NEXT;
L_SubV:
    top = Fin(top - slots[ip->slot]);
    NEXT;
L_MulV:
    top = Fin(top * slots[ip->slot]);
    NEXT;
L_DivV:
    top = CheckedDiv(top, slots[ip->slot]);
    NEXT;
L_Fn2V:
    top = Apply2(ip->code, top, slots[ip->slot]);
    NEXT;
L_AddT1:
    top = Fin(top + ip->k * V1);
    NEXT;
L_AddT2:
    top = Fin(top + ip->k * V2);
    NEXT;
L_AddT3:
    top = Fin(top + ip->k * V3);
    NEXT;
L_SubT1:
    top = Fin(top - ip->k * V1);
    NEXT;
L_SubT2:
    top = Fin(top - ip->k * V2);
    NEXT;
L_SubT3:
    top = Fin(top - ip->k * V3);
    NEXT;
#undef V1
#undef V2
#undef V3

L_Fn3:
    top = Apply3(ip->code, sp[-1], sp[0], top);
    sp -= 2;
    NEXT;
#undef NEXT
L_Done:
    return top + 0.0;  // no negative zero
}

rt::Variant CExpression::RunVariant() {
    if (singleVariable_) {
        const rt::Variant& v = progVars_[0]->Value;
        if (v.IsNumber()) Fin(v.Number());
        return v;
    }
    if (plan_.empty()) return {};
    double slots[kMaxSlots];
    LoadSlots(slots);
    return Run(slots);
}

rt::Variant CExpression::Value(std::span<const double> vars) {
    if (text_.empty() || errCode_ != 0 || !runnable_) return {};
    size_t n = std::min(vars.size(), variables_.size());
    for (size_t i = 0; i < n; ++i) variables_[i]->Value = vars[i];
    if (!RaiseErrors) {
        try {
            return RunVariant();
        } catch (const rt::RuntimeError&) { return rt::Variant(std::string()); }
    }
    return RunVariant();
}

double CExpression::ValueFast(const double* vars, int n) {
    if (!fastReady_) return 0.0;
    const size_t m = std::min(static_cast<size_t>(std::max(n, 0)), variables_.size());
    CVariable* const* list = bindList_.data();
    for (size_t i = 0; i < m; ++i) list[i]->Value = vars[i];
    // The slots the plan reads; those bound by this call take their numbers
    // straight from vars.
    double slots[kMaxSlots];
    for (size_t u = 0; u < usedCount_; ++u) {
        const size_t s = usedSlots_[u];
        const int p = slotBind_[s];
        slots[s] = static_cast<size_t>(p) < m ? Fin(vars[p]) : SlotValue(progVars_[s]->Value);
    }
    return Run(slots);
}

rt::Variant CExpression::Evaluate(std::string_view text, std::span<const double> vars) {
    SetExpression(text);
    if (text_.empty() || errCode_ != 0) return {};
    size_t n = std::min(vars.size(), variables_.size());
    for (size_t i = 0; i < n; ++i) variables_[i]->Value = vars[i];
    return Value();
}

std::string CExpression::RPNExpression() const {
    if (text_.empty() || errCode_ != 0) return {};
    std::string out;
    for (const Token& t : rpn_) {
        out += ' ';
        if (t.code == kOperand)
            out += t.var >= 0 ? progVars_[static_cast<size_t>(t.var)]->Name : rt::NumberText(t.number);
        else
            out += SymbolName(t.code);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Root search on a grid

std::string CExpression::FindRoots(double lowLimit, double highLimit, double interval, std::string_view varName,
                                   double tolerance) {
    if (text_.empty() || errCode_ != 0 || variables_.empty()) return {};
    if (lowLimit > highLimit) std::swap(lowLimit, highLimit);
    if (interval <= 0) interval = (highLimit - lowLimit) / 200;
    std::shared_ptr<CVariable> var = varName.empty() ? variables_[0] : Variable(varName, false);
    if (!var) return {};
    // A grid step that cannot move x would never reach the upper limit.
    if (!(lowLimit + interval != lowLimit) || !(highLimit + interval != highLimit))
        return "Los límites son iguales o el paso es demasiado pequeño para buscar raíces.";

    rt::Variant saved = var->Value;
    roots_.clear();
    // f(x); false when the evaluation fails (the value is then left as it was).
    auto f = [&](double x, double& y) {
        try {
            var->Value = x;
            double v = Value().ToNumber();
            y = v;
            return true;
        } catch (const rt::RuntimeError&) { return false; }
    };

    // The scan walks the grid points themselves: a refinement never moves
    // them, so the scan ends after (high - low) / interval steps.
    double x1 = lowLimit, y1 = 0, y2 = 0, x3 = 0, y3 = 0;
    f(x1, y1);
    do {
        double x2 = x1 + interval;
        if (!std::isfinite(x2)) break;
        if (f(x2, y2) && rt::Sgn(y1) != rt::Sgn(y2)) {
            double a = x1, fa = y1, b = x2, fb = y2;
            for (int it = 0; it < 50; ++it) {
                double t = a + (b - a) * fa / (fa - fb);
                if (std::isfinite(t)) x3 = t;
                f(x3, y3);
                if (std::fabs(y3) < tolerance) break;
                if (rt::Sgn(y3) == rt::Sgn(fa)) {
                    a = x3;
                    fa = y3;
                } else {
                    b = x3;
                    fb = y3;
                }
            }
            roots_.push_back(x3);
        }
        x1 = x2;
        y1 = y2;
    } while (x1 <= highLimit);
    var->Value = saved;
    return {};
}

double CExpression::Root(int index) const {
    if (index < 1 || index > RootsCount()) return 0.0;
    return roots_[static_cast<size_t>(index - 1)];
}

}  // namespace num
