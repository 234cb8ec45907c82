#pragma once
// The numeric procedures of the calculator as the calculation dispatch runs
// them: matrices (1, 2), equations (5 to 8), roots of a function (9), tables
// of a function (13 to 16), derivatives (17, 18), integrals (19), graphs of
// y = f(x), r = f(θ) and x = f(u), y = g(u) (20 to 22) and least-squares fits
// (23 to 26).
//
// The dispatch reads and checks the arguments first (GetCells, CheckArgs),
// then calls RunNumericProcedure with the procedure number and what the
// procedure reads. Group 5 (graphs) and procedure 9 chosen among the
// functions are the dispatch's nested runs; here each number has one driver.
//
// What a run does:
// - messages go through the dialog service (plat::MsgBox, title "Teluvar"),
//   the differential-equation solver's own message too;
// - result lines go to the result pane with shell::WriteResults (and so to
//   the results log) and are returned too;
// - graphs and fits are drawn on the request's picture;
// - the procedures on a function of x evaluate it in radians: num::AngleFactor
//   is 1 while they run and is back to its value on every way out;
// - `completed` is false when the run stopped after a message box: nothing
//   was written, and the dispatch ends without its common end (the result
//   tab is not switched);
// - a run-time failure (a zero leading coefficient, a point outside a
//   formula's domain, an overflow, a missing argument) raises
//   rt::RuntimeError with nothing written, for the dispatch's own message.
#include <span>
#include <string>
#include <vector>

#include "runtime/variant.h"
#include "text/resultformat.h"

namespace plat {
class Picture;
}

namespace calc {

struct NumericRequest {
    // CalcArgs: the non-empty selected cells row by row, evaluated.
    std::span<const rt::Variant> args;
    // The selection's rows and columns: the matrix of procedure 1 is
    // selRows x selRows, the system of procedure 2 selRows x (selRows + 1).
    int selRows = 0, selCols = 0;
    // The text of the expression box rtbExpr as it stands (procedures 9 and
    // 13 to 22 trim it where they compile it).
    std::string expression;
    // How to type the letters the box's hot keys kept out of it (empty when
    // none): added to the message of a formula that does not compile.
    std::string expressionHint;
    // The drawing picture pic (y-up pixel scale); nothing is drawn without one.
    plat::Picture* pic = nullptr;
};

struct NumericRun {
    text::ResultLines lines;  // the lines written to the result pane
    bool completed = true;    // false: stopped after a message box
};

// True for the procedure numbers RunNumericProcedure has a driver for.
bool IsNumericProcedure(int procedureCode);

// Runs one procedure (see above); other numbers do nothing and complete.
NumericRun RunNumericProcedure(int procedureCode, const NumericRequest& request);

// Fits the points to a polynomial of the given degree (lowered when there are
// too few points), fills coef (from index 1, lowest power first), draws the
// points and the curve on pic when draw is set and writes the report when
// report is set. An unsolvable system shows "No pude resolver el sistema de
// ecuaciones." and does neither. Returns the lines written.
text::ResultLines FitPolynomial(int degree, std::span<const double> x, std::span<const double> y,
                                std::vector<double>& coef, bool draw, bool report, plat::Picture* pic);

}  // namespace calc
