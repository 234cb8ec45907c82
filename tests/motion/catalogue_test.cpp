// The procedure catalogue, the results frame and the two drawing pictures.
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "motion_fixture.h"
#include "platform/buttons.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/mousepointer.h"
#include "platform/picture.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "shell/form1.h"

namespace motiontest {
namespace {

using plat::MsgResult;

class CatalogueTest : public MotionTest {
protected:
    int Pointer() { return plat::MousePointerOf(m().panel().picAccel); }
    void Choose(int entry) { m().panel().cboProcs->SetListIndex(entry); }
    std::vector<QString> HelpTexts(plat::Picture* p) {
        std::vector<QString> t;
        for (const auto& d : p->Drawn())
            if (d.kind == plat::DrawnPrimitive::Kind::Text) t.push_back(d.text);
        return t;
    }
};

TEST_F(CatalogueTest, PicturesChooseTheRectilinearCodes) {
    Open(4);
    using motion::RectProcedure;
    const struct {
        double x;
        int picture;
        RectProcedure code;
    } cases[] = {{0, 1, RectProcedure::SetUpEquations},
                 {539, 1, RectProcedure::SetUpEquations},
                 {540, 2, RectProcedure::SubstituteNoParams},
                 {1080, 3, RectProcedure::SubstituteWithParams},
                 {1700, 4, RectProcedure::Graph},
                 {2699, 5, RectProcedure::Distance}};
    for (const auto& c : cases) {
        m().imgProcs_MouseDown(1, 0, c.x, 100);
        EXPECT_EQ(motion::State().RectProcedureCode, c.code) << c.x;
        EXPECT_EQ(m().ChosenPicture(), c.picture);
        EXPECT_EQ(Pointer(), c.picture >= 4 ? 6 : 0);
    }
    // Choosing a picture by name arms what a click on it arms.
    for (const auto& c : cases) {
        m().ChoosePicture(c.picture);
        EXPECT_EQ(motion::State().RectProcedureCode, c.code) << c.picture;
        EXPECT_EQ(m().ChosenPicture(), c.picture);
    }
    m().imgProcs_MouseDown(1, 0, 2700, 100);  // beyond the fifth picture
    EXPECT_EQ(motion::State().RectProcedureCode, motion::RectProcedure::Distance);
    // Picture 5's help, and the listed help of a pictured code.
    EXPECT_FALSE(HelpTexts(m().panel().picArgs1).empty());
    m().picArgs2_Paint();
    EXPECT_FALSE(HelpTexts(m().panel().picArgs2).empty());
    m().imgProcs_MouseDown(1, 0, 600, 100);
    m().picArgs2_Paint();
    EXPECT_TRUE(HelpTexts(m().panel().picArgs2).empty());
}

TEST_F(CatalogueTest, ListedChoicesArmTheirControls) {
    Open(5);
    auto& p = m().panel();
    Choose(3);
    EXPECT_EQ(s().ParabProcedureCode, 21);
    EXPECT_EQ(s().ParabActionMode, motion::ParabAction::Distance);
    EXPECT_TRUE(p.cmdProcs->isHidden());
    EXPECT_TRUE(p.txtProcs->isHidden());
    EXPECT_EQ(Pointer(), 6);
    Choose(5);
    EXPECT_EQ(s().ParabProcedureCode, 25);
    EXPECT_TRUE(p.txtProcs->isHidden());
    EXPECT_FALSE(p.cmdProcs->isHidden());
    // Page 2 re-arms the distance after a visit to page 1.
    Choose(3);
    p.tabMrua->SetTab(1);
    EXPECT_EQ(s().ParabActionMode, motion::ParabAction::SetUp);
    s().DistanceClickCount = 1;
    p.tabMrua->SetTab(2);
    EXPECT_EQ(p.tabMrua->TabCaption(2), "Otros procedimientos");
    EXPECT_EQ(s().ParabActionMode, motion::ParabAction::Distance);
    EXPECT_EQ(s().DistanceClickCount, 0);
    // The template of code 27 follows body 1's equations.
    rec.parabKinds[1].v0theta0 = true;
    Choose(7);
    EXPECT_EQ(p.txtProcs->Text(), "u = número, tc = número");
    rec.parabKinds[1] = {};
    rec.parabKinds[1].theta0 = true;
    m().picArgs2_Paint();
    EXPECT_EQ(p.txtProcs->Text(), "u = número ó tc = número");
    const int before = p.cboProcs->ListCount();
    m().FillMruaCbo(shell::kNoWorkspace);
    EXPECT_EQ(p.cboProcs->ListCount(), before);
    m().FillMruaCbo(shell::kProjectileWorkspace);
    EXPECT_EQ(p.cboProcs->List(6), "Choque parábola-parábola");

    Open(4);
    p.tabMrua->SetTab(2);
    Choose(7);
    EXPECT_EQ(motion::State().RectProcedureCode, motion::RectProcedure::LinkSegments);
    EXPECT_TRUE(p.cmdProcs->isHidden());
    EXPECT_TRUE(p.txtProcs->isHidden());
    EXPECT_FALSE(p.txtProcs->hasFocus());
    Choose(12);
    EXPECT_EQ(motion::State().RectProcedureCode, motion::RectProcedure::Quadratic);
    EXPECT_FALSE(p.txtProcs->isHidden());
}

// The listed help belongs to the tool shown: a change of motion tool does
// not leave the other tool's help drawn under its empty list.
TEST_F(CatalogueTest, ListedHelpDoesNotCarryOverToTheOtherMotionTool) {
    const struct { int from, entry, to; } cases[] = {{4, 7, 5}, {5, 4, 4}};  // link of segments; inclined plane
    for (const auto& c : cases) {
        Open(c.from);
        m().panel().tabMrua->SetTab(2);
        Choose(c.entry);
        ASSERT_FALSE(HelpTexts(m().panel().picArgs2).empty()) << c.from;
        Open(c.to);
        m().panel().tabMrua->SetTab(2);
        EXPECT_TRUE(HelpTexts(m().panel().picArgs2).empty())
            << c.to << ": " << HelpTexts(m().panel().picArgs2)[0].toStdString();
    }
}

TEST_F(CatalogueTest, ListedEntriesAndHelpWriteTheirSymbols) {
    Open(5);
    auto& p = m().panel();
    EXPECT_EQ(p.cboProcs->List(8), "Resolver simultáneamente dos del tipo A tan q0 + B/(v0^2 cos^2 q0) = C");
    // Code 26: both mentions of the launch angle are a Theta, never a plain Q.
    Choose(6);
    ASSERT_EQ(s().ParabProcedureCode, 26);
    int thetas = 0;
    for (const auto& d : p.picArgs2->Drawn()) {
        if (d.kind != plat::DrawnPrimitive::Kind::Text) continue;
        EXPECT_NE(d.text, "Q") << d.fontName.toStdString();
        thetas += d.text == QString(QChar(0x398));
    }
    EXPECT_EQ(thetas, 3);
}

TEST_F(CatalogueTest, ResultsFrameShowsAndPassesTheSolution) {
    Open(4);
    m().cmdTable_Click(2);
    Grey(4);  // bodies of 4 and 5 points
    s().ResultCaptions = {rt::Variant(), 1, 3};
    s().ResultTimes = {rt::Variant(), 1.23456, 2.5, rt::Variant(), rt::Variant()};
    s().ResultPositions = {rt::Variant(), -4.0, 6.0, rt::Variant(), rt::Variant()};
    s().ResultVelocities = {rt::Variant(), 0.5, 0.75, rt::Variant(), rt::Variant()};
    m().ShowMruaResults(2, 1, 1);
    auto& p = m().panel();
    EXPECT_FALSE(p.fraRes->isHidden());
    EXPECT_EQ(p.lblRes[2]->Caption(), "1.235");
    EXPECT_EQ(p.lblRes[4]->Caption(), "-4");
    EXPECT_EQ(p.lblRes[0]->BackColor(), 0x800080u);
    p.cmdPass[1]->Press();  // solution 2 is empty: zeros, still body 2
    EXPECT_EQ(p.lblRes[3]->Caption(), "0");
    EXPECT_EQ(s().ShownSolution, 2);
    EXPECT_EQ(p.lblRes[0]->BackColor(), 0x800080u);
    EXPECT_TRUE(p.cmdPass[1]->font().underline());
    p.cmdPass[0]->Press();
    p.cmdPass[2]->Press();  // points 1 and 3 of body 2: columns 6 and 8
    EXPECT_EQ(Cell(0, 6), "1.235");
    EXPECT_EQ(s().MotionPoints[0][6], rt::Variant(1.23456));
    EXPECT_EQ(s().MotionPoints[1][8], rt::Variant(6.0));
    // Body 1, segment 1: the segment's colour.
    m().ShowMruaResults(1, 1, 1);
    EXPECT_EQ(p.lblRes[0]->BackColor(), shell::Shared().ResultColors[1]);
    p.cmdPass[2]->Press();
    EXPECT_EQ(s().MotionPoints[2][4], rt::Variant(0.75));
    p.cmdCloseFrares->Press();
    EXPECT_TRUE(p.fraRes->isHidden());
}

TEST_F(CatalogueTest, PicturesAndErasingTheEquations) {
    Open(4);
    auto& p = m().panel();
    EXPECT_EQ(p.cmdSeeEqns->Caption(), "Ver Gráfico");
    p.cmdSeeEqns->Press();
    EXPECT_FALSE(form().pic1->isHidden());
    EXPECT_EQ(p.cmdSeeEqns->Caption(), "Ver Ecuacs.");
    p.cmdSeeEqns->Press();
    EXPECT_TRUE(form().pic1->isHidden());
    EXPECT_EQ(p.cmdSeeEqns->Caption(), "Ver Gráfico");
    dialogs.Answer(MsgResult::Cancel);
    p.cmdEraseEqns->Press();
    EXPECT_EQ(LastPrompt(), "Confirmar borrado de ecuaciones.");
    EXPECT_TRUE(rec.calls.empty());
    dialogs.Answer(MsgResult::OK);
    p.cmdEraseEqns->Press();
    ASSERT_EQ(rec.calls.size(), 9u);
    EXPECT_EQ(rec.calls[7], "ClearMruaEqnLine(8)");
    EXPECT_EQ(rec.Last(), "EraseEqnFlags()");
    Open(5);
    const size_t shown = dialogs.Shown().size();
    p.cmdEraseEqns->Press();
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(rec.Last(), "EraseParabFlags()");
    EXPECT_TRUE(rec.Has("ClearParabEqnLine(10)"));
}

TEST_F(CatalogueTest, HelpButtonsFollowTheChosenProcedure) {
    Open(4);
    auto& p = m().panel();
    m().imgProcs_MouseDown(1, 0, 1100, 100);  // picture 3
    p.cmdHelpTable[1]->Press();
    EXPECT_FALSE(form().fraHelp->isHidden());
    EXPECT_EQ(form().cboHelp->ListIndex(), 5);
    Choose(4);
    p.cmdHelpTable[2]->Press();
    EXPECT_EQ(form().cboHelp->ListIndex(), 10);
    p.cmdHelpTable[0]->Press();
    EXPECT_EQ(form().cboHelp->ListIndex(), 2);
}

}  // namespace
}  // namespace motiontest

namespace motiontest {
namespace {

// The room a closed combo box gives its text.
int TextRoom(QComboBox& cbo) {
    QStyleOptionComboBox opt;
    opt.initFrom(&cbo);
    opt.editable = cbo.isEditable();
    return cbo.style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, &cbo).width();
}

TEST_F(CatalogueTest, EveryListedEntryIsShownWholeInTheClosedList) {
    auto& cbo = *m().panel().cboProcs;
    for (int mode : {4, 5}) {
        Open(mode);
        const QFontMetrics fm(cbo.font());
        for (int i = 0; i < cbo.ListCount(); ++i)
            EXPECT_LE(fm.horizontalAdvance(cbo.List(i)), TextRoom(cbo)) << mode << ": " << cbo.List(i).toStdString();
        // The list still lies on its page of the tab strip.
        EXPECT_LE(cbo.mapTo(m().panel().tabMrua, QPoint(cbo.width(), 0)).x(), m().panel().tabMrua->width());
    }
}

}  // namespace
}  // namespace motiontest
