#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/linalg.h"
#include "runtime/errors.h"

using namespace num;

namespace {
const std::string kSingular = "El determinante del sistema es cero.";
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
    struct { Matrix a; } cases[] = {
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
    EXPECT_EQ(msg, "No pude resolver el sistema: no tiene solución única o sus números son demasiado grandes. "
                   "Revisa los datos.");

    Matrix zeros{{1, 2}, {0, 0}};
    d = 7;
    LUDec(zeros, indx, d, msg);
    EXPECT_EQ(msg, "El sistema no tiene solución única: una de sus ecuaciones tiene todos los coeficientes en cero. "
                   "Revisa los datos.");
    EXPECT_EQ(d, 7);
    EXPECT_EQ(zeros(1, 2), 2);

    Matrix notSquare(3, 2);
    EXPECT_THROW(notSquare(1, 3), rt::RuntimeError);
}

TEST(Polynomials, ValueFromCoefficients) {
    EXPECT_EQ(EvalPolynomial({0, 1, 2, 3}, 2), 17);
    EXPECT_EQ(EvalPolynomial({0, -5, 0, 0, 1}, -2), -13);
    EXPECT_EQ(EvalPolynomial({0}, 2), 0);
    EXPECT_EQ(EvalPolynomial({}, 2), 0);
    EXPECT_THROW(EvalPolynomial({0, 1, 1, 1}, 1e200), rt::RuntimeError);
}
