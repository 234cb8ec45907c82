#include "calculator/functable.h"

#include <cmath>
#include <limits>
#include <vector>

#include "numerics/calculus.h"
#include "numerics/expression.h"
#include "runtime/numtext.h"

namespace calc {

namespace {

// The value of the compiled formula at the given point, or the words that
// say it cannot be computed there (never a blank value).
const char kNoValue[] = "no se puede calcular";
std::string ValueText(num::CExpression& e, bool usable, std::initializer_list<double> point) {
    if (!usable) return kNoValue;
    try {
        return e.Value(point).ToText();
    } catch (const rt::RuntimeError&) { return kNoValue; }
}

}  // namespace

double TableRowCount(double x1, double x2, double dx) {
    const double q = std::fabs(x2 - x1) / dx;
    if (!std::isfinite(q)) return std::numeric_limits<double>::infinity();
    double whole = std::floor(q);
    const double next = whole + 1;
    if (next - q <= 1e-9 * std::fabs(next)) whole = next;
    return whole + 1;
}

ProcReport TabulateFunction(int procedureCode, std::string_view function, std::span<const rt::Variant> args,
                            int decimals) {
    std::string source(function);
    if (procedureCode == 14) source += "+0*X+0*Y";
    if (procedureCode == 15) source += "+0*X+0*Y+0*Z";
    num::CExpression e;
    bool usable = true;
    try {
        e.SetExpression(source);
        usable = e.ErrorCode() == 0;
    } catch (const rt::RuntimeError&) { usable = false; }
    const int n = static_cast<int>(args.size());
    auto R = [&](int i) { return rt::RoundedText(NumArg(args, i), decimals); };
    std::string rows;
    switch (procedureCode) {
    case 13:
        for (int i = 1; i <= n; ++i) rows += "f(" + R(i) + ") = " + ValueText(e, usable, {NumArg(args, i)}) + kCrLf;
        break;
    case 14:
        for (int i = 1; i <= n / 2; ++i)
            rows += "f(" + R(2 * i - 1) + ", " + R(2 * i) +
                    ") = " + ValueText(e, usable, {NumArg(args, 2 * i - 1), NumArg(args, 2 * i)}) + kCrLf;
        break;
    case 15:
        for (int i = 1; i <= n / 3; ++i)
            rows += "f(" + R(3 * i - 2) + ", " + R(3 * i - 1) + ", " + R(3 * i) + ") = " +
                    ValueText(e, usable, {NumArg(args, 3 * i - 2), NumArg(args, 3 * i - 1), NumArg(args, 3 * i)}) +
                    kCrLf;
        break;
    case 16: {
        const double x1 = NumArg(args, 1), x2 = NumArg(args, 2), dx = NumArg(args, 3);
        if (dx == 0) return ProcReport::Stop("El incremento no puede ser cero.");
        const double m = TableRowCount(x1, x2, dx);
        if (m <= 0) return ProcReport::Stop("Error en los datos.");
        if (m > kMaxTableRows) return ProcReport::Stop("Cálculo máximo 100 valores.");
        for (int i = 1; i <= static_cast<int>(m); ++i) {
            const double x = x1 + (i - 1) * dx;
            rows += "f(" + rt::NumberText(x) + ") = " + ValueText(e, usable, {x}) + kCrLf;
        }
        break;
    }
    default: return {};
    }
    ProcReport out;
    out.lines = {"Función: " + QuoteFunction(function) + kCrLf + rows};
    return out;
}

ProcReport FirstDerivativesReport(std::string_view function, std::span<const rt::Variant> args) {
    std::string rows;
    for (int i = 1; i <= static_cast<int>(args.size()); ++i) {
        double d = 0, err = 0;
        try {
            num::DerivRidders(function, NumArg(args, i), d, 0.5, err);
        } catch (const num::ExpressionError& e) { return ProcReport::Stop(CorrectExpression(e.what(), function)); }
        rows +=
            "f '(" + ArgText(args, i) + ") = " + rt::NumberText(d) + "        (" + rt::NumberText(err) + ")" + kCrLf;
    }
    ProcReport out;
    out.lines = {std::string("Derivada(s) de la función ") + kCrLf + "f(x) = " + QuoteFunction(function) + kCrLf +
                 rows};
    return out;
}

ProcReport SecondDerivativeReport(std::string_view text, std::span<const rt::Variant> args) {
    num::CExpression e;
    e.SetExpression(rt::Trim(text));
    if (e.ErrorCode() != 0) {
        ProcReport stop = ProcReport::Stop(CorrectExpression(e.ErrorDescription(), text));
        e.ClearError();
        return stop;
    }
    const std::string head =
        std::string("Segunda derivada de la función ") + kCrLf + "f(x) = " + QuoteFunction(text) + kCrLf;
    auto line = [&](const std::string& h, double step) {
        const double x = NumArg(args, 1);
        return ";e = " + h + ":   f ''(" + ArgText(args, 1) + ") = " + rt::NumberText(num::SecondDeriv5Pt(e, step, x));
    };
    ProcReport out;
    if (args.size() == 1) {
        static constexpr double kSteps[] = {0.1, 0.01, 0.001, 0.0001, 0.00001};
        out.lines = text::ResultLines(5);
        for (int k = 1; k <= 5; ++k) out.lines[k] = line(rt::NumberText(kSteps[k - 1]), kSteps[k - 1]);
        out.lines[1] = head + out.lines[1];
    } else if (args.size() == 2) {
        out.lines = {head + line(ArgText(args, 2), NumArg(args, 2))};
    }
    return out;
}

}  // namespace calc
