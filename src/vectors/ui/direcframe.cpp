#include "vectors/ui/direcframe.h"

#include <QFontMetrics>
#include <QWidget>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "shell/draweng.h"
#include "vectors/clock.h"
#include "vectors/clockangle.h"
#include "vectors/ui/clockdraw.h"

namespace vecui {

namespace {

shell::WorkspaceId Workspace() { return shell::Shared().WorkspaceMode; }
bool TakesVectors() { return Workspace() == shell::kCalculatorWorkspace || Workspace() == shell::kParticleWorkspace; }
int& DirHour() { return shell::DrawEng().DirHour; }

// Captions of the step buttons, in index order.
const char* const kSteps[8] = {"1", "2", "5", "10", "-1", "-2", "-5", "-10"};

}  // namespace

DirecFrame::DirecFrame(plat::Frame* fra, DirecFrameLinks links) : links_(std::move(links)) {
    fraDirec = fra;
    QWidget* f = fraDirec;

    picClock = new plat::Picture(QStringLiteral("picClock"), f);
    picClock->MoveTwips(90, 60, 1770, 1770);
    picClock->SetBackColor(rt::kButtonFace);
    picClock->OnMouseDown([this](int b, int s, double x, double y) { picClock_MouseDown(b, s, x, y); });

    lbltxtAngle = new plat::Label(QStringLiteral("lbltxtAngle"), f);
    lbltxtAngle->SetFace(QStringLiteral("Symbol"), 10);
    lbltxtAngle->SetCaption(QStringLiteral("q ="));
    lbltxtAngle->setToolTip(QStringLiteral("clic aquí inserta el ángulo de rotación"));
    lbltxtAngle->setGeometry(132, 10, 30, 18);
    lbltxtAngle->Click = [this] { lbltxtAngle_Click(); };

    txtAngle = new plat::TextBox(QStringLiteral("txtAngle"), f);
    txtAngle->setGeometry(164, 8, 46, 22);
    txtAngle->SetText(QStringLiteral("0"));
    txtAngle->keys.KeyPress = [this](int& k) { txtAngle_KeyPress(k); };

    lblRotAngle = new plat::Label(QStringLiteral("lblRotAngle"), f);
    lblRotAngle->SetCaption(QStringLiteral("Rotar los ejes en:"));
    const int rotWidth = lblRotAngle->fontMetrics().horizontalAdvance(lblRotAngle->Caption()) + 2;
    lblRotAngle->setGeometry(325 - rotWidth, 12, rotWidth, 16);

    cmdRotangle = new plat::CommandButton(QStringLiteral("cmdRotangle"), f);
    cmdRotangle->SetFace(QStringLiteral("Symbol"), 9);
    cmdRotangle->SetCaption(QStringLiteral("Q = 0°"));
    cmdRotangle->setToolTip(QStringLiteral("Rotar los ejes de coordenadas un ángulo dado"));
    cmdRotangle->setGeometry(328, 7, 56, 24);

    for (int i = 0; i < 8; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdInc"), i), f);
        b->SetCaption(QString::fromLatin1(kSteps[i]));
        b->setGeometry(132 + 31 * i, 37, 29, 23);
        b->Click = [this, i] { cmdInc_Click(i); };
        cmdInc[i] = b;
    }

    // "atan(" and ")" with the arctangent box lying over the blanks between.
    Label8 = new plat::Label(QStringLiteral("Label8"), f);
    const QString open = QStringLiteral("atan("), gap(25, QLatin1Char(' '));
    Label8->SetCaption(open + gap + QStringLiteral(")"));
    Label8->setToolTip(QStringLiteral("Calcular el ángulo cuya tangente es la expresión dada"));
    const QFontMetrics fm(Label8->font());
    Label8->setGeometry(132, 70, fm.horizontalAdvance(Label8->Caption()) + 4, 16);
    txtAtan = new plat::TextBox(QStringLiteral("txtAtan"), f);
    txtAtan->setToolTip(QStringLiteral("Número o expresión como 2/5, r(12.3), etc."));
    txtAtan->setGeometry(132 + fm.horizontalAdvance(open) + 1, 67, std::max(60, fm.horizontalAdvance(gap) - 2), 22);
    txtAtan->keys.KeyPress = [this](int& k) { txtAtan_KeyPress(k); };

    lblVorF = new plat::Label(QStringLiteral("lblVorF"), f);
    lblVorF->SetCaption(QStringLiteral("Vector:"));
    lblVorF->setGeometry(132, 100, 46, 16);

    txtVector = new plat::TextBox(QStringLiteral("txtVector"), f);
    txtVector->setGeometry(180, 97, 203, 22);
    txtVector->keys.KeyPress = [this](int& k) { txtVector_KeyPress(k); };

    lblFmts = new plat::Label(QStringLiteral("lblFmts"), f);
    lblFmts->SetCaption(
        QStringLiteral("Ejemplos de formatos válidos: \"p23x,12\", \"s34.5y, 9h\", \"t45x, 12h\", "
                       "\"c36.87x, 10v\", \"23,-45\", \"230<-34\" ó \"230;-34\", \"h-55\", \"v0.24\", \"u156\""));
    lblFmts->setWordWrap(true);
    lblFmts->setGeometry(8, 126, 387, 50);

    clockPoints_ = vec::MakeClockLattice(picClock->ScaleHeight());
}

double DirecFrame::RotAngle() { return links_.GetRotAngle ? links_.GetRotAngle() : 0.0; }

void DirecFrame::DrawClock(bool noMark) {
    double r = 0.0;
    rt::IgnoreError("an unreadable rotation draws the clock unturned", [&] { r = RotAngle(); });
    clockPoints_ = DrawClockOn(*picClock, r, noMark);
}

void DirecFrame::PublishText(const std::string& prefix) {
    const QString s = plat::QStr(prefix);
    txtVector->SetText(s);
    txtVector->SetSelStart(static_cast<int>(s.size()));
    txtVector->SetFocus();
}

void DirecFrame::PublishPrefix() {
    PublishText(vec::ClockDirectionPrefix(DirHour(), vec::AngleBoxNumber(plat::StdStr(txtAngle->Text()))));
}

void DirecFrame::picClock_MouseDown(int, int, double x, double y) {
    int cell = 0;
    rt::IgnoreError("a click that names no hour ends where it happened, silently", [&] {
        const double c = picClock->ScaleHeight() / 2.0;
        cell = vec::ClockCellUnderClick(clockPoints_, c, RotAngle(), x, y);
        if (cell == 0) txtAngle->SetFocus();
    });
    if (cell != 0) PickClockCell(cell);
}

void DirecFrame::PickClockCell(int cell) {
    // The cell is the hit test's or the program's own: one outside 1..16 is
    // a fault and goes on.
    const vec::ClockPick pick = vec::ClockCellPick(cell);
    double r = 0.0;
    if (!rt::IgnoreError("an unreadable rotation ends the pick before the clock changes", [&] { r = RotAngle(); }))
        return;
    DrawClock(true);
    auto& shared = shell::Shared();
    MarkClockHour(*picClock, clockPoints_, r, shared.ClockMarkedHour, pick.hour);
    DirHour() = pick.hour;
    shared.ClockMarkedHour = static_cast<int16_t>(pick.hour);
    rt::IgnoreError("an unreadable typed angle leaves the angle box and the vector text as they were", [&] {
        txtAngle->SetText(plat::QStr(vec::AngleTextAfterPick(pick.hour, pick.corner, plat::StdStr(txtAngle->Text()))));
        if (TakesVectors()) PublishPrefix();
    });
}

void DirecFrame::cmdInc_Click(int index) {
    if (vec::IsAxisHour(DirHour())) return;
    try {
        rt::ExpectIndex(index, 0, 7, "angle step button");
        txtAngle->SetText(
            plat::QStr(vec::SteppedAngleText(plat::StdStr(txtAngle->Text()), plat::StdStr(cmdInc[index]->Caption()))));
        if (TakesVectors()) PublishPrefix();
    } catch (const rt::RuntimeError&) {
        plat::MsgBox(QStringLiteral("Error en el comando."), plat::MsgButtons::OK, plat::kAppTitle);
    }
}

// The rotation is a number and the hour one the clock gave: nothing here
// depends on what the user typed, so a failure is a fault of the program.
void DirecFrame::lbltxtAngle_Click() {
    if (vec::IsAxisHour(DirHour())) return;
    const double a = shell::Shared().AxesRotation;
    txtAngle->SetText(plat::QStr(rt::NumberText(a)));
    const std::string s = vec::ClockDirectionPrefix(DirHour(), a);
    if (Workspace() == shell::kParticleWorkspace) {
        PublishText(s);
    } else if (Workspace() == shell::kCalculatorWorkspace) {
        plat::FlexGrid* gd = links_.ArgumentGrid ? links_.ArgumentGrid() : nullptr;
        if (gd && gd->Row() > 0 && gd->Col() > 0) {
            gd->SetTextMatrix(gd->Row(), gd->Col(), plat::QStr(s));
            gd->SetFocus();
        }
    }
}

void DirecFrame::AngleEnter(int& keyAscii) {
    const std::string s = vec::ClockDirectionPrefix(DirHour(), vec::AngleBoxNumber(plat::StdStr(txtAngle->Text())));
    if (TakesVectors()) {
        if (vec::IsAxisHour(DirHour())) {
            plat::MsgBox(QStringLiteral("Fija la hora correctamente."), plat::MsgButtons::OK, plat::kAppTitle);
            return;
        }
        PublishText(s);
    }
    keyAscii = 0;
}

void DirecFrame::txtAngle_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    rt::IgnoreError("a non-numeric angle: Enter does nothing", [&] { AngleEnter(keyAscii); });
}

void DirecFrame::txtAtan_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    try {
        const rt::Outcome<std::string> a = vec::ArcTanAngleText(plat::StdStr(txtAtan->Text()));
        if (!a.ok()) {
            plat::MsgBox(plat::QStr(a.message()), plat::MsgButtons::OK, plat::kAppTitle);
            return;
        }
        txtAngle->SetText(plat::QStr(*a));
        AngleEnter(keyAscii);
    } catch (const rt::RuntimeError&) {
        plat::MsgBox(QStringLiteral("Error en la expresión."), plat::MsgButtons::OK, plat::kAppTitle);
    }
}

void DirecFrame::txtVector_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    keyAscii = 0;
    try {
        if (Workspace() == shell::kParticleWorkspace) {
            if (links_.AddParticleForce) links_.AddParticleForce();
        } else if (Workspace() == shell::kCalculatorWorkspace) {
            plat::FlexGrid* gd = links_.ArgumentGrid ? links_.ArgumentGrid() : nullptr;
            if (!gd) return;
            const int r = gd->Row(), c = gd->Col();
            if (r != 0 && c != 0) {
                gd->SetTextMatrix(r, c, plat::QStr(rt::Trim(plat::StdStr(txtVector->Text()))));
                // The vector is in its cell: the box is ready for the next
                // one, so what is typed next is not added to this text.
                txtVector->SetText(QString());
                gd->SetRow(r);
                gd->SetCol(c);
                gd->SetFocus();
                int key = 13;
                if (links_.GdKeyPress) links_.GdKeyPress(key);
            }
        }
    } catch (const rt::RuntimeError&) { plat::MsgBox(QStringLiteral("Error. Revisa el dato vectorial.")); }
}

}  // namespace vecui
