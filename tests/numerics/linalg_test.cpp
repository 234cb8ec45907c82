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
    Matrix a{{1, 2}, {3, 4}};
    std::vector<double> shortB{0, 1};
    std::string msg;
    SolveLinearSystem(a, shortB, msg);
    EXPECT_EQ(msg, "No pude resolver el sistema.");
}

// Solvable but badly conditioned systems (Hilbert matrices, condition 3E+10
// to 4E+13; two nearly equal rows) are refused for what they are: their
// determinant is not zero.
TEST(LinearSystems, BadlyConditionedSystemsAreNotSaidToHaveDeterminantZero) {
    std::vector<Matrix> cases = {Matrix{{1, 1}, {1, 1 + 1e-10}}};
    for (int n : {8, 9, 10}) {
        Matrix h(n, n);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) h(i, j) = 1.0 / (i + j - 1);
        cases.push_back(h);
    }
    for (Matrix& a : cases) {
        std::vector<double> b(static_cast<size_t>(a.Rows()) + 1, 1.0);
        std::string msg;
        SolveLinearSystem(a, b, msg);
        EXPECT_EQ(msg, kSingular) << a.Rows();
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
    std::vector<double> shortB{0, 1};
    LUBack(a, shortB, indx, msg);
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

TEST(LinearSystems, MatrixWithTooFewColumnsFailsAndWiderOneUsesItsSquare) {
    Matrix narrow(3, 2, 1.0);
    std::vector<int> indx;
    double d = 5;
    std::string msg;
    EXPECT_THROW(LUDec(narrow, indx, d, msg), rt::RuntimeError);
    EXPECT_EQ(d, 5);
    EXPECT_EQ(narrow(3, 2), 1.0);

    std::vector<double> b{0, 1, 2, 3};
    SolveLinearSystem(narrow, b, msg);
    EXPECT_EQ(msg, "No pude resolver el sistema.");
    EXPECT_EQ(b, (std::vector<double>{0, 1, 2, 3}));

    std::vector<double> back{0, 1, 2, 3};
    LUBack(narrow, back, std::vector<int>{0, 1, 2, 3}, msg);
    EXPECT_EQ(msg,
              "No pude resolver el sistema: no tiene solución única o sus números son demasiado grandes. "
              "Revisa los datos.");

    // The column beyond the square is left alone.
    Matrix wide{{1, 2, 9}, {3, 4, 8}};
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
