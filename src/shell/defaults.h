#pragma once
// The shared state that every workspace reads: which workspace and procedure
// are chosen, the calculator's options, the argument-grid selection, the
// drawing pictures' plot frame and the motion palette and symbols.
//
// It lives for the whole run. Every field is zero, empty or false until
// InitGlobals gives it its start value, once, when the main window loads;
// the new-problem actions of the workspaces never reset it.
//
// The other shared defaults live with the module that uses them and are set
// by the same InitGlobals: Decimals (text/globals.h), AngleFactor
// (numerics/expression.h), DrawScale, DirHour and DirAlpha (DrawEng(),
// shell/draweng.h).
//
// Tables indexed from 1 keep an unused element 0, so code reads them with the
// indexes used everywhere else: PositionSymbols[2][1] is body 2, segment 1.
// No widget include: tests and pure code use this freely.
#include <array>
#include <cstdint>
#include <string>

#include "runtime/colors.h"

namespace shell {

template <class T, int N>
using Array1 = std::array<T, N + 1>;  // (1 To N)
template <class T, int R, int C>
using Array2 = std::array<std::array<T, C + 1>, R + 1>;  // (1 To R, 1 To C)

// The workspaces, as WorkspaceMode holds them (the toolbar's button 1..6).
enum WorkspaceId : int32_t {
    kNoWorkspace = 0,  // the welcome page before any choice
    kCalculatorWorkspace = 1,
    kParticleWorkspace = 2,
    kRigidWorkspace = 3,
    kRectilinearWorkspace = 4,
    kProjectileWorkspace = 5,
    kKinematicsWorkspace = 6,
};

// The calculator's procedure groups, as ProcedureGroup holds them (the
// procedure bar's upper cells 1..8).
enum ProcedureGroupId : int32_t {
    kNoGroup = 0,           // none chosen yet
    kMatrixGroup = 1,       // determinant and linear systems
    kEquationGroup = 2,     // equations in one variable and roots
    kGeometryGroup = 3,     // triangles and polygons
    kFunctionGroup = 4,     // tables, derivatives, integral, roots and graph of a function of x
    kGraphGroup = 5,        // graphs
    kFitGroup = 6,          // least-squares fits
    kVectorGroup = 7,       // vectors
    kForceSystemGroup = 8,  // systems of forces
};

// The plane-kinematics laws, as KinemLaw holds them: x(t), v(t, x) and
// a(t, x, v) from the law bar's cells 1..3, then the two plane laws.
enum KinemLawId : int32_t {
    kNoLaw = 0,
    kLawX = 11,
    kLawV = 12,
    kLawA = 13,
    kLawXY = 14,     // x(t) with y(t)
    kLawPolar = 15,  // r(t) with theta(t), radians
};

// A rectangle of the argument grid (rows and columns from 1) and its size.
struct GridBlock {
    uint8_t TopRow = 0, BottomRow = 0, LeftCol = 0, RightCol = 0;
    uint8_t RowCount = 0, ColCount = 0;

    static GridBlock Spanning(int top, int bottom, int left, int right) {
        return {static_cast<uint8_t>(top),
                static_cast<uint8_t>(bottom),
                static_cast<uint8_t>(left),
                static_cast<uint8_t>(right),
                static_cast<uint8_t>(bottom - top + 1),
                static_cast<uint8_t>(right - left + 1)};
    }
};

struct SharedState {
    // Active workspace.
    WorkspaceId WorkspaceMode = kNoWorkspace;
    // The calculator's choice on its procedure bar: group 1..8 and procedure
    // 1..38 (58..68 the unit conversions). Each workspace keeps its own
    // choice, so a visit elsewhere never changes it: the rectilinear code is
    // motion::State().RectProcedureCode.
    ProcedureGroupId ProcedureGroup = kNoGroup;
    int32_t ProcedureCode = 0;
    // The plane-kinematics law: 11 x(t), 12 v(t), 13 a(t) from the bar; 14
    // and 15 the plane laws. Written only by the kinematics workspace.
    KinemLawId KinemLaw = kNoLaw;

    // Options of the calculator's expression box.
    bool ExprHotKeys = false;  // hot keys on
    bool ExprInfix = false;    // infix formulas (false: reverse Polish)

    // Argument grid: data columns across its width; its selection, and the
    // copy of it taken on every valid selection change and every Enter.
    uint8_t GridColsPerView = 0;
    GridBlock Selection;
    GridBlock SavedSelection;

    // Direction clock and particle-statics axes.
    int16_t ClockMarkedHour = 0;
    double AxesRotation = 0;  // degrees

    // Drawing pictures (pixels) and the square plot frame of the graphs.
    double PicHeight = 0;
    double PicWidth = 0;
    double PlotSide = 0;
    double PlotBottom = 0;
    double PlotLeft = 0;

    // Motion palette: result-label and segment-bar colours (0 To 3) and the
    // x(t) curve colour of each body and segment.
    std::array<rt::ColorRef, 4> ResultColors{};
    Array2<rt::ColorRef, 2, 3> CurveColors{};

    // Motion symbols: body 1 lower case with primes per segment, body 2 upper
    // case with one segment; projectile components with the markup subscript.
    Array2<std::string, 2, 3> PositionSymbols;
    Array2<std::string, 2, 3> VelocitySymbols;
    Array2<std::string, 2, 3> AccelSymbols;
    Array1<std::string, 2> ParabXSymbols;
    Array1<std::string, 2> ParabYSymbols;
    Array1<std::string, 2> ParabVxSymbols;
    Array1<std::string, 2> ParabVySymbols;
};

// The one shared state of the run.
SharedState& Shared();

// Gives the shared state, Decimals, AngleFactor and the drawing engine's
// scale and direction their start values. Fields without a start value are
// left as they are.
void InitGlobals();

// The shared state as a fresh run has it once the main window loaded: every
// field emptied, then InitGlobals. Test fixtures call it so that no test
// sees what another left.
void ResetShared();

}  // namespace shell
