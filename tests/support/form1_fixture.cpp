#include "support/form1_fixture.h"

#include <algorithm>
#include <utility>

#include "app/services.h"

#include "platform/buttons.h"
#include "platform/files.h"
#include "platform/lists.h"
#include "runtime/errors.h"
#include "runtime/variant.h"
#include "shell/defaults.h"
#include "support/reset_state.h"

namespace testsupport {

void CallLog::Add(const std::string& call) {
    calls.push_back(call);
    const std::string name = call.substr(0, call.find('('));
    if (!failOn.empty() && name == failOn) {
        failOn.clear();
        if (std::exchange(fault, false)) rt::Fault("failing double: " + call);
        rt::Raise(rt::ErrorCode::InvalidCall);
    }
}

bool CallLog::Has(const std::string& call) const { return IndexOf(call) >= 0; }

int CallLog::IndexOf(const std::string& call, int from) const {
    auto it = std::find(calls.begin() + std::clamp<int>(from, 0, static_cast<int>(calls.size())), calls.end(), call);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
}

namespace {

std::string Args(std::initializer_list<double> values) {
    std::string s = "(";
    bool first = true;
    for (double v : values) {
        if (!first) s += ",";
        first = false;
        s += rt::Variant(v).ToText();
    }
    return s + ")";
}

class RecDirection : public shell::DirectionFrameServices {
public:
    RecDirection(std::unique_ptr<shell::DirectionFrameServices> in, CallLog& log) : in_(std::move(in)), log_(log) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    void DrawClock(bool noMark) override {
        log_.Add("DrawClock" + Args({noMark ? 1.0 : 0.0}));
        in_->DrawClock(noMark);
    }
    void PickClockCell(int cell) override {
        log_.Add("PickClockCell" + Args({double(cell)}));
        in_->PickClockCell(cell);
    }

private:
    std::unique_ptr<shell::DirectionFrameServices> in_;
    CallLog& log_;
};

class RecCalculator : public shell::CalculatorServices {
public:
    RecCalculator(std::unique_ptr<shell::CalculatorServices> in, CallLog& log) : in_(std::move(in)), log_(log) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    void ArrangeGd() override {
        log_.Add("ArrangeGd");
        in_->ArrangeGd();
    }
    void FillTeclas() override {
        log_.Add("FillTeclas");
        in_->FillTeclas();
    }
    void ChooseBarGroup(int n) override {
        log_.Add("ChooseBarGroup" + Args({double(n)}));
        in_->ChooseBarGroup(n);
    }
    bool HasProblem() const override { return in_->HasProblem(); }
    void RestoreBar() override {
        log_.Add("RestoreBar");
        in_->RestoreBar();
    }

private:
    std::unique_ptr<shell::CalculatorServices> in_;
    CallLog& log_;
};

class RecParticle : public shell::ParticleStaticsServices {
public:
    RecParticle(std::unique_ptr<shell::ParticleStaticsServices> in, CallLog& log) : in_(std::move(in)), log_(log) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    void ArrangeGdEqui() override {
        log_.Add("ArrangeGdEqui");
        in_->ArrangeGdEqui();
    }
    void AddParticleForce() override {
        log_.Add("AddParticleForce");
        in_->AddParticleForce();
    }
    bool HasProblem() const override { return in_->HasProblem(); }
    bool SolveForcesFromGrid(const std::vector<std::string>& texts) override {
        log_.Add("SolveForcesFromGrid");
        return in_->SolveForcesFromGrid(texts);
    }
    bool TakesForces() const override { return in_->TakesForces(); }

private:
    std::unique_ptr<shell::ParticleStaticsServices> in_;
    CallLog& log_;
};

class RecRigid : public shell::RigidStaticsServices {
public:
    RecRigid(std::unique_ptr<shell::RigidStaticsServices> in, CallLog& log) : in_(std::move(in)), log_(log) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    void ArrangeGd1() override {
        log_.Add("ArrangeGd1");
        in_->ArrangeGd1();
    }
    bool HasProblem() const override { return in_->HasProblem(); }
    void RestoreDCLCtrls() override {
        log_.Add("RestoreDCLCtrls");
        in_->RestoreDCLCtrls();
    }

private:
    std::unique_ptr<shell::RigidStaticsServices> in_;
    CallLog& log_;
};

class RecMotion : public shell::MotionServices {
public:
    RecMotion(std::unique_ptr<shell::MotionServices> in, CallLog& log) : in_(std::move(in)), log_(log) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    void ArrangeGd2(int w, shell::WorkspaceId mode) override {
        log_.Add("ArrangeGd2" + Args({double(w), double(mode)}));
        in_->ArrangeGd2(w, mode);
    }
    void AdaptCtrls(shell::WorkspaceId mode) override {
        log_.Add("AdaptCtrls" + Args({double(mode)}));
        in_->AdaptCtrls(mode);
    }
    void FillMruaCbo(shell::WorkspaceId mode) override {
        log_.Add("FillMruaCbo" + Args({double(mode)}));
        in_->FillMruaCbo(mode);
    }
    void ShowPic1(bool show) override {
        log_.Add("ShowPic1" + Args({show ? 1.0 : 0.0}));
        in_->ShowPic1(show);
    }
    void ChoosePicture(int n) override {
        // The workspace the procedure sees decides its code.
        log_.Add("ChoosePicture" + Args({double(n)}) + " mode " + std::to_string(shell::Shared().WorkspaceMode));
        in_->ChoosePicture(n);
    }
    void InitMruaEqnLinePositions() override {
        log_.Add("InitMruaEqnLinePositions");
        in_->InitMruaEqnLinePositions();
    }
    bool HasProblem() const override { return in_->HasProblem(); }
    bool ConfirmNewProblem() override { return in_->ConfirmNewProblem(); }

private:
    std::unique_ptr<shell::MotionServices> in_;
    CallLog& log_;
};

class RecKinematics : public shell::KinematicsServices {
public:
    explicit RecKinematics(std::unique_ptr<shell::KinematicsServices> in) : in_(std::move(in)) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    bool HasProblem() const override { return in_->HasProblem(); }
    void AdaptKinemCtrls(int law) override { in_->AdaptKinemCtrls(law); }
    void ChooseLaw(shell::KinemLawId law) override { in_->ChooseLaw(law); }

private:
    std::unique_ptr<shell::KinematicsServices> in_;
};

class RecHelp : public shell::HelpServices {
public:
    RecHelp(std::unique_ptr<shell::HelpServices> in, CallLog& log) : in_(std::move(in)), log_(log) {}
    void BuildPanels(shell::Form1& f) override { in_->BuildPanels(f); }
    void LoadCalcHelp() override {
        log_.Add("LoadCalcHelp");
        in_->LoadCalcHelp();
    }
    void FillHelpCbo(shell::WorkspaceId mode) override {
        log_.Add("FillHelpCbo" + Args({double(mode)}));
        in_->FillHelpCbo(mode);
    }

private:
    std::unique_ptr<shell::HelpServices> in_;
    CallLog& log_;
};

class RecResults : public shell::ResultsDialogServices {
public:
    RecResults(std::unique_ptr<shell::ResultsDialogServices> in, CallLog& log) : in_(std::move(in)), log_(log) {}
    void Show() override {
        log_.Add("Form2.Show");
        in_->Show();
    }
    void Unload() override {
        log_.Add("Form2.Unload");
        in_->Unload();
    }

private:
    std::unique_ptr<shell::ResultsDialogServices> in_;
    CallLog& log_;
};

// Records a control's handler call before running the original one.
template <class Control>
void Wrap(Control* c, CallLog& log, std::string name) {
    auto original = c->Click;
    c->Click = [original, &log, name, c] {
        if constexpr (std::is_same_v<Control, plat::ComboBox>)
            log.Add(name + "(" + std::to_string(c->ListIndex()) + ")");
        else
            log.Add(name);
        if (original) original();
    };
}

}  // namespace

shell::Workspaces RecordingServices(CallLog& log) {
    shell::Workspaces real = app::RealServices();
    shell::Workspaces w;
    w.direction = std::make_unique<RecDirection>(std::move(real.direction), log);
    w.calculator = std::make_unique<RecCalculator>(std::move(real.calculator), log);
    w.particle = std::make_unique<RecParticle>(std::move(real.particle), log);
    w.rigid = std::make_unique<RecRigid>(std::move(real.rigid), log);
    w.motion = std::make_unique<RecMotion>(std::move(real.motion), log);
    w.kinematics = std::make_unique<RecKinematics>(std::move(real.kinematics));
    w.help = std::make_unique<RecHelp>(std::move(real.help), log);
    w.results = std::make_unique<RecResults>(std::move(real.results), log);
    return w;
}

void RecordControlEvents(shell::Form1& form, CallLog& log) {
    Wrap(form.panels.cmdTable0, log, "cmdTable(0)");
    Wrap(form.cmdHelpCtrl[0], log, "cmdHelpCtrl(0)");
    Wrap(form.cboHelp, log, "cboHelp");
}

void Form1Test::SetUp() {
    ResetAllState();
    plat::SetDataFolder(QStringLiteral(TELUVAR_SOURCE_DIR "/data"));
    form_ = std::make_unique<shell::Form1>(RecordingServices(log_));
    form_->EndProgram = [this] { log_.Add("EndProgram"); };
    form_->Form_Load();
    form_->show();
    form_->FinishLoad();  // the panels, as the first paint would have them built
    RecordControlEvents(*form_, log_);
}

void Form1Test::TearDown() {
    form_.reset();
    plat::SetDataFolder(QString());
}

void Form1Test::PressToolbar(int n) { form_->Image1_MouseDown(1, 0, (n - 1) * 555.0 + 270, 200); }

}  // namespace testsupport
