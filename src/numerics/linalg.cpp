#include "numerics/linalg.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "runtime/errors.h"

namespace num {

namespace {
// The relative error a solution may carry: the results are shown to many
// digits and used in further steps, so a system whose condition lets
// rounding reach the eighth significant digit is not solved.
constexpr double kSolutionTolerance = 1e-8;

const char* const kLUDecFailed =
    "El sistema no tiene solución única: una de sus ecuaciones tiene todos los coeficientes en cero. "
    "Revisa los datos.";
const char* const kLUBackFailed =
    "No pude resolver el sistema: no tiene solución única o sus números son demasiado grandes. "
    "Revisa los datos.";
const char* const kUnsolved = "No pude resolver el sistema.";

// LUDec.
//
// The bounds are checked once here; the O(n^3) loops then read rows through
// plain pointers and column j through a contiguous copy. Every sum is
// formed in the same order as element by element, so the results do not
// change by a bit.
void Decompose(Matrix& a, std::vector<int>& indx, double& d, std::string& msg) {
    msg.clear();
    const int n = a.Rows();
    if (n > 0 && a.Cols() < n) rt::Fault("LU decomposition of a matrix with fewer columns than rows");
    const auto at = [](int i) { return static_cast<size_t>(i); };
    std::vector<double> scale(at(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const double* row = a.RowData(i);
        double big = 0.0;
        for (int j = 0; j < n; ++j) big = std::max(big, std::fabs(row[j]));
        if (big == 0.0) {
            msg = kLUDecFailed;
            return;
        }
        scale[at(i)] = 1.0 / big;
    }
    if (static_cast<int>(indx.size()) < n + 1) indx.resize(at(n) + 1);
    // col[k - 1] mirrors a(k, j) while column j is worked on; every value
    // written goes to both, so a matches the element-by-element state even
    // when an overflow stops the decomposition halfway.
    std::vector<double> col(at(n));
    double parity = 1.0;
    for (int j = 1; j <= n; ++j) {
        const size_t cj = at(j) - 1;
        for (int k = 1; k <= n; ++k) col[at(k) - 1] = a.RowData(k)[cj];
        for (int i = 1; i < j; ++i) {
            double* row = a.RowData(i);
            double sum = row[cj];
            for (int k = 0; k < i - 1; ++k) sum -= row[k] * col[at(k)];
            row[cj] = col[at(i) - 1] = rt::Checked(sum);
        }
        double big = 0.0;
        int imax = j;
        for (int i = j; i <= n; ++i) {
            double* row = a.RowData(i);
            double sum = row[cj];
            for (int k = 0; k < j - 1; ++k) sum -= row[k] * col[at(k)];
            row[cj] = col[at(i) - 1] = rt::Checked(sum);
            double dum = scale[at(i)] * std::fabs(sum);
            if (dum >= big) {
                big = dum;
                imax = i;
            }
        }
        if (imax != j) {
            std::swap_ranges(a.RowData(imax), a.RowData(imax) + n, a.RowData(j));
            parity = -parity;
            scale[at(imax)] = scale[at(j)];
        }
        indx[at(j)] = imax;
        double& pivot = a.RowData(j)[cj];
        if (pivot == 0.0) pivot = 1e-20;
        const double inv = 1.0 / pivot;
        for (int i = j + 1; i <= n; ++i) a.RowData(i)[cj] *= inv;
    }
    double det = parity;
    for (int j = 1; j <= n; ++j) det = rt::Checked(det * a.RowData(j)[at(j) - 1]);
    d = det;
}

// x (1..n) becomes A^-1 x, or A^-T x when transposed, from the factors of
// Decompose. Plain arithmetic: an overflow leaves inf or NaN, which the
// caller takes for a matrix too badly conditioned to solve.
void SolveFactored(const Matrix& lu, const std::vector<int>& indx, std::vector<double>& x, bool transposed) {
    const int n = lu.Rows();
    const auto at = [](int i) { return static_cast<size_t>(i); };
    if (!transposed) {
        for (int i = 1; i <= n; ++i) std::swap(x[at(i)], x[at(indx[at(i)])]);
        for (int i = 2; i <= n; ++i) {
            const double* row = lu.RowData(i);
            for (int j = 1; j < i; ++j) x[at(i)] -= row[j - 1] * x[at(j)];
        }
        for (int i = n; i >= 1; --i) {
            const double* row = lu.RowData(i);
            for (int j = i + 1; j <= n; ++j) x[at(i)] -= row[j - 1] * x[at(j)];
            x[at(i)] /= row[i - 1];
        }
        return;
    }
    // A = P^T L U, so A^T y = x is U^T w = x, L^T v = w, y = P^T v.
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j < i; ++j) x[at(i)] -= lu.RowData(j)[i - 1] * x[at(j)];
        x[at(i)] /= lu.RowData(i)[i - 1];
    }
    for (int i = n - 1; i >= 1; --i)
        for (int j = i + 1; j <= n; ++j) x[at(i)] -= lu.RowData(j)[i - 1] * x[at(j)];
    for (int i = n; i >= 1; --i) std::swap(x[at(i)], x[at(indx[at(i)])]);
}

// The scales that bring every row and then every column of a to a largest
// entry of 1, and the one-norm of the matrix so scaled. Elimination with
// the rows judged by their largest entry does not depend on these scales,
// so the condition of the scaled matrix is what rounding makes of the
// solution, each unknown measured against the size of its column.
struct Equilibration {
    std::vector<double> row, col;  // from 1
    double norm = 0.0;
};
Equilibration Equilibrate(const Matrix& a) {
    const int n = a.Rows();
    const auto at = [](int i) { return static_cast<size_t>(i); };
    Equilibration e;
    e.row.assign(at(n) + 1, 0.0);
    e.col.assign(at(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        double big = 0.0;
        for (int j = 0; j < n; ++j) big = std::max(big, std::fabs(a.RowData(i)[j]));
        e.row[at(i)] = big > 0 ? 1.0 / big : 1.0;
    }
    for (int j = 1; j <= n; ++j) {
        double big = 0.0;
        for (int i = 1; i <= n; ++i) big = std::max(big, e.row[at(i)] * std::fabs(a.RowData(i)[j - 1]));
        e.col[at(j)] = big > 0 ? 1.0 / big : 1.0;
    }
    for (int j = 1; j <= n; ++j) {
        double sum = 0.0;
        for (int i = 1; i <= n; ++i) sum += e.row[at(i)] * std::fabs(a.RowData(i)[j - 1]) * e.col[at(j)];
        e.norm = std::max(e.norm, sum);
    }
    return e;
}

double NormOne(const std::vector<double>& x) {
    double s = 0.0;
    for (size_t i = 1; i < x.size(); ++i) s += std::fabs(x[i]);
    return s;
}

// The one-norm condition of the equilibrated matrix B = R A C, with the
// norm of B^-1 estimated from the factors of A (Hager's method with
// Higham's refinements): a few solves with B and B^T instead of the
// inverse. The estimate is never above the true value and rarely far
// below it. Infinite when the solves overflow.
double EstimateCondition(const Matrix& lu, const std::vector<int>& indx, const Equilibration& e) {
    const int n = lu.Rows();
    if (n == 0) return 1.0;
    const auto at = [](int i) { return static_cast<size_t>(i); };
    // B^-1 x = C^-1 A^-1 R^-1 x and B^-T x = R^-1 A^-T C^-1 x.
    auto solve = [&](std::vector<double>& x, bool transposed) {
        const std::vector<double>& in = transposed ? e.col : e.row;
        const std::vector<double>& out = transposed ? e.row : e.col;
        for (int i = 1; i <= n; ++i) x[at(i)] /= in[at(i)];
        SolveFactored(lu, indx, x, transposed);
        for (int i = 1; i <= n; ++i) x[at(i)] /= out[at(i)];
    };
    auto sign = [](double v) { return v >= 0 ? 1.0 : -1.0; };
    constexpr int kIterations = 5;
    std::vector<double> x(at(n) + 1, 1.0 / n);
    x[0] = 0;
    solve(x, false);
    double est = NormOne(x);
    if (n > 1) {
        std::vector<double> xi(at(n) + 1, 0.0);
        for (int i = 1; i <= n; ++i) xi[at(i)] = sign(x[at(i)]);
        std::vector<double> z = xi;
        solve(z, true);
        int last = 0;
        for (int k = 2; k <= kIterations; ++k) {
            int j = 1;
            for (int i = 2; i <= n; ++i)
                if (std::fabs(z[at(i)]) > std::fabs(z[at(j)])) j = i;
            if (last != 0 && std::fabs(z[at(j)]) <= std::fabs(z[at(last)])) break;
            std::fill(x.begin(), x.end(), 0.0);
            x[at(j)] = 1.0;
            solve(x, false);
            const double next = NormOne(x);
            bool same = true;
            for (int i = 1; i <= n && same; ++i) same = sign(x[at(i)]) == xi[at(i)];
            if (same || !(next > est)) {
                est = std::max(est, next);
                break;
            }
            est = next;
            for (int i = 1; i <= n; ++i) xi[at(i)] = sign(x[at(i)]);
            z = xi;
            solve(z, true);
            last = j;
        }
        // Higham's alternating vector catches matrices that fool the steps
        // above.
        for (int i = 1; i <= n; ++i) x[at(i)] = (i % 2 ? 1.0 : -1.0) * (1.0 + static_cast<double>(i - 1) / (n - 1));
        solve(x, false);
        est = std::max(est, 2.0 * NormOne(x) / (3.0 * n));
    }
    const double cond = est * e.norm;
    return std::isfinite(cond) ? cond : INFINITY;
}
}  // namespace

Matrix::Matrix(int rows, int cols, double fill)
    : rows_(std::max(rows, 0)),
      cols_(std::max(cols, 0)),
      data_(static_cast<size_t>(rows_) * static_cast<size_t>(cols_), fill) {}

Matrix::Matrix(std::initializer_list<std::initializer_list<double>> rows) {
    rows_ = static_cast<int>(rows.size());
    for (const auto& r : rows) cols_ = std::max(cols_, static_cast<int>(r.size()));
    data_.assign(static_cast<size_t>(rows_) * static_cast<size_t>(cols_), 0.0);
    int i = 1;
    for (const auto& r : rows) {
        int j = 1;
        for (double v : r) (*this)(i, j++) = v;
        ++i;
    }
}

void LUDec(Matrix& a, std::vector<int>& indx, double& d, std::string& msg) { Decompose(a, indx, d, msg); }

void LUBack(const Matrix& a, std::vector<double>& b, const std::vector<int>& indx, std::string& msg) {
    msg.clear();
    try {
        // The sizes and the exchanges come from the caller's own
        // decomposition: a mismatch is the program's fault.
        const int n = a.Rows();
        rt::ExpectIndex(n, 0, static_cast<long long>(b.size()) - 1, "back substitution: right-hand side");
        rt::ExpectIndex(n, 0, static_cast<long long>(indx.size()) - 1, "back substitution: exchanges");
        if (n > 0 && a.Cols() < n) rt::Fault("back substitution with a matrix of fewer columns than rows");
        for (int i = 1; i <= n; ++i) rt::ExpectIndex(indx[static_cast<size_t>(i)], 1, n, "back substitution: exchange");
        // Bounds checked: the loops below read rows through plain pointers.
        double* x = b.data();
        int ii = 0;
        for (int i = 1; i <= n; ++i) {
            const int ip = indx[static_cast<size_t>(i)];
            const double* row = a.RowData(i);
            double sum = x[ip];
            x[ip] = x[i];
            if (ii != 0) {
                for (int j = ii; j < i; ++j) sum -= row[j - 1] * x[j];
            } else if (sum != 0.0) {
                ii = i;
            }
            x[i] = rt::Checked(sum);
        }
        for (int i = n; i >= 1; --i) {
            const double* row = a.RowData(i);
            double sum = x[i];
            for (int j = i + 1; j <= n; ++j) sum -= row[j - 1] * x[j];
            x[i] = rt::Div(rt::Checked(sum), row[i - 1]);
        }
    } catch (const rt::RuntimeError&) { msg = kLUBackFailed; }
}

void SolveLinearSystem(Matrix& a, std::vector<double>& b, std::string& msg) {
    msg.clear();
    try {
        const int n = a.Rows();
        rt::ExpectIndex(n, 0, static_cast<long long>(b.size()) - 1, "linear system: right-hand side");
        if (n > 0 && a.Cols() < n) rt::Fault("linear system with fewer columns than rows");
        const Equilibration scales = Equilibrate(a);
        std::vector<int> indx(static_cast<size_t>(n) + 1);
        double d = 0.0;
        std::string m;
        Decompose(a, indx, d, m);
        if (!m.empty() || !(EstimateCondition(a, indx, scales) * DBL_EPSILON <= kSolutionTolerance)) {
            msg = kSingularSystem;
            return;
        }
        std::vector<double> x = b;
        LUBack(a, x, indx, m);
        if (!m.empty()) {
            msg = kUnsolved;
            return;
        }
        b = std::move(x);
    } catch (const rt::RuntimeError&) { msg = kUnsolved; }
}

double EvalPolynomial(const std::vector<double>& coef, double x) {
    double s = 0.0, p = 1.0;
    for (size_t i = 1; i < coef.size(); ++i) {
        s = rt::Checked(s + p * coef[i]);
        if (i + 1 < coef.size()) p = rt::Checked(p * x);
    }
    return s;
}

}  // namespace num
