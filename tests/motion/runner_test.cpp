// The listed-procedure runner, the equations through three points and the
// projectile launch data.
#include <QApplication>
#include <QKeyEvent>
#include <QtTest/QTest>

#include "motion_fixture.h"
#include "platform/buttons.h"
#include "platform/guard.h"
#include "platform/lists.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "shell/form1.h"

namespace motiontest {
namespace {

using plat::MsgResult;

const QString kPQNeeds = QStringLiteral(
    "Escribe en la casilla los dos números p y q, separados por una coma y con punto decimal (por ejemplo: 2, 0.5).");
const QString kInclineNeeds = QStringLiteral(
    "Escribe en la casilla cuatro datos separados por comas: el móvil (1 ó 2), las coordenadas s1 y s2 del pie del "
    "plano y su inclinación en grados, con punto decimal (por ejemplo: 1, 10, 0, 30).");

const QString kThreePointsNeed = QStringLiteral(
    "Escribe en la casilla cinco números enteros separados por comas: el móvil, el tramo y los puntos i, j y k (por "
    "ejemplo: 1, 1, 0, 1, 2).");
const QString kLaunchPointsNeed = QStringLiteral(
    "Escribe en la casilla tres números enteros separados por comas: el móvil y los puntos m y n (por ejemplo: 1, 1, "
    "2).");
const QString kRatioNeeds = QStringLiteral(
    "Escribe en la casilla dos datos separados por comas: el móvil y la razón C del alcance a la altura máxima, con "
    "punto decimal (por ejemplo: 1, 2.5).");
const QString kFlightNeeds = QStringLiteral(
    "Escribe en la casilla tres datos separados por comas: el móvil, el tiempo de vuelo tv y el alcance R, con punto "
    "decimal (por ejemplo: 1, 2, 10).");
const QString kBodyIncorrect = QStringLiteral("El número del móvil es incorrecto.");

class Runner : public MotionTest {
protected:
    void Run(int entry, const QString& text) {
        m().panel().cboProcs->SetListIndex(entry);
        m().panel().txtProcs->SetText(text);
        m().cmdProcs_Click();
    }
    void RunExpecting(int entry, const QString& text, const QString& box) {
        dialogs.Answer(MsgResult::OK);
        Run(entry, text);
        EXPECT_EQ(LastPrompt(), box) << text.toStdString();
    }
};

TEST_F(Runner, RectilinearArgumentsWithADecimalCommaInTheOneNumber) {
    Open(4);
    RunExpecting(2, "3", "Este procedimiento se aplica a 2 móviles.");
    m().cmdTable_Click(2);
    Grey(4);
    Run(2, " -1.5 ");
    EXPECT_EQ(rec.Last(), "SolveXRelation(-1.5,True)");
    Run(5, "2");
    EXPECT_EQ(rec.Last(), "SolveVRelation(2,False)");
    rec.calls.clear();
    Run(2, "abc");
    RunExpecting(6, "3", kPQNeeds);  // 51 needs p and q
    EXPECT_TRUE(rec.calls.empty());
    Run(2, "1,5");  // one number: the comma is its decimal comma
    EXPECT_EQ(rec.Last(), "SolveXRelation(1.5,True)");
    Run(6, "2, 0.5");
    EXPECT_EQ(rec.Last(), "SolvePQConditions(2,0.5)");
    for (const char* t : {"", "a = 1", "a = 1, xi = 2", "a=1,ti=2,tf=3,xi=4,xf=5"})
        RunExpecting(1, t, "El número de datos debe ser 3 ó 4.");
    Run(1, "a = 3, xi = 12, xf = 23");
    EXPECT_EQ(rec.Last(), "ApplyIntervalEqns('3',E,E,E,'12','23',E,E,E,E)");
    RunExpecting(1, "a = 3, xi = 12, 23",
                 "No puedo leer el dato \"23\". Escribe en la casilla cada dato como un nombre, \"=\" y un número, "
                 "separados por comas y con punto decimal (por ejemplo: a = 3, xi = 12, xf = 23, dt = 6).");
    Run(9, "1, 2, 3, 4, 5, 6");
    EXPECT_EQ(rec.Last(), "SolveVaSystem('1, 2, 3, 4, 5, 6')");
    // Enter in the box goes to the button; Enter there runs it.
    rec.calls.clear();
    QApplication::setActiveWindow(&form());
    auto& p = m().panel();
    p.tabMrua->SetTab(2);
    p.txtProcs->SetText("1,2,3,4,5,7");
    p.txtProcs->SetFocus();
    auto enter = [](QWidget* w) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w, &press);
    };
    enter(p.txtProcs);
    EXPECT_TRUE(p.cmdProcs->hasFocus());
    EXPECT_TRUE(rec.calls.empty());
    enter(p.cmdProcs);
    EXPECT_EQ(rec.Last(), "SolveVaSystem('1,2,3,4,5,7')");
}

TEST_F(Runner, EquationsThroughThreePoints) {
    Open(4);
    for (int q = 0; q < 2; ++q)
        for (int p = 1; p <= 3; ++p) Put(q, p, q == 0 ? rt::Variant(std::to_string(p - 1)) : rt::Variant());
    Put(1, 1, "5");
    Put(1, 2, "8");
    Put(1, 3, "15");
    dialogs.Answer(MsgResult::Yes);
    Run(0, "1, 1, 0, 1, 2");
    EXPECT_EQ(dialogs.Shown().back().prompt, "¿Pasar los resultados a la tabla?");
    EXPECT_TRUE(form().rtbCalc->Text().contains("Punto base n a fijar:"));
    EXPECT_EQ(Cell(1, 1), "5");
    EXPECT_EQ(Cell(2, 1), "1");
    EXPECT_EQ(m().panel().txtAccel[0]->Text(), "4");
    EXPECT_NEAR(s().Segments[1][1].Accel.ToNumber(), 4, 1e-9);
    EXPECT_TRUE(s().Segments[1][1].Accel.IsNumber());
    // Times 2, 3, 4: the input box names the point that takes t = 0.
    for (int p = 1; p <= 3; ++p) Put(0, p, std::to_string(p + 1));
    Put(1, 1, "5");
    Put(1, 2, "8");
    Put(1, 3, "15");
    dialogs.AnswerInput("4");
    Run(0, "1,1,0,1,2");
    EXPECT_EQ(dialogs.Shown().back().prompt,
              "Para consignar los resultados en la tabla da el índice \"n\" del punto donde deseas que t = 0 y "
              "oprime el botón \"Aceptar\".");
    EXPECT_EQ(Cell(0, 5), "0");
    EXPECT_NEAR(s().MotionPoints[1][5].ToNumber(), 4 * 4 - 7 * 2 + 5 + 0, 1e3);
    // x = 5 + (t-2) + 2 (t-2)^2 = 2t^2 - 7t + 11: c0 = 11, c1 = -7.
    EXPECT_NEAR(s().MotionPoints[1][5].ToNumber(), 11, 1e-9);
    EXPECT_NEAR(s().MotionPoints[2][5].ToNumber(), -7, 1e-9);
    // A point index outside the body fails rather than writing elsewhere.
    dialogs.AnswerInput("9").Answer(MsgResult::OK);
    Run(0, "1,1,0,1,2");
    EXPECT_EQ(LastPrompt(), "No pude ejecutar la instrucción.");
    RunExpecting(0, "1,1,1,0,2", "Los puntos no pertenecen al mismo móvil y tramo,\r\no se repiten.");
    Put(0, 2, "3");
    RunExpecting(0, "1,1,0,1,1",
                 "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.");
}

TEST_F(Runner, ProjectileArguments) {
    Open(5);
    Run(4, "1, 2, 3, 30°");
    EXPECT_EQ(rec.Last(), "CalcParabRangeOnIncline(1,'2','3',30)");
    Run(4, "1, 2, 3, 30");
    EXPECT_EQ(rec.Last(), "CalcParabRangeOnIncline(1,'2','3',30)");
    Run(5, "");
    EXPECT_EQ(rec.Last(), "IntersectParabTrajectories()");
    Run(6, " 2.5 ");
    EXPECT_EQ(rec.Last(), "SolveParabCollision('2.5')");
    RunExpecting(10, "1,2,3", "Deben ser exactamente 4 argumentos.");
    RunExpecting(9, "1,2,3,4,5", "Deben ser exactamente 6 argumentos.");
    Run(8, "1,2,3,4,5,6");
    EXPECT_EQ(rec.Last(), "SolveTanAndSecSystem(1,2,3,4,5,6,1)");
    Run(12, "1,2,3,4,5,6");
    EXPECT_EQ(rec.Last(), "SolveTanAndSecSystem(1,2,3,4,5,6,2)");
    Run(11, "1,2,3,4");
    EXPECT_EQ(rec.Last(), "SolveTanSecWithComponent(1,2,3,4,2)");
    // A word among the coefficients is named as such, by every system.
    for (const auto& [entry, text] :
         {std::pair{10, "1,2,x,4"}, {11, "1,2,3,y"}, {8, "1,2,3,a,5,6"}, {9, "1,2,3,a,5,6"}, {12, "a,2,3,4,5,6"}})
        RunExpecting(entry, QString::fromLatin1(text), "Hay algún coeficiente no numérico.");
    // Code 27 by body 1's equations.
    rec.parabKinds[1].v0theta0 = true;
    Run(7, "tc = 2, u = 3");
    EXPECT_EQ(rec.Last(), "SolveParabMeetsMover('3','2')");
    RunExpecting(7, "u = 1, u = 2", "Formato inválido. Datos deben ser \"u = número, tc = número\" o al revés.");
    rec.parabKinds[1] = {};
    rec.parabKinds[1].v0 = true;
    Run(7, "tc = 4");
    EXPECT_EQ(rec.Last(), "SolveParabMeetsMover('','4')");
    RunExpecting(7, "w = 4",
                 "Formato inválido para el dato. Debe tener la forma\r\n\"u = número\"    o bien     \"tc = número\".");
    rec.parabKinds[1] = {};
    rec.parabKinds[1].complete = true;
    RunExpecting(7, "u = 1", "v0 o theta o ambas deben ser incógnitas en este procedimiento.");
    rec.parabKinds[1] = {};
    Put(0, 1, "0");
    dialogs.Answer(MsgResult::OK);
    Run(7, "u = 1");
    EXPECT_EQ(rec.Last(), "SetUpParabEqns(1,0,'0',E,E,E,E,False)");
}

TEST_F(Runner, LaunchData) {
    Open(5);
    RunExpecting(0, "3, 1, 2", "El número del móvil es incorrecto.");
    // The points are read from the table: the cells still empty are named.
    RunExpecting(0, "1, 1, 2",
                 "Faltan en la tabla estos datos: t del punto 0, x del punto 0, y del punto 0, x del punto 1, y del "
                 "punto 1, x del punto 2, y del punto 2.");
    Put(0, 1, "0");
    Put(1, 1, "0");
    Put(2, 1, "0");
    RunExpecting(0, "1, 1, 2",
                 "Faltan en la tabla estos datos: x del punto 1, y del punto 1, x del punto 2, y del punto 2.");
    EXPECT_TRUE(rec.calls.empty()) << rec.Last();
    Put(0, 1, "0");
    Put(1, 1, "0");
    Put(2, 1, "0");
    Put(1, 2, "10");
    Put(2, 2, "5");
    Put(1, 3, "20");
    Put(2, 3, "0");
    Run(0, "1, 1, 2");
    ASSERT_GE(rec.calls.size(), 2u);
    EXPECT_EQ(rec.calls[rec.calls.size() - 2].substr(0, 23), "SetUpParabEqns(1,0,0,0,");
    EXPECT_EQ(rec.Last().substr(0, 24), "PutParabPoint(1,0,0,0,14");
    Put(2, 3, "10");
    RunExpecting(0, "1, 1, 2", "Los tres puntos dados están sobre una recta.");
    // Range = C x height: the angle goes into row 4, then v0 is asked for.
    dialogs.AnswerInput("10");
    Run(1, "1, 4");
    EXPECT_NEAR(s().MotionPoints[4][1].ToNumber(), 45, 1e-9);
    EXPECT_EQ(dialogs.Shown().back().title, "v0 es arbitraria");
    EXPECT_EQ(rec.Last().substr(0, 22), "PutParabPoint(1,0,0,0,");
    Put(3, 1, "12");
    rec.calls.clear();
    const size_t shown = dialogs.Shown().size();
    Run(1, "1, -4");
    EXPECT_EQ(dialogs.Shown().size(), shown);
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.Last().substr(0, 31), "SetUpParabEqns(1,0,'0','0','0',");
    RunExpecting(1, "1, 0", "No pude ejecutar la instrucción.");
    // Flight time 2 and range 19.6: 45 degrees; a column in components
    // receives vx and vy.
    Grey(1);
    Run(2, "1, 2, 19.6");
    EXPECT_EQ(rec.Last().substr(0, 29), "PutParabPoint(1,0,0,0,9.79999");
    EXPECT_EQ(rec.Last().substr(rec.Last().size() - 5), ",9.8)");
}

// The argument box as the student fills it: typed key by key, then the
// button pressed.
class TypedLists : public MotionTest {
protected:
    void TypeAndPress(int entry, const QString& keys) {
        auto& p = m().panel();
        p.cboProcs->SetListIndex(entry);
        p.txtProcs->SetText("");
        TypeKeys(p.txtProcs, keys);
        p.cmdProcs->Press();
    }
};

TEST_F(TypedLists, AListWithTooManyTooFewOrNonNumericItemsIsRefusedWithWhatItNeeds) {
    const struct {
        int workspace, entry;
        const char* keys;
        QString box;
    } refused[] = {
        {4, 6, "1,5, 2", kPQNeeds},
        {4, 6, "a, b", kPQNeeds},
        {4, 6, "2", kPQNeeds},
        {4, 6, "", kPQNeeds},
        {4, 6, "2, ", kPQNeeds},
        {4, 0, "1, 1, 0, 1", kThreePointsNeed},
        {4, 0, "1, 1, 0, 1, 2, 3", kThreePointsNeed},
        {4, 0, "1, 1, 0, 1.5, 2", kThreePointsNeed},
        {4, 0, "1, 1, a, 1, 2", kThreePointsNeed},
        {5, 4, "", kInclineNeeds},
        {5, 4, "1, 2", kInclineNeeds},
        {5, 4, "a, b, c, d", kInclineNeeds},
        {5, 4, "1, 2, 3, 30, 5", kInclineNeeds},
        {5, 4, "3, 2, 3, 30", kInclineNeeds},
        {5, 4, "1, 2,5, 3, 30", kInclineNeeds},
        {5, 0, "1, 2", kLaunchPointsNeed},
        {5, 0, "1, 1, 2, 3", kLaunchPointsNeed},
        {5, 0, "1, 1, 2.5", kLaunchPointsNeed},
        {5, 0, "3, 1, 2", kBodyIncorrect},
        {5, 1, "1", kRatioNeeds},
        {5, 1, "1, 2,5", kRatioNeeds},
        {5, 1, "1.5, 4", kRatioNeeds},
        {5, 1, "3, 4", kBodyIncorrect},
        {5, 2, "1, 2", kFlightNeeds},
        {5, 2, "1, 2, 19,6", kFlightNeeds},
        {5, 2, "1, b, 19.6", kFlightNeeds},
        {5, 2, "0, 2, 19.6", kBodyIncorrect},
    };
    Open(4);
    m().cmdTable_Click(2);
    Grey(4);  // two bodies
    for (const auto& c : refused) {
        if (c.workspace == 5 && shell::Shared().WorkspaceMode != shell::kProjectileWorkspace) Open(5);
        rec.calls.clear();
        dialogs.Answer(MsgResult::OK);
        TypeAndPress(c.entry, c.keys);
        EXPECT_EQ(LastPrompt(), c.box) << c.keys;
        EXPECT_TRUE(rec.calls.empty()) << c.keys << ": " << rec.Last();
    }
    // Whole lists run, the minus sign of the results read as a minus.
    const QString minus(QChar(0x2212));
    TypeAndPress(4, "2, " + minus + "10, 0, 30\u00B0");
    EXPECT_EQ(rec.Last(), "CalcParabRangeOnIncline(2,'-10','0',30)");
}

// A list index the program itself got wrong is a fault of the program, not
// a bad command: it reaches the guard's internal-fault box. A point number
// the student typed outside the body is still bad input with its message.
TEST_F(TypedLists, AnInternalIndexFaultIsNoBadInputButATypedPointIs) {
    Open(5);
    dialogs.Answer(MsgResult::OK);
    TypeAndPress(0, "1, 1, 9");
    EXPECT_EQ(LastPrompt(), "No pude ejecutar la instrucción.");

    auto& box = *m().panel().cboProcs;
    box.AddItem(QStringLiteral("an entry the procedure table does not know"));
    const int extra = box.ListCount() - 1;
    box.setCurrentIndex(extra);
    dialogs.Answer(MsgResult::OK);
    emit box.activated(extra);  // as the user's choice arrives: through the guard
    EXPECT_EQ(LastPrompt(), plat::kInternalFault);
}

TEST_F(TypedLists, TheMinusSignOfResultsIsAMinusInTheBoxes) {
    const QString minus(QChar(0x2212));
    Open(4);
    m().cmdTable_Click(2);
    Grey(4);  // two bodies
    TypeAndPress(2, minus + "1.5");
    EXPECT_EQ(rec.Last(), "SolveXRelation(-1.5,True)");
    TypeAndPress(6, minus + "2, 0.5");
    EXPECT_EQ(rec.Last(), "SolvePQConditions(-2,0.5)");
    auto* box = m().panel().txtAccel[0];
    box->SetText("");
    TypeKeys(box, minus + "2,5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(s().Segments[1][1].Accel.ToNumber(), -2.5);
}

}  // namespace
}  // namespace motiontest
