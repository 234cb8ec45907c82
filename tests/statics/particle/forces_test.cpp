// The force table: records from parsed texts, arrow slots along the axes
// and the rebuilding of the table from a list of texts.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/errors.h"
#include "statics/particle/forces.h"

namespace particle {
namespace {

TEST(ParticleSlots, ArrowsAlongOneHalfAxisAreShiftedAside) {
    std::array<bool, 13> used{};
    const Offset expected[] = {{0, 0}, {5, -5}, {5, 4}, {0, 0}};
    for (const Offset& e : expected) {
        const Offset o = PickLabelSector(3, true, 0, used);
        EXPECT_DOUBLE_EQ(o.dx, e.dx);
        EXPECT_DOUBLE_EQ(o.dy, e.dy);
    }
    // A force along +x ending at the particle shares the -x group with one
    // along -x starting there.
    used = {};
    PickLabelSector(3, false, 0, used);
    const Offset o = PickLabelSector(9, true, 0, used);
    EXPECT_DOUBLE_EQ(o.dx, -4);
    EXPECT_DOUBLE_EQ(o.dy, 4);
    // Other hours take no slot.
    const Offset off = PickLabelSector(2, true, 0, used);
    EXPECT_EQ(off.dx, 0);
    EXPECT_EQ(off.dy, 0);
    EXPECT_FALSE(used[1] || used[2] || used[4]);
    // The offsets turn with the axes.
    used = {};
    PickLabelSector(12, true, 30, used);
    const Offset r = PickLabelSector(12, true, 30, used);
    EXPECT_NEAR(r.dx, 5 * std::cos(M_PI / 6) - 4 * std::sin(M_PI / 6), 1e-9);
    EXPECT_NEAR(r.dy, 5 * std::sin(M_PI / 6) + 4 * std::cos(M_PI / 6), 1e-9);
}

TEST(ParticleForceTable, LoadingStopsAtTheFirstRefusedText) {
    ParticleState s;
    s.LabelSectorsUsed.fill(true);
    const std::string msg = LoadParticleForces(s, {" h5 ", " 5<200", "h3"}, 0, 397, 385, 3);
    EXPECT_EQ(msg, "Error en la fuerza  5<200\r\nLa dirección debe estar entre -180° y 180°.");
    ASSERT_EQ(s.ParticleForceCount, 1);
    ASSERT_EQ(s.ParticleForces.size(), 1u);
    const ParticleForceRec& r = s.ParticleForces[0];
    EXPECT_EQ(r.TypedText, "h5");
    EXPECT_EQ(r.Mag.ToNumber(), 5);
    EXPECT_EQ(r.DrawAngle.ToText(), "");
    // Slots were freed before loading: the first +x arrow starts at the centre.
    EXPECT_FLOAT_EQ(r.OriginX, 198.5f);
    EXPECT_FLOAT_EQ(r.OriginY, 192.5f);
}

TEST(ParticleForceTable, RepickingFreesEverySlotFirst) {
    ParticleState s;
    ASSERT_EQ(LoadParticleForces(s, {"h1", "h2", "h3"}, 0, 397, 385, 3), "");
    EXPECT_FLOAT_EQ(s.ParticleForces[2].OriginX, 198.5f + 5);
    s.ParticleForces.erase(s.ParticleForces.begin());
    RepickOrigins(s, 0, 397, 385);
    EXPECT_FLOAT_EQ(s.ParticleForces[0].OriginX, 198.5f);
    EXPECT_FLOAT_EQ(s.ParticleForces[1].OriginX, 198.5f + 5);
    EXPECT_FLOAT_EQ(s.ParticleForces[1].OriginY, 192.5f - 5);
}

}  // namespace
}  // namespace particle
