// Root search on a grid, by regula falsi on each sign change.
#include <cmath>
#include <string>
#include <utility>

#include "numerics/expression.h"
#include "runtime/rounding.h"

namespace num {

std::string CExpression::FindRoots(double lowLimit, double highLimit, double interval, std::string_view varName,
                                   double tolerance) {
    if (text_.empty() || errCode_ != 0 || variables_.empty()) return {};
    if (lowLimit > highLimit) std::swap(lowLimit, highLimit);
    if (interval <= 0) interval = (highLimit - lowLimit) / 200;
    std::shared_ptr<CVariable> var = varName.empty() ? variables_[0] : Variable(varName, false);
    if (!var) return {};
    // A grid step that cannot move x would never reach the upper limit.
    if (!(lowLimit + interval != lowLimit) || !(highLimit + interval != highLimit))
        return "Los límites son iguales o el paso es demasiado pequeño para buscar raíces.";

    rt::Variant saved = var->Value;
    roots_.clear();
    // f(x); false when the evaluation fails (the value is then left as it was).
    auto f = [&](double x, double& y) {
        try {
            var->Value = x;
            double v = Value().ToNumber();
            y = v;
            return true;
        } catch (const rt::RuntimeError&) { return false; }
    };

    // The scan walks the grid points themselves: a refinement never moves
    // them, so the scan ends after (high - low) / interval steps.
    double x1 = lowLimit, y1 = 0, y2 = 0, x3 = 0, y3 = 0;
    f(x1, y1);
    do {
        double x2 = x1 + interval;
        if (!std::isfinite(x2)) break;
        if (f(x2, y2) && rt::Sgn(y1) != rt::Sgn(y2)) {
            double a = x1, fa = y1, b = x2, fb = y2;
            for (int it = 0; it < 50; ++it) {
                double t = a + (b - a) * fa / (fa - fb);
                if (std::isfinite(t)) x3 = t;
                f(x3, y3);
                if (std::fabs(y3) < tolerance) break;
                if (rt::Sgn(y3) == rt::Sgn(fa)) {
                    a = x3;
                    fa = y3;
                } else {
                    b = x3;
                    fb = y3;
                }
            }
            roots_.push_back(x3);
        }
        x1 = x2;
        y1 = y2;
    } while (x1 <= highLimit);
    var->Value = saved;
    return {};
}

double CExpression::Root(int index) const {
    if (index < 1 || index > RootsCount()) return 0.0;
    return roots_[static_cast<size_t>(index - 1)];
}

}  // namespace num
