// Reading the selected cells into an argument list, and the argument rules
// of the procedures.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "calculator/args.h"
#include "numerics/expression.h"

namespace {

using calc::CellSelection;
using calc::GatheredArgs;

// A grid of texts keyed by (row, col); absent cells are empty.
struct FakeGrid {
    std::map<std::pair<int, int>, std::string> cells;
    calc::CellReader Reader() const {
        return [this](int r, int c) {
            auto it = cells.find({r, c});
            return it == cells.end() ? std::string() : it->second;
        };
    }
};

TEST(GetCells, EvaluatesFormulasKeepsXAndSkipsEmptyCellsRowByRow) {
    FakeGrid g;
    g.cells = {{{2, 3}, "2*3"}, {{2, 4}, ""}, {{2, 5}, "x"}, {{3, 3}, "1/4"}, {{3, 5}, " 7 "}};
    GatheredArgs out;
    EXPECT_EQ(calc::GetCells(true, CellSelection{2, 3, 3, 5}, g.Reader(), out), "");
    EXPECT_EQ(out.rowCount, 2);
    EXPECT_EQ(out.colCount, 3);
    ASSERT_EQ(out.argCount, 4);
    EXPECT_EQ(out.args[0], rt::Variant(6.0));
    EXPECT_EQ(out.args[1], rt::Variant("x"));
    EXPECT_EQ(out.args[2], rt::Variant(0.25));
    EXPECT_EQ(out.args[3], rt::Variant(7.0));
    EXPECT_EQ(out.numCount, 3);
    EXPECT_TRUE(out.cells(1, 2).IsEmptyText());
    EXPECT_EQ(out.cells(2, 1), rt::Variant(0.25));
}

TEST(GetCells, VectorTextsStayAsTypedAndOnlyPlainNumbersCount) {
    FakeGrid g;
    g.cells = {{{1, 1}, "23,-45"}, {{1, 2}, "2*3"}, {{1, 3}, "-2.5"}, {{1, 4}, "v"}};
    GatheredArgs out;
    EXPECT_EQ(calc::GetCells(false, CellSelection{1, 1, 1, 4}, g.Reader(), out), "");
    ASSERT_EQ(out.argCount, 4);
    EXPECT_EQ(out.args[0], rt::Variant("23,-45"));
    EXPECT_EQ(out.args[1], rt::Variant("2*3"));
    EXPECT_EQ(out.numCount, 1);  // -2.5 only
}

TEST(GetCells, ACellThatCannotBeUsedStopsTheReadingWithItsMessage) {
    constexpr std::string_view kDecimalComma = "Coma decimal: escribe los decimales con punto (2.5, no 2,5).";
    constexpr std::string_view kStrayComma =
        "Hay una coma fuera de los argumentos de una función (los decimales se escriben con punto: 1.5).";
    num::CExpression probe("2*");
    ASSERT_NE(probe.ErrorCode(), 0);
    const std::string compileDesc = probe.ErrorDescription();

    const struct {
        const char* text;
        std::string message;
    } cases[] = {
        {"2*", compileDesc + "\r\nCorrige la expresión 2*"},
        // Run-time faults of an evaluation are refused too, so that no
        // procedure runs on a shortened list.
        {"1/0", "Corrige la expresión 1/0"},
        {"ln(0)", "Corrige la expresión ln(0)"},
        {"1E400", "Corrige la expresión 1E400"},
        // A comma outside a function's arguments is said to be so, not left
        // as "incorrecto para" with no function named; between digits it is
        // named as a decimal comma.
        {"1,5", std::string(kDecimalComma) + "\r\nCorrige la expresión 1,5"},
        {"((1,2))", std::string(kDecimalComma) + "\r\nCorrige la expresión ((1,2))"},
        {"(PI,2)", std::string(kStrayComma) + "\r\nCorrige la expresión (PI,2)"},
        {"MAX(1)", "Número de argumentos incorrecto para MAX\r\nCorrige la expresión MAX(1)"},
    };
    for (const auto& c : cases) {
        FakeGrid g;
        g.cells = {{{1, 1}, "5"}, {{1, 2}, c.text}, {{1, 3}, "6"}};
        GatheredArgs out;
        EXPECT_EQ(calc::GetCells(true, CellSelection{1, 1, 1, 3}, g.Reader(), out), c.message) << c.text;
        EXPECT_EQ(out.argCount, 0) << c.text;
        EXPECT_TRUE(out.args.empty()) << c.text;
    }
}

TEST(GetCells, ABackwardSelectionIsRefused) {
    FakeGrid g;
    GatheredArgs out;
    EXPECT_EQ(calc::GetCells(true, CellSelection{4, 2, 1, 1}, g.Reader(), out), std::string(calc::kBackwardSelection));
    EXPECT_EQ(calc::GetCells(true, CellSelection{1, 1, 3, 2}, g.Reader(), out), std::string(calc::kBackwardSelection));
}

TEST(GetCells, LargestSelectionReadsEveryCell) {
    FakeGrid g;
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 21; ++c) g.cells[{r, c}] = std::to_string(r * 100 + c);
    GatheredArgs out;
    EXPECT_EQ(calc::GetCells(true, CellSelection{1, 20, 1, 21}, g.Reader(), out), "");
    EXPECT_EQ(out.argCount, 420);
    EXPECT_EQ(out.numCount, 420);
    EXPECT_EQ(out.args[21], rt::Variant(201.0));  // row 2, column 1
}

TEST(CheckArgs, EveryRuleAndItsMessage) {
    const std::string notNumeric = "Algún argumento no es numérico.";
    const struct {
        int proc, args, nums, rows, cols;
        std::string message;
    } cases[] = {
        // Matrices judge the selection's shape and that every cell is a number.
        {1, 9, 9, 3, 3, ""},
        {1, 12, 12, 3, 4, "La región a seleccionar debe ser n x n."},
        {1, 8, 8, 3, 3, notNumeric},
        {1, 256, 256, 16, 16, ""},
        {2, 420, 420, 20, 21, ""},
        {2, 9, 9, 3, 3, "La región a seleccionar debe ser n x n+1."},
        {2, 12, 11, 3, 4, notNumeric},
        // Exact counts.
        {5, 3, 3, 1, 3, ""},
        {5, 2, 2, 1, 2, "Deben ser 3 argumentos."},
        {8, 3, 2, 1, 3, notNumeric},
        {16, 4, 4, 1, 4, "Deben ser 3 argumentos."},
        {6, 5, 5, 1, 5, ""},
        {6, 4, 4, 1, 4, "Deben ser 5 argumentos."},
        {7, 3, 3, 1, 3, "Deben ser 4 argumentos."},
        {9, 2, 2, 3, 1, ""},
        {20, 3, 3, 1, 3, "Deben ser 2 argumentos."},
        {10, 6, 3, 1, 6, ""},
        {10, 5, 3, 1, 5, "Deben ser 6 argumentos."},
        {10, 6, 4, 1, 6, "Tres de los argumentos deben ser numéricos y los restantes iguales a \"x\"."},
        {11, 6, 6, 1, 6, ""},
        {11, 6, 5, 1, 6, notNumeric},
        // Even counts, multiples of 3, ranges.
        {12, 4, 4, 1, 4, ""},
        {12, 5, 5, 1, 5, "Debe ser un número par de argumentos."},
        {25, 4, 3, 1, 4, notNumeric},
        {15, 6, 6, 2, 3, ""},
        {15, 4, 4, 1, 4, "El número de argumentos debe ser un múltiplo de 3"},
        {19, 4, 4, 1, 4, ""},
        {19, 5, 5, 1, 5, "Número de argumentos incorrecto (deben ser 2, 3 ó 4)."},
        {22, 3, 2, 1, 3, "Los argumentos deben ser todos numéricos"},
        {22, 1, 1, 1, 1, "Número de argumentos incorrecto (deben ser 2 ó 3)."},
        // All numbers, any count; an empty list passes.
        {13, 0, 0, 1, 1, ""},
        {17, 3, 2, 1, 3, notNumeric},
        // No rule: these check their arguments themselves.
        {21, 1, 0, 1, 1, ""},
        {18, 7, 0, 1, 7, ""},
        {28, 2, 0, 1, 2, ""},
        {37, 1, 1, 1, 1, ""},
        {38, 0, 0, 1, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::CheckArgs(c.proc, c.args, c.nums, c.rows, c.cols), c.message)
            << "procedure " << c.proc << " with " << c.args << " arguments";
}

}  // namespace
