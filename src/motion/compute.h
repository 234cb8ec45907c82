#pragma once
// The computations of the motion workspace that need no widget: argument
// items of the listed procedures, the equations through three points, the
// launch data of a projectile from three points, from the range-to-height
// ratio and from the flight time and range, and the help lines of the
// procedure catalogue.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "motion/procedures.h"
#include "motion/state.h"
#include "runtime/outcome.h"
#include "runtime/variant.h"
#include "shell/defaults.h"
#include "text/resultformat.h"

namespace motion {

// The argument text split at every comma, items untrimmed; an empty text
// gives no items.
std::vector<std::string> SplitItems(const std::string& text);
// Item k (1-based) converted with the runtime's numeric conversion; a
// missing item raises SubscriptOutOfRange, a text that is not a number
// TypeMismatch.
double ItemNumber(const std::vector<std::string>& items, int k);
int ItemInteger(const std::vector<std::string>& items, int k);
// Item k as a number where ItemNumber gives one, std::nullopt where it would
// raise: a refusal without the cost of an exception.
std::optional<double> TryItemNumber(const std::vector<std::string>& items, int k);

// The ten values a, ti, tf, dt, xi, xf, dx, vi, vf, dv of the interval
// equations from items "name = number". The name "a" gives a; a name
// beginning with t, x or v gives the initial value when its second
// character is "i" or it is the table's own name of the initial point (t0,
// x0, v0), else the final one (tf, t, t2) when its second character is
// "f", a digit or none; "dt", "dx" and "dv" the increments. Any other name
// is refused with the item and the names known. A later item replaces an
// earlier one; an item with nothing after "=" leaves its value not given.
// An item without "=", or whose value is no number, is refused with its
// text and what an item must be.
rt::Outcome<IntervalData> ReadIntervalData(const std::vector<std::string>& items);

// x(t) = c0 + c1 t + c2 t^2 through three (t, x) points; refused with the
// linear solver's message.
struct QuadraticFit {
    double c2 = 0, c1 = 0, c0 = 0;
};
rt::Outcome<QuadraticFit> FitThreePoints(const std::array<double, 3>& t, const std::array<double, 3>& x);
// v rounded to Decimals as a plain number text (ordinary minus sign).
std::string PlainRounded(double v);
// The four result lines of the base point with t = 0.
text::ResultLines ThreePointLines(int body, int segment, const QuadraticFit& f);

// Launch speed and angle (degrees).
struct LaunchFit {
    double v0 = 0, theta0 = 0;
};
// Through (x0, y0), (xm, ym), (xn, yn) with g = 9.8.
// Refused, with the text to show, when there is no such launch.
rt::Outcome<LaunchFit> LaunchThroughPoints(double x0, double y0, double xm, double ym, double xn, double yn);
// The angle whose range is C times the maximum height: arctan |4 / C|.
double AngleFromRangeHeight(double C);
// From the flight time tv and the range R.
LaunchFit LaunchFromFlightAndRange(double tv, double R);

// One help line of the procedure catalogue, drawn in the formula markup at
// (x, y) of the help picture, y up.
struct HelpLine {
    int x, y;
    const char* text;
};
// Help of pictured procedure n (1..5) of the rectilinear or projectile
// workspace.
std::vector<HelpLine> PicturedHelp(shell::WorkspaceId mode, int n);
// Help of a listed rectilinear procedure (drawn at size 8); none for the
// pictured ones.
std::vector<HelpLine> RectListedHelp(RectProcedure code);
// Help of listed projectile procedure `code`; font size in `size`.
std::vector<HelpLine> ParabListedHelp(int code, double& size);

// Procedure codes of the list entries 0..12.
RectProcedure RectListedCode(int entry);
int ParabListedCode(int entry);

}  // namespace motion
