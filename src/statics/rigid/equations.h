#pragma once
// The equilibrium equations of the chosen systems (sums of x components, of
// y components and of moments about each system's reference point), their
// solution, linear or for one angle, and the write-back of the solved
// values into the forces. No widget include.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "numerics/linalg.h"
#include "statics/rigid/state.h"

namespace rigid {

// One term of an equation: a coefficient times a quantity, or the constant
// (symbol "1").
struct TermRow {
    int system = 0;  // 0 once its equation is suppressed
    double coef = 0;
    std::string symbol;
    char axis = 'x';  // 'x', 'y' or 'm'
};

struct StatEqns {
    std::vector<TermRow> terms;
    std::vector<std::string> eqns;    // one line of formula markup per equation
    std::vector<std::string> labels;  // "1x", "1y", "1m", ... per equation
    std::vector<std::string> incs;    // quantities to be solved for, as typed
    num::Matrix coefs;                // equations by quantities, from 1
    std::vector<double> consts;       // right-hand sides, from 1 (entry 0 unused)
    int angleCount = 0;               // 0, 1, or 2 for two or more
    std::string msg;                  // "" on success
};

// Builds the equations of `systems` (ascending system numbers);
// refPoints[k] is the reference point of system k ("" for none; index 0
// unused); `suppressed` lists equations to leave out ("2y, 3m"). A piece of
// it that does not begin with a digit raises rt::RuntimeError.
StatEqns BuildStatEqns(const StatState& st, const std::vector<int>& systems,
                       const std::array<std::string, 6>& refPoints, const std::string& suppressed, int decimals);

struct StatSolution {
    std::vector<std::string> eqns;
    std::vector<std::string> incs;     // solved quantities, as typed
    std::vector<std::string> results;  // "A!x = 5" per quantity
    std::vector<double> values;
    int angleCount = 0;
    std::string msg;  // "" on success
};

// Asked to choose between the two solutions of an angle; true takes the
// first. The prompt lists both.
using ChooseSolution = std::function<bool(const std::string& prompt)>;

// Builds and solves. Arithmetic faults (a degenerate elimination) raise
// rt::RuntimeError.
StatSolution SolveStatEqns(const StatState& st, const std::vector<int>& systems,
                           const std::array<std::string, 6>& refPoints, const std::string& suppressed, int decimals,
                           const ChooseSolution& choose);

// Writes each solved value into the forces that hold its quantity and
// completes the forces whose components are now known.
void SubstituteSolution(StatState& st, const std::vector<std::string>& incs, const std::vector<double>& values,
                        int decimals);

// The header block of the solve page: counts, quantities, "Ecuaciones:".
std::vector<std::string> HeaderBlock(int n, int m, const std::vector<std::string>& symbols);
// The equation lines with an underlined heading before each system's first.
std::vector<std::string> EquationsBlock(const std::vector<std::string>& eqns);

}  // namespace rigid
