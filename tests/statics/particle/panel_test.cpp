// The particle-statics workspace on the main window: forces typed in the
// direction frame's vector box, the force grid, the panel's buttons, the
// axes rotation and the diagram on pic1.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "shell/draweng.h"
#include "statics/particle/state.h"
#include "support/fault_point.h"
#include "support/form1_fixture.h"

namespace particle {
namespace {

using plat::MsgResult;

class ParticlePanel : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        PressToolbar(2);
        ASSERT_EQ(shell::Shared().WorkspaceMode, 2);
    }

    plat::TextBox& Vector() { return *form().panels.txtVector; }
    plat::FlexGrid& Grid() { return *Find<plat::FlexGrid>(QStringLiteral("gdEqui")); }
    plat::CommandButton& Button(int i) {
        return *Find<plat::CommandButton>(plat::ArrayName(QStringLiteral("cmdParts"), i));
    }
    void Enter(const QString& text) {
        Vector().SetText(text);
        int key = 13;
        Vector().keys.KeyPress(key);
    }
    void EnterAll(std::initializer_list<const char*> texts) {
        for (const char* t : texts) Enter(QString::fromUtf8(t));
    }
    // Enabled state of fraDirec and buttons 0, 1, 2, 5, 6, 7.
    std::string States() {
        std::string s = form().fraDirec->isEnabled() ? "D" : "d";
        for (int i : {0, 1, 2, 5, 6, 7}) s += Button(i).isEnabled() ? '1' : '0';
        return s;
    }
    QString Prompt(int i) const { return dialogs.Shown().at(i).prompt; }
    const ParticleState& St() const { return State(); }
    bool DotDrawn() {
        for (const auto& d : form().pic1->Drawn())
            if (d.kind == plat::DrawnPrimitive::Kind::Circle) return true;
        return false;
    }
};

TEST_F(ParticlePanel, TypedForcesFillTheGridAndEnableSolving) {
    EXPECT_EQ(States(), "D000111");
    EXPECT_EQ(Grid().TextMatrix(0, 0), "  #");
    EXPECT_EQ(Grid().TextMatrix(0, 2), "Fx");
    Enter(QStringLiteral("   "));
    EXPECT_EQ(St().ParticleForceCount, 0);
    EXPECT_EQ(Grid().Rows(), 1);

    Enter(QStringLiteral("  p30x,10 "));
    ASSERT_EQ(Grid().Rows(), 2);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "1");
    EXPECT_EQ(Grid().TextMatrix(1, 1), "p30x,10");
    EXPECT_EQ(Grid().TextMatrix(1, 2), "8.66");
    EXPECT_EQ(Grid().TextMatrix(1, 3), "5");
    EXPECT_EQ(Vector().Text(), "");
    EXPECT_EQ(States(), "D000111");
    EXPECT_TRUE(DotDrawn());

    // A refused text keeps the box and the table as they were.
    dialogs.Answer(MsgResult::OK);
    Enter(QStringLiteral("5<200"));
    EXPECT_EQ(Prompt(0), "La dirección debe estar entre -180° y 180°.");
    EXPECT_EQ(dialogs.Shown().at(0).title, "Teluvar");
    EXPECT_EQ(Vector().Text(), "5<200");
    EXPECT_EQ(St().ParticleForceCount, 1);

    Enter(QStringLiteral("v-5"));
    EXPECT_EQ(Grid().TextMatrix(2, 0), "2");
    EXPECT_EQ(States(), "D100111");
}

// A comma between digits that may be a decimal comma is named in the
// refusal (the comma between two components is not), and so are letters of
// the notation typed in upper case.
TEST_F(ParticlePanel, ARefusedForceWithADecimalCommaOrUpperCaseLettersSaysSo) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"v-100,5",
         "El símbolo debe constar de una literal y uno o dos subíndices. Si es una coma decimal, escribe los decimales "
         "con punto (2.5, no 2,5)."},
        {"20<30,5", "Formato incorrecto. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5)."},
        {"0,0", "Magnitud negativa o cero."},
        {"P30X,10",
         "El símbolo debe constar de una literal y uno o dos subíndices. Las letras del formato (p, s, t, c, x, y, h, "
         "v, "
         "u) se escriben en minúscula."},
    };
    int shown = 0;
    for (const auto& c : cases) {
        dialogs.Answer(MsgResult::OK);
        Enter(QString::fromUtf8(c.text));
        EXPECT_EQ(Prompt(shown++), QString::fromUtf8(c.message)) << c.text;
        EXPECT_EQ(St().ParticleForceCount, 0) << c.text;
    }
}

TEST_F(ParticlePanel, AnUnknownDirectionAsksWhereToDrawTheForce) {
    dialogs.AnswerInput(QString());
    Enter(QStringLiteral("F<q"));
    EXPECT_EQ(Prompt(0), "¿En qué dirección (entre -180° y 180°) deseas dibujar esta fuerza en el diagrama?");
    EXPECT_EQ(St().ParticleForceCount, 0);
    EXPECT_EQ(Vector().Text(), "F<q");

    dialogs.AnswerInput(QStringLiteral("4x")).Answer(MsgResult::OK);
    Enter(QStringLiteral("F<q"));
    EXPECT_EQ(Prompt(2), "El ángulo dado no es numérico.");
    EXPECT_EQ(St().ParticleForceCount, 0);

    dialogs.AnswerInput(QStringLiteral("500"));
    Enter(QStringLiteral("F<q"));
    ASSERT_EQ(St().ParticleForceCount, 1);
    EXPECT_EQ(St().ParticleForces[0].DrawAngle.ToNumber(), 500);
    EXPECT_EQ(Grid().TextMatrix(1, 2), "F cos Q");
}

TEST_F(ParticlePanel, SolveRestoreAndUpdate) {
    EnterAll({"v-100", "s30x,T1", "p45x,T2"});
    // Enter on each button in turn: the focus never falls on "Empezar un
    // problema nuevo", whose next Enter would ask to erase everything.
    Button(0).SetFocus();
    Button(0).Press();
    EXPECT_EQ(form().focusWidget(), form().rtbCalc);
    EXPECT_EQ(States(), "d011001");
    EXPECT_EQ(form().tabCalc->Tab(), 0);
    const QString report = form().rtbCalc->Text();
    EXPECT_TRUE(report.contains(QStringLiteral("T1 = 73.205"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("T2 = 89.658")));
    EXPECT_TRUE(form().rtbReg->Text().contains(QStringLiteral("T2 = 89.658")));
    EXPECT_EQ(St().ParticleForces[1].ArrowColor, 0xFF00FF);
    // The grid still shows the typed forces.
    EXPECT_EQ(Grid().TextMatrix(2, 2), "-0.866 T1");

    Button(1).SetFocus();
    Button(1).Press();
    EXPECT_EQ(form().focusWidget(), &Button(0));
    EXPECT_EQ(States(), "D100111");
    EXPECT_EQ(St().ParticleForces[1].ArrowColor, 0x0000FF);
    EXPECT_EQ(St().ParticleForces[1].X.ToText(), "");

    Button(0).Press();
    Button(2).SetFocus();
    Button(2).Press();
    EXPECT_EQ(form().focusWidget(), &Button(0));
    EXPECT_EQ(States(), "D100001");
    EXPECT_EQ(Grid().TextMatrix(2, 1), "s30x,T1");
    EXPECT_EQ(Grid().TextMatrix(2, 2), "-63.397");
    EXPECT_EQ(Grid().TextMatrix(3, 3), "63.397");
    for (const ParticleForceRec& r : St().ParticleForces) EXPECT_EQ(r.ArrowColor, 0);
    const QString lines = form().rtbCalc->Text();
    EXPECT_TRUE(lines.startsWith(QStringLiteral("Equilibrio bajo las siguientes fuerzas:")));
    EXPECT_TRUE(lines.contains(QStringLiteral("(\u221263.397, 36.603) = (73.205 ")));
    EXPECT_TRUE(lines.contains(QStringLiteral(" 150)")));
}

TEST_F(ParticlePanel, ASolutionShownHereLeavesTheCalculatorsDirectionFrameOpen) {
    EnterAll({"v-100", "s30x,T1", "p45x,T2"});
    Button(0).Press();
    ASSERT_EQ(States(), "d011001");
    PressToolbar(1);
    form().Services().calculator->ChooseBarGroup(7);  // the vector procedures
    ASSERT_TRUE(form().fraDirec->isVisible());
    EXPECT_TRUE(Vector().isEnabled());
    EXPECT_TRUE(form().panels.picClock->isEnabled());
    // Back here the solution is still shown: no new force is taken.
    PressToolbar(2);
    EXPECT_EQ(States(), "d011001");
}

TEST_F(ParticlePanel, ARefusedSolutionChangesNoButton) {
    EnterAll({"p45x,T", "h-10", "v-10"});
    form().rtbCalc->SetText(QStringLiteral("Equilibrio de otro problema"));  // no answer to these forces
    dialogs.Answer(MsgResult::OK);
    Button(0).Press();
    EXPECT_EQ(Prompt(0), "Misma incógnita en ambas ecuaciones.");
    EXPECT_EQ(States(), "D100111");
    EXPECT_EQ(form().rtbCalc->Text(), "");
    EXPECT_EQ(St().SavedParticleForceCount, 3);
}

TEST_F(ParticlePanel, ASolutionEndedByAnErrorIsNotTakenAsSolved) {
    // A zero factor on the unknown magnitude: the one-force case divides by 0.
    EnterAll({"h-30", "v-40"});
    dialogs.AnswerInput(QStringLiteral("45"));
    Enter(QStringLiteral("0F<q"));
    form().rtbCalc->SetText(QStringLiteral("Equilibrio de otro problema"));
    dialogs.Answer(MsgResult::OK);
    Button(0).Press();
    EXPECT_EQ(Prompt(1), "Error en el comando.");
    EXPECT_EQ(States(), "D100111");
    EXPECT_EQ(form().rtbCalc->Text(), "");
    EXPECT_EQ(St().ParticleForces[2].ArrowColor, 0x0000FF);
}

// A fault of the program part way through the solution (after the solved
// values went into the table) is reported as an internal fault, and the
// table and the buttons are as they were before the click.
TEST_F(ParticlePanel, AFaultInsideTheSolutionLeavesTheTableAsItWas) {
    EnterAll({"v-100", "s30x,T1", "p45x,T2"});
    const ForceTable before = St().ParticleForces;
    testsupport::ArmedFaultPoint fault("particle solve");
    dialogs.Answer(MsgResult::OK);
    Button(0).click();
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Prompt(0), plat::kInternalFault);
    ASSERT_EQ(St().ParticleForces.size(), before.size());
    for (size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(St().ParticleForces[k].X.ToText(), before[k].X.ToText()) << k;
        EXPECT_EQ(St().ParticleForces[k].Y.ToText(), before[k].Y.ToText()) << k;
        EXPECT_EQ(St().ParticleForces[k].ArrowColor, before[k].ArrowColor) << k;
    }
    EXPECT_EQ(States(), "D100111");
}

TEST_F(ParticlePanel, CancellingForces) {
    // The only force: the table empties and the picture keeps the bare axes.
    Enter(QStringLiteral("h5"));
    Button(5).Press();
    EXPECT_EQ(Grid().Rows(), 1);
    EXPECT_EQ(St().ParticleForceCount, 0);
    EXPECT_FALSE(DotDrawn());
    EXPECT_FALSE(form().pic1->Drawn().empty());

    // Cancelling row 2 of three keeps the old numbers of the rows below.
    EnterAll({"h1", "v2", "h-3"});
    Grid().SetRow(2);
    Button(6).Press();
    ASSERT_EQ(Grid().Rows(), 3);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "1");
    EXPECT_EQ(Grid().TextMatrix(2, 0), "3");
    EXPECT_EQ(Grid().TextMatrix(2, 1), "h-3");
    EXPECT_EQ(St().ParticleForces[1].TypedText, "h-3");
    Enter(QStringLiteral("v7"));
    EXPECT_EQ(Grid().TextMatrix(3, 0), "3");
    // Cancelling never disables solving.
    EXPECT_EQ(States(), "D100111");

    // With the header row current, the selected-force button does nothing.
    Grid().SetRow(0);
    Button(6).Press();
    EXPECT_EQ(St().ParticleForceCount, 3);
}

TEST_F(ParticlePanel, ACancelledForceKeepsItsSlot) {
    EnterAll({"h1", "h2"});
    Button(5).Press();
    Enter(QStringLiteral("h3"));
    const ParticleForceRec& r = St().ParticleForces.back();
    EXPECT_FLOAT_EQ(r.OriginX, 198.5f + 5);
    EXPECT_FLOAT_EQ(r.OriginY, 192.5f + 4);
}

TEST_F(ParticlePanel, RotatingTheAxes) {
    plat::CommandButton& rot = *form().panels.cmdRotangle;
    Enter(QStringLiteral("h10"));
    const struct {
        const char* answer;
        const char* message;  // nullptr: accepted
        const char* caption;
    } cases[] = {
        {"91", "El ángulo se sale del intervalo permitido.", "Q = 0°"},
        {"-91", "El ángulo se sale del intervalo permitido.", "Q = 0°"},
        {"3a", "El valor dado no es numérico.", "Q = 0°"},
        {" 30", "El valor dado no es numérico.", "Q = 0°"},
        {"90", nullptr, "Q = 90°"},
        {"+30", nullptr, "Q = +30°"},
    };
    for (const auto& c : cases) {
        dialogs.AnswerInput(QString::fromUtf8(c.answer));
        if (c.message) dialogs.Answer(MsgResult::OK);
        const size_t before = dialogs.Shown().size();
        rot.Press();
        EXPECT_EQ(dialogs.Shown().at(before).prompt, "Especifica el ángulo de rotación (entre -90 y 90).");
        if (c.message) { EXPECT_EQ(dialogs.Shown().at(before + 1).prompt, c.message) << c.answer; }
        EXPECT_EQ(rot.Caption(), QString::fromUtf8(c.caption)) << c.answer;
    }
    EXPECT_EQ(shell::Shared().AxesRotation, 30);
    EXPECT_EQ(form().GetRotAngle(), 30);
    EXPECT_EQ(Find<plat::Label>(QStringLiteral("lbltxtAngle"))->toolTip(), "Clic aquí pone ángulo = +30");
    EXPECT_EQ(Find<plat::TextBox>(QStringLiteral("txtAngle"))->Text(), "0");
    // The arrow along +x is drawn turned by 30 degrees: its far end.
    double far = 0, angle = 0;
    for (const auto& d : form().pic1->Drawn()) {
        if (d.kind != plat::DrawnPrimitive::Kind::Line || d.color != 0) continue;
        for (const QPointF& p : d.points) {
            const double dx = p.x() - 198.5, dy = p.y() - 192.5;
            if (std::hypot(dx, dy) > far) {
                far = std::hypot(dx, dy);
                angle = std::atan2(dy, dx) * 180 / M_PI;
            }
        }
    }
    EXPECT_NEAR(far, 132, 2);
    EXPECT_NEAR(angle, 30, 1);

    // Cancel leaves everything.
    dialogs.AnswerInput(QString());
    rot.Press();
    EXPECT_EQ(rot.Caption(), "Q = +30°");
}

TEST_F(ParticlePanel, NewProblem) {
    EnterAll({"h1", "v2"});
    dialogs.AnswerInput(QStringLiteral("20"));
    form().panels.cmdRotangle->Press();
    Button(0).Press();
    dialogs.Answer(MsgResult::No);
    Button(7).Press();
    EXPECT_EQ(Prompt(1), "Se borrará todo. ¿Deseas hacerlo?");
    EXPECT_EQ(dialogs.Shown().at(1).buttons, plat::MsgButtons::YesNo);
    EXPECT_EQ(St().ParticleForceCount, 2);

    form().Services().direction->PickClockCell(5);
    ASSERT_EQ(shell::Shared().ClockMarkedHour, 5);
    dialogs.Answer(MsgResult::Yes);
    Button(7).Press();
    EXPECT_EQ(St().ParticleForceCount, 0);
    EXPECT_EQ(Grid().Rows(), 1);
    EXPECT_EQ(Grid().TextMatrix(0, 1), "Fuerza");
    EXPECT_EQ(Grid().TextMatrix(0, 0), "  #");
    EXPECT_EQ(form().rtbCalc->Text(), "");
    EXPECT_EQ(Vector().Text(), "");
    EXPECT_EQ(form().panels.cmdRotangle->Caption(), "Q = 0°");
    EXPECT_EQ(form().GetRotAngle(), 0);
    EXPECT_EQ(shell::Shared().AxesRotation, 0);
    EXPECT_EQ(Find<plat::Label>(QStringLiteral("lbltxtAngle"))->toolTip(), "Clic aquí pone ángulo = 0");
    EXPECT_TRUE(form().fraDirec->isEnabled());
    // Nothing of the old problem can be restored into the new one.
    EXPECT_EQ(States(), "D000111");
    EXPECT_FALSE(DotDrawn());
    // The clock is back on hour 3, the direction of the x axis.
    EXPECT_EQ(shell::Shared().ClockMarkedHour, 3);
    EXPECT_EQ(shell::DrawEng().DirHour, 3);
}

// A saved copy larger than the table can only come from a fault of the
// program: the click reports an internal fault, not a faulty command.
TEST_F(ParticlePanel, RestoringIntoASmallerTableIsAnInternalFault) {
    EnterAll({"hT", "vN", "3,4"});
    Button(0).Press();
    // The table rebuilt elsewhere with fewer forces than the saved copy.
    State().ParticleForces.resize(2);
    State().ParticleForceCount = 2;
    dialogs.Answer(MsgResult::OK);
    Button(1).click();
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Prompt(0), plat::kInternalFault);
    // The forces that fit were restored.
    EXPECT_EQ(State().ParticleForces[0].X.ToText(), "");
    EXPECT_EQ(State().ParticleForces[1].Y.ToText(), "");
}

// Numbers in the vector box are read as the number boxes read them: an
// exponent and the minus sign the program prints; a number split by a blank
// is refused, never taken for a quantity to solve for.
TEST_F(ParticlePanel, ForceTextsReadNumbersAsTheNumberBoxesDo) {
    int shown = 0;
    for (const char* split : {"v-1 000", "1 000, 0", "p30x,1 0"}) {
        dialogs.Answer(MsgResult::OK);
        Enter(QString::fromUtf8(split));
        ASSERT_EQ(Grid().Rows(), 1) << split;
        EXPECT_EQ(Prompt(shown++), "Un número no lleva espacios en medio.") << split;
    }
    EnterAll({"v\u22121e2", "p45x,T1", "s45x,T2"});
    ASSERT_EQ(Grid().Rows(), 4);
    EXPECT_EQ(Grid().TextMatrix(1, 2), "0");
    EXPECT_EQ(Grid().TextMatrix(1, 3), "-100");
    Button(0).Press();
    const QString report = form().rtbCalc->Text();
    EXPECT_TRUE(report.contains(QStringLiteral("T1 = 70.711"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("T2 = 70.711"))) << report.toStdString();
}

}  // namespace
}  // namespace particle
