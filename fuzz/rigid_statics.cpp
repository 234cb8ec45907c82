// Feeds arbitrary texts to the rigid-body model: the first line is a point
// string and its first vector ("ABC 3,4 2"), the next lines forces "P text"
// at points of system 1, the last one the equations to leave out. Nothing
// may crash or escape but the run-time errors the handlers report; a refused
// registration leaves the tables as they were; no solved value is infinite
// or not a number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/errors.h"
#include "statics/rigid/equations.h"
#include "statics/rigid/forces.h"
#include "statics/rigid/geometry.h"

namespace {
void Require(bool ok) {
    if (!ok) std::abort();
}
std::vector<std::string> Split(const std::string& s, char sep, size_t most) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; out.size() + 1 < most && (at = s.find(sep, from)) != std::string::npos; from = at + 1)
        out.push_back(s.substr(from, at - from));
    out.push_back(s.substr(from));
    return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string in(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = Split(in, '\n', 10);
    rigid::StatState st;
    const std::vector<std::string> head = Split(lines[0], ' ', 7);
    rigid::SepVectorEntry e;
    e.points = head[0];
    if (head.size() > 1) e.firstVector = head[1];
    for (size_t k = 2; k < head.size() && k <= 6; ++k) e.values[k] = head[k];
    e.repeat = "M";
    e.repeatVisible = true;
    // Any exception escaping is a finding: libFuzzer reports it as a crash.
    rigid::RegisterOutcome r = rigid::RegisterSepVectors(st, e);
    if (!r.ok) Require(st.SepVectors.empty() && st.StatPoints.empty());
    std::string all;
    for (const auto& p : st.StatPoints) all += p.Name;
    st.SystemPoints[1] = all;
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::vector<std::string> f = Split(lines[i], ' ', 2);
        std::string msg;
        rt::IgnoreError("the force handlers report their run-time errors to the student", [&] {
            rigid::AddDCLForce(st, 1, f[0], f.size() > 1 ? f[1] : std::string(), msg, 3);
            std::string m;
            rigid::NegateVectorText(lines[i], &m);
        });
    }
    const std::array<std::string, 6> refs{"", all.empty() ? "" : all.substr(0, 1), "", "", "", ""};
    rt::IgnoreError("the solve handler reports its run-time errors to the student", [&] {
        rigid::StatSolution s = rigid::SolveStatEqns(st, {1}, refs, lines.size() > 1 ? lines.back() : "", 3,
                                                     [](const std::string&) { return false; });
        for (double v : s.values) Require(std::isfinite(v));
        if (s.msg.empty()) rigid::SubstituteSolution(st, s.incs, s.values, 3);
        for (const auto& f : st.Forces)
            for (const auto& v : f.f) Require(!v.IsNumber() || std::isfinite(v.Number()));
    });
    return 0;
}
