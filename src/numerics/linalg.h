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
// determinant of a. A row of zeros gives msg "Falló la rutina LUDec." and
// leaves a and d untouched. A zero pivot becomes 1E-20. Other run-time
// errors (overflow, a matrix with fewer columns than rows) are raised.
void LUDec(Matrix& a, std::vector<int>& indx, double& d, std::string& msg);

// Solves with a decomposition from LUDec: b (1..n) is replaced by the
// solution. A run-time error inside gives msg "Falló la rutina LUBack.".
void LUBack(const Matrix& a, std::vector<double>& b, const std::vector<int>& indx, std::string& msg);

// What SolveLinearSystem says of a system it refuses for its pivots: a
// pivot that vanishes next to its row may be a rounding of zero or a true but
// tiny value, so the system is singular or too badly conditioned to solve.
inline constexpr const char* kSingularSystem =
    "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.";

// Solves a x = b: a receives its decomposition, b the solution, and msg stays
// empty on success. A singular or badly conditioned system gives
// kSingularSystem (b unchanged); a run-time error "No pude resolver el
// sistema.". It is judged by each pivot against the largest entry of its row,
// so the scale of the coefficients does not matter.
void SolveLinearSystem(Matrix& a, std::vector<double>& b, std::string& msg);

// coef[1] + coef[2] x + coef[3] x^2 + ...; 0 when there is no coefficient.
double EvalPolynomial(const std::vector<double>& coef, double x);

}  // namespace num
