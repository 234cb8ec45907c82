#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numerics/linalg.h"
#include "runtime/errors.h"

using namespace num;

namespace {
const std::string kSingular =
    "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.";
}

TEST(LinearSystems, SolvesAndLeavesTheDecomposition) {
    Matrix a{{2, 1}, {1, 3}};
    std::vector<double> b{0, 5, 10};
    std::string msg = "old";
    SolveLinearSystem(a, b, msg);
    EXPECT_EQ(msg, "");
    EXPECT_NEAR(b[1], 1, 1e-15);
    EXPECT_NEAR(b[2], 3, 1e-15);
    EXPECT_EQ(a(1, 1), 2);
    EXPECT_EQ(a(1, 2), 1);
    EXPECT_EQ(a(2, 1), 0.5);
    EXPECT_EQ(a(2, 2), 2.5);
}

TEST(LinearSystems, KnownSolutionsWhateverTheScale) {
    // A x = b built from x = (1, -2, 3, 0.5); the same system scaled by 1E-3
    // and 1E+6, and a diagonal 0.001 I, all have well-defined solutions.
    const Matrix base{{4, -2, 1, 3}, {1, 5, -1, 2}, {2, 1, 6, -1}, {-1, 3, 2, 7}};
    const std::vector<double> x{0, 1, -2, 3, 0.5};
    for (double scale : {1.0, 1e-3, 1e6}) {
        Matrix a(4, 4);
        std::vector<double> b(5, 0.0);
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) {
                a(i, j) = base(i, j) * scale;
                b[i] += a(i, j) * x[j];
            }
        std::string msg;
        SolveLinearSystem(a, b, msg);
        ASSERT_EQ(msg, "") << scale;
        for (int i = 1; i <= 4; ++i) EXPECT_NEAR(b[i], x[i], 1e-12) << scale;
    }
    Matrix small{{0.001, 0, 0}, {0, 0.001, 0}, {0, 0, 0.001}};
    std::vector<double> b{0, 1, 2, 3};
    std::string msg;
    SolveLinearSystem(small, b, msg);
    EXPECT_EQ(msg, "");
    EXPECT_NEAR(b[3], 3000, 1e-9);

    Matrix zero{{3, 1}, {1, 2}};
    std::vector<double> z{0, 0, 0};
    SolveLinearSystem(zero, z, msg);
    EXPECT_EQ(msg, "");
    EXPECT_EQ(z[1], 0);
    EXPECT_EQ(z[2], 0);
}

TEST(LinearSystems, SingularAndFailingSystems) {
    struct {
        Matrix a;
    } cases[] = {
        {Matrix{{1, 2}, {2, 4}}},
        {Matrix{{1, 2}, {0, 0}}},
        {Matrix{{1, 1}, {1, 1 + 1e-12}}},
        {Matrix{{1e-3, 2e-3, 3e-3}, {4e-3, 5e-3, 6e-3}, {7e-3, 8e-3, 9e-3}}},
    };
    for (auto& c : cases) {
        std::vector<double> b{0, 1, 2, 3};
        b.resize(static_cast<size_t>(c.a.Rows()) + 1);
        auto before = b;
        std::string msg;
        SolveLinearSystem(c.a, b, msg);
        EXPECT_EQ(msg, kSingular);
        EXPECT_EQ(b, before);
    }
}

namespace {
Matrix Hilbert(int n) {
    Matrix h(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) h(i, j) = 1.0 / (i + j - 1);
    return h;
}

// Rows i = 1 .. n of the powers i^0 .. i^(n-1): the fit of a polynomial
// through the points 1 .. n.
Matrix Vandermonde(int n) {
    Matrix v(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) v(i, j) = std::pow(i, j - 1);
    return v;
}
}  // namespace

// A system is solved when its solution holds at least six significant
// digits, each unknown within the error bound it comes with, and refused
// otherwise. The scale of an equation or of an unknown changes nothing.
TEST(LinearSystems, SolvedWhenSixDigitsHold) {
    struct {
        const char* name;
        Matrix a;
        std::vector<double> x;  // the exact solution, from 1
        bool solved;
    } cases[] = {
        // Hilbert matrices (entries 1/k, rounded as typed): condition 748,
        // 2.8E+4, 9.4E+5, 2.9E+7, 9.9E+8, 3.4E+10, 4.1E+16.
        {"Hilbert 3", Hilbert(3), {0, 1, 1, 1}, true},
        {"Hilbert 4", Hilbert(4), {0, 1, -1, 1, -1}, true},
        {"Hilbert 5", Hilbert(5), {0, 1, 2, 3, 4, 5}, true},
        {"Hilbert 6", Hilbert(6), {0, 1, 1, 1, 1, 1, 1}, true},
        {"Hilbert 7", Hilbert(7), std::vector<double>(8, 1.0), true},
        {"Hilbert 8", Hilbert(8), std::vector<double>(9, 1.0), false},
        {"Hilbert 12", Hilbert(12), std::vector<double>(13, 1.0), false},
        // Vandermonde matrices on 1 .. n, exact whole numbers: refinement
        // brings them to every digit while the factors are a guide at all.
        {"Vandermonde 5", Vandermonde(5), {0, 1, 1, 1, 1, 1}, true},
        {"Vandermonde 6", Vandermonde(6), {0, 6, -5, 4, -3, 2, -1}, true},
        {"Vandermonde 8", Vandermonde(8), std::vector<double>(9, 1.0), true},
        {"Vandermonde 12", Vandermonde(12), std::vector<double>(13, 1.0), true},
        // Two rows that differ by 1E-6 (condition 4E+6), 1E-9 (4E+9) and
        // 1E-12 (4E+12): the rounding of 1 + 1E-12 as typed leaves four digits.
        {"rows 1E-6 apart", Matrix{{1, 1}, {1, 1 + 1e-6}}, {0, 3, -2}, true},
        {"rows 1E-9 apart", Matrix{{1, 1}, {1, 1 + 1e-9}}, {0, 3, -2}, true},
        {"rows 1E-12 apart", Matrix{{1, 1}, {1, 1 + 1e-12}}, {0, 3, -2}, false},
        // Equations and unknowns of very different sizes, well conditioned
        // once scaled.
        {"rows of 1E8 and 1E-8", Matrix{{1e8, 2e8, 0}, {3e-8, -1e-8, 5e-8}, {1, 1, 1}}, {0, 1, 2, 3}, true},
        {"unknowns of 1E-6 and 1E6", Matrix{{1e6, 1e-6}, {2e6, -3e-6}}, {0, 1e-6, 1e6}, true},
        // Singular: dependent rows, exactly and after rounding; a zero column.
        {"dependent rows", Matrix{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {0, 1, 1, 1}, false},
        {"zero column", Matrix{{1, 0}, {2, 0}}, {0, 1, 1}, false},
    };
    for (auto& c : cases) {
        const int n = c.a.Rows();
        std::vector<double> b(static_cast<size_t>(n) + 1, 0.0);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) b[i] += c.a(i, j) * c.x[j];
        const std::vector<double> rhs = b;
        std::string msg;
        std::vector<double> errors;
        SolveLinearSystem(c.a, b, msg, &errors);
        if (!c.solved) {
            EXPECT_EQ(msg, kSingular) << c.name;
            EXPECT_EQ(b, rhs) << c.name;
            continue;
        }
        ASSERT_EQ(msg, "") << c.name;
        ASSERT_EQ(errors.size(), b.size()) << c.name;
        for (int j = 1; j <= n; ++j) {
            EXPECT_NEAR(b[j], c.x[j], 1e-6 * std::fabs(c.x[j])) << c.name << " x" << j;
            EXPECT_LE(std::fabs(b[j] - c.x[j]), errors[j] + 4e-16 * std::fabs(c.x[j])) << c.name << " x" << j;
            EXPECT_LE(errors[j], 1e-6 * std::fabs(c.x[j])) << c.name << " x" << j;
        }
    }
}

TEST(LinearSystems, DecompositionAndBackSubstitutionSayWhatFailedWithoutRoutineNames) {
    Matrix a{{1, 2}, {3, 4}};
    std::vector<int> indx;
    double d = 0;
    std::string msg = "old";
    LUDec(a, indx, d, msg);
    EXPECT_EQ(msg, "");
    EXPECT_NEAR(d, -2, 1e-15);
    EXPECT_EQ(indx, (std::vector<int>{0, 2, 2}));
    std::vector<double> b{0, 5, 11};  // x = (1, 2)
    LUBack(a, b, indx, msg);
    EXPECT_EQ(msg, "");
    EXPECT_NEAR(b[1], 1, 1e-14);
    EXPECT_NEAR(b[2], 2, 1e-14);
    std::vector<double> huge{0, 1e308, -1e308};
    LUBack(Matrix{{1, 0}, {0.5, 1e-300}}, huge, std::vector<int>{0, 1, 2}, msg);
    EXPECT_EQ(msg,
              "No pude resolver el sistema: no tiene solución única o sus números son demasiado grandes. "
              "Revisa los datos.");

    Matrix zeros{{1, 2}, {0, 0}};
    d = 7;
    LUDec(zeros, indx, d, msg);
    EXPECT_EQ(msg,
              "El sistema no tiene solución única: una de sus ecuaciones tiene todos los coeficientes en cero. "
              "Revisa los datos.");
    EXPECT_EQ(d, 7);
    EXPECT_EQ(zeros(1, 2), 2);

    Matrix notSquare(3, 2);
    EXPECT_THROW(notSquare(1, 3), rt::ProgramFault);
}

TEST(LinearSystems, LargePivotedDecompositionReproducesTheMatrix) {
    // Small diagonal entries force row exchanges, so
    // rows, columns and exchanges all have to line up for L U to give back
    // the matrix with its rows in the exchanged order.
    const int n = 37;
    Matrix a(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) a(i, j) = i == j ? 1e-3 * i : std::sin(i * 1.7 + j * j * 0.3) + 0.1 * j;
    const Matrix original = a;
    std::vector<int> indx;
    double d = 0;
    std::string msg;
    LUDec(a, indx, d, msg);
    ASSERT_EQ(msg, "");
    Matrix exchanged = original;
    int swaps = 0;
    for (int j = 1; j <= n; ++j)
        if (indx[j] != j) {
            ++swaps;
            for (int k = 1; k <= n; ++k) std::swap(exchanged(j, k), exchanged(indx[j], k));
        }
    EXPECT_GT(swaps, 5);
    double det = swaps % 2 ? -1 : 1;
    for (int i = 1; i <= n; ++i) {
        det *= a(i, i);
        for (int j = 1; j <= n; ++j) {
            double lu = 0;
            for (int k = 1; k <= std::min(i, j); ++k) lu += (k == i ? 1.0 : a(i, k)) * a(k, j);
            EXPECT_NEAR(lu, exchanged(i, j), 1e-11) << i << "," << j;
        }
    }
    EXPECT_EQ(d, det);

    std::vector<double> x(n + 1), b(n + 1, 0.0);
    for (int i = 1; i <= n; ++i) x[i] = std::cos(i * 0.9);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) b[i] += original(i, j) * x[j];
    LUBack(a, b, indx, msg);
    ASSERT_EQ(msg, "");
    for (int i = 1; i <= n; ++i) EXPECT_NEAR(b[i], x[i], 1e-9) << i;
}

// The sizes and exchanges the routines are handed come from the program's
// own code: a mismatch is its fault and passes the routines' handlers, which
// answer only bad input.
TEST(LinearSystems, SizeMismatchesAreTheProgramsFault) {
    Matrix narrow(3, 2, 1.0);
    std::vector<int> indx;
    double d = 5;
    std::string msg;
    EXPECT_THROW(LUDec(narrow, indx, d, msg), rt::ProgramFault);
    EXPECT_EQ(d, 5);
    EXPECT_EQ(narrow(3, 2), 1.0);

    std::vector<double> b{0, 1, 2, 3};
    EXPECT_THROW(SolveLinearSystem(narrow, b, msg), rt::ProgramFault);
    EXPECT_EQ(b, (std::vector<double>{0, 1, 2, 3}));
    EXPECT_THROW(LUBack(narrow, b, std::vector<int>{0, 1, 2, 3}, msg), rt::ProgramFault);

    Matrix a{{1, 2}, {3, 4}};
    std::vector<double> shortB{0, 1};
    EXPECT_THROW(SolveLinearSystem(a, shortB, msg), rt::ProgramFault);
    EXPECT_THROW(LUBack(a, shortB, std::vector<int>{0, 2, 2}, msg), rt::ProgramFault);
    std::vector<double> two{0, 5, 11};
    EXPECT_THROW(LUBack(a, two, std::vector<int>{0, 2}, msg), rt::ProgramFault);
    EXPECT_THROW(LUBack(a, two, std::vector<int>{0, 3, 2}, msg), rt::ProgramFault);
    EXPECT_THROW(LUBack(a, two, std::vector<int>{0, 0, 2}, msg), rt::ProgramFault);
}

TEST(LinearSystems, WiderMatrixUsesItsSquare) {
    // The column beyond the square is left alone.
    Matrix wide{{1, 2, 9}, {3, 4, 8}};
    std::vector<int> indx;
    double d = 0;
    std::string msg;
    LUDec(wide, indx, d, msg);
    EXPECT_EQ(msg, "");
    EXPECT_NEAR(d, -2, 1e-15);
    EXPECT_EQ(wide(1, 3), 9);
    EXPECT_EQ(wide(2, 3), 8);
}

TEST(Polynomials, ValueFromCoefficients) {
    EXPECT_EQ(EvalPolynomial({0, 1, 2, 3}, 2), 17);
    EXPECT_EQ(EvalPolynomial({0, -5, 0, 0, 1}, -2), -13);
    EXPECT_EQ(EvalPolynomial({0}, 2), 0);
    EXPECT_EQ(EvalPolynomial({}, 2), 0);
    EXPECT_THROW(EvalPolynomial({0, 1, 1, 1}, 1e200), rt::RuntimeError);
}
