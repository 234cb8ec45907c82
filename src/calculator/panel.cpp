#include "calculator/panel.h"

#include "calculator/arghelp.h"
#include "calculator/exprbox.h"
#include "calculator/grid.h"
#include "calculator/icons.h"
#include "calculator/stripkeys.h"
#include "calculator/templates.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/flexgrid.h"
#include "platform/fonts.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/arghelp.h"
#include "shell/defaults.h"
#include "shell/form1.h"

namespace calc {

namespace {

struct ToolLook {
    const char* face;
    double points;
    QString caption;
    const char* tooltip;
};

// Captions and tooltips of the grid's tool buttons cmdGrid(0..7).
std::array<ToolLook, kGridTools> ToolLooks() {
    using plat::ButtonGlyph;
    return {{
        {"Wingdings 3", 11, plat::ButtonGlyphText(ButtonGlyph::Restore), "Restaurar tabla original"},
        {"Wingdings 3", 11, plat::ButtonGlyphText(ButtonGlyph::Swap),
         "Intercambiar dos renglones o columnas contiguos"},
        {"Wingdings", 11, plat::ButtonGlyphText(ButtonGlyph::Widen), "Ensanchar celdas"},
        {"Times New Roman", 10, QStringLiteral("C"),
         "Selecciona región a copiar. Luego clic aquí. Luego clic en celda destino."},
        {"Wingdings", 11, plat::ButtonGlyphText(ButtonGlyph::SmallCells), "Celdas pequeñas (para seleccionar)"},
        {"Wingdings", 9, plat::ButtonGlyphText(ButtonGlyph::Narrow), "Disminuir ancho de celdas"},
        {"Times New Roman", 10, QStringLiteral("M"),
         "Selecciona región a mover. Luego clic aquí. Luego clic en celda destino."},
        {"Times New Roman", 10, QStringLiteral("S"), "Insertar serie de valores en región seleccionada"},
    }};
}

}  // namespace

Calculator::Calculator()
    : ArgHelpTexts([] { return shell::ArgHelpTexts().Pieces(); }), numericDriver_(RunNumericDriver) {}

Calculator::~Calculator() = default;

void Calculator::BuildPanels(shell::Form1& form) {
    form_ = &form;
    BuildBar(form);
    BuildCalcFrame(form);
    BuildStrip(form);

    shell::PanelSlots& s = form.panels;
    s.picBar = panel_.picBar;
    s.picRuts = panel_.picRuts;
    s.picOpt = panel_.picOpt;
    s.picArgs = panel_.picArgs;
    s.fraCalc = panel_.fraCalc;
    s.fraUnits = panel_.fraUnits;
    s.gd = panel_.gd;
}

void Calculator::BuildBar(shell::Form1& form) {
    Panel& p = panel_;
    p.picBar = new plat::Picture(QStringLiteral("picBar"), &form);
    p.picBar->Move(408, 40, 389, 63);
    p.picBar->SetBackColor(0xE0E0E0);
    p.picBar->OnMouseDown([this](int b, int s, double x, double y) { picBar_MouseDown(b, s, x, y); });

    auto highlight = [&](const char* name, rt::ColorRef color, int top) {
        auto* shp = new plat::Shape(QString::fromLatin1(name), p.picBar);
        shp->SetFillStyle(plat::Shape::Fill::SeeThrough);
        shp->SetFillColor(color);
        shp->SetBorderWidth(0);
        shp->setGeometry(1, top, 30, 29);
        return shp;
    };
    p.shpBar1 = highlight("shpBar1", 0x8080FF, 1);
    p.shpBar2 = highlight("shpBar2", 0x80FF80, 31);

    p.picRuts = new plat::Picture(QStringLiteral("picRuts"), &form);
    p.picRuts->Move(-400, 0, kSheetWidth, kSheetHeight);
    p.picRuts->SetPicture(IconSheet());
}

void Calculator::BuildCalcFrame(shell::Form1& form) {
    Panel& p = panel_;
    p.fraCalc = new plat::Frame(QStringLiteral("fraCalc"), &form);
    p.fraCalc->setGeometry(408, 161, 389, 234);

    p.picArgs = new plat::Picture(QStringLiteral("picArgs"), p.fraCalc);
    p.picArgs->Move(4, 10, 381, 42);

    p.gd = new plat::FlexGrid(QStringLiteral("gd"), p.fraCalc);
    p.gd->SetRows(kGridRows);
    p.gd->SetCols(kGridCols);
    p.gd->setGeometry(4, 56, 381, 146);

    const auto looks = ToolLooks();
    for (int i = 0; i < kGridTools; ++i) {
        auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdGrid"), i), p.fraCalc);
        b->SetFace(QString::fromLatin1(looks[i].face), looks[i].points);
        b->SetCaption(looks[i].caption);
        b->setToolTip(QString::fromUtf8(looks[i].tooltip));
        b->setGeometry(4 + 25 * i, 206, 24, 24);
        p.cmdGrid[i] = b;
    }
    p.lblRC = new plat::Label(QStringLiteral("lblRC"), p.fraCalc);
    p.lblRC->SetCaption(QStringLiteral("1 x 1"));
    p.lblRC->setGeometry(212, 210, 70, 18);

    p.cmdCalculate = new plat::CommandButton(QStringLiteral("cmdCalculate"), p.fraCalc);
    p.cmdCalculate->SetFace(QStringLiteral("Symbol"), 14);
    p.cmdCalculate->SetCaption(QString(QChar(0xAE)));  // an arrow in the Symbol face
    p.cmdCalculate->setToolTip(QStringLiteral("Ejecutar la rutina actual"));
    p.cmdCalculate->setGeometry(324, 205, 61, 26);
    p.cmdCalculate->Click = [this] { cmdCalculate_Click(); };

    p.fraUnits = new plat::Frame(QStringLiteral("fraUnits"), &form);
    p.fraUnits->setGeometry(408, 156, 329, 45);
    for (int i = 0; i < 2; ++i) {
        p.cboUnits[i] = new plat::ComboBox(plat::ArrayName(QStringLiteral("cboUnits"), i), p.fraUnits);
        p.cboUnits[i]->setGeometry(8 + 160 * i, 14, 150, 22);
    }
}

void Calculator::BuildStrip(shell::Form1& form) {
    Panel& p = panel_;
    QWidget* strip = form.fraExpr;
    const char* captions[] = {">", "="};
    for (int i = 0; i < 2; ++i) {
        auto* l = new plat::Label(plat::ArrayName(QStringLiteral("lblCalc"), i), strip);
        l->SetCaption(QString::fromLatin1(captions[i]));
        l->setToolTip(LblCalcTooltip(i));
        l->setGeometry(i == 0 ? 8 : 130, i == 0 ? 5 : 28, 14, 18);
        l->Click = [this, i] { lblCalc_Click(i); };
        p.lblCalc[i] = l;
    }
    p.picOpt = new plat::Picture(QStringLiteral("picOpt"), strip);
    p.picOpt->Move(4, 26, 121, 23);
    p.picOpt->OnMouseMove([this](int b, int s, double x, double y) { picOpt_MouseMove(b, s, x, y); });
    p.txtExpr = new plat::TextBox(QStringLiteral("txtExpr"), strip);
    p.txtExpr->setGeometry(146, 27, 239, 21);
    // What the strip computed, like the other result panes: it can be
    // selected and copied, never typed into, since F10, F11 and the grid's
    // Insert take it as the result.
    p.txtExpr->setReadOnly(true);

    // The grid pastes the strip's result with Insert.
    ArgGrid::Controls gc;
    gc.gd = p.gd;
    gc.cmdGrid = p.cmdGrid;
    gc.lblRC = p.lblRC;
    gc.txtExpr = p.txtExpr;
    gc.form = &form;
    gc.pressCalculate = [this] { panel_.cmdCalculate->Press(); };
    grid_ = std::make_unique<ArgGrid>(gc);
    grid_->Attach();

    strip_ = std::make_unique<ExprStrip>(ExprStrip::Controls{form.rtbExpr, p.picOpt, p.txtExpr, form.rtbReg});
    strip_->Attach();
}

void Calculator::ArrangeGd() { grid_->ArrangeGd(); }

void Calculator::FillTeclas() { calc::FillTeclas(*panel_.picOpt); }

void Calculator::picOpt_MouseMove(int, int, double x, double) { panel_.picOpt->setToolTip(OptKeyTooltip(x)); }

void Calculator::lblCalc_Click(int index) {
    if (index == 0)
        form_->rtbExpr->SetText(QString());
    else
        panel_.txtExpr->SetText(QString());
}

void Calculator::FillUnits() {
    const QStringList units = UnitsFor(shell::Shared().ProcedureCode);
    for (plat::ComboBox* cbo : panel_.cboUnits) {
        cbo->Clear();
        for (const QString& u : units) cbo->AddItem(u);
    }
}

void Calculator::ShowArgs(int procedure) { calc::ShowArgs(*panel_.picArgs, procedure); }

void Calculator::ShowArgHelp(int piece) {
    if (piece == 0 || !ArgHelpTexts) return;
    calc::ShowArgHelp(*form_->txtArgHelp, ArgHelpTexts(), piece);
}

std::unique_ptr<shell::CalculatorServices> MakeCalculator() { return std::make_unique<Calculator>(); }

}  // namespace calc
