#include "statics/rigid/forces.h"

#include <string_view>
#include <vector>

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

namespace {

bool IsNameLetter(std::string_view c) {
    if (c.size() == 1) return (c[0] >= 'A' && c[0] <= 'Z') || (c[0] >= 'a' && c[0] <= 'z');
    return c == "\xC3\x91" || c == "\xC3\xB1";  // Ñ ñ
}

bool IsNameChar(std::string_view c) { return IsNameLetter(c) || (c.size() == 1 && c[0] >= '0' && c[0] <= '9'); }

}  // namespace

rt::Outcome<Couple> ReadCouple(const std::string& piece) {
    using Result = rt::Outcome<Couple>;
    if (piece.empty()) return Couple{};  // "/" with nothing after it: an unnamed couple to be solved for
    if (vec::IsNumberWithBlank(piece)) return Result::Refusal(vec::msg::kBlankInNumber);
    if (const auto number = vec::VectorNumberText(piece)) {
        // A number the equations and the drawing cannot take is refused now,
        // before it is stored and read by every later redraw.
        try {
            vec::ReadVectorNumber(*number);
        } catch (const rt::RuntimeError&) { return Result::Refusal(vec::msg::kSpecError); }
        return Couple{*number, *number};
    }
    const std::string t = TrimText(piece);
    const std::vector<std::string> chars = Chars(vec::text::WithoutLeadingMinus(t));
    bool ok = !chars.empty() && chars.size() <= 3 && IsNameLetter(chars[0]);
    for (const std::string& c : chars) ok = ok && IsNameChar(c);
    if (!ok) return Result::Refusal(vec::msg::kSymbolTooLong);
    return Couple{std::string(), UpperText(t)};
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
    std::string coupleValue, coupleText, vectorPart, piece;
    if (IsPureCouple(text)) {
        hasCouple = true;
        piece = text;
    } else if (Has(text, '/')) {
        const size_t s1 = text.find('/');
        vectorPart = TrimText(text.substr(0, s1));
        piece = text.substr(s1 + 1);
        const size_t s2 = piece.find('/');
        if (s2 != std::string::npos) piece = piece.substr(0, s2);
        hasCouple = true;
    } else {
        vectorPart = text;
    }
    if (hasCouple) {
        const rt::Outcome<Couple> couple = ReadCouple(piece);
        if (!couple.ok()) {
            msg = rt::WithDecimalCommaHint(couple.message(), piece);
            // "V-100" is no couple's name but a force in upper case.
            if (IsPureCouple(text) && vec::ParseStaticsVector(vec::AsciiLower(text), decimals).ok())
                msg = rt::AppendSentence(std::move(msg), vec::kLowerCaseHint);
            return AddResult::ParseError;
        }
        coupleValue = couple->value;
        coupleText = couple->text;
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
    if (const auto n = vec::ReadVectorNumber(s)) return rt::NumberText(-*n);
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
        if (counted && !vec::VectorNumberText(couple) && vec::text::CharCount(couple) > 3) {
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
        if (const auto d = vec::ReadVectorNumber(part2)) out = part1 + sep + rt::NumberText(num::NormAngle(*d + 180));
    } else if (f == "hCx") {
        out = "h" + NegatePart(part2);
    } else if (f == "vCy") {
        out = "v" + NegatePart(part2);
    } else if (f == "uD") {
        if (const auto d = vec::ReadVectorNumber(part2)) out = "u" + rt::NumberText(num::NormAngle(*d + 180));
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
    rt::ExpectIndex(b, 1, kMaxSystems, "body to copy forces to");
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
    rt::ExpectIndex(r, 1, st.ForceCount(), "force row");
    st.Forces.erase(st.Forces.begin() + (r - 1));
    if (st.Forces.empty()) st.SystemForcesCopied.fill(false);
}

}  // namespace rigid
