#include <gtest/gtest.h>

#include <numbers>
#include <optional>
#include <string>

#include "numerics/expression.h"
#include "numerics/ode.h"
#include "runtime/errors.h"
#include "vectors/distload.h"

using namespace vec;

namespace {
DistributedLoadResult Reduce(const std::string& text, double a, double b) { return ReduceDistributedLoad(text, a, b); }
}  // namespace

TEST(DistributedLoad, UniformLoad) {
    double a = 4, b = 0;  // limits typed the other way round
    DistributedLoadResult r = ReduceDistributedLoad("2", a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 4);
    EXPECT_EQ(r.kind, Reduction::Resultant);
    EXPECT_EQ(r.lines, (ResultText{"Distribución de densidad f(x) = 2\r\nentre x!1 = 0 y x!2 = 4\r\n"
                                   "Momento c//r al origen: M!0 = 16",
                                   "Resultante: R = 8, ubicada en x!R = 2"}));
    // The curve runs along the top edge, the arrow through the middle.
    ASSERT_EQ(r.curve.size(), 302u);
    EXPECT_EQ(r.curve.front(), (PlotPoint{48, 343}));
    EXPECT_EQ(r.curve.back(), (PlotPoint{349, 343}));
    EXPECT_EQ(r.origin, (PlotPoint{48, 42}));
    EXPECT_NEAR(r.arrowX, 198.5, 1e-9);
}

// Loads that start further along the beam, with their exact resultants.
TEST(DistributedLoad, LoadsThatStartAtZero) {
    const struct {
        const char* text;
        const char* resultant;
    } cases[] = {
        {"10*BAR(X,2,4)", "Resultante: R = 20, ubicada en x!R = 3"},
        {"10*STP1(0,X,2)", "Resultante: R = 30, ubicada en x!R = 3.5"},
        {"10*STP(1,X,2)", "Resultante: R = 45, ubicada en x!R = 4"},
    };
    for (const auto& c : cases) EXPECT_EQ(Reduce(c.text, 0, 5).lines[1], c.resultant) << c.text;
}

TEST(DistributedLoad, TriangularAndDownwardLoads) {
    DistributedLoadResult t = Reduce("X", 0, 3);
    EXPECT_EQ(t.lines[1], "Resultante: R = 4.5, ubicada en x!R = 2");
    EXPECT_TRUE(t.lines[0].ends_with("M!0 = 9"));

    DistributedLoadResult down = Reduce("-2", 0, 4);
    EXPECT_EQ(down.lines[1], "Resultante: R = ;-8, ubicada en x!R = 2");
    EXPECT_EQ(down.curve.front().y, 42);  // the curve along the bottom, the beam along the top
    EXPECT_EQ(down.origin.y, 343);
}

TEST(DistributedLoad, CoupleAndNullLoad) {
    DistributedLoadResult c = Reduce("X", -1, 1);
    EXPECT_EQ(c.kind, Reduction::Couple);
    EXPECT_EQ(c.lines, (ResultText{"Distribución de densidad f(x) = X\r\nentre x!1 = -1 y x!2 = 1\r\n"
                                   "La fuerza total es cero. La resultante es un par",
                                   "de momento M!0 = 0.667"}));
    DistributedLoadResult n = Reduce("3*X^2 - 1", -1, 1);
    EXPECT_EQ(n.kind, Reduction::Null);
    EXPECT_EQ(n.lines[1], "");
    EXPECT_TRUE(n.lines[0].ends_with("\r\nLa resultante es nula."));
}

TEST(DistributedLoad, DensityInRadiansWithSlashesShown) {
    num::AngleUnitScope degrees(num::kDefaultAngleFactor);
    DistributedLoadResult s = Reduce("SEN(X)", 0, std::numbers::pi);
    EXPECT_NEAR(s.F, 2, 1e-4);
    EXPECT_NEAR(s.M0, std::numbers::pi, 1e-4);
    EXPECT_EQ(s.lines[1], "Resultante: R = 2, ubicada en x!R = 1.571");
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
    EXPECT_TRUE(Reduce("X/2", 0, 2).lines[0].starts_with("Distribución de densidad f(x) = X//2\r\n"));
}

TEST(DistributedLoad, DensityInAnotherVariableIsAFunctionOfPosition) {
    for (const char* text : {"Y", "Z"}) {
        DistributedLoadResult r = Reduce(text, 0, 2);
        EXPECT_NEAR(r.F, 2, 1e-9) << text;
        EXPECT_NEAR(r.M0, 8.0 / 3, 1e-9) << text;
        EXPECT_EQ(r.lines[1], "Resultante: R = 2, ubicada en x!R = 1.333") << text;
    }
}

TEST(DistributedLoad, ZeroDensityAndEqualLimitsStillPlot) {
    DistributedLoadResult z = Reduce("0", 0, 4);
    EXPECT_EQ(z.kind, Reduction::Null);
    EXPECT_DOUBLE_EQ(z.sy, 301.0 / 4);
    DistributedLoadResult e = Reduce("2", 3, 3);
    EXPECT_EQ(e.kind, Reduction::Null);
    EXPECT_DOUBLE_EQ(e.sx, 301.0 / 2);
}

TEST(DistributedLoad, Failures) {
    double a = 0, b = 1;
    auto givesUp = [](const std::string&, double, double) { return rt::Outcome<double>::Refusal("gave up"); };
    EXPECT_THROW(ReduceDistributedLoad("2", a, b, givesUp), rt::RuntimeError);
    EXPECT_THROW(Reduce("", 0, 1), rt::RuntimeError);
    EXPECT_THROW(Reduce("2*(", 0, 1), rt::RuntimeError);
    EXPECT_THROW(Reduce("1/X", 0, 1), rt::RuntimeError);
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
}
