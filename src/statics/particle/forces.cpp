#include "statics/particle/forces.h"

#include "numerics/mathutil.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"

namespace particle {

namespace {

constexpr double kStep = 5;  // pixels between the arrows of one half-axis
constexpr double d = kStep;
// Offsets of slots 1..12 before the rotation of the axes.
constexpr double kSlotA[13] = {0, 0, d, d, 0, d, 1 - d, 0, 1 - d, 1 - d, 0, 1 - d, d};
constexpr double kSlotB[13] = {0, 0, -d, d - 1, 0, d - 1, d - 1, 0, d - 1, -d, 0, -d, -d};

// First slot of the half-axis the arrow's body lies along; 0 for none.
int FirstSlot(int hour, bool fromPoint) {
    if ((hour == 3 && fromPoint) || (hour == 9 && !fromPoint)) return 1;    // +x
    if ((hour == 12 && fromPoint) || (hour == 6 && !fromPoint)) return 4;   // +y
    if ((hour == 9 && fromPoint) || (hour == 3 && !fromPoint)) return 7;    // -x
    if ((hour == 6 && fromPoint) || (hour == 12 && !fromPoint)) return 10;  // -y
    return 0;
}

}  // namespace

ParticleForceRec RecordFromParsed(const vec::ParsedVector& pv) { return ParticleForceRec{pv, 0, 0}; }

Offset PickLabelSector(int hour, bool fromPoint, double rotDeg, std::array<bool, 13>& used) {
    if (hour % 3 != 0) return {};
    const int first = FirstSlot(hour, fromPoint);
    if (first == 0) return {};
    for (int k = first; k < first + 3; ++k) {
        if (used[k]) continue;
        const double s = num::SinDeg(rotDeg), c = num::CosDeg(rotDeg);
        used[k] = true;
        return {kSlotA[k] * c - s * kSlotB[k], s * kSlotA[k] + kSlotB[k] * c};
    }
    return {};
}

namespace {

void SetOrigin(ParticleState& s, ParticleForceRec& r, double rotDeg, double picWidth, double picHeight) {
    const int hour = rt::CInt(r.Hour.ToNumber());
    const bool fromPoint = r.TailAtPoint;
    const Offset o = PickLabelSector(hour, fromPoint, rotDeg, s.LabelSectorsUsed);
    r.OriginX = static_cast<double>(static_cast<float>(picWidth / 2 + o.dx));
    r.OriginY = static_cast<double>(static_cast<float>(picHeight / 2 + o.dy));
}

}  // namespace

void AppendForce(ParticleState& s, const vec::ParsedVector& pv, double rotDeg, double picWidth, double picHeight) {
    ParticleForceRec r = RecordFromParsed(pv);
    SetOrigin(s, r, rotDeg, picWidth, picHeight);
    s.ParticleForces.push_back(std::move(r));
    s.ParticleForceCount = static_cast<int>(s.ParticleForces.size());
}

void RepickOrigins(ParticleState& s, double rotDeg, double picWidth, double picHeight) {
    s.LabelSectorsUsed.fill(false);
    for (ParticleForceRec& r : s.ParticleForces) SetOrigin(s, r, rotDeg, picWidth, picHeight);
}

std::string LoadParticleForces(ParticleState& s, const std::vector<std::string>& texts, double rotDeg, double picWidth,
                               double picHeight, int decimals) {
    s.ClearForces();
    for (const std::string& text : texts) {
        const auto parsed = vec::ParseStaticsVector(rt::Trim(text), decimals);
        if (!parsed.ok()) return "Error en la fuerza " + text + "\r\n" + parsed.message();
        AppendForce(s, parsed.value(), rotDeg, picWidth, picHeight);
    }
    return {};
}

}  // namespace particle
