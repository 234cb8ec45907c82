#include "vectors/numeric_parser.h"

#include <cmath>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"
#include "vectors/clock.h"
#include "vectors/text.h"
#include "vectors/vector_math.h"

namespace vec {

rt::Variant VectorSpec::Field(int i) const {
    switch (i) {
    case kMag: return Mag;
    case kDir: return Dir;
    case kX: return X;
    case kY: return Y;
    case kHour: return Hour;
    case kAlpha: return Alpha;
    default: rt::Fault("vector field " + std::to_string(i));
    }
}

namespace {
using Result = ParseResult<VectorSpec>;

bool IsQuadrantPart(std::string_view p1) {
    std::string_view q = text::FirstChar(p1), e = text::LastChar(p1);
    return text::CharCount(p1) >= 3 && (q == "p" || q == "s" || q == "t" || q == "c") && (e == "x" || e == "y");
}

// X, Y from M and D; Hour, Alpha from the components.
void FromPolar(VectorSpec& v) {
    const PlaneXY c = PolarToXY(v.Mag, v.Dir);
    v.X = c.x;
    v.Y = c.y;
}

void SectorOfComponents(VectorSpec& v) {
    HourAlpha h = ClockSector(v.X, v.Y);
    v.Hour = h.hour;
    v.Alpha = h.alpha;
}

// The separated formats have exactly two parts; a text with more (two
// vectors run together, as in 3,41,2) is refused rather than read in part.
Result ReadComma(std::string_view t) {
    std::size_t comma = t.find(',');
    std::string_view rest = t.substr(comma + 1);
    if (rest.find(',') != std::string_view::npos) return Result::Refusal(msg::kBadFormat);
    std::string p1 = rt::Trim(t.substr(0, comma));
    std::string p2 = rt::Trim(rest.substr(0, rest.find(',')));
    VectorSpec v;
    std::string_view letter = text::LastChar(p2);
    if (letter == "h" || letter == "v") {
        // Direction by quadrant and the size of one component.
        if (!IsQuadrantPart(p1)) return Result::Refusal(msg::kUnknownFormat);
        v.Hour = ClockHourOf(std::string(text::FirstChar(p1)), std::string(text::LastChar(p1)));
        std::string alpha = rt::Trim(text::Between(p1));
        v.Alpha = alpha;
        v.Dir = AngleFromClock(v.Hour, rt::TextToNumber(alpha));
        double comp = rt::TextToNumber(text::BeforeLast(p2));
        if (std::fabs(v.Dir) == 90) return Result::Refusal(msg::kBadFormat);
        v.Mag = MagnitudeFromComponent(comp, letter == "h", v.Dir);
        FromPolar(v);
        return v;
    }
    if (p1.empty() || p2.empty()) return Result::Refusal(msg::kMissingElement);
    if (!IsQuadrantPart(p1)) {
        v.X = rt::TextToNumber(p1);
        v.Y = rt::TextToNumber(p2);
        v.Mag = num::Hypot(v.X, v.Y);
        v.Dir = num::VectorAngleDeg(v.X, v.Y);
        SectorOfComponents(v);
        return v;
    }
    v.Hour = ClockHourOf(std::string(text::FirstChar(p1)), std::string(text::LastChar(p1)));
    std::string alpha = rt::Trim(text::Between(p1));
    v.Alpha = alpha;
    if (const char* refusal = QuadrantAngleRefusal(alpha)) return Result::Refusal(refusal);
    v.Dir = AngleFromClock(v.Hour, rt::TextToNumber(alpha));
    v.Mag = rt::TextToNumber(p2);
    FromPolar(v);
    return v;
}

// Along an axis: component c, magnitude |c|, direction of its sign.
VectorSpec AlongAxisVector(bool alongX, double c) {
    VectorSpec v;
    (alongX ? v.X : v.Y) = c;
    v.Mag = std::fabs(c);
    const AxisDirection a = AlongAxis(alongX, c < 0);
    v.Dir = a.dir;
    v.Hour = a.hour;
    v.Alpha = 0.0;
    return v;
}

Result ReadLetter(std::string_view t) {
    VectorSpec v;
    std::string r = rt::Trim(t.substr(1));
    switch (t.front()) {
    case 'h':
        if (r.empty()) return Result::Refusal(msg::kMissingX);
        return AlongAxisVector(true, rt::TextToNumber(r));
    case 'v':
        if (r.empty()) return Result::Refusal(msg::kMissingY);
        return AlongAxisVector(false, rt::TextToNumber(r));
    case 'u':
        if (r.empty()) return Result::Refusal(msg::kMissingAngle);
        v.Mag = 1;
        v.Dir = rt::TextToNumber(r);
        FromPolar(v);
        SectorOfComponents(v);
        return v;
    default: return Result::Refusal(msg::kUnknownFormat);
    }
}

Result ReadMagnitudeDirection(std::string_view t) {
    char sep = t.find('<') != std::string_view::npos ? '<' : ';';
    std::size_t a = t.find(sep);
    std::string_view rest = t.substr(a + 1);
    if (rest.find(sep) != std::string_view::npos) return Result::Refusal(msg::kBadFormat);
    std::string p1 = rt::Trim(t.substr(0, a));
    std::string p2 = rt::Trim(rest.substr(0, rest.find(sep)));
    if (p1.empty() || p2.empty()) return Result::Refusal(msg::kMissingElement);
    VectorSpec v;
    v.Mag = rt::TextToNumber(p1);
    v.Dir = rt::TextToNumber(p2);
    FromPolar(v);
    SectorOfComponents(v);
    return v;
}

Result Read(std::string_view t) {
    if (t.find(',') != std::string_view::npos) return ReadComma(t);
    if (t.find(';') == std::string_view::npos && t.find('<') == std::string_view::npos) {
        if (t.empty()) return Result::Refusal(msg::kUnknownFormat);
        return ReadLetter(t);
    }
    return ReadMagnitudeDirection(t);
}
}  // namespace

namespace {
Result ReadChecked(std::string_view text) {
    try {
        std::string t = rt::Trim(rt::PlainMinus(text));
        Result r = Read(t);
        if (!r.ok()) return r;
        const VectorSpec& v = r.value();
        if (num::IsNumber(v.Alpha) && v.Alpha.ToNumber() < 0) return Result::Refusal(msg::kNegativeAngle);
        if (v.Dir < -180 || v.Dir > 180) return Result::Refusal(msg::kDirectionRange);
        return r;
    } catch (const rt::RuntimeError&) { return Result::Refusal(msg::kSpecError); }
}
}  // namespace

ParseResult<VectorSpec> ParseNumericVector(std::string_view text) {
    Result r = ReadChecked(text);
    if (r.ok()) return r;
    return Result::Refusal(RefusalText(r.message(), text, ReadChecked(AsciiLower(text)).ok()));
}

}  // namespace vec
