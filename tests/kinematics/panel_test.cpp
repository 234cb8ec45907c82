// The kinematics frame on the main window: the law bar arranging it, the
// Enter walk and the editing keys of the law boxes, the curve ticks, and the
// two commands with their results, refusals and graphs on pic1.
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>

#include "numerics/expression.h"
#include "platform/buttons.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "support/form1_fixture.h"
#include "text/globals.h"

namespace {

using plat::DrawnPrimitive;

class KinemPanel : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        form().ShowWorkspace(5);  // plane kinematics, law x(t)
        text::G().Decimals = 3;
    }
    // The unit the tests before this one left, given back after it.
    num::AngleUnitScope unit_{num::AngleFactor};
    // Upper cell n of the law bar.
    void ChooseLaw(int n) { form().Services().calculator->ChooseBarGroup(n); }
    // A plane law, which only code stores.
    void ChoosePlaneLaw(int law) {
        shell::Shared().KinemLaw = static_cast<shell::KinemLawId>(law);
        form().Services().kinematics->AdaptKinemCtrls(law);
    }
    plat::RichPane* Law(int i) { return Find<plat::RichPane>(QStringLiteral("txtKinem(%1)").arg(i)); }
    plat::TextBox* T0(int i) { return Find<plat::TextBox>(QStringLiteral("txtT0(%1)").arg(i)); }
    plat::TextBox* Interval(int i) { return Find<plat::TextBox>(QStringLiteral("txtKinemt1(%1)").arg(i)); }
    plat::CheckBox* Check(int i) { return Find<plat::CheckBox>(QStringLiteral("chkGraph(%1)").arg(i)); }
    plat::Label* Caption(const QString& name) { return Find<plat::Label>(name); }
    bool Shown(const QString& name) {
        auto* w = Find<QWidget>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w && !w->isHidden();
    }
    void Press(const char* button) { Find<plat::CommandButton>(QString::fromLatin1(button))->Press(); }
    QString Result() { return form().rtbCalc->Text(); }
    // A key as the keyboard sends it: press and release with its text.
    static void Key(QWidget* w, int qtKey, Qt::KeyboardModifiers mods, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, mods, text);
        QApplication::sendEvent(w, &release);
    }
    std::vector<DrawnPrimitive> Drawn(DrawnPrimitive::Kind kind, rt::ColorRef colour) {
        std::vector<DrawnPrimitive> out;
        for (const auto& d : form().pic1->Drawn())
            if (d.kind == kind && d.color == colour) out.push_back(d);
        return out;
    }
    QStringList Texts() {
        QStringList out;
        for (const auto& d : form().pic1->Drawn())
            if (d.kind == DrawnPrimitive::Kind::Text) out << d.text;
        return out;
    }
};

TEST_F(KinemPanel, EachLawShowsItsBoxes) {
    const QStringList always = {"txtKinem(0)",   "lblFunction(0)", "txtT0(3)",   "cmdCalcxva",
                                "txtKinemt1(0)", "txtKinemt1(1)",  "cmdGraph",   "shpKinem(0)",
                                "shpKinem(1)",   "lblKCalc(0)",    "lblKCalc(1)"};
    struct Case {
        int law;
        QString caption, caption1;
        QStringList shown, hidden;
    };
    const QStringList checks = {"chkGraph(0)", "chkGraph(1)", "chkGraph(2)", "chkGraph(3)"};
    const Case cases[] = {
        {11,
         "x(t)=",
         "",
         checks,
         {"txtKinem(1)", "lblFunction(1)", "lblKinInt", "lblt0(0)", "txtT0(0)", "txtT0(1)", "txtT0(2)"}},
        {12,
         "v(t,x)=",
         "",
         checks + QStringList{"lblKinInt", "lblt0(0)", "txtT0(0)", "txtT0(1)"},
         {"txtKinem(1)", "txtT0(2)"}},
        {13, "a(t,x,v)=", "", checks + QStringList{"lblKinInt", "txtT0(0)", "txtT0(1)", "txtT0(2)"}, {"txtKinem(1)"}},
        {14, "x(t)=", "y(t)=", {"txtKinem(1)", "lblFunction(1)"}, checks + QStringList{"lblKinInt", "txtT0(0)"}},
        {15, "r(t)=", "theta(t)=", {"txtKinem(1)"}, checks + QStringList{"lblt0(0)", "txtT0(2)"}},
    };
    for (const auto& c : cases) {
        if (c.law <= 13)
            ChooseLaw(c.law - 10);
        else
            ChoosePlaneLaw(c.law);
        EXPECT_EQ(shell::Shared().KinemLaw, c.law);
        EXPECT_EQ(Caption("lblFunction(0)")->Caption(), c.caption);
        if (!c.caption1.isEmpty()) { EXPECT_EQ(Caption("lblFunction(1)")->Caption(), c.caption1); }
        for (const auto& n : always + c.shown) EXPECT_TRUE(Shown(n)) << c.law << " " << n.toStdString();
        for (const auto& n : c.hidden) EXPECT_FALSE(Shown(n)) << c.law << " " << n.toStdString();
        if (c.law == 12) { EXPECT_EQ(Caption("lblt0(0)")->Caption(), "En t0 =" + QString(27, ' ') + ", x0 = "); }
        if (c.law == 13) {
            EXPECT_EQ(Caption("lblt0(0)")->Caption(),
                      "En t0 =" + QString(27, ' ') + ", x0 =" + QString(26, ' ') + ", v0 =");
        }
    }
    EXPECT_EQ(Caption("lblKCalc(1)")->Caption(), "Graficar entre ti =                      y tf =");
    // The law bar empties the boxes and puts the focus in the law box.
    Law(0)->SetText("t^2");
    Interval(1)->SetText("3");
    Check(3)->SetValue(1);
    ChooseLaw(1);
    EXPECT_EQ(Law(0)->Text(), "");
    EXPECT_EQ(Interval(1)->Text(), "");
    EXPECT_EQ(Check(3)->Value(), 0);
    EXPECT_EQ(form().focusWidget(), Law(0));
}

// The captions of the frame are drawn whole: none runs past its own label's
// right edge, and the text between the boxes ends before the next box.
TEST_F(KinemPanel, CaptionsFitTheirLabels) {
    ChooseLaw(3);  // every initial-condition box on show
    for (const char* name : {"lblKinInt", "lblt0(0)", "lblKCalc(0)", "lblKCalc(1)", "lblFunction(0)"}) {
        plat::Label* label = Caption(QString::fromLatin1(name));
        const double end = label->x() + QFontMetricsF(label->font()).horizontalAdvance(label->Caption());
        EXPECT_LE(end, label->x() + label->width()) << name;
    }
    plat::Label* graph = Caption("lblKCalc(1)");
    const double graphEnd = graph->x() + QFontMetricsF(graph->font()).horizontalAdvance(graph->Caption());
    EXPECT_LE(graphEnd, Interval(1)->x());
}

TEST_F(KinemPanel, EnterWalksForwardThroughTheVisibleBoxes) {
    struct Case {
        int law;
        std::vector<QWidget*> walk;  // Enter in each box goes to the next
    };
    auto* law0 = static_cast<QWidget*>(Law(0));
    const Case cases[] = {
        {11, {law0, T0(3), Interval(0), Interval(1), Interval(1)}},
        {12, {law0, T0(0), T0(1), T0(3), Interval(0)}},
        {13, {law0, T0(0), T0(1), T0(2), T0(3), Interval(0)}},
        {14, {Law(1), T0(3), T0(3)}},
        {15, {law0, T0(3)}},
    };
    for (const auto& c : cases) {
        if (c.law <= 13)
            ChooseLaw(c.law - 10);
        else
            ChoosePlaneLaw(c.law);
        for (size_t i = 0; i + 1 < c.walk.size(); ++i) {
            ASSERT_TRUE(plat::FocusControl(c.walk[i]));
            QTest::keyClick(c.walk[i], Qt::Key_Return);
            EXPECT_EQ(form().focusWidget(), c.walk[i + 1]) << c.law << " step " << i;
        }
    }
    EXPECT_EQ(Law(0)->Text(), "");  // Enter types nothing
    EXPECT_EQ(T0(3)->Text(), "");
}

TEST_F(KinemPanel, LawBoxShortcuts) {
    plat::RichPane* box = Law(0);
    auto type = [&](const QString& s) { QTest::keyClicks(box, s); };
    // Letters that stand for operators; b empties the box.
    type("3k2mtd4K");
    EXPECT_EQ(box->Text(), "3+2*t/4+");
    type("B");
    EXPECT_EQ(box->Text(), "");
    Key(box, Qt::Key_Ntilde, Qt::NoModifier, "ñ");
    EXPECT_EQ(box->Text(), "^");

    // Shift+8 types "(" with its ")" after the caret; so does the key
    // left of 1, closing on its release.
    box->SetText("");
    Key(box, Qt::Key_ParenLeft, Qt::ShiftModifier, "(");
    EXPECT_EQ(box->Text(), "()");
    EXPECT_EQ(box->SelStart(), 1);
    box->SetText("");
    Key(box, Qt::Key_masculine, Qt::NoModifier, "º");
    EXPECT_EQ(box->Text(), "()");
    EXPECT_EQ(box->SelStart(), 1);

    // Shift+9 at the end wraps the law; elsewhere it types its ")".
    box->SetText("3*t");
    box->SetSelStart(3);
    Key(box, Qt::Key_ParenRight, Qt::ShiftModifier, ")");
    EXPECT_EQ(box->Text(), "(3*t)");
    EXPECT_EQ(box->SelStart(), 0);
    box->SetText("3*t");
    box->SetSelStart(1);
    Key(box, Qt::Key_ParenRight, Qt::ShiftModifier, ")");
    EXPECT_EQ(box->Text(), "3)*t");

    // j and f move the caret; Shift+1 closes at the end on release.
    box->SetText("ab");
    box->SetSelStart(0);
    type("j");
    EXPECT_EQ(box->SelStart(), 1);
    type("ff");
    EXPECT_EQ(box->SelStart(), 0);
    Key(box, Qt::Key_Exclam, Qt::ShiftModifier, "!");
    EXPECT_EQ(box->Text(), "!ab)");
}

TEST_F(KinemPanel, TickingACurveUnticksTodas) {
    Check(3)->SetValue(1);
    Check(0)->click();
    EXPECT_EQ(Check(0)->Value(), 1);
    EXPECT_EQ(Check(3)->Value(), 0);
    Check(3)->click();
    EXPECT_EQ(Check(1)->Value(), 0);  // "Todas" ticks nothing else
    EXPECT_EQ(Check(0)->Value(), 1);
}

TEST_F(KinemPanel, ValuesAtAnInstant) {
    Law(0)->SetText(" t^3 ");
    T0(3)->SetText("2");
    Press("cmdCalcxva");
    EXPECT_EQ(Result(), "En t = 2:\nx = 8, v = 12\na = 12\n");
    EXPECT_TRUE(form().rtbReg->Text().contains("a = 12\n-----"));
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);

    T0(3)->SetText("");  // the instant 0
    Press("cmdCalcxva");
    EXPECT_EQ(Result(), "En t = 0:\nx = 0, v = 0\na = 0\n");

    ChooseLaw(3);
    Law(0)->SetText("-x");
    T0(1)->SetText("1");
    T0(3)->SetText("PI");
    Press("cmdCalcxva");
    EXPECT_EQ(Result(), "En t = 3.14159265358979:\nx = −1, v = 0\na = 1\n");

    ChoosePlaneLaw(15);
    Law(0)->SetText("2");
    Law(1)->SetText("t");
    T0(3)->SetText("1");
    Press("cmdCalcxva");
    EXPECT_EQ(Result(), "En t = 1:\nr = 2, θ = 1\nvr = 0, vt = 2\nar = −2, at = 0\n");
}

// A time typed with a decimal comma or blanks around it is read, no longer
// refused. A refusal leaves no answer to other data in the pane.
TEST_F(KinemPanel, FaultsAndRefusalsOfTheInstantButNotOfATypedNumber) {
    Law(0)->SetText("t^2");
    T0(3)->SetText("1");
    Press("cmdCalcxva");
    ASSERT_FALSE(Result().isEmpty());
    struct Case {
        int law;
        QString lawText, t, message;
    };
    const Case cases[] = {
        {11, "1/t", "0", "Error en el comando."},
        {14, "t", "2*3", "Valor no numérico para el tiempo."},
        {15, "t", "2,5,1", "Valor no numérico para el tiempo."},
        {14, "t", "", "Valor no numérico para el tiempo."},
    };
    for (const auto& c : cases) {
        if (c.law <= 13)
            ChooseLaw(c.law - 10);
        else
            ChoosePlaneLaw(c.law);
        Law(0)->SetText(c.lawText);
        T0(3)->SetText(c.t);
        dialogs.Answer(plat::MsgResult::OK);
        Press("cmdCalcxva");
        ASSERT_FALSE(dialogs.Shown().empty());
        EXPECT_EQ(dialogs.Shown().back().prompt, c.message);
        EXPECT_EQ(dialogs.Shown().back().title, "Teluvar");
        EXPECT_EQ(Result(), QString()) << c.lawText.toStdString() << " at " << c.t.toStdString();
        EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
    }
    // An acceleration law whose motion grows without bound before the
    // instant asked for says so, and where (x'' = x^2 from x0 = 1 blows up
    // at t = 2.9754...).
    ChooseLaw(3);
    Law(0)->SetText("x^2");
    T0(1)->SetText("1");
    T0(3)->SetText("5");
    dialogs.Answer(plat::MsgResult::OK);
    Press("cmdCalcxva");
    EXPECT_EQ(dialogs.Shown().back().prompt,
              "No alcancé la precisión pedida en la integración entre 0 y 5: la fórmula crece sin límite o cambia "
              "demasiado rápido cerca de t = 2.975457.\r\nRevisa la fórmula o toma un intervalo que no incluya ese "
              "punto.");
    EXPECT_EQ(Result(), QString());
}

// The computations only say that the integration gave up; the panel shows
// their text, for the values at an instant and for the graphs alike.
TEST_F(KinemPanel, AnIntegrationThatGivesUpSaysWhereAndWhatToChangeInTheProgramsBox) {
    ChooseLaw(3);
    Law(0)->SetText("-10000*x");
    T0(1)->SetText("1");
    T0(3)->SetText("100");
    Interval(0)->SetText("100");  // the graph first integrates from t0 = 0 to 100
    Interval(1)->SetText("101");
    Check(0)->SetValue(1);
    const QString before = Result();
    size_t boxes = 0;
    for (const char* button : {"cmdCalcxva", "cmdGraph"}) {
        dialogs.Answer(plat::MsgResult::OK);
        Press(button);
        ASSERT_EQ(dialogs.Shown().size(), ++boxes) << button;
        EXPECT_EQ(dialogs.Shown().back().prompt,
                  "No pude completar la integración entre 0 y 100 en 1000 pasos: la fórmula varía demasiado "
                  "rápido.\r\nRevisa la fórmula o toma un intervalo más corto.")
            << button;
        EXPECT_EQ(dialogs.Shown().back().title, "Teluvar") << button;
        EXPECT_EQ(Result(), before) << button;
        EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor) << button;
    }
    EXPECT_TRUE(form().pic1->Drawn().empty());
}

TEST_F(KinemPanel, GraphOfXWithNothingTicked) {
    Law(0)->SetText("t");
    Interval(0)->SetText("-2");
    Interval(1)->SetText("2");
    dialogs.Answer(plat::MsgResult::OK);
    Press("cmdGraph");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "Se graficará x(t).");
    EXPECT_EQ(Check(0)->Value(), 1);
    EXPECT_TRUE(Called("ShowPic1(1)"));
    EXPECT_TRUE(form().pic1->isVisible());

    auto curve = Drawn(DrawnPrimitive::Kind::Line, 0xFF00FF);
    ASSERT_EQ(curve.size(), 300u);
    EXPECT_EQ(curve.front().points[0], QPointF(42, 42));
    EXPECT_EQ(curve.back().points[1], QPointF(342, 342));
    auto grey = Drawn(DrawnPrimitive::Kind::Line, 0xC0C0C0);
    ASSERT_EQ(grey.size(), 1u);
    EXPECT_EQ(grey[0].points[0].x(), 192);
    auto zero = Drawn(DrawnPrimitive::Kind::Line, 0xFFC0FF);
    ASSERT_EQ(zero.size(), 1u);
    EXPECT_EQ(zero[0].points[0].y(), 192);
    EXPECT_TRUE(Texts().contains("xmax = 2"));
    EXPECT_TRUE(Texts().contains("xmin = -2"));
    EXPECT_TRUE(Drawn(DrawnPrimitive::Kind::Line, 0xFF0000).empty());
    EXPECT_EQ(form().pic1->ForeColor(), rt::kBlack);
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
}

TEST_F(KinemPanel, TimeLabelsStandBesideTheSquare) {
    // Narrow labels: ti right-aligned 5 pixels left of the square, tf from
    // its right edge; wide ones: ti from x = 5, tf ending at x = 379.
    struct Case {
        QString ti, tf;
        bool wide;
    };
    for (const Case& c : {Case{"-2", "2", false}, Case{"-123456.78", "1234567.25", true}}) {
        Law(0)->SetText("t");
        Interval(0)->SetText(c.ti);
        Interval(1)->SetText(c.tf);
        Check(0)->SetValue(1);
        Press("cmdGraph");
        plat::Picture& pic = *form().pic1;
        std::map<QString, QPointF> at;
        for (const auto& d : pic.Drawn())
            if (d.kind == DrawnPrimitive::Kind::Text) at[d.text] = d.points[0];
        ASSERT_TRUE(at.count(c.ti) && at.count(c.tf)) << c.ti.toStdString();
        const double wi = pic.TextWidth(c.ti), wf = pic.TextWidth(c.tf);
        ASSERT_EQ(wi > 32, c.wide);
        ASSERT_EQ(wf >= 42, c.wide);
        EXPECT_EQ(at[c.ti], QPointF(c.wide ? 5 : 42 - wi - 5, 42));
        EXPECT_EQ(at[c.tf], QPointF(c.wide ? 379 - wf : 342, 42));
    }
}

TEST_F(KinemPanel, GraphOfAllCurvesWithAZeroAcceleration) {
    ChooseLaw(2);  // v(t, x) = 2: the acceleration is 0 throughout
    Law(0)->SetText("2");
    T0(1)->SetText("1");
    Interval(1)->SetText("3");
    Check(1)->SetValue(1);
    Check(3)->SetValue(1);
    Press("cmdGraph");
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(Drawn(DrawnPrimitive::Kind::Box, 0xFFFFC0).size(), 1u);  // the square
    for (rt::ColorRef c : {0xFF00FFu, 0xFF0000u, 0x0000FFu})
        EXPECT_EQ(Drawn(DrawnPrimitive::Kind::Line, c).size(), 300u);
    EXPECT_EQ(Drawn(DrawnPrimitive::Kind::Line, 0x0000FF).front().points[0].y(), 192);
    EXPECT_TRUE(Texts().contains("xmax = 7"));
    EXPECT_TRUE(Texts().contains("vmin = 2"));
    EXPECT_TRUE(Texts().contains("amax = 0"));
}

// A curve that does not vary is labelled with its value, not with a range
// down to 0, and lies across the middle of the square.
TEST_F(KinemPanel, AConstantCurveIsLabelledWithItsValue) {
    struct Case {
        int cell;  // of the law bar
        const char* law;
        rt::ColorRef colour;  // of the constant curve
        const char *max, *min;
    } cases[] = {
        {1, "5", 0xFF00FF, "xmax = 5", "xmin = 5"},
        {1, "5 + 3*t", 0xFF0000, "vmax = 3", "vmin = 3"},
        {3, "-2", 0x0000FF, "amax = -2", "amin = -2"},
    };
    for (const Case& c : cases) {
        ChooseLaw(c.cell);
        Law(0)->SetText(QString::fromLatin1(c.law));
        Interval(0)->SetText("1");
        Interval(1)->SetText("5");
        Check(3)->SetValue(1);
        Press("cmdGraph");
        EXPECT_TRUE(dialogs.Shown().empty()) << c.law;
        EXPECT_TRUE(Texts().contains(c.max)) << c.law << ": " << Texts().join(" | ").toStdString();
        EXPECT_TRUE(Texts().contains(c.min)) << c.law << ": " << Texts().join(" | ").toStdString();
        const auto curve = Drawn(DrawnPrimitive::Kind::Line, c.colour);
        ASSERT_EQ(curve.size(), 300u) << c.law;
        double offMiddle = 0;
        for (const auto& d : curve)
            for (const QPointF& pt : d.points) offMiddle = std::max(offMiddle, std::fabs(pt.y() - 192));
        EXPECT_LT(offMiddle, 0.5) << c.law;
    }
}

TEST_F(KinemPanel, GraphFaultsAndRefusals) {
    Law(0)->SetText("t");
    Check(0)->SetValue(1);
    dialogs.Answer(plat::MsgResult::OK);
    Press("cmdGraph");  // empty interval boxes: ti = tf = 0
    EXPECT_EQ(dialogs.Shown().back().prompt, "Error en el comando.");

    ChoosePlaneLaw(14);
    Law(0)->SetText("t");
    Law(1)->SetText("t");
    Interval(0)->SetText("0");
    Interval(1)->SetText("PI");
    dialogs.Answer(plat::MsgResult::OK);
    Press("cmdGraph");
    EXPECT_EQ(dialogs.Shown().back().prompt, "Valor no numérico para uno de los tiempos.");
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
}

// Laws defined at the instant but not a whole derivative step before it.
TEST_F(KinemPanel, LawsNearTheEdgeOfTheirDomain) {
    Law(0)->SetText("ln(t)");
    T0(3)->SetText("0.3");
    Press("cmdCalcxva");
    EXPECT_EQ(Result(), "En t = 0.3:\nx = −1.204, v = 3.333\na = −11.111\n");

    ChoosePlaneLaw(15);
    Law(0)->SetText("ln(t)");
    Law(1)->SetText("t");
    T0(3)->SetText("0.2");
    Press("cmdCalcxva");
    // r' = 5, r'' = -25, theta' = 1, theta'' = 0.
    EXPECT_EQ(Result(), "En t = 0.2:\nr = −1.609, θ = 0.2\nvr = 5, vt = −1.609\nar = −23.391, at = 10\n");

    ChooseLaw(1);
    Law(0)->SetText("ln(t)");
    Interval(0)->SetText("0.1");
    Interval(1)->SetText("2");
    Check(3)->SetValue(1);
    Press("cmdGraph");
    EXPECT_TRUE(dialogs.Shown().empty());
    for (const char* label : {"vmax = 10", "vmin = 0.5", "amin = -100", "amax = -0.25"})
        EXPECT_TRUE(Texts().contains(label)) << label;
    auto v = Drawn(DrawnPrimitive::Kind::Line, 0xFF0000);
    ASSERT_EQ(v.size(), 300u);
    EXPECT_EQ(v.front().points[0], QPointF(42, 342));
    EXPECT_EQ(v.back().points[1], QPointF(342, 42));
}

// x = 3t: the acceleration is 0, drawn as the zero line across the middle,
// and no curve leaves the square.
TEST_F(KinemPanel, UniformMotionDrawsAZeroAcceleration) {
    Law(0)->SetText("3*t");
    Interval(0)->SetText("0");
    Interval(1)->SetText("4");
    Check(3)->SetValue(1);
    Press("cmdGraph");
    auto a = Drawn(DrawnPrimitive::Kind::Line, 0x0000FF);
    ASSERT_EQ(a.size(), 300u);
    for (const auto& d : a) EXPECT_EQ(d.points[0].y(), 192);
    EXPECT_TRUE(Texts().contains("amax = 0"));
    EXPECT_TRUE(Texts().contains("amin = 0"));
    for (rt::ColorRef c : {0xFF00FFu, 0xFF0000u, 0x0000FFu})
        for (const auto& d : Drawn(DrawnPrimitive::Kind::Line, c))
            for (const QPointF& pt : d.points) {
                EXPECT_TRUE(pt.x() >= 42 && pt.x() <= 342 && pt.y() >= 42 && pt.y() <= 342)
                    << std::hex << c << " at " << pt.x() << ", " << pt.y();
            }
}

// The time axis is drawn once for all the curves, and the zero lines lie
// beneath every curve; a zero line the curves share is drawn once, in grey.
TEST_F(KinemPanel, SharedLinesAndLabelsAreDrawnOnceBeneathTheCurves) {
    Law(0)->SetText("5*sen(2*t)");
    Interval(0)->SetText("0");
    Interval(1)->SetText("6");
    Check(3)->SetValue(1);
    Press("cmdGraph");
    const QStringList texts = Texts();
    EXPECT_EQ(texts.count("0"), 1);
    EXPECT_EQ(texts.count("6"), 1);
    const auto& drawn = form().pic1->Drawn();
    std::vector<const DrawnPrimitive*> vertical, horizontal;
    size_t firstCurve = drawn.size(), lastAxis = 0;
    for (size_t i = 0; i < drawn.size(); ++i) {
        const DrawnPrimitive& d = drawn[i];
        if (d.kind != DrawnPrimitive::Kind::Line) continue;
        const bool curve = d.color == 0xFF00FF || d.color == 0xFF0000 || d.color == 0x0000FF;
        if (curve) {
            firstCurve = std::min(firstCurve, i);
            continue;
        }
        lastAxis = i;
        (d.points[0].x() == d.points[1].x() ? vertical : horizontal).push_back(&d);
    }
    ASSERT_EQ(vertical.size(), 1u);  // t = 0
    ASSERT_EQ(horizontal.size(), 1u);
    EXPECT_NEAR(horizontal[0]->points[0].y(), 192, 0.5);
    EXPECT_EQ(horizontal[0]->color, 0xC0C0C0u);
    EXPECT_LT(lastAxis, firstCurve);
}

// The law bar writes each law on one line: "a(t,x,v)" is not broken in two.
TEST_F(KinemPanel, LawBarCaptionsStandOnOneLine) {
    const QImage bar = Find<plat::Picture>("picBar")->Image();
    const int cellWidth = 31;
    for (int cell = 1; cell <= 3; ++cell) {
        std::vector<int> inked;
        for (int y = 2; y < 29; ++y)
            for (int x = (cell - 1) * cellWidth + 3; x < cell * cellWidth - 2; ++x)
                if (qGray(bar.pixel(x, y)) < 128) {
                    inked.push_back(y);
                    break;
                }
        ASSERT_FALSE(inked.empty()) << cell;
        // One line of text: its inked rows run without a blank row between.
        EXPECT_EQ(inked.back() - inked.front() + 1, static_cast<int>(inked.size())) << "cell " << cell;
    }
}

TEST_F(KinemPanel, PathOfAPlaneLaw) {
    ChoosePlaneLaw(14);
    Law(0)->SetText("cos(t)");
    Law(1)->SetText("sen(t)");
    Interval(0)->SetText("0");
    Interval(1)->SetText("6.28");
    Press("cmdGraph");
    EXPECT_TRUE(dialogs.Shown().empty());
    const QStringList lines = Result().split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("xmín = -0.99999"));
    EXPECT_TRUE(lines[1].startsWith("xmáx = 1"));
    EXPECT_TRUE(lines[3].startsWith("ymáx = 0.99999"));
    auto path = Drawn(DrawnPrimitive::Kind::Line, 0xFF0000);
    EXPECT_EQ(path.size(), 300u);
    auto grey = Drawn(DrawnPrimitive::Kind::Line, 0xC0C0C0);
    ASSERT_EQ(grey.size(), 2u);
    EXPECT_NEAR(grey[0].points[0].x(), 198.5, 1);
    EXPECT_EQ(Drawn(DrawnPrimitive::Kind::Box, 0xFFFFC0).size(), 1u);
    EXPECT_EQ(num::AngleFactor, num::kDefaultAngleFactor);
}

}  // namespace
