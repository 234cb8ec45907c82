#include <QTest>
#include <gtest/gtest.h>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "platform/updown.h"
#include "shell/form1.h"
#include "support/form1_fixture.h"

namespace {

using plat::MsgResult;

class RigidPanel : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        form().ShowWorkspace(2);
    }

    template <class T = plat::TextBox>
    T* C(const QString& name) {
        T* w = Find<T>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    plat::TextBox* Box(const char* base, int i) { return C(plat::ArrayName(QString::fromLatin1(base), i)); }
    plat::CommandButton* Btn(const QString& name) { return C<plat::CommandButton>(name); }

    // Types a text into a box and presses Enter there.
    void Enter(plat::TextBox* t, const QString& text) {
        t->SetText(text);
        QTest::keyClick(t, Qt::Key_Return);
    }

    QStringList Items(const QString& list) {
        QStringList out;
        auto* l = C<plat::ListBox>(list);
        for (int i = 0; i < l->ListCount(); ++i) out << l->List(i);
        return out;
    }

    // A beam A-C-B of length 4 on the configuration page.
    void RegisterBeam() {
        Enter(Box("txtSegm", 0), "acb");
        Enter(Box("txtSegm", 1), "2,0");
        Enter(C("txtRepeat"), "x");
        Enter(Box("txtSegm", 2), "2");
        Btn("cmdOK")->Press();
    }

    void AddForce(const QString& points, const QString& text) {
        Enter(Box("txtBody", 1), points);
        Box("txtBody", 2)->SetText(text);
        Btn("cmdOK1")->Press();
    }
};

TEST_F(RigidPanel, BeamConfiguredDrawnAndSolved) {
    auto* tab = C<plat::TabStrip>("tabStat");
    EXPECT_EQ(tab->Tab(), 0);
    Enter(Box("txtSegm", 0), "acb");
    EXPECT_EQ(Box("txtSegm", 0)->Text(), "ACB");
    EXPECT_EQ(C<plat::Label>("lblSegm(1)")->Caption(), "AC");
    EXPECT_EQ(C<plat::Label>("lblSegm(2)")->Caption(), "CB         ");
    EXPECT_FALSE(Box("txtSegm", 2)->isHidden());
    EXPECT_TRUE(Box("txtSegm", 3)->isHidden());
    Enter(Box("txtSegm", 1), "2,0");
    EXPECT_FALSE(C("txtRepeat")->isHidden());
    EXPECT_EQ(form().focusWidget(), C("txtRepeat"));
    Enter(C("txtRepeat"), "x");
    EXPECT_EQ(C("txtRepeat")->Text(), "X");
    Enter(Box("txtSegm", 2), "2");
    EXPECT_EQ(form().focusWidget(), Btn("cmdOK"));
    Btn("cmdOK")->Press();
    EXPECT_EQ(Items("lstSeps"), (QStringList{"AC = (2, 0)", "CB = (2, 0)"}));
    EXPECT_EQ(Items("lstCoords"), (QStringList{"A(0, 0)", "C(2, 0)", "B(4, 0)"}));
    EXPECT_EQ(Items("lstSysts"), (QStringList{"A", "C", "B"}));
    EXPECT_EQ(C<plat::ComboBox>("cboSeps")->Text(), "ACB/2,0/X/2");
    EXPECT_EQ(C("txtOrigin")->Text(), "A");
    EXPECT_EQ(Box("txtRefPt", 4)->Text(), "A");
    EXPECT_EQ(C<plat::Label>("lblPoints(0)")->Caption(), "ACB");
    EXPECT_TRUE(Box("txtSegm", 0)->Text().isEmpty());

    // The diagram of body 1: a pin at A, a roller at B, 100 down at C.
    tab->SetTab(1);
    EXPECT_EQ(C<plat::Label>("lblBody")->Caption(), "1");
    Enter(Box("txtBody", 1), "a");
    Enter(Box("txtBody", 2), "art");
    EXPECT_EQ(Box("txtBody", 2)->Text(), "Ax, Ay");
    Btn("cmdOK1")->Press();
    AddForce("b", "vBy");
    AddForce("c", "v-100");
    auto* gd1 = C<plat::FlexGrid>("gd1");
    ASSERT_EQ(gd1->Rows(), 4);
    EXPECT_EQ(gd1->TextMatrix(1, 3), "Ax, Ay");
    EXPECT_EQ(gd1->TextMatrix(3, 5), "-100");
    EXPECT_EQ(gd1->TextMatrix(2, 2), "B");
    form().grab().save("/tmp/rigid_dcl.png");

    tab->SetTab(2);
    Btn("cmdVMb(0)")->Press();
    EXPECT_TRUE(dialogs.Shown().empty());
    const QString solved = form().rtbSolve->Text();
    EXPECT_TRUE(solved.contains("3 incógnitas, 3 ecuaciones.")) << solved.toStdString();
    EXPECT_TRUE(solved.contains("Cuerpo 1:"));
    EXPECT_TRUE(solved.contains("Soluciones:"));
    EXPECT_TRUE(solved.contains("Ay = 50")) << solved.toStdString();
    EXPECT_FALSE(Btn("cmdVMb(0)")->isEnabled());
    EXPECT_TRUE(Btn("cmdVMb(1)")->isEnabled());
    form().grab().save("/tmp/rigid_solve.png");

    // The solved values go into the grid; the arrows turn black.
    Btn("cmdVMb(3)")->Press();
    EXPECT_EQ(gd1->TextMatrix(2, 5), "50");
    EXPECT_EQ(gd1->TextMatrix(1, 4), "0");
    EXPECT_FALSE(Btn("cmdShowIncsEqns")->isEnabled());
    tab->SetTab(0);
    form().grab().save("/tmp/rigid_config.png");
}

}  // namespace
