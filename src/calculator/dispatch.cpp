// The calculate button: the frame around every procedure of the calculator.
#include "calculator/dispatch.h"

#include <exception>
#include <span>

#include "calculator/args.h"
#include "calculator/exprbox.h"
#include "calculator/geomprocs.h"
#include "calculator/grid.h"
#include "calculator/numprocs_common.h"
#include "calculator/panel.h"
#include "calculator/vecprocs_drivers.h"
#include "numerics/expression.h"
#include "platform/answerpane.h"
#include "platform/buttons.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/mousepointer.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "runtime/errors.h"
#include "runtime/faultpoint.h"
#include "runtime/numtext.h"
#include "runtime/scopeguard.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "vectors/vecplot.h"

namespace calc {

namespace {

constexpr int kHourglass = 11;

void Message(const std::string& text) {
    plat::MsgBox(QString::fromStdString(text), plat::MsgButtons::OK, plat::kAppTitle);
}

// A vector or force-system procedure. The parser says what is wrong with a
// text it refuses (a direction out of range, a decimal comma), and a load's
// formula that does not compile is named with its error and how to type the
// letters the hot keys took, as for the integral: that, not the general
// failure, is what the student sees.
DriverEnd RunVectorDriver(const CalcRequest& r) {
    try {
        RunVectorProcedure(r.code, *r.pic, r.args, rt::Trim(r.expr));
    } catch (const vec::VectorRefused& e) {
        Message(e.what());
        return DriverEnd::Quit;
    } catch (const num::ExpressionError& e) {
        const std::string message = CorrectExpression(e.what(), rt::Trim(r.expr));
        Message(r.exprHint.empty() ? message : message + kCrLf + r.exprHint);
        return DriverEnd::Quit;
    }
    return DriverEnd::Common;
}

}  // namespace

// The equilibrium of a particle belongs to particle statics: the cells stay
// vector texts, handed over as typed.
DriverEnd Calculator::SolveParticleFromGrid(const CalcRequest& r) {
    std::vector<std::string> texts;
    for (const rt::Variant& a : r.args) texts.push_back(a.ToText());
    return form_->Services().particle->SolveForcesFromGrid(texts) ? DriverEnd::Common : DriverEnd::Quit;
}

DriverEnd Calculator::RunDriver(Route route, const CalcRequest& r) {
    switch (route) {
    case Route::Numeric: return numericDriver_(r);
    case Route::Geometry: RunGeometryProcedure(r.code, *r.pic, r.args); return DriverEnd::Common;
    case Route::Vector: return RunVectorDriver(r);
    case Route::Particle: return SolveParticleFromGrid(r);
    default: return DriverEnd::Common;
    }
}

void Calculator::cmdCalculate_Click() {
    shell::SharedState& g = shell::Shared();
    plat::CMousePtr guard;
    // A run that fails leaves no answer to earlier data in the pane.
    plat::AnswerPaneScope pane(*form_->rtbCalc);
    // A driver may switch the angle unit: it is given back on every way out.
    num::AngleUnitScope unit(num::AngleFactor);
    try {
        guard.SetPointer(kHourglass);
        if (grid_->DropPending()) grid_->CancelDrop();

        // Read and check the arguments.
        plat::FlexGrid& gd = *panel_.gd;
        CalcRequest req;
        req.group = g.ProcedureGroup;
        req.code = g.ProcedureCode;
        req.pic = form_->pic;
        req.expr = form_->rtbExpr->Text().toStdString();
        req.exprHint = strip_->HotKeyHint().toStdString();
        const CellSelection sel{gd.Row(), gd.RowSel(), gd.Col(), gd.ColSel()};
        g.Selection = shell::GridBlock::Spanning(sel.top, sel.bottom, sel.left, sel.right);
        GatheredArgs in;
        std::string msg = GetCells(
            EvaluatesCells(req.group, req.code), sel, [&gd](int r, int c) { return gd.TextMatrix(r, c).toStdString(); },
            in);
        if (!msg.empty()) {
            Message(msg);
            return;
        }
        msg = CheckArgs(req.code, in.argCount, in.numCount, g.Selection.RowCount, g.Selection.ColCount);
        if (!msg.empty()) {
            Message(msg);
            return;
        }
        req.cells = std::move(in.cells);
        req.args = std::move(in.args);
        req.rowCount = in.rowCount;
        req.colCount = in.colCount;
        req.argCount = in.argCount;
        req.numCount = in.numCount;

        const Route route = RouteOf(req.group, req.code);
        if (route == Route::AsGroup4) {
            // A graph runs as a branch of the functions, then the group is back.
            // The bar shows the group the student chose, and the next run
            // dispatches on it, whichever way the nested run is left.
            rt::ScopeGuard back([&g, chosen = g.ProcedureGroup] { g.ProcedureGroup = chosen; });
            g.ProcedureGroup = shell::kFunctionGroup;
            panel_.cmdCalculate->Press();
        } else if (route == Route::AsGroup2) {
            const num::AngleUnitScope radians(num::kRadians);
            rt::ScopeGuard back([&g, chosen = g.ProcedureGroup] { g.ProcedureGroup = chosen; });
            g.ProcedureGroup = shell::kEquationGroup;
            g.ProcedureCode = 9;
            panel_.cmdCalculate->Press();
        } else {
            rt::FaultPoint("calculator driver");
            if (RunDriver(route, req) == DriverEnd::Quit) return;
        }

        // Common end.
        form_->tabCalc->SetTab(0);
    } catch (const rt::RuntimeError&) {
        // An arithmetic fault, a text that is not a number, a missing
        // argument inside a driver. Anything else is a fault of the program
        // and goes on to the guard of the event that ran the calculation.
        plat::MsgBox(kRoutineFailed, plat::MsgButtons::OK, plat::kAppTitle);
    }
}

}  // namespace calc
