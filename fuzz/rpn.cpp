// Feeds arbitrary text to the reverse-Polish evaluator: nothing may crash or
// throw, an accepted line holds a finite value, and a refused one gives the
// error text with either no message or one of the evaluator's two boxes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculator/rpn.h"

namespace {
void Require(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    calc::RpnResult r = calc::EvalRPN(text);
    if (r.ok) {
        Require(std::isfinite(r.value));
        Require(r.message.empty());
        const std::string shown = r.Text();
        Require(!shown.empty() && shown.find_first_of("ni") == std::string::npos);
        Require(r.Value().IsNumber());
    } else {
        Require(r.Text() == calc::kRpnError);
        if (!r.message.empty()) {
            const bool strange = r.message == calc::kRpnStrangeChar && r.messageTitle == calc::kRpnStrangeCharTitle;
            const bool unknown = r.message == calc::kRpnUnknownToken && r.messageTitle == calc::kRpnUnknownTokenTitle;
            Require(strange || unknown);
        }
    }
    // The same line always gives the same answer.
    calc::RpnResult again = calc::EvalRPN(text);
    Require(again.ok == r.ok && again.message == r.message);
    if (r.ok) Require(again.value == r.value);
    return 0;
}
