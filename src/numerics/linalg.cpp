#include "numerics/linalg.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "runtime/errors.h"

namespace num {

namespace {
// A pivot at most this fraction of its row's largest entry makes the system
// singular.
constexpr double kRelativePivot = 1e-8;

const char* const kLUDecFailed =
    "El sistema no tiene solución única: una de sus ecuaciones tiene todos los coeficientes en cero. "
    "Revisa los datos.";
const char* const kLUBackFailed =
    "No pude resolver el sistema: no tiene solución única o sus números son demasiado grandes. "
    "Revisa los datos.";
const char* const kUnsolved = "No pude resolver el sistema.";

// LUDec, also giving the smallest pivot relative to the largest entry of its
// original row (0 when the decomposition gave up).
//
// The bounds are checked once here; the O(n^3) loops then read rows through
// plain pointers and column j through a contiguous copy. Every sum is
// formed in the same order as element by element, so the results do not
// change by a bit.
void Decompose(Matrix& a, std::vector<int>& indx, double& d, std::string& msg, double& minRelPivot) {
    msg.clear();
    minRelPivot = 0.0;
    const int n = a.Rows();
    if (n > 0 && a.Cols() < n) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
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
    double minRel = INFINITY;
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
        minRel = std::min(minRel, big);
        double& pivot = a.RowData(j)[cj];
        if (pivot == 0.0) pivot = 1e-20;
        const double inv = 1.0 / pivot;
        for (int i = j + 1; i <= n; ++i) a.RowData(i)[cj] *= inv;
    }
    double det = parity;
    for (int j = 1; j <= n; ++j) det = rt::Checked(det * a.RowData(j)[at(j) - 1]);
    d = det;
    minRelPivot = n > 0 ? minRel : 1.0;
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

void LUDec(Matrix& a, std::vector<int>& indx, double& d, std::string& msg) {
    double rel;
    Decompose(a, indx, d, msg, rel);
}

void LUBack(const Matrix& a, std::vector<double>& b, const std::vector<int>& indx, std::string& msg) {
    msg.clear();
    try {
        const int n = a.Rows();
        rt::CheckIndex(n, 0, static_cast<long long>(b.size()) - 1);
        rt::CheckIndex(n, 0, static_cast<long long>(indx.size()) - 1);
        if (n > 0 && a.Cols() < n) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
        for (int i = 1; i <= n; ++i) rt::CheckIndex(indx[static_cast<size_t>(i)], 1, n);
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
        if (static_cast<int>(b.size()) < n + 1) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
        std::vector<int> indx(static_cast<size_t>(n) + 1);
        double d = 0.0, rel = 0.0;
        std::string m;
        Decompose(a, indx, d, m, rel);
        if (!m.empty() || rel <= kRelativePivot) {
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
