// The two-click procedures over the motion model: distance travelled, the
// pieces of the x(t) graph and the linking of two segments.
#include "motion/mrua/twoclick.h"

#include "mrua_fixture.h"
#include "runtime/errors.h"

namespace {

using mruatest::ColX;
using mruatest::Law;
using mruatest::Lines;
using mruatest::MruaTest;
using V = std::vector<std::string>;

void Times(std::initializer_list<std::pair<int, double>> cols) {
    for (auto [c, t] : cols) motion::MotionPoint(0, c) = t;
}

class TwoClickTest : public MruaTest {};

TEST_F(TwoClickTest, DistanceCountsTheWayOutAndBack) {
    mruatest::OneBody({8});
    Law(1, 1, 0, -2, 2);  // x = t^2 - 2t turns at t = 1
    Times({{1, 0}, {2, 3}});
    const auto o = mrua::Distance(ColX(1), ColX(2));
    EXPECT_EQ(Lines(o.lines), (V{"Calcular distancia recorrida.", "Móvil 1, de t = 0 a t = 3:", "d = 5"}));
    // The later point clicked first gives the same answer.
    EXPECT_EQ(Lines(mrua::Distance(ColX(2), ColX(1)).lines), Lines(o.lines));
    EXPECT_EQ(mrua::Distance(ColX(2), ColX(2)).lines[3], "d = 0");
}

TEST_F(TwoClickTest, DistanceAcrossSegments) {
    mruatest::OneBody({2, 4, 8});
    Law(1, 1, 0, 1, 0);   // 1 m/s
    Law(1, 2, 0, -2, 0);  // 2 m/s backwards
    Law(1, 3, 0, 0, 2);
    Times({{1, 0}, {3, 2}, {5, 3}, {6, 4}});
    // 0..2 in segment 1, 2..3 in segment 2, 3..4 in segment 3 (x = t^2).
    EXPECT_EQ(mrua::Distance(ColX(1), ColX(6)).lines[3], "d = 11");
    // A crossed segment without numeric equations is named, not read as zero.
    mrua::Records().SetKind(1, 2, mrua::EqnKind::ParamV);
    EXPECT_EQ(mrua::Distance(ColX(1), ColX(6)).message, "No tengo la ecuación x = x(t) del móvil 1, tramo 2");
}

TEST_F(TwoClickTest, DistanceRefusesTwoBodiesAndPositionsWithoutPoints) {
    mruatest::TwoBodies(4);
    EXPECT_EQ(mrua::Distance(ColX(1), ColX(6)).message, "Estás abarcando 2 móviles.");
    mruatest::OneBody({8});
    EXPECT_THROW(mrua::Distance(-10, -10), rt::RuntimeError);
}

TEST_F(TwoClickTest, PieceDistanceOfUniformAndTurningMotions) {
    EXPECT_DOUBLE_EQ(mrua::PieceDistance({1, 0, -3, 0}, 1, 3), 6);
    // A turning point at an end of the piece counts once.
    EXPECT_DOUBLE_EQ(mrua::PieceDistance({1, 0, -2, 2}, 1, 3), 4);
}

TEST_F(TwoClickTest, GraphOfOneSegmentStaysInsideTheFrame) {
    mruatest::OneBody({8});
    Law(1, 1, 0, -2, 2);
    Times({{1, 3}, {2, 0}});  // the later point clicked first in segment 1
    const auto planned = mrua::PlanGraphXt(ColX(1), ColX(2));
    ASSERT_TRUE(planned.ok()) << planned.message();
    const mrua::GraphPlan& plan = *planned;
    ASSERT_EQ(plan.pieces.size(), 1u);
    EXPECT_EQ(plan.pieces[0].start, 0);
    EXPECT_EQ(plan.pieces[0].end, 3);
    EXPECT_EQ(plan.xLo, -1);  // the turning point widens the range
    EXPECT_EQ(plan.xHi, 3);
    const auto& poly = plan.pieces[0].poly;
    EXPECT_EQ(poly.front(), std::make_pair(48, 117));
    EXPECT_EQ(poly.back(), std::make_pair(349, 343));
    for (auto [x, y] : poly) {
        EXPECT_GE(y, 42);
        EXPECT_LE(y, 343);
    }
}

TEST_F(TwoClickTest, GraphIgnoresARelativeDatumLeftInTheTable) {
    mruatest::OneBody({4, 8});
    Law(1, 1, 0, 0, 2);
    Law(1, 2, -16, 8, 0);
    Times({{1, 0}, {3, 2}, {5, 4}, {9, 6}});
    motion::MotionPoint(0, 2) = std::string("t0+1");
    motion::MotionPoint(0, 7) = std::string("t4+1");
    const auto planned = mrua::PlanGraphXt(ColX(1), ColX(9));
    ASSERT_TRUE(planned.ok()) << planned.message();
    const mrua::GraphPlan& plan = *planned;
    ASSERT_EQ(plan.pieces.size(), 2u);
    EXPECT_EQ(plan.pieces[0].start, 0);
    EXPECT_EQ(plan.pieces[0].end, 4);
    EXPECT_EQ(plan.pieces[1].start, 4);
    EXPECT_EQ(plan.pieces[1].end, 6);
}

TEST_F(TwoClickTest, GraphRefusalsAndPiecesAcrossBodies) {
    mruatest::OneBody({8});
    Law(1, 1, 0, 1, 0);
    Times({{1, 0}, {9, 8}});
    EXPECT_EQ(mrua::PlanGraphXt(ColX(9), ColX(1)).message(), "El tiempo inicial no puede estar al final de un tramo.");
    EXPECT_EQ(mrua::PlanGraphXt(ColX(2), ColX(1)).message(), "El tiempo final no puede estar al inicio de un tramo.");
    mrua::Records().EraseFlags();
    EXPECT_EQ(mrua::PlanGraphXt(ColX(1), ColX(9)).message(), "No tengo la ecuación x = x(t) del móvil 1, tramo 1");

    mruatest::TwoBodies(4);
    Law(1, 1, 0, 1, 0);
    Law(2, 1, 10, -1, 0);
    Times({{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 1}, {6, 2}, {7, 4}});
    const mrua::GraphPlan plan = *mrua::PlanGraphXt(ColX(2), ColX(7));
    ASSERT_EQ(plan.pieces.size(), 2u);
    EXPECT_EQ(plan.pieces[0].start, 1);
    EXPECT_EQ(plan.pieces[0].end, 3);
    EXPECT_EQ(plan.pieces[1].start, 1);
    EXPECT_EQ(plan.pieces[1].end, 4);
    // Within body 2 the later point may be clicked first, as in any segment.
    const mrua::GraphPlan back = *mrua::PlanGraphXt(ColX(7), ColX(6));
    ASSERT_EQ(back.pieces.size(), 1u);
    EXPECT_EQ(back.pieces[0].start, 2);
    EXPECT_EQ(back.pieces[0].end, 4);
    EXPECT_GT(back.pieces[0].poly.size(), 100u);
    // Body 2 then body 1 names no stretch of the motion.
    EXPECT_THROW(mrua::PlanGraphXt(ColX(6), ColX(2)), rt::RuntimeError);
}

TEST_F(TwoClickTest, AGraphOfABodyAtRestIsDrawnAroundItsPosition) {
    mruatest::OneBody({8});
    Law(1, 1, 2, 0, 0);
    Times({{1, 0}, {2, 1}});
    const mrua::GraphPlan plan = *mrua::PlanGraphXt(ColX(1), ColX(2));
    EXPECT_EQ(plan.xLo, 1);
    EXPECT_EQ(plan.xHi, 3);
    EXPECT_EQ(plan.pieces[0].poly.back().second, 192);  // the middle of the frame (192.5, halves to even)
}

class LinkTest : public MruaTest {
protected:
    void SetUp() override {
        MruaTest::SetUp();
        mruatest::OneBody({2, 8});
        // P = point 0 at rest at the origin, a1 = 2; Q = point 4.
        motion::MotionPoint(0, 1) = "0", motion::MotionPoint(1, 1) = "0", motion::MotionPoint(2, 1) = "0";
        Q("3", "3", "0");
        A("2", "-1");
    }
    void Q(const char* t, const char* x, const char* v) {
        motion::MotionPoint(0, 5) = t, motion::MotionPoint(1, 5) = x, motion::MotionPoint(2, 5) = v;
    }
    void A(const char* a1, const char* a2) {
        motion::State().Segments[1][1].Accel = a1;
        motion::State().Segments[1][2].Accel = a2;
    }
    mrua::LinkPlan Link() { return mrua::PlanLinkSegments(ColX(1), ColX(5)); }
};

TEST_F(LinkTest, TheMissingPositionOfTheSecondPointShowsAsUnknownWithItsSegmentsSymbol) {
    Q("3", "", "0");
    const auto plan = Link();
    ASSERT_EQ(plan.kase, 1);
    const auto& s = plan.sols.at(0);
    EXPECT_DOUBLE_EQ(s.tJ, 1);
    EXPECT_DOUBLE_EQ(s.xJ, 1);
    EXPECT_DOUBLE_EQ(s.vJ, 2);
    EXPECT_DOUBLE_EQ(s.xQ, 3);
    EXPECT_EQ(Lines(plan.lines),
              (V{"Datos: t!0 = 0, x!0 = 0, v!0 = 0", "a = 2, a' = ;-1", "t!4 = 3, x'!4 = ?, v'!4 = 0",
                 "Solución:", "t!2 = 1, x!2 = 1\r\nv!2 = 2", "x'!4 = 3"}));
    A("2", "2.000000001");
    EXPECT_EQ(Link().message, "Las aceleraciones no pueden ser iguales.");
}

TEST_F(LinkTest, TheMissingTimeHasTwoSolutionsToChooseFromWithTheMarkupMinus) {
    Q("", "3", "0");
    const auto plan = Link();
    ASSERT_EQ(plan.sols.size(), 2u);
    EXPECT_DOUBLE_EQ(plan.sols[0].tQ, 3);
    EXPECT_DOUBLE_EQ(plan.sols[0].tJ, 1);
    EXPECT_DOUBLE_EQ(plan.sols[1].tQ, -3);
    EXPECT_DOUBLE_EQ(plan.sols[1].tJ, -1);
    EXPECT_EQ(plan.lines.UBound(), 4);
    ASSERT_EQ(plan.chosenLines.size(), 2u);
    EXPECT_EQ(plan.chosenLines[1][6], "t!4 = ;-3");
    EXPECT_EQ(plan.lines[4],
              "Solución 1:\r\nt!4 = 3, t!2 = 1\r\nx!2 = 1, v!2 = 2\r\n"
              "Solución 2:\r\nt!4 = ;-3, t!2 = ;-1\r\nx!2 = 1, v!2 = ;-2");
}

TEST_F(LinkTest, TheMissingVelocityAndAccelerationsWithTheMarkupMinus) {
    Q("3", "3", "");
    auto plan = Link();
    ASSERT_EQ(plan.sols.size(), 2u);
    EXPECT_DOUBLE_EQ(plan.sols[0].vQ, 12);
    EXPECT_DOUBLE_EQ(plan.sols[0].tJ, 5);
    EXPECT_DOUBLE_EQ(plan.sols[0].xJ, 25);
    EXPECT_DOUBLE_EQ(plan.sols[0].tQ, 3);
    EXPECT_DOUBLE_EQ(plan.sols[1].vQ, 0);
    EXPECT_DOUBLE_EQ(plan.sols[1].tJ, 1);

    Q("3", "3", "0");
    A("2", "");
    plan = Link();
    EXPECT_EQ(plan.kase, 4);
    EXPECT_DOUBLE_EQ(plan.sols.at(0).a2, -1);
    EXPECT_EQ(plan.lines[6], "a' = ;-1");
    A("", "-1");
    plan = Link();
    EXPECT_DOUBLE_EQ(plan.sols.at(0).a1, 2);

    A("2", "-1");
    EXPECT_EQ(Link().kase, 0);  // everything known
}

TEST_F(LinkTest, ClicksThatNameNoPairOfConsecutiveSegments) {
    mruatest::OneBody({2, 4, 8});
    EXPECT_EQ(mrua::PlanLinkSegments(ColX(1), ColX(7)).message, "Los tramos a ligar deben ser consecutivos.");
    EXPECT_EQ(mrua::PlanLinkSegments(ColX(5), ColX(1)).message, "Los tramos a ligar deben ser consecutivos.");
    mruatest::TwoBodies(4);
    EXPECT_EQ(mrua::PlanLinkSegments(ColX(1), ColX(6)).message, "Estás abarcando dos móviles.");
    EXPECT_EQ(mrua::PlanLinkSegments(ColX(6), ColX(7)).message,
              "Esta subrutina es aplicable a dos tramos contiguos del móvil 1.");
}

TEST_F(LinkTest, AFirstPointThatIsNotCompletelyKnownFails) {
    motion::MotionPoint(2, 1) = rt::Variant();
    Q("3", "", "0");
    EXPECT_THROW(Link(), rt::RuntimeError);
}

}  // namespace
