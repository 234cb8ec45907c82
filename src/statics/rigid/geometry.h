#pragma once
// The structure: registration of separation vectors typed in the
// configuration row, the coordinates of the points they place and the two
// lists that show vectors and coordinates. No widget include.
#include <array>
#include <string>
#include <vector>

#include "statics/rigid/state.h"

namespace rigid {

// What the configuration row holds when the registration is asked for.
struct SepVectorEntry {
    std::string points;                 // point string (trimmed)
    std::string firstVector;            // first vector (trimmed)
    std::array<std::string, 7> values;  // values of vectors 2..6 as typed ([2]..[6])
    bool repeatVisible = false;         // the series-axis box is shown
    std::string repeat;                 // its text
};

// Where the focus goes after a refusal.
enum class EntryFocus { Unchanged, Points, FirstVector };

struct RegisterOutcome {
    bool ok = false;
    // A refusal's message; "Error en el comando." for a run-time failure.
    std::string message;
    bool runtimeFailure = false;
    EntryFocus focus = EntryFocus::Unchanged;
    std::string command;  // the registration's record, for cboSeps
    // The first letter to propose as origin and reference point: set when
    // this was the first registration and it got past the format checks.
    std::string proposeOrigin;
};

// Appends the vectors of the entry and rebuilds the points. A refusal, a
// run-time failure or any other way out but success leaves the tables
// exactly as they were.
RegisterOutcome RegisterSepVectors(StatState& st, const SepVectorEntry& entry);

// Components of a series vector of size s after a first vector of format
// `format` and direction dirDeg, for the series axis `axis`.
struct Components {
    double x = 0, y = 0;
};
Components SeriesComponents(const std::string& format, double dirDeg, const std::string& axis, double s);

// Rebuilds the points from the vectors; the message names the first point
// that would coincide with another ("" when all went well).
std::string ComputeCoordinates(StatState& st);

// Lines of lstSeps: "AB = (3, -4.5)".
std::vector<std::string> SepListLines(const StatState& st, int decimals);
// Lines of lstCoords: "B(3, 4)" or "C(?, ?)" for a letter without coordinates.
std::vector<std::string> CoordListLines(const StatState& st, int decimals);
// The letters of the vectors, each once, in order of first appearance.
std::vector<std::string> VectorLetters(const StatState& st);
// Moves every point so that `origin` is at (0, 0); false (nothing moved)
// when no point has that name.
bool ShiftToOrigin(StatState& st, const std::string& origin);

}  // namespace rigid
