#pragma once
// The direction frame as the main window sees it: its panel, built into the
// form's fraDirec, and the clock drawing the form's load asks for.
//
// The frame reaches the rest of the window through the form: the axes
// rotation through Form1::GetRotAngle, the argument grid gd through the
// form's panel slots and its key handler through the grid's own KeyPress
// (the calculator's gd_KeyPress), and the adding of a force through the
// particle-statics services.
#include <functional>
#include <memory>

#include "shell/workspaces.h"
#include "vectors/ui/direcframe.h"

namespace vecui {

class DirectionFrame : public shell::DirectionFrameServices {
public:
    void BuildPanels(shell::Form1& form) override;
    void DrawClock(bool noMark) override;
    void PickClockCell(int cell) override;

    // The frame built by BuildPanels (null before).
    DirecFrame* Frame() const { return frame_.get(); }

private:
    std::unique_ptr<DirecFrame> frame_;
};

std::unique_ptr<DirectionFrame> MakeDirectionFrame();

}  // namespace vecui
