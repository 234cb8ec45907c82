#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "statics/rigid/equations.h"
#include "statics/rigid/forces.h"
#include "statics/rigid/geometry.h"
#include "text/resultformat.h"

namespace rigid {
namespace {

// A beam A-C-B of length 4, pinned at A, on a roller at B, 100 down at C.
class Beam : public ::testing::Test {
protected:
    void SetUp() override {
        SepVectorEntry e;
        e.points = "ACB";
        e.firstVector = "2,0";
        e.values[2] = "2";
        e.repeat = "X";
        e.repeatVisible = true;
        ASSERT_TRUE(RegisterSepVectors(st, e).ok);
        st.SystemPoints[1] = "ACB";
    }
    void Add(int body, const std::string& pt, const std::string& text) {
        std::string msg;
        ASSERT_EQ(AddDCLForce(st, body, pt, text, msg, 3), AddResult::Added) << text << msg;
    }
    std::array<std::string, 6> Refs(const std::string& r1 = "A") { return {"", r1, "", "", "", ""}; }

    StatState st;
};

TEST_F(Beam, EquationsAndSolutionByHand) {
    Add(1, "A", "Ax, Ay");
    Add(1, "B", "vBy");
    Add(1, "C", "v-100");
    StatEqns q = BuildStatEqns(st, {1}, Refs(), "", 3);
    ASSERT_TRUE(q.msg.empty()) << q.msg;
    EXPECT_EQ(q.incs, (std::vector<std::string>{"Ax", "Ay", "By"}));
    EXPECT_EQ(q.eqns,
              (std::vector<std::string>{"1x:   A!x = 0", "1y:   A!y + B!y ;- 100 = 0", "1m:   4 B!y ;- 200 = 0"}));
    EXPECT_EQ(q.angleCount, 0);

    StatSolution s = SolveStatEqns(st, {1}, Refs(), "", 3, nullptr);
    ASSERT_TRUE(s.msg.empty()) << s.msg;
    ASSERT_EQ(s.values.size(), 3u);
    EXPECT_NEAR(s.values[0], 0, 1e-9);
    EXPECT_NEAR(s.values[1], 50, 1e-9);
    EXPECT_NEAR(s.values[2], 50, 1e-9);
    EXPECT_EQ(s.results[1], "A!y = 50");

    // About B instead of A the solution is the same.
    StatSolution sb = SolveStatEqns(st, {1}, Refs("B"), "", 3, nullptr);
    ASSERT_TRUE(sb.msg.empty());
    EXPECT_NEAR(sb.values[1], 50, 1e-9);

    SubstituteSolution(st, s.incs, s.values, 3);
    const ForceRec& a = st.Forces[0];
    EXPECT_NEAR(a[fr::kMag].ToNumber(), 50, 1e-9);
    EXPECT_NEAR(a[fr::kDir].ToNumber(), 90, 1e-9);
    EXPECT_TRUE(a.Text(fr::kXTerm).empty());
    EXPECT_EQ(a[fr::kArrowColor].ToNumber(), static_cast<double>(rt::kMagenta));
    EXPECT_EQ(a[fr::kHour].ToNumber(), 12);
}

TEST_F(Beam, MomentsCouplesAndLikeTerms) {
    Add(1, "A", "Ax, Ay/MA");
    Add(1, "B", "v10");  // +10 about A at 4 units
    Add(1, "C", "h10");  // on the axis: no moment
    Add(1, "B", "vAy");  // the same symbol twice in one equation
    Add(1, "C", "-30");  // a known couple
    StatEqns q = BuildStatEqns(st, {1}, Refs(), "", 3);
    ASSERT_TRUE(q.msg.empty());
    EXPECT_EQ(q.incs, (std::vector<std::string>{"Ax", "Ay", "MA"}));
    // Ay at A and at B: 2 Ay in y; 4 Ay in the moment; 40 - 30 known.
    EXPECT_EQ(q.coefs(2, 2), 2);
    EXPECT_EQ(q.coefs(3, 2), 4);
    EXPECT_EQ(q.coefs(3, 3), 1);
    EXPECT_EQ(q.consts[3], -10);
}

TEST_F(Beam, CountsSuppressionAndRefusals) {
    Add(1, "A", "Ax, Ay");
    Add(1, "B", "Bx, By");
    StatSolution s = SolveStatEqns(st, {1}, Refs(), "", 3, nullptr);
    EXPECT_EQ(s.msg, "Son 4 incógnitas y 3 ecuaciones.");
    StatEqns q = BuildStatEqns(st, {1}, Refs(), "1x, 1m", 3);
    EXPECT_EQ(q.labels, std::vector<std::string>{"1y"});
    EXPECT_EQ(q.incs, (std::vector<std::string>{"Ay", "By"}));
    EXPECT_EQ(BuildStatEqns(st, {1}, Refs(), "1X", 3).labels.size(), 3u);
    EXPECT_THROW(BuildStatEqns(st, {1}, Refs(), "x1", 3), rt::RuntimeError);
    EXPECT_THROW(BuildStatEqns(st, {1}, Refs(), "1x,", 3), rt::RuntimeError);

    StatState known = st;
    known.Forces.clear();
    std::string msg;
    AddDCLForce(known, 1, "A", "3,4", msg, 3);
    EXPECT_EQ(BuildStatEqns(known, {1}, Refs(), "", 3).msg, "No hay incógnitas.");
}

TEST_F(Beam, SystemsShareQuantitiesAndAParticleHasNoMomentEquation) {
    st.SystemPoints[2] = "AC";
    st.SystemPoints[3] = "B";
    Add(2, "A", "Ax, Ay");
    Add(2, "C", "T<30");
    Add(3, "B", "T<-150");
    Add(3, "B", "v-5");
    StatEqns q = BuildStatEqns(st, {2, 3}, {"", "", "A", "", "", ""}, "", 3);
    EXPECT_EQ(q.labels, (std::vector<std::string>{"2x", "2y", "2m", "3x", "3y"}));
    EXPECT_EQ(q.incs, (std::vector<std::string>{"Ax", "T", "Ay"}));
    EXPECT_EQ(EquationsBlock(q.eqns).front(), "\\0100Cuerpo 2:\\");
    EXPECT_EQ(EquationsBlock(q.eqns)[4], "\\0100Cuerpo 3:\\");
}

TEST_F(Beam, SymbolsDifferingInCaseAreOneQuantity) {
    Add(1, "A", "hAx");
    Add(1, "B", "hAX");
    Add(1, "C", "h-8");
    StatEqns q = BuildStatEqns(st, {1}, Refs(), "1m", 3);
    ASSERT_EQ(q.incs.size(), 1u);
    EXPECT_EQ(q.coefs(1, 1), 2);
}

// A bar AB of length 2, the one body, with the forces given (point, text).
class RigidAngle : public ::testing::Test {
protected:
    void SetUp() override {
        SepVectorEntry e;
        e.points = "AB";
        e.firstVector = "2,0";
        ASSERT_TRUE(RegisterSepVectors(st, e).ok);
        st.SystemPoints[1] = "AB";
    }
    void Add(std::initializer_list<std::pair<const char*, const char*>> forces) {
        std::string msg;
        for (auto [p, t] : forces) ASSERT_EQ(AddDCLForce(st, 1, p, t, msg, 3), AddResult::Added) << t << msg;
    }

    StatState st;
};

// Pinned at A; at B a force of 50 in an unknown direction Q and a load of
// 30 down: 100 sen Q = 60.
TEST_F(RigidAngle, OneAngleGivesTwoSolutionsToChooseFrom) {
    Add({{"A", "Ax, Ay"}, {"B", "50<Q"}, {"B", "v-30"}});
    const std::array<std::string, 6> refs{"", "A", "", "", "", ""};
    std::string asked;
    for (bool first : {true, false}) {
        StatSolution s = SolveStatEqns(st, {1}, refs, "", 3, [&](const std::string& p) {
            asked = p;
            return first;
        });
        ASSERT_TRUE(s.msg.empty()) << s.msg;
        EXPECT_EQ(s.incs, (std::vector<std::string>{"Ax", "Ay", "Q"}));
        EXPECT_NEAR(s.values[0], first ? -40 : 40, 1e-9);
        EXPECT_NEAR(s.values[1], 0, 1e-9);
        EXPECT_NEAR(s.values[2], first ? 36.869897645844 : 143.130102354156, 1e-9);
        // Results written as the linear path writes them (subscript, minus sign).
        EXPECT_EQ(s.results[0], "A!x = " + text::FormatNum(first ? -40.0 : 40.0).ToText());
        EXPECT_EQ(s.results[2], first ? "Q = 36.87" : "Q = 143.13");
    }
    EXPECT_EQ(asked,
              "Solución 1:\r\nAx = -40, Ay = 0, Q = 36.87\r\nSolución 2:\r\nAx = 40, Ay = 0, "
              "Q = 143.13\r\nPara escoger la primera solución oprime \"Sí\", para la segunda "
              "oprime \"No\".");
    // Two systems with an angle are refused.
    StatState two = st;
    two.SystemPoints[2] = "AB";
    EXPECT_EQ(SolveStatEqns(two, {1, 2}, refs, "", 3, nullptr).msg,
              "El programa resuelve un sólo cuerpo con un ángulo desconocido.");

    StatSolution s = SolveStatEqns(st, {1}, refs, "", 3, [](const std::string&) { return true; });
    SubstituteSolution(st, s.incs, s.values, 3);
    EXPECT_NEAR(st.Forces[1][fr::kX].ToNumber(), 40, 1e-9);
    EXPECT_NEAR(st.Forces[1][fr::kY].ToNumber(), 30, 1e-9);
    EXPECT_NEAR(st.Forces[0][fr::kMag].ToNumber(), 40, 1e-9);
    EXPECT_EQ(st.Forces[1][fr::kHour].ToNumber(), 2);
}

// Two parallel reactions leave no room for the elimination: a run-time
// error, not a made-up angle.
TEST_F(RigidAngle, ParallelReactionsCannotBeEliminated) {
    Add({{"A", "hAx"}, {"B", "hBx"}, {"B", "50<Q"}, {"A", "v-30"}});
    EXPECT_THROW(SolveStatEqns(st, {1}, {"", "A", "", "", "", ""}, "", 3, nullptr), rt::RuntimeError);
}

}  // namespace
}  // namespace rigid
