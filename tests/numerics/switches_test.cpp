// Switches in t, x and v, kinks and narrow pulses: the integrals and the
// motions step up to each one and start again beyond it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "numerics/jumps.h"
#include "numerics/ode.h"

using namespace num;

namespace {

const double kEnginePi = 3.14159265358979;  // the engine's PI
const double kSqrtPi = std::sqrt(3.14159265358979323846);

std::string Num(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

class Switches : public ::testing::Test {
protected:
    AngleUnitScope radians_{kRadians};
};

// The settings of the kinematics workspace's values at an instant.
rt::Outcome<std::vector<double>> Motion(CExpression& law, double x0, double v0, double t) {
    return ODEInt(OdeLaw{law, 2, kRadians}, {0, x0, v0}, 0, t, 1e-4, 0.1, 0.001);
}

TEST_F(Switches, CutsWhereAnArgumentThatIsNotAffineCrossesItsBound) {
    const struct {
        const char* f;
        double a, b;
        std::vector<double> want;
    } cases[] = {
        {"ABS(SEN(X))", 0, 10, {kEnginePi, 2 * kEnginePi, 3 * kEnginePi}},
        {"10*BAR(X^2,49,50.41)", 0, 10, {7, 7.1}},
        {"MAX(0,1-ABS(X-123.4)/0.1)", 0, 1000, {123.3, 123.4, 123.5}},
        {"SGN(X^2-2)*X", -3, 3, {-std::sqrt(2.0), std::sqrt(2.0)}},
        {"IIF(EXP(X)>2,X,0)", 0, 3, {std::log(2.0)}},
        {"MIN(X^3,8)", 0, 5, {2}},
        {"STP1(0,1/X,0.25)", 1, 10, {4}},
    };
    for (const auto& c : cases) {
        CExpression e(c.f);
        std::vector<double> at;
        // A cut at an end only bounds where that end is read.
        for (const Cut& cut : Cuts(e, "X", c.a, c.b))
            if (cut.at > c.a + 1e-12 && cut.at < c.b - 1e-12) at.push_back(cut.at);
        ASSERT_EQ(at.size(), c.want.size()) << c.f;
        for (size_t i = 0; i < at.size(); ++i) EXPECT_NEAR(at[i], c.want[i], 1e-12 * (1 + std::fabs(c.want[i]))) << c.f;
    }
    // A switch that turns faster than the scan follows is left to the steps.
    CExpression fast("ABS(SEN(1000*X))");
    EXPECT_TRUE(Cuts(fast, "X", 0, 10).empty());
}

TEST_F(Switches, SwitchesOfTheStateAreTheOnesThatReadIt) {
    CExpression law("1+10*BAR(Y,4,5)-2.94*SGN(Z)+MAX(X^2,3)+ABS(X-2)+0*X+0*Y+0*Z");
    const std::vector<Switch> all = num::Switches(law, "X");
    // BAR's two edges in x, SGN of v, MAX of t^2: the ABS of an affine t is
    // placed exactly by the cuts.
    ASSERT_EQ(all.size(), 4u);
    int state = 0;
    for (const Switch& s : all) state += s.ReadsOtherThan(0);
    EXPECT_EQ(state, 3);
    const double inside[3] = {0, 4.5, -1}, beyond[3] = {0, 5.5, 1};
    EXPECT_NE(all[1].Side(inside), all[1].Side(beyond));
    EXPECT_NE(all[2].Side(inside), all[2].Side(beyond));
}

// Integrals of kinks and pulses, by family, against their closed forms.
TEST_F(Switches, KinksAndPulsesAreIntegratedToThePromise) {
    struct Case {
        std::string f;
        double a, b, want;
    };
    std::vector<Case> cases = {
        {"ABS(SEN(X))", 0, 77 * kEnginePi, 154}, {"ABS(SEN(X))", 0, 31 * kEnginePi, 62},
        {"10*BAR(X^2,49,50.41)", 0, 10, 1},      {"X*SEN(1/X)", 0.001, 1, 0.378530016559308},
        {"SEN(100*PI*X)^2", 0, 1, 0.5},          {"SEN(X*PI/180)^2", 0, 14400, 7200},
    };
    for (double scale : {1e-8, 1.0, 1e8}) {
        const std::string k = Num(scale) + "*";
        for (double c : {3.3, 7.77, 0.5}) {
            for (double w : {0.001, 0.01}) {
                cases.push_back({k + "EXP(-((X-" + Num(c) + ")/" + Num(w) + ")^2)", 0, 10, scale * kSqrtPi * w});
                cases.push_back({k + "MAX(0,1-ABS(X-" + Num(c) + ")/" + Num(w) + ")", 0, 10, scale * w});
                cases.push_back(
                    {k + "IIF(ABS(X-" + Num(c) + ")<" + Num(w) + ",1+COS(PI*(X-" + Num(c) + ")/" + Num(w) + "),0)", 0,
                     10, scale * 2 * w});
            }
        }
        cases.push_back({k + "MAX(0,1-ABS(X-123.4)/0.1)", 0, 1000, scale * 0.1});
        cases.push_back({k + "MIN(1,MAX(0,ABS(X-500)-1))", 0, 1000, scale * 997});
    }
    // Peaks at the start of very long intervals, whose integral is tiny
    // beside the largest value times the length: the steps are held to the
    // integral's own size, not to that product.
    for (double b : {1e6, 1e9, 1e12}) {
        cases.push_back({"1/(1+X)", 0, b, std::log1p(b)});
        cases.push_back({"1/(1+X^2)", 0, b, std::atan(b)});
        cases.push_back({"EXP(-X)", 0, b, 1});
    }
    for (int periods : {1, 33, 34, 68, 101}) {
        cases.push_back({"COS(X)^2", 0, periods * kEnginePi, periods * kEnginePi / 2});
        cases.push_back({"SEN(X)^2", 0, periods * kEnginePi, periods * kEnginePi / 2});
        cases.push_back({"1+COS(X)", 0, 2 * periods * kEnginePi, 2 * periods * kEnginePi});
    }
    for (const Case& c : cases) {
        const rt::Outcome<double> v = SolveODE1(c.f, c.a, c.b, kRadians);
        ASSERT_TRUE(v.ok()) << c.f << ": " << v.message();
        EXPECT_NEAR(*v, c.want, 1e-5 * std::fabs(c.want)) << c.f << " on " << c.a << ", " << c.b;
    }
}

// A push or a patch along the track, and one over a band of speeds: a = A
// before and after it, A + K inside, from rest.
struct Band {
    double A, K, lo, hi, T;
};

// The closed form of a push over lo <= x <= hi, at T.
void PushInX(const Band& b, double& x, double& v) {
    const double t1 = std::sqrt(2 * b.lo / b.A), v1 = b.A * t1, a2 = b.A + b.K;
    const double v2 = std::sqrt(v1 * v1 + 2 * a2 * (b.hi - b.lo)), t2 = a2 != 0 ? (v2 - v1) / a2 : (b.hi - b.lo) / v1;
    const double s = b.T - t1 - t2;
    x = b.hi + v2 * s + b.A * s * s / 2;
    v = v2 + b.A * s;
}

// The closed form of a push over lo <= v <= hi, at T.
void PushInV(const Band& b, double& x, double& v) {
    const double t1 = b.lo / b.A, a2 = b.A + b.K, t2 = (b.hi - b.lo) / a2;
    const double x2 = b.lo * b.lo / (2 * b.A) + (b.hi * b.hi - b.lo * b.lo) / (2 * a2), s = b.T - t1 - t2;
    x = x2 + b.hi * s + b.A * s * s / 2;
    v = b.hi + b.A * s;
}

TEST_F(Switches, PushesAndPatchesInPositionAndSpeed) {
    const Band inX[] = {{1, 10, 4, 5, 10},     {2, -4.9, 4, 5, 10},          {1, 1000, 0.5, 0.501, 5},
                        {1, 3, 50, 52, 20},    {1e-3, 1e-2, 4e-3, 5e-3, 10}, {1e8, 1e9, 4e8, 5e8, 10},
                        {9.8, 100, 7, 7.25, 3}};
    const Band inV[] = {{1, 10, 4, 5, 10}, {1, 1, 0.1, 0.2, 2}, {1e-6, 1e-5, 4e-6, 5e-6, 10}};
    auto check = [&](const std::string& text, double x, double v, double T, double size) {
        CExpression law(text + "+0*X+0*Y+0*Z");
        const auto s = Motion(law, 0, 0, T);
        ASSERT_TRUE(s.ok()) << text << ": " << s.message();
        EXPECT_NEAR(s->at(1), x, 1e-6 * size) << text;
        EXPECT_NEAR(s->at(2), v, 1e-6 * size) << text;
        const OdeTable t = IntegrateRK4Fixed(OdeLaw{law, 2, kRadians}, {0, 0, 0}, 0, T, 300);
        EXPECT_NEAR(t.states(1, 301), x, 1e-6 * size) << text << " (table)";
        EXPECT_NEAR(t.states(2, 301), v, 1e-6 * size) << text << " (table)";
    };
    for (const Band& b : inX) {
        double x = 0, v = 0;
        PushInX(b, x, v);
        check(Num(b.A) + "+" + Num(b.K) + "*BAR(Y," + Num(b.lo) + "," + Num(b.hi) + ")", x, v, b.T, std::fabs(x));
    }
    for (const Band& b : inV) {
        double x = 0, v = 0;
        PushInV(b, x, v);
        check(Num(b.A) + "+" + Num(b.K) + "*IIF(Z>=" + Num(b.lo) + ",1,0)*IIF(Z<=" + Num(b.hi) + ",1,0)", x, v, b.T,
              std::fabs(x));
    }
    double x = 0, v = 0;
    PushInX({1, 10, 4, 5, 10}, x, v);
    EXPECT_NEAR(x, 66.98, 0.005);
    EXPECT_NEAR(v, 12.41, 0.005);
}

// A spring that acts only in contact: the ball dropped from 1 m comes back
// to rest at 1 m after each bounce.
TEST_F(Switches, ABounceOnASpringThatActsOnlyInContact) {
    CExpression law("IIF(Y<0,-1000*Y,0)-9.8+0*X+0*Z");
    const double period = 1.00727376439777;
    for (int k : {1, 3}) {
        const auto s = Motion(law, 1, 0, k * period);
        ASSERT_TRUE(s.ok()) << s.message();
        EXPECT_NEAR(s->at(1), 1, 2e-3) << k;
        EXPECT_NEAR(s->at(2), 0, 2e-2) << k;
    }
    const OdeTable t = IntegrateRK4Fixed(OdeLaw{law, 2, kRadians}, {0, 1, 0}, 0, period, 300);
    EXPECT_NEAR(t.states(1, 301), 1, 2e-3);
}

// Sliding friction stops the block, which then stays at rest until a push
// strong enough sets it going.
TEST_F(Switches, FrictionStopsTheBlockAndHoldsIt) {
    CExpression friction("-2.94*SGN(Z)+0*X+0*Y");
    for (double v0 : {0.5, 5.0, 30.0, -7.0}) {
        const double stop = std::fabs(v0) / 2.94, x = v0 * std::fabs(v0) / (2 * 2.94);
        for (double t : {stop / 2, 2 * stop + 1}) {
            const auto s = Motion(friction, 0, v0, t);
            ASSERT_TRUE(s.ok()) << v0 << " at " << t << ": " << s.message();
            const double want = t < stop ? v0 * t - std::copysign(2.94, v0) * t * t / 2 : x;
            EXPECT_NEAR(s->at(1), want, 1e-6 * std::fabs(x)) << v0 << " at " << t;
            EXPECT_NEAR(s->at(2), t < stop ? v0 - std::copysign(2.94, v0) * t : 0, 1e-6 * std::fabs(v0))
                << v0 << " at " << t;
        }
    }
    const auto s = Motion(friction, 0, 5, 3);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s->at(1), 4.2517, 5e-5);
    EXPECT_NEAR(s->at(2), 0, 1e-9);
    // The table of the graphs holds it at rest on the switch itself: the law
    // read there, as the graph of a(t) reads it, gives no push.
    const OdeTable table = IntegrateRK4Fixed(OdeLaw{friction, 2, kRadians}, {0, 0, 5}, 0, 3, 300);
    for (int k = 1; k <= table.points; ++k) {
        if (table.times[static_cast<size_t>(k)] < 1.71) continue;
        EXPECT_EQ(table.states(2, k), 0) << table.times[static_cast<size_t>(k)];
        EXPECT_EQ(
            friction.Value({table.times[static_cast<size_t>(k)], table.states(1, k), table.states(2, k)}).ToNumber(),
            0);
    }

    // A push of 2 cannot move it against 2.94; one of 5 from t = 3 can.
    CExpression weak("2*STP1(0,X,1)-2.94*SGN(Z)+0*Y"), strong("5*STP1(0,X,3)-2.94*SGN(Z)+0*Y");
    const auto w = Motion(weak, 0, 0, 10);
    ASSERT_TRUE(w.ok());
    EXPECT_NEAR(w->at(1), 0, 1e-9);
    EXPECT_NEAR(w->at(2), 0, 1e-9);
    const auto g = Motion(strong, 0, 5, 10);
    ASSERT_TRUE(g.ok());
    const double stopX = 25 / (2 * 2.94);
    EXPECT_NEAR(g->at(1), stopX + 2.06 * 49 / 2, 1e-4);
    EXPECT_NEAR(g->at(2), 2.06 * 7, 1e-5);
    // Held at rest, the block has no acceleration, whatever push its law
    // reads at v = 0; moving, it has the law's.
    EXPECT_EQ(RateOnSwitches(OdeLaw{weak, 2, kRadians}, 10, {0, w->at(1), w->at(2)}), 0);
    EXPECT_EQ(RateOnSwitches(OdeLaw{friction, 2, kRadians}, 3, {0, s->at(1), s->at(2)}), 0);
    EXPECT_NEAR(RateOnSwitches(OdeLaw{strong, 2, kRadians}, 10, {0, g->at(1), g->at(2)}), 2.06, 1e-12);
}

// Narrow pushes in t that the scan of the interval sampled, and kinks.
TEST_F(Switches, NarrowPushesInTimeAreResolved) {
    const struct {
        std::string a;
        double T, x, v;
    } cases[] = {
        {"1000*EXP(-((X-3.3)/0.001)^2)", 10, kSqrtPi * 6.7, kSqrtPi},
        {"1000*EXP(-((X-3.3051)/0.001)^2)", 10, kSqrtPi * (10 - 3.3051), kSqrtPi},
        {"MAX(0,1-ABS(X-123.4)/0.1)", 1000, 0.1 * 876.6, 0.1},
        {"MAX(0,1-ABS(X-7.77)/0.01)", 10, 0.01 * 2.23, 0.01},
        {"IIF(ABS(X-2)<0.05,1+COS(PI*(X-2)/0.05),0)", 10, 0.1 * 8, 0.1},
    };
    for (const auto& c : cases) {
        CExpression law(c.a + "+0*Y+0*Z");
        const auto s = Motion(law, 0, 0, c.T);
        ASSERT_TRUE(s.ok()) << c.a << ": " << s.message();
        EXPECT_NEAR(s->at(1), c.x, 1e-4 * c.x) << c.a;
        EXPECT_NEAR(s->at(2), c.v, 1e-4 * c.v) << c.a;
        // The graphs' table, whose grid samples the pulse or whose cuts hold it.
        const OdeTable t = IntegrateRK4Fixed(OdeLaw{law, 2, kRadians}, {0, 0, 0}, 0, c.T, 300);
        EXPECT_NEAR(t.states(1, 301), c.x, 1e-3 * c.x) << c.a << " (table)";
        EXPECT_NEAR(t.states(2, 301), c.v, 1e-3 * c.v) << c.a << " (table)";
    }
}

// A point the motion or the integral cannot pass is refused, naming it.
TEST_F(Switches, APoleIsRefusedNamingWhere) {
    CExpression pole("1/(X-1)+0*Y+0*Z");
    const auto s = Motion(pole, 0, 0, 2);
    ASSERT_FALSE(s.ok()) << s->at(1);
    EXPECT_EQ(s.message(), ImpreciseIntegralMessage(0, 2, 1, "t"));
    EXPECT_EQ(s.message(),
              "No alcancé la precisión pedida en la integración entre 0 y 2: la fórmula crece sin límite o cambia "
              "demasiado rápido cerca de t = 1.\r\nRevisa la fórmula o toma un intervalo que no incluya ese punto.");
    const rt::Outcome<double> v = SolveODE1("1/(X-1)", 0, 2, kRadians);
    ASSERT_FALSE(v.ok());
    EXPECT_EQ(v.message(), ImpreciseIntegralMessage(0, 2, 1, "X"));
}

}  // namespace
