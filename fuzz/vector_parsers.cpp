// Feeds arbitrary text to both vector parsers and the term routines: nothing
// may crash, every refusal carries a message, and every accepted vector holds
// finite numbers with a direction in range.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/errors.h"
#include "runtime/variant.h"
#include "vectors/notation.h"
#include "vectors/numeric_parser.h"
#include "vectors/statics_parser.h"
#include "vectors/terms.h"

namespace {
void Require(bool ok) {
    if (!ok) std::abort();
}

void RequireFinite(const rt::Variant& v) {
    if (v.IsNumber()) Require(std::isfinite(v.Number()));
}

void CheckNumeric(const std::string& text) {
    auto r = vec::ParseNumericVector(text);
    if (!r.ok()) {
        Require(!r.message().empty());
        return;
    }
    const vec::VectorSpec& v = r.value();
    for (int i = 0; i < vec::VectorSpec::kCount; ++i) RequireFinite(v.Field(i));
    Require(v.Dir >= -180 && v.Dir <= 180);
    Require(v.Hour >= 1 && v.Hour <= 12);
}

void CheckStatics(const std::string& text, int decimals) {
    auto r = vec::ParseStaticsVector(text, decimals);
    if (!r.ok()) {
        Require(!r.message().empty());
        return;
    }
    const vec::ParsedVector& v = r.value();
    for (int i = 0; i < vec::ParsedVector::kCount; ++i) RequireFinite(v.Field(i));
    if (v.Dir.IsNumber()) Require(v.Dir.Number() >= -180 && v.Dir.Number() <= 180);
    if (v.Hour.IsNumber()) Require(v.Hour.Number() >= 1 && v.Hour.Number() <= 12);
    if (v.Mag.IsNumber()) Require(v.Mag.Number() > 0);
    Require(v.FormatName == vec::FormatName(vec::IdentifyVectorFormat(text).format));
    Require(v.TypedText == text);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    vec::VectorFormatInfo f = vec::IdentifyVectorFormat(text);
    Require(f.errMsg.empty() != f.formatName.empty());
    CheckNumeric(text);
    CheckStatics(text, size % 5);
    rt::IgnoreError("a text the parser refuses is a valid answer to any input", [&] {
        vec::SignedCoef s = vec::ParseSignedCoef(text);
        Require(std::isfinite(s.coef));
        vec::FormatCoefSymbol(s.coef, s.symbol, static_cast<int>(size % 5));
        vec::FormatTrigTerm(s.coef, s.symbol);
    });
    vec::FormatTrigTerm(1.0, text);
    std::vector<std::string> pieces;
    for (size_t i = 0; i < text.size(); i += 2) pieces.push_back(text.substr(i, 2));
    size_t n = pieces.size();
    int k = vec::DedupeArray(pieces);
    Require(k >= 0 && static_cast<size_t>(k) <= n && pieces.size() == n);
    return 0;
}
