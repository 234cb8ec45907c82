// Values shown to the digits that hold: the rounding helpers, and the
// integrals, roots, systems and fits the calculator shows with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calculator/eqnprocs.h"
#include "calculator/helddigits.h"
#include "calculator/integprocs.h"
#include "calculator/lsq.h"
#include "calculator/matrixprocs.h"
#include "calculator/rootprocs.h"
#include "numerics/expression.h"
#include "runtime/numtext.h"
#include "text/globals.h"

namespace {

using rt::Variant;
using Args = std::vector<Variant>;
using calc::ProcReport;

class HeldDigits : public ::testing::Test {
protected:
    HeldDigits() : decimals(text::G().Decimals) { text::G().Decimals = 3; }
    ~HeldDigits() override { text::G().Decimals = decimals; }
    num::AngleUnitScope radians{num::kRadians};
    int decimals;
};

// The text after `key` in `text`, up to the next blank or line break.
std::string After(const std::string& text, const std::string& key) {
    const size_t at = text.find(key);
    if (at == std::string::npos) return "(no " + key + ")";
    const size_t from = at + key.size();
    return text.substr(from, text.find_first_of(" \r", from) - from);
}

}  // namespace

TEST_F(HeldDigits, RoundingAtAnySize) {
    struct {
        double value, error;
        std::string shown;
    } held[] = {
        {1.00000016608206, 5e-7, "1"},
        {-1.05e-26, 1e-9, "0"},
        {3.14159265358979, 3e-9, "3.14159265"},
        {500.000499934583, 1e-7, "500.0005"},
        {0.000100000000001823, 2e-15, "0.0001"},
        {100.000100001823, 2e-9, "100.0001"},
        {1234567.891, 40, "1234600"},
        {1e9, 0, "1000000000"},     // an exact zero of f: every digit
        {0.1 + 0.2, 1e-30, "0.3"},  // below the 15 digits shown, nothing to round
    };
    for (const auto& c : held) EXPECT_EQ(calc::HeldText(c.value, c.error), c.shown) << c.value;
}

// Integrals of every size keep their digits: the 12 significant digits of
// the adaptive route no longer fail from 1E12 on.
TEST_F(HeldDigits, IntegralsOfEverySizeAreShown) {
    for (int p = -8; p <= 15; ++p) {
        const double b = std::sqrt(2 * std::pow(10.0, p));  // the integral of X over [0, b] is 10^p
        const ProcReport r = calc::IntegralReport("X", Args{0, b});
        ASSERT_FALSE(r.stop) << p << ": " << r.message;
        const double shown = rt::Val(r.lines[3]);
        EXPECT_NEAR(shown, std::pow(10.0, p), 1e-11 * std::pow(10.0, p)) << p << ": " << r.lines[3];
    }
    EXPECT_EQ(calc::IntegralReport("X", Args{0, 2e6}).lines[3], "2000000000000");
    EXPECT_EQ(calc::IntegralReport("3*X^2", Args{0, 1e5}).lines[3], "1E+15");
}

// Where the function has no value at an end of the interval, the integral
// names that end instead of the bare failure.
TEST_F(HeldDigits, AnIntegralNamesTheEndWhereTheFunctionHasNoValue) {
    struct {
        const char* f;
        double a, b;
        std::string message;
    } cases[] = {
        {"1/X", 0, 1,
         "La función no tiene valor en x = 0 (División por cero), un extremo del intervalo. Toma un intervalo que no "
         "incluya ese punto."},
        {"1/(X-2)", 0, 2,
         "La función no tiene valor en x = 2 (División por cero), un extremo del intervalo. Toma un intervalo que no "
         "incluya ese punto."},
        {"LN(X)", 0, 1,
         "La función no tiene valor en x = 0 (Llamada a procedimiento o argumento no válidos), un extremo del "
         "intervalo. Toma un intervalo que no incluya ese punto."},
    };
    for (const auto& c : cases) {
        const ProcReport r = calc::IntegralReport(c.f, Args{c.a, c.b});
        EXPECT_TRUE(r.stop) << c.f;
        EXPECT_EQ(r.message, c.message) << c.f;
    }
}

// Each root is shown to the digits its bracket holds, a root at either end
// is listed, and a point where f has no value is named.
TEST_F(HeldDigits, RootsShownToTheDigitsThatHold) {
    struct {
        const char* f;
        double a, b;
        std::vector<std::string> roots;
    } cases[] = {
        {"(X-1)^3", 0, 3, {"1"}},
        {"8*X^3-4*X", -1, 1, {"-0.707106781", "0", "0.707106781"}},
        {"X^2-4", 2, 5, {"2"}},
        {"X-1", 0, 1, {"1"}},
        {"SEN(X)", 0, 10, {"0", "3.14159265", "6.28318531", "9.42477796"}},
        {"(X-1E9)^3", 0, 2e9, {"1000000000"}},
        {"1E-12*(X-1E9)", 0, 2e9, {"1000000000"}},
        {"SEN(X/1E8)", 1e7, 1e9, {"314159265", "628318531", "942477796"}},
        {"r(1-x^2)-x^2", 0, 1, {"0.786151378"}},
        {"X-1E-9", 0, 1e-8, {"1E-09"}},
    };
    for (const auto& c : cases) {
        const ProcReport r = calc::RootsReport(c.f, Args{c.a, c.b});
        ASSERT_FALSE(r.stop) << c.f << ": " << r.message;
        for (size_t k = 0; k < c.roots.size(); ++k) {
            const std::string n = std::to_string(k + 1);
            EXPECT_EQ(After(r.lines[2], "x" + n + " = "), c.roots[k]) << c.f << " root " << n;
        }
        EXPECT_EQ(After(r.lines[2], "x" + std::to_string(c.roots.size() + 1) + " = "),
                  "(no x" + std::to_string(c.roots.size() + 1) + " = )")
            << c.f;
    }
    const ProcReport pole = calc::RootsReport("1/X+1", Args{-2, 2});
    ASSERT_FALSE(pole.stop);
    EXPECT_EQ(After(pole.lines[2], "x1 = "), "-1");
    EXPECT_TRUE(pole.lines[2].ends_with("\r\nLa función no tiene valor en x = 0; la búsqueda saltó ese punto."));
}

// The cubic's roots come from the coefficients themselves: the root 0 of
// 8x³ - 4x is 0, not -3.5E-15.
TEST_F(HeldDigits, CubicRootsAreThoseOfTheirCoefficients) {
    const ProcReport r = calc::CubicReport(Args{8, 0, -4, 0}, 3);
    ASSERT_FALSE(r.stop);
    std::vector<double> roots;
    for (const char* key : {"x!1 = ", "x!2 = ", "x!3 = "}) {
        std::string root = After(r.lines[2], key);
        if (root.starts_with(";-")) root.replace(0, 2, "-");
        roots.push_back(rt::Val(root));
    }
    std::sort(roots.begin(), roots.end());
    EXPECT_EQ(roots[1], 0);
    EXPECT_NEAR(roots[0], -std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(roots[2], std::sqrt(0.5), 1e-15);
}

namespace {
// The cells of a system of n equations (n coefficients and the right side
// per row).
Args SystemCells(int n, const std::function<double(int, int)>& a, const std::vector<double>& x) {
    Args cells;
    for (int i = 1; i <= n; ++i) {
        double b = 0;
        for (int j = 1; j <= n; ++j) {
            cells.emplace_back(a(i, j));
            b += a(i, j) * x[static_cast<size_t>(j)];
        }
        cells.emplace_back(b);
    }
    return cells;
}

// The unknowns as shown, by name.
std::vector<std::string> Unknowns(const ProcReport& r, int n) {
    std::vector<std::string> out;
    for (int i = 1; i <= n; ++i) out.push_back(After(r.lines[2] + "\r", "x!" + std::to_string(i) + " = "));
    return out;
}
}  // namespace

// A chain of ten springs, stiffnesses alternating r and 1 N/m, fixed at one
// end with 100 N at the other: node i moves by the sum of 100/k of the
// springs before it. Every ratio up to 1E8 is solved and shown to its
// exact decimals.
TEST_F(HeldDigits, SpringChainsShownToTheirExactDecimals) {
    for (double ratio : {1.0, 1e2, 1e4, 1e6, 1e8}) {
        const int n = 10;
        auto k = [ratio](int i) { return i % 2 ? ratio : 1.0; };
        Args cells;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                double v = 0;
                if (j == i) v = k(i) + (i < n ? k(i + 1) : 0);
                if (j == i + 1) v = -k(i + 1);
                if (j == i - 1) v = -k(i);
                cells.emplace_back(v);
            }
            cells.emplace_back(i == n ? 100.0 : 0.0);
        }
        const ProcReport r = calc::LinearSystemReport(cells, n, 3);
        ASSERT_FALSE(r.stop) << ratio << ": " << r.message;
        std::vector<std::string> want;
        for (int i = 1; i <= n; ++i) want.push_back(rt::NumberText(100.0 * (i / 2) + (100.0 / ratio) * ((i + 1) / 2)));
        EXPECT_EQ(Unknowns(r, n), want) << ratio;
    }
    // The chain of the textbook: 0.0001 and 500.0005.
    EXPECT_EQ(rt::NumberText(100.0 * 5 + 1e-4 * 5), "500.0005");
}

// Structured matrices of whole numbers, whose condition estimate is far
// above their true error: the interpolating polynomial through 4 to 10
// points, Pascal and Frank matrices. Their exact solution is all ones.
TEST_F(HeldDigits, StructuredSystemsSolvedToEveryDigit) {
    struct {
        const char* name;
        int n;
        std::function<double(int, int)> a;
    } cases[] = {
        {"interpolation 4", 4, [](int i, int j) { return std::pow(i, j - 1); }},
        {"interpolation 8", 8, [](int i, int j) { return std::pow(i, j - 1); }},
        {"interpolation 10", 10, [](int i, int j) { return std::pow(i, j - 1); }},
        {"Pascal 10", 10,
         [](int i, int j) { return std::round(std::tgamma(i + j - 1) / std::tgamma(i) / std::tgamma(j)); }},
        {"Frank 10", 10, [](int i, int j) { return j < i - 1 ? 0.0 : 10.0 + 1 - std::max(i, j); }},
    };
    for (const auto& c : cases) {
        const ProcReport r = calc::LinearSystemReport(SystemCells(c.n, c.a, std::vector<double>(c.n + 1, 1.0)), c.n, 3);
        ASSERT_FALSE(r.stop) << c.name << ": " << r.message;
        EXPECT_EQ(Unknowns(r, c.n), std::vector<std::string>(static_cast<size_t>(c.n), "1")) << c.name;
    }
}

// Values typed as decimals carry the rounding of their conversion: the
// interpolation of y = 0.1 at every point holds its six digits through 8
// points, and Hilbert systems of typed fractions through 7; each unknown
// shown is within a unit of its last digit of the exact one.
TEST_F(HeldDigits, TypedDecimalsShowOnlyTheDigitsTheirRoundingLeaves) {
    for (int n = 4; n <= 14; ++n) {
        const ProcReport r = calc::LinearSystemReport(
            SystemCells(
                n, [](int i, int j) { return std::pow(i, j - 1); }, std::vector<double>(n + 1, 0.1)),
            n, 3);
        if (r.stop) {
            EXPECT_GT(n, 8) << r.message;
            continue;
        }
        for (const std::string& x : Unknowns(r, n)) {
            const size_t point = x.find('.');
            const double unit =
                point == std::string::npos ? 1 : std::pow(10.0, -static_cast<double>(x.size() - point - 1));
            EXPECT_LE(std::fabs(rt::Val(x) - 0.1), unit) << n << ": " << x;
        }
    }
    for (int n = 3; n <= 7; ++n) {
        const ProcReport r = calc::LinearSystemReport(
            SystemCells(
                n, [](int i, int j) { return 1.0 / (i + j - 1); }, std::vector<double>(n + 1, 1.0)),
            n, 3);
        ASSERT_FALSE(r.stop) << n << ": " << r.message;
        for (const std::string& x : Unknowns(r, n)) EXPECT_NEAR(rt::Val(x), 1, 1e-6) << n;
    }
}

// A line fitted to data by calendar year shows the coefficients the data
// give, not the rounding of sums in the thousands.
TEST_F(HeldDigits, FitsShowTheirCoefficientsToTheDigitsThatHold) {
    struct {
        double a, b;
        std::string shownA, shownB;
    } cases[] = {
        {0.5, 0.04, "0.5", "0.04"},
        {-1.25, 3000.5, "-1.25", "3000.5"},
        {0.002, 0.04, "0.002", "0.04"},
        {3, -6012.7, "3", "-6012.7"},
    };
    for (const auto& c : cases) {
        std::vector<double> x, y;
        for (int year = 2000; year <= 2010; ++year) {
            x.push_back(year);
            y.push_back(c.a * year + c.b);
        }
        const rt::Outcome<calc::PolyFit> fit = calc::FitPolynomialCoefs(1, x, y);
        ASSERT_TRUE(fit.ok());
        const std::string report = calc::FitReport(*fit, x, y, 3);
        EXPECT_EQ(After(report, "a = "), c.shownA) << c.a << " " << c.b;
        EXPECT_EQ(After(report, "b = "), c.shownB) << c.a << " " << c.b;
    }
}
