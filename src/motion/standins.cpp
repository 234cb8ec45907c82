// Stand-ins of the rectilinear and projectile procedures, used until those
// folders register their own implementations, and the relational-datum
// grammar of the table cells.
#include <QString>

#include "motion/procedures.h"
#include "platform/dialogs.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace motion {

std::optional<std::array<rt::Variant, 3>> ParseRelDatumText(const rt::Variant& datum) {
    std::array<rt::Variant, 3> r{};
    const std::string s = datum.ToText();
    if (s.empty()) return r;
    auto pos = [&](char c) {
        const auto p = s.find(c);
        return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
    };
    const int P = pos('+'), M = pos('-'), S = pos('*'), Q = pos('/');
    auto ch = [&](size_t i) { return i < s.size() ? std::string(1, s[i]) : std::string(); };
    const std::string last = std::string(1, s.back());
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

namespace {

void Placeholder() { plat::MsgBox(QStringLiteral("Procedimiento no disponible.")); }

class StandInRectilinear : public RectilinearProcedures {
public:
    SegmentEqnKinds EqnKinds(int, int) const override { return {}; }
    void EraseEqnFlags() override {}
    void ClearMruaEqnLine(int) override {}
    std::optional<std::array<rt::Variant, 3>> ParseRelDatum(const rt::Variant& d) override {
        return ParseRelDatumText(d);
    }
    void SetUpSegmentEqns(int, int, int, const rt::Variant&, const rt::Variant&, const rt::Variant&,
                          const rt::Variant&) override { Placeholder(); }
    void SubstPointNoParams(int, int, int, const rt::Variant&, const rt::Variant&, const rt::Variant&,
                            bool) override { Placeholder(); }
    void SubstIncrementsNoParams(int, int, int, int, const rt::Variant&, const rt::Variant&,
                                 const rt::Variant&) override { Placeholder(); }
    void SubstRelationNoParams(int, int, int, const rt::Variant&, int, const rt::Variant&, int,
                               int) override { Placeholder(); }
    void SubstWithParamV(const ParamSubstArgs&) override { Placeholder(); }
    void SubstWithParamA(const ParamSubstArgs&) override { Placeholder(); }
    void SubstWithParamsVA(const ParamSubstArgs&) override { Placeholder(); }
    void ViewGraphXt(double, double) override { Placeholder(); }
    void CalcMruaDistance(double, double) override { Placeholder(); }
    void LinkSegments(double, double) override { Placeholder(); }
    void ApplyIntervalEqns(const std::array<rt::Variant, 10>&) override { Placeholder(); }
    void SolveXRelation(double, bool) override { Placeholder(); }
    void SolveVRelation(double, bool) override { Placeholder(); }
    void SolvePQConditions(double, double) override { Placeholder(); }
    void SolveVaSystem(const std::string&) override { Placeholder(); }
};

class StandInProjectile : public ProjectileProcedures {
public:
    ParabEqnKinds EqnKinds(int) const override { return {}; }
    void EraseEqnFlags() override {}
    LaunchData Launch(int) const override { return {}; }
    void ClearParabEqnLine(int) override {}
    void SetUpParabEqns(int, int, const rt::Variant&, const rt::Variant&, const rt::Variant&,
                        const rt::Variant&, const rt::Variant&, bool) override { Placeholder(); }
    void PutParabPoint(int, double, double, double, double, double) override { Placeholder(); }
    void ApplyParabEqnsToPoint(int, int, int, const rt::Variant&, const rt::Variant&) override {
        Placeholder();
    }
    void SolveParabV0FromPoint(int, int, const rt::Variant&, const rt::Variant&) override {
        Placeholder();
    }
    void SolveParabTheta0FromPoint(int, int, const rt::Variant&, const rt::Variant&) override {
        Placeholder();
    }
    void StateParabV0Theta0Relation(int, int, const rt::Variant&, const rt::Variant&) override {
        Placeholder();
    }
    void SolveParabV0xFromPoint(int, int, const rt::Variant&, const rt::Variant&) override {
        Placeholder();
    }
    void SolveParabV0yFromPoint(int, int, const rt::Variant&, const rt::Variant&) override {
        Placeholder();
    }
    rt::Variant CalcParabDistance(int, double, double&) override {
        Placeholder();
        return rt::Variant(0.0);
    }
    void GraphParabTrajectories(double, double) override { Placeholder(); }
    void CalcParabRangeOnIncline(int, const std::string&, const std::string&, double) override {
        Placeholder();
    }
    void IntersectParabTrajectories() override { Placeholder(); }
    void SolveParabCollision(const std::string&) override { Placeholder(); }
    void SolveParabMeetsMover(const std::string&, const std::string&) override { Placeholder(); }
    void SolveTanAndSecSystem(const std::array<std::array<double, 3>, 3>&,
                              const std::array<double, 3>&, int) override { Placeholder(); }
    void SolveTanSecWithComponent(double, double, double, double, int) override { Placeholder(); }
    void SolveTanSecPairWithV0Cos(double, double, double, double, double, double) override {
        Placeholder();
    }
};

}  // namespace

std::unique_ptr<RectilinearProcedures> MakeStandInRectilinear(WorkspaceUi&) {
    return std::make_unique<StandInRectilinear>();
}
std::unique_ptr<ProjectileProcedures> MakeStandInProjectile(WorkspaceUi&) {
    return std::make_unique<StandInProjectile>();
}

}  // namespace motion
