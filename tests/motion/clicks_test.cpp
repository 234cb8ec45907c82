// Procedure clicks on the strip's point labels in both workspaces.
#include "motion_fixture.h"
#include "platform/lists.h"
#include "platform/mousepointer.h"
#include "platform/picture.h"
#include "platform/textbox.h"

namespace motiontest {
namespace {

using plat::MsgResult;

class RectClicks : public MotionTest {
protected:
    void SetUp() override {
        MotionTest::SetUp();
        Open(4);  // one body, one segment over nine points
    }
    void Proc(int picture) { m().imgProcs_MouseDown(1, 0, 540.0 * (picture - 1) + 10, 100); }
    int Pointer() { return plat::MousePointerOf(m().panel().picAccel); }
};

TEST_F(RectClicks, SetUpNeedsAPlainTimeAndPosition) {
    Put(0, 3, "1");
    Put(1, 3, "5");
    m().panel().txtAccel[0]->SetText("2");
    Label(3);
    EXPECT_EQ(rec.Last(), "SetUpSegmentEqns(1,1,2,'2','1','5',E)");
    Put(0, 4, "t0+1");
    Put(1, 4, "5");
    dialogs.Answer(MsgResult::OK);
    Label(4);
    EXPECT_EQ(LastPrompt(), "Debes especificar el tiempo y la posición del punto base.");
    // Before the configuration ends the labels refuse clicks.
    m().cmdTable_Click(1);
    s().TableReady = false;
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_EQ(LastPrompt(), "Configura la tabla primero.");
}

TEST_F(RectClicks, SubstitutionsWithoutParameters) {
    Proc(2);
    dialogs.Answer(MsgResult::OK);
    Label(3);
    EXPECT_EQ(LastPrompt(), "No tengo las ecuaciones sin parámetros del móvil 1, tramo 1");
    rec.segKinds.numeric = true;
    Put(0, 3, "3");
    Put(2, 3, "4");
    Label(3);  // t is tried first
    EXPECT_EQ(rec.Last(), "SubstPointNoParams(1,1,2,'3','','',True)");
    Put(0, 4, "t0+2");
    Put(1, 4, "x0-3");
    Label(4);
    EXPECT_EQ(rec.Last(), "SubstIncrementsNoParams(1,1,0,3,'2','-3',E)");
    Put(1, 4, "");
    Put(2, 4, "v0+1");
    dialogs.Answer(MsgResult::OK);
    Label(4);
    EXPECT_EQ(LastPrompt(), "La aceleración ya está dada.");
    Put(2, 4, "2*v0");
    Label(4);
    EXPECT_EQ(rec.Last(), "SubstRelationNoParams(1,1,3,'2',1,'2',0,3)");
    // A relation to a later point of the segment.
    Put(0, 3, "t4+1");
    dialogs.Answer(MsgResult::OK);
    Label(3);
    EXPECT_EQ(LastPrompt(), "Los puntos 4 y 2 no están ordenados.");
}

// One relational datum alone, or two factors, fit no substitution: the
// click says what the point needs instead of doing nothing.
TEST_F(RectClicks, RelationalDataThatFitNoPairSayWhatIsMissing) {
    Proc(2);
    rec.segKinds.numeric = true;
    const char* const cells[][3] = {{"t0+3", "", ""}, {"", "x0-1", ""}, {"", "", "2*v0"}, {"2*t0", "3*x0", ""}};
    for (const auto& c : cells) {
        for (int q = 0; q < 3; ++q) Put(q, 2, c[q]);
        rec.calls.clear();
        const size_t shown = dialogs.Shown().size();
        dialogs.Answer(MsgResult::OK);
        Label(2);
        ASSERT_EQ(dialogs.Shown().size(), shown + 1) << c[0] << c[1] << c[2];
        EXPECT_EQ(LastPrompt(),
                  "Con estos datos relativos no puedo hallar el punto: escribe un número en t, x o v, o dos datos "
                  "relativos al mismo punto, al menos uno con incremento (por ejemplo t0+2 y x0+5, o t0+2 y 2*x0).");
        EXPECT_TRUE(rec.calls.empty()) << rec.Last();
    }
}

TEST_F(RectClicks, SubstitutionWithParametersReadsTheRelatedColumn) {
    Proc(3);
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_EQ(LastPrompt(), "No tengo las ecuaciones con parámetros del móvil 1, tramo 1");
    rec.segKinds.paramA = true;
    Put(0, 2, "2");
    Put(1, 2, "7");
    Put(2, 2, "1");
    Put(0, 5, "t1+3");
    Put(1, 5, "12");
    Label(5);
    EXPECT_EQ(rec.Last(), "SubstWithParamA(1,1,4,1,E,'12',E,'2','7','1','3',E,E,E,E,E)");
}

TEST_F(RectClicks, ModifierKeys) {
    Proc(3);
    Put(0, 2, "1");
    Put(1, 2, "4");
    Label(2, 1);  // Shift: set up the equations
    EXPECT_EQ(motion::State().RectProcedureCode, motion::RectProcedure::SetUpEquations);
    EXPECT_EQ(rec.Last(), "SetUpSegmentEqns(1,1,1,'','1','4',E)");
    rec.segKinds.numeric = true;
    Label(2, 2);  // Ctrl: substitute
    EXPECT_EQ(motion::State().RectProcedureCode, motion::RectProcedure::SubstituteNoParams);
    EXPECT_EQ(rec.Last(), "SubstPointNoParams(1,1,1,'1','','',True)");
    // Alt: the mirror point, the time found and the opposite velocity.
    Put(2, 3, "6");
    Put(1, 3, "9");
    Label(3, 4);
    EXPECT_EQ(rec.Last(), "SubstPointNoParams(1,1,2,'','',-6,False)");
    EXPECT_EQ(s().MotionPoints[0][3], rt::Variant(7.25));
    EXPECT_EQ(s().MotionPoints[2][3], rt::Variant(-6.0));
    EXPECT_EQ(Cell(0, 3), "7.25");
    EXPECT_EQ(s().MotionPoints[1][3], rt::Variant("9"));
}

TEST_F(RectClicks, TwoClickProceduresTakeTheStripsRightLineAsLabel8) {
    Proc(4);
    Label(2);
    EXPECT_EQ(Pointer(), 8);
    EXPECT_TRUE(rec.calls.empty());
    Label(5);
    EXPECT_EQ(rec.Last(), "ViewGraphXt(108,300)");
    EXPECT_EQ(Pointer(), 6);
    EXPECT_EQ(s().GraphClickCount, 0);
    // Choosing another procedure between the clicks starts over.
    Label(2);
    Proc(4);
    Label(3);
    EXPECT_EQ(s().GraphClickCount, 1);
    Proc(5);
    Label(1);
    Label(2);
    EXPECT_EQ(rec.Last(), "CalcMruaDistance(44,108)");
    // The strip's right-hand line (x 576) is the edge of label 8, not a
    // tenth point past the table.
    m().picAccel_MouseDown(1, 0, 576, 10);
    Label(9);
    EXPECT_EQ(rec.Last(), "CalcMruaDistance(575,556)");
    EXPECT_TRUE(dialogs.Shown().empty());
}

class ParabClicks : public MotionTest {
protected:
    void SetUp() override {
        MotionTest::SetUp();
        Open(5);
        m().cmdTable_Click(1);
        Grey(4);  // bodies of 4 and 5 points
    }
    void Action(int picture) { m().imgProcs_MouseDown(1, 0, 540.0 * (picture - 1) + 10, 100); }
    void Column(int col, std::initializer_list<rt::Variant> cells) {
        int q = 0;
        for (const auto& v : cells) Put(q++, col, v);
    }
};

TEST_F(ParabClicks, SetUpFromPointZeroOnly) {
    Column(5, {"0", "1", "2", "10", "30"});
    Label(5);
    EXPECT_EQ(rec.Last(), "SetUpParabEqns(2,0,'0','1','2','10','30',False)");
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_EQ(LastPrompt(), "Debes basar las ecuaciones siempre en el punto 0.");
}

TEST_F(ParabClicks, CompletingAPointFromOneDatum) {
    Action(2);
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_EQ(LastPrompt(), "No tengo las ecuaciones del móvil 1");
    rec.parabKinds[1].complete = true;
    Column(2, {"", "", "0"});
    Label(2);
    EXPECT_EQ(rec.Last(), "ApplyParabEqnsToPoint(1,1,0,'0',E,7)");
    Column(3, {"1.5", "", "4"});
    Label(3);
    EXPECT_EQ(rec.Last(), "ApplyParabEqnsToPoint(1,2,0,'1.5',E,5)");
    Column(4, {"t1+2", "", "y1-1"});
    Label(4);
    EXPECT_EQ(rec.Last(), "ApplyParabEqnsToPoint(1,3,1,'2','-1',8)");
    Column(2, {"", "", "", "", "30"});
    Label(2);
    EXPECT_EQ(rec.Last(), "ApplyParabEqnsToPoint(1,1,0,'30',E,11)");
    Grey(2);  // components
    Label(2);
    EXPECT_EQ(rec.Last(), "ApplyParabEqnsToPoint(1,1,0,'30',E,9)");
    Column(2, {"", "", "", "12", ""});
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_EQ(LastPrompt(), "Cambia el modo de datos de velocidad a \"md\".");
}

TEST_F(ParabClicks, PairsOfDataAtAPoint) {
    Action(3);
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_EQ(LastPrompt(), "No tengo las ecuaciones con parámetros V0 y/o Theta.");
    rec.parabKinds[1].theta0 = true;
    Column(2, {"1", "2", "3"});
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_TRUE(LastPrompt().startsWith("Para aplicar este procedimiento deben ser exactamente 2 datos.\r\n"));
    Column(2, {"", "2", "3"});
    Label(2);
    EXPECT_EQ(rec.Last(), "SolveParabTheta0FromPoint(1,1,'2','3',14)");
    Column(2, {"", "", "", "10", "30"});  // speed with direction: no pair
    dialogs.Answer(MsgResult::OK);
    Label(2);
    EXPECT_EQ(LastPrompt(), "Datos incorrectos.");
    Action(4);
    rec.parabKinds[1] = {};
    rec.parabKinds[1].v0y = true;
    Column(3, {"1", "2", "3"});
    Label(3);
    EXPECT_EQ(rec.Last(), "SolveParabV0yFromPoint(1,2,'1','2',12)");
}

TEST_F(ParabClicks, DistanceAcrossBodiesAndTheMirrorPoint) {
    m().panel().cboProcs->SetListIndex(3);
    Put(0, 2, "1");
    Put(0, 6, "2");
    Put(0, 3, "4");
    Label(2);
    dialogs.Answer(MsgResult::OK);
    Label(6);
    EXPECT_EQ(LastPrompt(), "Estás abarcando dos móviles.");
    Label(3);
    EXPECT_EQ(rec.Last(), "CalcParabDistance(1,1,4)");
    EXPECT_EQ(s().DistanceClickCount, 0);
    rec.distanceRefusal = "No pude calcular la distancia recorrida.";
    Label(2);
    dialogs.Answer(MsgResult::OK);
    Label(3);
    EXPECT_EQ(LastPrompt(), "No pude calcular la distancia recorrida.");
    // Alt: the point of the trajectory with the opposite vertical velocity.
    rec.parabKinds[1].complete = true;
    rec.launch[1] = {0.0, 0.0, 0.0, 3.0, 4.9};
    Put(3, 3, "10");
    Put(4, 3, "30");
    Label(3, 4);
    // vy = 5, t = (4.9 + 5) / 9.8
    const double t = (4.9 + 5) / 9.8;
    char expected[200];
    std::snprintf(expected, sizeof expected, "PutParabPoint(3,%s,%s,%s,10,-30)", rt::Variant(t).ToText().c_str(),
                  rt::Variant(3 * t).ToText().c_str(), rt::Variant(4.9 * t - 4.9 * (t * t)).ToText().c_str());
    EXPECT_EQ(rec.Last(), expected);
}

}  // namespace
}  // namespace motiontest
