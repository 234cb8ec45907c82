#include "statics/rigid/state.h"

#include <set>

#include "runtime/errors.h"
#include "runtime/rounding.h"
#include "statics/rigid/util.h"
#include "vectors/text.h"

namespace rigid {

int ForceRec::Body() const { return rt::CInt((*this)[fr::kBody].ToNumber()); }

rt::ColorRef SystemColor(int system) {
    rt::ExpectIndex(system, 1, kMaxSystems, "system colour");
    return kSystemColors[static_cast<size_t>(system)];
}

void StatState::EraseStructure() {
    SepVectors.clear();
    StatPoints.clear();
    for (auto& s : SystemPoints) s.clear();
    Lines.clear();
    EraseForces();
}

void StatState::EraseForces() {
    Forces.clear();
    SystemForcesCopied.fill(false);
}

int FindPoint(const StatState& st, const std::string& name) {
    for (size_t i = 0; i < st.StatPoints.size(); ++i)
        if (st.StatPoints[i].Name == name) return static_cast<int>(i) + 1;
    return 0;
}

const PointRec& PointAt(const StatState& st, int index1) {
    rt::ExpectIndex(index1, 1, st.StatPointCount(), "point");
    return st.StatPoints[static_cast<size_t>(index1 - 1)];
}

PointRec& PointAt(StatState& st, int index1) {
    rt::ExpectIndex(index1, 1, st.StatPointCount(), "point");
    return st.StatPoints[static_cast<size_t>(index1 - 1)];
}

bool HasRepeatedLetter(const std::string& s) {
    std::set<std::string> seen;
    for (const std::string& c : Chars(s))
        if (!seen.insert(vec::text::Upper(c)).second) return true;
    return false;
}

}  // namespace rigid
