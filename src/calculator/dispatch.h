#pragma once
// What the calculation dispatch hands to a procedure's driver, and which
// driver family runs each procedure of each group.
//
// The dispatch (Calculator::cmdCalculate_Click, panel.h) reads and checks
// the arguments, then calls the driver of ProcedureGroup and ProcedureCode
// with a CalcRequest. A driver writes its own result lines (through
// shell::WriteResults into rtbCalc) and draws on the drawing picture; it
// reports a failure by throwing rt::RuntimeError, which the dispatch answers
// with "Falló la rutina. Revisa los argumentos.", putting AngleFactor back;
// a vector text the parser refused is answered with the parser's message.
// A driver that works in another unit switches it with num::AngleUnitScope;
// the dispatch gives the user's unit back on every way out all the same.
#include <functional>
#include <string>
#include <vector>

#include "calculator/args.h"
#include "runtime/variant.h"
#include "shell/defaults.h"

namespace plat {
class Picture;
}

namespace calc {

struct CalcRequest {
    // ProcedureGroup of this run (the functions for a graph run nested from
    // the graphs).
    shell::ProcedureGroupId group = shell::kNoGroup;
    int code = 0;  // ProcedureCode
    // The selected cells, evaluated unless the procedure takes vector texts.
    CalcCells cells;
    // CalcArgs: the non-empty cells row by row; args[0] is argument 1.
    std::vector<rt::Variant> args;
    int rowCount = 0, colCount = 0;  // shape of the selection
    int argCount = 0, numCount = 0;
    // The expression box's text as typed (the function of x, or f(u) & g(u)).
    std::string expr;
    // How to type the letters the box's hot keys kept out of that text
    // (empty when none), for the message of a formula that does not compile.
    std::string exprHint;
    // The drawing picture of the calculator.
    plat::Picture* pic = nullptr;
};

// How a driver ends: at the common end (the result tab "Resultado" shown,
// AngleFactor restored), or at once after a message of its own (the tab left
// as it was; AngleFactor is restored all the same).
enum class DriverEnd { Common, Quit };

using ProcedureDriver = std::function<DriverEnd(const CalcRequest&)>;

// Who runs a procedure chosen in a group.
enum class Route {
    None,      // not listed in the group: straight to the common end
    Numeric,   // matrices, equations, roots, tables, derivatives, integrals, graphs, fits
    Geometry,  // triangles and polygons
    Vector,    // vectors and force systems
    Particle,  // equilibrium of a particle from the grid
    AsGroup4,  // a graph of group 5: run again as group 4
    AsGroup2,  // roots chosen among the functions: run again as group 2
};
Route RouteOf(shell::ProcedureGroupId group, int code);

// The arguments are evaluated as formulas except in the vector and
// force-system groups, where they stay the typed texts, but for the
// distributed load (37), whose limits are numbers.
bool EvaluatesCells(shell::ProcedureGroupId group, int code);

// Matrices, equations, roots, tables, derivatives, integrals, graphs and
// fits (numprocs.h).
DriverEnd RunNumericDriver(const CalcRequest& request);

}  // namespace calc
