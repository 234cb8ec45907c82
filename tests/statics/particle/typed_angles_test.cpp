// Angles typed as students type them into the particle-statics boxes: the
// decimal comma and the exponent form give the angle typed.
#include <gtest/gtest.h>

#include <QTest>

#include "platform/buttons.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "shell/draweng.h"
#include "statics/particle/state.h"
#include "support/form1_fixture.h"

namespace particle {
namespace {

class TypedAngles : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        PressToolbar(2);
    }
    void EnterVector(const QString& text) {
        form().panels.txtVector->SetText(text);
        int key = 13;
        form().panels.txtVector->keys.KeyPress(key);
    }
};

TEST_F(TypedAngles, DirectionRotationAndDrawingAnglesReadTheDecimalComma) {
    // The direction a force is drawn in, the rotation of the axes.
    dialogs.AnswerInput(QStringLiteral("1,5e2"));
    EnterVector(QStringLiteral("F<q"));
    ASSERT_EQ(State().ParticleForceCount, 1);
    EXPECT_EQ(State().ParticleForces[0].DrawAngle.ToNumber(), 150);
    dialogs.AnswerInput(QStringLiteral("-12,5"));
    form().panels.cmdRotangle->Press();
    EXPECT_EQ(shell::Shared().AxesRotation, -12.5);
    EXPECT_EQ(form().panels.cmdRotangle->Caption(), "Q = -12.5°");
    // The clock's angle box: hour 1, 22,5 typed and Enter.
    shell::DrawEng().DirHour = 1;
    auto* angle = Find<plat::TextBox>(QStringLiteral("txtAngle"));
    angle->SetText("");
    QTest::keyClicks(angle, "22,5");
    QTest::keyClick(angle, Qt::Key_Return);
    EXPECT_EQ(form().panels.txtVector->Text(), "p22.5y,");
    EXPECT_EQ(dialogs.Shown().size(), 2u);  // the two questions, no refusal
}

}  // namespace
}  // namespace particle
