#include "calculator/dispatch.h"

#include <QString>

#include "calculator/numprocs.h"
#include "platform/dialogs.h"
#include "shell/defaults.h"

namespace calc {

Route RouteOf(shell::ProcedureGroupId group, int code) {
    switch (group) {
    case shell::kMatrixGroup: return code == 1 || code == 2 ? Route::Numeric : Route::None;
    case shell::kEquationGroup: return code >= 5 && code <= 9 ? Route::Numeric : Route::None;
    case shell::kGeometryGroup: return code >= 10 && code <= 12 ? Route::Geometry : Route::None;
    case shell::kFunctionGroup:
        if (code == 9) return Route::AsGroup2;
        return code >= 13 && code <= 22 ? Route::Numeric : Route::None;
    case shell::kGraphGroup: return code >= 20 && code <= 22 ? Route::AsGroup4 : Route::None;
    case shell::kFitGroup: return code >= 23 && code <= 26 ? Route::Numeric : Route::None;
    case shell::kVectorGroup:
        if (code == 38) return Route::Particle;
        return code >= 27 && code <= 33 ? Route::Vector : Route::None;
    case shell::kForceSystemGroup: return code >= 34 && code <= 37 ? Route::Vector : Route::None;
    default: return Route::None;
    }
}

bool EvaluatesCells(shell::ProcedureGroupId group, int code) {
    return (group != shell::kVectorGroup && group != shell::kForceSystemGroup) || code == 37;
}

DriverEnd RunNumericDriver(const CalcRequest& r) {
    NumericRequest n;
    n.args = r.args;
    n.selRows = r.rowCount;
    n.selCols = r.colCount;
    n.expression = r.expr;
    n.expressionHint = r.exprHint;
    n.pic = r.pic;
    return RunNumericProcedure(r.code, n).completed ? DriverEnd::Common : DriverEnd::Quit;
}

}  // namespace calc
