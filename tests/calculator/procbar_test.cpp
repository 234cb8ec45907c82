// The procedure bar and what a choice shows: the group and procedure set,
// the template on picArgs, the argument help, the direction frame, the
// highlights, the icons copied from the sheet; the law bar of plane
// kinematics; the option keys and the clearing labels of the strip.
#include <QApplication>
#include <QRegularExpression>
#include <QResource>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calc_fixture.h"
#include "calculator/arghelp.h"
#include "calculator/icons.h"
#include "calculator/procbar.h"
#include "calculator/templates.h"
#include "kinematics/panel.h"
#include "platform/frames.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/textbox.h"
#include "shell/arghelp.h"

namespace calctest {

namespace {

class BarTest : public CalcForm {
protected:
    void SetUp() override {
        CalcForm::SetUp();
        calc().ArgHelpTexts = [] {
            std::vector<std::string> pieces;
            for (int k = 1; k <= 35; ++k) pieces.push_back("pieza " + std::to_string(k));
            return pieces;
        };
    }
    // The characters printed on picArgs since it was last cleared.
    QString ArgsText() {
        QString s;
        for (const auto& d : panel().picArgs->Drawn())
            if (d.kind == plat::DrawnPrimitive::Kind::Text) s += d.text;
        return s;
    }
    QString Help() { return form().txtArgHelp->Text().trimmed(); }
};

TEST_F(BarTest, EveryCellChoosesItsGroupAndProcedureWithTemplateAndHelp) {
    const std::vector<std::vector<int>> catalogue = {
        {1, 2},
        {5, 6, 7, 8, 9},
        {10, 11, 12},
        {13, 14, 15, 16, 17, 18, 19, 9, 20},
        {20, 21, 22},
        {23, 24, 25, 26},
        {27, 28, 29, 30, 31, 32, 33},
        {34, 35, 36, 37},
    };
    for (int group = 1; group <= 8; ++group) {
        const auto& codes = catalogue[static_cast<size_t>(group - 1)];
        ChooseGroup(group);
        EXPECT_EQ(G().ProcedureGroup, group);
        EXPECT_EQ(G().ProcedureCode, codes[0]) << "group " << group;
        EXPECT_EQ(calc().GroupProcCount(), static_cast<int>(codes.size()));
        EXPECT_EQ(panel().shpBar1->x(), (group - 1) * 31 + 1);
        for (int cell = 1; cell <= static_cast<int>(codes.size()); ++cell) {
            const int code = codes[static_cast<size_t>(cell - 1)];
            ChooseCell(cell);
            const std::string where = "group " + std::to_string(group) + " cell " + std::to_string(cell);
            EXPECT_EQ(G().ProcedureGroup, group) << where;
            EXPECT_EQ(G().ProcedureCode, code) << where;
            EXPECT_EQ(panel().shpBar2->x(), (cell - 1) * 31 + 1) << where;
            const int piece = code <= 2 ? code : code - 2;
            EXPECT_EQ(Help(), QString::fromStdString("pieza " + std::to_string(piece))) << where;
            // The title as printed, up to its first markup character.
            const QString title =
                QString::fromUtf8(calc::ProcedureTextOf(code).title.data(), calc::ProcedureTextOf(code).title.size());
            const qsizetype plain = title.indexOf(QRegularExpression(QStringLiteral("[!¡;$#_]")));
            EXPECT_TRUE(ArgsText().startsWith(title.left(plain))) << where;
            const bool direc = group == 7 || code == 36;
            EXPECT_EQ(form().fraDirec->isVisible(), direc) << where;
        }
    }
}

TEST(ProcedureTexts, EveryTemplateClosesTheBracketsItOpens) {
    for (int code = 1; code <= 38; ++code) {
        std::string open;
        for (char c : calc::ProcedureTextOf(code).argTemplate) {
            if (c == '{' || c == '(' || c == '[') open += c;
            if (c == '}' || c == ')' || c == ']') {
                const char want = c == '}' ? '{' : c == ')' ? '(' : '[';
                ASSERT_FALSE(open.empty()) << code;
                EXPECT_EQ(open.back(), want) << code << ": " << calc::ProcedureTextOf(code).argTemplate;
                open.pop_back();
            }
        }
        EXPECT_TRUE(open.empty()) << code << ": " << calc::ProcedureTextOf(code).argTemplate;
    }
}

TEST_F(BarTest, CellsOutsideTheCatalogueAndTheRowBorder) {
    Choose(1, 2);
    // Lower cells beyond the group do nothing; the highlight stays.
    ChooseCell(3);
    EXPECT_EQ(G().ProcedureCode, 2);
    EXPECT_EQ(panel().shpBar2->x(), 32);
    // Upper cells 9 to 12 do nothing.
    panel().picBar->MouseDown(1, 0, 8 * 31 + 5, 50);
    panel().picBar->MouseDown(1, 0, 11 * 31 + 5, 50);
    EXPECT_EQ(G().ProcedureGroup, 1);
    EXPECT_EQ(G().ProcedureCode, 2);
    // From x = 372 the upper row gives n = 13: lower cell 1.
    panel().picBar->MouseDown(2, 1, 380, 50);
    EXPECT_EQ(G().ProcedureCode, 1);
    // y = 33 is the lower row.
    panel().picBar->MouseDown(1, 0, 31 + 5, 33);
    EXPECT_EQ(G().ProcedureGroup, 1);
    EXPECT_EQ(G().ProcedureCode, 2);
}

TEST_F(BarTest, FunctionProceduresTakeTheFocusToTheExpressionBox) {
    QApplication::setActiveWindow(&form());
    gd->SetFocus();
    ChooseGroup(2);
    EXPECT_TRUE(gd->hasFocus());
    ChooseCell(5);
    EXPECT_TRUE(form().rtbExpr->hasFocus());
    gd->SetFocus();
    ChooseGroup(4);
    EXPECT_TRUE(form().rtbExpr->hasFocus());
    gd->SetFocus();
    ChooseGroup(5);
    EXPECT_TRUE(form().rtbExpr->hasFocus());
}

TEST_F(BarTest, TheGroupsProceduresAreCopiedFromTheSheetOntoTheLowerRow) {
    ChooseGroup(4);
    const auto& drawn = panel().picBar->Drawn();
    // The last copy: the one of the group's procedures.
    auto copy = std::find_if(drawn.rbegin(), drawn.rend(), [](const plat::DrawnPrimitive& d) {
        return d.kind == plat::DrawnPrimitive::Kind::BlockCopy;
    });
    ASSERT_NE(copy, drawn.rend());
    EXPECT_EQ(copy->text, "picRuts");
    EXPECT_EQ(copy->points.at(0), QPointF(0, 30));
    EXPECT_EQ(copy->points.at(1), QPointF(9 * 31 + 1, 31));
    const QImage& bar = panel().picBar->Image();
    // The sheet's grid lines separate the cells; the lower row beyond a
    // small group is button face.
    EXPECT_EQ(qGray(bar.pixel(31, 45)), 0);
    EXPECT_EQ(qGray(bar.pixel(279, 45)), 0);
    ChooseGroup(1);
    EXPECT_NE(qGray(panel().picBar->Image().pixel(100, 45)), 0);
    EXPECT_EQ(qGray(panel().picBar->Image().pixel(62, 45)), 0);
}

TEST_F(BarTest, ShowArgsAndShowArgHelpEdges) {
    calc().ShowArgs(34);
    EXPECT_TRUE(ArgsText().startsWith("Resultante de un sistema de N fuerzas paralelas"));
    calc().ShowArgs(3);
    EXPECT_TRUE(panel().picArgs->Drawn().empty());
    calc().ShowArgs(0);
    EXPECT_TRUE(panel().picArgs->Drawn().empty());

    calc().ShowArgHelp(35);
    EXPECT_EQ(Help(), "pieza 35");
    calc().ShowArgHelp(0);
    calc().ShowArgHelp(36);
    EXPECT_EQ(Help(), "pieza 35");
    EXPECT_EQ(form().txtArgHelp->SelStart(), 0);
    calc().ArgHelpTexts = nullptr;  // no help file loaded
    calc().ShowArgHelp(2);
    EXPECT_EQ(Help(), "pieza 35");
    EXPECT_TRUE(dialogs.Shown().empty());

    EXPECT_EQ(calc::HelpPieceOf(37), 35);
    EXPECT_EQ(calc::HelpPieceOf(9), 7);
    EXPECT_EQ(calc::HelpPieceOf(2), 2);
    EXPECT_EQ(calc::HelpPieceOf(38), 0);
}

// The kinematics workspace as the bar sees it: the program's own, with the
// laws handed to it recorded and a switch that makes it fail to take one.
class LawTaker : public shell::KinematicsServices {
public:
    LawTaker(std::vector<int>& chosen, const bool& fail) : in_(kinem::MakeKinematics()), chosen_(chosen), fail_(fail) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    void AdaptKinemCtrls(int law) override { in_->AdaptKinemCtrls(law); }
    bool HasProblem() const override { return in_->HasProblem(); }
    void ChooseLaw(shell::KinemLawId law) override {
        if (fail_) rt::Raise(rt::ErrorCode::InvalidCall);
        chosen_.push_back(law);
        in_->ChooseLaw(law);
    }

private:
    std::unique_ptr<shell::KinematicsServices> in_;
    std::vector<int>& chosen_;
    const bool& fail_;
};

class LawBarTest : public BarTest {
protected:
    std::unique_ptr<shell::KinematicsServices> MakeKinematicsServices() override {
        return std::make_unique<LawTaker>(chosen, failLaw);
    }
    template <class W>
    W* Kinem(const char* name) {
        return form().panels.fraKinem->findChild<W*>(QString::fromLatin1(name));
    }
    std::vector<int> chosen;
    bool failLaw = false;
};

TEST_F(LawBarTest, TheLawBarOfPlaneKinematics) {
    auto* t0 = Kinem<plat::TextBox>("txtT0(2)");
    auto* law = Kinem<plat::RichPane>("txtKinem(1)");
    auto* graph = Kinem<plat::CheckBox>("chkGraph(3)");
    auto* caption = Kinem<plat::Label>("lblFunction(0)");
    ASSERT_TRUE(t0 && law && graph && caption);

    const int group = G().ProcedureGroup;
    form().ShowWorkspace(5);
    EXPECT_EQ(G().KinemLaw, 11);
    const QString captions[] = {"", "x(t)=", "v(t,x)=", "a(t,x,v)="};
    for (int cell : {2, 3, 3}) {
        t0->SetText(QStringLiteral("1"));
        law->SetText(QStringLiteral("t^2"));
        graph->SetValue(1);
        ChooseGroup(cell);
        EXPECT_EQ(G().KinemLaw, 10 + cell);
        EXPECT_EQ(caption->Caption(), captions[cell]);
        EXPECT_EQ(panel().shpBar1->x(), (cell - 1) * 31 + 1);
        EXPECT_EQ(t0->Text(), "");
        EXPECT_EQ(law->Text(), "");
        EXPECT_EQ(graph->Value(), 0);
    }
    EXPECT_EQ(chosen, (std::vector<int>{11, 12, 13, 13}));
    ChooseGroup(4);  // no law there
    ChooseGroup(5);
    EXPECT_EQ(G().KinemLaw, 13);
    EXPECT_EQ(chosen.size(), 4u);

    // The lower row within the last calculator group's count moves only the
    // highlight.
    const int code = G().ProcedureCode;
    ChooseCell(2);
    EXPECT_EQ(panel().shpBar2->x(), 32);
    EXPECT_EQ(G().KinemLaw, 13);
    EXPECT_EQ(G().ProcedureGroup, group);  // the calculator's choice stays its own
    EXPECT_EQ(G().ProcedureCode, code);
    EXPECT_FALSE(form().fraDirec->isVisible());
}

// A click whose choice cannot be completed chooses nothing: the group, the
// procedure, the law, the highlights and what the panels show stay as they
// were, and no box is shown.
TEST_F(LawBarTest, AChoiceThatFailsLeavesTheBarAndTheChoiceAsTheyWere) {
    Choose(7, 2);  // a vector procedure: the direction frame shows
    const int group = G().ProcedureGroup, code = G().ProcedureCode, count = calc().GroupProcCount();
    const int bar1 = panel().shpBar1->x(), bar2 = panel().shpBar2->x();
    const QString args = ArgsText(), help = Help();
    ASSERT_TRUE(form().fraDirec->isVisible());
    calc().ArgHelpTexts = []() -> std::vector<std::string> { rt::Raise(rt::ErrorCode::InvalidCall); };
    for (auto choose : {std::function<void()>([&] { ChooseCell(4); }), std::function<void()>([&] { ChooseGroup(2); }),
                        std::function<void()>([&] { ChooseGroup(4); })}) {
        choose();
        EXPECT_EQ(G().ProcedureGroup, group);
        EXPECT_EQ(G().ProcedureCode, code);
        EXPECT_EQ(calc().GroupProcCount(), count);
        EXPECT_EQ(panel().shpBar1->x(), bar1);
        EXPECT_EQ(panel().shpBar2->x(), bar2);
        EXPECT_EQ(ArgsText(), args);
        EXPECT_EQ(Help(), help);
        EXPECT_TRUE(form().fraDirec->isVisible());
    }

    form().ShowWorkspace(5);
    ChooseGroup(2);
    Kinem<plat::RichPane>("txtKinem(0)")->SetText(QStringLiteral("3*t"));
    const int lawBar = panel().shpBar1->x();
    failLaw = true;
    ChooseGroup(3);
    EXPECT_EQ(G().KinemLaw, 12);
    EXPECT_EQ(panel().shpBar1->x(), lawBar);
    EXPECT_EQ(Kinem<plat::RichPane>("txtKinem(0)")->Text(), "3*t");
    EXPECT_EQ(Kinem<plat::Label>("lblFunction(0)")->Caption(), "v(t,x)=");
    EXPECT_TRUE(dialogs.Shown().empty());
}

// A group number the program got wrong is its own fault: the click's
// "chooses nothing" does not hide it, the guard reports it.
TEST_F(BarTest, AGroupOutsideTheBarFromTheProgramReachesTheGuard) {
    dialogs.Answer(plat::MsgResult::OK);
    EXPECT_FALSE(plat::Guarded([&] { calc().ChooseBarGroup(0); }));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Prompt(0), QString::fromUtf8(plat::kInternalFault));
}

using HelpStoreTest = CalcForm;

TEST_F(HelpStoreTest, TheHelpComesFromThePiecesLoadedAtStartUp) {
    shell::ArgHelpTexts().Set({QStringLiteral("uno"), QStringLiteral("dos")});
    Choose(1, 2);
    EXPECT_EQ(form().txtArgHelp->Text().trimmed(), "dos");
    Choose(2, 1);  // piece 3 is not there: the tab stays
    EXPECT_EQ(form().txtArgHelp->Text().trimmed(), "dos");
    shell::ArgHelpTexts().Erase();
}

TEST(IconSheet, TwoColouredGridWithAnIconInEveryCellTheBarUses) {
    const QImage sheet = calc::DrawIconSheet();
    ASSERT_EQ(sheet.size(), QSize(280, 181));
    auto black = [&](int x, int y) { return qGray(sheet.pixel(x, y)) == 0; };
    for (int y = 0; y < 181; ++y)
        for (int x = 0; x < 280; ++x) {
            const int g = qGray(sheet.pixel(x, y));
            ASSERT_TRUE(g == 0 || g == 255) << x << "," << y;
        }
    for (int y = 0; y < 181; ++y)
        for (int x = 0; x <= 279; x += 31) EXPECT_TRUE(black(x, y));
    for (int x = 0; x < 280; ++x)
        for (int y = 0; y <= 180; y += 30) EXPECT_TRUE(black(x, y));

    auto inked = [&](int row, int col) {
        int n = 0;
        for (int y = (row - 1) * 30 + 1; y < row * 30; ++y)
            for (int x = (col - 1) * 31 + 1; x < col * 31; ++x) n += black(x, y);
        return n;
    };
    std::vector<std::pair<int, int>> used;
    for (int c = 1; c <= 8; ++c) used.push_back({1, c});
    for (int g = 1; g <= 8; ++g) {
        const calc::BarGroupInfo& info = calc::BarGroup(g);
        for (int k = 0; k < info.count; ++k) used.push_back({info.sheetRow, info.sheetCol + k});
    }
    for (int c = 5; c <= 7; ++c) used.push_back({5, c});  // the laws
    for (const auto& [r, c] : used) EXPECT_GT(inked(r, c), 12) << "cell " << r << "," << c;
    // Procedure cells of two groups never overlap.
    std::sort(used.begin(), used.end());
    EXPECT_EQ(std::adjacent_find(used.begin(), used.end()), used.end());
}

// The program carries the sheet the build drew: the bar copies its icons
// from that, so it must be the sheet the drawing code draws, pixel for pixel.
TEST_F(BarTest, TheSheetTheBarCopiesFromIsTheOneDrawn) {
    ASSERT_TRUE(QResource(QLatin1String(calc::kIconSheetArt)).isValid());
    const QImage drawn = calc::DrawIconSheet();
    EXPECT_EQ(calc::IconSheet(), drawn);
    const QImage shown = panel().picRuts->Image().copy(0, 0, calc::kSheetWidth, calc::kSheetHeight);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), drawn);
}

TEST_F(BarTest, OptionKeysTooltipsAndClearingLabels) {
    int boxes = 0;
    QStringList captions;
    for (const auto& d : panel().picOpt->Drawn()) {
        if (d.kind == plat::DrawnPrimitive::Kind::FilledBox && d.color == 0xE0FFE0) ++boxes;
        if (d.kind == plat::DrawnPrimitive::Kind::Text) captions << d.text;
    }
    EXPECT_EQ(boxes, 5);
    EXPECT_EQ(captions, (QStringList{"P", "TR", "*/^", "grd"}));

    plat::Picture& keys = *panel().picOpt;
    keys.MouseMove(0, 0, 10, 5);
    EXPECT_EQ(keys.toolTip(), "Insertar un polinomio de grado n en el cuadro de expresiones");
    keys.MouseMove(0, 0, 95, 5);
    EXPECT_EQ(keys.toolTip(), "Fijar la unidad de medida de ángulos en grados o radianes");
    keys.MouseMove(0, 0, 100, 5);
    EXPECT_EQ(keys.toolTip(), "");

    form().rtbExpr->SetText(QStringLiteral("x^2"));
    panel().txtExpr->SetText(QStringLiteral("4"));
    panel().lblCalc[1]->Click();
    EXPECT_EQ(panel().txtExpr->Text(), "");
    EXPECT_EQ(form().rtbExpr->Text(), "x^2");
    panel().lblCalc[0]->Click();
    EXPECT_EQ(form().rtbExpr->Text(), "");
    EXPECT_EQ(panel().lblCalc[0]->toolTip(), "clic aquí borra el cuadro de expresiones");

    G().ProcedureCode = 63;
    calc().FillUnits();
    EXPECT_EQ(panel().cboUnits[1]->ListCount(), 4);
    EXPECT_EQ(panel().cboUnits[0]->List(1), "km/h");
    G().ProcedureCode = 5;
    calc().FillUnits();
    EXPECT_EQ(panel().cboUnits[0]->ListCount(), 0);
}

}  // namespace

}  // namespace calctest
