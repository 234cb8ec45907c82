// Handlers of the free-body-diagram page: the body selector, the entry row
// of forces with its keywords, the force grid gd1, the copy and deletion
// of forces, and the redraw of a system's diagram.
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/keys.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/form1.h"
#include "statics/rigid/drawing.h"
#include "statics/rigid/forces.h"
#include "statics/rigid/panel.h"
#include "statics/rigid/qtext.h"
#include "statics/rigid/util.h"
#include "vectors/text.h"

namespace rigid {

namespace {
// Points of one entry row: one force box each, txtBody(2) to txtBody(7).
constexpr std::size_t kMaxEntryPoints = 6;
}  // namespace

void RigidStatics::AddGridRow(int n, const std::array<std::string, 7>& cells) {
    plat::FlexGrid& g = *panel_.gd1;
    g.SetRows(n + 1);
    for (int c = 0; c < 7; ++c) g.SetTextMatrix(n, c, plat::QStr(cells[static_cast<size_t>(c)]));
}

void RigidStatics::txtBody_KeyPress(int index, int& key) {
    if (key != plat::vk::Return) return;
    Panel& p = panel_;
    try {
        if (index == 1) {
            const std::string s = UpperText(Trimmed(p.txtBody[1]));
            p.txtBody[1]->SetText(plat::QStr(s));
            if (s.empty()) return;
            if (s == "CON" || s == "CONF" || s == "CONFI" || s == "CONFIG") {
                p.txtBody[1]->SetText(QString());
                key = 0;
                p.tabStat->SetTab(0);
                p.txtSegm[0]->SetFocus();
                return;
            }
            if (s == "RES" || s == "RESO" || s == "RESOL") {
                p.txtBody[1]->SetText(QString());
                key = 0;
                p.tabStat->SetTab(2);
                p.cmdVMb[0]->SetFocus();
                return;
            }
            const int body = BodyNumber();
            const std::vector<std::string> letters = Chars(s);
            auto refuse = [&](const std::string& msg) {
                Msg(msg);
                p.txtBody[1]->SetSelStart(0);
                p.txtBody[1]->SetSelLength(static_cast<int>(p.txtBody[1]->Text().size()));
                p.txtBody[1]->SetFocus();
                key = 0;
            };
            for (const std::string& c : letters)
                if (st_.SystemPoints[1].find(c) == std::string::npos)
                    return refuse("El punto " + c + " no pertenece a ningún cuerpo.");
            for (const std::string& c : letters)
                if (st_.SystemPoints[static_cast<size_t>(body)].find(c) == std::string::npos)
                    return refuse("El punto " + c + " no pertenece al cuerpo " + std::to_string(body));
            const int n = static_cast<int>(letters.size());
            p.LinBody[0]->setVisible(n == 1);
            p.LinBody[1]->setVisible(n >= 2);
            p.LinBody[2]->setVisible(n >= 2);
            p.lblMagnitudes->setVisible(n >= 2);
            std::string msg;
            if (n > static_cast<int>(kMaxEntryPoints))
                msg = "Cadena de máximo 6 letras.";
            else if (!AllAtoZ(s))
                msg = "Los puntos se denotan con letras.";
            else if (HasRepeatedLetter(s))
                msg = "Hay un punto repetido.";
            if (!msg.empty()) {
                Msg(msg);
                return;
            }
            p.lblForceAt[0]->SetCaption(QStringLiteral("Fuerza[:][/Par] en ") + plat::QStr(letters[0]));
            for (int k = 3; k <= 7; ++k) p.txtBody[k]->setVisible(n > k - 2);
            for (int j = 1; j <= 5; ++j) p.lblForceAt[j]->SetCaption(QString());
            for (int j = 1; j <= n - 1; ++j)
                p.lblForceAt[j]->SetCaption(QStringLiteral("en ") + plat::QStr(letters[static_cast<size_t>(j)]));
            p.txtBody[2]->SetFocus();
            key = 0;
        } else if (index == 2) {
            const std::string s = Trimmed(p.txtBody[2]);
            const std::string pts = Trimmed(p.txtBody[1]);
            const std::string word = s.substr(0, 3);
            if (word == "neg" || word == "pos") {
                const int n = rt::CInt(rt::TextToNumber(TrimText(s.substr(3))));
                if (n < 1) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
                const std::string row = plat::StdStr(p.gd1->CheckedTextMatrix(n, 3));
                std::string msg;
                const std::string text = word == "neg" ? NegateVectorText(row, &msg) : row;
                if (!msg.empty()) Msg(msg);
                p.txtBody[2]->SetText(plat::QStr(text));
                p.cmdOK1->SetFocus();
                key = 0;
                return;
            }
            if (vec::text::CharCount(pts) == 1) {
                const std::string expanded = ExpandSupport(s, pts);
                if (!expanded.empty()) {
                    p.txtBody[2]->SetText(plat::QStr(expanded));
                    p.cmdOK1->SetFocus();
                    key = 0;
                    return;
                }
            }
            if (vec::text::CharCount(pts) > 1) {
                if (s.empty() || (s[0] != 'h' && s[0] != 'v')) {
                    Msg("Serie de fuerzas sólo para formatos \"hCx\" o \"vCy\".");
                    return;
                }
                p.txtBody[3]->SetFocus();
            } else {
                p.cmdOK1->SetFocus();
            }
            key = 0;
        } else {
            if (index < 7 && Shown(p.txtBody[index + 1]))
                p.txtBody[index + 1]->SetFocus();
            else
                p.cmdOK1->SetFocus();
            key = 0;
        }
    } catch (const rt::RuntimeError&) { key = 0; }
}

void RigidStatics::txtBody_KeyDown(int index, int& key, int) {
    plat::TextBox* t = panel_.txtBody[index];
    int to = 0;
    if (key == plat::vk::Left && t->SelStart() == 0) to = index - 1;
    if (key == plat::vk::Right && t->SelStart() == t->Text().size()) to = index + 1;
    if (to >= 1 && to <= 7 && Shown(panel_.txtBody[to])) panel_.txtBody[to]->SetFocus();
}

void RigidStatics::cmdOK1_Click() {
    Panel& p = panel_;
    try {
        const int body = BodyNumber();
        const std::string points = Trimmed(p.txtBody[1]);
        const std::string first = Trimmed(p.txtBody[2]);
        const std::vector<std::string> letters = Chars(points);
        // One force box per letter, txtBody(2) to txtBody(7): the count comes
        // from typed text and is checked before it picks a box.
        if (letters.size() > kMaxEntryPoints) {
            Msg("Cadena de máximo 6 letras.");
            p.txtBody[1]->SetFocus();
            return;
        }
        std::string msg;
        auto add = [&](const std::string& pt, const std::string& text) {
            const AddResult r = AddDCLForce(st_, body, pt, text, msg, Decimals());
            if (r == AddResult::NoPoint) {
                Msg("No existe el punto dado.");
                if (Shown(p.txtBody[1])) p.txtBody[1]->SetFocus();
            }
            if (r == AddResult::ParseError) Msg(msg);
            return r;
        };
        const std::string b = std::to_string(body);
        if (letters.size() == 1) {
            const AddResult r = add(points, first);
            if (r == AddResult::ParseError) return;
            if (r == AddResult::Added) {
                const ForceRec& f = st_.Forces.back();
                const int n = st_.ForceCount();
                AddGridRow(n, {std::to_string(n), b, points, first, f.Text(fr::kXText), f.Text(fr::kYText),
                               f.Text(fr::kCoupleText)});
            }
        } else {
            const bool horizontal = !first.empty() && first[0] == 'h';
            const std::string p1 = letters.empty() ? std::string() : letters[0];
            AddResult r = add(p1, first);
            if (r == AddResult::ParseError) return;
            if (r == AddResult::Added) {
                const ForceRec& f = st_.Forces.back();
                const int n = st_.ForceCount();
                AddGridRow(n, {std::to_string(n), b, p1, first, f.Text(fr::kXText), f.Text(fr::kYText), ""});
            }
            for (size_t k = 2; k <= letters.size(); ++k) {
                rt::ExpectIndex(static_cast<long long>(k) + 1, 3, static_cast<long long>(p.txtBody.size()) - 1,
                                "force box of a point");
                const std::string t = plat::StdStr(p.txtBody[k + 1]->Text());
                const std::string text = (horizontal ? "h" : "v") + t;
                r = add(letters[k - 1], text);
                if (r == AddResult::ParseError) return;
                if (r == AddResult::Added) {
                    const int n = st_.ForceCount();
                    AddGridRow(n, {std::to_string(n), b, letters[k - 1], text, horizontal ? t : "0",
                                   horizontal ? "0" : t, ""});
                }
            }
        }
        RedrawDCL();
        p.txtBody[1]->SetFocus();
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::optDCL_Click(int index) {
    Panel& p = panel_;
    const int n = index + 1;
    try {
        if (st_.SystemPoints[static_cast<size_t>(n)].empty()) {
            Msg("No se ha definido el sistema " + std::to_string(n) + ".");
            p.optDCL[index]->SetValue(false);
            return;
        }
        chosenBody_ = n;
        const QString c = p.optDCL[index]->Caption();
        p.lblBody->SetCaption(c);
        p.lblBody->SetBackColor(SystemColor(n));
        p.lblDCLPts->SetCaption(plat::QStr(st_.SystemPoints[static_cast<size_t>(n)]));
        p.lblDCLPts->SetForeColor(SystemColor(n));
        p.lblCpoNodos->SetForeColor(rt::kBlack);
        DrawSystem(n);
        p.txtBody[1]->SetFocus();
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::cmdAddForce_Click() {
    Panel& p = panel_;
    try {
        if (st_.Forces.empty() || st_.SystemPoints[1].empty()) return;
        const int b = BodyNumber();
        const int before = st_.ForceCount();
        const std::vector<int> copied = CopyGlobalForces(st_, b);
        for (size_t i = 0; i < copied.size(); ++i) {
            const int r = copied[i];
            const int n = before + static_cast<int>(i) + 1;
            std::array<std::string, 7> cells;
            for (int c = 0; c < 7; ++c) cells[static_cast<size_t>(c)] = plat::StdStr(p.gd1->TextMatrix(r, c));
            cells[0] = std::to_string(n);
            cells[1] = std::to_string(b);
            AddGridRow(n, cells);
        }
        DrawForces(b);
        p.txtBody[1]->SetFocus();
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::cmdDCL_Click(int index) {
    Panel& p = panel_;
    if (st_.ForceCount() == 0) return;
    try {
        plat::FlexGrid& g = *p.gd1;
        if (index == 2) {
            EraseAllForces();
            return;
        }
        int r = st_.ForceCount();
        if (index == 1) {
            r = g.Row();
            if (g.Rows() <= 1 || r == 0) return;
        } else if (g.Rows() <= 1) {
            return;
        }
        if (st_.ForceCount() == 1) {
            st_.EraseForces();
            g.SetRows(1);
        } else {
            const int last = g.Rows() - 1;
            for (int row = r; row < last; ++row)
                for (int c = 1; c <= 6; ++c) g.SetTextMatrix(row, c, g.TextMatrix(row + 1, c));
            DeleteForce(st_, r);
            g.SetRows(last);
        }
        RedrawDCL();
        p.txtBody[1]->SetFocus();
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::EraseForceRecords() {
    panel_.gd1->SetRows(1);
    st_.EraseForces();
    panel_.lblDCLPts->SetCaption(QString());
}

void RigidStatics::EraseAllForces() {
    EraseForceRecords();
    DrawStructureFrame(st_, pic1());
    DrawSystemLines(st_, pic1(), plat::StdStr(panel_.txtOrigin->Text()));
}

void RigidStatics::RedrawDCL() {
    DrawStructureFrame(st_, pic1());
    DrawSystemLines(st_, pic1(), plat::StdStr(panel_.txtOrigin->Text()), plat::StdStr(panel_.lblBody->Caption()));
    DrawForces(chosenBody_ == 0 ? std::nullopt : std::optional<int>(BodyNumber()));
    RestoreDCLCtrls();
}

void RigidStatics::optShowDCL_Click(int index) {
    try {
        DrawSystem(index + 1);
        panel_.txtRefPt[index]->SetFocus();
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

}  // namespace rigid
