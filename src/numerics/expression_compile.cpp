// The executable plan: the reverse-Polish program becomes a flat array of
// instructions (expression_internal.h), simplified as it is laid down.
#include <cstddef>
#include <string>
#include <vector>

#include "numerics/expression.h"
#include "numerics/expression_internal.h"
#include "runtime/numtext.h"
#include "runtime/scopeguard.h"

namespace num {

using namespace expr_internal;

namespace {
bool gSimplifyPlans = true;
}  // namespace

void CExpression::SetPlanSimplification(bool on) { gSimplifyPlans = on; }

namespace {

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
    case kRads: return Instr{PushK, 0, code, kDegToRad};
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

}  // namespace

void CExpression::SetExpression(std::string_view text) {
    text_ = std::string(text);
    // However the compilation ends (too long a formula, or anything else),
    // the plan is that of the program it left: the object stays usable, the
    // caller is told.
    rt::ScopeGuard finish([this] { Finish(); });
    Parse();
    finish.Run();
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

const std::string& CExpression::ProgramVariableName(int slot) const {
    rt::ExpectIndex(slot, 0, static_cast<long long>(progVars_.size()) - 1, "program variable");
    return progVars_[static_cast<size_t>(slot)]->Name;
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

}  // namespace num
