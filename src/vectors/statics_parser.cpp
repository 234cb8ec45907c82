#include "vectors/statics_parser.h"

#include <cmath>
#include <optional>
#include <string>

#include "numerics/mathutil.h"
#include "runtime/errors.h"
#include "runtime/minus.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "vectors/clock.h"
#include "vectors/terms.h"
#include "vectors/text.h"
#include "vectors/vector_math.h"

namespace vec {

rt::Variant ParsedVector::Field(int i) const {
    switch (i) {
    case kMag: return Mag;
    case kDir: return Dir;
    case kX: return X;
    case kY: return Y;
    case kHour: return Hour;
    case kAlpha: return Alpha;
    case kCoefX: return CoefX;
    case kTermX: return TermX;
    case kCoefY: return CoefY;
    case kTermY: return TermY;
    case kFxText: return FxText;
    case kFyText: return FyText;
    case kDrawAngle: return DrawAngle;
    case kTailAtPoint: return TailAtPoint;
    case kArrowColor: return static_cast<double>(ArrowColor);
    case kTypedText: return TypedText;
    case kMagSymbol: return MagSymbol;
    case kMagCoef: return MagCoef;
    case kMagText: return MagText;
    case kFormatName: return FormatName;
    case kArrowLabel: return ArrowLabel;
    default: rt::Fault("vector field " + std::to_string(i));
    }
}

namespace {
using Result = ParseResult<ParsedVector>;

// A refusal found deep in the reading; caught once at the top.
struct Refused {
    const char* message;
};

class Reader {
public:
    Reader(ParsedVector& v, const VectorFormatInfo& f, std::string_view body, int decimals)
        : v_(v), f_(f), body_(body), decimals_(decimals) {}

    void Read() {
        switch (f_.format) {
        case VectorFormat::Unit: Unit(); break;
        case VectorFormat::AlongX: Along(true); break;
        case VectorFormat::AlongY: Along(false); break;
        case VectorFormat::MagnitudeDirection: MagnitudeDirection(); break;
        case VectorFormat::Components: Components(); break;
        case VectorFormat::QuadrantMagnitude:
        case VectorFormat::QuadrantComponent: Quadrant(); break;
        case VectorFormat::None: throw Refused{msg::kNewFormat};
        }
    }

private:
    rt::Variant Rounded(double x) const { return rt::RoundHalfEven(x, decimals_); }
    static std::string R2(double x) { return rt::RoundedText(x, 2); }

    // The number a part holds, or nullopt for a symbol. A number split by a
    // blank is refused: read as a symbol, "1 000" would lose its 1.
    static std::optional<double> Number(std::string_view part) {
        if (IsNumberWithBlank(part)) throw Refused{msg::kBlankInNumber};
        return ReadVectorNumber(part);
    }

    // A symbolic part: its coefficient and a name of one to three characters.
    static SignedCoef Symbol(std::string_view part, const char* missing, const char* tooLong = msg::kSymbolTooLong) {
        SignedCoef s = ParseSignedCoef(part);
        if (s.symbol.empty()) throw Refused{missing};
        if (text::CharCount(s.symbol) > 3) throw Refused{tooLong};
        return s;
    }

    static std::string UpperUnlessF(std::string_view s) {
        if (!s.empty() && s[0] == 'f') return std::string(s);
        return text::Upper(s);
    }

    void Sector(double x, double y) {
        HourAlpha h = ClockSector(x, y);
        v_.Hour = h.hour;
        v_.Alpha = h.alpha;
    }

    // Known magnitude and direction: components, sector and table texts.
    void Polar(double mag, double dir) {
        const PlaneXY c = PolarToXY(mag, dir);
        v_.X = c.x;
        v_.Y = c.y;
        v_.FxText = Rounded(c.x);
        v_.FyText = Rounded(c.y);
    }

    void Unit() {
        std::string p = rt::Trim(f_.part2);
        if (p.empty()) throw Refused{msg::kMissingAngle};
        v_.Mag = 1.0;
        v_.MagText = "1";
        v_.ArrowLabel = "1";
        if (const auto typed = Number(p)) {
            double dir = *typed;
            v_.Dir = dir;
            Polar(1.0, dir);
            Sector(v_.X.Number(), v_.Y.Number());
            return;
        }
        SignedCoef s = ParseSignedCoef(p);
        if (s.symbol.empty()) throw Refused{msg::kMissingAngle};
        if (s.coef != 1.0) throw Refused{msg::kAngleFactor};
        std::string name = UpperUnlessF(s.symbol);
        if (text::CharCount(name) > 3) throw Refused{msg::kSymbolTooLong};
        v_.FxText = "cos " + name;
        v_.FyText = "sen " + name;
        v_.CoefX = 1;
        v_.TermX = "cos " + name;
        v_.CoefY = 1;
        v_.TermY = "sen " + name;
        v_.ArrowColor = rt::kRed;
    }

    // "hCx" (alongX) and "vCy".
    void Along(bool alongX) {
        std::string p = rt::Trim(f_.part2);
        const char* missing = alongX ? msg::kMissingX : msg::kMissingY;
        if (p.empty()) throw Refused{missing};
        v_.Alpha = 0.0;
        if (const auto typed = Number(p)) {
            double c = *typed;
            v_.X = alongX ? c : 0.0;
            v_.Y = alongX ? 0.0 : c;
            v_.Mag = std::fabs(c);
            v_.MagText = rt::NumberText(std::fabs(c));
            v_.ArrowLabel = R2(std::fabs(c));
            SetAxisDirection(alongX, c < 0);
            (alongX ? v_.FxText : v_.FyText) = Rounded(c);
            (alongX ? v_.FyText : v_.FxText) = "0";
            return;
        }
        SignedCoef s = Symbol(p, missing);
        (alongX ? v_.CoefX : v_.CoefY) = s.coef;
        (alongX ? v_.TermX : v_.TermY) = s.symbol;
        v_.MagSymbol = s.symbol;
        v_.MagText = std::string(text::WithoutLeadingMinus(p));
        (alongX ? v_.Y : v_.X) = 0.0;
        // The table shows the symbol the equations use: a friction "f" keeps
        // its case even behind a sign or a factor.
        (alongX ? v_.FxText : v_.FyText) = s.symbol.starts_with('f') ? p : text::Upper(p);
        (alongX ? v_.FyText : v_.FxText) = "0";
        v_.ArrowLabel = FormatTrigTerm(s.coef, s.symbol);
        SetAxisDirection(alongX, s.coef < 0);
        v_.ArrowColor = rt::kRed;
    }

    void SetAxisDirection(bool alongX, bool negative) {
        const AxisDirection a = AlongAxis(alongX, negative);
        v_.Dir = a.dir;
        v_.Hour = a.hour;
        v_.Alpha = 0.0;
    }

    void MagnitudeDirection() {
        const std::string& p1 = f_.part1;
        const std::string& p2 = f_.part2;
        if (p1.empty() || p2.empty()) throw Refused{msg::kMissingElement};
        const std::optional<double> typedMag = Number(p1);
        const std::optional<double> typedDir = Number(p2);
        const bool magKnown = typedMag.has_value();
        const bool dirKnown = typedDir.has_value();
        double mag = 0, dir = 0;
        std::string t;
        v_.MagText = p1;
        if (magKnown) {
            mag = *typedMag;
            v_.Mag = mag;
            v_.ArrowLabel = R2(mag);
        } else {
            SignedCoef s = Symbol(p1, msg::kMissingElement);
            v_.MagCoef = s.coef;
            v_.MagSymbol = s.symbol;
            if (s.coef < 0) throw Refused{msg::kNegativeMagnitudeSign};
            v_.ArrowLabel = FormatTrigTerm(s.coef, s.symbol);
        }
        if (dirKnown) {
            dir = *typedDir;
            v_.Dir = dir;
        } else {
            v_.Dir = std::string();
            SignedCoef s = ParseSignedCoef(p2);
            if (s.symbol.empty()) throw Refused{msg::kMissingElement};
            if (s.coef != 1.0) throw Refused{msg::kAngleFactor};
            if (text::CharCount(s.symbol) > 3) throw Refused{msg::kSymbolTooLong};
            t = s.symbol;
        }
        if (magKnown && dirKnown) {
            Polar(mag, dir);
            Sector(v_.X.Number(), v_.Y.Number());
            return;
        }
        v_.ArrowColor = rt::kRed;
        if (dirKnown) {
            double c = num::CosDeg(dir), s = num::SinDeg(dir);
            v_.CoefX = rt::Mul(c, v_.MagCoef);
            v_.CoefY = rt::Mul(s, v_.MagCoef);
            v_.FxText = FormatCoefSymbol(v_.CoefX, v_.MagSymbol, decimals_);
            v_.FyText = FormatCoefSymbol(v_.CoefY, v_.MagSymbol, decimals_);
            v_.TermX = v_.MagSymbol;
            v_.TermY = v_.MagSymbol;
            Sector(c, s);
        } else if (magKnown) {
            v_.FxText = FormatCoefSymbol(mag, "cos " + t, decimals_);
            v_.FyText = FormatCoefSymbol(mag, "sen " + t, decimals_);
            v_.CoefX = mag;
            v_.CoefY = mag;
            v_.TermX = "cos " + t;
            v_.TermY = "sen " + t;
        } else {
            std::string k = FormatCoefSymbol(v_.MagCoef, v_.MagSymbol, decimals_);
            v_.FxText = k + " cos " + t;
            v_.FyText = k + " sen " + t;
            v_.CoefX = v_.MagCoef;
            v_.CoefY = v_.MagCoef;
            v_.TermX = v_.MagSymbol + " cos " + t;
            v_.TermY = v_.MagSymbol + " sen " + t;
        }
    }

    void Components() {
        const std::string& p1 = f_.part1;
        const std::string& p2 = f_.part2;
        if (p1.empty() || p2.empty()) throw Refused{msg::kMissingElement};
        const std::optional<double> typedX = Number(p1);
        const std::optional<double> typedY = Number(p2);
        const bool xKnown = typedX.has_value();
        const bool yKnown = typedY.has_value();
        std::string xLabel, yLabel;
        double x = 0, y = 0;
        if (xKnown) {
            x = *typedX;
            v_.X = x;
            v_.FxText = Rounded(x);
            v_.CoefX = 0;
            xLabel = R2(x);
        } else {
            SignedCoef s = Symbol(p1, msg::kMissingElement);
            v_.CoefX = s.coef;
            v_.TermX = s.symbol;
            v_.FxText = FormatCoefSymbol(s.coef, s.symbol, decimals_);
            xLabel = FormatTrigTerm(s.coef, s.symbol);
        }
        if (yKnown) {
            y = *typedY;
            v_.Y = y;
            v_.FyText = Rounded(y);
            v_.CoefY = 0;
            yLabel = R2(y);
        } else {
            SignedCoef s = Symbol(p2, msg::kMissingElement, msg::kSymbolTooLongDigits);
            v_.CoefY = s.coef;
            v_.TermY = s.symbol;
            v_.FyText = FormatCoefSymbol(s.coef, s.symbol, decimals_);
            yLabel = FormatTrigTerm(s.coef, s.symbol);
        }
        if (xKnown && yKnown) {
            double mag = num::Hypot(x, y);
            v_.Mag = mag;
            v_.Dir = num::VectorAngleDeg(x, y);
            Sector(x, y);
            v_.MagText = rt::RoundedText(mag, decimals_);
            v_.ArrowLabel = R2(mag);
            return;
        }
        v_.MagText = std::string(body_);
        if (!xKnown && yKnown && num::IsNear(y, 0, 1e-6)) {
            SetAxisDirection(true, v_.CoefX < 0);
            v_.MagText = std::string(text::WithoutLeadingMinus(p1));
        } else if (xKnown && !yKnown && num::IsNear(x, 0, 1e-6)) {
            SetAxisDirection(false, v_.CoefY < 0);
            v_.MagText = std::string(text::WithoutLeadingMinus(p2));
        }
        v_.ArrowLabel = xLabel + "," + yLabel;
        v_.ArrowColor = rt::kRed;
    }

    void Quadrant() {
        const std::string& p1 = f_.part1;
        const std::string& p2 = f_.part2;
        if (p1.empty() || p2.empty()) throw Refused{msg::kMissingElement};
        int hour = ClockHourOf(f_.part3, f_.part4);
        v_.Hour = hour;
        std::string alphaText = rt::Trim(text::Between(p1));
        v_.Alpha = alphaText;
        if (IsNumberWithBlank(alphaText)) throw Refused{msg::kBlankInNumber};
        if (const char* refusal = QuadrantAngleRefusal(alphaText)) throw Refused{refusal};
        // The typed angle, kept as text in the form every reader of numbers takes.
        v_.Alpha = *VectorNumberText(alphaText);
        double dir = AngleFromClock(hour, *ReadVectorNumber(alphaText));
        v_.Dir = dir;
        if (f_.format == VectorFormat::QuadrantComponent) {
            double comp = *ReadVectorNumber(text::BeforeLast(p2));
            if (std::fabs(dir) == 90) throw Refused{msg::kAngleIs90};
            double mag = MagnitudeFromComponent(comp, text::LastChar(p2) == "h", dir);
            v_.Mag = mag;
            Polar(mag, dir);
            v_.MagText = rt::RoundedText(mag, decimals_);
            v_.ArrowLabel = R2(mag);
            return;
        }
        v_.MagText = p2;
        if (const auto typed = Number(p2)) {
            double mag = *typed;
            v_.Mag = mag;
            v_.ArrowLabel = R2(mag);
            Polar(mag, dir);
            return;
        }
        SignedCoef s = Symbol(p2, msg::kMissingElement);
        v_.MagCoef = s.coef;
        v_.MagSymbol = s.symbol;
        if (s.coef <= 0) throw Refused{msg::kMagnitudeNotPositive};
        v_.ArrowLabel = FormatTrigTerm(s.coef, s.symbol);
        v_.CoefX = rt::Mul(num::CosDeg(dir), s.coef);
        v_.CoefY = rt::Mul(num::SinDeg(dir), s.coef);
        v_.TermX = s.symbol;
        v_.TermY = s.symbol;
        v_.FxText = FormatCoefSymbol(v_.CoefX, s.symbol, decimals_);
        v_.FyText = FormatCoefSymbol(v_.CoefY, s.symbol, decimals_);
        v_.ArrowColor = rt::kRed;
    }

    ParsedVector& v_;
    const VectorFormatInfo& f_;
    std::string_view body_;
    int decimals_;
};

void FinalChecks(const ParsedVector& v) {
    if (v.Mag.IsNumber() && v.Mag.Number() <= 0) throw Refused{msg::kMagnitudeNotPositive};
    if (num::IsNumber(v.Alpha) && v.Alpha.ToNumber() < 0) throw Refused{msg::kNegativeAngle};
    if (v.Dir.IsNumber() && (v.Dir.Number() < -180 || v.Dir.Number() > 180)) throw Refused{msg::kDirectionRange};
}
// The magnitude text in upper case, but for a leading "f".
std::string NormalisedMagText(std::string_view s) {
    if (!s.empty() && s[0] == 'f') return "f" + text::Upper(s.substr(1));
    return text::Upper(s);
}
}  // namespace

namespace {
Result Parse(std::string_view text, int decimals) {
    try {
        const std::string plain = rt::PlainMinus(text);
        VectorFormatInfo f = IdentifyVectorFormat(plain);
        if (!f.errMsg.empty()) return Result::Refusal(f.errMsg);
        ParsedVector v;
        v.TailAtPoint = f.noColon;
        v.FormatName = f.formatName;
        v.TypedText = std::string(text);
        std::string_view body = plain;
        if (!f.noColon) body.remove_suffix(1);
        Reader(v, f, body, decimals).Read();
        FinalChecks(v);
        v.MagText = NormalisedMagText(v.MagText);
        return v;
    } catch (const Refused& r) { return Result::Refusal(r.message); } catch (const rt::RuntimeError&) {
        return Result::Refusal(msg::kSpecError);
    }
}
}  // namespace

namespace {

// A text of two components whose comma stands between digits, and which the
// comma read as a decimal point makes a vector of another format ("v2,5":
// an unknown V2 in x and Fy = 5, or 2.5 up; "h0,24"). Neither reading is
// taken in silence: the refusal says how to write each one.
std::optional<std::string> AmbiguousComma(std::string_view text, const ParsedVector& read, int decimals) {
    if (read.FormatName != FormatName(VectorFormat::Components)) return std::nullopt;
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) return std::nullopt;
    if (!rt::HasCommaBetweenDigits(text)) return std::nullopt;
    std::string pointed(text);
    pointed[comma] = '.';
    if (!Parse(pointed, decimals).ok() && !Parse(AsciiLower(pointed), decimals).ok()) return std::nullopt;
    std::string spaced(text);
    spaced.insert(comma + 1, " ");
    std::string message = "No sé si la coma de \"" + std::string(text) + "\" es decimal o separa las dos componentes.";
    message = rt::AppendSentence(std::move(message), rt::kDecimalCommaHint);
    return rt::AppendSentence(std::move(message),
                              "Si separa las componentes, deja un espacio tras ella (" + spaced + ").");
}

}  // namespace

ParseResult<ParsedVector> ParseStaticsVector(std::string_view text, int decimals) {
    Result r = Parse(text, decimals);
    if (r.ok()) {
        if (auto twoWays = AmbiguousComma(text, *r, decimals)) return Result::Refusal(*twoWays);
        return r;
    }
    return Result::Refusal(RefusalText(r.message(), text, Parse(AsciiLower(text), decimals).ok()));
}

}  // namespace vec
