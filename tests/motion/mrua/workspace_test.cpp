// The rectilinear procedures in the main window: label clicks and listed
// procedures through the workspace's own dispatch, with what they draw,
// write and put into the table.
#include <QDir>

#include "../motion_fixture.h"
#include "motion/mrua/segment_eqns.h"
#include "platform/buttons.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "support/grab.h"

namespace {

using plat::MsgResult;

class MruaWorkspace : public motiontest::MotionTest {
protected:
    void SetUp() override {
        MotionTest::SetUp();
        PressToolbar(4);  // one body, one segment over nine points
        mrua::Records() = mrua::EqnRecords{};
    }
    void Proc(int picture) { m().imgProcs_MouseDown(1, 0, 540.0 * (picture - 1) + 10, 100); }
    QString Result() { return form().rtbCalc->Text(); }
    // Texts printed on a picture since it was last cleared.
    QStringList Printed(plat::Picture& pic) {
        QStringList out;
        for (const auto& p : pic.Drawn())
            if (p.kind == plat::DrawnPrimitive::Kind::Text) out << p.text;
        return out;
    }
    // Point 0 at rest at the origin; a = 2 (x = t^2); equations posed on it.
    void PoseFromOrigin() {
        Put(0, 1, "0");
        Put(1, 1, "0");
        Put(2, 1, "0");
        m().panel().txtAccel[0]->SetText("2");
        Proc(1);
        Label(1);
    }
    void Grab(plat::Picture& pic, const char* name) { testsupport::SaveGrab(pic.Image(), name); }
};

TEST_F(MruaWorkspace, PosingDrawsBothLinesAndWritesTheData) {
    PoseFromOrigin();
    EXPECT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::Numeric);
    EXPECT_TRUE(form().pic->isVisible());
    EXPECT_FALSE(form().pic1->isVisible());
    const QString printed = Printed(*form().pic).join("");
    EXPECT_TRUE(printed.contains("x = t")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("v = 2 t")) << printed.toStdString();
    EXPECT_TRUE(Result().contains("Plantear ecs. del móvil 1, tramo 1, punto base: 0"));
    EXPECT_TRUE(Result().contains("a = 2"));
    Grab(*form().pic, "mrua_equations");
    testsupport::SaveGrab(&form(), "mrua_window");

    // Posing again blanks the two lines first: the old text is painted over.
    m().panel().txtAccel[0]->SetText("4");
    Label(1);
    const auto& drawn = form().pic->Drawn();
    int boxes = 0;
    for (const auto& p : drawn)
        if (p.kind == plat::DrawnPrimitive::Kind::FilledBox && p.color == rt::kWhite) ++boxes;
    EXPECT_GE(boxes, 4);
    EXPECT_DOUBLE_EQ(s().Segments[1][1].Accel.ToNumber(), 4);
}

TEST_F(MruaWorkspace, SubstitutingAPointFillsItsColumn) {
    PoseFromOrigin();
    Proc(2);
    Put(0, 4, "3");
    Label(4);
    EXPECT_EQ(Cell(1, 4), "9");
    EXPECT_EQ(Cell(2, 4), "6");
    EXPECT_EQ(s().MotionPoints[1][4], rt::Variant(9.0));
    EXPECT_EQ(s().ResultTimes[1], rt::Variant(3.0));
    EXPECT_TRUE(Result().contains("Se halló"));
    // The Alt shortcut writes the instant of the opposite velocity.
    Label(4, 4);
    EXPECT_EQ(Cell(0, 4), "-3");
    EXPECT_EQ(Cell(2, 4), "-6");
}

// An acceleration box made unreadable after the equations were posed:
// the substitution that cannot run says why and leaves no answer to the
// earlier data in the pane.
TEST_F(MruaWorkspace, ASubstitutionWithAnUnreadableAccelerationSaysWhy) {
    PoseFromOrigin();
    Proc(2);
    Put(0, 4, "3");
    Label(4);
    ASSERT_TRUE(Result().contains("Se halló"));
    m().panel().txtAccel[0]->SetText("2,5,1");
    Put(0, 5, "2");
    dialogs.Answer(MsgResult::OK);
    Label(5);
    EXPECT_EQ(LastPrompt(),
              "No puedo leer la aceleración a del tramo 1: \"2,5,1\". Escribe en su casilla un número (2.5, -3, 1E3), "
              "g o -g, o déjala vacía si no se conoce.");
    EXPECT_EQ(Cell(1, 5), "");
    EXPECT_EQ(Result(), QString());
}

TEST_F(MruaWorkspace, ARefusedMirrorKeepsThePointsData) {
    // Uniform motion from the origin at 3 m/s: no instant has the opposite velocity.
    Put(0, 1, "0");
    Put(1, 1, "0");
    Put(2, 1, "3");
    m().panel().txtAccel[0]->SetText("0");
    Proc(1);
    Label(1);
    Proc(2);
    Put(0, 4, "2");
    Label(4);
    ASSERT_EQ(Cell(2, 4), "3");
    dialogs.Answer(MsgResult::OK);
    Label(4, 4);
    EXPECT_EQ(LastPrompt(), "Dato no aplicable al movimiento uniforme.");
    EXPECT_EQ(Cell(0, 4), "2");
    EXPECT_EQ(Cell(2, 4), "3");
    EXPECT_EQ(s().MotionPoints[0][4], rt::Variant("2"));
    EXPECT_EQ(s().MotionPoints[2][4], rt::Variant(3.0));
}

TEST_F(MruaWorkspace, IncrementsShowTheirSolutionInTheResultsFrame) {
    PoseFromOrigin();
    Proc(2);
    Put(0, 3, "t1+1");
    Put(1, 3, "x1+3");
    Label(3);
    EXPECT_EQ(s().ResultTimes[1], rt::Variant(1.0));
    EXPECT_EQ(s().ResultPositions[2], rt::Variant(4.0));
    EXPECT_TRUE(m().panel().fraRes->isVisible());
    // A datum of no form is named back to the user.
    Put(1, 3, "x1+-2");
    dialogs.Answer(MsgResult::OK);
    Label(3);
    EXPECT_EQ(LastPrompt(), "Error en el dato x1+-2");
}

TEST_F(MruaWorkspace, AVelocityFoundCanBePutIntoTheEquations) {
    // Base point 0 at the origin at t = 0 with unknown velocity, a = 2.
    Put(0, 1, "0");
    Put(1, 1, "0");
    m().panel().txtAccel[0]->SetText("2");
    Proc(1);
    Label(1);
    ASSERT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::ParamV);
    Proc(3);
    Put(0, 3, "2");
    Put(1, 3, "8");
    dialogs.Answer(MsgResult::Yes);
    Label(3);
    EXPECT_EQ(dialogs.Shown().back().title, "v0 = 2");
    EXPECT_EQ(Cell(2, 1), "2");
    EXPECT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::Numeric);
    EXPECT_DOUBLE_EQ(mrua::Records().InitialVelocities[1][1], 2);
}

TEST_F(MruaWorkspace, AnAccelerationFoundGoesIntoItsBox) {
    Put(0, 1, "0");
    Put(1, 1, "0");
    Put(2, 1, "0");
    Proc(1);
    Label(1);
    ASSERT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::ParamA);
    Proc(3);
    Put(0, 3, "2");
    Put(1, 3, "4");
    dialogs.Answer(MsgResult::Yes);
    Label(3);
    EXPECT_EQ(m().panel().txtAccel[0]->Text(), "2");
    EXPECT_EQ(s().Segments[1][1].Accel, rt::Variant(2.0));
    EXPECT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::Numeric);
}

TEST_F(MruaWorkspace, GraphAndDistanceFromTwoClicks) {
    PoseFromOrigin();
    Put(0, 5, "3");
    Proc(4);
    Label(1);
    Label(5);
    EXPECT_TRUE(form().pic1->isVisible());
    EXPECT_FALSE(form().pic->isVisible());
    int curve = 0;
    for (const auto& p : form().pic1->Drawn())
        if (p.kind == plat::DrawnPrimitive::Kind::Line && p.color == shell::Shared().CurveColors[1][1]) ++curve;
    EXPECT_GT(curve, 100);
    EXPECT_TRUE(Printed(*form().pic1).contains("x"));
    Grab(*form().pic1, "mrua_graph");

    Proc(5);
    Label(5);
    Label(1);
    EXPECT_TRUE(Result().contains("d = 9"));
}

TEST_F(MruaWorkspace, ListedProceduresWriteTheirResults) {
    motion::State().RectProcedureCode = motion::RectProcedure::IntervalEquations;
    m().panel().txtProcs->SetText("ti = 0, tf = 4, vi = 2, vf = 10");
    m().cmdProcs_Click();
    EXPECT_TRUE(Result().contains("Sust. en las ecs. de intervalo:"));
    motion::State().RectProcedureCode = motion::RectProcedure::SystemVA;
    m().panel().txtProcs->SetText("1,2,3,2,4,5");
    dialogs.Answer(MsgResult::OK);
    m().cmdProcs_Click();
    EXPECT_EQ(LastPrompt(), "El coeficiente del sistema es cero.");
}

// A procedure that fails leaves no answer to other data in the pane, and an
// acceleration box that cannot be read is named at the set-up.
TEST_F(MruaWorkspace, AFailedProcedureLeavesNoEarlierAnswerInThePane) {
    motion::State().RectProcedureCode = motion::RectProcedure::IntervalEquations;
    for (const char* failing : {"ti = 4, tf = 4, vi = 2, vf = 10", "ti = 0, tf = cuatro, vi = 2"}) {
        m().panel().txtProcs->SetText("ti = 0, tf = 4, vi = 2, vf = 10");
        m().cmdProcs_Click();
        ASSERT_TRUE(Result().contains("a = 2")) << Result().toStdString();
        m().panel().txtProcs->SetText(failing);
        dialogs.Answer(MsgResult::OK);
        m().cmdProcs_Click();
        EXPECT_EQ(Result(), "") << failing;
    }

    PoseFromOrigin();
    ASSERT_TRUE(Result().contains("a = 2"));
    auto* box = m().panel().txtAccel[0];
    box->SetText("G");
    dialogs.Answer(MsgResult::OK).Answer(MsgResult::OK);
    int enter = 13;
    m().txtAccel_KeyPress(0, enter);
    EXPECT_EQ(LastPrompt(), "Valor no numérico.");
    Label(1);
    EXPECT_EQ(LastPrompt(),
              "No puedo leer la aceleración a del tramo 1: \"G\". Escribe en su casilla un número (2.5, -3, 1E3), g o "
              "-g, o déjala vacía si no se conoce.");
    EXPECT_EQ(Result(), "");
}

// The interval list reads the table's own names of the initial point (t0,
// x0, v0) as the initial values, and an item it cannot read is named.
TEST_F(MruaWorkspace, TheIntervalListReadsTheInitialNamesAndNamesWhatItCannotRead) {
    motion::State().RectProcedureCode = motion::RectProcedure::IntervalEquations;
    auto run = [&](const char* text) {
        m().panel().txtProcs->SetText(QString::fromUtf8(text));
        m().cmdProcs_Click();
    };
    for (const char* text : {"ti = 0, tf = 4, v0 = 2, a = 3", "t0 = 0, tf = 4, vi = 2, a = 3"}) {
        run(text);
        EXPECT_TRUE(Result().contains("vf = 14, Δx = 32")) << text << ": " << Result().toStdString();
    }
    run("x0 = 1, xf = 9, v0 = 0, vf = 4");
    EXPECT_TRUE(Result().contains("a = 1, Δt = 4")) << Result().toStdString();

    const std::string how =
        "\". Escribe en la casilla cada dato como un nombre, \"=\" y un número, separados por comas y con punto "
        "decimal (por ejemplo: a = 3, xi = 12, xf = 23, dt = 6).";
    const std::string comma = std::string("\r\n") + rt::kDecimalCommaHint;
    const std::string names =
        "\". Los nombres que conozco son a, ti, tf, dt, xi, xf, dx, vi, vf y dv (t0, x0 y v0 valen por ti, xi y vi).";
    const struct {
        const char* text;
        std::string box;
    } refused[] = {
        {"ti = 0, tf = 1/0, vi = 2, vf = 10", "No puedo leer el dato \"tf = 1/0" + how},
        {"ti = 0, tf = cuatro, vi = 2", "No puedo leer el dato \"tf = cuatro" + how},
        {"ti = 0, 4, vi = 2, vf = 10", "No puedo leer el dato \"4" + how},
        {"ti = 0, tf = 4,5, a = 3", "No puedo leer el dato \"5" + how + comma},
        {"ti = 0, tf = 4,5, vi = 2, vf = 10", "El número de datos debe ser 3 ó 4." + comma},
        {"ti = 0, tf = 4, vo = 2, a = 3", "No conozco el nombre del dato \"vo = 2" + names},
        {"A = 3, xi = 12, xf = 23", "No conozco el nombre del dato \"A = 3" + names},
    };
    for (const auto& r : refused) {
        form().rtbCalc->SetText(QString());
        dialogs.Answer(MsgResult::OK);
        run(r.text);
        EXPECT_EQ(LastPrompt().toStdString(), r.box) << r.text;
        EXPECT_EQ(Result(), "") << r.text;  // no half result under the box
    }
}

}  // namespace

namespace {

class MruaWorkspaceModel : public MruaWorkspace {
protected:
    void Law(int body, int segment, double A, double B, double a) {
        mrua::Records().SetKind(body, segment, mrua::EqnKind::Numeric);
        mrua::Records().InitialPositions[body][segment] = A;
        mrua::Records().InitialVelocities[body][segment] = B;
        s().Segments[body][segment].Accel = a;
    }
};

TEST_F(MruaWorkspaceModel, RelationsBetweenTwoBodiesFromTheListWithOneKindOfMinus) {
    s().NumBodies = 2;
    s().PointsPerBody = {0, 4, 5};
    motion::State().RectProcedureCode = motion::RectProcedure::XDifference;
    m().panel().txtProcs->SetText("0");
    dialogs.Answer(MsgResult::OK).Answer(MsgResult::OK);
    m().cmdProcs_Click();
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "No tengo la ecuación del móvil 1 para ningún tramo.");
    EXPECT_EQ(dialogs.Shown()[1].prompt, "Revisa los datos.");

    Law(1, 1, 0, 0, 2);  // x = t^2
    Law(2, 1, 4, 0, 0);  // X = 4
    m().cmdProcs_Click();
    EXPECT_TRUE(Result().contains("t = 2"));
    EXPECT_TRUE(Result().contains(QStringLiteral("t = \u22122")));
    // v = 2t equals V = 0 + 1 at t = 0.5; the results arrays hold that instant.
    Law(2, 1, 4, 1, 0);
    motion::State().RectProcedureCode = motion::RectProcedure::VDifference;
    m().cmdProcs_Click();
    EXPECT_TRUE(Result().contains("t = 0.5"));
    EXPECT_EQ(s().ResultTimes[1], rt::Variant(0.5));
    EXPECT_EQ(s().ResultPositions[1], rt::Variant(0.25));
}

TEST_F(MruaWorkspaceModel, LinkingTwoSegmentsPassesTheChosenSolutionOn) {
    // Two segments of body 1 meeting at point 2.
    s().SegmentsPerBody[1] = 2;
    s().Segments[1][1] = {0, 2, 2.0};
    s().Segments[1][2] = {2, 8, -1.0};
    Put(0, 1, "0");
    Put(1, 1, "0");
    Put(2, 1, "0");
    Put(1, 5, "3");
    Put(2, 5, "0");
    motion::State().RectProcedureCode = motion::RectProcedure::LinkSegments;
    // Two solutions: the second (tQ = -3) is chosen, then the equations posed.
    dialogs.Answer(MsgResult::No).Answer(MsgResult::Yes);
    Label(1);
    Label(5);
    // The box sends the student to the result tab by its own name.
    EXPECT_TRUE(dialogs.Shown().at(0).prompt.startsWith("Para escoger la primera solución desplegada en la pestaña \"" +
                                                        form().tabCalc->TabCaption(0) + "\"\r\n"))
        << dialogs.Shown().at(0).prompt.toStdString();
    EXPECT_EQ(Cell(0, 5), "-3");
    EXPECT_EQ(Cell(0, 3), "-1");
    EXPECT_EQ(Cell(2, 3), "-2");
    EXPECT_TRUE(form().rtbReg->Text().contains("Solución:"));
    EXPECT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::Numeric);
    EXPECT_EQ(mrua::Records().Kind(1, 2), mrua::EqnKind::Numeric);
    EXPECT_EQ(m().panel().txtAccel[1]->Text(), "-1");
}

}  // namespace

namespace {

TEST_F(MruaWorkspace, AFactorAndAnIncrementOfferBothSolutionsInTheFrame) {
    PoseFromOrigin();  // x = t^2
    Proc(2);
    Put(0, 3, "2*t1");
    Put(1, 3, "x1+3");
    Label(3);
    EXPECT_EQ(s().ResultTimes[1], rt::Variant(1.0));
    EXPECT_EQ(s().ResultTimes[3], rt::Variant(-1.0));
    EXPECT_TRUE(m().panel().fraRes->isVisible());
    EXPECT_TRUE(m().panel().cmdPass[1]->isEnabled());
    // The initial point must be unknown.
    Put(0, 2, "5");
    dialogs.Answer(MsgResult::OK);
    Label(3);
    EXPECT_EQ(LastPrompt(), "El punto inicial del intervalo debe ser completamente desconocido.");
}

TEST_F(MruaWorkspace, DataThatFixTheAccelerationOfferToPoseTheEquationsAgain) {
    Put(0, 1, "0");
    Put(1, 1, "0");
    Proc(1);
    Label(1);  // neither velocity nor acceleration known
    ASSERT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::ParamVA);
    Proc(3);
    Put(2, 2, "1");
    Put(0, 3, "t1+2");
    Put(2, 3, "5");
    dialogs.Answer(MsgResult::OK);
    Label(3);
    EXPECT_EQ(dialogs.Shown().back().buttons, plat::MsgButtons::OKCancel);
    EXPECT_EQ(mrua::Records().Kind(1, 1), mrua::EqnKind::ParamV);
    EXPECT_DOUBLE_EQ(s().Segments[1][1].Accel.ToNumber(), 2);
}

}  // namespace

namespace {

// Kind 1 (one body, two or three accelerations) chosen with its label, its
// segment limits clicked in the grey space, data typed into the table.
class MruaSegments : public MruaWorkspace {
protected:
    void Type(int q, int p, const char* text) {
        plat::FlexGrid& g = *m().panel().Gd2;
        g.SetRow(q);
        g.SetCol(p);
        for (const char* c = text; *c; ++c) {
            int key = static_cast<unsigned char>(*c);
            m().Gd2_KeyPress(key);
        }
    }
    void Point(int col, const char* t, const char* x, const char* v) {
        Type(0, col, t);
        Type(1, col, x);
        Type(2, col, v);
    }
    void ChooseKind1() { m().panel().lblAs[1]->Click(); }
    // Whether the strip shows something other than its background in the
    // grey space over columns from..to, above the segment brackets.
    bool InkOverColumns(int from, int to) {
        const QImage& img = m().panel().picAccel->Image();
        // The strip's scale: (0, 42) at the top left, (577, 0) at the bottom right.
        auto at = [&](double x, double y) {
            return img.pixel(static_cast<int>(x * img.width() / 577), static_cast<int>((42 - y) * img.height() / 42));
        };
        for (double x = 64 * (from - 1) + 40; x < 64 * to - 4; ++x)
            for (double y = 33; y <= 40; ++y)
                if (at(x, y) != at(2, 41)) return true;
        return false;
    }
    QString Equations() { return Printed(*form().pic).join(""); }
};

TEST_F(MruaSegments, AnUnfinishedSetUpKeepsItsPromptAndNoProcedureRuns) {
    // Equations of segment 1 posed while the whole body was one segment.
    PoseFromOrigin();
    ChooseKind1();
    Grey(5);  // segment 1 ends at point 4; the next limit is awaited
    ASSERT_EQ(s().SegmentCount, 1);
    EXPECT_TRUE(Printed(*m().panel().picAccel).contains(QStringLiteral("Clic: límite de tramo")));
    EXPECT_TRUE(InkOverColumns(6, 9));

    // Point 8 lies in no segment yet: it is not solved with segment 1's equations.
    Proc(2);
    Type(0, 9, "10");
    form().rtbCalc->SetText(QString());
    dialogs.Answer(MsgResult::OK);
    Label(9);
    EXPECT_EQ(LastPrompt(), "Configura la tabla primero.");
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(Cell(1, 9), "");
    // Nor does a listed procedure run.
    motion::State().RectProcedureCode = motion::RectProcedure::IntervalEquations;
    m().panel().txtProcs->SetText("ti = 0, tf = 4, vi = 2, vf = 10");
    dialogs.Answer(MsgResult::OK);
    m().cmdProcs_Click();
    EXPECT_EQ(LastPrompt(), "Configura la tabla primero.");
    EXPECT_EQ(Result(), "");

    // The last limit ends the set-up and its prompt; point 8 now belongs to
    // segment 3, which has no equations of its own.
    Grey(7);
    EXPECT_TRUE(s().TableReady);
    EXPECT_FALSE(InkOverColumns(6, 9));
    Proc(2);
    dialogs.Answer(MsgResult::OK);
    Label(9);
    EXPECT_EQ(LastPrompt(), "No tengo las ecuaciones sin parámetros del móvil 1, tramo 3");
    EXPECT_EQ(Result(), "");
    Grab(*m().panel().picAccel, "mrua_strip.png");
}

TEST_F(MruaSegments, EquationLinesWriteOneMinusNextToItsNumber) {
    ChooseKind1();
    Grey(5);
    Grey(9);  // segments 0-4 and 4-8
    ASSERT_TRUE(s().TableReady);
    Point(5, "3", "15.75", "10.5");
    m().panel().txtAccel[1]->SetText("0");
    Proc(1);
    Label(5, 0);
    // x' = -15.75 + 10.5 t: no blank between the minus and 15.75, one after "=".
    const QString eq = Equations();
    EXPECT_TRUE(eq.contains(QStringLiteral("x' = \u221215.75 + 10.5 t"))) << eq.toStdString();
    EXPECT_TRUE(eq.contains(QStringLiteral("v' = 10.5"))) << eq.toStdString();
    Grab(*form().pic, "mrua_equations_minus.png");

    // A base point with negative data: the data line uses the same minus.
    Point(6, "4", "-7", "");
    m().panel().txtAccel[1]->SetText("-3");
    Label(6, 0);
    EXPECT_TRUE(Result().contains(QStringLiteral("x'5 = \u22127, v'5 = ?, a' = \u22123"))) << Result().toStdString();
    EXPECT_FALSE(Result().contains("-")) << Result().toStdString();
}

TEST_F(MruaSegments, LinkingShowsEachPointWithItsSegmentsSymbolsAndMarksWhatIsMissing) {
    ChooseKind1();
    Grey(3);
    Grey(9);  // segments 0-2 and 2-8
    ASSERT_TRUE(s().TableReady);
    m().panel().txtAccel[0]->SetText("2");
    m().panel().txtAccel[1]->SetText("-1");
    Point(1, "0", "0", "0");
    Type(0, 5, "3");
    Type(2, 5, "0");  // x of point 4 is missing
    motion::State().RectProcedureCode = motion::RectProcedure::LinkSegments;
    dialogs.Answer(MsgResult::No);  // the equations are not posed
    Label(1);
    Label(5);
    const QString r = Result();
    EXPECT_TRUE(r.contains(QStringLiteral("t4 = 3, x'4 = ?, v'4 = 0"))) << r.toStdString();
    EXPECT_TRUE(r.contains(QStringLiteral("a = 2, a' = \u22121"))) << r.toStdString();
    EXPECT_TRUE(r.contains(QStringLiteral("x'4 = 3"))) << r.toStdString();
    EXPECT_EQ(Cell(1, 5), "3");

    // Two solutions for a missing time (x of point 4 is now 3); the second
    // one is negative.
    m().panel().Gd2->SetRow(0);
    m().panel().Gd2->SetCol(5);
    m().Gd2_DblClick();
    dialogs.Answer(MsgResult::No).Answer(MsgResult::No);
    Label(1);
    Label(5);
    const QString log = form().rtbReg->Text();
    EXPECT_TRUE(log.contains(QStringLiteral("t4 = \u22123, t2 = \u22121"))) << log.toStdString();
    EXPECT_FALSE(Result().contains("-")) << Result().toStdString();
}

}  // namespace
