#pragma once
// The motion model: the state that the rectilinear workspace (kRectilinearWorkspace)
// and the projectile workspace (kProjectileWorkspace) share, and that the
// rectilinear and projectile procedures read and write directly.
//
// - Points store MotionPoints(q, p): quantity q 0..4 (the row of Gd2) of table
//   column p 1..9. Rectilinear rows: 0 t, 1 x, 2 v. Projectile rows: 0 t, 1 x,
//   2 y, 3 speed or vx, 4 direction (degrees) or vy, by the column's
//   ComponentVelocityFlags. An element is Empty, a text (as typed or pasted,
//   unrounded; a relational datum such as "t0+2"), or a number (written by a
//   procedure, unrounded). Every reader accepts all three. Reach it through
//   MotionPoint(q, p), for which the bounds are the program's own, or
//   CheckedMotionPoint(q, p) for a point named by what the user typed or
//   clicked.
// - Bodies and segments: NumBodies (0 until the first configuration, then 1
//   or 2), PointsPerBody(1..2) (body 1 owns columns 1..PointsPerBody(1),
//   body 2 the next ones), Segments(body 1..2, segment 1..3) with FirstPoint
//   and LastPoint numbered from 0 within the body and Accel (Empty or "" when
//   unknown, the typed text, or a number), SegmentPointCounts,
//   SegmentsPerBody.
// - Configuration flags and two-click fields, the results of the last
//   rectilinear procedure (ResultCaptions 1..2; ResultTimes, ResultPositions,
//   ResultVelocities 1..4, solution s in entries 2s-1 and 2s; ShownSolution),
//   the rectilinear RectProcedureCode, the projectile codes ParabActionMode
//   and ParabProcedureCode, and the ten
//   equation-line positions LinePos(1..10).
// - The symbol and colour tables (PositionSymbols, VelocitySymbols,
//   AccelSymbols, ResultColors, CurveColors) are set at start-up in the shared
//   state: shell::Shared().
//
// Arrays indexed from 1 keep an unused element 0 so the indexes read as
// everywhere else: State().Segments[1][2].LastPoint is body 1, segment 2.
// The state lives for the whole run; the new-problem actions of the
// workspace reset their parts of it. No widget include.
#include <array>

#include "runtime/errors.h"
#include "runtime/variant.h"
#include "shell/defaults.h"

namespace motion {

template <class T, int N>
using Array1 = shell::Array1<T, N>;
template <class T, int R, int C>
using Array2 = shell::Array2<T, R, C>;

// Gravity (m/s²) as every motion procedure takes it, with the half and
// the double its formulas use.
inline constexpr double kG = 9.8;
inline constexpr double kHalfG = 4.9;
inline constexpr double kTwoG = 19.6;
// kHalfG as the equation texts write it.
inline constexpr char kHalfGText[] = "4.9";

// The rectilinear procedures, by the codes they have always had: the five
// pictures' (40, 42..45) and the listed ones (41, 46..57).
enum class RectProcedure : int {
    None = 0,
    SetUpEquations = 40,
    ThroughThreePoints = 41,
    SubstituteNoParams = 42,
    SubstituteWithParams = 43,
    Graph = 44,
    Distance = 45,
    IntervalEquations = 46,
    XDifference = 47,  // x - X = C
    XRatio = 48,       // x = C X
    VDifference = 49,  // v - V = C
    VRatio = 50,       // v = C V
    PQConditions = 51,
    LinkSegments = 52,
    SystemVA = 53,        // v0, a - v0, a
    SystemV2A = 54,       // v0², a - v0, a
    SystemV2A2A = 55,     // v0², a², a - v0, a
    SystemV2A2AV2A = 56,  // v0², a², a - v0², a
    Quadratic = 57,       // A x² + B x + C = 0
};

// What a label click does in the projectile workspace.
enum class ParabAction : int {
    None = 0,
    SetUp = 1,
    CompletePoint = 2,
    V0Theta0 = 3,  // v0 or theta0 from a point
    V0xV0y = 4,    // v0x or v0y from a point
    Distance = 5,
    Graph = 6,
};

inline constexpr int kMaxPoints = 9;   // table columns 1..9
inline constexpr int kQuantities = 5;  // rows 0..4

// One segment of constant acceleration of one body.
struct SegmentRec {
    int FirstPoint = 0;  // 0-based within the body
    int LastPoint = 0;
    rt::Variant Accel;  // Empty / "" unknown, typed text, or a number
};

// Text position of one equation line on the equations picture pic
// (picture units, y up).
struct LinePosRec {
    int X = 0;
    int Y = 0;
};

struct MotionState {
    // ---- points store: [q][p], q 0..4, p 1..9 ([q][0] unused)
    std::array<std::array<rt::Variant, kMaxPoints + 1>, kQuantities> MotionPoints{};
    // True when column p's velocity is given by components ("cs").
    Array1<bool, kMaxPoints> ComponentVelocityFlags{};

    // ---- bodies and segments
    int NumBodies = 0;
    Array1<int, 2> PointsPerBody{};
    Array2<SegmentRec, 2, 3> Segments{};
    Array2<int, 2, 3> SegmentPointCounts{};
    Array1<int, 2> SegmentsPerBody{};

    // ---- configuration
    // Rectilinear 0..3, projectile 0..1; 4 no kind chosen yet.
    int ProblemKind = 4;
    bool AwaitingBodySplit = false;
    bool AwaitingSegmentLimits = false;
    int SegmentCount = 0;  // segment limits of body 1 taken (3 once complete)
    bool SegmentsComplete = false;
    bool TableReady = false;  // rectilinear configuration finished

    // ---- two-click procedures
    int GraphClickCount = 0;
    int LinkClickCount = 0;
    int DistanceClickCount = 0;
    rt::Variant FirstClickValue;  // strip x, or a time (projectile distance)
    rt::Variant SecondClickValue;
    int FirstClickBody = 0;
    int SecondClickBody = 0;

    // ---- results of the last rectilinear substitution or linking
    Array1<rt::Variant, 2> ResultCaptions{};
    Array1<rt::Variant, 4> ResultTimes{};
    Array1<rt::Variant, 4> ResultPositions{};
    Array1<rt::Variant, 4> ResultVelocities{};
    int ShownSolution = 1;

    // ---- rectilinear procedure: a picture's or a listed one
    RectProcedure RectProcedureCode = RectProcedure::None;

    // ---- projectile procedure codes
    // What a label click does.
    ParabAction ParabActionMode = ParabAction::None;
    // Listed procedure (2..4, 21, 22, 25..32), or the datum kind of the
    // clicked column (5..20); 1 nothing chosen.
    int ParabProcedureCode = 0;

    // ---- equation lines 1..10
    Array1<LinePosRec, 10> LinePos{};
};

// The one model of the run.
MotionState& State();

// The model of a fresh run, with the rectilinear equation records and the
// projectile model; test fixtures call it.
void ResetState();

// Element (q, p) of MotionPoints, where the program found q and p (a
// procedure's point, a cell of the table): q outside 0..4 or p outside 1..9
// is a program fault.
rt::Variant& MotionPoint(int q, int p);
// Element (q, p) of MotionPoints for a point the user typed or clicked (a
// point clicked on the strip, a column dropped on it): outside the bounds it
// is bad input, SubscriptOutOfRange.
rt::Variant& CheckedMotionPoint(int q, int p);

// Element k of a list a procedure chose from (a root, a solution, a body's
// launch, a control of an array); the program chose k, so outside the list
// it is a program fault.
template <class List>
const auto& Element(const List& list, long long k) {
    rt::ExpectIndex(k, 0, static_cast<long long>(list.size()) - 1, "element of a list");
    return list[static_cast<size_t>(k)];
}

// Whether column col gives its velocity by components; col is a column the
// program found (column 0, no body configured, is none): outside 0..9 it is a
// program fault.
inline bool ComponentColumn(int col) {
    rt::ExpectIndex(col, 0, kMaxPoints, "column of a velocity mode");
    return State().ComponentVelocityFlags[static_cast<size_t>(col)];
}

// Every element of MotionPoints becomes Empty.
void EraseMotionPoints();
// ResultCaptions, ResultTimes, ResultPositions, ResultVelocities become Empty.
void EraseResults();
// Every segment record becomes (0, 0, Empty).
void EraseSegments();
// Counters of the two-click procedures back to 0.
void ResetClickCounters();

// Rectilinear equation lines 1 to 8 at x = 10, y = 340 - 18 (k - 1);
// lines 9 and 10 are left as they are.
void InitMruaEqnLinePositions();
// Projectile equation lines 1 to 10 at x = 10, y = 340 - 20 (k - 1).
void InitParabEqnLinePositions();

// The shared symbol and colour tables of the motion procedures.
inline const std::string& PositionSymbol(int body, int segment) {
    rt::ExpectIndex(body, 0, 2, "body of a symbol");
    rt::ExpectIndex(segment, 0, 3, "segment of a symbol");
    return shell::Shared().PositionSymbols[body][segment];
}
inline const std::string& VelocitySymbol(int body, int segment) {
    rt::ExpectIndex(body, 0, 2, "body of a symbol");
    rt::ExpectIndex(segment, 0, 3, "segment of a symbol");
    return shell::Shared().VelocitySymbols[body][segment];
}
inline const std::string& AccelSymbol(int body, int segment) {
    rt::ExpectIndex(body, 0, 2, "body of a symbol");
    rt::ExpectIndex(segment, 0, 3, "segment of a symbol");
    return shell::Shared().AccelSymbols[body][segment];
}

}  // namespace motion
