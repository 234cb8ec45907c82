#pragma once
// The calculator's vector procedures as computations: sums and combinations,
// rotation, decomposition in a basis, vector from projections and sum of
// moments. Each takes the texts of the argument cells and returns the
// records to plot and the result lines (formula markup, line 1 first, numbers
// rounded to `decimals` with a plain minus). A text the parser refuses
// raises VectorRefused with the parser's message, an arithmetic fault
// rt::RuntimeError; the drawings and the writing
// of the lines are done by the callers (vectors/ui, the calculator).
#include <span>
#include <string>
#include <vector>

#include "runtime/outcome.h"
#include "vectors/vecplot.h"

namespace vec {

using ResultText = std::vector<std::string>;

inline constexpr const char* kCrLf = "\r\n";
inline constexpr const char* kNotABasis = "Los vectores no forman una base.";
inline constexpr const char* kNotIndependent = "Los vectores no son linealmente independientes.";

// Two vectors, their sum and their difference (second minus first).
struct TwoVectorsResult {
    std::vector<VecRec> vecs;  // a, b (black), sum (blue), difference (magenta)
    double angle = 0;          // degrees between a and b; 0 when one is zero
    ResultText lines;          // six lines, the first holding a line break
};
// A zero vector has no angle with another: its line says so, and the other
// lines keep their values.
TwoVectorsResult CombineTwoVectors(const std::string& s1, const std::string& s2, int decimals = 3);

// Records 1 to n of the parsed texts (black) and, last, their weighted sum
// (blue) re-parsed from its components. No text at all raises
// SubscriptOutOfRange: there is nothing to add.
std::vector<VecRec> ParseAndSumVectors(std::span<const double> factors, std::span<const std::string> specs);
// Report of the plain sum: the given vectors, then the sum (two lines).
ResultText SumReport(std::span<const VecRec> vecs, int decimals = 3);
// Report of a linear combination: factors and vectors, then the sum.
ResultText CombinationReport(std::span<const double> factors, std::span<const VecRec> vecs, int decimals = 3);

// A sum or linear combination straight from the argument cells: all cells
// with factor 1, or the cells in pairs (factor, vector), an odd last cell
// left out. A factor cell that is not a number raises TypeMismatch.
struct VectorSumResult {
    std::vector<double> factors;
    std::vector<VecRec> vecs;  // the vectors, then the sum
    ResultText lines;
};
VectorSumResult SumVectorCells(std::span<const std::string> cells, int decimals = 3);
VectorSumResult CombineVectorCells(std::span<const std::string> cells, int decimals = 3);

// A vector turned by theta degrees (mode exactly "v"), or its components
// along axes turned by theta (any other mode).
struct RotationResult {
    bool rotateVector = false;
    double theta = 0;
    VecRec given;
    VecRec turned;
    ResultText lines;  // two lines
};
RotationResult RotateVectorOrAxes(double theta, const std::string& vectorText, const std::string& mode,
                                  int decimals = 3);

// V = lambda a + mu b. A pair whose determinant is within 1E-06 of zero is
// refused with kNotABasis.
struct LinearCombinationResult {
    std::vector<VecRec> vecs;  // a, b (black), V (blue), lambda a, mu b (magenta)
    double lambda = 0;
    double mu = 0;
    ResultText lines;  // three lines
};
// specs: a, b, V; fewer than three raise SubscriptOutOfRange.
rt::Outcome<LinearCombinationResult> SolveLinearCombination(std::span<const std::string> specs, int decimals = 3);

// The vector V whose projections on a and b are Ca |a| and Cb |b|. A pair
// that is not a basis is refused with kNotIndependent.
struct ProjectionsResult {
    std::vector<VecRec> vecs;  // a, b (black), V (magenta), Ca a, Cb b (green)
    ResultText lines;          // four lines, the last empty
};
rt::Outcome<ProjectionsResult> VectorFromProjections(const std::string& a, double ca, const std::string& b, double cb,
                                                     int decimals = 3);

// Sum of the moments of forces args(2i) applied at args(2i - 1), about the
// origin (an even count) or about the point given by the last text (odd).
struct MomentsResult {
    double xA = 0;
    double yA = 0;
    double total = 0;  // not rounded
    std::string text;  // one term per force, each ended by CR LF
};
MomentsResult SumMoments(std::span<const std::string> args, int decimals = 3);
// The two lines the calculator writes after SumMoments for `argCount` cells.
ResultText SumMomentsReport(const MomentsResult& r, std::size_t argCount, int decimals = 3);

}  // namespace vec
