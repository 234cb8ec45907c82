// The particle's diagram: arrow lengths, the sense of a negative magnitude,
// and what an empty table leaves on the picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "statics/particle/diagram.h"
#include "statics/particle/forces.h"
#include "support/form1_fixture.h"

namespace particle {
namespace {

ForceTable Table(const std::vector<std::string>& texts) {
    ParticleState s;
    EXPECT_EQ(LoadParticleForces(s, texts, 0, 397, 385, 3), "");
    return s.ParticleForces;
}

TEST(ParticleDiagram, ArrowLengths) {
    EXPECT_EQ(ArrowLengths(Table({"h10", "v20"})), (std::vector<double>{2.75, 5.5}));
    EXPECT_EQ(ArrowLengths(Table({"h1", "v-100"})), (std::vector<double>{0.5, 5.5}));
    // A magnitude to be solved for is drawn at the longest less half the shortest.
    EXPECT_EQ(ArrowLengths(Table({"hT", "v2"})), (std::vector<double>{5.25, 5.5}));
    const double zeros[] = {0, 0};
    EXPECT_EQ(GetDrawScale(zeros, 5.5), 0);
}

class ParticleDrawing : public testsupport::Form1Test {};

TEST_F(ParticleDrawing, NegativeMagnitudeAndEmptyTable) {
    plat::Picture& pic = *form().pic1;
    DrawParticleAxes(pic, 0);
    const size_t axesOnly = pic.Drawn().size();
    DrawParticleForces(pic, {}, 0);
    EXPECT_EQ(pic.Drawn().size(), axesOnly);

    ForceTable t = Table({"h8"});
    t[0].Mag = -8.0;
    DrawParticleForces(pic, t, 0);
    double minX = 1e9, maxX = -1e9;
    bool label = false;
    for (const auto& d : pic.Drawn()) {
        if (d.kind == plat::DrawnPrimitive::Kind::Text && d.text == "8") label = true;
        if (d.kind != plat::DrawnPrimitive::Kind::Line || d.color != 0) continue;
        for (const QPointF& p : d.points) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
        }
    }
    EXPECT_TRUE(label);
    EXPECT_NEAR(minX, 198.5 - 132, 1.5);
    EXPECT_LE(maxX, 199.5);
}

TEST_F(ParticleDrawing, ExampleButtonsShowTheirHelp) {
    PressToolbar(2);
    Find<plat::CommandButton>(plat::ArrayName(QStringLiteral("cmdExampleEstp"), 1))->Press();
    EXPECT_EQ(form().tabCalc->Tab(), 2);
    EXPECT_TRUE(form().txtArgHelp->Text().contains(QStringLiteral("Ejemplo 2")));
}

}  // namespace
}  // namespace particle
