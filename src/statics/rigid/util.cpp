#include "statics/rigid/util.h"

#include "runtime/numtext.h"
#include "vectors/text.h"

namespace rigid {

std::vector<std::string> Chars(std::string_view s) {
    std::vector<std::string> out;
    while (!s.empty()) {
        std::string_view c = vec::text::FirstChar(s);
        out.emplace_back(c);
        s.remove_prefix(c.size());
    }
    return out;
}

std::string UpperText(std::string_view s) { return vec::text::Upper(s); }

std::string TrimText(std::string_view s) { return rt::Trim(s); }

bool AllAtoZ(std::string_view s) {
    for (char c : s)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

}  // namespace rigid
