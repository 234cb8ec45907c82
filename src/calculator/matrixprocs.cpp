#include "calculator/matrixprocs.h"

#include <cfloat>
#include <cmath>
#include <utility>
#include <vector>

#include "calculator/helddigits.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

// LUDec puts this in place of a pivot that came out exactly zero.
constexpr double kReplacedPivot = 1e-20;

// A number's text for a result line, with the markup minus of its equations.
std::string Signed(std::string text) {
    if (text.starts_with('-')) text.replace(0, 1, ";-");
    return text;
}

num::Matrix ReadMatrix(std::span<const rt::Variant> cells, int rows, int cols) {
    if (rows < 1 || static_cast<long long>(cells.size()) != static_cast<long long>(rows) * cols)
        rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
    num::Matrix a(rows, cols);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) a(i, j) = cells[static_cast<size_t>((i - 1) * cols + j - 1)].ToNumber();
    return a;
}

bool HasZeroRow(const num::Matrix& a) {
    for (int i = 1; i <= a.Rows(); ++i) {
        bool zero = true;
        for (int j = 1; j <= a.Cols() && zero; ++j) zero = a(i, j) == 0.0;
        if (zero) return true;
    }
    return false;
}

}  // namespace

double Determinant(const num::Matrix& a) {
    const int n = a.Rows();
    if (HasZeroRow(a)) return 0.0;
    num::Matrix lu = a;
    std::vector<int> indx;
    double d = 0.0;
    std::string msg;
    num::LUDec(lu, indx, d, msg);
    if (!msg.empty()) return 0.0;
    // Which original row ended at each position: a pivot is judged against
    // the largest entry of its own row, so the scale of the rows does not
    // matter; rounding leaves a few units of the last place where the exact
    // pivot is zero.
    std::vector<int> perm(static_cast<size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) perm[static_cast<size_t>(i)] = i;
    for (int j = 1; j <= n; ++j)
        std::swap(perm[static_cast<size_t>(j)], perm[static_cast<size_t>(indx[static_cast<size_t>(j)])]);
    const double tolerance = 4.0 * n * DBL_EPSILON;
    for (int j = 1; j <= n; ++j) {
        const double pivot = std::fabs(lu(j, j));
        if (pivot == kReplacedPivot) return 0.0;
        double big = 0.0;
        for (int k = 1; k <= n; ++k) big = std::max(big, std::fabs(a(perm[static_cast<size_t>(j)], k)));
        if (pivot <= tolerance * big) return 0.0;
    }
    return d;
}

ProcReport DeterminantReport(std::span<const rt::Variant> cells, int n, int decimals) {
    num::Matrix a = ReadMatrix(cells, n, n);
    const double d = Determinant(a);
    std::string matrix;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) matrix += kCrLf;
        matrix += "| ";
        for (int j = 1; j <= n; ++j) {
            if (j > 1) matrix += "     ";
            matrix += Signed(rt::NumberText(text::RoundedKeepingSmall(a(i, j), decimals)));
        }
        matrix += " |";
    }
    ProcReport r;
    r.lines = {matrix, ";D = " + Signed(rt::NumberText(d))};
    return r;
}

ProcReport LinearSystemReport(std::span<const rt::Variant> cells, int n, int decimals) {
    num::Matrix region = ReadMatrix(cells, n, n + 1);
    num::Matrix a(n, n);
    std::vector<double> b(static_cast<size_t>(n) + 1);
    std::string equations;
    for (int i = 1; i <= n; ++i) {
        std::string row;
        for (int j = 1; j <= n; ++j) {
            a(i, j) = region(i, j);
            // The first term that does not vanish opens the row; a typed
            // coefficient too small for the decimals still shows.
            row += text::FormatTerm(!row.empty(), false, text::RoundedKeepingSmall(a(i, j), decimals),
                                    "x!" + std::to_string(j));
        }
        b[static_cast<size_t>(i)] = region(i, n + 1);
        if (row.empty()) row = "0";
        row += " = " + text::FormatTerm(false, true, text::RoundedKeepingSmall(b[static_cast<size_t>(i)], decimals), 1);
        if (i > 1) equations += kCrLf;
        equations += row;
    }
    std::string msg;
    std::vector<double> errors;
    num::SolveLinearSystem(a, b, msg, &errors);
    if (msg == num::kSingularSystem) return ProcReport::Stop(msg);
    if (!msg.empty()) return ProcReport::Stop("Falló el cálculo.");
    std::string solution;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) solution += kCrLf;
        // Each unknown to the digits that hold, never to the last digit of a
        // double.
        const size_t at = static_cast<size_t>(i);
        solution += "x!" + std::to_string(i) + " = " + Signed(HeldText(b[at], errors[at]));
    }
    ProcReport r;
    r.lines = {equations, solution};
    return r;
}

}  // namespace calc
