// Buttons, labels, text boxes, frames, shapes, images, options, check boxes,
// lists and combos: events from code run at once and once, text changes
// raise Change only when real, values read back as set.
#include <gtest/gtest.h>
#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "platform/buttons.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/textbox.h"
#include "qstring_print.h"
#include "runtime/errors.h"

namespace {

using namespace plat;

// A shown, active window for focus and mouse tests.
class Shown : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(300, 200);
        host.show();
        QApplication::setActiveWindow(&host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }
    QWidget host;
};

TEST(TextBoxChange, OnlyARealChangeRaisesChangeOnce) {
    TextBox box("txtOrigin");
    int changes = 0;
    box.Change = [&] {
        ++changes;
        box.SetText(box.Text().toUpper());  // upper-cases itself, as a handler may
    };
    box.SetText("ab");
    EXPECT_EQ(box.Text(), "AB");
    EXPECT_EQ(changes, 2);  // the set, then the nested upper-casing
    changes = 0;
    box.SetText("AB");
    EXPECT_EQ(changes, 0);
    box.SetSelStart(2);
    box.SetSelText("C");
    EXPECT_EQ(box.Text(), "ABC");
    EXPECT_EQ(changes, 1);
    changes = 0;
    QTest::keyClicks(&box, "x");
    EXPECT_EQ(box.Text(), "ABCX");
    EXPECT_EQ(changes, 2);
}

TEST(TextBoxChange, SelectionAndColours) {
    TextBox box("txtPoints");
    box.SetText("hello");
    box.SetSelStart(1);
    box.SetSelLength(3);
    EXPECT_EQ(box.SelText(), "ell");
    EXPECT_EQ(box.SelStart(), 1);
    box.SetSelLength(99);
    EXPECT_EQ(box.SelLength(), 4);
    box.SetSelStart(99);
    EXPECT_EQ(box.SelStart(), 5);
    EXPECT_EQ(box.SelLength(), 0);
    box.SetForeColor(0xC000C0);
    box.SetBackColor(0x808080);
    EXPECT_EQ(box.ForeColor(), 0xC000C0u);
    EXPECT_EQ(box.BackColor(), 0x808080u);
    EXPECT_EQ(box.palette().color(QPalette::Text), QColor(0xC0, 0, 0xC0));
}

TEST_F(Shown, TextBoxSelectsAllOnFocusAndKeepsItThroughTheClick) {
    auto* a = new TextBox("txtSegm(0)", &host);
    auto* b = new TextBox("txtSegm(1)", &host);
    a->setGeometry(0, 0, 100, 20);
    b->setGeometry(0, 30, 100, 20);
    a->show();
    b->show();
    b->SetText("12.5");
    QString log;
    b->focus.GotFocus = [&] {
        log += "got ";
        b->SetSelStart(0);
        b->SetSelLength(b->Text().size());
    };
    a->focus.LostFocus = [&] { log += "lost "; };
    ASSERT_TRUE(a->SetFocus());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(log, "lost got ");
    EXPECT_EQ(b->SelText(), "12.5");
    // A later click places the caret as usual.
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(2, 10));
    EXPECT_EQ(b->SelLength(), 0);
    // Keys run through the box's handlers.
    b->keys.KeyPress = [](int& ascii) {
        if (ascii == 13) ascii = 0;
    };
    b->keys.KeyDown = [](int& code, int) {
        if (code == 66) code = 0;
    };
    b->SetText("");
    QTest::keyClicks(b, "abc");
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(b->Text(), "ac");
}

TEST_F(Shown, CommandButtonsPressedByCodeOrUser) {
    auto* cmd = new CommandButton("cmdCalculate", &host);
    cmd->setGeometry(0, 0, 80, 25);
    cmd->show();
    QString log;
    int depth = 0;
    cmd->Click = [&] {
        log += QString("click%1 ").arg(depth);
        if (depth++ == 0) cmd->SetValue(true);  // pressed again from inside
        --depth;
    };
    QTest::mouseClick(cmd, Qt::LeftButton);
    EXPECT_EQ(log, "click0 click1 ");
    log.clear();
    // Enter on the focused button presses it, outside any dialog too.
    ASSERT_TRUE(cmd->SetFocus());
    QTest::keyClick(cmd, Qt::Key_Return);
    EXPECT_EQ(log, "click0 click1 ");
    log.clear();
    cmd->setEnabled(false);
    cmd->SetValue(true);  // code presses even a disabled button
    EXPECT_EQ(log, "click0 click1 ");
    EXPECT_FALSE(cmd->SetFocus());

    cmd->SetBackColor(rt::kButtonFace);
    EXPECT_EQ(cmd->BackColor(), 0x8000000Fu);
    cmd->SetBackColor(0xC0E0FF);
    EXPECT_EQ(cmd->BackColor(), 0xC0E0FFu);
}

TEST(Captions, SymbolFaceShowsGreekButReadsBackAsWritten) {
    CommandButton rot("cmdRotangle");
    rot.SetFace("Symbol", 10);
    rot.SetCaption(QString::fromUtf8("Q = 30°"));
    EXPECT_EQ(rot.Caption(), QString::fromUtf8("Q = 30°"));
    EXPECT_EQ(rot.text(), QString::fromUtf8("Θ = 30°"));
    Label lbl("lbltxtAngle");
    lbl.SetCaption("q =");
    EXPECT_EQ(lbl.text(), "q =");
    lbl.SetFace("Symbol", 10);
    EXPECT_EQ(lbl.text(), QString::fromUtf8("θ ="));
    EXPECT_EQ(lbl.Caption(), "q =");
}

TEST_F(Shown, LabelClickAndColours) {
    auto* lbl = new Label("lblCalc(0)", &host);
    lbl->SetCaption("Borrar");
    lbl->setGeometry(0, 0, 80, 20);
    lbl->show();
    int clicks = 0;
    lbl->Click = [&] { ++clicks; };
    QTest::mouseClick(lbl, Qt::LeftButton);
    QTest::mouseClick(lbl, Qt::RightButton);
    EXPECT_EQ(clicks, 1);
    lbl->SetBackColor(0xE0E0E0);
    lbl->SetForeColor(0x0000FF);
    EXPECT_EQ(lbl->BackColor(), 0xE0E0E0u);
    EXPECT_EQ(lbl->ForeColor(), 0x0000FFu);
    EXPECT_TRUE(lbl->autoFillBackground());
}

TEST(Options, ChoosingFromCodeClicksAndUnchoosingDoesNot) {
    QWidget group;
    OptionButton* opt[3];
    QString log;
    for (int i = 0; i < 3; ++i) {
        opt[i] = new OptionButton(QString("optDCL(%1)").arg(i), &group);
        opt[i]->Click = [&log, i] { log += QString::number(i); };
    }
    opt[1]->SetValue(true);
    opt[1]->SetValue(true);  // chosen again: its handler runs again
    opt[2]->SetValue(true);
    EXPECT_EQ(log, "112");
    EXPECT_FALSE(opt[1]->Value());
    EXPECT_TRUE(opt[2]->Value());
    opt[2]->SetValue(false);
    EXPECT_EQ(log, "112");
    for (auto* o : opt) EXPECT_FALSE(o->Value());
    opt[0]->SetValue(true);
    EXPECT_FALSE(opt[2]->Value());  // still one group
}

TEST_F(Shown, CheckBoxClickOnChangeOnly) {
    auto* chk = new CheckBox("chkGraph(0)", &host);
    chk->setGeometry(0, 0, 80, 20);
    chk->show();
    QString log;
    chk->Click = [&] { log += QString::number(chk->Value()); };
    chk->SetValue(1);
    chk->SetValue(1);
    chk->SetValue(0);
    EXPECT_EQ(log, "10");
    QTest::mouseClick(chk, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(log, "101");
    EXPECT_THROW(chk->SetValue(3), rt::ProgramFault);  // only the program sets it
}

TEST_F(Shown, ListBoxSelectionsFromCodeAndUser) {
    auto* lst = new ListBox("lstSysts", &host);
    lst->SetMultiSelect(true);
    lst->setGeometry(0, 0, 100, 150);
    lst->show();
    int clicks = 0;
    lst->Click = [&] { ++clicks; };
    for (const char* t : {"A", "B", "C"}) lst->AddItem(t);
    EXPECT_EQ(lst->ListCount(), 3);
    EXPECT_EQ(clicks, 0);
    lst->SetSelected(0, true);
    lst->SetSelected(2, true);
    lst->SetSelected(1, false);  // no change, still one Click per assignment
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(lst->Selected(0));
    EXPECT_FALSE(lst->Selected(1));
    EXPECT_EQ(lst->SelCount(), 2);
    QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, lst->visualItemRect(lst->item(1)).center());
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(lst->SelCount(), 3);  // a click toggles one item
    lst->Clear();
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(lst->ListCount(), 0);
    EXPECT_THROW(lst->SetSelected(0, true), rt::ProgramFault);  // the program names its items
}

TEST_F(Shown, ComboBoxListIndex) {
    auto* cbo = new ComboBox("cboHelp", &host);
    cbo->show();
    QString log;
    cbo->Click = [&] { log += QString::number(cbo->ListIndex()) + " "; };
    cbo->AddItem("uno");
    cbo->AddItem("dos");
    cbo->AddItem("cero", 0);
    EXPECT_EQ(cbo->ListIndex(), -1);  // adding chooses nothing
    EXPECT_EQ(cbo->List(0), "cero");
    cbo->SetListIndex(2);
    cbo->SetListIndex(2);
    cbo->SetListIndex(-1);
    EXPECT_EQ(log, "2 2 -1 ");
    cbo->SetListIndex(1);
    cbo->RemoveItem(1);
    EXPECT_EQ(cbo->ListIndex(), -1);
    EXPECT_EQ(cbo->ListCount(), 2);
    EXPECT_THROW(cbo->SetListIndex(2), rt::ProgramFault);
    log.clear();
    cbo->activated(1);  // the user's choice
    EXPECT_EQ(log, "-1 ");
    cbo->Clear();
    EXPECT_EQ(cbo->ListIndex(), -1);
}

TEST_F(Shown, FrameDisablesAndHidesItsControls) {
    auto* fra = new Frame("fraDirec", &host);
    auto* txt = new TextBox("txtAngle", fra);
    fra->setGeometry(0, 0, 200, 100);
    txt->setGeometry(10, 20, 80, 20);
    fra->show();
    EXPECT_TRUE(txt->SetFocus());
    fra->setEnabled(false);
    EXPECT_FALSE(txt->SetFocus());
    fra->setEnabled(true);
    fra->hide();
    EXPECT_FALSE(txt->SetFocus());
}

TEST_F(Shown, ImageMouseInTwipsAndPictureFiles) {
    auto* img = new Image("imgProcs", &host);
    QPixmap pm(100, 20);
    pm.fill(Qt::white);
    img->SetPicture(pm);
    EXPECT_EQ(img->size(), QSize(100, 20));
    img->show();
    double x = -1;
    int button = 0;
    img->MouseDown = [&](int b, int, double px, double) {
        button = b;
        x = px;
    };
    QTest::mouseClick(img, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(button, 1);
    EXPECT_DOUBLE_EQ(x, 600.0);

    QTemporaryDir dir;
    const QString file = dir.filePath("procs.bmp");
    QPixmap(30, 10).save(file, "BMP");
    EXPECT_FALSE(img->LoadPicture(dir.filePath("missing.bmp")));
    EXPECT_EQ(img->size(), QSize(100, 20));
    EXPECT_TRUE(img->LoadPicture(file));
    EXPECT_EQ(img->size(), QSize(30, 10));

    // A pixmap drawn at twice the density covers half its pixels each way.
    QPixmap dense(200, 40);
    dense.setDevicePixelRatio(2);
    dense.fill(Qt::white);
    img->SetPicture(dense);
    EXPECT_EQ(img->size(), QSize(100, 20));
}

TEST_F(Shown, FrameHidesWhatLiesBeneathIt) {
    auto* under = new QLabel(&host);
    under->setAutoFillBackground(true);
    QPalette red = under->palette();
    red.setColor(QPalette::Window, Qt::red);
    under->setPalette(red);
    under->setGeometry(0, 0, 100, 100);
    auto* fra = new Frame("fraKinem", &host);
    fra->setGeometry(20, 20, 60, 60);
    under->show();
    fra->show();
    const QImage img = host.grab(QRect(0, 0, 100, 100)).toImage();
    EXPECT_EQ(QColor(img.pixel(5, 5)), QColor(Qt::red));  // beside the frame
    // Inside it, the frame's own grey (the style may shade it; no red comes
    // through).
    const QColor inside(img.pixel(50, 50));
    EXPECT_EQ(inside.red(), inside.green());
    EXPECT_EQ(inside.red(), inside.blue());
}

TEST_F(Shown, SeeThroughShapeKeepsThePictureBeneathRecognisable) {
    // Beneath: a white picture with a black mark in its middle.
    auto* under = new QLabel(&host);
    QPixmap pm(30, 29);
    pm.fill(Qt::white);
    {
        QPainter p(&pm);
        p.fillRect(10, 10, 10, 9, Qt::black);
    }
    under->setPixmap(pm);
    under->setGeometry(0, 0, 30, 29);
    auto* shp = new Shape("shpBar1", &host);
    shp->setGeometry(0, 0, 30, 29);
    shp->SetBorderWidth(0);
    shp->SetFillColor(0x8080FF);
    shp->SetFillStyle(Shape::Fill::SeeThrough);
    under->show();
    shp->show();
    const QImage img = host.grab(QRect(0, 0, 30, 29)).toImage();
    EXPECT_EQ(QColor(img.pixel(3, 3)), QColor(0xFF, 0x80, 0x80));  // white takes the colour
    EXPECT_EQ(QColor(img.pixel(15, 15)), QColor(Qt::black));       // the mark stays
    EXPECT_EQ(shp->FillColor(), 0x8080FFu);
}

TEST_F(Shown, LineRunsBetweenItsPoints) {
    auto* lin = new LineShape("linSegm(0)", &host);
    lin->SetPoints(10, 50, 110, 50);
    lin->SetBorderColor(0x0000FF);
    lin->show();
    const QImage img = host.grab().toImage();
    EXPECT_EQ(QColor(img.pixel(60, 50)), QColor(Qt::red));
    EXPECT_NE(QColor(img.pixel(60, 55)), QColor(Qt::red));
    EXPECT_EQ(lin->X2(), 110);
    lin->hide();
    EXPECT_NE(QColor(host.grab().toImage().pixel(60, 50)), QColor(Qt::red));
}

}  // namespace
