// Every numeric procedure chosen on the procedure bar, its arguments typed
// into the grid and its function into the expression box, run with the
// calculate button on the main window.
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "calc_fixture.h"
#include "calculator/procbar.h"
#include "support/grab.h"

namespace calctest {

namespace {

struct Case {
    const char* function;
    std::vector<const char*> cells;
    int cols;
    const char* inResult;  // "" for a graph: something is drawn instead
};

// By procedure number; the cells are typed as a user types them.
const std::map<int, Case>& Cases() {
    static const std::map<int, Case> cases = {
        {1, {"", {"2", "1", "1", "3"}, 2, "Δ = 5"}},
        {2, {"", {"1", "1", "3", "1", "-1", "1"}, 3, "x1 = 2"}},
        {5, {"", {"1", "-3", "2"}, 3, "x1 = 2,  x2 = 1"}},
        {6, {"", {"2", "1", "-3", "0", "-8"}, 5, "x1 = 5,  x2 = 1"}},
        {7, {"", {"1", "-6", "11", "-6"}, 4, "Punto de inflexión en x = 2"}},
        {8, {"", {"1", "1", "-1"}, 3, "θ2 = 90°"}},
        {9, {"SEN(X)", {"2", "4"}, 2, "x1 = 3.14159265"}},
        {13, {"SEN(X)", {"1"}, 1, "f(1) = 0.841470984807897"}},
        {14, {"X*Y", {"2", "3"}, 2, "f(2, 3) = 6"}},
        {15, {"X*Y*Z", {"1", "2", "3"}, 3, "f(1, 2, 3) = 6"}},
        {16, {"X^2", {"0", "0.3", "0.1"}, 3, "f(0.3) = 0.09"}},
        {17, {"X^3", {"2"}, 1, "f '(2) = 1"}},
        {18, {"X^3", {"2", "0.5"}, 2, "f ''(2) = 12"}},
        {19, {"X^2", {"0", "3", "1"}, 3, "es 9"}},
        {20, {"X^2", {"-2", "2"}, 2, ""}},
        {21, {"1+0.3*cos(5*x)", {"0", "2*PI"}, 2, ""}},
        {22, {"cos(x) & sen(x)", {"0", "PI"}, 2, ""}},
        {23, {"", {"0", "1", "1", "3", "2", "5"}, 6, "a = 2"}},
        {24, {"", {"0", "2", "1", "2*EXP(1)", "2", "2*EXP(2)"}, 6, "b = 2"}},
        {25, {"", {"1", "3", "2", "12", "4", "48"}, 6, "b = 3"}},
        {26, {"", {"0", "1", "1", "2", "2", "5", "2"}, 7, "Coeficientes del polinomio de grado 2:"}},
    };
    return cases;
}

}  // namespace

using NumericBarTest = CalcForm;

TEST_F(NumericBarTest, EveryNumericProcedureRunsFromTheBar) {
    num::AngleUnitScope degrees(num::kDefaultAngleFactor);  // the user works in degrees
    for (int group : {1, 2, 4, 5, 6}) {
        const calc::BarGroupInfo& info = calc::BarGroup(group);
        for (int cell = 1; cell <= info.count; ++cell) {
            const int code = info.codes[static_cast<size_t>(cell - 1)];
            const Case& c = Cases().at(code);
            const std::string where = std::to_string(group) + "/" + std::to_string(cell);
            ChooseAfresh(group, cell);
            EXPECT_EQ(G().ProcedureCode, code) << where;
            EXPECT_FALSE(panel().picArgs->Drawn().empty()) << where;  // the template
            EnterAndCalculate(c.function, c.cells, c.cols);
            ASSERT_TRUE(dialogs.Shown().empty()) << where << ": " << Prompt(0).toStdString();
            EXPECT_EQ(form().tabCalc->Tab(), 0) << where;
            EXPECT_EQ(G().ProcedureGroup, group) << where;
            EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor) << where;
            if (*c.inResult) {
                EXPECT_TRUE(form().rtbCalc->Text().contains(QString::fromUtf8(c.inResult)))
                    << where << ": " << form().rtbCalc->Text().toStdString();
            } else {
                int blue = 0;
                for (const auto& d : form().pic->Drawn()) blue += d.color == 0xFF0000;
                EXPECT_EQ(blue, 1) << where;  // the curve
                EXPECT_TRUE(form().rtbCalc->Text().isEmpty()) << where;
            }
            if (code == 21 || code == 26 || code == 9)
                testsupport::SaveGrab(&form(), QString("bar_%1_%2").arg(group).arg(cell));
        }
    }
}

TEST_F(NumericBarTest, MessagesComeFromTheProcedures) {
    Choose(4, 4);
    form().rtbExpr->SetText("X");
    Fill(1, 1, 3, {"0", "100", "1"});
    Select(1, 1, 1, 3);
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(Prompt(0), "Cálculo máximo 100 valores.");
    EXPECT_TRUE(form().rtbCalc->Text().isEmpty());

    Choose(2, 5);
    form().rtbExpr->SetText("SEN(X)");
    ClearGrid();
    Fill(1, 1, 2, {"0", "200"});
    Select(1, 1, 1, 2);
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(Prompt(1), "Se mostrarán 50 raíces. Para ver más raíces modifica el intervalo de búsqueda.");
    EXPECT_TRUE(form().rtbCalc->Text().startsWith("50 raíces de la ecuación"));
}

}  // namespace calctest
