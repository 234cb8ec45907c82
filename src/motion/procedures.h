#pragma once
// The procedures the motion workspace dispatches to: the rectilinear-motion
// procedures (src/motion/mrua/) and the projectile-motion procedures
// (src/motion/projectile/), each behind one interface.
//
// Who calls what:
// - The strip's label clicks call the Set up / Subst* / two-click entries
//   (rectilinear), SetUpParabEqns / ApplyParabEqnsToPoint / Solve*FromPoint
//   / CalcParabDistance / GraphParabTrajectories / PutParabPoint
//   (projectile).
// - The listed-procedure runner (cmdProcs) calls ApplyIntervalEqns,
//   SolveXRelation, SolveVRelation, SolvePQConditions, SolveVaSystem
//   (rectilinear) and the listed projectile entries; it computes the
//   equations through three points and the three launch-data procedures
//   itself, calling SetUpParabEqns and PutParabPoint.
// - New problems and the erase-equations button call EraseEqnFlags and the
//   Clear*EqnLine entries.
//
// Conventions for implementers:
// - Every entry runs on the UI thread inside the handler that called it.
//   An entry reports the user's input errors itself, through plat::MsgBox
//   titled "Teluvar", and writes its result lines with shell::WriteResults.
//   A run-time failure (rt::RuntimeError: a text that is not a number, an
//   index out of range, a division by zero) may simply propagate: the
//   calling handler catches it and shows "No pude ejecutar la instrucción.";
//   what was written before stays.
// - The model (motion/state.h: MotionPoints, Segments, results arrays,
//   LinePos, ...) is read and written directly. The strip positions and
//   columns are mapped with motion/positions.h. Pictures and panes are on
//   the form (ui.Form().pic, pic1, rtbCalc); the table grid is ui.Gd2().
// - Values are rt::Variant where the caller may pass an empty text for an
//   unknown quantity ("" or Empty both mean unknown: test IsEmptyText()).
//
// Registration: MakeRectilinearProcedures and MakeProjectileProcedures are
// defined in src/motion/mrua/register.cpp and
// src/motion/projectile/register.cpp.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/variant.h"

namespace plat {
class FlexGrid;
}
namespace shell {
class Form1;
}

namespace motion {

// A relational datum typed in a table cell ("t0+2", "3*x1", "x1/4"): the
// point it refers to, as a one-character text, and the increment or the
// factor that relates the cell to that point (one of the two set).
struct RelationalDatum {
    rt::Variant point, increment, factor;
};

// The values of the interval equations, each Empty when not given.
struct IntervalData {
    rt::Variant a, ti, tf, dt, xi, xf, dx, vi, vf, dv;
};

// What the procedures may call back in the motion workspace.
class WorkspaceUi {
public:
    virtual ~WorkspaceUi() = default;
    // The main window (pic, pic1, rtbCalc, rtbReg, ...).
    virtual shell::Form1& Form() = 0;
    // The motion table: cell (row q, column p) shows MotionPoints(q, p).
    virtual plat::FlexGrid& Gd2() = 0;
    // True shows the graph picture pic1, false the equations picture pic.
    virtual void ShowPic1(bool show) = 0;
    // Fills and shows the results frame with solution 1 or 2 of the results
    // arrays, for (body, segment).
    virtual void ShowMruaResults(int body, int segment, int solution) = 0;
    // Enables or disables the button "2a. Sol." of the results frame.
    virtual void EnableSecondSolution(bool enabled) = 0;
    // Writes an acceleration box: mode 1 segment `segment` of body 1, mode 2
    // body 2's box; the box stores the text as the segment's Accel.
    virtual void SetTxtAccel(int mode, int segment, const rt::Variant& text) = 0;
    // Cursor on row 0 of column col of the table, focus to the table.
    virtual void FocusGd2OnCol(int col) = 0;
};

// Equation kinds posed for one rectilinear (body, segment): after a posing
// exactly one is true.
struct SegmentEqnKinds {
    bool numeric = false;  // NumericEqnFlags: base velocity and acceleration known
    bool paramV = false;   // ParamVEqnFlags: base velocity unknown
    bool paramA = false;   // ParamAEqnFlags: acceleration unknown
    bool paramVA = false;  // ParamVAEqnFlags: both unknown
};

// The sixteen inputs of the substitutions with parameters, in the order of
// their argument lists: the clicked point, the related point refPoint (0
// when no cell is relational), the plain values (Empty when a cell is
// relational or empty), the related column's stored values, the increments
// and the factors (Empty when not given).
struct ParamSubstArgs {
    int body = 0;
    int segment = 0;
    int point = 0;
    int refPoint = 0;
    rt::Variant t, x, v;
    rt::Variant tRef, xRef, vRef;
    rt::Variant dt, dx, dv;
    rt::Variant tFactor, xFactor, vFactor;
};

// Uniformly accelerated rectilinear motion.
class RectilinearProcedures {
public:
    virtual ~RectilinearProcedures() = default;

    // ---- equation records
    virtual SegmentEqnKinds EqnKinds(int body, int segment) const = 0;
    // All four flags of every body and segment become false.
    virtual void EraseEqnFlags() = 0;
    // Blanks rectilinear equation line k (1..10) of pic.
    virtual void ClearMruaEqnLine(int k) = 0;

    // Parses a relational datum typed in a table cell; an empty datum gives
    // three Empty values. std::nullopt: it does not parse.
    virtual std::optional<RelationalDatum> ParseRelDatum(const rt::Variant& datum) = 0;

    // ---- strip clicks (procedures 40, 42, 43)
    virtual void SetUpSegmentEqns(int body, int segment, int basePoint, const rt::Variant& a, const rt::Variant& tb,
                                  const rt::Variant& xb, const rt::Variant& vb) = 0;
    // The known one of t, x, v is a number, the other two "". show false
    // only fills the results arrays (entry 1).
    virtual void SubstPointNoParams(int body, int segment, int point, const rt::Variant& t, const rt::Variant& x,
                                    const rt::Variant& v, bool show) = 0;
    virtual void SubstIncrementsNoParams(int body, int segment, int p1, int p2, const rt::Variant& dt,
                                         const rt::Variant& dx, const rt::Variant& dv) = 0;
    // Kinds: 1 t, 2 x, 3 v. C the factor, D the increment of incrementKind.
    virtual void SubstRelationNoParams(int body, int segment, int factorKind, const rt::Variant& C, int incrementKind,
                                       const rt::Variant& D, int pI, int pF) = 0;
    virtual void SubstWithParamV(const ParamSubstArgs& a) = 0;
    virtual void SubstWithParamA(const ParamSubstArgs& a) = 0;
    virtual void SubstWithParamsVA(const ParamSubstArgs& a) = 0;

    // ---- two-click procedures: the strip x of the two clicks (44, 45, 52)
    virtual void ViewGraphXt(double x1, double x2) = 0;
    virtual void CalcMruaDistance(double x1, double x2) = 0;
    virtual void LinkSegments(double x1, double x2) = 0;

    // ---- listed procedures
    // Ten values a, ti, tf, dt, xi, xf, dx, vi, vf, dv: Empty or trimmed text.
    virtual void ApplyIntervalEqns(const IntervalData& data) = 0;
    virtual void SolveXRelation(double C, bool isDifference) = 0;  // 47, 48
    virtual void SolveVRelation(double C, bool isDifference) = 0;  // 49, 50
    virtual void SolvePQConditions(double p, double q) = 0;        // 51
    virtual void SolveVaSystem(const std::string& text) = 0;       // 53..57
};

// Equation kinds posed for one projectile body: after a successful set-up
// exactly one is true.
struct ParabEqnKinds {
    bool complete = false;  // ParabEqnFlags
    bool v0 = false;        // ParabV0EqnFlags: v0 to be found
    bool theta0 = false;    // ParabTheta0EqnFlags
    bool v0theta0 = false;  // ParabV0Theta0EqnFlags
    bool v0x = false;       // ParabV0xEqnFlags
    bool v0y = false;       // ParabV0yEqnFlags
};

// A body's launch: numbers once its equations are set up, "" for a launch
// quantity still to be found.
struct LaunchData {
    rt::Variant t0, x0, y0, vx0, vy0;
};

// Projectile motion.
class ProjectileProcedures {
public:
    virtual ~ProjectileProcedures() = default;

    // ---- model
    virtual ParabEqnKinds EqnKinds(int body) const = 0;
    // The six flags of both bodies become false.
    virtual void EraseEqnFlags() = 0;
    virtual LaunchData Launch(int body) const = 0;
    // Blanks projectile equation line n (1..10) of pic.
    virtual void ClearParabEqnLine(int n) = 0;

    // ---- set-up and the table
    // components false: p speed, q angle (degrees); true: p = v0x, q = v0y.
    // An empty p or q is a launch quantity to be found.
    virtual void SetUpParabEqns(int body, int point, const rt::Variant& t0, const rt::Variant& x0,
                                const rt::Variant& y0, const rt::Variant& p, const rt::Variant& q, bool components) = 0;
    // Writes t, x, y and the two velocity values into column col of Gd2
    // (rounded) and of MotionPoints (unrounded).
    virtual void PutParabPoint(int col, double t, double x, double y, double p, double q) = 0;

    // ---- strip clicks; the datum kind is State().ParabProcedureCode
    virtual void ApplyParabEqnsToPoint(int body, int point, int relPoint, const rt::Variant& d1,
                                       const rt::Variant& d2) = 0;
    virtual void SolveParabV0FromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) = 0;
    virtual void SolveParabTheta0FromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) = 0;
    virtual void StateParabV0Theta0Relation(int body, int point, const rt::Variant& d1, const rt::Variant& d2) = 0;
    virtual void SolveParabV0xFromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) = 0;
    virtual void SolveParabV0yFromPoint(int body, int point, const rt::Variant& d1, const rt::Variant& d2) = 0;
    // Writes the path length between two times (t1 <= t2 after the call; t2
    // may be swapped with t1); returns the refusal's text when it cannot be
    // computed, empty when it was written.
    virtual std::string CalcParabDistance(int body, double t1, double& t2) = 0;
    // The strip x of the two clicks.
    virtual void GraphParabTrajectories(double x1, double x2) = 0;

    // ---- listed procedures
    virtual void CalcParabRangeOnIncline(int body, const std::string& Xp, const std::string& Yp,
                                         double alfa) = 0;                               // 22
    virtual void IntersectParabTrajectories() = 0;                                       // 25
    virtual void SolveParabCollision(const std::string& tc) = 0;                         // 26
    virtual void SolveParabMeetsMover(const std::string& u, const std::string& tc) = 0;  // 27
    // M 2 x 2 and r indexed from 1 (entry 0 unused); kind 1 or 2.      28, 31
    virtual void SolveTanAndSecSystem(const std::array<std::array<double, 3>, 3>& M, const std::array<double, 3>& r,
                                      int kind) = 0;
    virtual void SolveTanSecWithComponent(double A, double B, double C, double D,
                                          int kind) = 0;  // 29, 30
    virtual void SolveTanSecPairWithV0Cos(double A, double B, double C, double D, double E,
                                          double F) = 0;  // 32
};

// Factories the workspace calls once when it builds its panels (defined in
// the procedure folders' register.cpp).
std::unique_ptr<RectilinearProcedures> MakeRectilinearProcedures(WorkspaceUi& ui);
std::unique_ptr<ProjectileProcedures> MakeProjectileProcedures(WorkspaceUi& ui);

}  // namespace motion
