// Result lines of the numeric procedures computed alone, from argument lists
// whose answers are worked out by hand: matrices, equations, roots, tables,
// derivatives and integrals.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calculator/eqnprocs.h"
#include "calculator/functable.h"
#include "calculator/integprocs.h"
#include "calculator/matrixprocs.h"
#include "calculator/rootprocs.h"
#include "numerics/expression.h"
#include "numerics/ode.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "text/globals.h"

namespace {

using rt::Variant;
using Args = std::vector<Variant>;
using Lines = std::vector<std::string>;
using calc::ProcReport;

Lines Of(const ProcReport& r) { return r.lines.Lines(); }

// Runs of a formula in radians, with the number of decimals the tests assume.
class Reports : public ::testing::Test {
protected:
    Reports() : decimals(text::G().Decimals) { text::G().Decimals = 3; }
    ~Reports() override { text::G().Decimals = decimals; }
    num::AngleUnitScope radians{num::kRadians};
    int decimals;
};

// The numbers after each "key" in a text, in order.
std::vector<double> NumbersAfter(const std::string& text, const std::string& key) {
    std::vector<double> out;
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        std::string rest = text.substr(at + key.size());
        if (rest.starts_with(";-")) rest.replace(0, 2, "-");  // the markup minus
        out.push_back(rt::Val(rest));
    }
    return out;
}

// ---- Matrices

TEST_F(Reports, DeterminantShowsTheRoundedMatrixAndTheDeterminant) {
    EXPECT_EQ(Of(calc::DeterminantReport(Args{2, 0, 0, 3}, 2, 3)), (Lines{"| 2     0 |\r\n| 0     3 |", ";D = 6"}));
    EXPECT_EQ(Of(calc::DeterminantReport(Args{5}, 1, 3)), (Lines{"| 5 |", ";D = 5"}));
    // The cells are shown rounded; the determinant comes from the values.
    EXPECT_EQ(Of(calc::DeterminantReport(Args{1.0 / 3, 1, 0, 1}, 2, 3)),
              (Lines{"| 0.333     1 |\r\n| 0     1 |", ";D = 0.333333333333333"}));
}

TEST_F(Reports, SingularMatricesHaveDeterminantZeroAndOthersTheirSignedValue) {
    const std::vector<Args> singular = {
        {1, 2, 0, 0},                 // a row of zeros
        {0, 0, 0, 0},                 // all zero
        {1, 2, 2, 4},                 // dependent rows: a zero pivot
        {1, 2, 3, 4, 5, 6, 7, 8, 9},  // dependent to the last bits of rounding
        {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9},
        {1e-20, 2e-20, 2e-20, 4e-20},  // tiny entries, still dependent
    };
    for (const Args& m : singular) {
        const int n = static_cast<int>(std::lround(std::sqrt(m.size())));
        ProcReport r = calc::DeterminantReport(m, n, 3);
        EXPECT_TRUE(r.message.empty());
        ASSERT_EQ(r.lines.UBound(), 2);
        EXPECT_EQ(r.lines[2], ";D = 0") << m[0].ToText() << " ... of order " << n;
    }
    // A regular matrix of small entries keeps its small determinant.
    EXPECT_EQ(calc::DeterminantReport(Args{1e-5, 0, 0, 0, 1e-5, 0, 0, 0, 1e-5}, 3, 3).lines[2], ";D = 1E-15");
    EXPECT_EQ(calc::DeterminantReport(Args{2, 1, 1, 1, 3, 2, 1, 0, 0}, 3, 3).lines[2],
              ";D = ;-1");  // the markup minus, as in every result line
}

TEST_F(Reports, LinearSystemWritesEquationsAndSolutionWithOneBlankAfterEqualsAndMinusByItsNumber) {
    EXPECT_EQ(Of(calc::LinearSystemReport(Args{1, 1, 3, 1, -1, 1}, 2, 3)),
              (Lines{"x!1 + x!2 = 3\r\nx!1 ;- x!2 = 1", "x!1 = 2\r\nx!2 = 1"}));
    // A leading negative coefficient keeps its minus by it, as the solution
    // does; a zero constant shows 0; a vanished first term leaves no " + ".
    EXPECT_EQ(Of(calc::LinearSystemReport(Args{-1, 2, 3, 1, 1, 0}, 2, 3)),
              (Lines{";-x!1 + 2 x!2 = 3\r\nx!1 + x!2 = 0", "x!1 = ;-1\r\nx!2 = 1"}));
    EXPECT_EQ(Of(calc::LinearSystemReport(Args{0, -2, 4, 1, 1, 1}, 2, 3))[0], ";-2 x!2 = 4\r\nx!1 + x!2 = 1");
    EXPECT_EQ(calc::LinearSystemReport(Args{1, 2, 3, 2, 4, 6}, 2, 3).message,
              "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.");
    EXPECT_TRUE(calc::LinearSystemReport(Args{0, 0, 1, 1, 1, 1}, 2, 3).stop);
    // Not singular, only too badly conditioned: its determinant is 1E-13, and
    // the rounding of 1 + 1E-13 as typed leaves the solution no sure digit.
    EXPECT_EQ(calc::LinearSystemReport(Args{1, 1, 2, 1, 1 + 1e-13, 3}, 2, 3).message,
              "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.");
    // The same matrix with a solution that does not depend on that rounding
    // (x2 = 0) is solved.
    EXPECT_EQ(Of(calc::LinearSystemReport(Args{1, 1, 2, 1, 1 + 1e-13, 2}, 2, 3))[1], "x!1 = 2\r\nx!2 = 0");
}

TEST_F(Reports, LinearSystemOfSmallCoefficientsIsSolved) {
    // Determinant -2E-12: regular, only small.
    ProcReport r = calc::LinearSystemReport(Args{1e-6, 1e-6, 3e-6, 1e-6, -1e-6, 1e-6}, 2, 3);
    ASSERT_FALSE(r.stop) << r.message;
    EXPECT_EQ(r.lines[2], "x!1 = 2\r\nx!2 = 1");
    // The echoed equations show every coefficient that is not zero, however
    // small for the decimals; the matrix of a determinant too.
    EXPECT_EQ(r.lines[1], "1E-06 x!1 + 1E-06 x!2 = 3E-06\r\n1E-06 x!1 ;- 1E-06 x!2 = 1E-06");
    EXPECT_EQ(calc::LinearSystemReport(Args{0.022, 0.000247, 1, 1, 1, 2}, 2, 3).lines[1],
              "0.022 x!1 + 0.000247 x!2 = 1\r\nx!1 + x!2 = 2");
    EXPECT_EQ(calc::DeterminantReport(Args{2, -0.0004, 0, 3}, 2, 3).lines[1], "| 2     ;-0.0004 |\r\n| 0     3 |");
}

// The polynomial through the points 1 .. 12 (condition 1.2E+16): with whole
// numbers, held exactly, refinement finds every digit; with values of 0.1,
// which binary rounds as they are typed, no digit of the solution would be
// sure, and the system is refused. A cell list that does not fill the typed
// size is bad input.
TEST_F(Reports, LinearSystemTooBadlyConditionedIsRefusedAndCellsMustFillItsSize) {
    for (double value : {1.0, 0.1}) {
        Args cells;
        for (int i = 1; i <= 12; ++i) {
            double sum = 0;
            for (int j = 0; j < 12; ++j) {
                cells.emplace_back(std::pow(i, j));
                sum += value * std::pow(i, j);
            }
            cells.emplace_back(sum);
        }
        const ProcReport r = calc::LinearSystemReport(cells, 12, 3);
        if (value == 1.0) {
            ASSERT_FALSE(r.stop) << r.message;
            for (int i = 1; i <= 12; ++i)
                EXPECT_NE(r.lines[2].find("x!" + std::to_string(i) + " = 1" + (i < 12 ? "\r\n" : "")),
                          std::string::npos)
                    << i;
            continue;
        }
        EXPECT_TRUE(r.stop);
        EXPECT_EQ(r.message,
                  "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.");
    }
    EXPECT_THROW(calc::LinearSystemReport(Args{1, 2, 3, 4}, 2, 3), rt::RuntimeError);
}

TEST_F(Reports, LinearSystemOfTwentyUnknownsNamesThemAll) {
    Args cells;
    for (int i = 1; i <= 20; ++i) {
        for (int j = 1; j <= 20; ++j) cells.emplace_back(i == j ? 2 : 0);
        cells.emplace_back(2 * i);
    }
    ProcReport r = calc::LinearSystemReport(cells, 20, 3);
    ASSERT_FALSE(r.stop);
    EXPECT_TRUE(r.lines[1].ends_with("\r\n2 x!20 = 40"));
    EXPECT_TRUE(r.lines[2].starts_with("x!1 = 1\r\nx!2 = 2\r\n"));
    EXPECT_TRUE(
        r.lines[2].ends_with("\r\nx!10 = 10\r\nx!11 = 11\r\nx!12 = 12\r\nx!13 = 13\r\nx!14 = 14\r\n"
                             "x!15 = 15\r\nx!16 = 16\r\nx!17 = 17\r\nx!18 = 18\r\nx!19 = 19\r\nx!20 = 20"));
}

// ---- Equations

TEST_F(Reports, QuadraticsOpenTheirLineWithoutABlankAndSignRootsWithTheMarkupMinus) {
    EXPECT_EQ(Of(calc::QuadraticReport(Args{1, -3, 2}, 3)),
              (Lines{"x¡2 ;- 3 x + 2 = 0", "x!1 = 2,  x!2 = 1", "Valor extremo en x = 1.5"}));
    EXPECT_EQ(Of(calc::QuadraticReport(Args{1, 2, 5}, 3)),
              (Lines{"x¡2 + 2 x + 5 = 0", "x!1!,!2 = ;-1 #mame 2 i", "Valor extremo en x = ;-1"}));
    EXPECT_EQ(Of(calc::QuadraticReport(Args{1, 0, -4}, 3)),
              (Lines{"x¡2 ;- 4 = 0", "x!1 = 2,  x!2 = ;-2", "Valor extremo en x = 0"}));
    // Coefficients are rounded in the equation only.
    EXPECT_EQ(Of(calc::QuadraticReport(Args{1, 0.0001, -4}, 3))[0], "x¡2 ;- 4 = 0");
    EXPECT_THROW(calc::QuadraticReport(Args{0, 2, 1}, 3), rt::RuntimeError);

    EXPECT_EQ(Of(calc::SquareQuadraticReport(Args{2, 1, -3, 0, -8}, 3)),
              (Lines{"2(x ;- 3)¡2 ;- 8 = 0  o bien\r\n2 x¡2 ;- 12 x + 10 = 0", "x!1 = 5,  x!2 = 1",
                     "Valor extremo en x = 3"}));
    EXPECT_THROW(calc::SquareQuadraticReport(Args{2, 0, -3, 1, -8}, 3), rt::RuntimeError);
}

TEST_F(Reports, CubicsOpenTheirLineWithoutABlankAndSignRootsWithTheMarkupMinus) {
    ProcReport three = calc::CubicReport(Args{1, -6, 11, -6}, 3);
    ASSERT_EQ(three.lines.UBound(), 4);
    EXPECT_EQ(three.lines[1], "x¡3 ;- 6 x¡2 + 11 x ;- 6 = 0");
    std::vector<double> roots = NumbersAfter(three.lines[2], " = ");
    ASSERT_EQ(roots.size(), 3u);
    std::sort(roots.begin(), roots.end());
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(roots[static_cast<size_t>(k)], k + 1, 1e-12);
    EXPECT_TRUE(three.lines[2].starts_with("x!1 = ") && three.lines[2].find("\r\nx!2 = ") != std::string::npos &&
                three.lines[2].find("\r\nx!3 = ") != std::string::npos);
    // The extremes solve 3x² - 12x + 11 = 0: 2 ± 1/√3.
    std::vector<double> ext = NumbersAfter(three.lines[3], "en x = ");
    ASSERT_EQ(ext.size(), 2u);
    EXPECT_NEAR(std::max(ext[0], ext[1]), 2 + 1 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(std::min(ext[0], ext[1]), 2 - 1 / std::sqrt(3.0), 1e-12);
    EXPECT_TRUE(three.lines[3].starts_with("Valores extremos en x = ") &&
                three.lines[3].find("\r\ny en x = ") != std::string::npos);
    EXPECT_EQ(three.lines[4], "Punto de inflexión en x = 2");

    ProcReport complex = calc::CubicReport(Args{1, 0, 3, 4}, 3);
    EXPECT_NEAR(NumbersAfter(complex.lines[2], "x!1 = ").at(0), -1, 1e-12);
    const std::string pair = complex.lines[2].substr(complex.lines[2].find("\r\n") + 2);
    EXPECT_EQ(pair, "x!2!,!3 = 0.5 #mame " + rt::NumberText(std::sqrt(15.0) / 2) + " i");
    EXPECT_EQ(complex.lines[3], "No hay valores extremos finitos.");
    EXPECT_EQ(complex.lines[4], "Punto de inflexión en x = 0");

    ProcReport twice = calc::CubicReport(Args{1, 0, -3, 2}, 3);
    EXPECT_EQ(twice.lines[2], "x!1 = ;-2\r\nx!2!,!3 = 1 #mame 0 i");
    EXPECT_EQ(twice.lines[3], "Valores extremos en x = 1\r\ny en x = ;-1");
    EXPECT_THROW(calc::CubicReport(Args{0, 1, 2, 3}, 3), rt::RuntimeError);
}

TEST_F(Reports, TrigonometricEquationsOpenWithoutABlankAndDropAZeroConstant) {
    EXPECT_EQ(Of(calc::TrigEquationReport(Args{1, 1, -1}, 3)),
              (Lines{"cos ;q + sen ;q ;- 1 = 0", ";q!1 = 0°,   ;q!2 = 90°"}));
    EXPECT_EQ(Of(calc::TrigEquationReport(Args{1, 0, 0}, 3)), (Lines{"cos ;q = 0", ";q!1 = ;-90°,   ;q!2 = 90°"}));
    ProcReport none = calc::TrigEquationReport(Args{1, 0, 2}, 3);
    EXPECT_TRUE(none.stop);
    EXPECT_EQ(none.message, "No hay solución.");
}

// ---- Roots

TEST_F(Reports, RootsListEachRootWithTheFunctionThere) {
    ProcReport r = calc::RootsReport("X^2-2", Args{0, 2});
    ASSERT_FALSE(r.stop);
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(r.lines[1], "1 raíz de la ecuación\r\nX^2-2 = 0\r\nen el intervalo [0, 2]:");
    ASSERT_TRUE(r.lines[2].starts_with("\r\nx1 = "));
    const double root = rt::Val(r.lines[2].substr(7));
    EXPECT_NEAR(root, std::sqrt(2.0), 1e-6);
    EXPECT_NE(r.lines[2].find("        f(x1) = "), std::string::npos);
    EXPECT_LT(std::fabs(NumbersAfter(r.lines[2], "f(x1) = ").at(0)), 1e-14);

    // The ends are written as typed; a slash is doubled.
    EXPECT_EQ(calc::RootsReport("X^2-2", Args{2, 0}).lines[1],
              "1 raíz de la ecuación\r\nX^2-2 = 0\r\nen el intervalo [2, 0]:");
    EXPECT_EQ(calc::RootsReport("1/X-2", Args{0.1, 1}).lines[1],
              "1 raíz de la ecuación\r\n1//X-2 = 0\r\nen el intervalo [0.1, 1]:");
}

TEST_F(Reports, RootsMessages) {
    ProcReport none = calc::RootsReport("X+1", Args{0, 1});
    EXPECT_TRUE(none.stop);
    EXPECT_EQ(none.message, "No encontré raíces en el intervalo dado.");
    EXPECT_EQ(calc::RootsReport("", Args{0, 1}).message, "No encontré raíces en el intervalo dado.");

    ProcReport many = calc::RootsReport("SEN(X)", Args{0, 200});
    ASSERT_FALSE(many.stop);
    EXPECT_EQ(many.message, "Se mostrarán 50 raíces. Para ver más raíces modifica el intervalo de búsqueda.");
    EXPECT_TRUE(many.lines[1].starts_with("50 raíces de la ecuación\r\nSEN(X) = 0\r\n"));
    for (int k = 1; k <= 50; ++k) {
        const std::string name = "x" + std::to_string(k) + " = ";
        ASSERT_NE(many.lines[2].find("\r\n" + name), std::string::npos) << k;
        EXPECT_NEAR(NumbersAfter(many.lines[2], "\r\n" + name).at(0), (k - 1) * M_PI, 1e-6);  // from 0
    }
    EXPECT_EQ(many.lines[2].find("x51"), std::string::npos);

    // A pole is no root, beside a root or alone.
    ProcReport pole = calc::RootsReport("TAN(X)", Args{1, 2});
    EXPECT_TRUE(pole.stop);
    EXPECT_EQ(pole.message, "No encontré raíces en el intervalo dado.");
    ProcReport beside = calc::RootsReport("TAN(X)", Args{0.5, 4});
    ASSERT_FALSE(beside.stop);
    EXPECT_TRUE(beside.lines[1].starts_with("1 raíz de la ecuación"));
    EXPECT_NEAR(rt::Val(beside.lines[2].substr(7)), M_PI, 1e-6);

    // A jump across 0 is listed, with the value there telling it apart.
    ProcReport jump = calc::RootsReport("ENT(X)-0.5", Args{0, 1.7});
    ASSERT_FALSE(jump.stop);
    EXPECT_NEAR(rt::Val(jump.lines[2].substr(7)), 1, 1e-6);
    EXPECT_EQ(std::fabs(NumbersAfter(jump.lines[2], "f(x1) = ").at(0)), 0.5);
}

// ---- Tables

TEST_F(Reports, TableBySteps) {
    EXPECT_EQ(Of(calc::TabulateFunction(16, "X^2", Args{0, 1, 0.25}, 3)),
              (Lines{"Función: X^2\r\nf(0) = 0\r\nf(0.25) = 0.0625\r\nf(0.5) = 0.25\r\nf(0.75) = 0.5625\r\n"
                     "f(1) = 1\r\n"}));
    // An end point on the grid is reached although the quotient falls short
    // of 3 by rounding; an end point off the grid is not.
    EXPECT_EQ(Of(calc::TabulateFunction(16, "X", Args{0, 0.3, 0.1}, 3)),
              (Lines{"Función: X\r\nf(0) = 0\r\nf(0.1) = 0.1\r\nf(0.2) = 0.2\r\nf(0.3) = 0.3\r\n"}));
    EXPECT_EQ(Of(calc::TabulateFunction(16, "X", Args{0, 1, 0.3}, 3)),
              (Lines{"Función: X\r\nf(0) = 0\r\nf(0.3) = 0.3\r\nf(0.6) = 0.6\r\nf(0.9) = 0.9\r\n"}));
    EXPECT_EQ(calc::TableRowCount(0, 0.7, 0.1), 8);
    EXPECT_LE(calc::TableRowCount(1, 0, -0.1), 0);  // steps away from the end: no row
    EXPECT_EQ(calc::TableRowCount(0, 0.35, 0.1), 4);

    ProcReport hundred = calc::TabulateFunction(16, "X", Args{0, 99, 1}, 3);
    ASSERT_FALSE(hundred.stop);
    EXPECT_TRUE(hundred.lines[1].ends_with("f(98) = 98\r\nf(99) = 99\r\n"));
    const std::vector<std::pair<Args, std::string>> refused = {
        {{0, 100, 1}, "Cálculo máximo 100 valores."},
        {{0, 1, 0}, "El incremento no puede ser cero."},
        {{0, 1, -1}, "Error en los datos."},
        {{0, 1, 1e-320}, "Cálculo máximo 100 valores."},
    };
    for (const auto& [args, message] : refused) {
        ProcReport r = calc::TabulateFunction(16, "X", args, 3);
        EXPECT_TRUE(r.stop);
        EXPECT_EQ(r.message, message);
        EXPECT_EQ(r.lines.UBound(), 0);
    }
}

TEST_F(Reports, TablesAtPointsPairsAndTriples) {
    // Points rounded to the decimals, values unrounded; a value that cannot be
    // computed says so.
    EXPECT_EQ(Of(calc::TabulateFunction(13, "LN(X)", Args{1.23456, -1, 1}, 3)),
              (Lines{"Función: LN(X)\r\nf(1.235) = " + rt::NumberText(std::log(1.23456)) +
                     "\r\nf(-1) = no se puede calcular\r\nf(1) = 0\r\n"}));
    EXPECT_EQ(Of(calc::TabulateFunction(13, "1/X", Args{4}, 3)), (Lines{"Función: 1//X\r\nf(4) = 0.25\r\n"}));
    // The values go to X, Y and Z in that order even when X or Y is missing;
    // an incomplete last point is left out.
    EXPECT_EQ(Of(calc::TabulateFunction(14, "Y", Args{2, 3, 4}, 3)), (Lines{"Función: Y\r\nf(2, 3) = 3\r\n"}));
    EXPECT_EQ(Of(calc::TabulateFunction(15, "Z-X", Args{1, 2, 5, 0, 0, 7, 9}, 3)),
              (Lines{"Función: Z-X\r\nf(1, 2, 5) = 4\r\nf(0, 0, 7) = 7\r\n"}));
    // A formula that does not compile: no value can be computed.
    EXPECT_EQ(Of(calc::TabulateFunction(13, "2*", Args{1, 2}, 3)),
              (Lines{"Función: 2*\r\nf(1) = no se puede calcular\r\nf(2) = no se puede calcular\r\n"}));
}

// ---- Derivatives and integrals

TEST_F(Reports, FirstDerivatives) {
    ProcReport r = calc::FirstDerivativesReport("X^3", Args{1, 2});
    ASSERT_EQ(r.lines.UBound(), 1);
    const std::string& t = r.lines[1];
    ASSERT_TRUE(t.starts_with("Derivada(s) de la función \r\nf(x) = X^3\r\nf '(1) = ")) << t;
    EXPECT_NEAR(NumbersAfter(t, "f '(1) = ").at(0), 3, 1e-9);
    EXPECT_NEAR(NumbersAfter(t, "f '(2) = ").at(0), 12, 1e-9);
    EXPECT_NE(t.find("        ("), std::string::npos);
    EXPECT_TRUE(t.ends_with(")\r\n"));
    EXPECT_TRUE(calc::FirstDerivativesReport("1/X", Args{1}).lines[1].find("f(x) = 1//X\r\n") != std::string::npos);

    ProcReport bad = calc::FirstDerivativesReport("2*", Args{1});
    EXPECT_TRUE(bad.stop);
    EXPECT_TRUE(bad.message.ends_with("\r\nCorrige la expresión 2*")) << bad.message;
}

TEST_F(Reports, SecondDerivatives) {
    ProcReport five = calc::SecondDerivativeReport("X^3 ", Args{2});
    ASSERT_EQ(five.lines.UBound(), 5);
    EXPECT_TRUE(five.lines[1].starts_with("Segunda derivada de la función \r\nf(x) = X^3 \r\n;e = 0.1:   f ''(2) = "));
    EXPECT_TRUE(five.lines[5].starts_with(";e = 1E-05:   f ''(2) = "));
    EXPECT_NEAR(NumbersAfter(five.lines[1], "f ''(2) = ").at(0), 12, 1e-9);
    EXPECT_NEAR(NumbersAfter(five.lines[3], "f ''(2) = ").at(0), 12, 1e-5);

    ProcReport one = calc::SecondDerivativeReport("X^3", Args{2, 0.5});
    ASSERT_EQ(one.lines.UBound(), 1);
    EXPECT_EQ(one.lines[1], "Segunda derivada de la función \r\nf(x) = X^3\r\n;e = 0.5:   f ''(2) = 12");

    EXPECT_EQ(calc::SecondDerivativeReport("X^3", Args{1, 2, 3}).lines.UBound(), 0);
    EXPECT_FALSE(calc::SecondDerivativeReport("X^3", Args{1, 2, 3}).stop);
    // The formula is checked before the arguments.
    ProcReport bad = calc::SecondDerivativeReport(" 2* ", Args{1, 2, 3});
    EXPECT_TRUE(bad.stop);
    EXPECT_TRUE(bad.message.ends_with("\r\nCorrige la expresión  2* ")) << bad.message;
    EXPECT_THROW(calc::SecondDerivativeReport("X^3", Args{1, 0}), rt::RuntimeError);
}

TEST_F(Reports, IntegralsByBothMethods) {
    ProcReport ode = calc::IntegralReport("X^2", Args{3, 0});
    ASSERT_EQ(ode.lines.UBound(), 3);
    EXPECT_EQ(ode.lines[1], "La integral de la función X^2");
    EXPECT_EQ(ode.lines[2], "entre x!1 = 0 y x!2 = 3 es:");
    EXPECT_EQ(ode.lines[3], "9");
    // The rounding of the many steps is not shown in the last digits.
    EXPECT_EQ(calc::IntegralReport("3*X", Args{0, 6}).lines[3], "54");
    EXPECT_EQ(calc::IntegralReport("EXP(X)", Args{0, 1}).lines[3], "1.71828182846");

    EXPECT_EQ(Of(calc::IntegralReport("X^2", Args{3, 0, 1})),
              (Lines{"La integral de la función \r\nf(x) = X^2\r\nen el intervalo [0, 3]\r\nes 9"}));
    EXPECT_EQ(Of(calc::IntegralReport("X^2", Args{0, 3, 7})), Of(calc::IntegralReport("X^2", Args{0, 3, 1})));
    EXPECT_EQ(Of(calc::IntegralReport("X^2", Args{0, 3, 1, 0.001})), Of(calc::IntegralReport("X^2", Args{0, 3, 1})));
    EXPECT_TRUE(
        calc::IntegralReport(" 1/X ", Args{1, 2, 1})
            .lines[1]
            .starts_with("La integral de la función \r\nf(x) =  1//X \r\nen el intervalo [1, 2]\r\nes 0.69315"));
    EXPECT_TRUE(calc::IntegralReport("SEN(X)", Args{0, 3.14159265, 1}).lines[1].ends_with("]\r\nes 2"));

    ProcReport eps = calc::IntegralReport("X^2", Args{0, 3, 1, 0.01});
    EXPECT_TRUE(eps.stop);
    EXPECT_EQ(eps.message, "No tomes el argumento \"épsilon\" mayor que 0.001.");
    EXPECT_EQ(calc::IntegralReport("X^2", Args{0}).lines.UBound(), 0);

    ProcReport bad = calc::IntegralReport("2*", Args{0, 1});
    EXPECT_TRUE(bad.stop);
    EXPECT_TRUE(bad.message.ends_with("\r\nCorrige la expresión 2*"));
}

// Loads that start further along: the solver must step up to the rise.
TEST_F(Reports, AdaptiveIntegralsOfLoadsThatStartAtZero) {
    const struct {
        const char* f;
        double want;
    } cases[] = {
        {"10*BAR(X,2,4)", 20},   {"10*STP1(0,X,2)", 30}, {"10*STP(1,X,2)", 45},
        {"X*10*BAR(X,2,4)", 60}, {"5*STP(1,X,1)", 40},
    };
    for (const auto& c : cases) {
        ProcReport r = calc::IntegralReport(c.f, Args{0, 5});
        ASSERT_FALSE(r.stop) << c.f << ": " << r.message;
        EXPECT_EQ(r.lines[2], "entre x!1 = 0 y x!2 = 5 es:");
        EXPECT_NEAR(rt::Val(r.lines[3]), c.want, 1e-5 * c.want) << c.f;
    }
}

// Loads away from the start, at any scale, come out exact; a singularity
// the steps cannot resolve stops with the reason instead of a wrong value.
TEST_F(Reports, AdaptiveIntegralsAnywhereAndAtAnyScaleOrTheReasonWhyNot) {
    const struct {
        const char* f;
        double a, b, want;
    } cases[] = {
        {"5*BAR(x,4,5)", 0, 10, 5},
        {"10*BAR(x,7,7.5)", 0, 10, 5},
        {"X*200*BAR(x,1.5,2.5)", 0, 3, 400},
        {"1E-8*BAR(X,2,4)", 0, 5, 2e-8},
        {"1E8*BAR(X,2,4)", 5, 0, 2e8},
        {"10*STP1(0,X,9.75)", 0, 10, 2.5},
        {"1E-8*SEN(X)", 0, 3.14159265358979, 2e-8},
    };
    for (const auto& c : cases) {
        ProcReport r = calc::IntegralReport(c.f, Args{c.a, c.b});
        ASSERT_FALSE(r.stop) << c.f << ": " << r.message;
        EXPECT_NEAR(rt::Val(r.lines[3]), c.want, 1e-10 * c.want) << c.f;
    }
    // Cut at the bounds typed, a bar is exact to the last digit shown.
    EXPECT_EQ(calc::IntegralReport("10*BAR(x,7,7.5)", Args{0, 10}).lines[3], "5");
    EXPECT_EQ(calc::IntegralReport("X*200*BAR(x,1.5,2.5)", Args{0, 10}).lines[3], "400");
    // The trouble is named where it was found inside the interval.
    const struct {
        const char* f;
        double a, at;
    } singular[] = {{"1/X", 1e-8, std::numeric_limits<double>::quiet_NaN()}, {"ABS(X-1/3)^(-0.9)", 0, 0.333333}};
    for (const auto& c : singular) {
        ProcReport r = calc::IntegralReport(c.f, Args{c.a, 1});
        EXPECT_TRUE(r.stop) << c.f;
        EXPECT_EQ(r.message, num::ImpreciseIntegralMessage(c.a, 1, c.at, "X")) << c.f;
        EXPECT_EQ(r.lines.UBound(), 0);
    }
}

// Simpson's rule: refinement goes on past coarse sums that agree by chance,
// and a result short of the tolerance keeps its value and says so.
TEST_F(Reports, SimpsonIntegralsMeetTheirToleranceOrSaySo) {
    const double pi = 3.14159265358979;
    const struct {
        const char* f;
        double a, b, want;
    } met[] = {
        {"(23/25)*COSH(X)-COS(X)", -1, 1, 46.0 / 25 * std::sinh(1.0) - 2 * std::sin(1.0)},
        {"EXP(X)", 0, 1, std::exp(1.0) - 1},
        {"X^2", 0, 3, 9},
        {"SEN(X)", 0, pi, 2},
        {"X*10*BAR(X,2,4)", 0, 5, 60},
    };
    for (const auto& c : met) {
        const std::string line = calc::IntegralReport(c.f, Args{c.a, c.b, 1}).lines[1];
        const size_t at = line.rfind("\r\nes ");
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_NEAR(rt::Val(line.substr(at + 5)), c.want, 1e-5 * std::max(1.0, std::fabs(c.want))) << c.f;
    }
    // A peak too narrow for ten refinements, 256 periods whose peaks no
    // level sees between, transients that every coarse lattice steps over:
    // the scan finds them and the value has no note.
    const double peak = std::atan(std::pow(16.0, 2.5) * (1 - pi / 4)) + std::atan(std::pow(16.0, 2.5) * pi / 4);
    const struct {
        const char* f;
        double b, want;
        bool note;
    } found[] = {{"4^-5/((X-PI/4)^2+16^-5)", 1, peak, false},
                 {"COS(X)^2", 512 * pi, 256 * pi, false},
                 {"1+EXP(-X)*SEN(X)", 1000, 1000.5, false},
                 {"2-X^2*EXP(-X)", 2000, 3998, false},
                 // 300 jumps that no cut marks: the halving ends near the
                 // value, short of 1E-6.
                 {"ENT(X)", 300, 44850, true}};
    for (const auto& c : found) {
        const std::string line = calc::IntegralReport(c.f, Args{0, c.b, 1}).lines[1];
        EXPECT_EQ(line.ends_with(std::string("\r\n") + calc::kPrecisionNotReached), c.note) << line;
        EXPECT_NEAR(NumbersAfter(line, "\r\nes ").at(0), c.want, 1e-5 * c.want) << c.f;
    }
    // A pole: no value, the reason instead.
    const ProcReport pole = calc::IntegralReport("TAN(X)", Args{0, 2, 1});
    EXPECT_TRUE(pole.stop);
    EXPECT_EQ(pole.message, num::ImpreciseIntegralMessage(0, 2));
}

// Loads away from the start, steps, whole periods and small or large
// scales: Simpson's rule shows their exact values with no note.
TEST_F(Reports, SimpsonShowsLoadsAndWholePeriodsExactly) {
    const struct {
        const char* f;
        double a, b;
        const char* shown;
    } cases[] = {
        {"10*BAR(X,0.1,0.2)", 0, 10, "1"},
        {"10*BAR(X,7,7.5)", 0, 10, "5"},
        {"5*BAR(x,4,5)+2*BAR(x,8,9)", 0, 10, "7"},
        {"200*X*BAR(X,1.5,2.5)", 0, 3, "400"},
        {"10*STP1(0,X,9.75)", 0, 10, "2.5"},
        {"1E-8*BAR(X,2,4)", 0, 5, "2E-08"},
        {"3E-7*X*BAR(X,2,4)", 0, 5, "1.8E-06"},
        {"1E8*BAR(X,2,4)", 5, 0, "200000000"},
        {"COS(X)^2", 0, 32 * 3.14159265358979, "50.26548"},
        {"SEN(X)^2", 0, 502.654824574367, "251.32741"},
        {"COS(X*PI/180)^2", 0, 5760, "2880"},
        {"SEN(X)", 0, 2 * 3.14159265358979, "0"},
    };
    for (const auto& c : cases) {
        const std::string line = calc::IntegralReport(c.f, Args{c.a, c.b, 1}).lines[1];
        EXPECT_TRUE(line.ends_with(std::string("]\r\nes ") + c.shown)) << c.f << ": " << line;
    }
}

TEST_F(Reports, AnIntegrationThatGivesUpStopsWithItsMessageNamingTheIntervalAndWritesNothing) {
    ProcReport r = calc::IntegralReport("SEN(100*X)", Args{0, 100});
    EXPECT_TRUE(r.stop);
    EXPECT_EQ(r.message,
              "No pude completar la integración entre 0 y 100 en 1000 pasos: la fórmula varía demasiado "
              "rápido.\r\nRevisa la fórmula o toma un intervalo más corto.");
    EXPECT_EQ(r.lines.UBound(), 0);
}

}  // namespace
