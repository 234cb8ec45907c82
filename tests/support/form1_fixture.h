#pragma once
// Widget tests on the main window.
//
// Form1Test builds Form1 with the real services of every subsystem, each
// wrapped in a recording double, reads the data files (help texts) from the
// source tree's data folder, runs its load event, shows the window and
// installs the
// scripted dialog service for the whole test (a box nobody queued an answer
// for fails the test). The doubles forward every call and write it to
// `calls` ("ArrangeGd2(960,4)", "ChooseBarGroup(1)", ...); the
// presses the shell makes on workspace buttons are recorded too
// ("cmdTable(0)", "cmdHelpCtrl(0)", "cboHelp(0)"). Button 9 records
// "EndProgram" instead of ending the test program.
//
//   TEST_F(Form1Test, Something) {
//       form().ShowWorkspace(0);
//       EXPECT_TRUE(Called("ChooseBarGroup(1)"));
//       auto* gd = Find<plat::FlexGrid>("gd");
//   }
//
// A test that wants a service to fail names it in FailOn before the call
// ("AdaptCtrls" throws rt::RuntimeError from that double), or in FaultOn for
// a fault of the program (rt::ProgramFault).
#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "shell/form1.h"
#include "support/dialog_script.h"

namespace testsupport {

// What the doubles record, shared by all of them.
struct CallLog {
    std::vector<std::string> calls;
    std::string failOn;  // a service name whose next call throws
    bool fault = false;  // it throws a fault of the program (rt::Fault), not a run-time error
    void Add(const std::string& call);
    bool Has(const std::string& call) const;
    // Position of the first call equal to `call`, -1 when absent.
    // Index of the first such call at or after `from`; -1 when none.
    int IndexOf(const std::string& call, int from = 0) const;
};

// The program's services (app::RealServices), each wrapped in a double
// that writes to log.
shell::Workspaces RecordingServices(CallLog& log);
// Wraps the presses and choices the shell makes on workspace controls
// (cmdTable(0), cmdHelpCtrl(0), cboHelp) so they are recorded too.
void RecordControlEvents(shell::Form1& form, CallLog& log);

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    shell::Form1& form() { return *form_; }
    bool Called(const std::string& call) const { return log_.Has(call); }
    int CallIndex(const std::string& call, int from = 0) const { return log_.IndexOf(call, from); }
    const std::vector<std::string>& Calls() const { return log_.calls; }
    void ClearCalls() { log_.calls.clear(); }
    void FailOn(const std::string& service) { log_.failOn = service; }
    void FaultOn(const std::string& service) {
        log_.failOn = service;
        log_.fault = true;
    }

    template <class T>
    T* Find(const QString& name) {
        return form_->findChild<T*>(name);
    }

    // Clicks toolbar button n (1..9) the way the mouse does.
    void PressToolbar(int n);

    DialogScript dialogs;

private:
    CallLog log_;
    std::unique_ptr<shell::Form1> form_;
};

}  // namespace testsupport
