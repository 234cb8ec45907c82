#include "shell/workspaces.h"

#include <QDialog>
#include <QPointer>
#include <cmath>

#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/picture.h"
#include "platform/richpane.h"
#include "platform/textbox.h"
#include "shell/defaults.h"
#include "shell/form1.h"

namespace shell {

namespace {

// ---- direction frame: the named controls, and a plain clock face

class BasicDirectionFrame : public DirectionFrameServices {
public:
    void BuildPanels(Form1& form) override {
        QWidget* fra = form.fraDirec;
        clock_ = new plat::Picture(QStringLiteral("picClock"), fra);
        clock_->MoveTwips(90, 60, 1770, 1770);

        auto* theta = new plat::Label(QStringLiteral("lbltxtAngle"), fra);
        theta->SetFace(QStringLiteral("Symbol"), 10);
        theta->SetCaption(QStringLiteral("q ="));
        theta->setToolTip(QStringLiteral("clic aquí inserta el ángulo de rotación"));
        theta->setGeometry(132, 14, 26, 20);
        auto* angle = new plat::TextBox(QStringLiteral("txtAngle"), fra);
        angle->SetText(QStringLiteral("0"));
        angle->setGeometry(160, 12, 50, 22);
        const char* inc[] = {"1", "2", "5", "10", "-1", "-2", "-5", "-10"};
        for (int i = 0; i < 8; ++i) {
            auto* b = new plat::CommandButton(plat::ArrayName(QStringLiteral("cmdInc"), i), fra);
            b->SetCaption(QString::fromLatin1(inc[i]));
            b->setGeometry(216 + 26 * (i % 4), 8 + 22 * (i / 4), 25, 21);
        }
        auto* label8 = new plat::Label(QStringLiteral("Label8"), fra);
        label8->SetCaption(QStringLiteral("atan(") + QString(25, QLatin1Char(' ')) + QStringLiteral(")"));
        label8->setToolTip(QStringLiteral("Calcular el ángulo cuya tangente es la expresión dada"));
        label8->setGeometry(132, 58, 160, 22);
        auto* atan = new plat::TextBox(QStringLiteral("txtAtan"), fra);
        atan->setToolTip(QStringLiteral("Número o expresión como 2/5, r(12.3), etc."));
        atan->setGeometry(164, 58, 116, 22);

        vorF_ = new plat::Label(QStringLiteral("lblVorF"), fra);
        vorF_->SetCaption(QStringLiteral("Vector:"));
        vorF_->setGeometry(132, 94, 46, 20);
        vector_ = new plat::TextBox(QStringLiteral("txtVector"), fra);
        vector_->setGeometry(180, 92, 200, 22);

        fmts_ = new plat::Label(QStringLiteral("lblFmts"), fra);
        fmts_->SetCaption(QStringLiteral(
            "Ejemplos de formatos válidos: \"p23x,12\", \"s34.5y, 9h\", \"t45x, 12h\", "
            "\"c36.87x, 10v\", \"23,-45\", \"230<-34\" ó \"230;-34\", \"h-55\", \"v0.24\", \"u156\""));
        fmts_->setWordWrap(true);
        fmts_->setGeometry(8, 130, 387, 44);

        rotLabel_ = new plat::Label(QStringLiteral("lblRotAngle"), fra);
        rotLabel_->SetCaption(QStringLiteral("Ejes:"));
        rotLabel_->setGeometry(322, 14, 34, 20);
        rot_ = new plat::CommandButton(QStringLiteral("cmdRotangle"), fra);
        rot_->SetFace(QStringLiteral("Symbol"), 9);
        rot_->SetCaption(QStringLiteral("Q = 0°"));
        rot_->setGeometry(322, 34, 62, 22);

        PanelSlots& s = form.panels;
        s.picClock = clock_;
        s.txtVector = vector_;
        s.lblVorF = vorF_;
        s.lblFmts = fmts_;
        s.lblRotAngle = rotLabel_;
        s.cmdRotangle = rot_;
    }

    void DrawClock(bool) override {
        // A plain face: twelve hour dots round the centre, hour 3 marked.
        plat::Picture& p = *clock_;
        p.Cls();
        const double c = std::abs(p.ScaleHeight()) / 2, r = c - 12;
        for (int h = 1; h <= 12; ++h) {
            const double a = (90 - 30 * h) * M_PI / 180;
            p.SetFillStyle(plat::FillStyle::Solid);
            p.SetFillColor(h == 3 ? 0x0000FF : 0x800000);
            p.Circle(c + r * std::cos(a), c - r * std::sin(a), h == 3 ? 5 : 3);
        }
        p.SetFillStyle(plat::FillStyle::Transparent);
        p.Line(c - r + 8, c, c + r - 8, c, 0xC00000);
        p.Line(c, c - r + 8, c, c + r - 8, 0xC00000);
    }

private:
    plat::Picture* clock_ = nullptr;
    plat::TextBox* vector_ = nullptr;
    plat::Label* vorF_ = nullptr;
    plat::Label* fmts_ = nullptr;
    plat::Label* rotLabel_ = nullptr;
    plat::CommandButton* rot_ = nullptr;
};

// ---- help panel: topic titles, the close button

struct Topics {
    int mode;
    std::initializer_list<const char*> titles;
};

const Topics kTopics[] = {
    {1,
     {"Ayuda sobre la Calculadora científica.",
      "Generalidades sobre la herramienta Calculadora científica.",
      "Evaluación de expresiones numéricas.", "Especificación de un argumento vectorial.",
      "Manejo de la tabla de argumentos.", "Botones de control de la tabla de argumentos.",
      "Uso del reloj orientador de vectores."}},
    {2,
     {"Ayuda sobre Estática de la partícula.", "Uso de la herramienta Estática de la partícula.",
      "Evaluación de expresiones numéricas.", "Especificación de un argumento vectorial.",
      "Uso del reloj director de vectores."}},
    {3,
     {"Estática del cuerpo rígido. Generalidades.", "Cómo establecer la configuración.",
      "Cómo definir los (sub)sistemas a considerar.", "Cómo trazar los diagramas de cuerpo libre.",
      "Cómo resolver el problema de equilibrio.", "Evaluación de expresiones numéricas.",
      "Especificación de un argumento vectorial."}},
    {4,
     {"Ayuda sobre Movimiento rectilíneo uniformemente acelerado.",
      "Generalidades sobre la herramienta Mov. Rectilíneo Unif. Acelerado.",
      "Configurar la tabla de cantidades cinemáticas.", "Plantear las ecuaciones de movimiento.",
      "Sustituir datos en las ecuaciones sin parámetros.",
      "Sustituir datos en las ecuaciones con parámetros.", "Graficar las ecuaciones x(t) y/o X(t).",
      "Calcular la distancia recorrida entre dos tiempos.",
      "Plantear las ecs. de mov. dados 3 puntos (ti,xi) del mismo.",
      "Aplicar las ecuaciones de intervalo.",
      "Resolver relaciones del tipo x-X=C, x=C*X, v-V=C, v=C*V.",
      "Obtener X(t) dados x(t) y condiciones x=p*X, v=q*V.",
      "Ligar 2 tramos del movimiento de un sólo móvil.", "Resolver sistemas de ecuaciones."}},
    {5,
     {"Ayuda sobre Movimiento de tiro parabólico.",
      "Generalidades sobre la herramienta Mov. de Tiro Parabólico.",
      "Configurar la tabla de cantidades cinemáticas.", "Plantear las ecuaciones de movimiento.",
      "Sustituir datos en las ecuaciones sin parámetros.",
      "Sustituir datos en las ecuaciones con parámetros.", "Graficar la trayectoria parabólica.",
      "Obtener las ecs. de mov. dados 3 puntos (xi,yi) por los que pasa el móvil",
      "Obtener las ecs. de mov. dado C de la relación Alcance = C*(Altura máxima)",
      "Obtener las ecs. de mov. dados el Tiempo de vuelo tv y el Alcance R.",
      "Calcular la distancia recorrida entre dos tiempos dados.",
      "Calcular el Alcance sobre un plano inclinado.", "Resolver las ecuaciones x = X, y = Y",
      "Choque parábola-parábola", "Choque parábola-recta", "Resolver sistemas de ecuaciones"}},
    {6,
     {"Ayuda sobre Elementos de cinemática general.",
      "Generalidades sobre la herramienta Elementos de cinemática general.",
      "Dada x(t), calcular x, v y a en algún tiempo particular.",
      "Dada v(t, x), calcular x y v en algún tiempo particular.",
      "Dada a(t, x, v), calcular x, v y a en algún tiempo particular.",
      "Graficar x(t), v(t) y/o a(t).", "Evaluación de expresiones numéricas."}},
};

class BasicHelp : public HelpServices {
public:
    void BuildPanels(Form1& form) override {
        cbo_ = form.cboHelp;
        QWidget* panel = form.fraHelp;
        form.cmdHelpCtrl[2]->Click = [panel] { panel->hide(); };
    }
    void LoadCalcHelp() override {}
    void FillHelpCbo(int mode) override {
        cbo_->Clear();
        for (const Topics& t : kTopics)
            if (t.mode == mode)
                for (const char* title : t.titles) cbo_->AddItem(QString::fromUtf8(title));
    }

private:
    plat::ComboBox* cbo_ = nullptr;
};

// ---- results dialog: an empty modeless window

class BasicResultsDialog : public ResultsDialogServices {
public:
    ~BasicResultsDialog() override { delete dialog_; }
    void Show() override {
        if (!dialog_) {
            dialog_ = new QDialog;
            dialog_->setObjectName(QStringLiteral("Form2"));
            dialog_->setWindowTitle(QStringLiteral("Preferencias e impresión"));
            dialog_->resize(320, 200);
        }
        dialog_->setModal(false);
        dialog_->show();
        dialog_->raise();
    }
    void Unload() override {
        delete dialog_;
    }

private:
    QPointer<QDialog> dialog_;
};

}  // namespace

std::unique_ptr<DirectionFrameServices> MakeBasicDirectionFrame() {
    return std::make_unique<BasicDirectionFrame>();
}
std::unique_ptr<HelpServices> MakeBasicHelp() { return std::make_unique<BasicHelp>(); }
std::unique_ptr<ResultsDialogServices> MakeBasicResultsDialog() {
    return std::make_unique<BasicResultsDialog>();
}

}  // namespace shell
