// Times typed into the kinematics boxes as students type them, with the
// keys: the decimal comma and the exponent form give the number typed.
#include <QTest>

#include "numerics/expression.h"
#include "platform/buttons.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "support/form1_fixture.h"
#include "text/globals.h"

namespace {

class KinemTypedNumbers : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        form().ShowWorkspace(5);  // plane kinematics, law x(t)
        text::G().Decimals = 3;
    }
    // The unit the tests before this one left, given back after it.
    num::AngleUnitScope unit_{num::AngleFactor};
    plat::RichPane* Law(int i) { return Find<plat::RichPane>(QStringLiteral("txtKinem(%1)").arg(i)); }
    plat::TextBox* Box(const char* name) { return Find<plat::TextBox>(QString::fromLatin1(name)); }
    void Type(plat::TextBox* box, const QString& keys) {
        box->SetText("");
        QTest::keyClicks(box, keys);
    }
    void Press(const char* button) { Find<plat::CommandButton>(QString::fromLatin1(button))->Press(); }
    QString Result() { return form().rtbCalc->Text(); }
};

TEST_F(KinemTypedNumbers, InstantWithDecimalCommaOrExponent) {
    const struct {
        int law;  // 11 x(t) on the law bar, 14 x(t) with y(t)
        const char* keys;
        const char* first;
    } cases[] = {
        {11, "2,5", "En t = 2.5:"}, {11, "5e-1", "En t = 0.5:"}, {14, "2,5", "En t = 2.5:"}, {14, "1e1", "En t = 10:"}};
    for (const auto& c : cases) {
        shell::Shared().KinemLaw = static_cast<shell::KinemLawId>(c.law);
        form().Services().kinematics->AdaptKinemCtrls(c.law);
        Law(0)->SetText("t^2");
        Law(1)->SetText("t");
        Type(Box("txtT0(3)"), c.keys);
        Press("cmdCalcxva");
        EXPECT_TRUE(Result().startsWith(c.first)) << c.keys << " -> " << Result().toStdString();
    }
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(KinemTypedNumbers, PathBetweenTimesWithDecimalComma) {
    shell::Shared().KinemLaw = shell::kLawXY;
    form().Services().kinematics->AdaptKinemCtrls(shell::kLawXY);
    Law(0)->SetText("t");
    Law(1)->SetText("t");
    Type(Box("txtKinemt1(0)"), "0,5");
    Type(Box("txtKinemt1(1)"), "2,5");
    Press("cmdGraph");
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_TRUE(Result().startsWith("xmín = 0.5")) << Result().toStdString();
    EXPECT_TRUE(Result().contains("xmáx = 2.5")) << Result().toStdString();
}

}  // namespace
