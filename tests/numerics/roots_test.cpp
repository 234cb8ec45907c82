// The search for the roots of a formula in an interval: where the roots are
// placed, how far each may be from its sign change, the ends of the interval
// and the points where the formula has no value.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/equations.h"
#include "numerics/expression.h"

using namespace num;

namespace {
const std::string kNoRoots = "No encontré raíces en el intervalo dado.";
const double kPi = 3.14159265358979;

class RootSearch : public ::testing::Test {
protected:
    AngleUnitScope radians_{kRadians};  // the unit given back after every test
};

// The roots, values and error bounds found, or the refusal's message.
struct Found {
    std::vector<double> x, f, err, undefined;
    std::string msg;
};

Found Find(const std::string& expr, double a, double b) {
    const rt::Outcome<ExprRoots> found = FindExprRoots(expr, a, b);
    if (!found) return {{}, {}, {}, {}, found.message()};
    EXPECT_EQ(found->roots.size(), found->values.size()) << expr;
    EXPECT_EQ(found->roots.size(), found->errors.size()) << expr;
    return {found->roots, found->values, found->errors, found->undefinedAt, ""};
}

struct Case {
    const char* expr;
    double a, b;
    std::vector<double> roots;
};

// Every root lies within its stated error of the true one, and that error
// is a billionth of the root's size, or near 0 of the interval's.
void ExpectRoots(const Case& c) {
    const Found r = Find(c.expr, c.a, c.b);
    ASSERT_EQ(r.msg, "") << c.expr << " on " << c.a << ", " << c.b;
    ASSERT_EQ(r.x.size(), c.roots.size()) << c.expr << " on " << c.a << ", " << c.b;
    const double scale = std::max(std::fabs(c.a), std::fabs(c.b));
    for (size_t k = 0; k < c.roots.size(); ++k) {
        const double want = c.roots[k];
        EXPECT_LE(std::fabs(r.x[k] - want), r.err[k] + 1e-15 * std::fabs(want)) << c.expr << " root " << k;
        EXPECT_LE(r.err[k], 1e-9 * std::max(std::fabs(want), 1e-3 * scale)) << c.expr << " root " << k;
    }
}
}  // namespace

TEST_F(RootSearch, RootsInIncreasingOrderAtTheSignChange) {
    const Case cases[] = {
        {"(X-1)*(X-2)*(X-3)", 0, 4, {1, 2, 3}},
        {"(X-1)*(X-2)*(X-3)", 4, 0, {1, 2, 3}},
        {"X^2-2", 0, 2, {std::sqrt(2.0)}},
        {"1/X-2", 0.1, 1, {0.5}},
        // Every root of higher multiplicity, close pairs, and functions
        // whose values are tiny or large near the root.
        {"(X-1)^3", 0, 3, {1}},
        {"(3*X-1)^3", 0, 1, {1.0 / 3}},
        {"(X-0.3)^5", 0, 1, {0.3}},
        {"(X-1000.5)^3", 0, 2000, {1000.5}},
        {"1E6*(X-2)^5", 0, 3, {2}},
        {"(X-1)*(X-1.000001)", 0, 2, {1, 1.000001}},
        {"(X-0.999999)*(X-1.000001)", 0, 2, {0.999999, 1.000001}},
        {"(X-0.999999)^3*(X-1.000001)^3", 0, 2, {0.999999, 1.000001}},
        {"1E-9*(X^2-2)", 0, 2, {std::sqrt(2.0)}},
        {"1E-12*(X-0.3)*(X-0.7)", 0, 1, {0.3, 0.7}},
        {"1E-20*(X+1)^3", -3, 0.5, {-1}},
    };
    for (const Case& c : cases) ExpectRoots(c);

    const Found many = Find("SEN(50*X)", 0.01, 10);
    ASSERT_EQ(many.x.size(), 50u);
    for (int k = 1; k <= 50; ++k) EXPECT_NEAR(many.x[k - 1], k * kPi / 50, 1e-9) << k;
}

// A root's precision is relative to its size: large and small roots, and
// roots at 0 among others, are all found and placed.
TEST_F(RootSearch, RootsOfEverySize) {
    const Case cases[] = {
        {"(X-1E9)^3", 0, 2e9, {1e9}},
        {"1E-12*(X-1E9)", 0, 2e9, {1e9}},
        {"X-1.234567E9", 1e9, 2e9, {1.234567e9}},
        {"SEN(X/1E8)", 1e7, 1e9, {kPi * 1e8, 2 * kPi * 1e8, 3 * kPi * 1e8}},
        {"X - 0.5", -1e9, 1e9, {0.5}},
        {"X-1E-9", 0, 1e-8, {1e-9}},
        {"X-3.3E-9", -1e-8, 1e-8, {3.3e-9}},
        {"(X-2E-9)*(X-5E-9)", 0, 1e-8, {2e-9, 5e-9}},
        {"8*X^3-4*X", -1, 1, {-std::sqrt(0.5), 0, std::sqrt(0.5)}},
        {"X^3-X", -1.3, 1.7, {-1, 0, 1}},
        {"1E15*SEN(X)", 1, 7, {kPi, 2 * kPi}},
    };
    for (const Case& c : cases) ExpectRoots(c);
}

// A root at either end of the interval is listed, and the scan reaches the
// upper end exactly, never a rounding past it where f may have no value.
TEST_F(RootSearch, RootsAtEitherEnd) {
    const Case cases[] = {
        {"X^2-4", 2, 5, {2}},
        {"X^2-4", 0, 2, {2}},
        {"X^2-4", 5, 2, {2}},
        {"X-1", 0, 1, {1}},
        {"X", 0, 1, {0}},
        {"X", -1, 0, {0}},
        {"SEN(X)", 0, 10, {0, kPi, 2 * kPi, 3 * kPi}},
        {"(X-1E9)*(X-2E9)", 1e9, 2e9, {1e9, 2e9}},
        {"R(1-X^2)-X^2", 0, 1, {std::sqrt((std::sqrt(5.0) - 1) / 2)}},
        {"R(1-X^2)-X^2", 0, 0.999, {std::sqrt((std::sqrt(5.0) - 1) / 2)}},
        {"R(X)*(X-0.5)", 0, 1, {0, 0.5}},
        {"X^2", -1, 1, {0}},  // a root the scan meets exactly, of any multiplicity
        {"X-1", 1, 1, {1}},   // an interval of one point
    };
    for (const Case& c : cases) ExpectRoots(c);
    EXPECT_EQ(Find("SEN(X)", 0, 200).x.size(), 50u);  // the search stops at the 50th root
    EXPECT_EQ(Find("SEN(X)", 0, 200).x.front(), 0);
}

// A point where f has no value is skipped and named; the search goes on
// beside it and never takes a sign change across it.
TEST_F(RootSearch, PointsWithoutValueAreSkippedAndNamed) {
    struct {
        const char* expr;
        double a, b;
        std::vector<double> roots;
        size_t skipped;
        double first;
    } cases[] = {
        {"R(X) - 0.5", -1, 1, {0.25}, 245, -1},
        {"1/X + 1", -2, 2, {-1}, 1, 0},
        {"1/(X-1) * (X-3)", 0, 4, {3}, 1, 1},  // the pole's bracket halves onto 1
        {"LN(X-1)", 0, 3, {2}, 164, 0},
        {"1/(X-1000)+1", 0, 2000, {999}, 1, 1000},  // a root beside a scan point on the pole
        {"1/(X-1)+1", 0, 2, {0}, 1, 1},
    };
    for (auto& c : cases) {
        const Found r = Find(c.expr, c.a, c.b);
        ASSERT_EQ(r.msg, "") << c.expr;
        ASSERT_EQ(r.x.size(), c.roots.size()) << c.expr;
        for (size_t k = 0; k < c.roots.size(); ++k) EXPECT_NEAR(r.x[k], c.roots[k], 1e-9) << c.expr;
        EXPECT_EQ(r.undefined.size(), c.skipped) << c.expr;
        if (c.skipped > 0) { EXPECT_EQ(r.undefined.front(), c.first) << c.expr; }
    }
    EXPECT_EQ(NoValueText({0}), "La función no tiene valor en x = 0; la búsqueda saltó ese punto.");
    EXPECT_EQ(NoValueText({-1, -0.5, -0.25}),
              "La función no tiene valor en x = -1 ni en otros 2 puntos de la "
              "búsqueda (el último, x = -0.25); la búsqueda los saltó.");
    EXPECT_EQ(NoValueText({}), "");
    // No root at all: the refusal names the points too.
    EXPECT_EQ(Find("R(X) + 1", -1, 1).msg, kNoRoots + " " +
                                               "La función no tiene valor en x = -1 ni en otros 244 puntos de la "
                                               "búsqueda (el último, x = -0.00408163265306127); la búsqueda los "
                                               "saltó.");
}

// A sign change across a pole is no root: only the roots beside it are listed.
TEST_F(RootSearch, PolesAreNotRoots) {
    struct {
        const char* expr;
        double a, b;
        std::vector<double> roots;
    } cases[] = {
        {"TAN(X)", 1, 2, {}},        {"1/X", -1, 2, {}},        {"1/(X-1)+1", 0.5, 3, {}},
        {"1/(X-1)+1", -0.5, 3, {0}}, {"TAN(X)", 0.5, 4, {kPi}}, {"TAN(X)", -2, 2, {0}},
    };
    for (auto& c : cases) {
        const Found r = Find(c.expr, c.a, c.b);
        // A halving may land on the pole itself, which is then named.
        EXPECT_TRUE(c.roots.empty() ? r.msg.starts_with(kNoRoots) : r.msg.empty()) << c.expr << " " << c.a;
        ASSERT_EQ(r.x.size(), c.roots.size()) << c.expr << " " << c.a;
        for (size_t k = 0; k < c.roots.size(); ++k) {
            EXPECT_NEAR(r.x[k], c.roots[k], 1e-9) << c.expr;
            EXPECT_LT(std::fabs(r.f[k]), 1e-5) << c.expr;
        }
    }
}

TEST_F(RootSearch, Messages) {
    struct {
        const char* expr;
        double a, b;
        std::string msg;
    } cases[] = {
        {"X-2", 1, 1, kNoRoots},  // one point, no root there
        {"X^2+1", -1, 1, kNoRoots},
        {"2*", 0, 1, "Error de sintaxis: No se espera fin de la expresión"},
        {"X(1)", 0, 1, "Operador desconocido"},
    };
    for (auto& c : cases) EXPECT_EQ(Find(c.expr, c.a, c.b).msg, c.msg) << c.expr;
}
