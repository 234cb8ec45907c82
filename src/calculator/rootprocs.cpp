#include "calculator/rootprocs.h"

#include <algorithm>
#include <vector>

#include "calculator/helddigits.h"
#include "numerics/equations.h"
#include "runtime/numtext.h"

namespace calc {

ProcReport RootsReport(std::string_view function, std::span<const rt::Variant> args) {
    const double x1 = NumArg(args, 1), x2 = NumArg(args, 2);
    // An empty box has no value anywhere, so no sign change.
    if (function.empty()) return ProcReport::Stop("No encontré raíces en el intervalo dado.");
    const rt::Outcome<num::ExprRoots> found = num::FindExprRoots(function, x1, x2);
    if (!found) return ProcReport::Stop(found.message());
    const std::vector<double>& roots = found->roots;
    const std::vector<double>& values = found->values;
    const int k = static_cast<int>(roots.size());
    ProcReport out;
    if (k >= kMaxListedRoots) out.message = kFiftyRoots;
    const int m = std::min(k, kMaxListedRoots);
    std::string list;
    for (int i = 1; i <= m; ++i) {
        const std::string n = std::to_string(i);
        list += kCrLf;
        // A root is shown to the digits its bracket holds: the search places
        // it within its error, not to the last digit of a double.
        const size_t at = static_cast<size_t>(i - 1);
        list += "x" + n + " = " + HeldText(roots[at], found->errors[at]) + "        f(x" + n +
                ") = " + rt::NumberText(values[at]);
    }
    const std::string skipped = num::NoValueText(found->undefinedAt);
    if (!skipped.empty()) list += kCrLf + skipped;
    std::string head = std::to_string(k) + (k == 1 ? " raíz " : " raíces ") + "de la ecuación" + kCrLf +
                       QuoteFunction(function) + " = 0" + kCrLf + "en el intervalo [" + ArgText(args, 1) + ", " +
                       ArgText(args, 2) + "]:";
    out.lines = {head, list};
    return out;
}

}  // namespace calc
