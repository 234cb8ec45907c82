#include "calculator/eqnprocs.h"

#include <cmath>

#include "numerics/equations.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

using text::FormatTerm;

// A number of a result line, with the markup minus as in its equation.
std::string Num(const rt::Variant& v) {
    std::string s = v.ToText();
    if (s.starts_with('-')) s.replace(0, 1, ";-");
    return s;
}
std::string Num(double v) { return Num(rt::Variant(v)); }

// A sum of terms (coefficient, symbol): the first that does not vanish
// opens it, its minus by its number; "0" when every term vanishes.
std::string Sum(std::initializer_list<std::pair<double, rt::Variant>> terms) {
    std::string s;
    for (const auto& [coef, symbol] : terms) s += FormatTerm(!s.empty(), false, coef, symbol);
    return s.empty() ? "0" : s;
}

// The roots line and the extreme line of a quadratic a x² + b x + c whose
// roots are r.
void QuadraticLines(const num::Roots& r, double a, double b, ProcReport& out) {
    if (r.real == 2)
        out.lines[2] = "x!1 = " + Num(r.x[0]) + ",  x!2 = " + Num(r.x[1]);
    else
        out.lines[2] = "x!1!,!2 = " + Num(r.re) + " #mame " + Num(std::fabs(r.im)) + " i";
    out.lines[3] = "Valor extremo en x = " + Num(rt::Div(-b, rt::Mul(2, a)));
}

}  // namespace

ProcReport QuadraticReport(std::span<const rt::Variant> args, int decimals) {
    const double A = NumArg(args, 1), B = NumArg(args, 2), C = NumArg(args, 3);
    const num::Roots r = num::SolveQuadratic(A, B, C);
    ProcReport out;
    out.lines = text::ResultLines(3);
    out.lines[1] = Sum({{rt::RoundHalfEven(A, decimals), "x¡2"},
                        {rt::RoundHalfEven(B, decimals), "x"},
                        {rt::RoundHalfEven(C, decimals), 1}}) +
                   " = 0";
    QuadraticLines(r, A, B, out);
    return out;
}

ProcReport SquareQuadraticReport(std::span<const rt::Variant> args, int decimals) {
    const double A = NumArg(args, 1), B = NumArg(args, 2), C = NumArg(args, 3);
    const double D = NumArg(args, 4), E = NumArg(args, 5);
    const double a = rt::Mul(A, rt::Mul(B, B));
    const double b = rt::Add(rt::Mul(rt::Mul(rt::Mul(2, A), B), C), D);
    const double c = rt::Add(rt::Mul(A, rt::Mul(C, C)), E);
    const num::Roots r = num::SolveQuadratic(a, b, c);
    auto R = [decimals](double v) { return rt::RoundHalfEven(v, decimals); };
    ProcReport out;
    out.lines = text::ResultLines(3);
    out.lines[1] = Num(R(A)) + "(" + Sum({{R(B), "x"}, {R(C), 1}}) + ")¡2" + FormatTerm(true, false, R(D), "x") +
                   FormatTerm(true, false, R(E), 1) + " = 0" + "  o bien" + kCrLf +
                   Sum({{R(a), "x¡2"}, {R(b), "x"}, {R(c), 1}}) + " = 0";
    QuadraticLines(r, a, b, out);
    return out;
}

ProcReport CubicReport(std::span<const rt::Variant> args, int decimals) {
    const double A = NumArg(args, 1), B = NumArg(args, 2), C = NumArg(args, 3), D = NumArg(args, 4);
    const num::Roots r = num::SolveCubic(A, B, C, D);
    auto R = [decimals](double v) { return rt::RoundHalfEven(v, decimals); };
    ProcReport out;
    out.lines = text::ResultLines(4);
    out.lines[1] = Sum({{R(A), "x¡3"}, {R(B), "x¡2"}, {R(C), "x"}, {R(D), 1}}) + " = 0";
    if (r.real != 3)
        out.lines[2] =
            "x!1 = " + Num(r.x[0]) + kCrLf + "x!2!,!3 = " + Num(r.re) + " #mame " + Num(std::fabs(r.im)) + " i";
    else
        out.lines[2] = "x!1 = " + Num(r.x[0]) + kCrLf + "x!2 = " + Num(r.x[1]) + kCrLf + "x!3 = " + Num(r.x[2]);
    const num::Roots q = num::SolveQuadratic(rt::Mul(3, A), rt::Mul(2, B), C);
    if (q.real == 2)
        out.lines[3] = "Valores extremos en x = " + Num(q.x[0]) + kCrLf + "y en x = " + Num(q.x[1]);
    else
        out.lines[3] = "No hay valores extremos finitos.";
    out.lines[4] = "Punto de inflexión en x = " + Num(rt::Div(-B, rt::Mul(3, A)));
    return out;
}

ProcReport TrigEquationReport(std::span<const rt::Variant> args, int decimals) {
    const double A = NumArg(args, 1), B = NumArg(args, 2), C = NumArg(args, 3);
    const auto r = num::SolveTrigEquation(A, B, C);
    auto R = [decimals](double v) { return rt::RoundHalfEven(v, decimals); };
    ProcReport out;
    out.lines = text::ResultLines(2);
    out.lines[1] = Sum({{R(A), "cos ;q"}, {R(B), "sen ;q"}, {R(C), 1}}) + " = 0";
    if (!r) return ProcReport::Stop("No hay solución.");
    out.lines[2] =
        ";q!1 = " + text::FormatNum((*r)[0]).ToText() + "°,   ;q!2 = " + text::FormatNum((*r)[1]).ToText() + "°";
    return out;
}

}  // namespace calc
