// Compiles and evaluates arbitrary formula texts with arbitrary variable
// values. Input: one byte of options, three doubles for X, Y and Z (when
// present), then the text. Nothing may crash or hang, no value may be
// infinite or not a number, the fast and the general evaluation must agree,
// and so must the simplified and the plain forms of the program.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "numerics/calculus.h"
#include "numerics/expression.h"
#include "numerics/jumps.h"
#include "numerics/ode.h"
#include "runtime/errors.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

struct Outcome {
    bool raised = false;
    int code = 0;
    double value = 0;
};

Outcome Fast(num::CExpression& e, const double* vars) {
    Outcome o;
    try {
        o.value = e.ValueFast(vars, 3);
        Check(std::isfinite(o.value));
    } catch (const rt::RuntimeError& err) {
        o.raised = true;
        o.code = err.number();
    }
    return o;
}

bool Compile(num::CExpression& e, std::string_view text) {
    try {
        e.SetExpression(text);
    } catch (const rt::RuntimeError& err) {
        Check(err.code() == rt::ErrorCode::SubscriptOutOfRange || err.code() == rt::ErrorCode::Overflow);
        return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    uint8_t options = data[0];
    ++data;
    --size;
    double vars[3] = {2, -0.5, 3};
    if (size >= sizeof vars) {
        std::memcpy(vars, data, sizeof vars);
        data += sizeof vars;
        size -= sizeof vars;
    }
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const num::AngleUnitScope angles((options & 1) ? 1.0 : num::kDefaultAngleFactor);

    num::CExpression e;
    e.AutoCreateVariables = !(options & 2);
    if (!Compile(e, text)) return 0;
    e.RPNExpression();
    if (e.ErrorCode() != 0) {
        Check(e.ErrorCode() >= 1 && e.ErrorCode() <= 4);
        Check(e.ErrorPos() >= 1 && static_cast<size_t>(e.ErrorPos()) <= text.size() + 1);
        Check(!e.ErrorDescription().empty());
        Check(e.Value(vars).IsEmpty());
        return 0;
    }

    bool finite = std::isfinite(vars[0]) && std::isfinite(vars[1]) && std::isfinite(vars[2]);
    Outcome fast = Fast(e, vars);

    // The general entry: a finite number, no value, or the error again.
    e.RaiseErrors = (options & 4) == 0;
    try {
        rt::Variant v = e.Value(vars);
        if (v.IsNumber()) {
            Check(std::isfinite(v.Number()));
            if (finite) Check(!fast.raised && v.Number() == fast.value);
        } else if (v.IsText()) {
            Check(!e.RaiseErrors && v.Text().empty());
            if (finite) Check(fast.raised);
        } else {
            Check(v.IsEmpty());
        }
    } catch (const rt::RuntimeError& err) {
        Check(e.RaiseErrors);
        if (finite) Check(fast.raised && fast.code == err.number());
    }

    // The same text compiled without simplifications gives the same outcome.
    if (finite) {
        num::CExpression plain;
        plain.AutoCreateVariables = e.AutoCreateVariables;
        num::CExpression::SetPlanSimplification(false);
        bool ok = Compile(plain, text);
        num::CExpression::SetPlanSimplification(true);
        Check(ok && plain.ErrorCode() == 0);
        Outcome p = Fast(plain, vars);
        Check(p.raised == fast.raised && p.code == fast.code);
        if (!p.raised) Check(p.value == fast.value);
    }

    // The routines below evaluate the formula over a range, hundreds of times.
    // A formula that fails at the variables' values mostly fails on its
    // range too, and every failure is a run-time error thrown, which the
    // sanitizers make costly: they get the formulas that work at that point,
    // which still fail wherever their range leaves their domain.
    if (fast.raised) return 0;

    // Root search over a grid of the variables' range.
    if (options & 8) {
        double lo = std::isfinite(vars[0]) ? vars[0] : -1, hi = std::isfinite(vars[1]) ? vars[1] : 1;
        e.FindRoots(lo, hi, 0, "", 1e-9);
        for (int i = 1; i <= e.RootsCount(); ++i) Check(std::isfinite(e.Root(i)));
    }

    // The routines on a function of one variable: finite answers or a
    // run-time error, never an infinity or a not-a-number.
    if (options & 16) {
        double lo = std::isfinite(vars[0]) ? vars[0] : 0, hi = std::isfinite(vars[1]) ? vars[1] : 1;
        const rt::Outcome<num::ExprRoots> found = num::FindExprRoots(text, lo, hi);
        if (found) {
            Check(!found->roots.empty() && found->roots.size() == found->values.size());
            for (size_t k = 0; k < found->roots.size(); ++k)
                Check(std::isfinite(found->roots[k]) && std::isfinite(found->values[k]));
        }
        // The places where the formula jumps lie inside the interval, in order.
        const std::vector<num::Jump> jumps = num::Jumps(e, "X", lo, hi);
        for (size_t k = 0; k < jumps.size(); ++k) {
            Check(std::isfinite(jumps[k].bound) && std::fmin(lo, hi) < jumps[k].at && jumps[k].at < std::fmax(lo, hi));
            if (k > 0) Check(jumps[k - 1].at < jumps[k].at);
        }
        rt::IgnoreError("a formula the routine refuses is a valid answer to any input", [&] {
            const rt::Outcome<num::SimpsonIntegral> s = num::IntegrateExpr(text, lo, hi, 1e-6);
            if (s.ok()) Check(std::isfinite(s->value));
        });
        rt::IgnoreError("a formula the routine refuses is a valid answer to any input", [&] {
            double d = 0, err = 0;
            num::DerivRidders(text, lo, d, 0.5, err);
            Check(std::isfinite(d) && std::isfinite(err));
        });
        rt::IgnoreError("a formula the routine refuses is a valid answer to any input", [&] {
            const rt::Outcome<double> x1 = num::SolveODE1(text, lo, hi, num::AngleFactor);
            if (x1.ok()) Check(std::isfinite(*x1));
        });
    }
    return 0;
}
