#include "vectors/ui/direcframe_panel.h"

#include "platform/flexgrid.h"
#include "shell/form1.h"

namespace vecui {

void DirectionFrame::BuildPanels(shell::Form1& form) {
    shell::Form1* f = &form;
    DirecFrameLinks links;
    links.GetRotAngle = [f] { return f->GetRotAngle(); };
    // The grid is built after this panel: look it up at each use.
    links.ArgumentGrid = [f] { return f->panels.gd; };
    links.GdKeyPress = [f](int& key) {
        plat::FlexGrid* gd = f->panels.gd;
        if (gd && gd->keys.KeyPress) gd->keys.KeyPress(key);
    };
    links.AddParticleForce = [f] { f->Services().particle->AddParticleForce(); };
    frame_ = std::make_unique<DirecFrame>(form.fraDirec, std::move(links));

    shell::PanelSlots& s = form.panels;
    s.picClock = frame_->picClock;
    s.txtVector = frame_->txtVector;
    s.lblVorF = frame_->lblVorF;
    s.lblFmts = frame_->lblFmts;
    s.lblRotAngle = frame_->lblRotAngle;
    s.cmdRotangle = frame_->cmdRotangle;
}

void DirectionFrame::DrawClock(bool noMark) {
    if (frame_) frame_->DrawClock(noMark);
}

void DirectionFrame::PickClockCell(int cell) {
    if (frame_) frame_->PickClockCell(cell);
}

std::unique_ptr<DirectionFrame> MakeDirectionFrame() { return std::make_unique<DirectionFrame>(); }

}  // namespace vecui
