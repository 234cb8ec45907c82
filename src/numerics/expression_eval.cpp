// The evaluator: binding values to the variables a plan reads and running
// the plan over a small stack of doubles.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "numerics/expression.h"
#include "numerics/expression_internal.h"

namespace num {

using namespace expr_internal;

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

}  // namespace num
