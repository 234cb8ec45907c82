// The equations of the particle, their classification, the solver and the
// report written back into the table.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "statics/particle/equations.h"
#include "statics/particle/forces.h"
#include "statics/particle/solver.h"
#include "vectors/clock.h"

namespace particle {
namespace {

ForceTable Table(const std::vector<std::string>& texts) {
    ParticleState s;
    const std::string msg = LoadParticleForces(s, texts, 0, 397, 385, 3);
    EXPECT_EQ(msg, "");
    return s.ParticleForces;
}

// Solves, failing the test if a choice between two solutions is asked.
EquilibriumOutcome Solve(ForceTable& t) {
    return SolveParticleEquilibrium(t, 3, [](const std::string& prompt) {
        ADD_FAILURE() << "unexpected choice: " << prompt;
        return true;
    });
}

std::vector<std::string> Lines(const std::string& report) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; (at = report.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(report.substr(from, at - from));
    out.push_back(report.substr(from));
    return out;
}

TEST(ParticleSolver, KindsAndTheirRefusals) {
    // Determinant at the tolerance is refused; twice that solves.
    EXPECT_EQ(SolveParticleUnknowns(1, 1E-06, 0, 1, 0, 1, 1).message(),
              "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad.");
    const UnknownsResult lin = SolveParticleUnknowns(1, 2E-06, 0, 2E-06, 0, 1, 3);
    ASSERT_TRUE(lin.ok());
    EXPECT_NEAR((*lin)[0], -1, 1e-9);
    EXPECT_NEAR((*lin)[1], -3, 1e-9);

    EXPECT_EQ(SolveParticleUnknowns(5, 1, 1, 1, 1, 1, 1).message(), "Error en los datos.");
    EXPECT_EQ(SolveParticleUnknowns(2, 0, 10, 1, 0, 10, 1).message(), "Error en los datos.");
    EXPECT_EQ(SolveParticleUnknowns(2, 1, 0, 1, 1, 10, 1).message(), "No resuelvo este caso.");

    // T only in the y equation: |c1 / a12| = 1 still solves, a hair above does not.
    const UnknownsResult edge = SolveParticleUnknowns(2, 0, 10, -10, 1, 10, -5);
    ASSERT_TRUE(edge.ok());
    EXPECT_NEAR((*edge)[1], 0, 1e-9);
    EXPECT_NEAR((*edge)[0], 5, 1e-9);
    EXPECT_EQ(SolveParticleUnknowns(2, 0, 10, -10.0001, 1, 10, -5).message(), "No existe solución.");

    // T only in the x equation: sine 0.5 gives 30 and 150.
    const UnknownsResult x = SolveParticleUnknowns(2, 1, 10, -20, 0, 10, -5);
    ASSERT_TRUE(x.ok());
    EXPECT_NEAR((*x)[1], 30, 1e-9);
    EXPECT_NEAR((*x)[3], 150, 1e-9);
    // T = 20 - 10 cos 150 = 28.66 for the second; the first 20 - 8.66.
    EXPECT_NEAR((*x)[0], 20 - 10 * std::cos(30 * M_PI / 180), 1e-9);

    // A negative magnitude comes back positive with the angle reversed.
    const UnknownsResult neg = SolveParticleUnknowns(2, 1, 10, 20, 0, 10, -5);
    ASSERT_TRUE(neg.ok());
    EXPECT_GT((*neg)[0], 0);
    EXPECT_NEAR((*neg)[1], -150, 1e-9);
}

TEST(ParticleSolver, TwoDirectionsAndSharedMagnitude) {
    // Forces 10 and 10 at unknown angles balancing 10 along +x.
    const UnknownsResult two = SolveParticleUnknowns(3, 10, 10, 10, 10, 10, 0);
    ASSERT_TRUE(two.ok());
    for (int k = 0; k < 2; ++k) {
        const double a = (*two)[2 * k], b = (*two)[2 * k + 1];
        EXPECT_NEAR(10 * std::cos(a * M_PI / 180) + 10 * std::cos(b * M_PI / 180) + 10, 0, 1e-9);
        EXPECT_NEAR(10 * std::sin(a * M_PI / 180) + 10 * std::sin(b * M_PI / 180), 0, 1e-9);
    }
    // The root of index 1 is the second angle of the first solution.
    EXPECT_NEAR((*two)[1], 120, 1e-9);
    EXPECT_NEAR((*two)[3], -120, 1e-9);
    EXPECT_EQ(SolveParticleUnknowns(3, 1, 1, 10, 1, 1, 0).message(), "No existe solución.");

    // T along +x and T at angle A against (-10, -10): only the first root
    // gives a magnitude, and it comes back twice.
    const UnknownsResult four = SolveParticleUnknowns(4, 1, 1, -10, 0, 1, -10);
    ASSERT_TRUE(four.ok());
    EXPECT_NEAR((*four)[0], 10, 1e-9);
    EXPECT_NEAR((*four)[1], 90, 1e-9);
    EXPECT_NEAR((*four)[2], 10, 1e-9);
    EXPECT_NEAR((*four)[3], 90, 1e-9);
}

TEST(ParticleEquilibrium, TwoCablesHoldingAWeightWithOneBlankAfterEquals) {
    ForceTable t = Table({"v-100", "s30x,T1", "p45x,T2"});
    const EquilibriumOutcome out = Solve(t);
    EXPECT_EQ(out.msg, "");
    EXPECT_TRUE(out.redraw);
    const std::vector<std::string> lines = Lines(out.report);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], ";SF!x = ;-0.866 T!1 + 0.707 T!2 = 0");  // a leading minus sits by its number
    EXPECT_EQ(lines[1], ";SF!y = 0.5 T!1 + 0.707 T!2 ;- 100 = 0");
    EXPECT_EQ(lines[2], "T!1 = 73.205");
    EXPECT_EQ(lines[3], "T!2 = 89.658");
    EXPECT_EQ(lines[4], ";SF!x = 0    ;SF!y = 0");

    // Solved forces are known, magenta, with their own hour; the weight stays black.
    EXPECT_EQ(t[0].ArrowColor, 0);
    for (int j = 1; j <= 2; ++j) {
        const ParticleForceRec& r = t[j];
        EXPECT_EQ(r.ArrowColor, 0xFF00FF);
        EXPECT_EQ(r.TermX, "");
        EXPECT_EQ(r.TermY, "");
        const vec::HourAlpha ha = vec::ClockSector(r.X.ToNumber(), r.Y.ToNumber());
        EXPECT_EQ(r.Hour.ToNumber(), ha.hour);
        EXPECT_NEAR(r.Alpha.ToNumber(), ha.alpha, 1e-9);
    }
    EXPECT_NEAR(t[1].Mag.ToNumber(), 73.2050808, 1e-6);
    EXPECT_NEAR(t[1].Dir.ToNumber(), 150, 1e-9);
    EXPECT_EQ(t[1].FxText.ToText(), "-63.397");

    // A second solution finds nothing left to solve.
    const EquilibriumOutcome again = Solve(t);
    EXPECT_EQ(Lines(again.report)[0], "No hay incógnitas.");
}

TEST(ParticleEquilibrium, OneForceOfUnknownMagnitudeAndDirection) {
    ForceTable t = Table({"h-30", "v-40", "F<q"});
    t[2].DrawAngle = 45.0;
    const EquilibriumOutcome out = Solve(t);
    EXPECT_EQ(out.msg, "");
    const std::vector<std::string> lines = Lines(out.report);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], ";SF!x = F cos Q ;- 30 = 0");
    EXPECT_EQ(lines[1], ";SF!y = F sen Q ;- 40 = 0");
    EXPECT_EQ(lines[2], "F = 50");
    EXPECT_EQ(lines[3], "Q = 53.13°");
    EXPECT_EQ(t[2].DrawAngle.ToText(), "");
    EXPECT_NEAR(t[2].X.ToNumber(), 30, 1e-9);
    EXPECT_NEAR(t[2].Y.ToNumber(), 40, 1e-9);
}

TEST(ParticleEquilibrium, LinearSystemsWriteOneBlankAfterEqualsAndTheMarkupMinus) {
    // One symbol per axis: the y equation starts with its second term.
    ForceTable t = Table({"hT1", "vT2", "3,4"});
    std::vector<std::string> lines = Lines(Solve(t).report);
    EXPECT_EQ(lines[0], ";SF!x = T!1 + 3 = 0");
    EXPECT_EQ(lines[1], ";SF!y = T!2 + 4 = 0");
    EXPECT_EQ(lines[2], "T!1 = ;-3");
    EXPECT_EQ(lines[3], "T!2 = ;-4");

    // The same two symbols in crossed order, and one symbol used twice.
    t = Table({"T1,T2", "2T2,T1", "3,4"});
    lines = Lines(Solve(t).report);
    EXPECT_EQ(lines[0], ";SF!x = T!1 + 2 T!2 + 3 = 0");
    EXPECT_EQ(lines[1], ";SF!y = T!1 + T!2 + 4 = 0");
    EXPECT_EQ(lines[2], "T!1 = ;-5");
    EXPECT_EQ(lines[3], "T!2 = 1");
    t = Table({"hT", "hT", "h-10", "vN", "v5"});
    lines = Lines(Solve(t).report);
    EXPECT_EQ(lines[0], ";SF!x = 2 T ;- 10 = 0");
    EXPECT_EQ(lines[2], "T = 5");
}

TEST(ParticleEquilibrium, Refusals) {
    const struct {
        std::vector<std::string> texts;
        const char* msg;
    } cases[] = {
        {{"hA", "hB", "hC", "vD"}, "El número de incógnitas excede al número de ecuaciones."},
        {{"hT", "h-5"}, "No resuelvo este caso."},
        {{"10<q", "h-5", "v-5"}, "No resuelvo este caso."},
        {{"p45x,T", "h-10", "v-10"}, "Misma incógnita en ambas ecuaciones."},
        {{"T1,0", "T2,T3", "3,4"},
         "El sistema es singular o está tan mal condicionado que no puedo resolverlo con fiabilidad."},
        // Both candidates need a negative magnitude along +y.
        {{"vT", "30<a", "v100"}, "No se pueden cumplir las ecuaciones de equilibrio."},
        // Three quantities that the two-quantity cases would take for two.
        {{"10<a", "F<b", "h5"}, "El número de incógnitas excede al número de ecuaciones."},
        {{"hN", "T<a", "v-10"}, "El número de incógnitas excede al número de ecuaciones."},
    };
    for (const auto& c : cases) {
        ForceTable t = Table(c.texts);
        for (ParticleForceRec& r : t)
            if (r.Hour.IsEmptyText()) r.DrawAngle = 0.0;
        const ForceTable before = t;
        const EquilibriumOutcome out = Solve(t);
        EXPECT_EQ(out.msg, c.msg) << c.texts[0];
        EXPECT_EQ(out.report, "");
        EXPECT_FALSE(out.redraw);
        for (size_t j = 0; j < t.size(); ++j)
            for (int k = 0; k < vec::ParsedVector::kCount; ++k) EXPECT_EQ(t[j].Field(k), before[j].Field(k));
    }
}

TEST(ParticleEquilibrium, ARunTimeErrorEndsTheSolutionSilently) {
    ForceTable t = Table({"h-30", "v-40", "0F<q"});
    t[2].DrawAngle = 45.0;
    const EquilibriumOutcome out = Solve(t);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.msg, "");
    EXPECT_EQ(out.report, "");
    EXPECT_FALSE(out.redraw);
}

TEST(ParticleEquilibrium, NothingToSolveReportsTheSums) {
    ForceTable t = Table({"h10", "v-2.5"});
    const ForceTable before = t;
    const EquilibriumOutcome out = Solve(t);
    EXPECT_EQ(out.msg, "");
    EXPECT_FALSE(out.redraw);
    EXPECT_EQ(out.report, "No hay incógnitas.\r\n;SF!x = 10\r\n;SF!y = -2.5");
    EXPECT_EQ(t[1].ArrowColor, before[1].ArrowColor);
}

TEST(ParticleEquilibrium, MagnitudeAndDirectionWithAChoice) {
    // A weight, a cable at 60 degrees and a strut of 80 at an unknown angle:
    // two solutions with positive tensions (a three-letter symbol too).
    // The strut first as well: its term then leads the x equation.
    for (const char* symbol : {"T1", "T12", "Tb"}) {
        const std::string cable = std::string("p60x,") + symbol;
        const bool strutFirst = std::string(symbol) == "Tb";
        ForceTable t = strutFirst ? Table({"80<a", "v-100", cable}) : Table({"v-100", cable, "80<a"});
        t[strutFirst ? 0 : 2].DrawAngle = 0.0;
        std::string prompt;
        const EquilibriumOutcome out = SolveParticleEquilibrium(t, 3, [&](const std::string& p) {
            prompt = p;
            return false;  // the second
        });
        ASSERT_EQ(out.msg, "") << symbol;
        ASSERT_FALSE(prompt.empty()) << symbol;
        EXPECT_EQ(prompt.rfind("Existen dos soluciones (posiblemente iguales) que son:\r\n", 0), 0u);
        EXPECT_NE(prompt.find(std::string(symbol) + " = "), std::string::npos);
        EXPECT_NE(prompt.find("Para escoger la primera oprime el botón \"Sí\". Para la segunda "
                              "oprime \"No\"."),
                  std::string::npos);
        const std::vector<std::string> lines = Lines(out.report);
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[4], ";SF!x = 0    ;SF!y = 0");
        // The second solution is the one written and reported.
        const std::string second = prompt.substr(prompt.find("\r\n") + 2);
        const std::string secondLine = second.substr(second.find("\r\n") + 2);
        const std::string t2 = secondLine.substr(secondLine.find(" = ") + 3);
        EXPECT_EQ(lines[2].substr(lines[2].find(" = ") + 3), t2.substr(0, t2.find(',')));
        EXPECT_NEAR(t[0].X.ToNumber() + t[1].X.ToNumber() + t[2].X.ToNumber(), 0, 1e-9);
        EXPECT_NEAR(t[0].Y.ToNumber() + t[1].Y.ToNumber() + t[2].Y.ToNumber(), 0, 1e-9);
    }
}

TEST(ParticleEquilibrium, TwoDirectionsOfKnownMagnitudes) {
    ForceTable t = Table({"h10", "10<a", "10<b"});
    t[1].DrawAngle = 100.0;
    t[2].DrawAngle = -100.0;
    const EquilibriumOutcome out = SolveParticleEquilibrium(t, 3, [](const std::string&) { return true; });
    ASSERT_EQ(out.msg, "");
    const std::vector<std::string> lines = Lines(out.report);
    EXPECT_EQ(lines[0], ";SF!x = 10 cos A + 10 cos B + 10 = 0");
    EXPECT_EQ(lines[1], ";SF!y = 10 sen A + 10 sen B = 0");
    EXPECT_EQ(lines[2], "A = ;-120°");
    EXPECT_EQ(lines[3], "B = 120°");
}

TEST(ParticleEquilibrium, OneMagnitudeSharedByTwoForces) {
    ForceTable t = Table({"hT", "T<a", "v-10", "h-10"});
    t[1].DrawAngle = 60.0;
    int asked = 0;
    const EquilibriumOutcome out = SolveParticleEquilibrium(t, 3, [&](const std::string&) {
        ++asked;
        return true;
    });
    ASSERT_EQ(out.msg, "");
    EXPECT_EQ(asked, 1);  // the one solution comes twice
    const std::vector<std::string> lines = Lines(out.report);
    EXPECT_EQ(lines[0], ";SF!x = T + T cos A ;- 10 = 0");
    EXPECT_EQ(lines[1], ";SF!y = T sen A ;- 10 = 0");
    EXPECT_EQ(lines[2], "T = 10");
    EXPECT_EQ(lines[3], "A = 90°");
}

TEST(ParticleSymbols, SubscriptMarkers) {
    EXPECT_EQ(FormatSubscriptSymbol("T"), "T");
    EXPECT_EQ(FormatSubscriptSymbol("t1"), "t!1");
    EXPECT_EQ(FormatSubscriptSymbol("Fab"), "F!A!B");
    EXPECT_EQ(FormatSubscriptSymbol("Fabc"), "Fabc");
}

}  // namespace
}  // namespace particle
