// The evaluator: binding values to the variables a plan reads and running
// the plan over a small stack of doubles.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>

#include "numerics/expression.h"
#include "numerics/expression_internal.h"

namespace num {

using namespace expr_internal;

void CExpression::LoadSlots(double* slots) const {
    for (size_t u = 0; u < usedCount_; ++u) slots[usedSlots_[u]] = SlotValue(progVars_[usedSlots_[u]]->Value);
}

namespace {
// Plans of one or two instructions that ValueFast runs as one operation,
// named by what the first instruction pushes (V a variable, K a literal,
// Tn a term) and what the second one does.
enum Small : uint8_t {
    kNotSmall,
    // scale * x + shift, scale * x^2 + shift (MapSlots turns the kinds that
    // are these into them: one sequence of operations for the common ones)
    kLine,
    kSquare,
    kV,
    kT1,
    kT2,
    kT3,
    kVAddK,
    kVSubK,
    kVMulK,
    kVDivK,
    kVPowK,
    kVFn2K,
    kVRSubK,
    kVRDivK,
    kVAbs,
    kVSqrt,
    kVExp,
    kVLn,
    kVSin,
    kVCos,
    kVTan,
    kVFn1,
    kVAddV,
    kVSubV,
    kVMulV,
    kVDivV,
    kVFn2V,
    kKSubV,
    kKDivV,
    kKFn2V,
};

// The fused kind of a variable pushed and then `second`, or kNotSmall.
Small AfterVariable(uint8_t second) {
    switch (second) {
    case AddK: return kVAddK;
    case SubK: return kVSubK;
    case MulK: return kVMulK;
    case DivK: return kVDivK;
    case PowK: return kVPowK;
    case Fn2K: return kVFn2K;
    case RSubK: return kVRSubK;
    case RDivK: return kVRDivK;
    case Abs: return kVAbs;
    case Sqrt: return kVSqrt;
    case Exp: return kVExp;
    case Ln: return kVLn;
    case Sin: return kVSin;
    case Cos: return kVCos;
    case Tan: return kVTan;
    case Fn1: return kVFn1;
    case AddV: return kVAddV;
    case SubV: return kVSubV;
    case MulV: return kVMulV;
    case DivV: return kVDivV;
    case Fn2V: return kVFn2V;
    default: return kNotSmall;
    }
}

Small AfterLiteral(uint8_t second) {
    switch (second) {
    case SubV: return kKSubV;
    case DivV: return kKDivV;
    case Fn2V: return kKFn2V;
    default: return kNotSmall;
    }
}
}  // namespace

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

    // The fused form of a small plan whose variables are in the list.
    small_ = kNotSmall;
    smallNeed_ = std::numeric_limits<int64_t>::max();
    if (!fastReady_ || plan_.size() > 2) return;
    auto position = [&](uint8_t slot) { return slot < slotCount_ ? slotBind_[slot] : -1; };
    const Instr& a = plan_[0];
    Small kind = kNotSmall;
    int posA = -1, posB = -1;
    if (plan_.size() == 1) {
        kind = a.op == PushV ? kV : IsTerm(a.op) ? static_cast<Small>(kT1 + (a.op - PushT1)) : kNotSmall;
        posA = posB = position(a.slot);
        smallK_ = a.k;
    } else {
        const Instr& b = plan_[1];
        const bool readsB = ReadsSlot(b.op);
        if (a.op == PushV) {
            kind = AfterVariable(b.op);
            posA = position(a.slot);
            posB = readsB ? position(b.slot) : posA;
        } else if (a.op == PushK) {
            kind = AfterLiteral(b.op);
            posA = posB = position(b.slot);
        }
        smallK_ = a.op == PushK ? a.k : b.k;
        smallCode_ = b.code;
    }
    if (kind == kNotSmall || posA < 0 || posB < 0 || !std::isfinite(smallK_)) return;
    // As scale * x + shift these give the same bits: x - k is x + (-k), a
    // product by 1 or -1 is exact, the shift 0 only makes a zero positive
    // (as the result's + 0.0 does anyway), and the finite k keeps the one
    // check's outcome. A fused multiply-add gives the same too.
    const double k = smallK_;
    smallScale_ = 1.0;
    switch (kind) {
    case kV: kind = kLine, smallK_ = 0.0; break;
    case kT1: kind = kLine, smallScale_ = k, smallK_ = 0.0; break;
    case kT2: kind = kSquare, smallScale_ = k, smallK_ = 0.0; break;
    case kVAddK: kind = kLine; break;
    case kVSubK: kind = kLine, smallK_ = -k; break;
    case kVMulK: kind = kLine, smallScale_ = k, smallK_ = 0.0; break;
    case kVRSubK:
    case kKSubV: kind = kLine, smallScale_ = -1.0; break;
    default: break;
    }
    small_ = kind;
    smallNeed_ = static_cast<int64_t>(variables_.size());
    smallA_ = posA;
    smallB_ = posB;
}

// Every instruction's work, in the order of Op (checked below). Both ways
// of dispatching expand this one list, so they cannot come to differ. A body
// works on the evaluator's registers: `top` (the stack's top), `sp` (the rest
// of the stack), `ip` (the instruction), `slots` (the variables' values) and
// `af` (AngleFactor).
//
// A term: one check covers both products (an infinite power times any
// finite k, 0 included, is not finite).
#define V1 (slots[ip->slot])
#define V2 (slots[ip->slot] * slots[ip->slot])
#define V3 ((slots[ip->slot] * slots[ip->slot]) * slots[ip->slot])
// clang-format off
#define EXPR_OPS(X)                                                   \
    X(PushK,     *++sp = top; top = ip->k;)                           \
    X(PushV,     *++sp = top; top = slots[ip->slot];)                 \
    X(PushT1,    *++sp = top; top = Fin(ip->k * V1);)                 \
    X(PushT2,    *++sp = top; top = Fin(ip->k * V2);)                 \
    X(PushT3,    *++sp = top; top = Fin(ip->k * V3);)                 \
    X(StackFull, Throw(rt::ErrorCode::SubscriptOutOfRange);)          \
                                                                      \
    X(Neg,       top = -top;)                                         \
    X(Abs,       top = std::fabs(top);)                               \
    X(Sqrt,      if (top < 0) Throw(rt::ErrorCode::InvalidCall);      \
                 top = std::sqrt(top);)                               \
    X(Exp,       top = Fin(std::exp(top));)                           \
    X(Ln,        if (!(top > 0)) Throw(rt::ErrorCode::InvalidCall);   \
                 top = std::log(top);)                                \
    X(Sin,       top = std::sin(Fin(af * top));)                      \
    X(Cos,       top = std::cos(Fin(af * top));)                      \
    X(Tan,       top = Fin(std::tan(Fin(af * top)));)                 \
    X(Fn1,       top = Apply1(ip->code, top);)                        \
                                                                      \
    X(Add,       top = Fin(*sp-- + top);)                             \
    X(Sub,       top = Fin(*sp-- - top);)                             \
    X(Mul,       top = Fin(*sp-- * top);)                             \
    X(Div,       top = CheckedDiv(*sp--, top);)                       \
    X(Pow,       top = CheckedPow(*sp--, top);)                       \
    X(Fn2,       top = Apply2(ip->code, *sp--, top);)                 \
                                                                      \
    X(AddK,      top = Fin(top + ip->k);)                             \
    X(SubK,      top = Fin(top - ip->k);)                             \
    X(MulK,      top = Fin(top * ip->k);)                             \
    X(DivK,      top = CheckedDiv(top, ip->k);)                       \
    X(Sq,        top = Fin(top * top);)                               \
    X(Cube,      top = Fin(top * top * top);)                         \
    X(PowK,      top = rt::Pow(top, ip->k);)                          \
    X(Fn2K,      top = Apply2(ip->code, top, ip->k);)                 \
    X(RSubK,     top = Fin(ip->k - top);)                             \
    X(RDivK,     top = CheckedDiv(ip->k, top);)                       \
                                                                      \
    X(AddV,      top = Fin(top + slots[ip->slot]);)                   \
    X(SubV,      top = Fin(top - slots[ip->slot]);)                   \
    X(MulV,      top = Fin(top * slots[ip->slot]);)                   \
    X(DivV,      top = CheckedDiv(top, slots[ip->slot]);)             \
    X(Fn2V,      top = Apply2(ip->code, top, slots[ip->slot]);)       \
    X(AddT1,     top = Fin(top + ip->k * V1);)                        \
    X(AddT2,     top = Fin(top + ip->k * V2);)                        \
    X(AddT3,     top = Fin(top + ip->k * V3);)                        \
    X(SubT1,     top = Fin(top - ip->k * V1);)                        \
    X(SubT2,     top = Fin(top - ip->k * V2);)                        \
    X(SubT3,     top = Fin(top - ip->k * V3);)                        \
                                                                      \
    X(Fn3,       top = Apply3(ip->code, sp[-1], sp[0], top);          \
                 sp -= 2;)
// clang-format on

namespace {
// The list above holds every opcode once, in the order of Op, so a table
// indexed by opcode can be built from it.
#define EXPR_OP_CODE(name, ...) name,
constexpr uint8_t kListedOps[] = {EXPR_OPS(EXPR_OP_CODE)};
#undef EXPR_OP_CODE
constexpr bool ListedInOpOrder() {
    for (size_t i = 0; i < std::size(kListedOps); ++i)
        if (kListedOps[i] != i) return false;
    return std::size(kListedOps) == kOpCount;
}
static_assert(ListedInOpOrder(), "EXPR_OPS must list every Op once, in the order of the enum");
}  // namespace

// Threaded dispatch (each instruction jumps straight to the next one's code)
// where the compiler has labels as values; a switch loop elsewhere, or when
// TELUVAR_PORTABLE_DISPATCH asks for it.
#if (defined(__GNUC__) || defined(__clang__)) && !defined(TELUVAR_PORTABLE_DISPATCH)
#define EXPR_THREADED_DISPATCH 1
#endif

double CExpression::Run(const double* slots) const {
    double stack[kStackSize + 2];
    double* sp = stack;
    double top = 0.0;
    const double af = AngleFactor;
    const Instr* ip = plan_.data();
    const Instr* const end = ip + plan_.size();

#ifdef EXPR_THREADED_DISPATCH
#define EXPR_OP_LABEL(name, ...) &&L_##name,
    static const void* const kLabels[kOpCount] = {EXPR_OPS(EXPR_OP_LABEL)};
#undef EXPR_OP_LABEL
#define EXPR_NEXT                     \
    do {                              \
        if (++ip == end) goto L_Done; \
        goto* kLabels[ip->op];        \
    } while (0)
#define EXPR_OP_THREADED(name, ...) L_##name : {__VA_ARGS__} EXPR_NEXT;

    if (ip == end) return 0.0;
    goto* kLabels[ip->op];
    EXPR_OPS(EXPR_OP_THREADED)
#undef EXPR_OP_THREADED
#undef EXPR_NEXT
L_Done:
    return top + 0.0;  // no negative zero
#else
#define EXPR_OP_CASE(name, ...) \
    case name: {                \
        __VA_ARGS__             \
    } break;

    for (; ip != end; ++ip) {
        switch (ip->op) {
            EXPR_OPS(EXPR_OP_CASE)
        default: throw rt::RuntimeError(static_cast<rt::ErrorCode>(999), "Internal Error");
        }
    }
#undef EXPR_OP_CASE
    return top + 0.0;  // no negative zero
#endif
}

#undef EXPR_THREADED_DISPATCH
#undef EXPR_OPS
#undef V1
#undef V2
#undef V3

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

namespace {
[[gnu::noinline]] void BindOther(CVariable* v, double x) { v->Value = x; }

// Binding a number to a variable that holds one is a store.
inline void Bind(CVariable* v, double x) {
    if (v->Value.IsNumber()) [[likely]]
        v->Value = x;
    else
        BindOther(v, x);
}
}  // namespace

double CExpression::ValueFast(const double* vars, int n) {
    // A small plan with every variable bound by this call: no set-up.
    if (n >= smallNeed_) [[likely]] {
        // (A small plan reads a variable: there is one at least.) A variable
        // that holds no number goes the long way, which binds them all.
        CVariable* const* list = bindList_.data();
        rt::Variant& first = list[0]->Value;
        if (!first.IsNumber()) [[unlikely]]
            return ValueFastPlan(vars, n);
        first = vars[0];
        if (smallNeed_ > 1) [[unlikely]] {
            for (int64_t i = 1; i < smallNeed_; ++i) {
                rt::Variant& value = list[i]->Value;
                if (!value.IsNumber()) [[unlikely]]
                    return ValueFastPlan(vars, n);
                value = vars[i];
            }
        }
        if (small_ <= kSquare) [[likely]] {
            // (One check: the result is not finite when x is not.)
            const double x = vars[smallA_];
            const double y = small_ == kSquare ? x * x : x;
            return Fin(smallScale_ * y + smallK_) + 0.0;
        }
        return RunSmall(vars);
    }
    return ValueFastPlan(vars, n);
}

// A small plan's one fused operation: the evaluator's work on the same
// operands in the same order, without its set-up.
double CExpression::RunSmall(const double* vars) const {
    // A sum, difference or product is not finite when an operand is not (k
    // is finite): there one check stands for the operand's and the result's,
    // which raise the same fault. Elsewhere the operand is checked first.
    const double x = vars[smallA_];
    const double k = smallK_;
    double top;
    switch (small_) {
    case kT3: top = Fin(k * ((x * x) * x)); break;
    case kVAddV: top = Fin(x + vars[smallB_]); break;
    case kVSubV: top = Fin(x - vars[smallB_]); break;
    case kVMulV: top = Fin(x * vars[smallB_]); break;
    default: return RunSmallChecked(vars);
    }
    return top + 0.0;  // no negative zero
}

// The small plans whose operation needs its operand checked first.
double CExpression::RunSmallChecked(const double* vars) const {
    const double v = Fin(vars[smallA_]);
    const double k = smallK_;
    double top;
    switch (small_) {
    case kVDivK: top = CheckedDiv(v, k); break;
    case kVPowK: top = rt::Pow(v, k); break;
    case kVFn2K: top = Apply2(smallCode_, v, k); break;
    case kVRDivK: top = CheckedDiv(k, v); break;
    case kVAbs: top = std::fabs(v); break;
    case kVSqrt:
        if (v < 0) Throw(rt::ErrorCode::InvalidCall);
        top = std::sqrt(v);
        break;
    case kVExp: top = Fin(std::exp(v)); break;
    case kVLn:
        if (!(v > 0)) Throw(rt::ErrorCode::InvalidCall);
        top = std::log(v);
        break;
    case kVSin: top = std::sin(Fin(AngleFactor * v)); break;
    case kVCos: top = std::cos(Fin(AngleFactor * v)); break;
    case kVTan: top = Fin(std::tan(Fin(AngleFactor * v))); break;
    case kVFn1: top = Apply1(smallCode_, v); break;
    case kVDivV: top = CheckedDiv(v, Fin(vars[smallB_])); break;
    case kVFn2V: top = Apply2(smallCode_, v, Fin(vars[smallB_])); break;
    case kKDivV: top = CheckedDiv(k, v); break;
    case kKFn2V: top = Apply2(smallCode_, k, v); break;
    default: __builtin_unreachable();  // MapSlots sets only the kinds above
    }
    return top + 0.0;  // no negative zero
}

double CExpression::ValueFastPlan(const double* vars, int n) {
    if (!fastReady_) return 0.0;
    const size_t m = std::min(static_cast<size_t>(std::max(n, 0)), variables_.size());
    CVariable* const* list = bindList_.data();
    for (size_t i = 0; i < m; ++i) Bind(list[i], vars[i]);
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

}  // namespace num
