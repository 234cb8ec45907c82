#pragma once
// The listed projectile procedures that need no widget: systems in the
// launch angle and speed, the intersection of the two trajectories, the
// range on an inclined plane, the distance along the path, the collision of
// two projectiles and a projectile meeting a mover on the ground.
#include <array>
#include <string>
#include <vector>

#include "motion/projectile/pointsolve.h"

namespace parab {

// ---- systems in tan(theta0) and 1/(v0 cos theta0) or its square
// kind 1: M (tan, 1/(v0^2 cos^2)) = r; kind 2: M (tan, 1/(v0 cos)) = r.
StepResult TanAndSecSystem(const std::array<std::array<double, 3>, 3>& M, const std::array<double, 3>& r, int kind);
StepResult TanSecPairWithV0Cos(double A, double B, double C, double D, double E, double F);
// kind 1: v0 cos theta0 = D; kind 2: v0 sen theta0 = D; any other: nothing.
StepResult TanSecWithComponent(double A, double B, double C, double D, int kind);

// ---- the two trajectories' crossings
StepResult IntersectTrajectories();

// ---- the trajectory against the line through its foot (s1, s2), relative
// to the launch point, inclined beta degrees
StepResult RangeOnIncline(int body, const std::string& s1, const std::string& s2, double beta);

// ---- the path length between two times; t1 and t2 come back ordered
struct Distance {
    std::string message;  // a refusal: no length was found
    double S = 0;
    text::ResultLines lines;
};
Distance PathDistance(int body, double t1, double& t2);

// ---- body 2 hits body 1
struct CollisionPlan {
    std::string message;  // a refusal
    int kase = 0;         // 0 nothing to do; 1 given tc, 2 given Theta0, 3 given V0
    // Launch of body 2 to set up (one solution), or the two choices of case 3.
    std::vector<double> V0s, thetas;
    text::ResultLines lines;
    bool writeFirst = true;  // the lines go before the set-up
    std::string prompt;      // case 3, two solutions
};
CollisionPlan PlanCollision(const std::string& tc);

// ---- body 1 meets a mover at (u t, 0)
struct MeetPlan {
    std::string message;
    int kase = 0;  // 0 nothing; 1 {u, tc}; 2 {theta0, u}; 3 {v0, tc}; 4 {theta0, tc}; 5 {v0, u}
    text::ResultLines lines;
    // Launches to offer (v0, theta0), in order.
    std::vector<std::array<double, 2>> launches;
    Ask ask = Ask::None;
    std::string prompt, title;
    // Case 5: the quartic in T = tc - t0.
    std::string poly;
    double t0 = 0, x0 = 0, y0 = 0, v0 = 0, u = 0;
};
MeetPlan PlanMeetMover(const std::string& u, const std::string& tc);
std::string MoverQuarticPrompt();
// Case 5 after the search on [0, B]: the six lines.
text::ResultLines MoverQuarticLines(const MeetPlan& p, const std::string& uText, const std::string& v0Text, double B,
                                    const std::vector<double>& roots, const std::vector<double>& fvals);

}  // namespace parab
