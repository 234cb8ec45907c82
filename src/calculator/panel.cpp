#include "calculator/panel.h"

#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/fonts.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/picture.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "shell/form1.h"

namespace calc {

void Calculator::BuildPanels(shell::Form1& form) {
    form_ = &form;
    Panel& p = panel_;

    p.picBar = new plat::Picture(QStringLiteral("picBar"), &form);
    p.picBar->Move(408, 40, 389, 63);
    p.picBar->SetBackColor(0xE0E0E0);
    p.picBar->OnMouseDown([this](int b, int s, double x, double y) { picBar_MouseDown(b, s, x, y); });
    p.shpBar1 = new plat::Shape(QStringLiteral("shpBar1"), p.picBar);
    p.shpBar1->SetFillStyle(plat::Shape::Fill::SeeThrough);
    p.shpBar1->SetFillColor(0x8080FF);
    p.shpBar1->SetBorderWidth(0);
    p.shpBar1->setGeometry(1, 1, 30, 29);

    p.picRuts = new plat::Picture(QStringLiteral("picRuts"), &form);
    p.picRuts->Move(-400, 0, 280, 181);
    DrawIconSheet();

    p.fraCalc = new plat::Frame(QStringLiteral("fraCalc"), &form);
    p.fraCalc->setGeometry(408, 161, 389, 234);
    p.picArgs = new plat::Picture(QStringLiteral("picArgs"), p.fraCalc);
    p.picArgs->Move(4, 4, 381, 44);
    p.gd = new plat::FlexGrid(QStringLiteral("gd"), p.fraCalc);
    p.gd->SetRows(21);
    p.gd->SetCols(22);
    p.gd->setGeometry(4, 52, 381, 150);
    p.cmdCalculate = new plat::CommandButton(QStringLiteral("cmdCalculate"), p.fraCalc);
    p.cmdCalculate->SetCaption(QStringLiteral("Calcular"));
    p.cmdCalculate->setGeometry(300, 206, 85, 24);
    p.fraUnits = new plat::Frame(QStringLiteral("fraUnits"), &form);
    p.fraUnits->setGeometry(408, 156, 329, 45);

    QWidget* strip = form.fraExpr;
    const char* calcCaptions[] = {">", "="};
    for (int i = 0; i < 2; ++i) {
        auto* l = new plat::Label(plat::ArrayName(QStringLiteral("lblCalc"), i), strip);
        l->SetCaption(QString::fromLatin1(calcCaptions[i]));
        l->setGeometry(i == 0 ? 6 : 130, i == 0 ? 5 : 28, 14, 18);
        p.lblCalc[i] = l;
    }
    p.picOpt = new plat::Picture(QStringLiteral("picOpt"), strip);
    p.picOpt->Move(4, 26, 121, 23);
    p.txtExpr = new plat::TextBox(QStringLiteral("txtExpr"), strip);
    p.txtExpr->setGeometry(146, 27, 239, 21);

    shell::PanelSlots& s = form.panels;
    s.picBar = p.picBar;
    s.picRuts = p.picRuts;
    s.picOpt = p.picOpt;
    s.picArgs = p.picArgs;
    s.fraCalc = p.fraCalc;
    s.fraUnits = p.fraUnits;
    s.gd = p.gd;
}

// The icon sheet: black on white, cells of 31 by 30 pixels; the group
// names in the upper row and the three kinematics laws from (124, 120).
void Calculator::DrawIconSheet() {
    QImage sheet(280, 181, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setPen(Qt::black);
    p.setFont(plat::MakeFont(QStringLiteral("Times New Roman"), 8));
    const char* groups[] = {"|A|", "x²", "△", "f(x)", "y=f", "m.c.", "→", "ΣF"};
    for (int c = 0; c < 8; ++c)
        p.drawText(QRect(c * 31, 0, 31, 30), Qt::AlignCenter, QString::fromUtf8(groups[c]));
    const char* laws[] = {"x(t)", "v(t,x)", "a(t,x,v)"};
    p.setFont(plat::MakeFont(QStringLiteral("Times New Roman"), 6));
    for (int c = 0; c < 3; ++c)
        p.drawText(QRect(124 + c * 31, 120, 31, 30), Qt::AlignCenter, QString::fromLatin1(laws[c]));
    p.end();
    panel_.picRuts->SetPicture(sheet);
}

void Calculator::ArrangeGd() {
    plat::FlexGrid& g = *panel_.gd;
    for (int r = 1; r < g.Rows(); ++r) g.SetTextMatrix(r, 0, QString::number(r));
    for (int c = 1; c < g.Cols(); ++c) g.SetTextMatrix(0, c, QString::number(c));
    g.SetColWidth(0, 330);
    for (int c = 1; c < g.Cols(); ++c) g.SetColWidth(c, 1260);
    for (int c = 0; c < g.Cols(); ++c) g.SetColAlignment(c, plat::FlexGrid::CenterCenter);
    g.SetTextMatrix(0, 0, QStringLiteral("#"));
    g.SetRow(1);
    g.SetCol(1);
    // Scrolling to the current cell while the grid is hidden leaves it
    // scrolled; show the titles.
    g.scrollToTop();
    g.horizontalScrollBar()->setValue(0);
}

void Calculator::FillTeclas() {
    plat::Picture& k = *panel_.picOpt;
    const char* captions[] = {"P", "TR", "*/^", "grd"};
    for (int i = 0; i < 5; ++i) {
        k.FilledBox(24 * i, 0, 24 * i + 24, 23, 0xE0FFE0);
        k.Box(24 * i, 0, 24 * i + 24, 23, 0x008000);
    }
    k.SetForeColor(0x008000);
    for (int i = 0; i < 4; ++i) {
        const QString c = QString::fromLatin1(captions[i]);
        k.SetCurrentX(24 * i + (24 - std::abs(k.TextWidth(c))) / 2);
        k.SetCurrentY(18);
        k.Print(c);
    }
}

void Calculator::picBar_MouseDown(int, int, double x, double y) {
    const int cell = static_cast<int>(std::floor(x / 31)) + 1;
    if (y <= 33 || cell < 1) return;  // the lower row's procedures come with the calculator
    shell::SharedState& g = shell::Shared();
    if (g.WorkspaceMode == 6) {
        if (cell > 3) return;
        g.ProcedureGroup = 10 + cell;
    } else {
        if (cell > 8) return;
        g.ProcedureGroup = cell;
    }
    panel_.shpBar1->move((cell - 1) * 31 + 1, 1);
    form_->fraDirec->setVisible(g.WorkspaceMode == 1 && g.ProcedureGroup == 7);
}

std::unique_ptr<shell::CalculatorServices> MakeCalculator() {
    return std::make_unique<Calculator>();
}

}  // namespace calc
