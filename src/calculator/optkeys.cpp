// The option keys of the expression strip, 24 units wide on picOpt (y up):
// 1 inserts a polynomial, 2 turns the hot keys on and off, 3 switches
// between infix and reverse-Polish notation, 4 between degrees and radians.
// Keys 2 and 3 show their "off" state by a cross drawn in exclusive or.
#include <cmath>
#include <string>
#include <vector>

#include "calculator/exprbox.h"
#include "calculator/exprtext.h"
#include "numerics/expression.h"
#include "platform/dialogs.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "runtime/rounding.h"
#include "shell/defaults.h"

namespace calc {

namespace {

constexpr rt::ColorRef kKeyFace = 0xE0FFE0;

// Two lines in exclusive or: drawn once they show a cross, twice they vanish.
void XorCross(plat::Picture& pic, double x1, double y1, double x2, double y2, double x3, double y3, double x4,
              double y4) {
    pic.SetDrawMode(plat::DrawMode::XorPen);
    pic.Line(x1, y1, x2, y2, rt::kWhite);
    pic.Line(x3, y3, x4, y4, rt::kWhite);
    pic.SetDrawMode(plat::DrawMode::CopyPen);
}

}  // namespace

void ExprStrip::InsertPolynomial() {
    const QString answer = plat::InputBox(kPolyPrompt, kPolyTitle);
    // Cancel (or no answer) leaves the box as it was.
    if (answer.isEmpty()) return;
    std::vector<double> coefs;
    for (const QString& part : answer.split(QLatin1Char(','))) coefs.push_back(rt::TextToNumber(part.toStdString()));
    const std::string poly = GetPolynomial(coefs);
    if (poly.rfind("Uno", 0) == 0) {
        plat::MsgBox(QString::fromStdString(poly), plat::MsgButtons::OK, plat::kAppTitle);
        return;
    }
    c_.rtbExpr->SetText(QString::fromStdString(poly));
}

void ExprStrip::picOpt_MouseDown(int button, int shift, double x, double y) {
    shell::SharedState& s = shell::Shared();
    plat::Picture& pic = *c_.picOpt;
    try {
        const double k = rt::IntFloor(x / 24) + 1;
        if (k == 1) {
            InsertPolynomial();
            return;
        }
        if (k == 2) {
            XorCross(pic, 24, 2, 47, 21, 26, 21, 47, 2);
            s.ExprHotKeys = !s.ExprHotKeys;
        } else if (k == 3) {
            XorCross(pic, 49, 2, 71, 21, 49, 21, 71, 3);
            s.ExprInfix = !s.ExprInfix;
        } else if (k == 4) {
            pic.FilledBox(73, 21, 94, 2, kKeyFace);
            pic.SetCurrentX(76);
            pic.SetCurrentY(18);
            if (num::AngleUnitIsDegrees()) {
                pic.Print(QStringLiteral("rad"));
                num::SetAngleUnit(num::kRadians);
            } else {
                pic.Print(QStringLiteral("grd"));
                num::SetAngleUnit(num::kDefaultAngleFactor);
            }
        } else {
            return;
        }
        c_.rtbExpr->SetSelStart(c_.rtbExpr->TextLength());
        c_.rtbExpr->SetFocus();
    } catch (const rt::RuntimeError&) { plat::MsgBox(QStringLiteral("Error."), plat::MsgButtons::OK, plat::kAppTitle); }
}

}  // namespace calc
