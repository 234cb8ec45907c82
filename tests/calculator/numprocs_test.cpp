// The numeric procedures run as the calculation dispatch runs them: what
// reaches the result pane and the results log, the message boxes, the
// drawing picture and the angle factor.
#include "calculator/numprocs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "numerics/expression.h"
#include "platform/qstring_print.h"
#include "procedure_fixture.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "support/grab.h"

namespace {

using rt::Variant;
using Args = std::vector<Variant>;

class NumericProcedures : public calctest::ProcedureRun {
protected:
    NumericProcedures() {
        savedShared = shell::Shared();
        shell::Shared().PlotLeft = 48;
        shell::Shared().PlotBottom = 42;
        shell::Shared().PlotSide = 301;
        pic.Line(0, 0, 10, 10, 0x00FF00);
    }
    ~NumericProcedures() override { shell::Shared() = savedShared; }

    calc::NumericRun Run(int code, const Args& args, const std::string& expression = "", int rows = 0, int cols = 0) {
        calc::NumericRequest r;
        r.args = args;
        r.selRows = rows;
        r.selCols = cols;
        r.expression = expression;
        r.pic = &pic;
        return calc::RunNumericProcedure(code, r);
    }
    bool PaneUntouched() const { return calc.Text() == "antes" && reg.Text().isEmpty(); }
    bool PictureUntouched() const { return pic.Drawn().size() == 1; }
    // Primitives of a curve: a short one is drawn as lines, a long one as one
    // polyline.
    int Curve(rt::ColorRef colour) const { return Count(Kind::Line, colour) + Count(Kind::Polyline, colour); }
    void Grab(const char* name) { testsupport::SaveGrab(pic.Image(), name); }

    shell::SharedState savedShared;
    num::AngleUnitScope unit_{num::kDefaultAngleFactor};  // the user works in degrees
};

TEST_F(NumericProcedures, EachProcedureWritesToThePaneAndTheLog) {
    struct Row {
        int code;
        Args args;
        std::string expression;
        int rows, cols;
        QString firstLine;  // first line shown in the result pane
    };
    const std::vector<Row> rows = {
        {1, {2, 0, 0, 3}, "", 2, 2, "| 2     0 |"},
        {2, {1, 1, 3, 1, -1, 1}, "", 2, 3, "x1 + x2 = 3"},
        {5, {1, -3, 2}, "", 0, 0, "x2 − 3 x + 2 = 0"},
        {6, {2, 1, -3, 0, -8}, "", 0, 0, "2(x − 3)2 − 8 = 0  o bien"},
        {7, {1, -6, 11, -6}, "", 0, 0, "x3 − 6 x2 + 11 x − 6 = 0"},
        {8, {1, 1, -1}, "", 0, 0, "cos θ + sen θ − 1 = 0"},
        {9, {0, 2}, " X^2-2 ", 0, 0, "1 raíz de la ecuación"},
        {13, {1}, "SEN(X)", 0, 0, "Función: SEN(X)"},
        {14, {1, 2}, "X*Y", 0, 0, "Función: X*Y"},
        {15, {1, 2, 3}, "X*Y*Z", 0, 0, "Función: X*Y*Z"},
        {16, {0, 1, 0.5}, "X", 0, 0, "Función: X"},
        {17, {1}, "X^3", 0, 0, "Derivada(s) de la función "},
        {18, {2}, "X^3", 0, 0, "Segunda derivada de la función "},
        {19, {0, 3}, "X^2", 0, 0, "La integral de la función X^2"},
        {19, {0, 3, 1}, "X^2", 0, 0, "La integral de la función "},
        {23, {0, 1, 1, 3, 2, 5}, "", 0, 0, "Recta de mínimos cuadrados: y = ax + b"},
        {24, {0, 1, 1, 3, 2, 5}, "", 0, 0, "Curva de mínimos cuadrados: y = b eax"},
        {25, {1, 1, 2, 3, 3, 5}, "", 0, 0, "Curva de mínimos cuadrados: y = b xa"},
        {26, {0, 1, 1, 2, 2, 5, 2}, "", 0, 0, "Coeficientes del polinomio de grado 2:"},
    };
    for (const Row& row : rows) {
        calc.SetText("antes");
        reg.SetText("");
        calc::NumericRun run = Run(row.code, row.args, row.expression, row.rows, row.cols);
        EXPECT_TRUE(run.completed) << row.code;
        ASSERT_GT(run.lines.UBound(), 0) << row.code;
        EXPECT_EQ(calc.Text().split('\n').front(), row.firstLine) << row.code;
        EXPECT_TRUE(reg.Text().startsWith(row.firstLine)) << row.code;
        EXPECT_TRUE(reg.Text().trimmed().endsWith("-----")) << row.code;
        EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor) << row.code;
    }
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(NumericProcedures, FunctionsOfXAreEvaluatedInRadians) {
    // sen(1 rad), d/dx sen at 0, ∫ sen over [0, π], roots of sen near 3.
    EXPECT_EQ(Run(13, Args{1}, "SEN(X)").lines[1], "Función: SEN(X)\r\nf(1) = 0.841470984807897\r\n");
    EXPECT_NE(Run(17, Args{0}, "SEN(X)").lines[1].find("f '(0) = 1        ("), std::string::npos);
    EXPECT_TRUE(Run(19, Args{0, 3.14159265, 1}, "SEN(X)").lines[1].ends_with("\r\nes 2"));
    const std::string roots = Run(9, Args{2, 4}, "SEN(X)").lines[2];
    EXPECT_NEAR(rt::Val(roots.substr(roots.find("x1 = ") + 5)), 3.14159265358979, 1e-6);
    // The same half circle whatever the angle mode.
    Run(22, Args{0, 3.14159265358979}, "cos(x) & sen(x)");
    EXPECT_EQ(Curve(0xFF0000), 1);
    for (const auto& d : pic.Drawn())
        if (d.kind == Kind::Text && d.text.startsWith("Ymin")) { EXPECT_EQ(d.text, "Ymin = 0"); }
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
}

TEST_F(NumericProcedures, MessagesThatStopTheRun) {
    struct Row {
        int code;
        Args args;
        std::string expression;
        QString message;
    };
    const std::vector<Row> rows = {
        {2,
         {1, 2, 3, 2, 4, 6},
         "",
         "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad."},
        {8, {1, 0, 2}, "", "No hay solución."},
        {9, {0, 1}, "X+1", "No encontré raíces en el intervalo dado."},
        {9, {0, 1}, "", "No encontré raíces en el intervalo dado."},
        {9,
         {-1, 0},
         "LN(X)",
         "No encontré raíces en el intervalo dado. La función no tiene valor en x = -1 ni en otros 490 puntos de la "
         "búsqueda (el último, x = 0); la búsqueda los saltó."},
        {16, {0, 100, 1}, "X", "Cálculo máximo 100 valores."},
        {16, {0, 1, 0}, "X", "El incremento no puede ser cero."},
        {16, {0, 1, -1}, "X", "Error en los datos."},
        {18, {1, 2, 3}, "2*", ""},
        {19, {0, 3, 1, 0.01}, "X^2", "No tomes el argumento \"épsilon\" mayor que 0.001."},
        {20, {0, 1}, "X^", ""},
        {24, {1, 2, 2, 0}, "", "Valor negativo o cero no permitido."},
        {25, {0, 2, 1, 3}, "", "Valor negativo o cero no permitido."},
        {26, {0, 1, 1, 2, 2, 5}, "", "Da el orden del polinomio como último argumento."},
    };
    for (const Row& row : rows) {
        testsupport::DialogScript dialogs;
        dialogs.Answer(plat::MsgResult::OK);
        calc::NumericRun run = Run(row.code, row.args, row.expression, 2, 3);
        EXPECT_FALSE(run.completed) << row.code;
        ASSERT_EQ(dialogs.Shown().size(), 1u) << row.code;
        if (row.message.isEmpty())
            EXPECT_TRUE(dialogs.Shown()[0].prompt.endsWith("\r\nCorrige la expresión " +
                                                           QString::fromStdString(row.expression)))
                << dialogs.Shown()[0].prompt.toStdString();
        else
            EXPECT_EQ(dialogs.Shown()[0].prompt, row.message) << row.code;
        EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
        EXPECT_TRUE(PaneUntouched()) << row.code;
        EXPECT_TRUE(PictureUntouched()) << row.code;
        EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor) << row.code;
    }
}

TEST_F(NumericProcedures, FiftyRootsAreAnnouncedThenListed) {
    dialogs.Answer(plat::MsgResult::OK);
    calc::NumericRun run = Run(9, Args{0, 200}, "SEN(X)");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt,
              "Se mostrarán 50 raíces. Para ver más raíces modifica el intervalo de búsqueda.");
    EXPECT_TRUE(run.completed);
    EXPECT_TRUE(calc.Text().startsWith("50 raíces de la ecuación\n"));
    EXPECT_TRUE(calc.Text().contains("x50 = "));
}

TEST_F(NumericProcedures, FailuresAtRunTimeReachTheDispatch) {
    const std::vector<std::tuple<int, Args, std::string>> failing = {
        {5, {0, 2, 1}, ""},      // no quadratic
        {20, {-1, 1}, "LN(X)"},  // outside the domain of the formula
        {22, {0, 1}, "x^2"},     // no "&"
        {21, {0, 1, 1}, "1"},    // a single point
        {18, {2, 0}, "X^3"},     // a zero step
    };
    for (const auto& [code, args, expression] : failing) {
        EXPECT_THROW(Run(code, args, expression), rt::RuntimeError) << code;
        EXPECT_TRUE(PaneUntouched()) << code;
        EXPECT_TRUE(PictureUntouched()) << code;
        EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor) << code;
    }
}

TEST_F(NumericProcedures, NothingToDoStillCompletes) {
    calc::NumericRun run = Run(18, Args{1, 2, 3}, "X^3");
    EXPECT_TRUE(run.completed);
    EXPECT_EQ(run.lines.UBound(), 0);
    EXPECT_TRUE(PaneUntouched());
    EXPECT_TRUE(Run(10, Args{}).completed);
    EXPECT_FALSE(calc::IsNumericProcedure(10));
    EXPECT_TRUE(calc::IsNumericProcedure(26));
}

TEST_F(NumericProcedures, GraphClearsThePictureAndDrawsInBlue) {
    calc::NumericRun run = Run(20, Args{2, -2}, "X^2");
    EXPECT_TRUE(run.completed);
    EXPECT_EQ(run.lines.UBound(), 0);
    EXPECT_TRUE(PaneUntouched());
    EXPECT_EQ(Count(Kind::Line, 0x00FF00), 0);  // cleared
    EXPECT_EQ(Count(Kind::Box, 0xFFFFC0), 1);
    EXPECT_EQ(Curve(0xFF0000), 1);
    std::vector<QString> texts;
    for (const auto& d : pic.Drawn())
        if (d.kind == Kind::Text) texts.push_back(d.text);
    EXPECT_EQ(texts, (std::vector<QString>{"-2", "2", "Ymax = 4", "Ymin = 0"}));
    Grab("graph_parabola");

    Run(21, Args{0, 2 * 3.14159265358979, 5}, "1");
    EXPECT_EQ(Count(Kind::Line, 0xFF0000), 4);  // the square
    Grab("graph_square");
}

// Graphs reuse the memory of the graph before: each one is drawn as if it
// came first, whatever ran before it, a graph that failed included.
TEST_F(NumericProcedures, EachGraphIsDrawnAsIfItCameFirst) {
    num::AngleUnitScope radians{num::kRadians};
    const Args longArgs{0, 6.28318530717959, 32767};
    auto draw = [&](int code, const Args& args, const std::string& expression) {
        EXPECT_TRUE(Run(code, args, expression).completed) << expression;
        return std::pair{pic.Image(), pic.Drawn().back().points.size()};
    };
    const auto shortAlone = draw(21, Args{0, 6.28318530717959, 40}, "1+0.4*SEN(4*X)");
    const auto parametric = draw(22, longArgs, "SEN(31*X) & COS(37*X)");
    Grab("graph_parametric_32767");
    const auto polar = draw(21, longArgs, "1+0.4*SEN(40*X)");
    Grab("graph_polar_32767");
    EXPECT_GT(polar.second, 1000u);  // one long polyline
    EXPECT_EQ(draw(21, Args{0, 6.28318530717959, 40}, "1+0.4*SEN(4*X)"), shortAlone);
    EXPECT_EQ(draw(22, longArgs, "SEN(31*X) & COS(37*X)"), parametric);
    // A graph refused, or stopped by a point outside the domain, leaves
    // nothing behind for the next.
    dialogs.Answer(plat::MsgResult::OK);
    EXPECT_FALSE(Run(22, longArgs, "X & 2*").completed);
    EXPECT_THROW(Run(20, Args{-1, 1}, "LN(X)"), rt::RuntimeError);
    EXPECT_EQ(draw(22, longArgs, "SEN(31*X) & COS(37*X)"), parametric);
    EXPECT_EQ(draw(21, Args{0, 6.28318530717959, 40}, "1+0.4*SEN(4*X)"), shortAlone);
}

TEST_F(NumericProcedures, FitDrawsPointsCurveAndAxes) {
    calc::NumericRun run = Run(26, Args{-2, 3, -1, 0.5, 0, -1, 1, 0.2, 2, 3.5, 3, 8, 2});
    ASSERT_TRUE(run.completed);
    EXPECT_TRUE(calc.Text().startsWith("Coeficientes del polinomio de grado 2:"));
    EXPECT_EQ(Count(Kind::Line, 0x00FF00), 0);  // cleared
    EXPECT_EQ(Count(Kind::Box, 0x808080), 1);
    EXPECT_EQ(Count(Kind::Dot, 0x0000FF), 6);
    EXPECT_EQ(Count(Kind::Line, 0x808080), 2);  // both axes: x and y cross 0
    EXPECT_EQ(pic.DrawWidth(), 1);
    EXPECT_EQ(pic.ForeColor(), rt::kBlack);
    Grab("fit_parabola");

    // One point still gives its plot and its report; all x equal cannot be fitted.
    EXPECT_TRUE(Run(23, Args{2, 7}).lines[1].starts_with("Coeficientes del polinomio de grado 0:"));
    EXPECT_EQ(Count(Kind::Dot, 0x0000FF), 1);
    calc.SetText("antes");
    reg.SetText("");
    pic.Cls();
    pic.Line(0, 0, 10, 10, 0x00FF00);
    dialogs.Answer(plat::MsgResult::OK);
    run = Run(23, Args{1, 1, 1, 2});
    EXPECT_TRUE(run.completed);  // the fitting routine reports it and the run ends as usual
    EXPECT_EQ(dialogs.Shown().at(0).prompt, "No pude resolver el sistema de ecuaciones.");
    EXPECT_TRUE(PaneUntouched());
    EXPECT_TRUE(PictureUntouched());
}

TEST_F(NumericProcedures, FitPolynomialForOtherCallers) {
    const std::vector<double> x{0, 1, 2}, y{1, 3, 5};
    std::vector<double> coef;
    text::ResultLines lines = calc::FitPolynomial(1, x, y, coef, false, true, nullptr);
    ASSERT_EQ(coef.size(), 3u);
    EXPECT_NEAR(coef[1], 1, 1e-12);
    EXPECT_NEAR(coef[2], 2, 1e-12);
    EXPECT_TRUE(lines[1].starts_with("Recta de mínimos cuadrados: y = ax + b\r\na = 2"));
    EXPECT_TRUE(PictureUntouched());
    EXPECT_TRUE(calc.Text().startsWith("Recta de mínimos cuadrados"));
}

TEST_F(NumericProcedures, AnIntegrationThatGivesUpSaysWhereAndWhatToChangeInTheProgramsBox) {
    dialogs.Answer(plat::MsgResult::OK);
    calc::NumericRun run = Run(19, Args{0, 100}, "SEN(100*X)");
    EXPECT_FALSE(run.completed);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt,
              "No pude completar la integración entre 0 y 100 en 1000 pasos: la fórmula varía demasiado rápido.\r\n"
              "Revisa la fórmula o toma un intervalo más corto.");
    EXPECT_EQ(dialogs.Shown()[0].title, "Teluvar");
    EXPECT_TRUE(PaneUntouched());
}

}  // namespace
