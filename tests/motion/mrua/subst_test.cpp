// Substitutions into the numeric equations and into the equations with
// parameters.
#include "motion/mrua/subst.h"

#include <cmath>

#include "mrua_fixture.h"
#include "runtime/errors.h"

namespace {

using mrua::StepResult;
using mruatest::Lines;
using mruatest::MruaTest;
using V = std::vector<std::string>;

const rt::Variant none = std::string();

class SubstTest : public MruaTest {
protected:
    mrua::Symbols s1{"x", "v", "a"};
};

TEST_F(SubstTest, APointsTimeGivesPositionAndVelocity) {
    const auto r = mrua::SubstPoint({1, 0, 0, 2}, s1, 1, 1, 2, 3, none, none);
    ASSERT_EQ(r.count, 1);
    EXPECT_EQ(r.given, 't');
    EXPECT_DOUBLE_EQ(r.x[0], 9);
    EXPECT_DOUBLE_EQ(r.v[0], 6);
    EXPECT_EQ(Lines(r.lines), (V{"Sust. en las ecs. del móvil 1, tramo 1:   t!2 = 3", "Se halló: x!2 = 9, v!2 = 6"}));
}

TEST_F(SubstTest, APositionReachedTwiceGivesBothTimes) {
    // x = -3 t + t^2 reaches -2 at t = 2 (v = 1) and t = 1 (v = -1).
    auto r = mrua::SubstPoint({1, 0, -3, 2}, s1, 1, 1, 0, none, -2, none);
    ASSERT_EQ(r.count, 2);
    EXPECT_DOUBLE_EQ(r.t[r.chosen], 2);
    EXPECT_DOUBLE_EQ(r.v[r.chosen], 1);
    EXPECT_EQ(r.lines[2], "Se halló: t!0 = 2, v!0 = 1\r\no bien t!0 = 1, v!0 = ;-1");
    // The table takes the non-negative time when the other is negative.
    r = mrua::SubstPoint({1, 3, 2, -2}, s1, 1, 1, 0, none, 0, none);
    EXPECT_DOUBLE_EQ(r.t[r.chosen], 3);
    EXPECT_EQ(mrua::SubstPoint({1, 0, 0, 2}, s1, 1, 1, 0, none, -1, none).message,
              "El móvil no alcanza esta posición.");
}

TEST_F(SubstTest, UniformMotionWithAVelocityOrAPositionItNeverTakes) {
    EXPECT_EQ(mrua::SubstPoint({1, 0, 2, 0}, s1, 1, 1, 0, none, none, 3).message,
              "Dato no aplicable al movimiento uniforme.");
    // A body at rest elsewhere never reaches the position.
    EXPECT_EQ(mrua::SubstPoint({1, 5, 0, 0}, s1, 1, 1, 0, none, 3, none).message, "El móvil no alcanza esta posición.");
    const auto r = mrua::SubstPoint({1, 1, 2, 0}, s1, 1, 1, 0, none, 7, none);
    EXPECT_DOUBLE_EQ(r.t[0], 3);
    EXPECT_DOUBLE_EQ(r.v[0], 2);
    EXPECT_EQ(mrua::SubstPoint({1, 0, 0, 2}, s1, 1, 1, 0, none, none, none).given, 0);
}

TEST_F(SubstTest, IncrementsFixBothPoints) {
    const V expected{"Sust. en las ecs. del móvil 1, tramo 1 los datos:", ";Dt = 1, ;Dx = 3  en  0;-1",
                     "t!0 = 1, x!0 = 1, v!0 = 2", "t!1 = 2, x!1 = 4, v!1 = 4"};
    StepResult o = mrua::SubstIncrements({1, 0, 0, 2}, s1, 1, 1, 0, 1, 1, 3, none);
    EXPECT_EQ(Lines(o.lines), expected);
    EXPECT_EQ(o.values, (std::vector<double>{1, 1, 2, 2, 4, 4}));
    o = mrua::SubstIncrements({1, 0, 0, 2}, s1, 1, 1, 0, 1, none, 3, 2);
    EXPECT_EQ(o.values, (std::vector<double>{1, 1, 2, 2, 4, 4}));
    EXPECT_EQ(o.lines[2], ";Dx = 3, ;Dv = 2  en  0;-1");

    EXPECT_EQ(mrua::SubstIncrements({1, 0, 0, 2}, s1, 1, 1, 0, 1, 1e-9, 3, none).message, "Estás poniendo dt = 0.");
    EXPECT_EQ(mrua::SubstIncrements({1, 0, 0, 2}, s1, 1, 1, 0, 1, none, 3, -1e-9).message, "Estás poniendo dv = 0.");
    EXPECT_EQ(mrua::SubstIncrements({1, 0, 1, 0}, s1, 1, 1, 0, 1, 1, 3, none).message,
              "Esta rutina no se aplica cuando la aceleración es cero.");
    EXPECT_EQ(mrua::SubstIncrements({1, 0, 0, 2}, s1, 1, 1, 0, 1, 1, 3, 2).lines.UBound(), 0);
}

TEST_F(SubstTest, AFactorAndAnIncrementGiveOneOrTwoSolutionsWithTheMarkupMinus) {
    // x = t^2, tf = 2 ti and dx = 3: ti = 1 or ti = -1.
    StepResult o = mrua::SubstRelation({1, 0, 0, 2}, s1, 1, 2, 2, 3, 0, 1, false);
    EXPECT_EQ(Lines(o.lines), (V{"Sustituir en las ecs. sin parámetros", "Datos: ;Dx = 3, t!1 = 2t!0.",
                                 "t!0 = 1, x!0 = 1, v!0 = 2", "t!1 = 2, x!1 = 4, v!1 = 4", "--------------",
                                 "t!0 = ;-1, x!0 = 1, v!0 = ;-2", "t!1 = ;-2, x!1 = 4, v!1 = ;-4"}));
    // xf = xi with the body coming back: vi = -(a/2) dt.
    o = mrua::SubstRelation({1, 0, 0, 2}, s1, 2, 1, 1, 2, 0, 1, false);
    EXPECT_EQ(o.values, (std::vector<double>{-1, 1, -2, 1, 1, 2}));
    // vf = 3 vi after dt = 1: vi = 1, ti = 0.5.
    o = mrua::SubstRelation({1, 0, 0, 2}, s1, 3, 3, 1, 1, 0, 1, false);
    EXPECT_EQ(o.values, (std::vector<double>{0.5, 0.25, 1, 1.5, 2.25, 3}));

    EXPECT_EQ(mrua::SubstRelation({1, 0, 0, 2}, s1, 1, 0, 2, 3, 0, 1, false).message,
              "El factor \"C\" no puede ser 0.");
    EXPECT_EQ(mrua::SubstRelation({1, 0, 0, 2}, s1, 1, 2, 2, 3, 0, 1, true).message,
              "El punto inicial del intervalo debe ser completamente desconocido.");
    EXPECT_EQ(mrua::SubstRelation({1, 0, 1, 0}, s1, 2, 1, 1, 2, 0, 1, false).message,
              "Datos no aplicables al movimiento uniforme.");
    EXPECT_EQ(mrua::SubstRelation({1, 0, 0, 2}, s1, 3, 2, 2, 0, 0, 1, false).message, "No hay solución.");
    EXPECT_EQ(mrua::SubstRelation({1, 0, 0, 2}, s1, 3, 1, 1, 1, 0, 1, false).message,
              "El factor \"C\" no puede ser igual a 1. Correspondería a dt = 0 ó dx = 0.");
}

motion::ParamSubstArgs Args(int point, int ref) {
    motion::ParamSubstArgs g;
    g.body = 1, g.segment = 1, g.point = point, g.refPoint = ref;
    return g;
}

TEST_F(SubstTest, UnknownBaseVelocity) {
    mrua::BaseData b;
    b.a = 2;  // x = vb t + t^2 from the origin at t = 0
    auto g = Args(2, 0);
    g.t = "2", g.x = "8", g.v = "99";  // t and x come first; v is ignored
    StepResult o = mrua::ParamVSubst(g, s1, b);
    EXPECT_EQ(Lines(o.lines), (V{"Sust. en ecs. con parámetro v!0 del móvil 1, tramo 1", "Datos: t!2 = 2, x!2 = 8",
                                 "Se halló: v!0 = 2"}));
    g = Args(2, 0);
    g.x = "1", g.v = "2";
    EXPECT_EQ(mrua::ParamVSubst(g, s1, b).values, (std::vector<double>{0}));
    g.x = "1", g.v = "4";
    o = mrua::ParamVSubst(g, s1, b);
    EXPECT_EQ(o.values, (std::vector<double>{std::sqrt(12.0), -std::sqrt(12.0)}));
    EXPECT_EQ(o.lines[3], "Se hallaron: v!0 = 3.464  y  v!0 = ;-3.464");
    g.v = "1";
    EXPECT_EQ(mrua::ParamVSubst(g, s1, b).message, "No hay solución para la velocidad.");

    g = Args(2, 0);
    g.t = "0", g.x = "0";
    EXPECT_EQ(mrua::ParamVSubst(g, s1, b).message, "Estás sustituyendo el tiempo del punto base.");
    // Uniform motion: positions over a duration give the mean velocity.
    b.a = 0;
    g = Args(2, 0);
    g.xRef = "0", g.x = "10", g.dt = "5";
    EXPECT_EQ(mrua::ParamVSubst(g, s1, b).values, (std::vector<double>{2}));
    g = Args(2, 0);
    g.t = "1", g.v = "3";
    EXPECT_EQ(mrua::ParamVSubst(g, s1, b).message, "No aplicable para movimiento uniforme.");
}

TEST_F(SubstTest, UnknownBaseVelocityFromProportionalPositions) {
    // x = 1 + vb t + t^2 with vb = 1; reference at t = 1 (x = 3), point at
    // t = 2 (x = 7): with tb = 0, u^2 = (X - C Xref) / (a/2 C (C - 1)).
    mrua::BaseData b;
    b.a = 2, b.xb = 1;
    auto g = Args(2, 1);
    g.xRef = "3", g.x = "7", g.tFactor = "2";
    const StepResult o = mrua::ParamVSubst(g, s1, b);
    ASSERT_EQ(o.values.size(), 2u);
    EXPECT_NEAR(o.values[0], 1, 1e-12);
    // The datos line names the factor as typed.
    EXPECT_EQ(o.lines[2], "Datos: x!1 = 3, x!2 = 7, t!2 = 2 t!1");
}

TEST_F(SubstTest, AZeroFactorOfTheTimesIsSolvedAsTheQuadraticItBecomes) {
    // x = (t - 1) + (t - 1)^2 from tb = 1: the point at t = 0 (x = 0) and the
    // reference at t = 2 (x = 2); vb = 1.
    mrua::BaseData b;
    b.a = 2, b.tb = 1;
    auto g = Args(2, 1);
    g.xRef = "2", g.x = "0", g.tFactor = "0";
    const StepResult o = mrua::ParamVSubst(g, s1, b);
    ASSERT_EQ(o.values.size(), 1u);
    EXPECT_NEAR(o.values[0], 1, 1e-12);
}

TEST_F(SubstTest, UnknownAcceleration) {
    mrua::BaseData b;  // base at the origin, at rest, at t = 0
    auto g = Args(1, 0);
    g.t = "2", g.x = "4";
    StepResult o = mrua::ParamASubst(g, s1, b);
    EXPECT_EQ(o.values, (std::vector<double>{2}));
    EXPECT_EQ(o.lines[3], "Se halló: a = 2");
    g = Args(1, 0);
    g.x = "0", g.v = "1";
    EXPECT_EQ(mrua::ParamASubst(g, s1, b).message, "Estás sustituyendo la posición del punto base.");
    // Velocities over a duration fix the acceleration; a zero duration is refused.
    g = Args(1, 0);
    g.vRef = "1", g.v = "5", g.dt = "2";
    EXPECT_EQ(mrua::ParamASubst(g, s1, b).values, (std::vector<double>{2}));
    g.dt = "0";
    EXPECT_EQ(mrua::ParamASubst(g, s1, b).message, "Estás poniendo igual a cero la duración \"dt\" del intervalo.");
    // With tb = 0 a factor of the times fixes no acceleration.
    g = Args(1, 0);
    g.vRef = "1", g.v = "4", g.tFactor = "2";
    EXPECT_EQ(mrua::ParamASubst(g, s1, b).message,
              "Existe solución solamente si\r\nv0 = -2\r\nen cuyo caso la aceleración es arbitraria.");
    // Positions and a velocity increment: a = 2 for x = t^2 between t = 1 and 2.
    g = Args(1, 0);
    g.xRef = "1", g.x = "4", g.dv = "2";
    o = mrua::ParamASubst(g, s1, b);
    ASSERT_FALSE(o.values.empty());
    EXPECT_NEAR(o.values[0], 2, 1e-12);
}

TEST_F(SubstTest, BothUnknownGiveARelationWithoutStrayBlanks) {
    mrua::BaseData b;
    auto g = Args(1, 0);
    g.t = "2", g.v = "5";
    StepResult o = mrua::ParamVASubst(g, s1, b);
    EXPECT_EQ(Lines(o.lines), (V{"Sust. en ecs. con parámetros v!0 y a del móvil 1, tramo 1", "Datos: t!1 = 2, v!1 = 5",
                                 "v!0 + 2 a = 5"}));
    EXPECT_FALSE(o.ask);
    // Equal times: the velocity is arbitrary and the relation reads " = dx".
    g = Args(1, 0);
    g.tRef = "1", g.t = "1", g.dx = "3";
    o = mrua::ParamVASubst(g, s1, b);
    EXPECT_EQ(o.note, "La velocidad v0 es arbitraria.");
    EXPECT_EQ(o.lines[3], " = 3");
    // Velocities over a duration fix the acceleration.
    g = Args(1, 0);
    g.vRef = "1", g.v = "5", g.dt = "2";
    o = mrua::ParamVASubst(g, s1, b);
    EXPECT_TRUE(o.ask);
    EXPECT_EQ(o.values, (std::vector<double>{2}));
    EXPECT_EQ(o.lines[3], "a = 2");
    g = Args(1, 0);
    g.vRef = "1", g.v = "5", g.dx = "0";
    EXPECT_EQ(mrua::ParamVASubst(g, s1, b).message, "Estás poniendo el desplazamiento igual a cero.");
    b.tb = 1;
    g = Args(1, 0);
    g.xRef = "1", g.x = "4", g.tFactor = "2";
    EXPECT_EQ(mrua::ParamVASubst(g, s1, b).message, "Sólo manejo este caso cuando t0 = 0.");
}

TEST_F(SubstTest, NoCombinationOfDataDoesNothing) {
    auto g = Args(1, 0);
    g.t = "2";
    EXPECT_EQ(mrua::ParamCase(g), 0);
    EXPECT_EQ(mrua::ParamVSubst(g, s1, {}).lines.UBound(), 0);
    EXPECT_FALSE(mrua::ParamASubst(g, s1, {}).Refused());
}

}  // namespace
