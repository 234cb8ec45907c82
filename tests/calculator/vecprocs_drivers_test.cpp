// Vector and force-system procedures run as the calculator runs them, from
// the argument list of the grid (cells as typed): their result lines, the
// result pane and results log, the drawing and the failures.
#include "calculator/vecprocs_drivers.h"

#include <gtest/gtest.h>

#include "numerics/expression.h"
#include "platform/qstring_print.h"
#include "procedure_fixture.h"
#include "runtime/errors.h"

namespace {

using rt::Variant;
using Lines = std::vector<std::string>;

class VectorProcedures : public calctest::ProcedureRun {
protected:
    Lines Run(int code, std::vector<Variant> args) { return calc::RunVectorProcedure(code, pic, args).Lines(); }
    int Arrows() const { return Count(Kind::Polygon); }
};

TEST_F(VectorProcedures, EachProcedureWritesItsLines) {
    struct Row {
        int code;
        std::vector<Variant> args;
        Lines lines;
        bool draws;
    };
    const std::vector<Row> rows = {
        {27,
         {"3,4", "1,-2"},
         {"Vectores dados:\r\n(3, 4)      y      (1, ;-2)", "/3Suma/:  (4, 2)    ó    (4.472 #angu 26.565°)",
          "/8Resta/:  (;-2, ;-6)    ó    (6.325 #angu ;-108.435°)", "Ángulo entre los vectores:  116.565°",
          "Producto Escalar:  ;-5", "Producto Vectorial: ;-10 $k"},
         true},
        // One vector: the sum is that vector.
        {28,
         {"3,4"},
         {"Vectores dados:\r\n(3, 4)    ó    (5 #angu 53.13°)\r\n", "/3Suma/:  (3, 4)    ó    (5 #angu 53.13°)"},
         true},
        // Five arguments: two pairs, the fifth left out.
        {29,
         {"2", "3,4", "-1", "1,-2", "5"},
         {"Factores y vectores dados:\r\n2,    (3, 4)    ó    (5 #angu 53.13°)\r\n"
          ";-1,    (1, ;-2)    ó    (2.236 #angu ;-63.435°)\r\n",
          "/3Suma/:  (5, 10)    ó    (11.18 #angu 63.435°)"},
         true},
        {30,
         {"1,0", "0,2", "0,1", "3,0"},
         {"/3Suma de momentos con respecto al origen:/  ;-1", "(1, 0) ^ (0, 2) = 2\r\n(0, 1) ^ (3, 0) = ;-3\r\n"},
         false},
        // A fifth argument is the point the moments are taken about.
        {30,
         {"1,0", "0,2", "0,1", "3,0", "1,1"},
         {"/3Suma de momentos con respecto al punto (1, 1):/  0", "(0, ;-1) ^ (0, 2) = 0\r\n(;-1, 0) ^ (3, 0) = 0\r\n"},
         false},
        {31,
         {"3,4", "90", "v"},
         {"Vector a rotar:  (3, 4)  ó  (5 #angu 53.13°)", "Vector rotado:  (;-4, 3)  ó  (5 #angu 143.13°)"},
         true},
        {31,
         {"3,4", "30", "e"},
         {"Vector en XY:  (3, 4)  ó  (5 #angu 53.13°)", "Vector en X'Y':  (4.598, 1.964)  ó  (5 #angu 23.13°)"},
         true},
        {32,
         {"1,0", "0,1", "3,4"},
         {"$V = ;l $a + ;m $b = (3, 4)   ó   (5 #angu 53.13°)", "$a = (1, 0),  $b = (0, 1)", ";l = 3, ;m = 4"},
         true},
        {33, {"1,0", "2", "0,1", "3"}, {"El vector buscado es:", "$V = (2, 3)", "$V = (3.606 #angu 56.31°)", ""}, true},
        {34, {"0", "10", "4", "20"}, {"La resultante vale 30", "y se localiza en 2.667"}, true},
        // An odd count: the last argument is the reference point.
        {34,
         {"0", "10", "4", "20", "2"},
         {"R = 30, x!R = 2.667", "La resultante localizada en x = 2", "consta de la fuerza R dada arriba",
          "y un par de momento 20"},
         true},
        {34,
         {"0", "10", "4"},
         {"R = 10, x!R = 0", "La resultante localizada en x = 4", "consta de la fuerza R dada arriba",
          "y un par de momento ;-40"},
         true},
        {35,
         {"1,0", "10", "0,2", "-5"},
         {";SF!z = 5,  ;S$M!O = (;-10, ;-10)", "Resultante: R!z = 5, ubicada en", "x!R = 2,  y!R = ;-2"},
         true},
        {36,
         {"0,0", "10,0", "2,0", "0,5"},
         {";SF!x = 10,  ;SF!y = 5,  ;SM!O = 10", "Resultante: $R = (10, 5)   ó   (11.18 #angu 26.565°)",
          "Línea de acción:  5 x ;- 10 y = 10,", "Intersecciones: x!R = 2, y!R = ;-1"},
         true},
        // An odd last argument reaches the routine, which reads it as a couple.
        {36,
         {"0,0", "10,0", "2,0", "0,5", "3"},
         {";SF!x = 10,  ;SF!y = 5,  ;SM!O = 13", "Resultante: $R = (10, 5)   ó   (11.18 #angu 26.565°)",
          "Línea de acción:  5 x ;- 10 y = 13,", "Intersecciones: x!R = 2.6, y!R = ;-1.3"},
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "procedure " << row.code);
        pic.Cls();
        calc.SetText("antes");
        EXPECT_EQ(Run(row.code, row.args), row.lines);
        EXPECT_NE(calc.Text(), "antes");
        EXPECT_EQ(!pic.Drawn().empty(), row.draws);
    }
    EXPECT_EQ(reg.Text().count("-----"), static_cast<qsizetype>(rows.size()));
}

TEST_F(VectorProcedures, PaneAndDrawingOfASum) {
    Run(28, {"3,4"});
    EXPECT_EQ(calc.Text(), "Vectores dados:\n(3, 4)    ó    (5 ∠ 53.13°)\n\nSuma:  (3, 4)    ó    (5 ∠ 53.13°)\n");
    EXPECT_EQ(Arrows(), 2);  // the vector and the sum
}

TEST_F(VectorProcedures, BadArgumentsFailWithoutWriting) {
    struct Row {
        int code;
        std::vector<Variant> args;
    };
    const std::vector<Row> rows = {
        {33, {"1,0", "2", "0,1"}},  // too few
        {30, {"1,0", "zz"}},        // a vector that does not parse
        {34, {"0", "2*3"}},         // a formula is not evaluated in this group
        {34, {"0"}},                // no force
        {31, {"3,4", "a", "v"}},    // the angle is not a number
        {27, {"3,4"}},              // one vector
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "procedure " << row.code);
        EXPECT_THROW(Run(row.code, row.args), rt::RuntimeError);
        EXPECT_EQ(calc.Text(), "antes");
        EXPECT_TRUE(reg.Text().isEmpty());
    }
}

TEST_F(VectorProcedures, DegeneratePairsAnswerWithAMessage) {
    dialogs.Answer(plat::MsgResult::OK).Answer(plat::MsgResult::OK);
    EXPECT_TRUE(Run(32, {"1,0", "2,0", "3,4"}).empty());
    EXPECT_TRUE(Run(33, {"1,1", "2", "2,2", "3"}).empty());
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "Los vectores no forman una base.");
    EXPECT_EQ(dialogs.Shown()[1].prompt, "Los vectores no son linealmente independientes.");
    EXPECT_EQ(dialogs.Shown()[1].title, "Teluvar");
    EXPECT_EQ(calc.Text(), "antes");
    EXPECT_TRUE(reg.Text().isEmpty());
}

TEST_F(VectorProcedures, DistributedLoadTakesTheExpressionBox) {
    const Lines uniform = {
        "Distribución de densidad f(x) = 2\r\nentre x!1 = 0 y x!2 = 3\r\n"
        "Momento c//r al origen: M!0 = 9",
        "Resultante: R = 6, ubicada en x!R = 1.5"};
    // The density's blanks are dropped; the limits may come in either order.
    EXPECT_EQ(calc::RunVectorProcedure(37, pic, std::vector<Variant>{0.0, 3.0}, "  2 ").Lines(), uniform);
    EXPECT_EQ(calc::RunVectorProcedure(37, pic, std::vector<Variant>{3.0, 0.0}, "2").Lines(), uniform);
    EXPECT_FALSE(pic.Drawn().empty());
    EXPECT_EQ(reg.Text().count("-----"), 2);

    // The density takes radians, and the calculator's angle unit is kept.
    const double degrees = num::AngleFactor;
    Lines sine = calc::RunVectorProcedure(37, pic, std::vector<Variant>{0.0, 3.14159265358979}, "SEN(X)").Lines();
    EXPECT_NE(sine.at(1).find("R = 2,"), std::string::npos);
    EXPECT_EQ(num::AngleFactor, degrees);

    calc.SetText("antes");
    EXPECT_THROW(calc::RunVectorProcedure(37, pic, std::vector<Variant>{0.0}, "2"), rt::RuntimeError);
    EXPECT_THROW(calc::RunVectorProcedure(37, pic, std::vector<Variant>{0.0, 3.0}, "  "), rt::RuntimeError);
    EXPECT_EQ(calc.Text(), "antes");
}

// The load's integrator only says that it gave up; the driver shows its
// text, and the run then fails as any run-time error does.
TEST_F(VectorProcedures, ALoadWhoseIntegrationGivesUpSaysWhereAndWhatToChange) {
    calc.SetText("antes");
    dialogs.Answer(plat::MsgResult::OK);
    EXPECT_THROW(calc::RunVectorProcedure(37, pic, std::vector<Variant>{0.0, 100.0}, "SEN(100*X)"), rt::RuntimeError);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt,
              "No pude completar la integración entre 0 y 100 en 1000 pasos: la fórmula varía demasiado rápido.\r\n"
              "Revisa la fórmula o toma un intervalo más corto.");
    EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
    EXPECT_EQ(calc.Text(), "antes");
}

TEST_F(VectorProcedures, OtherProceduresDoNothing) {
    EXPECT_TRUE(Run(26, {"1", "2"}).empty());
    EXPECT_TRUE(Run(38, {"3,4"}).empty());
    EXPECT_EQ(calc.Text(), "antes");
    EXPECT_TRUE(pic.Drawn().empty());
}

}  // namespace
