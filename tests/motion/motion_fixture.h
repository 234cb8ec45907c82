#pragma once
// The main window in a motion workspace, with the rectilinear and projectile
// procedures replaced by one recording double: each call is written to
// `calls` as "Name(arg,arg,...)", Empty as "E" and texts in single quotes.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "motion/mrua/segment_eqns.h"
#include "motion/panel.h"
#include "motion/procedures.h"
#include "motion/state.h"
#include "platform/flexgrid.h"
#include "support/form1_fixture.h"
#include "text/globals.h"

namespace motiontest {

inline std::string Arg(const rt::Variant& v) {
    if (v.IsEmpty()) return "E";
    if (v.IsText()) return "'" + v.Text() + "'";
    return v.ToText();
}

struct Recorder {
    std::vector<std::string> calls;
    motion::SegmentEqnKinds segKinds;     // of every (body, segment)
    motion::ParabEqnKinds parabKinds[3];  // by body
    motion::LaunchData launch[3];
    rt::Variant mirrorTime = 7.25;  // ResultTimes(1) of a silent substitution
    std::string distanceRefusal;    // what CalcParabDistance answers
    void Add(const std::string& name, std::initializer_list<rt::Variant> args) {
        std::string c = name + "(";
        bool first = true;
        for (const auto& a : args) {
            if (!first) c += ",";
            first = false;
            c += Arg(a);
        }
        calls.push_back(c + ")");
    }
    bool Has(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }
    std::string Last() const { return calls.empty() ? std::string() : calls.back(); }
};

// Types `keys` into w key by key, as QTest::keyClicks does, also the
// characters no key of a plain keyboard bears (the minus sign U+2212 of the
// results, pasted into a keyboard's compose key).
inline void TypeKeys(QWidget* w, const QString& keys) {
    for (const QChar c : keys) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

class RecRect : public motion::RectilinearProcedures {
public:
    explicit RecRect(Recorder& r) : r_(r) {}
    motion::SegmentEqnKinds EqnKinds(int, int) const override { return r_.segKinds; }
    void EraseEqnFlags() override { r_.Add("EraseEqnFlags", {}); }
    void ClearMruaEqnLine(int k) override { r_.Add("ClearMruaEqnLine", {k}); }
    std::optional<motion::RelationalDatum> ParseRelDatum(const rt::Variant& d) override {
        return mrua::ParseRelDatumChecked(d);
    }
    void SetUpSegmentEqns(int b, int s, int p, const rt::Variant& a, const rt::Variant& t, const rt::Variant& x,
                          const rt::Variant& v) override {
        r_.Add("SetUpSegmentEqns", {b, s, p, a, t, x, v});
    }
    void SubstPointNoParams(int b, int s, int p, const rt::Variant& t, const rt::Variant& x, const rt::Variant& v,
                            bool show) override {
        r_.Add("SubstPointNoParams", {b, s, p, t, x, v, show});
        if (!show) motion::State().ResultTimes[1] = r_.mirrorTime;
    }
    void SubstIncrementsNoParams(int b, int s, int p1, int p2, const rt::Variant& dt, const rt::Variant& dx,
                                 const rt::Variant& dv) override {
        r_.Add("SubstIncrementsNoParams", {b, s, p1, p2, dt, dx, dv});
    }
    void SubstRelationNoParams(int b, int s, int fk, const rt::Variant& C, int ik, const rt::Variant& D, int pI,
                               int pF) override {
        r_.Add("SubstRelationNoParams", {b, s, fk, C, ik, D, pI, pF});
    }
    void SubstWithParamV(const motion::ParamSubstArgs& a) override { Param("SubstWithParamV", a); }
    void SubstWithParamA(const motion::ParamSubstArgs& a) override { Param("SubstWithParamA", a); }
    void SubstWithParamsVA(const motion::ParamSubstArgs& a) override { Param("SubstWithParamsVA", a); }
    void ViewGraphXt(double a, double b) override { r_.Add("ViewGraphXt", {a, b}); }
    void CalcMruaDistance(double a, double b) override { r_.Add("CalcMruaDistance", {a, b}); }
    void LinkSegments(double a, double b) override { r_.Add("LinkSegments", {a, b}); }
    void ApplyIntervalEqns(const motion::IntervalData& d) override {
        r_.Add("ApplyIntervalEqns", {d.a, d.ti, d.tf, d.dt, d.xi, d.xf, d.dx, d.vi, d.vf, d.dv});
    }
    void SolveXRelation(double C, bool d) override { r_.Add("SolveXRelation", {C, d}); }
    void SolveVRelation(double C, bool d) override { r_.Add("SolveVRelation", {C, d}); }
    void SolvePQConditions(double p, double q) override { r_.Add("SolvePQConditions", {p, q}); }
    void SolveVaSystem(const std::string& t) override { r_.Add("SolveVaSystem", {t}); }

private:
    void Param(const char* name, const motion::ParamSubstArgs& a) {
        r_.Add(name, {a.body, a.segment, a.point, a.refPoint, a.t, a.x, a.v, a.tRef, a.xRef, a.vRef, a.dt, a.dx, a.dv,
                      a.tFactor, a.xFactor, a.vFactor});
    }
    Recorder& r_;
};

class RecParab : public motion::ProjectileProcedures {
public:
    explicit RecParab(Recorder& r) : r_(r) {}
    motion::ParabEqnKinds EqnKinds(int body) const override { return r_.parabKinds[body]; }
    void EraseEqnFlags() override { r_.Add("EraseParabFlags", {}); }
    motion::LaunchData Launch(int body) const override { return r_.launch[body]; }
    void ClearParabEqnLine(int n) override { r_.Add("ClearParabEqnLine", {n}); }
    void SetUpParabEqns(int b, int p, const rt::Variant& t, const rt::Variant& x, const rt::Variant& y,
                        const rt::Variant& v, const rt::Variant& q, bool cs) override {
        r_.Add("SetUpParabEqns", {b, p, t, x, y, v, q, cs});
    }
    void PutParabPoint(int c, double t, double x, double y, double p, double q) override {
        r_.Add("PutParabPoint", {c, t, x, y, p, q});
    }
    void ApplyParabEqnsToPoint(int b, int p, int rel, const rt::Variant& d1, const rt::Variant& d2) override {
        r_.Add("ApplyParabEqnsToPoint", {b, p, rel, d1, d2, motion::State().ParabProcedureCode});
    }
    void SolveParabV0FromPoint(int b, int p, const rt::Variant& d1, const rt::Variant& d2) override {
        r_.Add("SolveParabV0FromPoint", {b, p, d1, d2, motion::State().ParabProcedureCode});
    }
    void SolveParabTheta0FromPoint(int b, int p, const rt::Variant& d1, const rt::Variant& d2) override {
        r_.Add("SolveParabTheta0FromPoint", {b, p, d1, d2, motion::State().ParabProcedureCode});
    }
    void StateParabV0Theta0Relation(int b, int p, const rt::Variant& d1, const rt::Variant& d2) override {
        r_.Add("StateParabV0Theta0Relation", {b, p, d1, d2, motion::State().ParabProcedureCode});
    }
    void SolveParabV0xFromPoint(int b, int p, const rt::Variant& d1, const rt::Variant& d2) override {
        r_.Add("SolveParabV0xFromPoint", {b, p, d1, d2, motion::State().ParabProcedureCode});
    }
    void SolveParabV0yFromPoint(int b, int p, const rt::Variant& d1, const rt::Variant& d2) override {
        r_.Add("SolveParabV0yFromPoint", {b, p, d1, d2, motion::State().ParabProcedureCode});
    }
    std::string CalcParabDistance(int b, double t1, double& t2) override {
        r_.Add("CalcParabDistance", {b, t1, t2});
        return r_.distanceRefusal;
    }
    void GraphParabTrajectories(double a, double b) override { r_.Add("GraphParabTrajectories", {a, b}); }
    void CalcParabRangeOnIncline(int b, const std::string& x, const std::string& y, double a) override {
        r_.Add("CalcParabRangeOnIncline", {b, x, y, a});
    }
    void IntersectParabTrajectories() override { r_.Add("IntersectParabTrajectories", {}); }
    void SolveParabCollision(const std::string& tc) override { r_.Add("SolveParabCollision", {tc}); }
    void SolveParabMeetsMover(const std::string& u, const std::string& tc) override {
        r_.Add("SolveParabMeetsMover", {u, tc});
    }
    void SolveTanAndSecSystem(const std::array<std::array<double, 3>, 3>& M, const std::array<double, 3>& r,
                              int kind) override {
        r_.Add("SolveTanAndSecSystem", {M[1][1], M[1][2], r[1], M[2][1], M[2][2], r[2], kind});
    }
    void SolveTanSecWithComponent(double A, double B, double C, double D, int kind) override {
        r_.Add("SolveTanSecWithComponent", {A, B, C, D, kind});
    }
    void SolveTanSecPairWithV0Cos(double A, double B, double C, double D, double E, double F) override {
        r_.Add("SolveTanSecPairWithV0Cos", {A, B, C, D, E, F});
    }

private:
    Recorder& r_;
};

class MotionTest : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        text::G().Decimals = 3;
    }
    void TearDown() override {
        text::G().Decimals = 3;
        Form1Test::TearDown();
    }
    // Opens the workspace of toolbar button 4 (rectilinear) or 5
    // (projectile), then puts the recording double in place.
    void Open(int button) {
        PressToolbar(button);
        m().SetProcedures(std::make_unique<RecRect>(rec), std::make_unique<RecParab>(rec));
    }

    motion::Motion& m() { return *motion::Motion::Instance(); }
    motion::MotionState& s() { return motion::State(); }
    // Left click in the grey space over column col, or on its label.
    void Grey(int col, int shift = 0) { m().picAccel_MouseDown(1, shift, 64 * col - 20, 30); }
    void Label(int col, int shift = 0) { m().picAccel_MouseDown(1, shift, 64 * col - 20, 10); }
    void Put(int q, int p, const rt::Variant& v) { m().SetPointCell(q, p, v); }
    QString Cell(int q, int p) { return m().panel().Gd2->TextMatrix(q, p); }
    QString LastPrompt() const { return dialogs.Shown().empty() ? QString() : dialogs.Shown().back().prompt; }

    Recorder rec;
};

}  // namespace motiontest
