// Posing a segment's equations in their four kinds, the records they leave,
// and the relational data of the table cells.
#include "motion/mrua/segment_eqns.h"

#include "mrua_fixture.h"
#include "runtime/errors.h"

namespace {

using mrua::ComposeSegmentEqns;
using mrua::EqnKind;
using mruatest::MruaTest;

struct EqnCase {
    rt::Variant a, tb, xb, vb;
    EqnKind kind;
    const char* position;
    const char* velocity;
};

TEST_F(MruaTest, EquationLinesOfTheFourKindsWithOneBlankAfterEqualsAndTheMinusByItsNumber) {
    const rt::Variant none = std::string();
    const EqnCase cases[] = {
        {1.5, 2, 3, 4, EqnKind::Numeric, "x = ;-2 + t + 0.75 t¡2", "v = 1 + 1.5 t"},
        {1.5, 2, 3, none, EqnKind::ParamV, "x = 3 + v!0(t ;- 2) + 0.75 (t ;- 2)¡2", "v = v!0 + 1.5 (t ;- 2)"},
        {none, 2, 3, 4, EqnKind::ParamA, "x = 3 + 4 (t ;- 2) + 0.5a(t ;- 2)¡2", "v = 4 + a(t ;- 2)"},
        {rt::Variant(), 2, 3, rt::Variant(), EqnKind::ParamVA, "x = 3 + v!0(t ;- 2) + 0.5 a(t ;- 2)¡2",
         "v = v!0 + a(t ;- 2)"},
        // A base time of 0 writes the bare t; vanishing terms are left out.
        {-2, 0, 5, none, EqnKind::ParamV, "x = 5 + v!0t ;- t¡2", "v = v!0 ;- 2 t"},
        {1.5, 0, 0, 0, EqnKind::Numeric, "x = 0.75 t¡2", "v = 1.5 t"},
        {none, 0, 0, 0, EqnKind::ParamA, "x = 0.5at¡2", "v = at"},
        // A body at rest at the origin still shows a value.
        {0, 0, 0, 0, EqnKind::Numeric, "x = 0", "v = 0"},
        // Text typed in the table counts for its number.
        {"1.5", "2", "3", "4", EqnKind::Numeric, "x = ;-2 + t + 0.75 t¡2", "v = 1 + 1.5 t"},
    };
    for (const auto& c : cases) {
        const auto e = ComposeSegmentEqns(1, 1, 0, c.a, c.tb, c.xb, c.vb);
        EXPECT_EQ(e.kind, c.kind) << c.position;
        EXPECT_EQ(e.positionLine, c.position);
        EXPECT_EQ(e.velocityLine, c.velocity);
    }
}

TEST_F(MruaTest, DataLineAndSymbolsOfTheSegmentWithoutStrayBlanks) {
    auto e = ComposeSegmentEqns(1, 1, 0, 1.5, 2, 3, 4);
    EXPECT_EQ(e.heading, "Plantear ecs. del móvil 1, tramo 1, punto base: 0");
    EXPECT_EQ(e.dataLine, "t!0 = 2, x!0 = 3, v!0 = 4, a = 1.5");
    e = ComposeSegmentEqns(1, 2, 3, std::string(), 2, 3, std::string());
    EXPECT_EQ(e.dataLine, "t!3 = 2, x'!3 = 3, v'!3 = ?, a' = ?");
    EXPECT_EQ(e.positionLine, "x' = 3 + v'!3(t ;- 2) + 0.5 a'(t ;- 2)¡2");
    e = ComposeSegmentEqns(2, 1, 1, 1, 0, 0, 2);
    EXPECT_EQ(e.positionLine, "X = 2 t + 0.5 t¡2");
    // Negative data carry the same minus as the equations.
    e = ComposeSegmentEqns(1, 2, 4, -3, 1.5, -7, std::string());
    EXPECT_EQ(e.dataLine, "t!4 = 1.5, x'!4 = ;-7, v'!4 = ?, a' = ;-3");
    EXPECT_EQ(e.velocityLine, "v' = v'!4 ;- 3 (t ;- 1.5)");
}

TEST_F(MruaTest, StoringAPosingKeepsOneKindAndTheAccelerationOfKnownKinds) {
    auto& seg = motion::State().Segments[1][1];
    seg.Accel = "7";
    auto e = ComposeSegmentEqns(1, 1, 0, std::string(), 2, 3, 4);  // acceleration unknown
    mrua::StorePosedEqns(1, 1, 0, e);
    EXPECT_EQ(mrua::Records().Kind(1, 1), EqnKind::ParamA);
    EXPECT_EQ(seg.Accel, rt::Variant("7"));

    e = ComposeSegmentEqns(1, 1, 0, 1.5, 2, 3, 4);
    mrua::StorePosedEqns(1, 1, 0, e);
    EXPECT_EQ(mrua::Records().Kind(1, 1), EqnKind::Numeric);
    EXPECT_FALSE(mrua::Records().ParamA[1][1]);
    EXPECT_DOUBLE_EQ(mrua::Records().InitialPositions[1][1], -2);
    EXPECT_DOUBLE_EQ(mrua::Records().InitialVelocities[1][1], 1);
    EXPECT_EQ(seg.Accel, rt::Variant(1.5));

    mrua::Records().EraseFlags();
    EXPECT_EQ(mrua::Records().Kind(1, 1), EqnKind::None);
}

TEST_F(MruaTest, ABaseTimeThatIsNotANumberFailsBeforeAnythingIsStored) {
    EXPECT_THROW(ComposeSegmentEqns(1, 1, 0, 1, "t0", 0, 0), rt::RuntimeError);
}

TEST(MruaLines, LinesOfEachSegment) {
    EXPECT_EQ(mrua::EqnLineOfSegment(1, 1), 1);
    EXPECT_EQ(mrua::EqnLineOfSegment(1, 3), 5);
    EXPECT_EQ(mrua::EqnLineOfSegment(2, 3), 7);
    EXPECT_EQ(mrua::EqnLineOfSegment(3, 1), 0);
}

TEST(MruaRelDatum, FormsOfTheRelationalDatum) {
    const rt::Variant E;
    struct Case {
        const char* datum;
        rt::Variant point, increment, factor;
    } cases[] = {
        {"", E, E, E},           {"x1", "1", 0, E},      {"-x1", "1", E, -1},      {"t0+2", "0", "2", E},
        {"t0 + 2", "0", "2", E}, {"x1-3", "1", "-3", E}, {"2*x1", "1", E, "2"},    {"-2*x1", "1", E, "-2"},
        {"x1*2", "2", E, "x1"},  {"x1/4", "1", E, 0.25}, {"-x1/4", "1", E, -0.25}, {"-x1-2", "2", E, -1},
        {"x1+-2", E, E, E},      {"2*x1/3", E, E, E},    {"x1-2*3", E, E, E},
    };
    for (const auto& c : cases) {
        const auto r = mrua::ParseRelDatum(std::string(c.datum));
        EXPECT_EQ(r.point, c.point) << c.datum;
        EXPECT_EQ(r.increment, c.increment) << c.datum;
        EXPECT_EQ(r.factor, c.factor) << c.datum;
    }
    EXPECT_THROW(mrua::ParseRelDatum(std::string("x1/0")), rt::RuntimeError);
    EXPECT_THROW(mrua::ParseRelDatum(std::string("x1/a")), rt::RuntimeError);
}

TEST(MruaRelDatum, TheCheckedParseRefusesWhatNoProcedureCanUse) {
    for (const char* bad : {"x1+-2", "x1*2", "xa", "t0+", "x1/0", "2*x1/3"})
        EXPECT_FALSE(mrua::ParseRelDatumChecked(std::string(bad)).has_value()) << bad;
    const auto ok = mrua::ParseRelDatumChecked(std::string("t0+2"));
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(ok->increment, rt::Variant("2"));
    EXPECT_TRUE(mrua::ParseRelDatumChecked(rt::Variant())->point.IsEmpty());
}

}  // namespace
