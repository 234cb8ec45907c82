#pragma once
// What both markup fuzz targets require of a parse: runs never empty nor
// equal in format to their neighbour, every format one the markup can give,
// and no more characters than the markup had. Aborts on a breach.
#include <cstddef>
#include <cstdlib>

#include "text/markup.h"

namespace fuzzcheck {

inline void Require(bool ok) {
    if (!ok) std::abort();
}

inline bool InPalette(rt::ColorRef c) {
    for (int i = 0; i < 16; ++i)
        if (text::MarkupColor(i) == c) return true;
    return false;
}

// The number of characters the parse gives.
inline size_t CheckParsed(const text::ParsedMarkup& p, size_t inputLength) {
    size_t total = 0;
    for (size_t i = 0; i < p.runs.size(); ++i) {
        const text::MarkupRun& r = p.runs[i];
        Require(!r.text.empty());
        if (i > 0) Require(!(p.runs[i - 1].format == r.format));
        const text::MarkupFormat& f = r.format;
        Require(f.size == 0 || f.size == 7 || f.size == 8);
        Require(f.offsetTwips == 0 || f.offsetTwips == -45 || f.offsetTwips == 60);
        Require((f.offsetTwips == 0) == (f.size == 0));
        Require(InPalette(f.color));
        total += r.text.size();
    }
    Require(total <= inputLength);
    return total;
}

}  // namespace fuzzcheck
