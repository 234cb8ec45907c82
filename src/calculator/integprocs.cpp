#include "calculator/integprocs.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calculator/helddigits.h"
#include "numerics/calculus.h"
#include "numerics/ode.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

// The Simpson result as shown: rounded to 5 decimals, or to 5 significant
// digits where 5 decimals would keep fewer of a small value (2E-08 is not
// shown as 0: scaling a function scales what is shown of its integral).
double ShownIntegral(double s) { return std::fabs(s) >= 0.1 ? rt::RoundHalfEven(s, 5) : rt::RoundSignificant(s, 5); }

// The adaptive result as shown: 12 significant digits, well within what the
// integration reaches, so the rounding of its many steps in the last digits
// (9.00000000000004 for the 9 of X^2 over [0, 3]) is not shown as a result.
double ShownAdaptiveIntegral(double v) { return rt::RoundSignificant(v, 12); }

// The end of the interval where the function has no value (1/X at 0), with
// the arithmetic's reason, when there is one: the integral of such a
// function is refused naming that end, whichever route was asked for.
std::optional<std::string> EndWithoutValue(const std::string& function, double a, double b) {
    num::CExpression f(function);
    f.ThrowIfError();
    for (double end : {std::min(a, b), std::max(a, b)}) {
        try {
            f.ValueFast(&end, 1);
        } catch (const rt::RuntimeError& atEnd) {
            return "La función no tiene valor en x = " + rt::NumberText(end) + " (" + atEnd.what() +
                   "), un extremo del intervalo. Toma un intervalo que no incluya ese punto.";
        }
    }
    return std::nullopt;
}

// Why the adaptive route could not run, when both ends have a value.
std::string NoValueMessage(double a, double b, const rt::RuntimeError& error) {
    return "No pude evaluar la función en algún punto entre " + rt::NumberText(std::min(a, b)) + " y " +
           rt::NumberText(std::max(a, b)) + " (" + error.what() + "). Revisa la fórmula o el intervalo.";
}

}  // namespace

ProcReport IntegralReport(std::string_view text, std::span<const rt::Variant> args) {
    const std::string function = rt::Trim(text);
    const size_t count = args.size();
    if (count < 2 || count > 4) return {};
    const double a = NumArg(args, 1), b = NumArg(args, 2);
    const std::string lower = rt::NumberText(std::min(a, b)), upper = rt::NumberText(std::max(a, b));
    ProcReport out;
    try {
        if (const std::optional<std::string> end = EndWithoutValue(function, a, b)) return ProcReport::Stop(*end);
        if (count == 2) {
            std::optional<rt::Outcome<double>> solved;
            try {
                solved = num::SolveODE1(function, a, b, num::AngleFactor);
            } catch (const num::ExpressionError&) { throw; } catch (const rt::RuntimeError& e) {
                return ProcReport::Stop(NoValueMessage(a, b, e));
            }
            const rt::Outcome<double>& v = *solved;
            if (!v.ok()) return ProcReport::Stop(v.message());
            out.lines = {
                "La integral de la función " + QuoteFunction(function),
                "entre x!1 = " + lower + " y x!2 = " + upper + " es:", rt::NumberText(ShownAdaptiveIntegral(*v))};
            return out;
        }
        double eps = 0.000001;
        if (count == 4) {
            eps = NumArg(args, 4);
            if (eps > 0.001) return ProcReport::Stop(kEpsilonTooLarge);
        }
        const rt::Outcome<num::SimpsonIntegral> s = num::IntegrateExpr(function, a, b, eps);
        if (!s.ok()) return ProcReport::Stop(s.message());
        std::string result = std::string("La integral de la función ") + kCrLf + "f(x) = " + QuoteFunction(text) +
                             kCrLf + "en el intervalo [" + lower + ", " + upper + "]" + kCrLf + "es " +
                             rt::NumberText(ShownIntegral(s->value));
        if (!s->met) result += std::string(kCrLf) + kPrecisionNotReached;
        out.lines = {result};
        return out;
    } catch (const num::ExpressionError& e) { return ProcReport::Stop(CorrectExpression(e.what(), function)); }
}

}  // namespace calc
