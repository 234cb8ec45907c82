// Triangles, polygons, vectors and force systems chosen on the procedure
// bar, typed into the grid as a user types them and run with the calculate
// button on the main window.
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
    const char* function;  // the expression box (the load density)
    std::vector<const char*> cells;
    int cols;
    const char* inResult;
    bool draws;
};

const std::map<int, Case>& Cases() {
    static const std::map<int, Case> cases = {
        {10, {"", {"3", "x", "4", "x", "5", "x"}, 6, "5, 90°\nPerímetro = 12,  Área = 6", true}},
        {11, {"", {"0", "0", "0", "3", "4", "0"}, 6, "Centroide en (1.333, 1)", true}},
        {12, {"", {"0", "0", "1", "0", "1", "1", "0", "1"}, 8, "Lado 4-1:  1, Ángulo en vértice 4:  90°", true}},
        {27, {"", {"3,4", "1,-2"}, 2, "Producto Escalar:  −5", true}},
        {28, {"", {"3,4", "1,-2"}, 2, "Suma:  (4, 2)", true}},
        {29, {"", {"2", "3,4", "-1", "1,-2"}, 4, "Suma:  (5, 10)", true}},
        {30, {"", {"1,0", "0,2", "0,1", "3,0"}, 2, "Suma de momentos con respecto al origen:  −1", false}},
        {31, {"", {"3,4", "90", "v"}, 3, "Vector rotado:  (−4, 3)", true}},
        {32, {"", {"1,0", "0,1", "3,4"}, 3, "λ = 3, μ = 4", true}},
        {33, {"", {"1,0", "2", "0,1", "3"}, 4, "V = (2, 3)", true}},
        {34, {"", {"0", "10", "4", "20"}, 4, "y se localiza en 2.667", true}},
        {35, {"", {"1,0", "10", "0,2", "-5"}, 4, "xR = 2,  yR = −2", true}},
        {36, {"", {"0,0", "10,0", "2,0", "0,5"}, 4, "Intersecciones: xR = 2, yR = −1", true}},
        {37, {" X ", {"0", "2*2"}, 2, "Resultante: R = 8, ubicada en xR = 2.667", true}},
    };
    return cases;
}

}  // namespace

using GeometryBarTest = CalcForm;

TEST_F(GeometryBarTest, EveryProcedureRunsFromTheBar) {
    for (int group : {3, 7, 8}) {
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
            EXPECT_TRUE(form().rtbCalc->Text().contains(QString::fromUtf8(c.inResult)))
                << where << ": " << form().rtbCalc->Text().toStdString();
            EXPECT_TRUE(form().rtbReg->Text().contains(QString::fromUtf8(c.inResult))) << where;
            EXPECT_EQ(!form().pic->Drawn().empty(), c.draws) << where;
            testsupport::SaveGrab(&form(), QString("bar_%1_%2").arg(group).arg(cell));
        }
    }
}

TEST_F(GeometryBarTest, TriangleCellsInAnyShapeAndRefusals) {
    // Two rows of three give the same elements as one row of six.
    Choose(3, 1);
    Fill(1, 1, 3, {"3", "x", "4", "x", "5", "x"});
    Select(1, 1, 2, 3);
    Calculate();
    EXPECT_TRUE(form().rtbCalc->Text().contains("Perímetro = 12,  Área = 6"));

    // Four numbers: the argument rule refuses, nothing runs.
    form().rtbCalc->SetText(QString());
    form().pic->Cls();
    ClearGrid();
    Fill(1, 1, 6, {"3", "x", "4", "x", "5", "90"});
    Select(1, 1, 1, 6);
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(Prompt(0), "Tres de los argumentos deben ser numéricos y los restantes iguales a \"x\".");

    // The solver's own refusal: a message box, the pane and picture untouched.
    ClearGrid();
    Fill(1, 1, 6, {"1", "x", "2", "x", "3", "x"});
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(Prompt(1), "No forman un triángulo.");
    EXPECT_TRUE(form().rtbCalc->Text().isEmpty());
    EXPECT_TRUE(form().pic->Drawn().empty());

    // A polygon of one vertex fails in the routine.
    Choose(3, 3);
    ClearGrid();
    Fill(1, 1, 2, {"1", "1"});
    Select(1, 1, 1, 2);
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(Prompt(2), "Falló la rutina. Revisa los argumentos.");
    EXPECT_TRUE(form().pic->Drawn().empty());
}

}  // namespace calctest
