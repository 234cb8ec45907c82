#include "motion/positions.h"

#include "motion/state.h"
#include "runtime/errors.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"

namespace motion {

namespace {

int Floor64(int x) { return static_cast<int>(rt::IntFloor(x / 64.0)); }

std::string Code(int body, int segment, int point) {
    return std::to_string(body) + std::to_string(segment) + std::to_string(point);
}

std::string RectilinearCode(int x) {
    const MotionState& s = State();
    const int m = s.PointsPerBody[1];
    const int L1 = s.Segments[1][1].LastPoint, L2 = s.Segments[1][2].LastPoint;
    int lim1 = 0, lim2 = 0;
    switch (s.SegmentsPerBody[1]) {
    case 1: lim1 = 64 * m; break;
    case 2:
        lim1 = 64 * L1 + 32;
        lim2 = 64 * m;
        break;
    case 3:
        lim1 = 64 * L1 + 32;
        lim2 = 64 * L2 + 32;
        break;
    default: break;
    }
    const int p = Floor64(x);
    if (s.NumBodies == 1) {
        int seg = 0;
        if (x > 0 && x <= lim1)
            seg = 1;
        else if (x > lim1 && x <= lim2)
            seg = 2;
        else if (x > lim1 && x > lim2)
            seg = 3;
        return Code(1, seg, p);
    }
    if (s.NumBodies == 2) {
        // A position on the line between the two bodies names body 2's
        // first point, an existing point, rather than one past body 1.
        const int n = s.SegmentsPerBody[1];
        if (n < 1 || n > 3) return "000";
        if (x >= 64 * m) return Code(2, 1, p - m);
        switch (s.SegmentsPerBody[1]) {
        case 1:
            if (x > 0) return Code(1, 1, p);
            break;
        case 2:
            if (x > 0 && x <= lim1) return Code(1, 1, p);
            if (x > lim1) return Code(1, 2, p);
            break;
        case 3:
            if (x > 0 && x <= lim1) return Code(1, 1, p);
            if (x > lim1 && x <= lim2) return Code(1, 2, p);
            if (x > lim2) return Code(1, 3, p);
            break;
        default: break;
        }
    }
    return "000";
}

}  // namespace

std::string PointCodeAtX(int x) {
    const shell::WorkspaceId mode = shell::Shared().WorkspaceMode;
    const MotionState& s = State();
    if (mode == shell::kRectilinearWorkspace) return RectilinearCode(x);
    if (mode == shell::kProjectileWorkspace) {
        const int m = s.PointsPerBody[1];
        if (s.NumBodies == 1) return "1" + std::to_string(Floor64(x));
        if (s.NumBodies == 2) {
            if (x < 64 * m) return "1" + std::to_string(Floor64(x));
            return "2" + std::to_string(Floor64(x) - m);
        }
        return "00";
    }
    return "000";
}

int TableColOfPoint(int body, int point) {
    const MotionState& s = State();
    if (s.NumBodies == 1) return point + 1;
    if (s.NumBodies == 2) return body == 1 ? point + 1 : point + 1 + s.PointsPerBody[1];
    return 0;
}

std::string CheckPointsInSegment(int body, int segment, int p, int q) {
    rt::CheckIndex(body, 1, 2);
    rt::CheckIndex(segment, 1, 3);
    const SegmentRec& r = State().Segments[body][segment];
    const std::string pq = std::to_string(p) + " y " + std::to_string(q);
    if (p < r.FirstPoint || q > r.LastPoint) return "Los puntos " + pq + " no pertenecen al mismo tramo.";
    if (p > q) return "Los puntos " + pq + " no están ordenados.";
    return "";
}

int CodeDigit(const std::string& code, size_t k) {
    if (k >= code.size() || code[k] < '0' || code[k] > '9') rt::Raise(rt::ErrorCode::TypeMismatch);
    return code[k] - '0';
}

}  // namespace motion
