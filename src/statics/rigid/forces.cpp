#include "statics/rigid/forces.h"

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "statics/rigid/util.h"
#include "vectors/notation.h"
#include "vectors/statics_parser.h"
#include "vectors/text.h"

namespace rigid {

bool IsPureCouple(const std::string& t) {
    if (Has(t, ';') || Has(t, '<') || Has(t, ',') || Has(t, '/')) return false;
    if (t.empty()) return true;
    return t[0] != 'h' && t[0] != 'v' && t[0] != 'u';
}

AddResult AddDCLForce(StatState& st, int body, const std::string& point, const std::string& text, std::string& msg,
                      int decimals) {
    if (text.empty()) return AddResult::Nothing;
    const int i = FindPoint(st, point);
    if (i == 0) return AddResult::NoPoint;
    const PointRec& p = PointAt(st, i);
    ForceRec rec;
    rec[fr::kPointX] = p.X;
    rec[fr::kPointY] = p.Y;
    rec[fr::kPicX] = static_cast<double>(p.PicX);
    rec[fr::kPicY] = static_cast<double>(p.PicY);
    rec[fr::kBody] = body;
    rec[fr::kPointName] = point;
    rec[fr::kForceText] = text;

    bool hasCouple = false;
    std::string coupleValue, coupleText, vectorPart;
    if (IsPureCouple(text)) {
        hasCouple = true;
        if (num::IsNumber(text)) {
            coupleValue = coupleText = text;
        } else {
            coupleText = UpperText(text);
        }
    } else if (Has(text, '/')) {
        const size_t s1 = text.find('/');
        vectorPart = TrimText(text.substr(0, s1));
        std::string piece = text.substr(s1 + 1);
        const size_t s2 = piece.find('/');
        if (s2 != std::string::npos) piece = piece.substr(0, s2);
        hasCouple = true;
        if (num::IsNumber(piece)) {
            coupleValue = coupleText = piece;
        } else {
            coupleText = UpperText(piece);
        }
    } else {
        vectorPart = text;
    }
    if (!IsPureCouple(text)) {
        auto r = vec::ParseStaticsVector(vectorPart, decimals);
        if (!r.ok()) {
            msg = r.message();
            return AddResult::ParseError;
        }
        for (int k = 0; k < vec::ParsedVector::kCount; ++k) rec[k + 1] = r->Field(k);
    }
    if (hasCouple) {
        rec[fr::kCoupleValue] = coupleValue;
        rec[fr::kCoupleText] = coupleText;
        rec[fr::kCoupleColor] = coupleValue.empty() ? 255 : 0;
    } else {
        rec[fr::kCoupleValue] = std::string();
        rec[fr::kCoupleText] = std::string();
        rec[fr::kCoupleColor] = 0;
    }
    st.Forces.push_back(std::move(rec));
    return AddResult::Added;
}

namespace {

// -n for a number, else the text with its leading "-" dropped or added.
std::string NegatePart(const std::string& s) {
    if (num::IsNumber(s)) return rt::NumberText(-rt::TextToNumber(s));
    if (!s.empty() && s[0] == '-') return s.substr(1);
    return "-" + s;
}

std::string DropColon(std::string s) {
    if (!s.empty() && s.back() == ':') s.pop_back();
    return s;
}

}  // namespace

std::string NegateVectorText(const std::string& text, std::string* msg) {
    std::string vector = text, couple;
    bool counted = false;
    if (Has(text, '/')) {
        const size_t s = text.find('/');
        couple = TrimText(text.substr(s + 1));
        vector = TrimText(text.substr(0, s));
        counted = !couple.empty();
        if (counted && !num::IsNumber(couple) && vec::text::CharCount(couple) > 3) {
            if (msg) *msg = "El símbolo del momento debe constar a lo más de tres literales.";
            return {};
        }
    }
    const std::string tail = TrimText(vec::text::AfterFirst(vector));
    vec::VectorFormatInfo info = vec::IdentifyVectorFormat(vector);
    const std::string part1 = DropColon(info.part1), part2 = DropColon(info.part2);
    const std::string& f = info.formatName;
    std::string out;
    if (f == "cAe,M" || f == "cAe,C") {
        const std::string first(vec::text::FirstChar(vector));
        static const char* swap[][2] = {{"p", "t"}, {"t", "p"}, {"s", "c"}, {"c", "s"}};
        for (auto& sw : swap)
            if (first == sw[0]) out = std::string(sw[1]) + tail;
    } else if (f == "Fx,Fy") {
        out = NegatePart(part1) + ", " + NegatePart(part2);
    } else if (f == "M<D") {
        const std::string sep = Has(vector, '<') ? "<" : ";";
        if (num::IsNumber(part2)) out = part1 + sep + rt::NumberText(num::NormAngle(rt::TextToNumber(part2) + 180));
    } else if (f == "hCx") {
        out = "h" + NegatePart(part2);
    } else if (f == "vCy") {
        out = "v" + NegatePart(part2);
    } else if (f == "uD") {
        if (num::IsNumber(part2)) out = "u" + rt::NumberText(num::NormAngle(rt::TextToNumber(part2) + 180));
    }
    if (out.empty()) return {};
    if (!counted) return out;
    return out + "/" + NegatePart(couple);
}

std::string ExpandSupport(const std::string& word, const std::string& p) {
    if (word != "art" && word != "art:" && word != "emp" && word != "emp:") return {};
    std::string s = p + "x, " + p + "y";
    if (word.size() == 4) s += ":";
    if (word.rfind("emp", 0) == 0) s += "/M" + p;
    return s;
}

std::vector<int> CopyGlobalForces(StatState& st, int b) {
    std::vector<int> copied;
    if (st.Forces.empty() || st.SystemPoints[1].empty()) return copied;
    rt::CheckIndex(b, 1, kMaxSystems);
    st.SystemForcesCopied[1] = true;
    if (st.SystemForcesCopied[static_cast<size_t>(b)]) return copied;
    const int n = st.ForceCount();
    const std::vector<std::string> bodyPoints = Chars(st.SystemPoints[static_cast<size_t>(b)]);
    for (int r = 1; r <= n; ++r) {
        const ForceRec src = st.Forces[static_cast<size_t>(r - 1)];
        const std::string p = src.Text(fr::kPointName);
        if (src.Body() != 1 || p.empty()) continue;
        bool inBody = false;
        for (const auto& c : bodyPoints) inBody = inBody || c == p;
        if (!inBody) continue;
        int shared = 0;
        for (int s = 2; s <= kMaxSystems; ++s)
            if (st.SystemPoints[static_cast<size_t>(s)].find(p) != std::string::npos) ++shared;
        if (shared >= 2) continue;
        ForceRec copy = src;
        copy[fr::kBody] = b;
        st.Forces.push_back(copy);
        copied.push_back(r);
    }
    st.SystemForcesCopied[static_cast<size_t>(b)] = true;
    return copied;
}

void DeleteForce(StatState& st, int r) {
    rt::CheckIndex(r, 1, st.ForceCount());
    st.Forces.erase(st.Forces.begin() + (r - 1));
    if (st.Forces.empty()) st.SystemForcesCopied.fill(false);
}

}  // namespace rigid
