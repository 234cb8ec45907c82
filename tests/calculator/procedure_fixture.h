#pragma once
// Calculator procedures run alone, as the dispatch runs them: a drawing
// picture, the result, log and hold panes in place of the window's,
// Decimals at 3 and the scripted dialog service. Everything is put back
// afterwards.
#include <gtest/gtest.h>

#include "platform/picture.h"
#include "platform/richpane.h"
#include "runtime/colors.h"
#include "shell/defaults.h"
#include "shell/writer.h"
#include "support/dialog_script.h"
#include "text/globals.h"

namespace calctest {

class ProcedureRun : public ::testing::Test {
protected:
    using Kind = plat::DrawnPrimitive::Kind;

    ProcedureRun() : pic("pic") {
        shell::ResetShared();
        pic.resize(397, 385);
        pic.ScaleYUp();
        saved = shell::Panes();
        shell::Panes().rtbCalc = &calc;
        shell::Panes().rtbReg = &reg;
        shell::Panes().rtbHold = &hold;
        savedDecimals = text::G().Decimals;
        text::G().Decimals = 3;
        calc.SetText("antes");
    }
    ~ProcedureRun() override {
        shell::Panes() = saved;
        text::G().Decimals = savedDecimals;
    }

    // Primitives of one kind drawn so far, of any colour or of one.
    int Count(Kind kind) const {
        int n = 0;
        for (const auto& d : pic.Drawn()) n += d.kind == kind;
        return n;
    }
    int Count(Kind kind, rt::ColorRef colour) const {
        int n = 0;
        for (const auto& d : pic.Drawn()) n += d.kind == kind && d.color == colour;
        return n;
    }

    plat::Picture pic;
    plat::RichPane calc, reg, hold;
    shell::ResultPanes saved;
    int savedDecimals = 3;
    testsupport::DialogScript dialogs;
};

}  // namespace calctest
