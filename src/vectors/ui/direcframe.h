#pragma once
// The direction frame fraDirec: the direction clock, the angle box with its
// step buttons, the label that takes the axes rotation as the angle, the
// arctangent box and the vector box. A click on the clock picks an hour; the
// frame writes the beginning of the vector text for that hour and angle
// into the vector box, and Enter there hands the finished text to the
// calculator's argument grid or adds it as a force on the particle.
//
// Shared state it reads and writes: the drawing engine's DirHour (every
// arrow drawn overwrites it), ClockMarkedHour, AxesRotation and
// WorkspaceMode of the shared state.
#include <array>
#include <functional>
#include <string>

#include "vectors/clockhit.h"

namespace plat {
class CommandButton;
class FlexGrid;
class Frame;
class Label;
class Picture;
class TextBox;
}  // namespace plat

namespace vecui {

// What the frame needs from the workspaces that own the other ends.
struct DirecFrameLinks {
    // Particle statics: the axes rotation in degrees as its rotation button
    // shows it, and adding the force typed in the vector box.
    std::function<double()> GetRotAngle;
    std::function<void()> AddParticleForce;
    // Calculator: the argument grid (null while there is none) and its key
    // handler.
    std::function<plat::FlexGrid*()> ArgumentGrid;
    std::function<void(int& keyAscii)> GdKeyPress;
};

class DirecFrame {
public:
    // Builds the frame's controls inside fraDirec, laid out to suit both of
    // its places (the particle-statics one, 391 x 127 pixels, and the
    // calculator's, 403 x 181 with the format examples below), and binds
    // their events. The clock is drawn by DrawClock, which the form's load
    // calls.
    DirecFrame(plat::Frame* fraDirec, DirecFrameLinks links);

    DirecFrame(const DirecFrame&) = delete;
    DirecFrame& operator=(const DirecFrame&) = delete;

    // Controls.
    plat::Frame* fraDirec = nullptr;
    plat::Picture* picClock = nullptr;
    plat::Label* lbltxtAngle = nullptr;
    plat::TextBox* txtAngle = nullptr;
    std::array<plat::CommandButton*, 8> cmdInc{};
    plat::Label* Label8 = nullptr;
    plat::TextBox* txtAtan = nullptr;
    plat::Label* lblVorF = nullptr;
    plat::TextBox* txtVector = nullptr;
    plat::Label* lblFmts = nullptr;
    // The particle-statics rotation button and its label (its click belongs
    // to particle statics; its caption holds the rotation).
    plat::Label* lblRotAngle = nullptr;
    plat::CommandButton* cmdRotangle = nullptr;

    // Redraws the clock turned by the axes rotation; noMark false marks the
    // hour-3 cell.
    void DrawClock(bool noMark);
    // Picks clock cell 1..16 (vec::ClockCellPick): marks its hour, makes it
    // DirHour, sets the angle box and, where vectors are typed, writes the
    // prefix into the vector box. A pick that fails changes nothing more.
    void PickClockCell(int cell);
    // Event handlers (also called from code). A click on the clock picks
    // the cell under it; off the cells it focuses the angle box.
    void picClock_MouseDown(int button, int shift, double x, double y);
    void cmdInc_Click(int index);
    void lbltxtAngle_Click();
    void txtAngle_KeyPress(int& keyAscii);
    void txtAtan_KeyPress(int& keyAscii);
    void txtVector_KeyPress(int& keyAscii);

    // The unturned lattice of the clock last drawn.
    const vec::ClockLattice& ClockPoints() const { return clockPoints_; }

private:
    double RotAngle();
    // Enter in the angle box once the angle is there; throws on a
    // non-numeric angle.
    void AngleEnter(int& keyAscii);
    // Writes the prefix of DirHour and the angle box into the vector box,
    // caret at the end, focus there.
    void PublishPrefix();
    void PublishText(const std::string& prefix);

    DirecFrameLinks links_;
    vec::ClockLattice clockPoints_{};
};

}  // namespace vecui
