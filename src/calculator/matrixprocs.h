#pragma once
// The determinant of a square matrix and the solution of a square linear
// system, from the cells of the argument grid taken row by row, with the
// result lines the calculator shows. No widgets.
#include <span>

#include "calculator/numprocs_common.h"
#include "numerics/linalg.h"

namespace calc {

// The n x n matrix of the cells (row by row; a list of another length is a
// run-time error). Lines: the matrix, each cell rounded to `decimals`, "| "
// before and " |" after each row, five blanks between the values; then
// ";D = " and the determinant. A matrix with a row of zeros, or whose
// elimination meets a pivot that vanishes next to the entries of its row
// (dependent rows, to the rounding of the arithmetic), has determinant 0.
ProcReport DeterminantReport(std::span<const rt::Variant> cells, int n, int decimals);

// The determinant of a (a copy is decomposed); 0 for a singular matrix as
// above. Overflow raises rt::RuntimeError.
double Determinant(const num::Matrix& a);

// The system of n equations whose rows are n coefficients and the right-hand
// side (n x (n + 1) cells, row by row). Lines: the equations with the
// coefficients rounded to `decimals`, then "x!i = " and each unknown to the
// digits that hold. A singular system, or one whose solution would hold
// fewer than six digits (num::SolveLinearSystem), stops with
// num::kSingularSystem.
ProcReport LinearSystemReport(std::span<const rt::Variant> cells, int n, int decimals);

}  // namespace calc
