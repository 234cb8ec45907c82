// Feeds arbitrary force lists (one text per line, the first line's digits
// the drawing angles) to the particle's table and solution: nothing may
// crash or escape as an exception, a refusal leaves the table as it was,
// and no report or table value shown is infinite or not a number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "numerics/mathutil.h"
#include "statics/particle/equations.h"
#include "statics/particle/forces.h"

namespace {
void Require(bool ok) {
    if (!ok) std::abort();
}
bool Finite(const rt::Variant& v) { return !v.IsNumber() || std::isfinite(v.Number()); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string in(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> texts;
    size_t from = 0;
    for (size_t at; texts.size() < 8 && (at = in.find('\n', from)) != std::string::npos; from = at + 1)
        texts.push_back(in.substr(from, at - from));
    if (texts.size() < 8) texts.push_back(in.substr(from));

    particle::ParticleState s;
    // Any exception escaping is a finding: libFuzzer reports it as a crash.
    particle::LoadParticleForces(s, texts, 0, 397, 385, 3);
    int k = 0;
    for (particle::ParticleForceRec& r : s.ParticleForces)
        if (r.Hour.IsEmptyText()) r.DrawAngle = 45.0 * (k++ % 8);
    const particle::ForceTable before = s.ParticleForces;
    int choice = 0;
    particle::EquilibriumOutcome out;
    out = particle::SolveParticleEquilibrium(s.ParticleForces, 3,
                                             [&](const std::string&) { return (choice++ % 2) == 0; });
    if (!out.msg.empty()) {
        Require(out.report.empty() && !out.redraw);
        for (size_t j = 0; j < before.size(); ++j) {
            for (int f = 0; f < vec::ParsedVector::kCount; ++f)
                Require(s.ParticleForces[j].Field(f) == before[j].Field(f));
            Require(s.ParticleForces[j].OriginX == before[j].OriginX &&
                    s.ParticleForces[j].OriginY == before[j].OriginY);
        }
    }
    Require(out.report.find("inf") == std::string::npos);
    Require(out.report.find("nan") == std::string::npos);
    for (const particle::ParticleForceRec& r : s.ParticleForces)
        for (int f = 0; f < vec::ParsedVector::kCount; ++f) Require(Finite(r.Field(f)));
    return 0;
}
