#include <gtest/gtest.h>

#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "numerics/expression.h"
#include "numerics/ode.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
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

// Uniform loads of four widths starting every 0.5 along [0, 10], and unit
// steps anywhere along it, reduce to their exact resultants.
TEST(DistributedLoad, LoadsAnywhereAlongTheBeam) {
    struct Load {
        std::string text;
        double F, xR;
    };
    std::vector<Load> loads;
    for (double w : {0.1, 0.25, 0.5, 1.0})
        for (double s = 0; s <= 9; s += 0.5)
            loads.push_back({"10*BAR(X," + rt::NumberText(s) + "," + rt::NumberText(s + w) + ")", 10 * w, s + w / 2});
    for (double p = 0.25; p < 10; p += 0.5)
        loads.push_back({"10*STP1(0,X," + rt::NumberText(p) + ")", 10 * (10 - p), (10 + p) / 2});
    for (const Load& l : loads) {
        DistributedLoadResult r = Reduce(l.text, 0, 10);
        ASSERT_EQ(r.kind, Reduction::Resultant) << l.text;
        EXPECT_NEAR(r.F, l.F, 1e-12 * l.F) << l.text;
        EXPECT_NEAR(r.M0, l.F * l.xR, 1e-12 * l.F * l.xR) << l.text;
        EXPECT_NEAR(r.xR, l.xR, 1e-12 * l.xR) << l.text;
    }
    EXPECT_EQ(Reduce("10*BAR(x,7,7.5)", 0, 10).lines[1], "Resultante: R = 5, ubicada en x!R = 7.25");
    EXPECT_EQ(Reduce("2*BAR(x,8,9)", 0, 10).lines[1], "Resultante: R = 2, ubicada en x!R = 8.5");
    EXPECT_TRUE(Reduce("200*BAR(x,1.5,2.5)", 0, 3).lines[0].ends_with("M!0 = 400"));
}

// A load scaled by 1E-8 or 1E8 reduces as the load itself: its resultant,
// couple or null load is told against its own size.
TEST(DistributedLoad, ScaledLoadsReduceAlike) {
    for (const char* scale : {"1E-8", "1", "1E8"}) {
        const double c = rt::Val(scale);
        const std::string k = std::string(scale) + "*";
        DistributedLoadResult bar = Reduce(k + "BAR(X,2,4)", 0, 5);
        EXPECT_EQ(bar.kind, Reduction::Resultant) << scale;
        EXPECT_NEAR(bar.F, 2 * c, 1e-10 * c) << scale;
        EXPECT_NEAR(bar.xR, 3, 1e-10) << scale;
        DistributedLoadResult couple = Reduce(k + "X", -1, 1);
        EXPECT_EQ(couple.kind, Reduction::Couple) << scale;
        EXPECT_NEAR(couple.M0, 2 * c / 3, 1e-10 * c) << scale;
        EXPECT_EQ(Reduce(k + "(3*X^2 - 1)", -1, 1).kind, Reduction::Null) << scale;
    }
}

// A resultant that is not zero shows its significant digits, however small
// the load; a moment that is zero within the load's size shows as 0.
TEST(DistributedLoad, SmallLoadsShowTheirDigits) {
    const struct {
        const char* text;
        double a, b;
        std::string line0End, line1;
    } cases[] = {
        {"1E-8*BAR(X,2,4)", 0, 5, "M!0 = 6E-08", "Resultante: R = 2E-08, ubicada en x!R = 3"},
        {"0.0123*BAR(X,2,4)", 0, 5, "M!0 = 0.0738", "Resultante: R = 0.0246, ubicada en x!R = 3"},
        {"-3E-12", 0, 2, "M!0 = ;-6E-12", "Resultante: R = ;-6E-12, ubicada en x!R = 1"},
        {"1E-9", -1, 1, "M!0 = 0", "Resultante: R = 2E-09, ubicada en x!R = 0"},
        {"2*BAR(X,2,4)", 0, 5, "M!0 = 12", "Resultante: R = 4, ubicada en x!R = 3"},
    };
    for (const auto& c : cases) {
        const DistributedLoadResult r = Reduce(c.text, c.a, c.b);
        ASSERT_EQ(r.kind, Reduction::Resultant) << c.text;
        EXPECT_TRUE(r.lines[0].ends_with(c.line0End)) << c.text << ": " << r.lines[0];
        EXPECT_EQ(r.lines[1], c.line1) << c.text;
    }
    EXPECT_TRUE(Reduce("1E-8*(3*X^2 - 1)", -1, 1).lines[0].ends_with("\r\nLa resultante es nula."));
}

// A density whose integral cannot be brought to its accuracy is refused,
// never reduced to a wrong resultant.
TEST(DistributedLoad, ASingularDensityIsRefused) {
    EXPECT_FALSE(SolveLoadIntegral("1/X", 1e-8, 1).ok());
    EXPECT_EQ(SolveLoadIntegral("ABS(X-1/3)^(-0.9)", 0, 1).message(),
              num::ImpreciseIntegralMessage(0, 1, 0.333333, "X"));
    EXPECT_THROW(Reduce("1/X", 1e-8, 1), rt::RuntimeError);
}
