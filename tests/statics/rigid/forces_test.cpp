#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "statics/rigid/forces.h"
#include "statics/rigid/geometry.h"

namespace rigid {
namespace {

StatState Structure() {
    StatState st;
    SepVectorEntry e;
    e.points = "ABC";
    e.firstVector = "2,0";
    e.values[2] = "2";
    e.repeat = "X";
    e.repeatVisible = true;
    EXPECT_TRUE(RegisterSepVectors(st, e).ok);
    st.SystemPoints[1] = "ABC";
    return st;
}

ForceRec Add(StatState& st, int body, const std::string& pt, const std::string& text) {
    std::string msg;
    EXPECT_EQ(AddDCLForce(st, body, pt, text, msg, 3), AddResult::Added) << text << msg;
    return st.Forces.back();
}

TEST(RigidForces, CouplesVectorsAndSupportsMakeTheirRecords) {
    StatState st = Structure();
    ForceRec f = Add(st, 1, "A", "250");
    EXPECT_TRUE(f[fr::kX].IsEmpty());
    EXPECT_EQ(f.Text(fr::kCoupleValue), "250");
    EXPECT_EQ(f.Text(fr::kCoupleText), "250");
    EXPECT_EQ(f[fr::kCoupleColor].ToNumber(), 0);
    f = Add(st, 1, "A", "m");
    EXPECT_EQ(f.Text(fr::kCoupleValue), "");
    EXPECT_EQ(f.Text(fr::kCoupleText), "M");
    EXPECT_EQ(f[fr::kCoupleColor].ToNumber(), 255);
    f = Add(st, 1, "B", "30,-40/250");
    EXPECT_EQ(f[fr::kX].ToNumber(), 30);
    EXPECT_EQ(f[fr::kY].ToNumber(), -40);
    EXPECT_EQ(f.Text(fr::kCoupleValue), "250");
    EXPECT_EQ(f[fr::kPointX].ToNumber(), 2);
    f = Add(st, 1, "B", "30,-40/");
    EXPECT_EQ(f.Text(fr::kCoupleText), "");
    EXPECT_EQ(f[fr::kCoupleColor].ToNumber(), 255);
    // A capital H is no horizontal force: a couple symbol.
    f = Add(st, 1, "C", "H5");
    EXPECT_EQ(f.Text(fr::kCoupleText), "H5");
    EXPECT_TRUE(f[fr::kFormatName].IsEmpty());
    f = Add(st, 2, "C", ExpandSupport("emp", "C"));
    EXPECT_EQ(f.Text(fr::kXTerm), "Cx");
    EXPECT_EQ(f.Text(fr::kYTerm), "Cy");
    EXPECT_EQ(f.Text(fr::kCoupleText), "MC");
    EXPECT_EQ(f.Body(), 2);
    EXPECT_EQ(f.Text(fr::kForceText), "Cx, Cy/MC");

    std::string msg;
    const int n = st.ForceCount();
    EXPECT_EQ(AddDCLForce(st, 1, "Z", "3,4", msg, 3), AddResult::NoPoint);
    EXPECT_EQ(AddDCLForce(st, 1, "A", "", msg, 3), AddResult::Nothing);
    EXPECT_EQ(AddDCLForce(st, 1, "A", "3,4;5", msg, 3), AddResult::ParseError);
    EXPECT_EQ(msg, "Formato incorrecto. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).");
    // A couple is one number: a comma in it can only be a decimal comma.
    EXPECT_EQ(AddDCLForce(st, 1, "A", "3,4/2,5", msg, 3), AddResult::ParseError);
    EXPECT_EQ(msg,
              "El símbolo debe constar de una literal y uno o dos subíndices. Si es una coma decimal, escribe los "
              "decimales con punto (2.5, no 2,5).");
    EXPECT_EQ(st.ForceCount(), n);
}

// A force the box cannot take is refused with the whole reason: letters of
// the notation typed in upper case, a comma that may be a decimal comma.
TEST(RigidForces, RefusedTextsSayHowToWriteThem) {
    const std::string lowerCase = " Las letras del formato (p, s, t, c, x, y, h, v, u) se escriben en minúscula.";
    const std::string symbol = "El símbolo debe constar de una literal y uno o dos subíndices.";
    const struct {
        const char* text;
        std::string message;
    } cases[] = {
        {"V-100", symbol + lowerCase},
        {"H-30", symbol + lowerCase},
        {"v2,5",
         "No sé si la coma de \"v2,5\" es decimal o separa las dos componentes. Si es una coma decimal, escribe los "
         "decimales con punto (2.5, no 2,5). Si separa las componentes, deja un espacio tras ella (v2, 5)."},
        {"h0,24",
         "No sé si la coma de \"h0,24\" es decimal o separa las dos componentes. Si es una coma decimal, escribe "
         "los decimales con punto (2.5, no 2,5). Si separa las componentes, deja un espacio tras ella (h0, 24)."},
    };
    StatState st = Structure();
    for (const auto& c : cases) {
        std::string msg;
        EXPECT_EQ(AddDCLForce(st, 1, "A", c.text, msg, 3), AddResult::ParseError) << c.text;
        EXPECT_EQ(msg, c.message) << c.text;
    }
    EXPECT_EQ(st.ForceCount(), 0);
    // With a blank after the comma the two components are meant.
    const ForceRec f = Add(st, 1, "A", "v2, 5");
    EXPECT_EQ(f.Text(fr::kXTerm), "V2");
    EXPECT_EQ(f[fr::kY].ToNumber(), 5);
}

TEST(RigidForces, NegatedTextsAndSupportWords) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"p30x,5:/M", "t30x,5:/-M"},
                 {"30,-40", "-30, 40"},
                 {"230<-34", "230<146"},
                 {"h-55", "h55"},
                 {"u156", "u-24"},
                 {"F<Q", ""},
                 {"250", ""},
                 {"30,-40/-12.5", "-30, 40/12.5"}};
    for (const auto& c : cases) EXPECT_EQ(NegateVectorText(c.in), c.out) << c.in;
    std::string msg;
    EXPECT_EQ(NegateVectorText("3,4/MABC", &msg), "");
    EXPECT_EQ(msg, "El símbolo del momento debe constar a lo más de tres literales.");

    EXPECT_EQ(ExpandSupport("art", "A"), "Ax, Ay");
    EXPECT_EQ(ExpandSupport("art:", "B"), "Bx, By:");
    EXPECT_EQ(ExpandSupport("emp", "B"), "Bx, By/MB");
    EXPECT_EQ(ExpandSupport("emp:", "B"), "Bx, By:/MB");
    EXPECT_EQ(ExpandSupport("rod", "B"), "");
}

TEST(RigidForces, CopySkipsSharedJointsAndRunsOncePerSystem) {
    StatState st;
    SepVectorEntry e;
    e.points = "ABCD";
    e.firstVector = "1,0";
    e.values[2] = e.values[3] = "1";
    e.repeat = "M";
    e.repeatVisible = true;
    ASSERT_TRUE(RegisterSepVectors(st, e).ok);
    st.SystemPoints = {"", "ABCD", "ABC", "BD", "", ""};
    Add(st, 1, "A", "3,4");
    Add(st, 1, "B", "1,1");
    EXPECT_EQ(CopyGlobalForces(st, 2), std::vector<int>{1});
    EXPECT_EQ(st.ForceCount(), 3);
    EXPECT_EQ(st.Forces[2].Body(), 2);
    EXPECT_EQ(st.Forces[2].Text(fr::kPointName), "A");
    EXPECT_TRUE(CopyGlobalForces(st, 2).empty());
    // Deleting every force clears the marks, so the copy runs again.
    while (st.ForceCount() > 0) DeleteForce(st, st.ForceCount());
    EXPECT_FALSE(st.SystemForcesCopied[2]);
    Add(st, 1, "C", "0,5");
    EXPECT_EQ(CopyGlobalForces(st, 2), std::vector<int>{1});
}

TEST(RigidForces, DeletingARecordMovesTheLaterOnesDown) {
    StatState st = Structure();
    for (const char* t : {"1,0", "2,0", "3,0/7", "4,0"}) Add(st, 1, "A", t);
    DeleteForce(st, 2);
    ASSERT_EQ(st.ForceCount(), 3);
    EXPECT_EQ(st.Forces[1].Text(fr::kForceText), "3,0/7");
    EXPECT_EQ(st.Forces[1].Text(fr::kCoupleValue), "7");
    // The row comes from the grid, which has a row per record: a row past
    // the table is the program's fault, never bad input.
    EXPECT_THROW(DeleteForce(st, 4), rt::ProgramFault);
}

}  // namespace
}  // namespace rigid

namespace rigid {
namespace {

// A field number outside the record is the program's own index error: a
// program fault that no handler can take for bad input.
TEST(RigidForces, AFieldOutsideTheRecordIsAProgramFault) {
    ForceRec f;
    const ForceRec& c = f;
    for (int i : {-1, fr::kLast + 1}) {
        SCOPED_TRACE(i);
        EXPECT_THROW(f[i], rt::ProgramFault);
        EXPECT_THROW(c[i], rt::ProgramFault);
    }
    EXPECT_NO_THROW(f[fr::kLast]);
}

}  // namespace
}  // namespace rigid
