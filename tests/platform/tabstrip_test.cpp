// Tab strips and up-down spinners: events from code and from the user.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTabBar>
#include <QTest>

#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "platform/updown.h"
#include "qstring_print.h"
#include "runtime/errors.h"

namespace {

using plat::TabStrip;

class Tabs : public ::testing::Test {
protected:
    void SetUp() override {
        tab = new TabStrip("tabStat", &host);
        for (const char* caption : {"Configurar", "DCL", "Resolver"}) tab->AddPage(caption);
        tab->setGeometry(0, 0, 300, 200);
        box = new plat::TextBox("txtBody(1)", tab->Page(1));
        tab->Click = [this](int previous) { log += QString("C%1>%2 ").arg(previous).arg(tab->Tab()); };
        host.show();
    }
    QWidget host;
    TabStrip* tab = nullptr;
    plat::TextBox* box = nullptr;
    QString log;
};

TEST_F(Tabs, ChangingThePageRaisesClickWithThePreviousTabOnce) {
    EXPECT_EQ(tab->Tab(), 0);
    EXPECT_EQ(log, "");  // adding pages raises nothing
    tab->SetTab(2);
    tab->SetTab(2);  // already shown
    EXPECT_EQ(log, "C0>2 ");
    QTest::mouseClick(tab->tabBar(), Qt::LeftButton, {}, tab->tabBar()->tabRect(1).center());
    EXPECT_EQ(log, "C0>2 C2>1 ");
    EXPECT_THROW(tab->SetTab(3), rt::ProgramFault);  // only the program picks a tab
}

TEST_F(Tabs, ControlsOnHiddenPagesCannotTakeTheFocus) {
    EXPECT_FALSE(box->SetFocus());
    tab->SetTab(1);
    EXPECT_TRUE(box->SetFocus());
}

TEST_F(Tabs, CaptionColourReachesEveryTab) {
    tab->SetCaptionColor(0x0000FF);
    tab->AddPage("Otra");
    EXPECT_EQ(tab->CaptionColor(), 0x0000FFu);
    for (int i = 0; i < tab->Tabs(); ++i) EXPECT_EQ(tab->tabBar()->tabTextColor(i), QColor(255, 0, 0));
}

TEST(UpDown, BuddyShowsTheNewValueBeforeChangeRuns) {
    plat::TextBox buddy("txtJoinBody");
    plat::UpDown spin("spnColor");
    spin.SetRange(1, 5);
    spin.SetBuddy(&buddy);
    QString log;
    buddy.Change = [&] { log += "buddy:" + buddy.Text() + " "; };
    spin.Change = [&] { log += QString("spin:%1/%2 ").arg(spin.Value()).arg(buddy.Text()); };

    spin.SetValue(3);
    spin.SetValue(3);  // no change
    EXPECT_EQ(log, "buddy:3 spin:3/3 ");
    log.clear();
    spin.stepBy(1);  // an arrow click
    spin.stepBy(5);  // stops at the maximum
    spin.stepBy(1);  // nothing left to step
    EXPECT_EQ(log, "buddy:4 spin:4/4 buddy:5 spin:5/5 ");
    EXPECT_EQ(spin.stepEnabled(), QAbstractSpinBox::StepDownEnabled);
    EXPECT_THROW(spin.SetValue(6), rt::ProgramFault);  // only the program sets it
    EXPECT_THROW(spin.SetRange(5, 1), rt::ProgramFault);
}

}  // namespace
