// The calculate button: argument messages, the drivers reached, the nested
// runs, the error trap and the angle factor.
#include <numbers>
#include <stdexcept>
#include <vector>

#include "calc_fixture.h"
#include "platform/mousepointer.h"
#include "runtime/errors.h"
#include "shell/writer.h"
#include "support/fault_point.h"
#include "text/resultformat.h"

namespace calctest {

namespace {

// Records what the numeric driver was given.
struct Seen {
    int group = 0, code = 0;
    std::vector<rt::Variant> args;
    int rows = 0, cols = 0;
    std::string expr;
    double angleFactor = 0;
    int screenPointer = 0;
};

class DispatchTest : public CalcForm {
protected:
    void SetUp() override {
        CalcForm::SetUp();
        calc().SetNumericDriver([this](const calc::CalcRequest& r) {
            Seen s;
            s.group = r.group;
            s.code = r.code;
            s.args = r.args;
            s.rows = r.rowCount;
            s.cols = r.colCount;
            s.expr = r.expr;
            s.angleFactor = num::AngleFactor;
            s.screenPointer = plat::Screen::MousePointer();
            seen.push_back(s);
            if (onNumeric) return onNumeric(r);
            return calc::DriverEnd::Common;
        });
        form().tabCalc->SetTab(1);
    }
    std::vector<Seen> seen;
    std::function<calc::DriverEnd(const calc::CalcRequest&)> onNumeric;
    const double degrees = num::kDefaultAngleFactor;
};

TEST_F(DispatchTest, ANumericProcedureGetsTheEvaluatedArgumentsThenTheResultTab) {
    Choose(2, 1);  // quadratic
    form().rtbExpr->SetText(QStringLiteral("x^2"));
    Fill(2, 2, 2, {"1", "", "2*-2", "3/4"});
    Select(2, 2, 3, 3);
    Calculate();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].group, 2);
    EXPECT_EQ(seen[0].code, 5);
    ASSERT_EQ(seen[0].args.size(), 3u);
    EXPECT_EQ(seen[0].args[1], rt::Variant(-4.0));
    EXPECT_EQ(seen[0].args[2], rt::Variant(0.75));
    EXPECT_EQ(seen[0].rows, 2);
    EXPECT_EQ(seen[0].cols, 2);
    EXPECT_EQ(seen[0].expr, "x^2");
    EXPECT_EQ(seen[0].screenPointer, 11);  // the hourglass while it runs
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
    EXPECT_EQ(form().tabCalc->Tab(), 0);
    EXPECT_EQ(G().Selection.RowCount, 2);
    EXPECT_EQ(G().Selection.ColCount, 2);
}

TEST_F(DispatchTest, ArgumentMessagesStopTheRunWithoutTheResultTab) {
    struct Case {
        int group, cell;
        std::initializer_list<const char*> cells;
        QString message;
    };
    const Case cases[] = {
        {3, 1, {"3", "x", "4", "x", "60"}, QStringLiteral("Deben ser 6 argumentos.")},
        {2, 1, {"1", "2*", "3"}, {}},  // the compiler's description, then the correction
        {4, 1, {"2", "1/0", "5"}, QStringLiteral("Corrige la expresión 1/0")},
        {5, 3, {"0", "PI", "x"}, QStringLiteral("Los argumentos deben ser todos numéricos")},
    };
    for (const Case& c : cases) {
        ClearGrid();
        Choose(c.group, c.cell);
        Fill(1, 1, static_cast<int>(c.cells.size()), c.cells);
        Select(1, 1, 1, static_cast<int>(c.cells.size()));
        form().tabCalc->SetTab(1);
        dialogs.Answer(plat::MsgResult::OK);
        Calculate();
        const QString shown = dialogs.Shown().back().prompt;
        if (c.message.isEmpty())
            EXPECT_TRUE(shown.endsWith(QStringLiteral("\r\nCorrige la expresión 2*"))) << shown.toStdString();
        else
            EXPECT_EQ(shown, c.message);
        EXPECT_EQ(dialogs.Shown().back().title, "Teluvar");
        EXPECT_EQ(form().tabCalc->Tab(), 1);
    }
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

TEST_F(DispatchTest, ADriverErrorIsReportedKeepingPanePictureAndTab) {
    Choose(4, 1);
    Fill(1, 1, 1, {"2"});
    Select(1, 1, 1, 1);
    num::SetAngleUnit(degrees);  // the user works in degrees
    onNumeric = [this](const calc::CalcRequest& r) -> calc::DriverEnd {
        num::SetAngleUnit(num::kRadians);  // a driver that leaves another unit behind
        shell::WriteResults(*form().rtbCalc, text::ResultLines{"Parcial"});
        r.pic->Line(0, 0, 10, 10);
        return rt::Div(1, 0) > 0 ? calc::DriverEnd::Common : calc::DriverEnd::Quit;
    };
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(Prompt(0), calc::kRoutineFailed);
    EXPECT_EQ(num::AngleFactor, degrees);
    EXPECT_EQ(form().rtbCalc->Text().trimmed(), "Parcial");
    EXPECT_FALSE(form().pic->Drawn().empty());
    EXPECT_EQ(form().tabCalc->Tab(), 1);
    EXPECT_EQ(plat::Screen::MousePointer(), 0);
}

TEST_F(DispatchTest, ADriverThatEndsWithItsOwnMessageLeavesTheTabButRestoresTheFactor) {
    Choose(4, 1);
    Fill(1, 1, 2, {"0", "1"});
    Select(1, 1, 1, 2);
    num::SetAngleUnit(degrees);  // the user works in degrees
    onNumeric = [](const calc::CalcRequest&) {
        num::SetAngleUnit(num::kRadians);  // a driver that leaves another unit behind
        return calc::DriverEnd::Quit;
    };
    Calculate();
    EXPECT_EQ(num::AngleFactor, degrees);
    EXPECT_EQ(form().tabCalc->Tab(), 1);
}

TEST_F(DispatchTest, AGraphOfGroupFiveRunsOnceAsGroupFour) {
    Choose(5, 2);  // polar graph
    Fill(1, 1, 3, {"0", "2*PI", "5"});
    Select(1, 1, 1, 3);
    Calculate();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].group, 4);
    EXPECT_EQ(seen[0].code, 21);
    EXPECT_EQ(seen[0].args.size(), 3u);
    EXPECT_EQ(G().ProcedureGroup, 5);
    EXPECT_EQ(G().ProcedureCode, 21);
    EXPECT_EQ(form().tabCalc->Tab(), 0);

    // A wrong count is reported once, by the outer run, before any nesting.
    Choose(5, 3);
    Select(1, 1, 1, 1);
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(seen.size(), 1u);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Prompt(0), "Número de argumentos incorrecto (deben ser 2 ó 3).");
    EXPECT_EQ(G().ProcedureGroup, 5);
}

TEST_F(DispatchTest, RootsChosenAmongTheFunctionsRunAsGroupTwoInRadians) {
    Choose(4, 8);
    ASSERT_EQ(G().ProcedureCode, 9);
    Fill(1, 1, 2, {"-1", "3"});
    Select(1, 1, 1, 2);
    num::SetAngleUnit(degrees);  // the user works in degrees
    Calculate();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].group, 2);
    EXPECT_EQ(seen[0].code, 9);
    EXPECT_EQ(seen[0].angleFactor, 1);
    EXPECT_EQ(G().ProcedureGroup, 4);
    EXPECT_EQ(num::AngleFactor, degrees);
}

// A fault inside a nested run goes on to the guard with the chosen group
// and the user's unit given back: the bar and the next run agree on the
// group, so a procedure picked next is one of the group shown.
TEST_F(DispatchTest, ANestedRunThatFaultsGivesTheGroupBack) {
    const struct { int group, cell, firstCode; } cases[] = {{5, 2, 20}, {4, 8, 13}};
    for (const auto& c : cases) {
        Choose(c.group, c.cell);
        Fill(1, 1, 2, {"0", "1"});
        Select(1, 1, 1, 2);
        num::SetAngleUnit(degrees);
        {
            testsupport::ArmedFaultPoint fault("calculator driver");
            EXPECT_THROW(Calculate(), rt::ProgramFault) << c.group;
        }
        EXPECT_TRUE(seen.empty()) << c.group;  // the fault came before the driver
        EXPECT_EQ(G().ProcedureGroup, c.group);
        EXPECT_EQ(num::AngleFactor, degrees) << c.group;
        EXPECT_EQ(plat::Screen::MousePointer(), 0) << c.group;
        ChooseCell(1);
        EXPECT_EQ(G().ProcedureCode, c.firstCode) << c.group;
    }
}

TEST_F(DispatchTest, ProceduresAGroupDoesNotListGoStraightToTheCommonEnd) {
    const struct { int group, code; } cases[] = {{0, 0}, {4, 26}, {7, 35}, {8, 27}, {9, 13}, {5, 13}};
    for (const auto& c : cases) {
        G().ProcedureGroup = static_cast<shell::ProcedureGroupId>(c.group);
        G().ProcedureCode = c.code;
        Fill(1, 1, 1, {"7"});
        Select(1, 1, 1, 1);
        form().tabCalc->SetTab(1);
        Calculate();
        EXPECT_EQ(form().tabCalc->Tab(), 0) << c.group << "/" << c.code;
    }
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(DispatchTest, TheTriangleAndVectorDriversRunOnTheirArguments) {
    Choose(3, 1);
    Fill(1, 1, 6, {"3", "x", "4", "x", "5", "x"});
    Select(1, 1, 1, 6);
    Calculate();
    EXPECT_FALSE(form().rtbCalc->Text().isEmpty());
    EXPECT_FALSE(form().pic->Drawn().empty());
    EXPECT_EQ(form().tabCalc->Tab(), 0);

    // Vector texts reach the vector routine as typed.
    Choose(7, 1);
    ClearGrid();
    Fill(1, 1, 2, {"3,4", "1,-2"});
    Select(1, 1, 1, 2);
    form().rtbCalc->SetText(QString());
    Calculate();
    EXPECT_TRUE(form().rtbCalc->Text().contains(QStringLiteral("Suma"))) << form().rtbCalc->Text().toStdString();
    EXPECT_TRUE(dialogs.Shown().empty());

    // A text the vector parser refuses is answered with the parser's reason;
    // a scalar that is no number with the general failure.
    const struct {
        int cell;
        std::initializer_list<const char*> cells;
        QString message;
    } refused[] = {
        {1, {"3,4", "20<220"}, QStringLiteral("La dirección debe estar entre -180° y 180°.")},
        {5, {"abc", "30", "v"}, QStringLiteral("Formato desconocido.")},
        {1,
         {"3,4", "h2,5"},
         QStringLiteral(
             "Error en la especificación del vector. Si es una coma decimal, escribe los decimales con punto "
             "(2.5, no 2,5).")},
        {5, {"3,4", "treinta", "v"}, calc::kRoutineFailed},
    };
    for (const auto& c : refused) {
        ClearGrid();
        Choose(7, c.cell);
        Fill(1, 1, static_cast<int>(c.cells.size()), c.cells);
        Select(1, 1, 1, static_cast<int>(c.cells.size()));
        form().tabCalc->SetTab(1);
        dialogs.Answer(plat::MsgResult::OK);
        Calculate();
        EXPECT_EQ(dialogs.Shown().back().prompt, c.message) << *c.cells.begin();
        EXPECT_EQ(form().tabCalc->Tab(), 1);  // the run failed: no result to show
    }
    EXPECT_TRUE(seen.empty());
}

TEST_F(DispatchTest, TheDistributedLoadEvaluatesItsLimits) {
    Choose(8, 4);
    form().rtbExpr->SetText(QStringLiteral("  2  "));
    Fill(1, 1, 2, {"0", "2*2"});
    Select(1, 1, 1, 2);
    Calculate();
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_TRUE(form().rtbCalc->Text().contains(QStringLiteral("R = 8"))) << form().rtbCalc->Text().toStdString();
}

// The program's own drivers, one procedure of each numeric group, chosen on
// the bar and run from the grid.
using EndToEndTest = CalcForm;

TEST_F(EndToEndTest, ChosenOnTheBarTypedIntoTheGridAndRun) {
    const struct {
        int group, cell;
        const char* function;
        std::initializer_list<const char*> cells;
        int cols;
        const char* inResult;  // "" for a graph
    } cases[] = {
        {1, 1, "", {"2", "1", "1", "3"}, 2, "5"},
        {2, 1, "", {"1", "-3", "2"}, 3, "2"},
        {4, 1, "x^2", {"3"}, 1, "9"},
        {2, 5, "x^2-4", {"0", "5"}, 2, "2"},
        {5, 1, "x^2", {"2", "-2"}, 2, ""},
        {6, 1, "", {"0", "1", "1", "3", "2", "5"}, 2, "a = 2"},
    };
    for (const auto& c : cases) {
        ClearGrid();
        form().pic->Cls();
        form().rtbCalc->SetText(QString());
        form().tabCalc->SetTab(1);
        Choose(c.group, c.cell);
        form().rtbExpr->SetText(QString::fromLatin1(c.function));
        Fill(1, 1, c.cols, c.cells);
        const int n = static_cast<int>(c.cells.size());
        Select(1, 1, (n + c.cols - 1) / c.cols, c.cols);
        Calculate();
        const std::string where = std::to_string(c.group) + "/" + std::to_string(c.cell);
        EXPECT_TRUE(dialogs.Shown().empty()) << where << ": " << dialogs.Shown().at(0).prompt.toStdString();
        EXPECT_EQ(form().tabCalc->Tab(), 0) << where;
        if (*c.inResult)
            EXPECT_TRUE(form().rtbCalc->Text().contains(QString::fromLatin1(c.inResult)))
                << where << ": " << form().rtbCalc->Text().toStdString();
        else
            EXPECT_FALSE(form().pic->Drawn().empty()) << where;
    }
}

// A procedure refused after an answer to other data leaves the pane empty,
// already while its refusal is shown: the old answer never stands beside the
// refusal as if it were the answer to the new data.
TEST_F(EndToEndTest, ARefusedRunLeavesNoAnswerToEarlierData) {
    const struct {
        int group, cell, cols;
        const char *function, *refusedFunction;
        std::initializer_list<const char*> cells, refusedCells;
    } cases[] = {
        {1, 2, 3, "", "", {"1", "1", "3", "1", "-1", "1"}, {"1", "2", "3", "2", "4", "6"}},  // a singular system
        {2, 5, 2, "x^2-4", "x^2+4", {"0", "5"}, {"0", "5"}},                                 // no root
        {4, 7, 2, "x^2", "1/x", {"0", "3"}, {"0", "1"}},                                     // an integral
    };
    for (const auto& c : cases) {
        const std::string where = std::to_string(c.group) + "/" + std::to_string(c.cell);
        ClearGrid();
        Choose(c.group, c.cell);
        form().rtbExpr->SetText(QString::fromLatin1(c.function));
        Fill(1, 1, c.cols, c.cells);
        const int rows = (static_cast<int>(c.cells.size()) + c.cols - 1) / c.cols;
        Select(1, 1, rows, c.cols);
        const size_t boxes = dialogs.Shown().size();
        Calculate();
        ASSERT_EQ(dialogs.Shown().size(), boxes) << where;
        ASSERT_FALSE(form().rtbCalc->Text().isEmpty()) << where;

        form().rtbExpr->SetText(QString::fromLatin1(c.refusedFunction));
        Fill(1, 1, c.cols, c.refusedCells);
        Select(1, 1, rows, c.cols);
        dialogs.Answer(plat::MsgResult::OK);
        QString besideTheBox = QStringLiteral("(no box)");
        dialogs.WhileShown([&] { besideTheBox = form().rtbCalc->Text(); });
        Calculate();
        dialogs.WhileShown(nullptr);
        EXPECT_EQ(dialogs.Shown().size(), boxes + 1) << where;
        EXPECT_EQ(besideTheBox, QString()) << where;
        EXPECT_EQ(form().rtbCalc->Text(), QString()) << where;
    }
}

TEST_F(DispatchTest, ADriverThatEndsOnItsOwnMessageLeavesTheTab) {
    calc().SetNumericDriver([](const calc::CalcRequest& r) {
        plat::MsgBox(QStringLiteral("Mensaje del procedimiento %1.").arg(r.code), plat::MsgButtons::OK,
                     plat::kAppTitle);
        return calc::DriverEnd::Quit;
    });
    Choose(1, 1);
    Fill(1, 1, 1, {"4"});
    Select(1, 1, 1, 1);
    dialogs.Answer(plat::MsgResult::OK);
    Calculate();
    EXPECT_EQ(Prompt(0), "Mensaje del procedimiento 1.");
    EXPECT_EQ(form().tabCalc->Tab(), 1);
}

}  // namespace

}  // namespace calctest

namespace calctest {

// A load's formula that does not compile is named with its error, as the
// integral's is, not given the general failure.
TEST_F(CalcForm, ADistributedLoadNamesItsFormulasError) {
    for (const char* formula : {"sin(x)", "50*abs(x - 3", "2*"}) {
        Choose(8, 4);
        form().rtbExpr->SetText(QString::fromUtf8(formula));
        Fill(1, 1, 2, {"0", "3"});
        Select(1, 1, 1, 2);
        dialogs.Answer(plat::MsgResult::OK);
        Calculate();
        ASSERT_FALSE(dialogs.Shown().empty()) << formula;
        const QString shown = dialogs.Shown().back().prompt;
        EXPECT_TRUE(shown.contains("\r\nCorrige la expresión " + QString::fromUtf8(formula))) << shown.toStdString();
        EXPECT_NE(shown, calc::kRoutineFailed) << formula;
    }
}

}  // namespace calctest
