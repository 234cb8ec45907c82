// The listed procedures on typed values: interval equations, systems in the
// base velocity and the acceleration, relations between two bodies and the
// proportional conditions.
#include "motion/mrua/listed.h"

#include "mrua_fixture.h"
#include "runtime/errors.h"

namespace {

using mrua::StepResult;
using mruatest::Lines;
using mruatest::MruaTest;
using V = std::vector<std::string>;

// The interval values given as (quantity, text) pairs.
enum { a, ti, tf, dt, xi, xf, dx, vi, vf, dv };
motion::IntervalData Interval(std::initializer_list<std::pair<int, const char*>> given) {
    using D = motion::IntervalData;
    static constexpr rt::Variant D::*kFields[] = {&D::a,  &D::ti, &D::tf, &D::dt, &D::xi,
                                                  &D::xf, &D::dx, &D::vi, &D::vf, &D::dv};
    D d;
    for (auto [i, text] : given) d.*kFields[i] = std::string(text);
    return d;
}

TEST_F(MruaTest, IntervalEquationsSolveTheirCombinations) {
    struct Case {
        motion::IntervalData in;
        const char* datos;
        const char* result;
    } cases[] = {
        {Interval({{a, "3"}, {xi, "12"}, {xf, "23"}, {dt, "6"}}), "Datos: a = 3, x!i = 12, x!f = 23, ;Dt = 6",
         "v!i = ;-7.167, v!f = 10.833"},
        {Interval({{ti, "0"}, {tf, "4"}, {vi, "2"}, {vf, "10"}}), "Datos: t!i = 0, t!f = 4, v!i = 2, v!f = 10",
         "a = 2, ;Dx = 24"},
        {Interval({{a, "2"}, {xi, "0"}, {xf, "24"}, {vf, "10"}}), "Datos: a = 2, x!i = 0, x!f = 24, v!f = 10",
         "v!i = ±2, ;Dt = 4, 6"},
        {Interval({{a, "2"}, {dx, "24"}, {vf, "1"}}), "Datos: a = 2, ;Dx = 24, v!f = 1", "No hay solución para vi."},
        {Interval({{a, "-2"}, {ti, "1"}, {tf, "2"}}), "Datos: a = -2, t!i = 1, t!f = 2", ";Dv = ;-2"},
        {Interval({{a, "2"}, {dx, "12"}, {vi, "0"}}), "Datos: a = 2, ;Dx = 12, v!i = 0",
         "v!f = ±6.928,  ;Dt = 3.464, ;-3.464"},
        {Interval({{xi, "1"}, {xf, "2"}}), "Datos: ", "Datos de más, de menos, o inconsistentes"},
        {Interval({{a, "1"}, {vi, "1"}, {vf, "2"}, {dt, "1"}}), "Datos: ", "Datos de más, de menos, o inconsistentes"},
        {Interval({{a, "0"}, {vi, "1"}, {vf, "2"}, {xi, "0"}}), "Datos: ", "Valor 0 no permitido"},
        // A displacement too small for the decimals keeps its digits; the
        // rounding noise of a velocity that is 0 in truth does not show.
        {Interval({{ti, "0"}, {tf, "1E-6"}, {vi, "0"}, {vf, "1E-3"}}),
         "Datos: t!i = 0, t!f = 1E-06, v!i = 0, v!f = 0.001", "a = 1000, ;Dx = 5E-10"},
        {Interval({{a, "-0.1"}, {vi, "0.3"}, {dt, "3"}}), "Datos: a = -0.1, v!i = 0.3, ;Dt = 3", "v!f = 0, ;Dx = 0.45"},
        // An electron's crossing time is not shown as 0 at 3 decimals.
        {Interval({{a, "1.76E+14"}, {vi, "0"}, {vf, "1.383E+07"}}),
         "Datos: a = 176000000000000, v!i = 0, v!f = 13830000", ";Dt = 7.86E-08, ;Dx = 0.543"},
        {Interval({{a, "-1.76E+14"}, {dx, "0.5"}, {vi, "1.383E+07"}}),
         "Datos: a = -176000000000000, ;Dx = 0.5, v!i = 13830000", "v!f = ±3907543.986,  ;Dt = 5.64E-08, 1.01E-07"},
    };
    for (const auto& c : cases) {
        const StepResult o = mrua::IntervalEqns(c.in);
        ASSERT_FALSE(o.Refused()) << o.message;
        EXPECT_EQ(Lines(o.lines), (V{"Sust. en las ecs. de intervalo:", c.datos, c.result}));
    }
}

TEST_F(MruaTest, IntervalEquationsRefuseWithABox) {
    EXPECT_EQ(mrua::IntervalEqns(Interval({{dx, "5"}, {vi, "3"}, {vf, "-3"}})).message, "Si vi = vf entonces dx = 0.");
    EXPECT_EQ(mrua::IntervalEqns(Interval({{a, "0"}, {vi, "1"}, {vf, "2"}})).message,
              "Valor 0 de la aceleración no permitido.");
    EXPECT_EQ(mrua::IntervalEqns(Interval({{ti, "2"}, {tf, "2"}, {dv, "1"}})).message, "ti no debe ser igual a tf.");
    // A value that is not a number fails.
    EXPECT_THROW(mrua::IntervalEqns(Interval({{a, "x"}, {vi, "1"}, {vf, "2"}})), rt::RuntimeError);
}

// Uniform motion (a = 0, or vi = vf) has plain answers where the general
// formulas divide by a; a body at rest leaves the time undetermined or never
// covers a distance. A tiny acceleration keeps its displacement.
TEST_F(MruaTest, IntervalEquationsAnswerUniformMotion) {
    struct Case {
        motion::IntervalData in;
        const char* result;
    } cases[] = {
        {Interval({{a, "0"}, {vi, "2"}, {ti, "0"}, {tf, "4"}}), "v!f = 2, ;Dx = 8"},
        {Interval({{a, "0"}, {vf, "2"}, {ti, "0"}, {tf, "4"}}), "v!i = 2, ;Dx = 8"},
        {Interval({{a, "1E-20"}, {vi, "2"}, {ti, "0"}, {tf, "4"}}), "v!f = 2, ;Dx = 8"},
        {Interval({{xi, "0"}, {xf, "10"}, {vi, "2"}, {vf, "2"}}), "a = 0, ;Dt = 5"},
        {Interval({{a, "0"}, {xi, "0"}, {xf, "10"}, {vi, "2"}}), "v!f = 2, ;Dt = 5"},
        {Interval({{a, "0"}, {dx, "10"}, {vf, "2"}}), "v!i = 2, ;Dt = 5"},
        {Interval({{a, "0"}, {dx, "-10"}, {vi, "2"}}), "v!f = 2, ;Dt = ;-5"},
        {Interval({{a, "0"}, {dx, "0"}, {vf, "0"}}), "v!i = 0, ;Dt indeterminado (a = 0 y velocidad 0)."},
        {Interval({{a, "0"}, {xi, "1"}, {xf, "3"}, {vi, "0"}}),
         "No hay solución: con a = 0 y velocidad 0 el móvil no se desplaza."},
    };
    for (const auto& c : cases) {
        const StepResult o = mrua::IntervalEqns(c.in);
        ASSERT_FALSE(o.Refused()) << o.message;
        ASSERT_EQ(o.lines.UBound(), 3);
        EXPECT_EQ(Lines(o.lines)[2], c.result);
    }
}

TEST_F(MruaTest, SystemsInTheBaseVelocityAndAccelerationWithoutStrayBlanksAroundTerms) {
    using enum motion::RectProcedure;
    StepResult o = mrua::VaSystem(SystemVA, "1,1,3,1,-1,1");
    EXPECT_EQ(Lines(o.lines), (V{"Resolver el sistema:", "v!0 + a = 3", "v!0 ;- a = 1", "v!0 = 2, a = 1"}));
    EXPECT_EQ(mrua::VaSystem(SystemVA, "1,2,3,2,4,5").message, "El coeficiente del sistema es cero.");
    EXPECT_EQ(mrua::VaSystem(SystemV2A, "1,2,3,4,5").message, "Número de coeficientes incorrecto.");
    EXPECT_EQ(mrua::VaSystem(SystemV2A, "1,x,2,3,4,5").message, "Hay algún coeficiente no numérico.");
    EXPECT_EQ(mrua::VaSystem(SystemV2A, "").message, "Número de coeficientes incorrecto.");

    // SystemV2A with c0 = 0: a from the first equation, one solution.
    o = mrua::VaSystem(SystemV2A, "0,2,4,1,1,5");
    EXPECT_EQ(o.lines[4], "v!0 = 3, a = 2");
    // ... and with c1 = 0 too: nothing to write, nothing said.
    o = mrua::VaSystem(SystemV2A, "0,0,4,1,1,5");
    EXPECT_FALSE(o.Refused());
    EXPECT_EQ(o.lines.UBound(), 0);

    // SystemV2A with two roots: v0^2 + a = 5, v0 + a = 3 gives v0 = 2 or -1.
    o = mrua::VaSystem(SystemV2A, "1,1,5,1,1,3");
    ASSERT_EQ(o.lines.UBound(), 5);
    EXPECT_EQ(o.lines[4], "v!0 = 2, a = 1");
    EXPECT_EQ(o.lines[5], "o bien   v!0 = ;-1, a = 4");

    // SystemV2A2AV2A: a = 2 makes v0^2 negative and is dropped; a = -2 gives v0^2 = 3.
    o = mrua::VaSystem(SystemV2A2AV2A, "0,1,0,4,1,1,1");
    ASSERT_EQ(o.lines.UBound(), 4);
    EXPECT_EQ(o.lines[4], "v!0 = #mame 1.732, a = ;-2");

    o = mrua::VaSystem(Quadratic, "1,0,1");
    EXPECT_EQ(Lines(o.lines), (V{"Resolver la ecuación cuadrática:", "x¡2 + 1 = 0", "x!1,!2 = 0 #mame 1 i"}));
    EXPECT_EQ(mrua::VaSystem(Quadratic, "1,-3,2").lines[3], "x!1 = 2, x!2 = 1");
    // Without the square term the quadratic formula divides by zero: it fails.
    EXPECT_THROW(mrua::VaSystem(Quadratic, "0,1,2"), rt::RuntimeError);
    EXPECT_EQ(mrua::VaSystem(LinkSegments, "1,2,3").lines.UBound(), 0);
}

mrua::SegmentLaw Law(int segment, double A, double B, double a) { return {segment, A, B, a}; }

TEST_F(MruaTest, PositionRelationsBetweenTheBodiesWriteTheMarkupMinus) {
    // x = t^2 against X = 4: x - X = 0 at t = 2 and t = -2.
    StepResult o = mrua::XRelation({Law(1, 0, 0, 2)}, Law(1, 4, 0, 0), 0, true);
    EXPECT_EQ(Lines(o.lines),
              (V{"La condición x ;- X = 0 se cumple en el tramo 1 del móvil 1 en:", "t = 2", "t = ;-2"}));
    // Equal accelerations: one time per segment; segments 2 and 3 are named.
    o = mrua::XRelation({Law(2, 0, 1, 0), Law(3, 0, 2, 0)}, Law(1, 2, 0, 0), 1, false);
    EXPECT_EQ(Lines(o.lines), (V{"La condición x = 1X se cumple en el tramo 2 del móvil 1 en:", "t = 2",
                                 "La condición x = 1X se cumple en el tramo 3 del móvil 1 en:", "t = 1"}));
    EXPECT_EQ(mrua::XRelation({Law(1, 0, 1, 0)}, Law(1, 2, 1, 0), 0, true).message,
              "No hay puntos que cumplan la condición dada.");
}

TEST_F(MruaTest, AVelocityRelationThatNeverChangesInOneSegmentKeepsTheOthers) {
    // Segment 1: v = t against V = 1 meets at t = 1; segment 2 runs parallel.
    std::vector<mrua::TimeInSegment> times;
    StepResult o = mrua::VRelation({Law(1, 0, 0, 1), Law(2, 0, 3, 0)}, Law(1, 0, 1, 0), 0, true, times);
    ASSERT_FALSE(o.Refused());
    ASSERT_EQ(times.size(), 1u);
    EXPECT_EQ(times[0].segment, 1);
    EXPECT_DOUBLE_EQ(times[0].t, 1);
    EXPECT_EQ(Lines(o.lines), (V{"La condición v ;- V = 0 se cumple en el tramo 1 del móvil 1 en:", "t = 1"}));
    EXPECT_EQ(mrua::VRelation({Law(1, 0, 0, 0)}, Law(1, 0, 1, 0), 0, true, times).message, "No hay solución.");
    // v = 2 V with v = 2 + t, V = 1: t = 0.
    o = mrua::VRelation({Law(1, 0, 2, 1)}, Law(1, 0, 1, 0), 2, false, times);
    EXPECT_EQ(o.lines[2], "t = 0");
}

// Body 1 moves as x = t^2; body 2 as X = 1 + t from T0 = 0. At t = 1,
// x = 0.5 X and v = 2 V.
TEST_F(MruaTest, ProportionalConditionsFindTheMissingDatumOfBody2WithTheMarkupMinus) {
    const auto b1 = Law(1, 0, 0, 2);
    const std::string none;
    StepResult o = mrua::PQConditions(b1, {"0", none, "1", "0"}, 0.5, 2);
    EXPECT_EQ(Lines(o.lines), (V{"Las condiciones x = 0.5*X  y  v = 2*V se cumplen", "en t = 1 si X!0 = 1"}));

    o = mrua::PQConditions(b1, {"0", "1", none, "0"}, 0.5, 2);
    ASSERT_EQ(o.lines.UBound(), 7);
    EXPECT_EQ(o.lines[2], "V!0 = 1, en el punto:");
    EXPECT_EQ(o.lines[3], "t = 1, x = 1, v = 2");
    EXPECT_EQ(o.lines[4], "X = 2, V = 1");
    EXPECT_EQ(o.lines[5], " o si V0 = ;-1, en el punto:");

    // The acceleration: A = 0, or A = 2.5 at t = -2/3.
    o = mrua::PQConditions(b1, {"0", "1", "1", none}, 0.5, 2);
    ASSERT_EQ(o.values.size(), 4u);
    for (size_t k = 0; k < 4; k += 2) {
        const double A = o.values[k], t = o.values[k + 1];
        EXPECT_NEAR(t * t, 0.5 * (1 + t + A / 2 * t * t), 1e-12) << A;
        EXPECT_NEAR(2 * t, 2 * (1 + A * t), 1e-12) << A;
    }

    o = mrua::PQConditions(b1, {none, "1", "1", "0"}, 0.5, 2);
    EXPECT_EQ(Lines(o.lines), (V{"Las condiciones x = 0.5*X  y  v = 2*V se cumplen en", "t = 1  si T!0 = 0"}));

    // Both coefficients of the equation in T0 vanish while the rest does not:
    // no start time fits (rather than a start time of 0 that does not).
    EXPECT_EQ(mrua::PQConditions(b1, {none, "1", "0", "0"}, 0.5, 2).message, "No existe solución para T0.");
    EXPECT_EQ(mrua::PQConditions(b1, {"0", "1", "1", "0"}, 0.5, 2).message, "Datos incorrectos.");
    EXPECT_EQ(mrua::PQConditions(b1, {"0", "1", none, "2"}, 0.5, 1).message, "Condición inaceptable.");
    EXPECT_THROW(mrua::PQConditions(b1, {"0", none, "1", "0"}, 0, 2), rt::RuntimeError);
}

}  // namespace
