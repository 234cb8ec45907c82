// Handlers of the solve page: reference points, the systems to solve,
// the display of quantities and equations, the solve itself with its
// report in rtbSolve, and the restore and update of the forces.
#include "numerics/mathutil.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/keys.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/faultpoint.h"
#include "runtime/numtext.h"
#include "runtime/scopeguard.h"
#include "shell/form1.h"
#include "shell/writer.h"
#include "statics/rigid/equations.h"
#include "statics/rigid/panel.h"
#include "statics/rigid/qtext.h"
#include "statics/rigid/util.h"

namespace rigid {

namespace {

text::ResultLines Lines(const std::vector<std::string>& v) {
    text::ResultLines r;
    for (const auto& l : v) r.Add(l);
    return r;
}
}  // namespace

bool RigidStatics::CommonChecks(std::array<std::string, 6>& refs, std::vector<int>& systems, std::string& suppressed) {
    Panel& p = panel_;
    form_->rtbSolve->SetText(QString());
    for (int k = 1; k <= kMaxSystems; ++k) {
        const std::string t = plat::StdStr(p.txtRefPt[k - 1]->Text());
        refs[static_cast<size_t>(k)] = t;
        if (!t.empty() && FindPoint(st_, t) == 0) {
            Msg("El punto de referencia " + t + " del sistema " + std::to_string(k) + " no existe.");
            return false;
        }
    }
    systems.clear();
    for (int i = 0; i < kMaxSystems; ++i)
        if (p.lstDCL->Selected(i)) systems.push_back(i + 1);
    if (systems.empty()) {
        Msg("No hay sistemas seleccionados en la lista.");
        return false;
    }
    suppressed = TrimText(plat::StdStr(p.txtSuprEqn->Text()));
    return true;
}

bool RigidStatics::SolveEstcrEquilibrium() {
    // Whatever ends the solution early, the forces are as they were: "Actualizar"
    // would otherwise write the unsolved quantities into the grid as zeros.
    // The copy "Restaurar" reads is the one of the last solve that ended.
    std::vector<ForceRec> lastSaved = st_.SavedForces;
    st_.SavedForces = st_.Forces;
    rt::ScopeGuard restore([this, &lastSaved] {
        st_.Forces = st_.SavedForces;
        st_.SavedForces = std::move(lastSaved);
    });
    std::array<std::string, 6> refs;
    std::vector<int> systems;
    std::string suppressed;
    if (!CommonChecks(refs, systems, suppressed)) return false;
    StatSolution s = SolveStatEqns(st_, systems, refs, suppressed, Decimals(), [](const std::string& prompt) {
        return Msg(prompt, plat::MsgButtons::YesNo) == plat::MsgResult::Yes;
    });
    if (!s.msg.empty()) {
        Msg(s.msg);
        return false;
    }
    plat::RichPane& pane = *form_->rtbSolve;
    // Results written before a failure are taken back with it: the pane
    // shows no solution of forces that are not solved.
    rt::ScopeGuard unwrite([&pane, shown = pane.RichContent()] { pane.SetRichContent(shown); });
    shell::WriteResults(pane,
                        Lines(HeaderBlock(static_cast<int>(s.incs.size()), static_cast<int>(s.eqns.size()), s.incs)));
    shell::WriteResults(pane, Lines(EquationsBlock(s.eqns)));
    std::vector<std::string> sol{"\\0100Soluciones:\\"};
    sol.insert(sol.end(), s.results.begin(), s.results.end());
    shell::WriteResults(pane, Lines(sol));
    SubstituteSolution(st_, s.incs, s.values, Decimals());
    rt::FaultPoint("rigid solve");
    RedrawDCL();
    unwrite.Keep();
    restore.Keep();
    return true;
}

void RigidStatics::cmdShowIncsEqns_Click() {
    if (st_.ForceCount() == 0) return;
    try {
        std::array<std::string, 6> refs;
        std::vector<int> systems;
        std::string suppressed;
        if (!CommonChecks(refs, systems, suppressed)) return;
        StatEqns q = BuildStatEqns(st_, systems, refs, suppressed, Decimals());
        if (q.angleCount >= 2) {
            Msg("Con ángulo desconocido la rutina es aplicable a un sólo cuerpo.");
            return;
        }
        if (!q.msg.empty()) {
            Msg(q.msg);
            return;
        }
        std::vector<std::string> shown;
        int n = static_cast<int>(q.incs.size());
        if (q.angleCount == 0) {
            shown = q.incs;
        } else {
            if (systems.size() > 1) {
                Msg("El programa resuelve un sólo cuerpo con un ángulo desconocido.");
                return;
            }
            bool replaced = false;
            for (const std::string& s : q.incs) {
                const bool trig = s.rfind("cos", 0) == 0 || s.rfind("sen", 0) == 0;
                if (!trig) {
                    shown.push_back(s);
                } else if (!replaced) {
                    shown.push_back(s.size() > 4 ? s.substr(4) : std::string());
                    replaced = true;
                }
            }
            n -= 1;
        }
        plat::RichPane& pane = *form_->rtbSolve;
        shell::WriteResults(pane, Lines(HeaderBlock(n, static_cast<int>(q.eqns.size()), shown)));
        shell::WriteResults(pane, Lines(EquationsBlock(q.eqns)));
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::cmdVMb_Click(int index) {
    Panel& p = panel_;
    // A new problem can be started at any time, forces or not.
    if (st_.ForceCount() == 0 && index != 2) return;
    try {
        switch (index) {
        case 0: {
            // A refused or failed solve leaves the forces (restored by the
            // solve itself) and the buttons as they were.
            bool solved = false;
            try {
                solved = SolveEstcrEquilibrium();
            } catch (const rt::RuntimeError&) {
                Msg(kCommandError);
                rt::IgnoreError("the failure was just reported; the redraw is a courtesy", [&] { RedrawDCL(); });
            }
            if (!solved) break;
            // The focus goes to the solution before the pressed button is
            // disabled: left to Qt it would pass to "Nuevo problema", where
            // the next Enter asks to erase everything.
            p.cmdVMb[1]->setEnabled(true);
            p.cmdVMb[3]->setEnabled(true);
            form_->rtbSolve->SetFocus();
            p.cmdVMb[0]->setEnabled(false);
            break;
        }
        case 1: {
            const size_t n = std::min(st_.SavedForces.size(), st_.Forces.size());
            for (size_t i = 0; i < n; ++i) st_.Forces[i] = st_.SavedForces[i];
            p.cmdShowIncsEqns->setEnabled(true);
            p.cmdVMb[0]->setEnabled(true);
            p.cmdVMb[0]->SetFocus();  // not on to "Nuevo problema"
            p.cmdVMb[1]->setEnabled(false);
            p.cmdVMb[3]->setEnabled(false);
            RedrawDCL();
            break;
        }
        case 2: NewEstcrProblem(); break;
        case 3: {
            plat::FlexGrid& g = *p.gd1;
            for (int f = 1; f <= st_.ForceCount(); ++f) {
                ForceRec& r = st_.Forces[static_cast<size_t>(f - 1)];
                g.SetTextMatrix(f, 4, plat::QStr(rt::RoundedText(r[fr::kX].ToNumber(), Decimals())));
                g.SetTextMatrix(f, 5, plat::QStr(rt::RoundedText(r[fr::kY].ToNumber(), Decimals())));
                if (num::IsNumber(r[fr::kCoupleValue]))
                    g.SetTextMatrix(f, 6, plat::QStr(rt::RoundedText(r[fr::kCoupleValue].ToNumber(), Decimals())));
                r[fr::kArrowColor] = 0;
            }
            p.cmdShowIncsEqns->setEnabled(false);
            p.cmdVMb[0]->setEnabled(false);
            p.cmdVMb[1]->setEnabled(false);
            DrawForces(std::nullopt);
            break;
        }
        default: break;
        }
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::cmdClearLstDCL_Click() {
    for (int i = 0; i < kMaxSystems; ++i) panel_.lstDCL->SetSelected(i, false);
}

void RigidStatics::txtRefPt_KeyPress(int index, int& key) {
    if (key != plat::vk::Return) return;
    if (index < 4) panel_.txtRefPt[index + 1]->SetFocus();
    key = 0;
}

void RigidStatics::txtRefPt_LostFocus(int index) {
    plat::TextBox* t = panel_.txtRefPt[index];
    t->SetText(plat::QStr(UpperText(TrimText(plat::StdStr(t->Text())))));
}

}  // namespace rigid
