// Triangles and polygons run as the calculator runs them: result pane,
// results log, message boxes and the drawing picture.
#include "calculator/geomprocs.h"

#include <gtest/gtest.h>

#include "platform/qstring_print.h"
#include "procedure_fixture.h"
#include "runtime/errors.h"

namespace {

using rt::Variant;
const Variant X("x");

class GeometryProcedures : public calctest::ProcedureRun {
protected:
    // What the picture showed before the run.
    GeometryProcedures() { pic.Line(0, 0, 10, 10, 0x00FF00); }
    bool Untouched() const { return calc.Text() == "antes" && reg.Text().isEmpty() && pic.Drawn().size() == 1; }
};

TEST_F(GeometryProcedures, TriangleFromElementsWritesColouredLinesAndDraws) {
    std::vector<Variant> args{3, X, 4, X, 5, X};
    text::ResultLines lines = calc::RunGeometryProcedure(10, pic, args);
    ASSERT_EQ(lines.UBound(), 1);
    EXPECT_EQ(calc.Text(), "3, 36.87°\n4, 53.13°\n5, 90°\nPerímetro = 12,  Área = 6\n");
    EXPECT_TRUE(reg.Text().contains("Perímetro = 12,  Área = 6\n-----"));
    // The line of pair 1 is red like the base it names.
    calc.SetSelStart(0);
    calc.SetSelLength(1);
    EXPECT_EQ(calc.SelColor(), rt::kRed);
    EXPECT_TRUE(calc.SelBold());
    EXPECT_EQ(Count(Kind::Line), 3);
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(GeometryProcedures, RefusedTriangleShowsItsMessageOnly) {
    struct Row {
        int procedure;
        std::vector<Variant> args;
        QString message;
    };
    const std::vector<Row> rows = {
        {10, {X, 50, X, 60, X, 70}, "Estás especificando 3 ángulos."},
        {10, {3, X, 0, X, 5, X}, "Deben ser exactamente 3 argumentos. 3, x, , x, 5, x"},
        {10, {1, X, 2, X, 3, X}, "No forman un triángulo."},
        {11, {1, 0, 1, 2, 1, 5}, "Los puntos dados están en una misma línea recta."},
    };
    for (const Row& row : rows) {
        dialogs.Answer(plat::MsgResult::OK);
        EXPECT_EQ(calc::RunGeometryProcedure(row.procedure, pic, row.args).UBound(), 0);
        ASSERT_FALSE(dialogs.Shown().empty());
        EXPECT_EQ(dialogs.Shown().back().prompt, row.message);
        EXPECT_EQ(dialogs.Shown().back().title, "Teluvar");
        EXPECT_EQ(dialogs.Shown().back().buttons, plat::MsgButtons::OK);
        EXPECT_TRUE(Untouched());
    }
}

TEST_F(GeometryProcedures, TriangleFromVerticesWithAVerticalSide) {
    std::vector<Variant> args{2, 0, 2, 3, 6, 0};
    text::ResultLines lines = calc::RunGeometryProcedure(11, pic, args);
    EXPECT_EQ(calc.Text(),
              "__________5, 90°\n__________4, 53.13°\n__________3, 36.87°\n\n"
              "Centroide en (3.333, 1)\nPerímetro = 12, Área = 6\n");
    EXPECT_EQ(Count(Kind::Text), 3);
    EXPECT_EQ(Count(Kind::Dot), 1);
}

TEST_F(GeometryProcedures, PolygonFollowsTheDecimalsAndFillsTheFrame) {
    text::G().Decimals = 1;
    std::vector<Variant> args{0, 0, 1000, 0, 1000, 700, 0, 700};
    calc::RunGeometryProcedure(12, pic, args);
    EXPECT_EQ(calc.Text(),
              "Perímetro = 3400. Área = 700000\nÁngulo total = 360. Centroide:   G(500,  350)\n"
              "Lado 1-2:  1000, Ángulo en vértice 1:  90°\n"
              "Lado 2-3:  700, Ángulo en vértice 2:  90°\n"
              "Lado 3-4:  1000, Ángulo en vértice 3:  90°\n"
              "Lado 4-1:  700, Ángulo en vértice 4:  90°\n");
    double xmax = 0;
    for (const auto& d : pic.Drawn())
        if (d.kind == Kind::Line && d.color != 0x808080u) xmax = std::max(xmax, d.points[1].x());
    EXPECT_NEAR(xmax, 48 + 301, 1e-9);
}

TEST_F(GeometryProcedures, DegeneratePolygonFailsBeforeAnythingChanges) {
    std::vector<Variant> args{0, 0, 2, 1};
    EXPECT_THROW(calc::RunGeometryProcedure(12, pic, args), rt::RuntimeError);
    EXPECT_TRUE(Untouched());
}

TEST_F(GeometryProcedures, OtherProceduresDoNothing) {
    std::vector<Variant> args{3, X, 4, X, 5, X};
    EXPECT_EQ(calc::RunGeometryProcedure(13, pic, args).UBound(), 0);
    EXPECT_TRUE(Untouched());
}

}  // namespace
