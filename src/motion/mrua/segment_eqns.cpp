#include "motion/mrua/segment_eqns.h"

#include <cctype>

#include "motion/mrua/common.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "text/globals.h"
#include "text/resultformat.h"

namespace mrua {

EqnKind EqnRecords::Kind(int body, int segment) const {
    rt::ExpectIndex(body, 1, 2, "body of the equation records");
    rt::ExpectIndex(segment, 1, 3, "segment of the equation records");
    if (Numeric[body][segment]) return EqnKind::Numeric;
    if (ParamV[body][segment]) return EqnKind::ParamV;
    if (ParamA[body][segment]) return EqnKind::ParamA;
    if (ParamVA[body][segment]) return EqnKind::ParamVA;
    return EqnKind::None;
}

void EqnRecords::SetKind(int body, int segment, EqnKind kind) {
    rt::ExpectIndex(body, 1, 2, "body of the equation records");
    rt::ExpectIndex(segment, 1, 3, "segment of the equation records");
    Numeric[body][segment] = kind == EqnKind::Numeric;
    ParamV[body][segment] = kind == EqnKind::ParamV;
    ParamA[body][segment] = kind == EqnKind::ParamA;
    ParamVA[body][segment] = kind == EqnKind::ParamVA;
}

void EqnRecords::EraseFlags() {
    for (int b = 1; b <= 2; ++b)
        for (int s = 1; s <= 3; ++s) SetKind(b, s, EqnKind::None);
}

EqnRecords& Records() {
    static EqnRecords records;
    return records;
}

int EqnLineOfSegment(int body, int segment) {
    if (body == 1) return 2 * segment - 1;
    if (body == 2) return 7;
    return 0;
}

namespace {

// A coefficient rounded for an equation line.
rt::Variant Rv(double v) { return rt::Variant(text::Rounded(v)); }

std::string FT(bool notFirst, bool showZero, const rt::Variant& c, const rt::Variant& s) {
    return text::FormatTerm(notFirst, showZero, c, s);
}

std::string StripPlus(std::string s) {
    if (s.rfind(" + ", 0) == 0) s.erase(0, 3);
    return s;
}

}  // namespace

PosedEqns ComposeSegmentEqns(int body, int segment, int basePoint, const rt::Variant& a, const rt::Variant& tb,
                             const rt::Variant& xb, const rt::Variant& vb) {
    const std::string X = motion::PositionSymbol(body, segment);
    const std::string V = motion::VelocitySymbol(body, segment);
    const std::string Acc = motion::AccelSymbol(body, segment);
    const std::string p = std::to_string(basePoint);

    PosedEqns e;
    const bool vKnown = !vb.IsEmptyText(), aKnown = !a.IsEmptyText();
    e.kind = vKnown && aKnown ? EqnKind::Numeric
             : aKnown         ? EqnKind::ParamV
             : vKnown         ? EqnKind::ParamA
                              : EqnKind::ParamVA;
    e.tb = tb.ToNumber();
    e.xb = xb.ToNumber();
    if (vKnown) e.vb = vb.ToNumber();
    if (aKnown) e.a = a.ToNumber();

    std::string T = "t";
    if (e.tb != 0) T = "(t" + FT(true, true, Rv(-e.tb), 1) + ")";
    const std::string Vp = V + "!" + p;

    std::string pos, vel;
    switch (e.kind) {
    case EqnKind::Numeric:
        e.A = rt::Checked(e.xb - e.vb * e.tb + (e.a * 0.5) * e.tb * e.tb);
        e.B = rt::Checked(e.vb - e.a * e.tb);
        pos = FT(false, false, Rv(e.A), 1) + FT(true, false, Rv(e.B), "t") + FT(true, false, Rv(e.a / 2), "t¡2");
        vel = FT(false, false, Rv(e.B), 1) + FT(true, false, Rv(e.a), "t");
        break;
    case EqnKind::ParamV:
        pos = FT(false, false, Rv(e.xb), 1) + " + " + Vp + T + FT(true, false, Rv(e.a / 2), T + "¡2");
        vel = Vp + FT(true, false, Rv(e.a), T);
        break;
    case EqnKind::ParamA:
        pos = FT(false, false, Rv(e.xb), 1) + FT(true, false, Rv(e.vb), T) + " + 0.5" + Acc + T + "¡2";
        vel = FT(false, false, Rv(e.vb), 1) + " + " + Acc + T;
        break;
    default:
        pos = FT(false, false, Rv(e.xb), 1) + " + " + Vp + T + FT(true, false, 0.5, Acc + T + "¡2");
        vel = Vp + " + " + Acc + T;
        break;
    }
    pos = StripPlus(pos);
    vel = StripPlus(vel);
    // A line whose every term vanished still says what it is worth.
    if (pos.empty()) pos = "0";
    if (vel.empty()) vel = "0";
    e.positionLine = X + " = " + Bare(pos);
    e.velocityLine = V + " = " + Bare(vel);

    e.heading =
        "Plantear ecs. del móvil " + std::to_string(body) + ", tramo " + std::to_string(segment) + ", punto base: " + p;
    e.dataLine = "t!" + p + " = " + text::FormatNumText(e.tb) + ", " + X + "!" + p + " = " + text::FormatNumText(e.xb) +
                 ", " + Vp + " = " + FV(vb) + ", " + Acc + " = " + FV(a);
    return e;
}

void StorePosedEqns(int body, int segment, int basePoint, const PosedEqns& e) {
    EqnRecords& r = Records();
    rt::ExpectIndex(body, 1, 2, "body of the equation records");
    rt::ExpectIndex(segment, 1, 3, "segment of the equation records");
    auto& seg = motion::State().Segments[body][segment];
    switch (e.kind) {
    case EqnKind::Numeric:
        seg.Accel = e.a;
        r.InitialPositions[body][segment] = e.A;
        r.InitialVelocities[body][segment] = e.B;
        break;
    case EqnKind::ParamV:
        seg.Accel = e.a;
        r.BasePoints[body][segment] = basePoint;
        r.ParamVBaseTimes[body][segment] = e.tb;
        r.ParamVBasePositions[body][segment] = e.xb;
        break;
    case EqnKind::ParamA:
        r.BasePoints[body][segment] = basePoint;
        r.ParamABaseTimes[body][segment] = e.tb;
        r.ParamABasePositions[body][segment] = e.xb;
        r.ParamABaseVelocities[body][segment] = e.vb;
        break;
    case EqnKind::ParamVA:
        r.BasePoints[body][segment] = basePoint;
        r.ParamVABaseTimes[body][segment] = e.tb;
        r.ParamVABasePositions[body][segment] = e.xb;
        break;
    case EqnKind::None: break;
    }
    r.SetKind(body, segment, e.kind);
}

motion::RelationalDatum ParseRelDatum(const rt::Variant& datum) {
    motion::RelationalDatum r{};
    const std::string s = datum.ToText();
    if (s.empty()) return r;
    auto pos = [&](char c) {
        const auto p = s.find(c);
        return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
    };
    const int P = pos('+'), M = pos('-'), S = pos('*'), Q = pos('/');
    auto ch = [&](size_t i) {
        if (i >= s.size()) rt::Raise(rt::ErrorCode::InvalidCall);
        return std::string(1, s[i]);
    };
    const std::string last(1, s.back());
    if (!P && !M && !S && !Q) {
        r = {last, 0, rt::Variant()};
    } else if (M == 1 && !P && !S && !Q) {
        r = {last, rt::Variant(), -1};
    } else if (P && !M && !S && !Q) {
        r = {ch(1), rt::Trim(s.substr(P)), rt::Variant()};
    } else if (M && !P && !S && !Q) {
        r = {ch(1), "-" + rt::Trim(s.substr(M)), rt::Variant()};
    } else if (S && !P && !Q && (M == 0 || M == 1)) {
        r = {last, rt::Variant(), s.substr(0, S - 1)};
    } else if (Q && !P && !M && !S) {
        r = {ch(1), rt::Variant(), rt::Div(1.0, rt::TextToNumber(rt::Trim(s.substr(Q))))};
    } else if (Q && M == 1 && !P && !S) {
        r = {ch(2), rt::Variant(), rt::Div(-1.0, rt::TextToNumber(rt::Trim(s.substr(Q))))};
    }
    return r;
}

std::optional<motion::RelationalDatum> ParseRelDatumChecked(const rt::Variant& datum) {
    if (datum.IsEmptyText()) return motion::RelationalDatum{};
    motion::RelationalDatum r;
    try {
        r = ParseRelDatum(datum);
    } catch (const rt::RuntimeError&) { return std::nullopt; }
    const std::string point = r.point.ToText();
    if (point.size() != 1 || !std::isdigit(static_cast<unsigned char>(point[0]))) return std::nullopt;
    const rt::Variant& amount = r.increment.IsEmpty() ? r.factor : r.increment;
    if (!amount.IsNumeric()) return std::nullopt;
    return r;
}

}  // namespace mrua
