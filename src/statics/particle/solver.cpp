#include "statics/particle/solver.h"

#include <cmath>

#include "numerics/equations.h"
#include "numerics/linalg.h"
#include "numerics/mathutil.h"
#include "runtime/errors.h"

namespace particle {

namespace {

constexpr double kTol = 1E-06;
const char* const kDataError = "Error en los datos.";
const char* const kNoSolution = "No existe solución.";

bool NearZero(double v) { return num::IsNear(v, 0, kTol); }

UnknownsResult Fail(const char* message) { return UnknownsResult::Refusal(message); }

// The two roots of a cos t + b sin t + c = 0, or false when there is none.
bool TrigRoots(double a, double b, double c, double& r0, double& r1) {
    const auto roots = num::SolveTrigEquation(a, b, c);
    if (!roots) return false;
    r0 = (*roots)[0];
    r1 = (*roots)[1];
    return true;
}

// A negative magnitude is turned positive with its direction reversed.
void MakePositive(double& t, double& a) {
    if (t < 0) {
        t = std::fabs(t);
        a = num::NormAngle(a + 180);
    }
}

UnknownsResult Kind1(double a11, double a12, double c1, double a21, double a22, double c2) {
    const double det = rt::Sub(rt::Mul(a11, a22), rt::Mul(a12, a21));
    // The coefficients are components of directions: a determinant this
    // small means two of them are parallel, or nearly so.
    if (NearZero(det)) return Fail(num::kSingularSystem);
    const double u1 = -rt::Div(c1 * a22 - a12 * c2, det);
    const double u2 = -rt::Div(a11 * c2 - c1 * a21, det);
    return std::vector<double>{rt::Checked(u1), rt::Checked(u2)};
}

UnknownsResult Kind2(double a11, double a12, double c1, double a21, double a22, double c2) {
    if (NearZero(a12) || NearZero(a22)) return Fail("No resuelvo este caso.");
    double a[2], t[2];
    if (NearZero(a11) && !NearZero(a21)) {
        // T only in the y equation.
        const double ratio = rt::Div(c1, a12);
        if (std::fabs(ratio) > 1) return Fail(kNoSolution);
        a[0] = num::ArcCosDeg(-ratio);
        a[1] = -a[0];
        for (int k = 0; k < 2; ++k) t[k] = rt::Div(-c2 - a22 * num::SinDeg(a[k]), a21);
    } else if (NearZero(a21) && !NearZero(a11)) {
        // T only in the x equation.
        const double ratio = rt::Div(c2, a22);
        if (std::fabs(ratio) > 1) return Fail(kNoSolution);
        a[0] = num::ArcSinDeg(-ratio);
        a[1] = num::NormAngle(180 - a[0]);
        for (int k = 0; k < 2; ++k) t[k] = rt::Div(-c1 - a12 * num::CosDeg(a[k]), a11);
    } else if (!NearZero(a11) && !NearZero(a21)) {
        if (!TrigRoots(a12 * a21, -a11 * a22, c1 * a21 - a11 * c2, a[0], a[1])) return Fail(kNoSolution);
        for (int k = 0; k < 2; ++k) t[k] = rt::Div(-c1 - a12 * num::CosDeg(a[k]), a11);
    } else {
        return Fail(kDataError);
    }
    for (int k = 0; k < 2; ++k) MakePositive(t[k], a[k]);
    return std::vector<double>{t[0], a[0], t[1], a[1]};
}

UnknownsResult Kind3(double a11, double a12, double c1, double a22, double c2) {
    double r0, r1;
    if (!TrigRoots(2 * c1 * a12, 2 * c2 * a12, c1 * c1 + c2 * c2 + a12 * a12 - a11 * a11, r0, r1))
        return Fail(kNoSolution);
    const double b[2] = {r1, r0};
    double a[2];
    for (int k = 0; k < 2; ++k)
        a[k] = num::VectorAngleDeg(rt::Div(-c1 - a12 * num::CosDeg(b[k]), a11),
                                   rt::Div(-c2 - a22 * num::SinDeg(b[k]), a11));
    return std::vector<double>{a[0], b[0], a[1], b[1]};
}

UnknownsResult Kind4(double a11, double a12, double c1, double a21, double a22, double c2) {
    double a[2];
    if (!TrigRoots(a12 * c2, -c1 * a22, a11 * c2 - c1 * a21, a[0], a[1])) return Fail(kNoSolution);
    double t[2];
    bool have[2];
    const double den1 = a11 + a12 * num::CosDeg(a[0]);
    have[0] = !NearZero(den1);
    if (have[0]) t[0] = rt::Div(-c1, den1);
    const double den2 = a21 + a22 * num::SinDeg(a[1]);
    have[1] = !NearZero(den2);
    if (have[1]) t[1] = rt::Div(-c2, den2);
    for (int k = 0; k < 2; ++k)
        if (have[k]) MakePositive(t[k], a[k]);
    if (have[0] && have[1]) return std::vector<double>{t[0], a[0], t[1], a[1]};
    if (have[0]) return std::vector<double>{t[0], a[0], t[0], a[0]};
    if (have[1]) return std::vector<double>{t[1], a[1], t[1], a[1]};
    return Fail(kNoSolution);
}

}  // namespace

UnknownsResult SolveParticleUnknowns(int kind, double a11, double a12, double c1, double a21, double a22, double c2) {
    switch (kind) {
    case 1: return Kind1(a11, a12, c1, a21, a22, c2);
    case 2: return Kind2(a11, a12, c1, a21, a22, c2);
    case 3: return Kind3(a11, a12, c1, a22, c2);
    case 4: return Kind4(a11, a12, c1, a21, a22, c2);
    default: return Fail(kDataError);
    }
}

}  // namespace particle
