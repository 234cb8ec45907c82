#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "statics/rigid/geometry.h"
#include "support/fault_point.h"

namespace rigid {
namespace {

SepVectorEntry Entry(const std::string& pts, const std::string& v, std::vector<std::string> vals = {},
                     const std::string& axis = "", bool axisShown = false) {
    SepVectorEntry e;
    e.points = pts;
    e.firstVector = v;
    for (size_t i = 0; i < vals.size(); ++i) e.values[i + 2] = vals[i];
    e.repeat = axis;
    e.repeatVisible = axisShown;
    return e;
}

void ExpectPoint(const StatState& st, const std::string& name, double x, double y) {
    const int k = FindPoint(st, name);
    ASSERT_NE(k, 0) << name;
    EXPECT_NEAR(PointAt(st, k).X, x, 1e-9) << name;
    EXPECT_NEAR(PointAt(st, k).Y, y, 1e-9) << name;
}

TEST(RigidGeometry, ChainsPlacePointsAndListThem) {
    StatState st;
    RegisterOutcome r = RegisterSepVectors(st, Entry("AB", "3,4"));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.proposeOrigin, "A");
    EXPECT_EQ(r.command, "AB/3,4/");
    r = RegisterSepVectors(st, Entry("BC", "0,-2"));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.proposeOrigin.empty());
    ExpectPoint(st, "C", 3, 2);
    // Both ends known: refused, nothing changes.
    r = RegisterSepVectors(st, Entry("AB", "1,1"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "El segmento AB ya está registrado.");
    EXPECT_EQ(r.focus, EntryFocus::Points);
    EXPECT_EQ(st.SepVectorCount(), 2);
    // A vector between unplaced points waits for a link.
    ASSERT_TRUE(RegisterSepVectors(st, Entry("DE", "1,0")).ok);
    EXPECT_EQ(CoordListLines(st, 3), (std::vector<std::string>{"A(0, 0)", "B(3, 4)", "C(3, 2)", "D(?, ?)", "E(?, ?)"}));
    ASSERT_TRUE(RegisterSepVectors(st, Entry("CD", "-1.5,0")).ok);
    ExpectPoint(st, "E", 2.5, 2);
    EXPECT_EQ(SepListLines(st, 3).back(), "CD = (-1.5, 0)");
    ASSERT_TRUE(ShiftToOrigin(st, "B"));
    ExpectPoint(st, "A", -3, -4);
    EXPECT_FALSE(ShiftToOrigin(st, "Z"));
}

// A fault of the program after the new vectors went in gives the tables
// back as they were, as a refusal does.
TEST(RigidGeometry, AFaultPartWayThroughARegistrationLeavesTheTablesAsTheyWere) {
    StatState st;
    ASSERT_TRUE(RegisterSepVectors(st, Entry("AB", "3,4")).ok);
    {
        testsupport::ArmedFaultPoint fault("rigid registration");
        EXPECT_THROW(RegisterSepVectors(st, Entry("BC", "0,-2")), rt::ProgramFault);
    }
    EXPECT_EQ(SepListLines(st, 3), (std::vector<std::string>{"AB = (3, 4)"}));
    EXPECT_EQ(CoordListLines(st, 3), (std::vector<std::string>{"A(0, 0)", "B(3, 4)"}));
}

TEST(RigidGeometry, SeriesFollowTheAxisOfTheFirstVector) {
    const struct {
        const char* axis;
        double x2, y2, x3, y3;
    } cases[] = {{"X", 3, 4, 6, 8}, {"Y", 2.25, 3, 4.5, 6}, {"M", 1.8, 2.4, 3.6, 4.8}};
    for (const auto& c : cases) {
        StatState st;
        RegisterOutcome r = RegisterSepVectors(st, Entry("ABCD", "3,4", {"3", "6"}, c.axis, true));
        ASSERT_TRUE(r.ok) << c.axis << r.message;
        EXPECT_EQ(r.command, std::string("ABCD/3,4/") + c.axis + "/3,6");
        ASSERT_EQ(st.SepVectorCount(), 3);
        EXPECT_NEAR(st.SepVectors[1].X, c.x2, 1e-9) << c.axis;
        EXPECT_NEAR(st.SepVectors[1].Y, c.y2, 1e-9) << c.axis;
        EXPECT_NEAR(st.SepVectors[2].X, c.x3, 1e-9) << c.axis;
        EXPECT_NEAR(st.SepVectors[2].Y, c.y3, 1e-9) << c.axis;
    }
    // A magnitude format keeps the direction whatever the axis box holds.
    StatState st;
    ASSERT_TRUE(RegisterSepVectors(st, Entry("ABC", "5<90", {"-2"})).ok);
    EXPECT_EQ(SepListLines(st, 3)[1], "BC = (0, 2)");
}

TEST(RigidGeometry, RefusalsLeaveTheTablesAsTheyWere) {
    StatState st;
    ASSERT_TRUE(RegisterSepVectors(st, Entry("AB", "4,0")).ok);
    const struct {
        SepVectorEntry e;
        const char* msg;
        EntryFocus focus;
    } cases[] = {
        {Entry("AÑ", "1,1"), "Sólo letras A,B,C,...,etc. en el comando.", EntryFocus::Unchanged},
        {Entry("CDc", "1,1"), "Hay una letra repetida en el comando.", EntryFocus::Unchanged},
        {Entry("BC", "Cx,3"), "Componentes no numéricas del vector.", EntryFocus::FirstVector},
        // A comma that may be decimal (2.5 along x) or the comma of "Fx,Fy"
        // (a symbol H2): refused with how to write each.
        {Entry("BC", "h2,5"),
         "No sé si la coma de \"h2,5\" es decimal o separa las dos componentes. Si es una coma decimal, escribe "
         "los decimales con punto (2.5, no 2,5). Si separa las componentes, deja un espacio tras ella (h2, 5).",
         EntryFocus::FirstVector},
        {Entry("BCD", "u30", {"2"}), "Operación no válida con este formato.", EntryFocus::FirstVector},
        // C would land on A.
        {Entry("BC", "-4,0"), "El punto C coincidiría con A", EntryFocus::FirstVector},
        // A series box that is not a number, or a chain too long.
        {Entry("BCD", "1,1", {"x"}, "X", true), "Error en el comando.", EntryFocus::Points},
        {Entry("BCDEFGHI", "1,1", {"1", "1", "1", "1", "1"}, "X", true), "Error en el comando.", EntryFocus::Points},
        // "cAe,C" along an axis cannot start a series.
        {Entry("BCD", "p0x,3h", {"2"}, "X", true), "Error en el comando.", EntryFocus::Points},
    };
    for (const auto& c : cases) {
        RegisterOutcome r = RegisterSepVectors(st, c.e);
        EXPECT_FALSE(r.ok) << c.e.points;
        EXPECT_EQ(r.message, c.msg) << c.e.points;
        EXPECT_EQ(r.focus, c.focus) << c.e.points;
        EXPECT_EQ(st.SepVectorCount(), 1) << c.e.points;
        EXPECT_EQ(st.StatPointCount(), 2) << c.e.points;
    }
    // A component series with direction 0 along Y gives a zero vector.
    StatState empty;
    RegisterOutcome r = RegisterSepVectors(empty, Entry("ABC", "3,0", {"2"}, "Y", true));
    EXPECT_EQ(r.message, "El punto C coincidiría con B");
    EXPECT_EQ(empty.SepVectorCount(), 0);
    EXPECT_EQ(empty.StatPointCount(), 0);
    EXPECT_EQ(r.proposeOrigin, "A");
}

TEST(RigidGeometry, ALoopClosedLaterPlacesNoSecondPoint) {
    StatState st;
    ASSERT_TRUE(RegisterSepVectors(st, Entry("AB", "1,0")).ok);
    ASSERT_TRUE(RegisterSepVectors(st, Entry("CD", "0,1")).ok);
    ASSERT_TRUE(RegisterSepVectors(st, Entry("DE", "1,0")).ok);
    ASSERT_TRUE(RegisterSepVectors(st, Entry("EC", "-1,-1")).ok);
    ASSERT_TRUE(RegisterSepVectors(st, Entry("BC", "0,1")).ok);
    EXPECT_EQ(st.StatPointCount(), 5);
    ExpectPoint(st, "E", 2, 2);
    for (const auto& v : st.SepVectors) EXPECT_TRUE(v.Applied) << v.FromPoint << v.ToPoint;
}

TEST(RigidGeometry, RepeatedLetterIgnoresCase) {
    EXPECT_TRUE(HasRepeatedLetter("abA"));
    EXPECT_TRUE(HasRepeatedLetter("ñÑ"));
    EXPECT_FALSE(HasRepeatedLetter("ABC"));
    EXPECT_FALSE(HasRepeatedLetter(""));
}

}  // namespace
}  // namespace rigid
