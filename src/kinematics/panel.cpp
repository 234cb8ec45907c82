#include "kinematics/panel.h"

#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <functional>
#include <utility>

#include "calculator/exprbox.h"
#include "kinematics/compute.h"
#include "kinematics/state.h"
#include "numerics/expression.h"
#include "numerics/mathutil.h"
#include "platform/answerpane.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "runtime/errors.h"
#include "runtime/numtext.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "shell/writer.h"
#include "text/globals.h"

namespace kinem {

namespace {

const QString kCourier = QStringLiteral("Courier New");
const QString kTimes = QStringLiteral("Times New Roman");

void SetCourier(QWidget* w, double points) {
    QFont f(kCourier);
    f.setPointSizeF(points);
    w->setFont(f);
}

plat::Label* MakeLabel(const QString& name, QWidget* parent, int l, int t, int w, int h, const QString& caption) {
    auto* lbl = new plat::Label(name, parent);
    lbl->SetFace(kTimes, 8.25);
    lbl->SetCaption(caption);
    lbl->setGeometry(l, t, w, h);
    return lbl;
}

plat::TextBox* MakeBox(const QString& name, QWidget* parent, int l, int t, int w, int h) {
    auto* box = new plat::TextBox(name, parent);
    SetCourier(box, 8.25);
    box->setGeometry(l, t, w, h);
    return box;
}

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

// The captions that run behind the boxes leave the boxes their places with
// runs of blanks, which depend on the font's metrics. One piece of such a
// caption: the text before it, the piece, and where it must start and end
// (pixels from the label's left edge) to stand between two boxes.
struct CaptionPiece {
    QString before, piece;
    double minStart, maxEnd;
};

// Gives the label the first size, from `base` points up by three quarters
// of a point at a time, at which every piece stands clear of the boxes;
// keeps its font when none does.
void FitCaptionSize(plat::Label* label, double base, std::initializer_list<CaptionPiece> pieces) {
    for (double points = base; points <= base + 3; points += 0.75) {
        const QFont f = plat::MakeFont(label->FaceName(), points);
        const QFontMetricsF m(f);
        const bool clear = std::all_of(pieces.begin(), pieces.end(), [&](const CaptionPiece& p) {
            const double start = m.horizontalAdvance(p.before);
            return start >= p.minStart && start + m.horizontalAdvance(p.piece) <= p.maxEnd;
        });
        if (clear) {
            label->setFont(f);
            return;
        }
    }
}

// Runs a task once, when the watched widget is first set visible (before
// it is painted, whether or not its window is on the screen yet).
class RunOnFirstShow : public QObject {
public:
    RunOnFirstShow(QWidget* w, std::function<void()> task) : QObject(w), task_(std::move(task)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ShowToParent && task_) {
            o->removeEventFilter(this);
            std::exchange(task_, nullptr)();
        }
        return false;
    }

private:
    std::function<void()> task_;
};

// The text of a time or value box: one number as the student types it
// ("2,5", "1e-3") in the program's own form, or else the text itself.
std::string TrimmedText(const plat::TextBox* box) {
    const std::string t = rt::Trim(box->Text().toStdString());
    return rt::SingleNumberText(t).value_or(t);
}

void Refuse(const QString& text) { plat::MsgBox(text, plat::MsgButtons::OK, plat::kAppTitle); }

}  // namespace

void Kinematics::BuildPanels(shell::Form1& form) {
    form_ = &form;
    panel_.fraKinem = new plat::Frame(QStringLiteral("fraKinem"), &form);
    panel_.fraKinem->setGeometry(408, 71, 391, 269);
    BuildControls();
    WireKeys();
    form.panels.fraKinem = panel_.fraKinem;
}

void Kinematics::BuildControls() {
    Panel& p = panel_;
    QWidget* fr = p.fraKinem;
    auto name = [](const char* base, int i) { return plat::ArrayName(QString::fromLatin1(base), i); };

    // The frames of the two rows lie beneath their controls.
    const int shapeBox[2][4] = {{8, 118, 359, 31}, {8, 148, 359, 59}};
    for (int i = 0; i < 2; ++i) {
        p.shpKinem[i] = new plat::Shape(name("shpKinem", i), fr);
        p.shpKinem[i]->setGeometry(shapeBox[i][0], shapeBox[i][1], shapeBox[i][2], shapeBox[i][3]);
    }
    p.lblt0 = MakeLabel(name("lblt0", 0), fr, 8, 82, 373, 17, QString());

    p.lblFunction[0] = MakeLabel(name("lblFunction", 0), fr, 6, 12, 69, 21, QStringLiteral("x(t)="));
    p.lblFunction[1] = MakeLabel(name("lblFunction", 1), fr, 0, 32, 75, 21, QStringLiteral("y(t)="));
    for (int i = 0; i < 2; ++i) {
        p.lblFunction[i]->SetFace(kCourier, 8.25);
        p.lblFunction[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* law = new plat::RichPane(name("txtKinem", i), fr);
        law->SetDefaultFont(kCourier, 9);
        law->setLineWrapMode(QTextEdit::NoWrap);
        law->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        law->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        law->setAcceptRichText(false);
        law->document()->setDocumentMargin(1);
        law->setGeometry(76, 10 + 20 * i, 307, 21);
        p.txtKinem[i] = law;
    }
    p.lblKinInt = MakeLabel(QStringLiteral("lblKinInt"), fr, 8, 62, 99, 14, QStringLiteral("Condiciones iniciales:"));

    const int t0Left[4] = {48, 154, 262, 240};
    for (int i = 0; i < 4; ++i) p.txtT0[i] = MakeBox(name("txtT0", i), fr, t0Left[i], i < 3 ? 78 : 122, 71, 21);

    p.lblKCalc[0] = MakeLabel(name("lblKCalc", 0), fr, 14, 124, 245, 15,
                              QStringLiteral("Calcular posición, velocidad y aceleración en t ="));
    // Wide enough to reach the tf box, where its caption may end.
    p.lblKCalc[1] = MakeLabel(name("lblKCalc", 1), fr, 14, 154, 196 - 14, 14,
                              QStringLiteral("Graficar entre ti =") + Blanks(22) + QStringLiteral("y tf ="));
    p.txtT0[3]->raise();  // over the end of its row's label
    // In frame pixels: t0 box 48-119, x0 box 154-225, v0 box 262-333 (the
    // label starts at 8); ti box 106-157, tf box 196-247 (the label at 14).
    // Measuring the captions loads their face: done when the frame is first
    // shown rather than while the program starts.
    new RunOnFirstShow(fr, [&p] {
        const QString t0Run = QStringLiteral("En t0 =") + Blanks(27);
        FitCaptionSize(
            p.lblt0, 8.25,
            {{t0Run, QStringLiteral(", x0 ="), 119 - 8 + 1, 154 - 8 - 1},
             {t0Run + QStringLiteral(", x0 =") + Blanks(26), QStringLiteral(", v0 ="), 225 - 8 + 1, 262 - 8 - 1}});
        FitCaptionSize(p.lblKCalc[1], 8.25,
                       {{QStringLiteral("Graficar entre ti =") + Blanks(22), QStringLiteral("y tf ="), 157 - 14 + 1,
                         196 - 14 - 3}});
    });
    for (int i = 0; i < 2; ++i) p.txtKinemt1[i] = MakeBox(name("txtKinemt1", i), fr, i == 0 ? 106 : 196, 152, 51, 21);

    p.cmdCalcxva = new plat::CommandButton(QStringLiteral("cmdCalcxva"), fr);
    p.cmdGraph = new plat::CommandButton(QStringLiteral("cmdGraph"), fr);
    for (auto* b : {p.cmdCalcxva, p.cmdGraph}) {
        b->SetCaption(QStringLiteral("Ya"));
        b->SetFace(kCourier, 8.25);
    }
    p.cmdCalcxva->setGeometry(324, 122, 37, 21);
    p.cmdGraph->setGeometry(324, 176, 37, 21);
    p.cmdCalcxva->Click = [this] { cmdCalcxva_Click(); };
    p.cmdGraph->Click = [this] { cmdGraph_Click(); };

    const char* captions[4] = {"x(t)", "v(t)", "a(t)", "Todas"};
    const rt::ColorRef colours[4] = {0xC000C0, 0xFF0000, 0x0000FF, rt::kBlack};
    const int checkBox[4][2] = {{16, 55}, {78, 55}, {134, 55}, {196, 67}};  // left, width
    for (int i = 0; i < 4; ++i) {
        auto* c = new plat::CheckBox(name("chkGraph", i), fr);
        c->SetFace(kCourier, 8.25);
        c->SetCaption(QString::fromLatin1(captions[i]));
        c->SetForeColor(colours[i]);
        c->setGeometry(checkBox[i][0], 176, checkBox[i][1], 21);
        c->Click = [this, i] { chkGraph_Click(i); };
        p.chkGraph[i] = c;
    }
}

void Kinematics::WireKeys() {
    Panel& p = panel_;
    for (int i = 0; i < 2; ++i) {
        p.txtKinem[i]->setUndoRedoEnabled(true);  // Ctrl+Z takes back what a key did
        p.txtKinem[i]->keys.KeyDown = [this, i](int& code, int shift) { txtKinem_KeyDown(i, code, shift); };
        p.txtKinem[i]->keys.KeyUp = [this, i](int& code, int shift) { txtKinem_KeyUp(i, code, shift); };
    }
    auto enterWalk = [this](QWidget* box) {
        return [this, box](int& ascii) {
            if (ascii != plat::vk::Return) return;
            ascii = 0;
            EnterFrom(box);
        };
    };
    for (auto* law : p.txtKinem) law->keys.KeyPress = enterWalk(law);
    for (auto* box : p.txtT0) box->keys.KeyPress = enterWalk(box);
    for (auto* box : p.txtKinemt1) box->keys.KeyPress = enterWalk(box);
}

bool Kinematics::HasProblem() const {
    for (const plat::RichPane* box : panel_.txtKinem)
        if (box && !box->Text().trimmed().isEmpty()) return true;
    return false;
}

void Kinematics::AdaptKinemCtrls(int law) {
    Panel& p = panel_;
    const bool line = law >= kLawX && law <= kLawA;
    // The rows of the instant and of the graph.
    auto rows = [&](bool show, bool checks) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{p.shpKinem[0], p.shpKinem[1], p.lblKCalc[0], p.lblKCalc[1],
                                             p.txtKinemt1[0], p.txtKinemt1[1], p.txtT0[3], p.cmdCalcxva, p.cmdGraph})
            w->setVisible(show);
        if (checks)
            for (auto* c : p.chkGraph) c->setVisible(show);
    };
    rows(line, true);
    if (law < kLawX || law > kLawPolar) return;

    static const char* const kCaptions[5] = {"x(t)=", "v(t,x)=", "a(t,x,v)=", "x(t)=", "r(t)="};
    const bool plane = !line;
    p.lblFunction[0]->SetCaption(QString::fromLatin1(kCaptions[law - kLawX]));
    p.lblFunction[1]->setVisible(plane);
    if (plane) p.lblFunction[1]->SetCaption(law == kLawXY ? QStringLiteral("y(t)=") : QStringLiteral("theta(t)="));
    p.txtKinem[1]->setVisible(plane);
    const bool initial = law == kLawV || law == kLawA;
    p.lblKinInt->setVisible(initial);
    p.lblt0->setVisible(initial);
    if (law == kLawV)
        p.lblt0->SetCaption(QStringLiteral("En t0 =") + Blanks(27) + QStringLiteral(", x0 = "));
    else if (law == kLawA)
        p.lblt0->SetCaption(QStringLiteral("En t0 =") + Blanks(27) + QStringLiteral(", x0 =") + Blanks(26) +
                            QStringLiteral(", v0 ="));
    p.txtT0[0]->setVisible(initial);
    p.txtT0[1]->setVisible(initial);
    p.txtT0[2]->setVisible(law == kLawA);
    if (plane) rows(true, false);  // the instant and the interval, without the curves
}

void Kinematics::ChooseLaw(shell::KinemLawId law) {
    Panel& p = panel_;
    for (plat::TextBox* box : p.txtT0) box->SetText(QString());
    for (plat::RichPane* box : p.txtKinem) box->SetText(QString());
    for (plat::CheckBox* check : p.chkGraph) check->SetValue(0);
    for (plat::TextBox* box : p.txtKinemt1) box->SetText(QString());
    AdaptKinemCtrls(law);
    shell::Shared().KinemLaw = law;
    plat::FocusControl(p.txtKinem[0]);
}

void Kinematics::EnterFrom(QWidget* box) {
    const Panel& p = panel_;
    const int law = shell::Shared().KinemLaw;
    const bool line = law >= kLawX && law <= kLawA;
    const bool initial = law == kLawV || law == kLawA;
    QWidget* next = nullptr;
    if (box == p.txtKinem[0] || box == p.txtKinem[1]) {
        // The plane laws have no initial conditions: on to the instant.
        if (initial)
            next = p.txtT0[0];
        else if (law >= kLawX && law <= kLawPolar)
            next = p.txtT0[3];
    } else if (box == p.txtT0[0]) {
        if (initial) next = p.txtT0[1];
    } else if (box == p.txtT0[1]) {
        if (law == kLawV) next = p.txtT0[3];
        if (law == kLawA) next = p.txtT0[2];
    } else if (box == p.txtT0[2]) {
        if (law == kLawA) next = p.txtT0[3];
    } else if (box == p.txtT0[3]) {
        if (line) next = p.txtKinemt1[0];
    } else if (box == p.txtKinemt1[0]) {
        next = p.txtKinemt1[1];
    }
    if (next) plat::FocusControl(next);
}

void Kinematics::txtKinem_KeyDown(int index, int& keyCode, int shift) {
    State().KinemCloseParenPending = false;
    plat::RichPane& box = *panel_.txtKinem[index];
    calc::HotKeyLetters& hotKeys = hotKeys_[index];
    hotKeys.KeyDown(box);
    const bool shiftAlone = shift == plat::kShiftMask;
    // Types s at the caret and puts the caret back before it.
    auto insertAfterCaret = [&](const QString& s) {
        const int pos = box.SelStart();
        box.SetSelText(s);
        box.SetSelStart(pos);
    };
    rt::IgnoreError("an editing key that fails is left to the box", [&] {
        switch (keyCode) {
        case 66: hotKeys.KeyB(box, keyCode, shift); return;
        case 186:
            box.SetSelText(QStringLiteral("^"));
            keyCode = 0;
            return;
        case 56:
            if (!shiftAlone) break;
            insertAfterCaret(QStringLiteral(")"));  // the key's own "(" goes before it
            return;
        case 220:
            box.SetSelText(QStringLiteral("("));
            State().KinemCloseParenPending = true;
            keyCode = 0;
            return;
        case 222: insertAfterCaret(shiftAlone ? QStringLiteral("]") : QStringLiteral("}")); return;
        case 57:
            if (shiftAlone) {
                // ")" in front of the one "(" put there steps over it.
                if (calc::StepOverCloseParen(box)) {
                    keyCode = 0;
                    return;
                }
                if (box.SelStart() == box.TextLength()) {
                    box.SetText(QStringLiteral("(") + box.Text() + QStringLiteral(")"));
                    box.SetSelStart(0);
                    box.SetFocus();
                    keyCode = 0;
                }
                return;
            }
            break;
        default: hotKeys.LetterKey(box, keyCode, shift); break;
        }
    });
}

void Kinematics::txtKinem_KeyUp(int index, int& keyCode, int shift) {
    plat::RichPane& box = *panel_.txtKinem[index];
    rt::IgnoreError("the closing parenthesis is a convenience; the key still reaches the box", [&] {
        if (State().KinemCloseParenPending) {
            const int pos = box.SelStart();
            box.SetSelText(QStringLiteral(")"));
            box.SetSelStart(pos);
            keyCode = 0;
        }
        if (keyCode == 49 && shift == plat::kShiftMask) {
            box.SetSelStart(box.TextLength());
            box.SetSelText(QStringLiteral(")"));
        }
    });
}

void Kinematics::chkGraph_Click(int index) {
    if (index <= 2 && panel_.chkGraph[3]->Value() == 1) panel_.chkGraph[3]->SetValue(0);
}

// A law whose text does not compile is refused with the engine's reason
// (a decimal comma, an unknown name), and with how to type the letters the
// box's hot keys took, rather than computed.
bool Kinematics::LawCompiles(int index, int law) {
    const std::string typed = panel_.txtKinem[index]->Text().toStdString();
    // The law alone first: the terms appended for the engine would finish a
    // law left unfinished ("3*t^" read as 3*t).
    for (const std::string& text : {LawAloneText(law, typed), LawEngineText(law, typed)}) {
        if (text.empty()) continue;  // an empty box is the law 0
        num::CExpression e;
        e.SetExpression(text);
        if (e.ErrorCode() == 0) continue;
        Refuse(hotKeys_[index].Explain(QString::fromStdString(e.ErrorDescription())));
        return false;
    }
    return true;
}

void Kinematics::cmdCalcxva_Click() {
    // A refused calculation leaves no answer to other data in the pane.
    plat::AnswerPaneScope pane(*form_->rtbCalc);
    num::AngleUnitScope radians(num::kRadians);
    const Panel& p = panel_;
    const int law = shell::Shared().KinemLaw;
    try {
        const std::string lawText = rt::Trim(p.txtKinem[0]->Text().toStdString());
        std::optional<text::ResultLines> lines;
        if (law >= kLawX && law <= kLawA) {
            if (!LawCompiles(0, law)) return;
            // Only the boxes the law shows: the hidden ones stay empty.
            const double t0 = law == kLawX ? 0 : BoxValue(TrimmedText(p.txtT0[0]));
            const double x0 = law == kLawX ? 0 : BoxValue(TrimmedText(p.txtT0[1]));
            const double v0 = law == kLawA ? BoxValue(TrimmedText(p.txtT0[2])) : 0;
            const double t = BoxValue(TrimmedText(p.txtT0[3]));
            const rt::Outcome<text::ResultLines> r = CalcKinem1D(law, lawText, t0, x0, v0, t, text::G().Decimals);
            if (!r.ok()) {
                if (!r.message().empty()) Refuse(QString::fromStdString(r.message()));  // gave up
                return;
            }
            lines = *r;
        } else if (law == kLawXY || law == kLawPolar) {
            if (!LawCompiles(0, law) || !LawCompiles(1, law)) return;
            const std::string typed = TrimmedText(p.txtT0[3]);
            if (!num::IsNumber(typed)) {
                Refuse(QStringLiteral("Valor no numérico para el tiempo."));
                return;
            }
            lines = CalcKinem2D(law, rt::TextToNumber(typed), lawText, p.txtKinem[1]->Text().toStdString(),
                                text::G().Decimals);
        }
        if (lines) shell::WriteResults(*form_->rtbCalc, *lines);
    } catch (const rt::RuntimeError& e) {
        // A law whose values outgrow any number (a = x^2 from x0 = 1) is
        // told so, with the instant it was asked for.
        if (e.code() == rt::ErrorCode::Overflow)
            Refuse(QStringLiteral("Hasta t = ") + QString::fromStdString(TrimmedText(p.txtT0[3])) +
                   QStringLiteral(" los valores de la ley se hacen demasiado grandes para calcularlos."));
        else
            Refuse(QStringLiteral("Error en el comando."));
    }
}

void Kinematics::cmdGraph_Click() {
    plat::AnswerPaneScope pane(*form_->rtbCalc);
    num::AngleUnitScope radians(num::kRadians);
    Panel& p = panel_;
    const int law = shell::Shared().KinemLaw;
    try {
        if (law == kLawXY || law == kLawPolar) {
            if (!num::IsNumber(TrimmedText(p.txtKinemt1[0])) || !num::IsNumber(TrimmedText(p.txtKinemt1[1]))) {
                Refuse(QStringLiteral("Valor no numérico para uno de los tiempos."));
                return;
            }
            GraphKinem2D(BoxValue(TrimmedText(p.txtKinemt1[0])), BoxValue(TrimmedText(p.txtKinemt1[1])), law == kLawXY,
                         kSteps);
            return;
        }
        if (law < kLawX || law > kLawA) return;
        if (!LawCompiles(0, law)) return;
        int flags = 0;
        if (p.chkGraph[0]->Value() == 1) flags += 1;
        if (p.chkGraph[1]->Value() == 1) flags += 2;
        if (p.chkGraph[2]->Value() == 1) flags += 4;
        if (p.chkGraph[3]->Value() == 1) flags = 7;
        if (flags == 0) {
            flags = 1;
            Refuse(QStringLiteral("Se graficará x(t)."));
            p.chkGraph[0]->SetValue(1);
        }
        const double t0 = law == kLawX ? 0 : BoxValue(TrimmedText(p.txtT0[0]));
        const double x0 = law == kLawX ? 0 : BoxValue(TrimmedText(p.txtT0[1]));
        const double v0 = law == kLawA ? BoxValue(TrimmedText(p.txtT0[2])) : 0;
        const double ti = BoxValue(TrimmedText(p.txtKinemt1[0]));
        const double tf = BoxValue(TrimmedText(p.txtKinemt1[1]));
        GraphKinem1D(law, flags, t0, x0, v0, ti, tf);
    } catch (const rt::RuntimeError&) { Refuse(QStringLiteral("Error en el comando.")); }
}

std::unique_ptr<shell::KinematicsServices> MakeKinematics() { return std::make_unique<Kinematics>(); }

}  // namespace kinem
