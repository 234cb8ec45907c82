#pragma once
// Dense linear systems by LU decomposition (Crout's method with implicit
// partial pivoting) and the value of a polynomial from its coefficients.
// Vectors are std::vector<double> indexed from 1: entry 0 is unused and the
// upper bound is size() - 1.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/errors.h"

namespace num {

// A matrix indexed from 1, (row, column). Its indexes are the program's own
// (loops over a shape already checked), so one outside is an
// rt::ProgramFault. Routines that run over the whole matrix check their
// bounds once and then read the rows through RowData.
class Matrix {
public:
    Matrix() = default;
    Matrix(int rows, int cols, double fill = 0.0);
    // Rows in order: Matrix({{2, 1}, {1, 3}}).
    Matrix(std::initializer_list<std::initializer_list<double>> rows);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    double& operator()(int i, int j) {
        rt::ExpectIndex(i, 1, rows_, "matrix row");
        rt::ExpectIndex(j, 1, cols_, "matrix column");
        return data_[Offset(i, j)];
    }
    double operator()(int i, int j) const {
        rt::ExpectIndex(i, 1, rows_, "matrix row");
        rt::ExpectIndex(j, 1, cols_, "matrix column");
        return data_[Offset(i, j)];
    }

    // Row i (1..Rows(), unchecked) as Cols() contiguous values: element
    // (i, j) is RowData(i)[j - 1].
    double* RowData(int i) { return data_.data() + Offset(i, 1); }
    const double* RowData(int i) const { return data_.data() + Offset(i, 1); }

private:
    size_t Offset(int i, int j) const {
        return static_cast<size_t>(i - 1) * static_cast<size_t>(cols_) + static_cast<size_t>(j - 1);
    }

    int rows_ = 0, cols_ = 0;
    std::vector<double> data_;
};

// Decomposes the n x n matrix a in place (n = a.Rows()): below the diagonal
// the multipliers of L, on and above it U, rows in their exchanged order.
// indx[j] (resized to n + 1) receives the row exchanged with row j; d the
// determinant of a. A row of zeros gives msg a message that says so and
// leaves a and d untouched. A zero pivot becomes 1E-20. An overflow raises
// rt::RuntimeError; a matrix with fewer columns than rows is the caller's
// fault (rt::ProgramFault).
void LUDec(Matrix& a, std::vector<int>& indx, double& d, std::string& msg);

// Solves with a decomposition from LUDec: b (1..n) is replaced by the
// solution. A run-time error inside gives msg a message that says so; a
// b or indx shorter than the matrix, or an exchange outside it, is the
// caller's fault (rt::ProgramFault).
void LUBack(const Matrix& a, std::vector<double>& b, const std::vector<int>& indx, std::string& msg);

// What SolveLinearSystem says of a system it refuses: rounding cannot tell
// a singular system from one so badly conditioned that its solution would
// not hold six significant digits.
inline constexpr const char* kSingularSystem =
    "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.";

// Solves a x = b: a receives its decomposition, b the solution, and msg stays
// empty on success. The solution is refined while each correction (solved
// for the residual, summed with its rounding errors) shrinks, and it is kept
// when it holds at least six significant digits, measured with the unknowns
// brought to the size of their columns: by the last correction (the error
// the arithmetic made) plus what the rounding of the entries that are not
// exact as typed (0.1, 1/3; not 2 or 0.25) makes of it. errors, when given,
// receives that bound for each unknown (from 1). A system whose estimated
// condition (one-norm, rows and columns brought to a largest entry of 1)
// leaves no digit sure, or whose solution holds fewer than six digits, gives
// kSingularSystem (b unchanged); a run-time error "No pude resolver el
// sistema.". A b shorter than the matrix, or a matrix with fewer columns
// than rows, is the caller's fault (rt::ProgramFault).
void SolveLinearSystem(Matrix& a, std::vector<double>& b, std::string& msg, std::vector<double>* errors = nullptr);

// coef[1] + coef[2] x + coef[3] x^2 + ...; 0 when there is no coefficient.
double EvalPolynomial(const std::vector<double>& coef, double x);

}  // namespace num
