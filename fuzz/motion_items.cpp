// Feeds arbitrary text to what the motion workspace reads of typed text: the
// argument items of the listed procedures, the interval names, the
// relational datum of a table cell, and the equations through three points
// and the launch data computed from the numbers read. Nothing may crash or
// throw anything but a run-time error, and every value found is finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "motion/compute.h"
#include "motion/mrua/segment_eqns.h"
#include "runtime/errors.h"

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rt::IgnoreError("a refusal is a valid answer to any input", [&] { mrua::ParseRelDatum(text); });
    const auto items = motion::SplitItems(text);
    // The interval names refuse what they cannot read, without throwing.
    (void)motion::ReadIntervalData(items);
    // The computations run on the numbers read, only when the text gives
    // them all: zeros put in for missing numbers would only repeat the same
    // refusal, at the cost of an exception each time.
    double v[6] = {};
    int n = 0;
    for (int k = 1; k <= static_cast<int>(items.size()) && n < 6; ++k) {
        if (const auto x = motion::TryItemNumber(items, k)) {
            Require(std::isfinite(*x));
            v[n++] = *x;
        }
    }
    if (n == 6) {
        rt::IgnoreError("a refusal is a valid answer to any input", [&] {
            const auto f = motion::FitThreePoints({v[0], v[1], v[2]}, {v[3], v[4], v[5]});
            if (f.ok()) Require(std::isfinite(f->c0) && std::isfinite(f->c1) && std::isfinite(f->c2));
        });
        rt::IgnoreError("a refusal is a valid answer to any input", [&] {
            const auto l = motion::LaunchThroughPoints(v[0], v[1], v[2], v[3], v[4], v[5]);
            if (l.ok()) Require(std::isfinite(l->v0) && std::isfinite(l->theta0));
        });
    }
    if (n >= 2) {
        rt::IgnoreError("a refusal is a valid answer to any input", [&] {
            const auto l = motion::LaunchFromFlightAndRange(v[0], v[1]);
            Require(std::isfinite(l.v0) && std::isfinite(l.theta0));
        });
    }
    if (n >= 3) {
        rt::IgnoreError("a refusal is a valid answer to any input",
                        [&] { Require(std::isfinite(motion::AngleFromRangeHeight(v[2]))); });
    }
    return 0;
}
