// Feeds arbitrary text to the rectilinear procedures that read typed text:
// the relational datum of a table cell, the interval equations and the
// systems in the base velocity and acceleration. Nothing may crash or throw
// anything but a run-time error, and every value found is finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "motion/mrua/listed.h"
#include "motion/mrua/segment_eqns.h"
#include "runtime/errors.h"

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

void RequireFinite(const mrua::StepResult& o) {
    for (double v : o.values) Require(std::isfinite(v));
}

// "a=1,vi=2,..." into the ten interval values by the first letters of each
// name.
motion::IntervalData Interval(const std::string& text) {
    using D = motion::IntervalData;
    static constexpr rt::Variant D::*kFields[10] = {&D::a,  &D::ti, &D::tf, &D::dt, &D::xi,
                                                    &D::xf, &D::dx, &D::vi, &D::vf, &D::dv};
    D v;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t c = text.find(',', start);
        const std::string item = text.substr(start, c == std::string::npos ? std::string::npos : c - start);
        const size_t eq = item.find('=');
        if (eq != std::string::npos && eq > 0) {
            static const char* names[10] = {"a", "ti", "tf", "dt", "xi", "xf", "dx", "vi", "vf", "dv"};
            const std::string name = item.substr(0, eq);
            for (int k = 0; k < 10; ++k)
                if (name == names[k]) v.*kFields[k] = item.substr(eq + 1);
        }
        if (c == std::string::npos) break;
        start = c + 1;
    }
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int which = data[0] % 7;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    rt::IgnoreError("the listed procedures report their run-time errors to the student", [&] {
        if (which == 0) {
            const auto r = mrua::ParseRelDatumChecked(text);
            if (r && !text.empty()) {
                Require(r->point.ToText().size() == 1);
                Require(r->increment.IsEmpty() != r->factor.IsEmpty());
            }
        } else if (which == 1) {
            RequireFinite(mrua::IntervalEqns(Interval(text)));
        } else {
            const mrua::StepResult o =
                mrua::VaSystem(static_cast<motion::RectProcedure>(51 + which), text);  // the five systems
            RequireFinite(o);
            Require(o.Refused() == (o.lines.UBound() == 0 && !o.message.empty()));
        }
    });
    return 0;
}
