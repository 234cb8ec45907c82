#include <gtest/gtest.h>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QTest>
#include <cmath>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/guard.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "platform/textbox.h"
#include "platform/updown.h"
#include "shell/form1.h"
#include "support/fault_point.h"
#include "support/form1_fixture.h"
#include "support/grab.h"

namespace {

using plat::MsgResult;

class RigidPanel : public testsupport::Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        form().ShowWorkspace(2);
    }

    template <class T = plat::TextBox>
    T* C(const QString& name) {
        T* w = Find<T>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    plat::TextBox* Box(const char* base, int i) { return C(plat::ArrayName(QString::fromLatin1(base), i)); }
    plat::CommandButton* Btn(const QString& name) { return C<plat::CommandButton>(name); }

    // Types a text into a box and presses Enter there.
    void Enter(plat::TextBox* t, const QString& text) {
        t->SetText(text);
        QTest::keyClick(t, Qt::Key_Return);
    }

    // The last message shown; "" when none was.
    QString LastPrompt() const { return dialogs.Shown().empty() ? QString() : dialogs.Shown().back().prompt; }

    QStringList Items(const QString& list) {
        QStringList out;
        auto* l = C<plat::ListBox>(list);
        for (int i = 0; i < l->ListCount(); ++i) out << l->List(i);
        return out;
    }

    // A beam A-C-B of length 4 on the configuration page.
    void TypeBeam() {
        Enter(Box("txtSegm", 0), "acb");
        Enter(Box("txtSegm", 1), "2,0");
        Enter(C("txtRepeat"), "x");
        Enter(Box("txtSegm", 2), "2");
    }
    void RegisterBeam() {
        TypeBeam();
        Btn("cmdOK")->Press();
    }

    void AddForce(const QString& points, const QString& text) {
        Enter(Box("txtBody", 1), points);
        Box("txtBody", 2)->SetText(text);
        Btn("cmdOK1")->Press();
    }
};

TEST_F(RigidPanel, EveryForceGridTitleIsShownWhole) {
    auto* gd1 = C<plat::FlexGrid>("gd1");
    const QFontMetrics fm(gd1->font());
    const int margins = 2 * (gd1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, gd1) + 1);
    int total = 0;
    for (int c = 0; c < gd1->Cols(); ++c) {
        const QString title = gd1->TextMatrix(0, c);
        EXPECT_LE(fm.horizontalAdvance(title) + margins, gd1->columnWidth(c)) << title.toStdString();
        total += gd1->columnWidth(c);
    }
    // The columns still fit the grid without a horizontal scroll bar.
    EXPECT_LE(total, gd1->viewport()->width());
}

TEST_F(RigidPanel, BeamConfiguredDrawnAndSolved) {
    auto* tab = C<plat::TabStrip>("tabStat");
    EXPECT_EQ(tab->Tab(), 0);
    Enter(Box("txtSegm", 0), "acb");
    EXPECT_EQ(Box("txtSegm", 0)->Text(), "ACB");
    EXPECT_EQ(C<plat::Label>("lblSegm(1)")->Caption(), "AC");
    EXPECT_EQ(C<plat::Label>("lblSegm(2)")->Caption(), "CB         ");
    EXPECT_FALSE(Box("txtSegm", 2)->isHidden());
    EXPECT_TRUE(Box("txtSegm", 3)->isHidden());
    Enter(Box("txtSegm", 1), "2,0");
    EXPECT_FALSE(C("txtRepeat")->isHidden());
    EXPECT_EQ(form().focusWidget(), C("txtRepeat"));
    Enter(C("txtRepeat"), "x");
    EXPECT_EQ(C("txtRepeat")->Text(), "X");
    Enter(Box("txtSegm", 2), "2");
    EXPECT_EQ(form().focusWidget(), Btn("cmdOK"));
    Btn("cmdOK")->Press();
    EXPECT_EQ(Items("lstSeps"), (QStringList{"AC = (2, 0)", "CB = (2, 0)"}));
    EXPECT_EQ(Items("lstCoords"), (QStringList{"A(0, 0)", "C(2, 0)", "B(4, 0)"}));
    EXPECT_EQ(Items("lstSysts"), (QStringList{"A", "C", "B"}));
    EXPECT_EQ(C<plat::ComboBox>("cboSeps")->Text(), "ACB/2,0/X/2");
    EXPECT_EQ(C("txtOrigin")->Text(), "A");
    EXPECT_EQ(Box("txtRefPt", 4)->Text(), "A");
    EXPECT_EQ(C<plat::Label>("lblPoints(0)")->Caption(), "ACB");
    EXPECT_TRUE(Box("txtSegm", 0)->Text().isEmpty());

    // The diagram of body 1: a pin at A, a roller at B, 100 down at C.
    tab->SetTab(1);
    EXPECT_EQ(C<plat::Label>("lblBody")->Caption(), "1");
    Enter(Box("txtBody", 1), "a");
    Enter(Box("txtBody", 2), "art");
    EXPECT_EQ(Box("txtBody", 2)->Text(), "Ax, Ay");
    Btn("cmdOK1")->Press();
    AddForce("b", "vBy");
    AddForce("c", "v-100");
    auto* gd1 = C<plat::FlexGrid>("gd1");
    ASSERT_EQ(gd1->Rows(), 4);
    EXPECT_EQ(gd1->TextMatrix(1, 3), "Ax, Ay");
    EXPECT_EQ(gd1->TextMatrix(3, 5), "-100");
    EXPECT_EQ(gd1->TextMatrix(2, 2), "B");
    testsupport::SaveGrab(&form(), "rigid_dcl");

    tab->SetTab(2);
    Btn("cmdVMb(0)")->Press();
    EXPECT_TRUE(dialogs.Shown().empty());
    const QString solved = form().rtbSolve->Text();
    EXPECT_TRUE(solved.contains("3 incógnitas, 3 ecuaciones.")) << solved.toStdString();
    EXPECT_TRUE(solved.contains("Cuerpo 1:"));
    EXPECT_TRUE(solved.contains("Soluciones:"));
    EXPECT_TRUE(solved.contains("Ay = 50")) << solved.toStdString();
    EXPECT_FALSE(Btn("cmdVMb(0)")->isEnabled());
    EXPECT_TRUE(Btn("cmdVMb(1)")->isEnabled());
    testsupport::SaveGrab(&form(), "rigid_solve");

    // The solved values go into the grid; the arrows turn black.
    Btn("cmdVMb(3)")->Press();
    EXPECT_EQ(gd1->TextMatrix(2, 5), "50");
    EXPECT_EQ(gd1->TextMatrix(1, 4), "0");
    EXPECT_FALSE(Btn("cmdShowIncsEqns")->isEnabled());
    tab->SetTab(0);
    testsupport::SaveGrab(&form(), "rigid_config");
}

TEST_F(RigidPanel, EntryRowChecksWhatIsTyped) {
    const struct {
        const char* text;
        const char* msg;
    } refusals[] = {{"a", "Mínimo 2 letras, máximo 7"},
                    {"abcdefgh", "Mínimo 2 letras, máximo 7"},
                    {"añ", "Carácter inválido en el símbolo del segmento."},
                    {"a1", "Carácter inválido en el símbolo del segmento."},
                    {"aba", "Hay una letra repetida."}};
    for (const auto& r : refusals) {
        dialogs.Answer(MsgResult::OK);
        Enter(Box("txtSegm", 0), QString::fromUtf8(r.text));
        ASSERT_FALSE(dialogs.Shown().empty());
        EXPECT_EQ(dialogs.Shown().back().prompt, QString::fromUtf8(r.msg)) << r.text;
        EXPECT_EQ(dialogs.Shown().back().title, "Teluvar");
        EXPECT_EQ(form().focusWidget(), Box("txtSegm", 0)) << r.text;
    }
    // A magnitude format needs no series axis.
    Enter(Box("txtSegm", 0), "abc");
    Enter(Box("txtSegm", 1), "5<30");
    EXPECT_TRUE(C("txtRepeat")->isHidden());
    EXPECT_EQ(form().focusWidget(), Box("txtSegm", 2));
    dialogs.Answer(MsgResult::OK);
    Enter(Box("txtSegm", 2), "2,5");
    EXPECT_EQ(dialogs.Shown().back().prompt, "El dato no es numérico.");
    Enter(Box("txtSegm", 2), "-2.5");
    EXPECT_EQ(form().focusWidget(), Btn("cmdOK"));
    // A single vector goes straight to the button; an unknown format is said.
    Enter(Box("txtSegm", 0), "ab");
    dialogs.Answer(MsgResult::OK);
    Enter(Box("txtSegm", 1), "3;4,5");
    EXPECT_EQ(dialogs.Shown().back().prompt,
              "Formato incorrecto. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).");
    // Letters of the notation in upper case: one box with the whole reason,
    // and Enter goes no further.
    const size_t shown = dialogs.Shown().size();
    dialogs.Answer(MsgResult::OK);
    Enter(Box("txtSegm", 1), "H2");
    ASSERT_EQ(dialogs.Shown().size(), shown + 1);
    EXPECT_EQ(dialogs.Shown().back().prompt,
              "Inventaste un nuevo formato. Las letras del formato (p, s, t, c, x, y, h, v, u) se escriben en "
              "minúscula.");
    Enter(Box("txtSegm", 1), "3,4");
    EXPECT_EQ(form().focusWidget(), Btn("cmdOK"));
    // "dcl" opens the diagrams page (no system is defined yet).
    dialogs.Answer(MsgResult::OK);
    Enter(Box("txtSegm", 0), "dcl");
    EXPECT_EQ(C<plat::TabStrip>("tabStat")->Tab(), 1);
    EXPECT_EQ(dialogs.Shown().back().prompt, "No se ha definido el sistema 1.");
    EXPECT_TRUE(Box("txtSegm", 0)->Text().isEmpty());
}

TEST_F(RigidPanel, UndoAndEraseTheStructure) {
    Enter(Box("txtSegm", 0), "ab");
    Enter(Box("txtSegm", 1), "3,4");
    Btn("cmdOK")->Press();
    Enter(Box("txtSegm", 0), "bcd");
    Enter(Box("txtSegm", 1), "0,-2");
    Enter(C("txtRepeat"), "m");
    Enter(Box("txtSegm", 2), "1");
    Btn("cmdOK")->Press();
    EXPECT_EQ(Items("lstCoords"), (QStringList{"A(0, 0)", "B(3, 4)", "C(3, 2)", "D(3, 1)"}));
    auto* cbo = C<plat::ComboBox>("cboSeps");
    EXPECT_EQ(cbo->ListCount(), 2);
    Btn("cmdConfig(0)")->Press();
    EXPECT_EQ(cbo->ListCount(), 1);
    EXPECT_EQ(Items("lstSeps"), QStringList{"AB = (3, 4)"});
    EXPECT_EQ(Items("lstSysts"), (QStringList{"A", "B"}));
    EXPECT_EQ(C<plat::Label>("lblPoints(0)")->Caption(), "AB");
    // Forces make the undo ask first; "No" keeps everything.
    C<plat::TabStrip>("tabStat")->SetTab(1);
    AddForce("a", "3,4");
    dialogs.Answer(MsgResult::No);
    Btn("cmdConfig(0)")->Press();
    EXPECT_EQ(cbo->ListCount(), 1);
    EXPECT_EQ(C<plat::FlexGrid>("gd1")->Rows(), 2);
    dialogs.Answer(MsgResult::Yes);
    Btn("cmdConfig(0)")->Press();
    EXPECT_EQ(dialogs.Shown().back().prompt, "Esta acción borrará los DCL's. ¿Deseas proseguir?");
    EXPECT_EQ(cbo->ListCount(), 0);
    EXPECT_TRUE(Items("lstSeps").isEmpty());
    EXPECT_EQ(C<plat::FlexGrid>("gd1")->Rows(), 1);
    EXPECT_TRUE(form().pic1->Drawn().empty());
    // Erasing an empty structure does nothing; a structure goes without a question.
    Btn("cmdConfig(1)")->Press();
    Enter(Box("txtSegm", 0), "ab");
    Enter(Box("txtSegm", 1), "1,0");
    Btn("cmdOK")->Press();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    AddForce("b", "3,4");
    Btn("cmdConfig(1)")->Press();
    EXPECT_TRUE(Items("lstCoords").isEmpty());
    EXPECT_EQ(C<plat::FlexGrid>("gd1")->Rows(), 1);  // no row outlives its force
    EXPECT_TRUE(C("txtOrigin")->Text().isEmpty());
}

TEST_F(RigidPanel, SystemsAndLineCommands) {
    Enter(Box("txtSegm", 0), "abcd");
    Enter(Box("txtSegm", 1), "2,0");
    Enter(C("txtRepeat"), "m");
    Enter(Box("txtSegm", 2), "2");
    Enter(Box("txtSegm", 3), "2");
    Btn("cmdOK")->Press();
    auto* spn = C<plat::UpDown>("spnColor");
    auto* lst = C<plat::ListBox>("lstSysts");
    EXPECT_FALSE(lst->isEnabled());
    spn->SetValue(2);
    EXPECT_TRUE(lst->isEnabled());
    EXPECT_EQ(C("txtJoinBody")->BackColor(), 0x00C0C0u);
    EXPECT_EQ(lst->SelCount(), 0);
    lst->SetSelected(0, true);
    lst->SetSelected(1, true);
    lst->SetSelected(2, true);
    EXPECT_EQ(C<plat::Label>("lblPoints(1)")->Caption(), "ABC");
    dialogs.Answer(MsgResult::OK);
    C("txtJoinBody")->SetText("7");
    EXPECT_EQ(dialogs.Shown().back().prompt, "Número entre 1 y 5 aquí.");

    auto* box = C("txtPoints");
    auto command = [&](const char* text) {
        box->SetText(QString());
        QTest::keyClicks(box, QString::fromLatin1(text));
        QTest::keyClick(box, Qt::Key_Return);
    };
    const int before = static_cast<int>(form().pic1->Drawn().size());
    command("2abc");
    EXPECT_TRUE(box->Text().isEmpty());
    bool yellow = false;
    const auto& drawn = form().pic1->Drawn();
    for (size_t i = static_cast<size_t>(before); i < drawn.size(); ++i)
        yellow = yellow || (drawn[i].kind == plat::DrawnPrimitive::Kind::Line && drawn[i].color == 0x00C0C0);
    EXPECT_TRUE(yellow);
    const struct {
        const char* text;
        const char* msg;
    } refusals[] = {{"6ab", "Primero va el número del subsistema (1 <= n <= 5)."},
                    {"2", "Dato incorrecto (Número del sistema seguido por cadena de letras)."},
                    {"2abba", "Hay una letra repetida en el interior de la cadena."},
                    {"2abd", "El punto D no está en el sistema 2"},
                    {"2a1", "Carácter inválido en el símbolo del segmento."}};
    for (const auto& r : refusals) {
        dialogs.Answer(MsgResult::OK);
        command(r.text);
        EXPECT_EQ(dialogs.Shown().back().prompt, QString::fromUtf8(r.msg)) << r.text;
        EXPECT_EQ(box->SelLength(), box->Text().size()) << r.text;
    }
    const size_t shown = dialogs.Shown().size();
    command("2a");  // one letter: ignored
    command("2aba");
    command("2ab-");
    EXPECT_EQ(dialogs.Shown().size(), shown);
    // The page redraw replays the lines; a new problem forgets them.
    C<plat::TabStrip>("tabStat")->SetTab(2);
    C<plat::TabStrip>("tabStat")->SetTab(0);
    bool erased = false;
    for (const auto& d : form().pic1->Drawn())
        erased = erased ||
                 (d.kind == plat::DrawnPrimitive::Kind::Line && d.color == 0xC0C0C0 && d.points.size() == 2 &&
                  d.points[0].y() == d.points[1].y() && d.points[0].x() != d.points[1].x() && d.points[1].x() < 300);
    EXPECT_TRUE(erased) << "a cancelled segment on the x axis is redrawn grey";
    testsupport::SaveGrab(&form(), "rigid_lines");
    dialogs.Answer(MsgResult::OK);
    Btn("cmdVMb(2)")->Press();
    EXPECT_TRUE(Items("lstSysts").isEmpty());
    EXPECT_TRUE(form().pic1->Drawn().empty());
}

TEST_F(RigidPanel, ForceEntryKeywordsSeriesAndGridEditing) {
    RegisterBeam();
    auto* tab = C<plat::TabStrip>("tabStat");
    tab->SetTab(1);
    auto* gd1 = C<plat::FlexGrid>("gd1");
    // Membership and form of the points string.
    const struct {
        const char* text;
        const char* msg;
    } refusals[] = {{"ad", "El punto D no pertenece a ningún cuerpo."}, {"aa", "Hay un punto repetido."}};
    for (const auto& r : refusals) {
        dialogs.Answer(MsgResult::OK);
        Enter(Box("txtBody", 1), r.text);
        EXPECT_EQ(dialogs.Shown().back().prompt, QString::fromUtf8(r.msg)) << r.text;
    }
    // A series of horizontal forces over three points.
    Enter(Box("txtBody", 1), "acb");
    EXPECT_EQ(C<plat::Label>("lblForceAt(0)")->Caption(), "Fuerza[:][/Par] en A");
    EXPECT_EQ(C<plat::Label>("lblForceAt(2)")->Caption(), "en B");
    EXPECT_FALSE(Box("txtBody", 4)->isHidden());
    EXPECT_TRUE(Box("txtBody", 5)->isHidden());
    dialogs.Answer(MsgResult::OK);
    Enter(Box("txtBody", 2), "10,0");
    EXPECT_EQ(dialogs.Shown().back().prompt, "Serie de fuerzas sólo para formatos \"hCx\" o \"vCy\".");
    Enter(Box("txtBody", 2), "h10");
    EXPECT_EQ(form().focusWidget(), Box("txtBody", 3));
    Box("txtBody", 3)->SetText("-20");
    Box("txtBody", 4)->SetText("F");
    Btn("cmdOK1")->Press();
    ASSERT_EQ(gd1->Rows(), 4);
    EXPECT_EQ(gd1->TextMatrix(2, 3), "h-20");
    EXPECT_EQ(gd1->TextMatrix(2, 4), "-20");
    EXPECT_EQ(gd1->TextMatrix(3, 4), "F");
    EXPECT_EQ(gd1->TextMatrix(3, 5), "0");
    EXPECT_TRUE(gd1->TextMatrix(1, 6).isEmpty());
    // The entry row is reset after every addition.
    EXPECT_TRUE(Box("txtBody", 3)->isHidden());
    EXPECT_EQ(C<plat::Label>("lblForceAt(0)")->Caption(), "Fuerza[:][/Par]");

    // "neg" and "pos" repeat a row of the grid.
    Enter(Box("txtBody", 1), "c");
    Enter(Box("txtBody", 2), "neg 2");
    EXPECT_EQ(Box("txtBody", 2)->Text(), "h20");
    EXPECT_EQ(form().focusWidget(), Btn("cmdOK1"));
    Enter(Box("txtBody", 2), "pos3");
    EXPECT_EQ(Box("txtBody", 2)->Text(), "hF");
    Enter(Box("txtBody", 2), "neg 9");  // no such row: the key is dropped
    EXPECT_EQ(Box("txtBody", 2)->Text(), "neg 9");
    Box("txtBody", 2)->SetText("m/");
    Enter(Box("txtBody", 1), "c");
    Box("txtBody", 2)->SetText("-15");
    Btn("cmdOK1")->Press();
    EXPECT_EQ(gd1->TextMatrix(4, 6), "-15");

    // "B1" deletes the current row; later rows move up keeping their numbers.
    gd1->SetRow(2);
    Btn("cmdDCL(1)")->Press();
    ASSERT_EQ(gd1->Rows(), 4);
    EXPECT_EQ(gd1->TextMatrix(2, 0), "2");
    EXPECT_EQ(gd1->TextMatrix(2, 3), "hF");
    EXPECT_EQ(gd1->TextMatrix(3, 6), "-15");
    Btn("cmdDCL(0)")->Press();
    EXPECT_EQ(gd1->Rows(), 3);
    Btn("cmdDCL(2)")->Press();
    EXPECT_EQ(gd1->Rows(), 1);
    // A parse error is said and adds nothing.
    Enter(Box("txtBody", 1), "a");
    Box("txtBody", 2)->SetText("3,4<5");
    dialogs.Answer(MsgResult::OK);
    Btn("cmdOK1")->Press();
    EXPECT_EQ(
        dialogs.Shown().back().prompt,
        QStringLiteral("Formato incorrecto. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5)."));
    EXPECT_EQ(gd1->Rows(), 1);
    // Command words switch pages.
    Enter(Box("txtBody", 1), "res");
    EXPECT_EQ(tab->Tab(), 2);
}

TEST_F(RigidPanel, CopyIntoABodyAndSolveTwoBodies) {
    // A bar ACB of length 4: body 2 is AC, body 3 is CB, joined at C.
    RegisterBeam();
    C<plat::UpDown>("spnColor")->SetValue(2);
    auto* lst = C<plat::ListBox>("lstSysts");
    lst->SetSelected(0, true);
    lst->SetSelected(1, true);
    C<plat::UpDown>("spnColor")->SetValue(3);
    lst->SetSelected(1, true);
    lst->SetSelected(2, true);
    auto* tab = C<plat::TabStrip>("tabStat");
    tab->SetTab(1);
    AddForce("a", "v-10");
    AddForce("c", "v-99");
    C<plat::OptionButton>("optDCL(1)")->SetValue(true);
    EXPECT_EQ(C<plat::Label>("lblBody")->Caption(), "2");
    EXPECT_EQ(C<plat::Label>("lblDCLPts")->Caption(), "AC");
    Btn("cmdAddForce")->Press();
    auto* gd1 = C<plat::FlexGrid>("gd1");
    ASSERT_EQ(gd1->Rows(), 4);  // only the force at A: C is a shared joint
    EXPECT_EQ(gd1->TextMatrix(3, 1), "2");
    EXPECT_EQ(gd1->TextMatrix(3, 2), "A");
    Btn("cmdAddForce")->Press();
    EXPECT_EQ(gd1->Rows(), 4);
    AddForce("a", "Ax, Ay");
    AddForce("c", "vCy");
    dialogs.Answer(MsgResult::OK);
    C<plat::OptionButton>("optDCL(3)")->SetValue(true);
    EXPECT_EQ(dialogs.Shown().back().prompt, "No se ha definido el sistema 4.");
    EXPECT_EQ(C<plat::Label>("lblBody")->Caption(), "2");
    C<plat::OptionButton>("optDCL(2)")->SetValue(true);
    AddForce("c", "v-Cy");
    AddForce("b", "vBy");
    AddForce("b", "v-20");

    tab->SetTab(2);
    auto* lstDCL = C<plat::ListBox>("lstDCL");
    EXPECT_FALSE(lstDCL->isHidden());
    Btn("cmdClearLstDCL")->Press();
    dialogs.Answer(MsgResult::OK);
    Btn("cmdShowIncsEqns")->Press();
    EXPECT_EQ(dialogs.Shown().back().prompt, "No hay sistemas seleccionados en la lista.");
    lstDCL->SetSelected(1, true);
    lstDCL->SetSelected(2, true);
    Box("txtRefPt", 1)->SetText("c");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(Box("txtRefPt", 1), &out);
    EXPECT_EQ(Box("txtRefPt", 1)->Text(), "C");
    Box("txtRefPt", 2)->SetText("Z");
    dialogs.Answer(MsgResult::OK);
    Btn("cmdVMb(0)")->Press();
    EXPECT_EQ(dialogs.Shown().back().prompt, "El punto de referencia Z del sistema 3 no existe.");
    Btn("cmdVMb(1)")->Press();
    Box("txtRefPt", 2)->SetText("C");
    Btn("cmdShowIncsEqns")->Press();
    EXPECT_TRUE(form().rtbSolve->Text().startsWith("4 incógnitas, 5 ecuaciones."))
        << form().rtbSolve->Text().toStdString();
    C("txtSuprEqn")->SetText("3y");
    Btn("cmdVMb(0)")->Press();
    const QString t = form().rtbSolve->Text();
    EXPECT_TRUE(t.contains("Cuerpo 2:") && t.contains("Cuerpo 3:")) << t.toStdString();
    // Moments about C: body 2 gives Ay = 10 and then Cy = 0; body 3 By = 20.
    EXPECT_TRUE(t.contains("Ay = 10")) << t.toStdString();
    EXPECT_TRUE(t.contains("By = 20")) << t.toStdString();
    testsupport::SaveGrab(&form(), "rigid_two_bodies");
    // "Restaurar fuerzas" brings the symbols back.
    Btn("cmdVMb(1)")->Press();
    EXPECT_TRUE(Btn("cmdVMb(0)")->isEnabled());
    Btn("cmdShowIncsEqns")->Press();
    EXPECT_TRUE(form().rtbSolve->Text().startsWith("4 incógnitas, 4 ecuaciones."));
}

TEST_F(RigidPanel, AngleToSolveForIsDrawnWhereAskedAndChosenFromTwo) {
    Enter(Box("txtSegm", 0), "ab");
    Enter(Box("txtSegm", 1), "2,0");
    Btn("cmdOK")->Press();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    AddForce("a", "Ax, Ay");
    AddForce("b", "v-30");
    dialogs.AnswerInput("");
    AddForce("b", "50<Q");
    EXPECT_EQ(dialogs.Shown().back().prompt, "¿A qué ángulo deseas trazar esta fuerza en el DCL?");
    // Later redraws do not ask again.
    AddForce("a", "0");
    C<plat::TabStrip>("tabStat")->SetTab(2);
    Btn("cmdShowIncsEqns")->Press();
    EXPECT_TRUE(form().rtbSolve->Text().contains("Incógnitas: Ax, Q, Ay")) << form().rtbSolve->Text().toStdString();
    dialogs.Answer(MsgResult::No);
    Btn("cmdVMb(0)")->Press();
    EXPECT_TRUE(dialogs.Shown().back().prompt.startsWith("Solución 1:"));
    EXPECT_EQ(dialogs.Shown().back().buttons, plat::MsgButtons::YesNo);
    EXPECT_TRUE(form().rtbSolve->Text().contains("Q = 143.13")) << form().rtbSolve->Text().toStdString();
    testsupport::SaveGrab(&form(), "rigid_angle");
}

TEST_F(RigidPanel, SupportsCouplesAndArrowsEndingAtThePoint) {
    RegisterBeam();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    Enter(Box("txtBody", 1), "a");
    Enter(Box("txtBody", 2), "emp");
    EXPECT_EQ(Box("txtBody", 2)->Text(), "Ax, Ay/MA");
    Btn("cmdOK1")->Press();
    AddForce("c", "30,-40:/10");
    AddForce("b", "-10");
    testsupport::SaveGrab(&form(), "rigid_supports");
    using K = plat::DrawnPrimitive::Kind;
    int redArcs = 0, blackArcs = 0;
    bool tipAtC = false;
    const auto& drawn = form().pic1->Drawn();
    // C is the middle of the beam, fitted into the picture: (198.5, 192.5).
    for (const auto& d : drawn) {
        if (d.kind == K::Arc) (d.color == 0x0000FF ? redArcs : blackArcs) += 1;
        if (d.kind == K::Line && d.color == 0 && d.points.size() == 2 && std::abs(d.points[1].x() - 198.5) < 1 &&
            std::abs(d.points[1].y() - 192.5) < 1 && d.points[0].x() < d.points[1].x())
            tipAtC = true;
    }
    EXPECT_EQ(redArcs, 1);
    EXPECT_EQ(blackArcs, 2);
    EXPECT_TRUE(tipAtC);
}

TEST_F(RigidPanel, ArrowKeysWalkTheRowAndLettersTypedWithoutEnterKeepTheirCase) {
    Enter(Box("txtSegm", 0), "abc");
    Box("txtSegm", 1)->SetFocus();
    Box("txtSegm", 1)->SetText("3,4");
    Box("txtSegm", 1)->SetSelStart(3);
    QTest::keyClick(Box("txtSegm", 1), Qt::Key_Right);
    EXPECT_EQ(form().focusWidget(), Box("txtSegm", 2));
    QTest::keyClick(Box("txtSegm", 2), Qt::Key_Left);
    EXPECT_EQ(form().focusWidget(), Box("txtSegm", 1));
    Box("txtSegm", 1)->SetSelStart(0);
    QTest::keyClick(Box("txtSegm", 1), Qt::Key_Left);
    EXPECT_EQ(form().focusWidget(), Box("txtSegm", 0));

    // "ab" registered straight from the button: the origin box upper-cases
    // the proposed origin, which then names no point.
    Btn("cmdConfig(1)")->Press();
    Box("txtSegm", 0)->SetText("ab");
    Box("txtSegm", 1)->SetText("1,0");
    dialogs.Answer(MsgResult::OK);
    Btn("cmdOK")->Press();
    EXPECT_EQ(dialogs.Shown().back().prompt, "No conozco las coordenadas del punto A");
    EXPECT_EQ(Items("lstSeps"), QStringList{"ab = (1, 0)"});
    EXPECT_EQ(C<plat::ComboBox>("cboSeps")->ListCount(), 1);
}

TEST_F(RigidPanel, HelpButtonsLoadTheirSections) {
    Btn("cmdHelpEstcr(2)")->Press();
    EXPECT_EQ(form().tabCalc->Tab(), 2);
    EXPECT_FALSE(form().txtArgHelp->Text().isEmpty());
}

TEST_F(RigidPanel, NewProblemClearsEverythingEvenWhenARedrawFails) {
    RegisterBeam();
    auto* box = C("txtPoints");
    QTest::keyClicks(box, "1ab");
    QTest::keyClick(box, Qt::Key_Return);
    C<plat::TabStrip>("tabStat")->SetTab(1);
    AddForce("a", "3,4");
    C("txtOrigin")->SetText(QString());  // the lines can no longer be drawn
    dialogs.Answer(MsgResult::Cancel);
    Btn("cmdVMb(2)")->Press();
    EXPECT_EQ(dialogs.Shown().back().prompt, "Confirmar borrado de todo.");
    EXPECT_EQ(dialogs.Shown().back().buttons, plat::MsgButtons::OKCancel);
    EXPECT_EQ(C<plat::FlexGrid>("gd1")->Rows(), 2);
    dialogs.Answer(MsgResult::OK);
    Btn("cmdVMb(2)")->Press();
    EXPECT_EQ(C<plat::FlexGrid>("gd1")->Rows(), 1);
    EXPECT_EQ(C<plat::ComboBox>("cboSeps")->ListCount(), 0);
    EXPECT_TRUE(Items("lstCoords").isEmpty());
    EXPECT_TRUE(form().pic1->Drawn().empty());
    EXPECT_TRUE(Btn("cmdVMb(0)")->isEnabled());
    EXPECT_EQ(C("txtRepeat")->Text(), "x");
}

}  // namespace

// A fault of the program after the new vectors went into the tables is
// reported as an internal fault and leaves the tables and their lists as
// they were: the same structure registers again.
TEST_F(RigidPanel, AFaultPartWayThroughARegistrationLeavesTheTablesAsTheyWere) {
    TypeBeam();
    {
        testsupport::ArmedFaultPoint fault("rigid structure lists");
        dialogs.Answer(MsgResult::OK);
        Btn("cmdOK")->click();
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(LastPrompt(), plat::kInternalFault);
    }
    // The lists show the tables as they are, not the vectors undone.
    EXPECT_TRUE(Items("lstSeps").isEmpty());
    EXPECT_TRUE(Items("lstCoords").isEmpty());
    RegisterBeam();
    EXPECT_EQ(dialogs.Shown().size(), 1u) << LastPrompt().toStdString();
    EXPECT_EQ(Items("lstSeps"), (QStringList{"AC = (2, 0)", "CB = (2, 0)"}));
    EXPECT_EQ(Items("lstCoords"), (QStringList{"A(0, 0)", "C(2, 0)", "B(4, 0)"}));
}

// A fault of the program after the solution was written into the forces
// and the result pane leaves them unsolved and the pane without it: the
// problem solves again as it did the first time.
TEST_F(RigidPanel, AFaultPartWayThroughASolutionLeavesTheForcesUnsolved) {
    RegisterBeam();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    AddForce("a", "Ax, Ay");
    AddForce("b", "vBy");
    AddForce("c", "v-100");
    C<plat::TabStrip>("tabStat")->SetTab(2);
    {
        testsupport::ArmedFaultPoint fault("rigid solve");
        dialogs.Answer(MsgResult::OK);
        Btn("cmdVMb(0)")->click();
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(LastPrompt(), plat::kInternalFault);
    }
    EXPECT_TRUE(Btn("cmdVMb(0)")->isEnabled());
    EXPECT_FALSE(Btn("cmdVMb(3)")->isEnabled());
    // The pane is as the solve left it before writing: empty.
    EXPECT_EQ(form().rtbSolve->Text(), "");
    Btn("cmdVMb(0)")->Press();
    EXPECT_EQ(dialogs.Shown().size(), 1u) << LastPrompt().toStdString();
    const QString solved = form().rtbSolve->Text();
    EXPECT_TRUE(solved.contains("3 incógnitas, 3 ecuaciones.")) << solved.toStdString();
    EXPECT_TRUE(solved.contains("Ay = 50")) << solved.toStdString();
}

TEST_F(RigidPanel, ARefusedSolveLeavesTheForcesAndButtonsAsTheyWere) {
    // A beam held only by a pin: two quantities for three equations.
    RegisterBeam();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    AddForce("a", "Ax, Ay");
    AddForce("c", "v-100");
    C<plat::TabStrip>("tabStat")->SetTab(2);
    dialogs.Answer(MsgResult::OK);
    Btn("cmdVMb(0)")->Press();
    EXPECT_EQ(dialogs.Shown().back().prompt, "Son 2 incógnitas y 3 ecuaciones.");
    EXPECT_TRUE(Btn("cmdVMb(0)")->isEnabled());
    EXPECT_FALSE(Btn("cmdVMb(1)")->isEnabled());
    EXPECT_FALSE(Btn("cmdVMb(3)")->isEnabled());
    auto* gd1 = C<plat::FlexGrid>("gd1");
    EXPECT_EQ(gd1->TextMatrix(1, 4), "Ax");
    EXPECT_EQ(gd1->TextMatrix(1, 5), "Ay");
}

TEST_F(RigidPanel, ASecondEnterOnTheAcceptButtonsAccepts) {
    Enter(Box("txtSegm", 0), "ab");
    Enter(Box("txtSegm", 1), "h2");
    ASSERT_EQ(form().focusWidget(), Btn("cmdOK"));
    QTest::keyClick(Btn("cmdOK"), Qt::Key_Return);
    EXPECT_EQ(Items("lstCoords"), (QStringList{"A(0, 0)", "B(2, 0)"}));

    C<plat::TabStrip>("tabStat")->SetTab(1);
    Enter(Box("txtBody", 1), "b");
    Enter(Box("txtBody", 2), "v-5");
    ASSERT_EQ(form().focusWidget(), Btn("cmdOK1"));
    QTest::keyClick(Btn("cmdOK1"), Qt::Key_Return);
    auto* gd1 = C<plat::FlexGrid>("gd1");
    ASSERT_EQ(gd1->Rows(), 2);
    EXPECT_EQ(gd1->TextMatrix(1, 5), "-5");
}

namespace {

// Enter after a solve, and the question of "Nuevo problema": the structure,
// the forces and the solution survive any number of Enters.
class RigidEnterKeys : public RigidPanel {};

TEST_F(RigidEnterKeys, EnterAfterSolvingOrRestoringNeverErases) {
    RegisterBeam();
    auto* tab = C<plat::TabStrip>("tabStat");
    tab->SetTab(1);
    Enter(Box("txtBody", 1), "a");
    Enter(Box("txtBody", 2), "art");
    Btn("cmdOK1")->Press();
    AddForce("b", "vBy");
    AddForce("c", "v-100");
    tab->SetTab(2);
    QApplication::setActiveWindow(&form());
    auto enterOnFocus = [this] {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_NE(w, Btn("cmdVMb(2)")) << "focus on \"Nuevo problema\"";
        QTest::keyClick(w, Qt::Key_Return);
    };
    Btn("cmdVMb(0)")->SetFocus();
    QTest::keyClick(Btn("cmdVMb(0)"), Qt::Key_Return);
    ASSERT_TRUE(form().rtbSolve->Text().contains("Ay = 50"));
    enterOnFocus();
    enterOnFocus();
    EXPECT_TRUE(form().rtbSolve->Text().contains("Ay = 50"));
    Btn("cmdVMb(1)")->SetFocus();
    QTest::keyClick(Btn("cmdVMb(1)"), Qt::Key_Return);  // "Restaurar fuerzas"
    enterOnFocus();                                     // solves again, where the focus now is
    EXPECT_TRUE(form().rtbSolve->Text().contains("Ay = 50"));
    EXPECT_EQ(C<plat::FlexGrid>("gd1")->Rows(), 4);
    EXPECT_EQ(Items("lstSysts"), (QStringList{"A", "C", "B"}));
}

TEST_F(RigidEnterKeys, QuestionsThatEraseOfferTheirSafeAnswer) {
    RegisterBeam();
    dialogs.Answer(MsgResult::Cancel);
    Btn("cmdVMb(2)")->Press();
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, "Confirmar borrado de todo.");
    EXPECT_EQ(dialogs.Shown()[0].defaultButton, MsgResult::Cancel);
    EXPECT_EQ(Items("lstSysts"), (QStringList{"A", "C", "B"}));
}

}  // namespace

namespace {

// The structure drawing: a grey member on the x axis stands out from the
// thin axis, and the axes carry their names inside the picture.
TEST_F(RigidPanel, MembersStandOutFromTheAxesWhichShowTheirNames) {
    RegisterBeam();
    auto* box = C("txtPoints");
    QTest::keyClicks(box, QStringLiteral("1acb"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_TRUE(box->Text().isEmpty());
    const plat::Picture& pic = *form().pic1;
    bool member = false;
    QStringList names;
    for (const auto& d : pic.Drawn()) {
        member = member || (d.kind == plat::DrawnPrimitive::Kind::Line && d.color == 0x808080 && d.width >= 3);
        if (d.kind == plat::DrawnPrimitive::Kind::Text && (d.text == "X" || d.text == "Y")) {
            names << d.text;
            const QPointF px = pic.ToDevice(d.points[0].x(), d.points[0].y());
            EXPECT_TRUE(QRectF(0, 0, pic.width() - 8, pic.height() - 8).contains(px))
                << d.text.toStdString() << " at " << px.x() << "," << px.y();
        }
    }
    EXPECT_TRUE(member);
    names.sort();
    EXPECT_EQ(names, (QStringList{"X", "Y"}));
    testsupport::SaveGrab(&form(), "rigid_beam");
}

}  // namespace

namespace {

// The entry row of the free-body page takes at most six points, one per force
// box; the OK button holds to that whatever the points box holds.
TEST_F(RigidPanel, TheOKButtonRefusesMorePointsThanThereAreForceBoxes) {
    RegisterBeam();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    for (const char* points : {"PQRSTUV", "ACBDEFGHIJ", "ÑÑÑÑÑÑÑ"}) {
        Box("txtBody", 1)->SetText(QString::fromUtf8(points));
        Box("txtBody", 2)->SetText(QStringLiteral("h5"));
        dialogs.Answer(MsgResult::OK);
        Btn("cmdOK1")->Press();
        EXPECT_EQ(LastPrompt(), "Cadena de máximo 6 letras.") << points;
        EXPECT_EQ(C<plat::FlexGrid>("gd1")->Rows(), 1) << points;
    }
}

// What a force box holds is read as the number boxes read numbers: an
// exponent, the minus sign the program prints; a number split by a blank is
// refused rather than read as a quantity to solve for.
TEST_F(RigidPanel, ForceAndCoupleTextsReadNumbersAsTheNumberBoxesDo) {
    RegisterBeam();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    auto* gd1 = C<plat::FlexGrid>("gd1");
    struct Case {
        const char* text;
        const char* refusal;  // nullptr: the force is added with these cells
        const char* fx;
        const char* fy;
        const char* couple;
    };
    const Case cases[] = {
        {"1e2,0", nullptr, "100", "0", ""},
        {"h\u22122e1", nullptr, "-20", "0", ""},
        {"p30x,1e2", nullptr, "86.603", "50", ""},
        {"1 000,0",
         "Un número no lleva espacios en medio. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).",
         "", "", ""},
        {"v-1 000", "Un número no lleva espacios en medio.", "", "", ""},
        // Couples: a number, a name of the notation, or refused.
        {"1e5", nullptr, "", "", "1E5"},
        {"\u2212250", nullptr, "", "", "-250"},
        {"h5/\u22122.5e1", nullptr, "5", "0", "-2.5E1"},
        {"1e308", nullptr, "", "", "1E308"},
        {"NaN", nullptr, "", "", "NAN"},
        {"-m2", nullptr, "", "", "-M2"},
        {"1e309", "Error en la especificación del vector.", "", "", ""},
        {"h5/1e309", "Error en la especificación del vector.", "", "", ""},
        {"h5/1 000", "Un número no lleva espacios en medio.", "", "", ""},
        {"neg 9", "El símbolo debe constar de una literal y uno o dos subíndices.", "", "", ""},
        {"2M", "El símbolo debe constar de una literal y uno o dos subíndices.", "", "", ""},
    };
    for (const Case& c : cases) {
        const int rows = gd1->Rows();
        if (c.refusal) dialogs.Answer(MsgResult::OK);
        AddForce("c", QString::fromUtf8(c.text));
        if (c.refusal) {
            EXPECT_EQ(LastPrompt(), QString::fromUtf8(c.refusal)) << c.text;
            EXPECT_EQ(gd1->Rows(), rows) << c.text;
            continue;
        }
        ASSERT_EQ(gd1->Rows(), rows + 1) << c.text;
        EXPECT_EQ(gd1->TextMatrix(rows, 4), QString::fromUtf8(c.fx)) << c.text;
        EXPECT_EQ(gd1->TextMatrix(rows, 5), QString::fromUtf8(c.fy)) << c.text;
        EXPECT_EQ(gd1->TextMatrix(rows, 6), QString::fromUtf8(c.couple)) << c.text;
    }
    // Nothing refused or stored poisons the problem: the next force goes in
    // without a message (the script fails on any box not queued).
    const int rows = gd1->Rows();
    AddForce("a", "h1");
    EXPECT_EQ(gd1->Rows(), rows + 1);
}

// A couple with an exponent is a known moment, not a fourth quantity.
TEST_F(RigidPanel, ACoupleWrittenWithAnExponentIsAKnownMoment) {
    RegisterBeam();
    C<plat::TabStrip>("tabStat")->SetTab(1);
    AddForce("a", "Ax, Ay");
    AddForce("b", "vBy");
    AddForce("c", "1e3");
    C<plat::TabStrip>("tabStat")->SetTab(2);
    Btn("cmdVMb(0)")->Press();
    const QString solved = form().rtbSolve->Text();
    EXPECT_TRUE(solved.contains("3 incógnitas, 3 ecuaciones.")) << solved.toStdString();
    EXPECT_TRUE(solved.contains("4 By + 1000 = 0")) << solved.toStdString();
    EXPECT_TRUE(solved.contains(QStringLiteral("By = \u2212250"))) << solved.toStdString();
}

}  // namespace
