#include "numerics/linalg.h"

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
const char* const kSingular = "El determinante del sistema es cero.";
const char* const kUnsolved = "No pude resolver el sistema.";

// LUDec, also giving the smallest pivot relative to the largest entry of its
// original row (0 when the decomposition gave up).
void Decompose(Matrix& a, std::vector<int>& indx, double& d, std::string& msg, double& minRelPivot) {
    msg.clear();
    minRelPivot = 0.0;
    const int n = a.Rows();
    std::vector<double> scale(static_cast<size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        double big = 0.0;
        for (int j = 1; j <= n; ++j) big = std::max(big, std::fabs(a(i, j)));
        if (big == 0.0) {
            msg = kLUDecFailed;
            return;
        }
        scale[static_cast<size_t>(i)] = 1.0 / big;
    }
    if (static_cast<int>(indx.size()) < n + 1) indx.resize(static_cast<size_t>(n) + 1);
    double parity = 1.0;
    double minRel = INFINITY;
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i < j; ++i) {
            double sum = a(i, j);
            for (int k = 1; k < i; ++k) sum -= a(i, k) * a(k, j);
            a(i, j) = rt::Checked(sum);
        }
        double big = 0.0;
        int imax = j;
        for (int i = j; i <= n; ++i) {
            double sum = a(i, j);
            for (int k = 1; k < j; ++k) sum -= a(i, k) * a(k, j);
            a(i, j) = rt::Checked(sum);
            double dum = scale[static_cast<size_t>(i)] * std::fabs(sum);
            if (dum >= big) {
                big = dum;
                imax = i;
            }
        }
        if (imax != j) {
            for (int k = 1; k <= n; ++k) std::swap(a(imax, k), a(j, k));
            parity = -parity;
            scale[static_cast<size_t>(imax)] = scale[static_cast<size_t>(j)];
        }
        indx[static_cast<size_t>(j)] = imax;
        minRel = std::min(minRel, big);
        if (a(j, j) == 0.0) a(j, j) = 1e-20;
        const double inv = 1.0 / a(j, j);
        for (int i = j + 1; i <= n; ++i) a(i, j) *= inv;
    }
    double det = parity;
    for (int j = 1; j <= n; ++j) det = rt::Checked(det * a(j, j));
    d = det;
    minRelPivot = n > 0 ? minRel : 1.0;
}
}  // namespace

Matrix::Matrix(int rows, int cols, double fill)
    : rows_(std::max(rows, 0)), cols_(std::max(cols, 0)),
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

double& Matrix::operator()(int i, int j) {
    rt::CheckIndex(i, 1, rows_);
    rt::CheckIndex(j, 1, cols_);
    return data_[static_cast<size_t>(i - 1) * static_cast<size_t>(cols_) + static_cast<size_t>(j - 1)];
}

double Matrix::operator()(int i, int j) const { return const_cast<Matrix&>(*this)(i, j); }

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
        int ii = 0;
        for (int i = 1; i <= n; ++i) {
            const int ip = indx[static_cast<size_t>(i)];
            rt::CheckIndex(ip, 1, n);
            double sum = b[static_cast<size_t>(ip)];
            b[static_cast<size_t>(ip)] = b[static_cast<size_t>(i)];
            if (ii != 0) {
                for (int j = ii; j < i; ++j) sum -= a(i, j) * b[static_cast<size_t>(j)];
            } else if (sum != 0.0) {
                ii = i;
            }
            b[static_cast<size_t>(i)] = rt::Checked(sum);
        }
        for (int i = n; i >= 1; --i) {
            double sum = b[static_cast<size_t>(i)];
            for (int j = i + 1; j <= n; ++j) sum -= a(i, j) * b[static_cast<size_t>(j)];
            b[static_cast<size_t>(i)] = rt::Div(rt::Checked(sum), a(i, i));
        }
    } catch (const rt::RuntimeError&) {
        msg = kLUBackFailed;
    }
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
            msg = kSingular;
            return;
        }
        std::vector<double> x = b;
        LUBack(a, x, indx, m);
        if (!m.empty()) {
            msg = kUnsolved;
            return;
        }
        b = std::move(x);
    } catch (const rt::RuntimeError&) {
        msg = kUnsolved;
    }
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
