#include "statics/particle/diagram.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/mathutil.h"
#include "platform/picture.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "shell/drawpicture.h"
#include "vectors/clock.h"

namespace particle {

namespace {

constexpr double kMaxLength = 5.5;  // drawing units of the greatest force
constexpr double kMinLength = 0.5;
constexpr rt::ColorRef kAxisColour = 0xC0C0C0;
constexpr rt::ColorRef kParticleColour = 0xFF0000;

}  // namespace

double GetDrawScale(std::span<const double> values, double maxLen) {
    const double m = num::MaxOfDoubles(values);
    if (num::IsNear(m, 0, 1E-06)) return 0;
    return maxLen / m;
}

std::vector<double> ArrowLengths(const ForceTable& forces) {
    std::vector<double> mags;
    for (const ParticleForceRec& r : forces)
        if (num::IsNumber(r.Mag)) mags.push_back(std::fabs(r.Mag.ToNumber()));
    const double scale = mags.empty() ? 0 : GetDrawScale(mags, kMaxLength);
    std::vector<double> lengths;
    for (const ParticleForceRec& r : forces) {
        if (num::IsNumber(r.Mag))
            lengths.push_back(std::max(scale * std::fabs(r.Mag.ToNumber()), kMinLength));
        else
            lengths.push_back(kMaxLength - kMinLength / 2);
    }
    return lengths;
}

void DrawParticleAxes(plat::Picture& pic, double angleDeg) {
    const shell::SharedState& g = shell::Shared();
    const double scale = shell::DrawEng().DrawScale;
    const double cx = g.PicWidth / 2, cy = g.PicHeight / 2;
    const double h = (g.PicHeight / scale - 0.5) * scale / 2;
    const double c = std::cos(angleDeg * num::kDegToRad), s = std::sin(angleDeg * num::kDegToRad);

    pic.Cls();
    const rt::ColorRef fore = pic.ForeColor(), fill = pic.FillColor();
    const plat::FillStyle fillStyle = pic.FillStyle();

    shell::DrawArrowBetween(pic, cx - h * c, cy - h * s, cx + h * c, cy + h * s, shell::kPenAtTip, false,
                            rt::Variant(std::string()), kAxisColour);
    shell::MoveRel(pic, 4, -2, false);
    pic.Print(QStringLiteral("X"));

    shell::MoveTo(pic, cx, cy, false);
    shell::DrawArrowBetween(pic, cx + h * s, cy - h * c, cx - h * s, cy + h * c, shell::kPenAtTip, false,
                            rt::Variant(std::string()), kAxisColour);
    shell::MoveRel(pic, 6, 4, false);
    pic.Print(QStringLiteral("Y"));

    shell::MoveTo(pic, cx, cy, false);
    pic.SetForeColor(fore);
    pic.SetFillColor(fill);
    pic.SetFillStyle(fillStyle);
    shell::MoveTo(pic, 0, g.PicHeight, false);
}

void DrawParticleForces(plat::Picture& pic, const ForceTable& forces, double rotDeg) {
    if (forces.empty()) return;
    const shell::SharedState& g = shell::Shared();
    const std::vector<double> lengths = ArrowLengths(forces);

    DrawParticleAxes(pic, rotDeg);
    shell::MoveTo(pic, g.PicWidth / 2, g.PicHeight / 2, false);
    shell::DrawPointMark(pic, true, 2, true, kParticleColour);

    for (size_t i = 0; i < forces.size(); ++i) {
        const ParticleForceRec& r = forces[i];
        const double dir = (num::IsNumber(r.DrawAngle) ? r.DrawAngle.ToNumber() : r.Dir.ToNumber()) + rotDeg;
        vec::HourAlpha ha = vec::ClockSector(std::cos(dir * num::kDegToRad), std::sin(dir * num::kDegToRad));
        const bool numeric = num::IsNumber(r.Mag);
        if (numeric && r.Mag.ToNumber() < 0) ha.hour = shell::OppositeHour(ha.hour);
        shell::MoveTo(pic, static_cast<float>(r.OriginX), static_cast<float>(r.OriginY), false);
        const rt::Variant label =
            numeric ? rt::Variant(rt::RoundedText(r.Mag.ToNumber(), 2)) : rt::Variant(r.ArrowLabel);
        const bool fromPoint = r.TailAtPoint;
        shell::DrawArrow(pic, lengths[i], fromPoint, true, fromPoint ? shell::kPenAtTail : -1, false, r.ArrowColor,
                         label, 3, ha.hour, ha.alpha);
    }
}

}  // namespace particle
