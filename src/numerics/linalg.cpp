#include "numerics/linalg.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>

#include "runtime/errors.h"

namespace num {

namespace {
// The relative error a solution may carry: six significant digits, what a
// student reads of a result; fewer and the system is refused.
constexpr double kSolutionTolerance = 1e-6;
// Past this estimated condition (times the unit of rounding) the factors no
// longer tell a singular matrix from a regular one, and refinement has
// nothing to converge to.
constexpr double kSingularCondition = 0.25;
// Refinement steps at most: each one gains about as many digits as the first.
constexpr int kRefinements = 4;

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

// An entry the program holds exactly as it was typed: a whole number, or a
// decimal with a few places that binary keeps exactly (0.5, 2.25). Others
// (0.1, 1/3) carry the rounding of their conversion.
bool ExactAsTyped(double v) {
    constexpr double kWhole = 9007199254740992.0;  // 2^53
    double scale = 1;
    for (int places = 0; places <= 6; ++places, scale *= 10) {
        const double p = v * scale;
        if (std::fabs(p) >= kWhole) return false;
        if (p == std::trunc(p) && std::fma(v, scale, -p) == 0) return true;
    }
    return false;
}

// Row i of a times x minus b[i], i = 1..n, the products and sums carried with
// their rounding errors (error-free transformations), so the residual of a
// good solution is not lost in the rounding of its own terms.
void Residual(const Matrix& a, const std::vector<double>& x, const std::vector<double>& b, std::vector<double>& r) {
    const int n = a.Rows();
    for (int i = 1; i <= n; ++i) {
        const double* row = a.RowData(i);
        double s = b[static_cast<size_t>(i)], c = 0;
        for (int j = 1; j <= n; ++j) {
            const double p = -row[j - 1] * x[static_cast<size_t>(j)];
            const double pe = std::fma(-row[j - 1], x[static_cast<size_t>(j)], -p);
            const double t = s + p, z = t - s;
            c += ((s - (t - z)) + (p - z)) + pe;
            s = t;
        }
        r[static_cast<size_t>(i)] = s + c;
    }
}

// The largest entry of v (from 1) measured in the equilibrated unknowns.
double ScaledNorm(const std::vector<double>& v, const Equilibration& e) {
    double big = 0;
    for (size_t j = 1; j < v.size(); ++j) big = std::max(big, std::fabs(v[j]) / e.col[j]);
    return big;
}

struct Refined {
    std::vector<double> errors;  // from 1
};

// Iterative refinement of x, the solution of a x = b from the factors lu of
// a: each correction solves for the residual, which measures the error
// actually made. The last correction not taken is the error of x from the
// arithmetic; to it is added what the rounding of the entries that are not
// exact as typed makes of the solution, probed with a few sign patterns. Nothing
// when the refinement does not converge or the solution holds fewer than
// six significant digits.
std::optional<Refined> Refine(const Matrix& a, const Matrix& lu, const std::vector<int>& indx,
                              const std::vector<double>& b, std::vector<double>& x, const Equilibration& e) {
    const int n = a.Rows();
    const auto at = [](int i) { return static_cast<size_t>(i); };
    auto finite = [](const std::vector<double>& v) {
        return std::all_of(v.begin() + 1, v.end(), [](double t) { return std::isfinite(t); });
    };
    std::vector<double> d(at(n) + 1, 0.0), next(at(n) + 1, 0.0), trial(at(n) + 1, 0.0);
    Residual(a, x, b, d);
    SolveFactored(lu, indx, d, false);
    if (!finite(d) || !finite(x)) return std::nullopt;
    for (int step = 0; step < kRefinements; ++step) {
        const double size = ScaledNorm(x, e), change = ScaledNorm(d, e);
        if (change <= DBL_EPSILON * size) break;
        for (int i = 1; i <= n; ++i) trial[at(i)] = x[at(i)] + d[at(i)];
        Residual(a, trial, b, next);
        SolveFactored(lu, indx, next, false);
        if (!finite(next) || !(ScaledNorm(next, e) < change / 2)) break;
        x.swap(trial);
        d.swap(next);
    }
    Refined out;
    out.errors.assign(at(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) out.errors[at(i)] = std::fabs(d[at(i)]);
    // The rounding of the typed entries: w = u (|A~| |x| + |b~|) over the
    // entries that are not exact, carried through A^-1 with three sign
    // patterns; the largest of each unknown stands for its error.
    std::vector<double> w(at(n) + 1, 0.0);
    bool inexact = false;
    constexpr double u = DBL_EPSILON / 2;
    for (int i = 1; i <= n; ++i) {
        double s = ExactAsTyped(b[at(i)]) ? 0.0 : std::fabs(b[at(i)]);
        const double* row = a.RowData(i);
        for (int j = 1; j <= n; ++j)
            if (!ExactAsTyped(row[j - 1])) s += std::fabs(row[j - 1] * x[at(j)]);
        w[at(i)] = u * s;
        inexact = inexact || s > 0;
    }
    if (inexact) {
        std::vector<double> fromData(at(n) + 1, 0.0);
        unsigned pattern = 0x9E3779B9u;
        for (int probe = 0; probe < 3; ++probe) {
            for (int i = 1; i <= n; ++i) {
                pattern = pattern * 1664525u + 1013904223u;
                const double sign = probe == 0 ? 1.0 : probe == 1 ? (i % 2 ? 1.0 : -1.0) : (pattern >> 31 ? 1.0 : -1.0);
                next[at(i)] = sign * w[at(i)];
            }
            SolveFactored(lu, indx, next, false);
            if (!finite(next)) return std::nullopt;
            for (int i = 1; i <= n; ++i) fromData[at(i)] = std::max(fromData[at(i)], std::fabs(next[at(i)]));
        }
        for (int i = 1; i <= n; ++i) out.errors[at(i)] += fromData[at(i)];
    }
    if (!(ScaledNorm(out.errors, e) <= kSolutionTolerance * ScaledNorm(x, e))) return std::nullopt;
    return out;
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

void SolveLinearSystem(Matrix& a, std::vector<double>& b, std::string& msg, std::vector<double>* errors) {
    msg.clear();
    try {
        const int n = a.Rows();
        rt::ExpectIndex(n, 0, static_cast<long long>(b.size()) - 1, "linear system: right-hand side");
        if (n > 0 && a.Cols() < n) rt::Fault("linear system with fewer columns than rows");
        const Matrix original = a;
        const Equilibration scales = Equilibrate(a);
        std::vector<int> indx(static_cast<size_t>(n) + 1);
        double d = 0.0;
        std::string m;
        Decompose(a, indx, d, m);
        if (!m.empty() || !(EstimateCondition(a, indx, scales) * DBL_EPSILON <= kSingularCondition)) {
            msg = kSingularSystem;
            return;
        }
        std::vector<double> x = b;
        LUBack(a, x, indx, m);
        if (!m.empty()) {
            msg = kUnsolved;
            return;
        }
        const std::optional<Refined> refined = Refine(original, a, indx, b, x, scales);
        if (!refined) {
            msg = kSingularSystem;
            return;
        }
        b = std::move(x);
        if (errors) *errors = refined->errors;
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
