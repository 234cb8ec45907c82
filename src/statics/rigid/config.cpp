// Handlers of the configuration page: the entry row of separation vectors,
// the origin, the undo and erase buttons, the systems and their lines, the
// new problem and the change of page.
#include "numerics/mathutil.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/keys.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "platform/updown.h"
#include "runtime/errors.h"
#include "runtime/faultpoint.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "runtime/scopeguard.h"
#include "shell/form1.h"
#include "statics/rigid/drawing.h"
#include "statics/rigid/geometry.h"
#include "statics/rigid/panel.h"
#include "statics/rigid/qtext.h"
#include "statics/rigid/util.h"
#include "text/globals.h"
#include "vectors/notation.h"
#include "vectors/statics_parser.h"
#include "vectors/text.h"

namespace rigid {

plat::Picture& RigidStatics::pic1() { return *form_->pic1; }
int RigidStatics::Decimals() const { return text::G().Decimals; }

int RigidStatics::BodyNumber() const {
    if (chosenBody_ == 0) rt::Raise(rt::ErrorCode::TypeMismatch);
    rt::ExpectIndex(chosenBody_, 1, kMaxSystems, "chosen body");
    return chosenBody_;
}

void RigidStatics::DrawForces(const std::optional<int>& system) {
    DrawDCLForces(st_, pic1(), system, [] {
        return plat::StdStr(
            plat::InputBox(QStringLiteral("¿A qué ángulo deseas trazar esta fuerza en el DCL?"), plat::kAppTitle));
    });
}

void RigidStatics::RedrawStructure() {
    DrawStructureFrame(st_, pic1());
    if (st_.LineCount() > 0) DrawSystemLines(st_, pic1(), plat::StdStr(panel_.txtOrigin->Text()));
    if (st_.ForceCount() > 0) DrawForces(chosenBody_ == 0 ? std::nullopt : std::optional<int>(BodyNumber()));
}

void RigidStatics::DrawSystem(int system) {
    rt::ExpectIndex(system, 1, kMaxSystems, "system drawn");
    if (st_.StatPointCount() > 0) DrawStructureFrame(st_, pic1());
    if (st_.LineCount() > 0)
        DrawSystemLines(st_, pic1(), plat::StdStr(panel_.txtOrigin->Text()), std::to_string(system));
    if (st_.ForceCount() > 0) DrawForces(system);
}

// ---- entry row

void RigidStatics::txtSegm_KeyPress(int index, int& key) {
    if (key != plat::vk::Return) return;
    Panel& p = panel_;
    const std::string t = Trimmed(p.txtSegm[index]);
    if (t.empty()) return;
    if (index == 0) {
        const std::string s = UpperText(t);
        p.txtSegm[0]->SetText(plat::QStr(s));
        for (const char* w : {"DCL", "DIAG", "DIAGR", "DIA", "DCLS"})
            if (s == w) {
                p.txtSegm[0]->SetText(QString());
                key = 0;
                p.tabStat->SetTab(1);
                return;
            }
        const std::vector<std::string> letters = Chars(s);
        const int n = static_cast<int>(letters.size());
        p.linSegm[0]->setVisible(n == 2);
        p.linSegm[1]->setVisible(n > 2);
        p.linSegm[2]->setVisible(n > 2);
        std::string msg;
        if (n < 2 || n > 7)
            msg = "Mínimo 2 letras, máximo 7";
        else if (!AllAtoZ(s))
            msg = "Carácter inválido en el símbolo del segmento.";
        else if (HasRepeatedLetter(s))
            msg = "Hay una letra repetida.";
        if (!msg.empty()) {
            Msg(msg);
            p.txtSegm[0]->SetFocus();
            return;
        }
        p.lblSegm[1]->SetCaption(plat::QStr(letters[0] + letters[1]));
        for (int k = 2; k <= 6; ++k) p.txtSegm[k]->setVisible(n > k);
        std::string names;
        for (int k = 2; k <= n - 1; ++k)
            names += letters[static_cast<size_t>(k - 1)] + letters[static_cast<size_t>(k)] + std::string(9, ' ');
        p.lblSegm[2]->SetCaption(plat::QStr(names));
        p.lblSegm[2]->setVisible(n > 2);
        p.txtSegm[1]->SetFocus();
        key = 0;
    } else if (index == 1) {
        const vec::VectorFormatInfo info = vec::IdentifyVectorFormat(t);
        if (!info.errMsg.empty()) {
            // One box with the whole reason ("H2": the letters in lower
            // case); Enter goes no further, so no second box follows.
            Msg(vec::RefusalText(info.errMsg, t, vec::ParseStaticsVector(vec::AsciiLower(t)).ok()));
            key = 0;
            return;
        }
        if (vec::text::CharCount(Trimmed(p.txtSegm[0])) > 2) {
            const bool axis = info.formatName == "cAe,C" || info.formatName == "Fx,Fy";
            p.lblRepeat->setVisible(axis);
            p.txtRepeat->setVisible(axis);
            if (axis)
                p.txtRepeat->SetFocus();
            else
                p.txtSegm[2]->SetFocus();
        } else {
            p.cmdOK->SetFocus();
        }
        key = 0;
    } else {
        if (!vec::VectorNumberText(t)) {
            Msg("El dato no es numérico.");
            return;
        }
        if (index == 6 || !Shown(p.txtSegm[index + 1]))
            p.cmdOK->SetFocus();
        else
            p.txtSegm[index + 1]->SetFocus();
        key = 0;
    }
}

void RigidStatics::txtSegm_KeyDown(int index, int& key, int) {
    plat::TextBox* t = panel_.txtSegm[index];
    int to = -1;
    if (key == plat::vk::Left && t->SelStart() == 0) to = index - 1;
    if (key == plat::vk::Right && t->SelStart() == t->Text().size()) to = index + 1;
    if (to >= 0 && to <= 6 && Shown(panel_.txtSegm[to])) panel_.txtSegm[to]->SetFocus();
}

void RigidStatics::txtRepeat_KeyPress(int& key) {
    if (key != plat::vk::Return) return;
    panel_.txtRepeat->SetText(plat::QStr(UpperText(plat::StdStr(panel_.txtRepeat->Text()))));
    panel_.txtSegm[2]->SetFocus();
    key = 0;
}

void RigidStatics::txtRepeat_LostFocus() {
    panel_.txtRepeat->SetText(plat::QStr(UpperText(Trimmed(panel_.txtRepeat))));
}

void RigidStatics::txtOrigin_Change() {
    const QString up = plat::QStr(UpperText(plat::StdStr(panel_.txtOrigin->Text())));
    if (up != panel_.txtOrigin->Text()) panel_.txtOrigin->SetText(up);
}

void RigidStatics::txtOrigin_KeyPress(int& key) {
    if (key != plat::vk::Return) return;
    panel_.cmdUpdate->SetFocus();
    key = 0;
}

// ---- registration

void RigidStatics::cmdOK_Click() {
    Panel& p = panel_;
    SepVectorEntry e;
    e.points = Trimmed(p.txtSegm[0]);
    e.firstVector = Trimmed(p.txtSegm[1]);
    for (int k = 2; k <= 6; ++k) e.values[static_cast<size_t>(k)] = plat::StdStr(p.txtSegm[k]->Text());
    e.repeatVisible = Shown(p.txtRepeat);
    e.repeat = plat::StdStr(p.txtRepeat->Text());
    // Until the new vectors are listed and drawn, every way out gives the
    // tables, and the lists that show them, back as they were.
    const auto oldVectors = st_.SepVectors;
    const auto oldPoints = st_.StatPoints;
    const QStringList oldSeps = p.lstSeps->Items(), oldCoords = p.lstCoords->Items();
    rt::ScopeGuard restore([&] {
        st_.SepVectors = oldVectors;
        st_.StatPoints = oldPoints;
        p.lstSeps->SetItems(oldSeps);
        p.lstCoords->SetItems(oldCoords);
    });
    RegisterOutcome r = RegisterSepVectors(st_, e);
    if (!r.proposeOrigin.empty()) {
        p.txtOrigin->SetText(plat::QStr(r.proposeOrigin));
        for (plat::TextBox* t : p.txtRefPt) t->SetText(plat::QStr(UpperText(r.proposeOrigin)));
    }
    auto failed = [&] {
        restore.Run();
        Msg(kCommandError);
        if (st_.StatPointCount() > 0) {
            rt::IgnoreError("the command already reported its failure; the redraw is a courtesy",
                            [&] { RedrawStructure(); });
        }
        RestoreConfigCtrls();
        p.txtSegm[0]->SetFocus();
    };
    if (!r.ok) {
        if (r.message.empty()) return;
        if (r.runtimeFailure) {
            failed();
            return;
        }
        Msg(r.message);
        if (r.focus == EntryFocus::Points) p.txtSegm[0]->SetFocus();
        if (r.focus == EntryFocus::FirstVector) p.txtSegm[1]->SetFocus();
        return;
    }
    try {
        FillCoordLists();
        rt::FaultPoint("rigid structure lists");
        RedrawStructure();
    } catch (const rt::RuntimeError&) {
        failed();
        return;
    }
    restore.Keep();
    p.cboSeps->AddItem(plat::QStr(r.command));
    p.cboSeps->SetListIndex(p.cboSeps->ListCount() - 1);
    p.cmdVMb[0]->setEnabled(true);
    RestoreConfigCtrls();
    FillSystemsList();
    p.txtSegm[0]->SetFocus();
}

bool RigidStatics::FillCoordLists() {
    Panel& p = panel_;
    p.lstSeps->Clear();
    // Called once vectors are registered: an empty list is a fault here.
    if (st_.SepVectors.empty()) rt::Fault("structure lists with no separation vector");
    for (const std::string& l : SepListLines(st_, Decimals())) p.lstSeps->AddItem(plat::QStr(l));
    const std::string origin = UpperText(Trimmed(p.txtOrigin));
    if (!ShiftToOrigin(st_, origin)) {
        Msg("No conozco las coordenadas del punto " + origin);
        return false;
    }
    p.lstCoords->Clear();
    for (const std::string& l : CoordListLines(st_, Decimals())) p.lstCoords->AddItem(plat::QStr(l));
    return true;
}

void RigidStatics::cmdUpdate_Click() {
    try {
        // Updating before any vector was registered is the student's doing.
        if (st_.SepVectors.empty()) rt::Raise(rt::ErrorCode::SubscriptOutOfRange);
        FillCoordLists();
        RedrawStructure();
        panel_.txtSegm[0]->SetFocus();
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::RestoreConfigCtrls() {
    Panel& p = panel_;
    p.linSegm[0]->show();
    p.linSegm[1]->hide();
    p.linSegm[2]->hide();
    p.lblRepeat->hide();
    p.txtRepeat->hide();
    p.txtRepeat->SetText(QStringLiteral("x"));
    p.txtSegm[0]->SetText(QString());
    p.txtSegm[1]->SetText(QString());
    for (int k = 2; k <= 6; ++k) {
        p.txtSegm[k]->hide();
        p.txtSegm[k]->SetText(QString());
    }
    p.lblSegm[2]->hide();
    p.lblSegm[2]->SetCaption(QString());
    p.lblSegm[1]->SetCaption(QString());
}

void RigidStatics::EraseAllSepVectors() {
    Panel& p = panel_;
    st_.EraseStructure();
    // The grid shows the forces: it empties with them.
    p.gd1->SetRows(1);
    pic1().Cls();
    p.cboSeps->Clear();
    p.lstSeps->Clear();
    p.lstCoords->Clear();
    p.txtOrigin->SetText(QString());
    for (plat::TextBox* t : p.txtRefPt) t->SetText(QString());
    for (plat::Label* l : p.lblPoints) l->SetCaption(QString());
    RestoreDCLCtrls();
    RestoreConfigCtrls();
    p.spnColor->SetValue(1);
    p.txtPoints->SetText(QString());
    form_->rtbCalc->SetText(QString());
    p.txtJoinBody->SetBackColor(kSystemColors[1]);
    p.lstSysts->Clear();
    p.txtSegm[0]->SetFocus();
}

void RigidStatics::cmdConfig_Click(int index) {
    Panel& p = panel_;
    if (st_.SepVectorCount() == 0) return;
    try {
        if (index == 1) {
            EraseAllSepVectors();
            return;
        }
        if (st_.ForceCount() > 0) {
            if (AskBeforeErasing("Esta acción borrará los DCL's. ¿Deseas proseguir?", plat::MsgButtons::YesNo,
                                 plat::MsgResult::No) == plat::MsgResult::No)
                return;
            p.cmdDCL[2]->Press();
        }
        const std::string last = plat::StdStr(p.cboSeps->List(p.cboSeps->ListCount() - 1));
        const size_t slash = last.find('/');
        if (slash == std::string::npos) rt::Raise(rt::ErrorCode::InvalidCall);
        const int count = st_.SepVectorCount() - static_cast<int>(slash + 1) + 2;
        if (count <= 0) {
            st_.EraseStructure();
            pic1().Cls();
            p.cboSeps->Clear();
            p.lstSeps->Clear();
            p.lstCoords->Clear();
            p.txtOrigin->SetText(QString());
            for (plat::TextBox* t : p.txtRefPt) t->SetText(QString());
            for (plat::Label* l : p.lblPoints) l->SetCaption(QString());
            p.txtPoints->SetText(QString());
            p.spnColor->SetValue(1);
            RestoreDCLCtrls();
            RestoreConfigCtrls();
            for (QWidget* w : std::initializer_list<QWidget*>{p.lblSolve, p.linDCL, p.lstDCL, p.cmdClearLstDCL})
                w->hide();
            p.txtJoinBody->setEnabled(true);
            p.txtPoints->setEnabled(true);
            p.txtSegm[0]->SetFocus();
            return;
        }
        p.cboSeps->RemoveItem(p.cboSeps->ListCount() - 1);
        if (p.cboSeps->ListCount() > 0) p.cboSeps->SetListIndex(p.cboSeps->ListCount() - 1);
        st_.StatPoints.clear();
        st_.SepVectors.resize(static_cast<size_t>(count));
        ComputeCoordinates(st_);
        p.lstSeps->Clear();
        for (const std::string& l : SepListLines(st_, Decimals())) p.lstSeps->AddItem(plat::QStr(l));
        p.lstCoords->Clear();
        for (const std::string& l : CoordListLines(st_, Decimals())) p.lstCoords->AddItem(plat::QStr(l));
        p.txtJoinBody->SetText(QStringLiteral("1"));
        p.lstSysts->Clear();
        std::string joined;
        for (const std::string& l : VectorLetters(st_)) {
            p.lstSysts->AddItem(plat::QStr(l));
            p.lstSysts->SetSelected(p.lstSysts->ListCount() - 1, true);
            joined += l;
        }
        st_.SystemPoints[1] = joined;
        DrawStructureFrame(st_, pic1());
        if (st_.LineCount() > 0) DrawSystemLines(st_, pic1(), plat::StdStr(p.txtOrigin->Text()));
        RestoreConfigCtrls();
        FillSystemsList();
        for (plat::Label* l : p.lblPoints) l->SetCaption(QString());
        p.lblPoints[0]->SetCaption(plat::QStr(joined));
        p.lstSysts->setEnabled(false);
        p.txtSegm[0]->SetFocus();
    } catch (const rt::RuntimeError&) { Msg(kCommandError); }
}

void RigidStatics::NewEstcrProblem() {
    Panel& p = panel_;
    if (AskBeforeErasing("Confirmar borrado de todo.", plat::MsgButtons::OKCancel, plat::MsgResult::Cancel) ==
        plat::MsgResult::Cancel)
        return;
    // Nothing is redrawn on the way: the picture is cleared at the end, so an
    // origin box naming no point cannot stop the erasing halfway.
    form_->tabCalc->SetTab(0);
    p.cmdClearLstDCL->Press();
    EraseForceRecords();
    EraseAllSepVectors();
    form_->rtbSolve->SetText(QString());
    p.txtSuprEqn->SetText(QString());
    p.txtPoints->Tag.clear();
    p.lstSysts->setEnabled(false);
    p.txtJoinBody->SetBackColor(kSystemColors[1]);
    p.lstSysts->Clear();
    p.lblDCLPts->SetCaption(QString());
    pic1().Cls();
    for (plat::OptionButton* o : p.optDCL) o->SetValue(false);
    p.cmdShowIncsEqns->setEnabled(true);
    p.cmdVMb[0]->setEnabled(true);
    p.cmdVMb[1]->setEnabled(false);
    p.cmdVMb[3]->setEnabled(false);
}

void RigidStatics::tabStat_Click(int) {
    Panel& p = panel_;
    rt::IgnoreError("a page whose controls cannot be prepared still opens", [&] {
        const int page = p.tabStat->Tab();
        if (page == 0) {
            if (st_.LineCount() > 0) DrawSystemLines(st_, pic1(), plat::StdStr(p.txtOrigin->Text()));
            if (Shown(p.txtSegm[0])) p.txtSegm[0]->SetFocus();
        } else if (page == 1) {
            if (!DCLPageOpened) {
                DCLPageOpened = true;
                p.optDCL[0]->SetValue(true);
            }
            bool systems = false;
            for (int k = 2; k <= kMaxSystems; ++k)
                systems = systems || !st_.SystemPoints[static_cast<size_t>(k)].empty();
            if (systems)
                for (QWidget* w : std::initializer_list<QWidget*>{p.lblSolve, p.linDCL, p.lstDCL, p.cmdClearLstDCL})
                    w->show();
            if (p.lstDCL->SelCount() == 0) p.lstDCL->SetSelected(0, true);
            p.txtBody[1]->SetFocus();
        }
    });
}

// ---- systems and lines

void RigidStatics::FillSystemsList() {
    Panel& p = panel_;
    for (auto& s : st_.SystemPoints) s.clear();
    const std::vector<std::string> letters = VectorLetters(st_);
    p.lstSysts->Clear();
    for (const std::string& l : letters) p.lstSysts->AddItem(plat::QStr(l));
    for (int i = 0; i < p.lstSysts->ListCount(); ++i) p.lstSysts->SetSelected(i, true);
    std::string s;
    for (const std::string& l : letters) s += l;
    s = UpperText(s);
    p.lblPoints[0]->SetCaption(plat::QStr(s));
    st_.SystemPoints[1] = s;
    const std::string first = letters.empty() ? std::string() : UpperText(letters.front());
    for (plat::TextBox* t : p.txtRefPt) t->SetText(plat::QStr(first));
    p.optDCL[0]->show();
}

namespace {
// The system number in txtJoinBody, 0 when it is not one of 1..5.
int JoinBodyNumber(const plat::TextBox* t) {
    const std::string s = TrimText(plat::StdStr(t->Text()));
    if (s.empty() || !num::IsNumber(s)) return 0;
    const double v = rt::TextToNumber(s);
    if (v != static_cast<int>(v) || v < 1 || v > kMaxSystems) return 0;
    return static_cast<int>(v);
}
}  // namespace

void RigidStatics::txtJoinBody_Change() {
    const std::string s = TrimText(plat::StdStr(panel_.txtJoinBody->Text()));
    if (s.empty() || !num::IsNumber(s)) return;
    const int n = JoinBodyNumber(panel_.txtJoinBody);
    if (n == 0) {
        Msg("Número entre 1 y 5 aquí.");
        return;
    }
    panel_.txtJoinBody->SetBackColor(SystemColor(n));
}

void RigidStatics::lstSysts_Click() {
    Panel& p = panel_;
    const int n = JoinBodyNumber(p.txtJoinBody);
    if (n == 0) return;
    std::string s;
    for (int i = 0; i < p.lstSysts->ListCount(); ++i)
        if (p.lstSysts->Selected(i)) s += plat::StdStr(p.lstSysts->List(i));
    st_.SystemPoints[static_cast<size_t>(n)] = s;
    p.lblPoints[n - 1]->SetForeColor(SystemColor(n));
    p.lblPoints[n - 1]->SetCaption(plat::QStr(s));
}

void RigidStatics::spnColor_Change() {
    Panel& p = panel_;
    // The spinner's range is 1..5: any other value is the program's fault.
    const int n = p.spnColor->Value();
    p.lstSysts->setEnabled(n > 1);
    rt::ExpectIndex(n, 1, kMaxSystems, "system of the colour spinner");  // lblPoints(n - 1) and SystemPoints(n)
    const std::string kept = st_.SystemPoints[static_cast<size_t>(n)];
    p.lblPoints[n - 1]->SetCaption(plat::QStr(kept));
    p.txtJoinBody->SetBackColor(SystemColor(n));
    for (int i = 0; i < p.lstSysts->ListCount(); ++i) p.lstSysts->SetSelected(i, false);
    st_.SystemPoints[static_cast<size_t>(n)] = kept;
    p.lblPoints[n - 1]->SetCaption(plat::QStr(kept));
    if (!kept.empty()) p.lblPoints[n - 1]->SetForeColor(p.txtJoinBody->BackColor());
    if (n != 1) p.txtPoints->SetFocus();
}

void RigidStatics::txtPoints_KeyDown(int& key, int) {
    if (key < '1' || key > '5') return;
    const int d = key - '0';
    panel_.txtPoints->SetForeColor(SystemColor(d));
    panel_.lblSystPts->SetCaption(plat::QStr(st_.SystemPoints[static_cast<size_t>(d)]));
}

void RigidStatics::txtPoints_KeyPress(int& key) {
    if (key != plat::vk::Return) return;
    Panel& p = panel_;
    rt::IgnoreError("a line of points that cannot be drawn is not recorded; the box keeps the text", [&] {
        const std::string s = Trimmed(p.txtPoints);
        if (s.empty()) return;
        auto refuse = [&](const std::string& msg) {
            Msg(msg);
            p.txtPoints->SetSelStart(0);
            p.txtPoints->SetSelLength(static_cast<int>(p.txtPoints->Text().size()));
        };
        const char d = s[0];
        const std::string rest = TrimText(s.substr(1));
        if (d < '1' || d > '5') return refuse("Primero va el número del subsistema (1 <= n <= 5).");
        if (rest.empty()) return refuse("Dato incorrecto (Número del sistema seguido por cadena de letras).");
        if (vec::text::CharCount(rest) == 1) return;
        const std::string& system = st_.SystemPoints[static_cast<size_t>(d - '0')];
        if (vec::text::CharCount(system) == 1) {
            Msg("El presente sistema es una partícula.");
            return;
        }
        const bool cancel = rest.back() == '-';
        const std::string letters = cancel ? TrimText(UpperText(rest.substr(0, rest.size() - 1))) : UpperText(rest);
        std::vector<std::string> chars = Chars(letters);
        std::string test = letters;
        if (chars.size() > 1 && chars.front() == chars.back())
            test = letters.substr(0, letters.size() - chars.back().size());
        if (HasRepeatedLetter(test)) return refuse("Hay una letra repetida en el interior de la cadena.");
        const std::string alphabet = "ABCDEFGHIJKLMNÑOPQRSTUVWXYZ";
        for (const std::string& c : chars)
            if (c == " " || alphabet.find(c) == std::string::npos)
                return refuse("Carácter inválido en el símbolo del segmento.");
        for (const std::string& c : chars)
            if (system.find(c) == std::string::npos)
                return refuse("El punto " + c + " no está en el sistema " + std::string(1, d));
        for (const std::string& c : chars)
            if (FindPoint(st_, c) == 0) return refuse("El punto " + c + " no existe o no conozco sus coordenadas.");
        const int o = FindPoint(st_, Trimmed(p.txtOrigin));
        if (o == 0) return;
        const rt::ColorRef colour = p.txtPoints->ForeColor();
        DrawLineSegments(st_, pic1(), letters, !cancel, colour, PointAt(st_, o).PicX, PointAt(st_, o).PicY);
        st_.Lines.push_back(LineRec{letters, cancel ? "False" : "True", std::to_string(colour), std::string(1, d)});
        p.txtPoints->Tag = plat::QStr(s);
        p.txtPoints->SetText(QString());
        p.lblSystPts->SetCaption(QString());
        key = 0;
    });
}

}  // namespace rigid
