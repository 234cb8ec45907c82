#pragma once
// The particle-statics workspace on the main window: the panel fraEstp with
// the force grid gdEqui, the example buttons and the command buttons
// cmdParts (solve, restore, update, cancel the last or the selected force,
// new problem); the rotation button cmdRotangle of the direction frame; the
// force typed in the direction frame's vector box; and the calculator's
// particle procedure (a table rebuilt from the grid's texts, solved and
// drawn).
//
// The forces live in State() (state.h); every change redraws the diagram
// on pic1 whole. Failures: a refused force or rotation is answered with its
// message; a run-time error in a button handler with "Error en el comando.";
// a run-time error while adding a force reaches the direction frame.
#include <array>
#include <memory>
#include <string>

#include <string>
#include <vector>
#include "shell/workspaces.h"

namespace plat {
class CommandButton;
class FlexGrid;
class Frame;
}  // namespace plat

namespace particle {

// Controls of the panel, created by BuildPanels.
struct Panel {
    plat::Frame* fraEstp = nullptr;
    plat::FlexGrid* gdEqui = nullptr;             // force table
    plat::CommandButton* cmdExampleEstp[2] = {};  // "?-1", "?-2"
    // Elements 0, 1, 2, 5, 6 and 7 (3 and 4 do not exist).
    std::array<plat::CommandButton*, 8> cmdParts{};
};

class ParticleStatics : public shell::ParticleStaticsServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void ArrangeGdEqui() override;
    // Enter in the direction frame's vector box.
    void AddParticleForce() override;

    void cmdParts_Click(int index);
    // What the cmdParts buttons do (1 restores the table saved before
    // solving, 2 puts the solved values into it; 5 and 6 cancel the last or
    // the selected force). A run-time error is raised to the caller.
    void SolveProblem();
    void RestoreForces();
    void PutSolutionInTable();
    void CancelForce(bool selected);
    void StartNewProblem();
    void cmdRotangle_Click();

    // The calculator's particle procedure: the forces of the selected cells.
    bool SolveForcesFromGrid(const std::vector<std::string>& texts) override;
    bool HasProblem() const override;
    bool TakesForces() const override { return takesForces_; }

    const Panel& panel() const { return panel_; }

private:
    // Solves the table; shows the report and redraws as the solution says.
    // Returns the refusal; a run-time error that ended the solution is
    // raised again (rt::RuntimeError) once the report, if any, is shown.
    std::string Solve();
    void Redraw();
    // Empties the table and the grid, leaving the bare axes.
    void ClearAll(double rot);
    void SetSolvedState(bool solved);
    // Opens or closes the direction frame to new forces.
    void SetTakesForces(bool on);

    shell::Form1* form_ = nullptr;
    Panel panel_;
    bool takesForces_ = true;
};

std::unique_ptr<shell::ParticleStaticsServices> MakeParticleStatics();

}  // namespace particle
