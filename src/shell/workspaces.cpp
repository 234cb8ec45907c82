#include "shell/workspaces.h"

#include <QDialog>
#include <QPointer>

#include "platform/buttons.h"
#include "platform/frames.h"
#include "platform/lists.h"
#include "platform/richpane.h"
#include "shell/form1.h"

namespace shell {

namespace {

// ---- help panel: topic titles, the close button

struct Topics {
    WorkspaceId mode;
    std::initializer_list<const char*> titles;
};

const Topics kTopics[] = {
    {kCalculatorWorkspace,
     {"Ayuda sobre la Calculadora científica.", "Generalidades sobre la herramienta Calculadora científica.",
      "Evaluación de expresiones numéricas.", "Especificación de un argumento vectorial.",
      "Manejo de la tabla de argumentos.", "Botones de control de la tabla de argumentos.",
      "Uso del reloj orientador de vectores."}},
    {kParticleWorkspace,
     {"Ayuda sobre Estática de la partícula.", "Uso de la herramienta Estática de la partícula.",
      "Evaluación de expresiones numéricas.", "Especificación de un argumento vectorial.",
      "Uso del reloj director de vectores."}},
    {kRigidWorkspace,
     {"Estática del cuerpo rígido. Generalidades.", "Cómo establecer la configuración.",
      "Cómo definir los (sub)sistemas a considerar.", "Cómo trazar los diagramas de cuerpo libre.",
      "Cómo resolver el problema de equilibrio.", "Evaluación de expresiones numéricas.",
      "Especificación de un argumento vectorial."}},
    {kRectilinearWorkspace,
     {"Ayuda sobre Movimiento rectilíneo uniformemente acelerado.",
      "Generalidades sobre la herramienta Mov. Rectilíneo Unif. Acelerado.",
      "Configurar la tabla de cantidades cinemáticas.", "Plantear las ecuaciones de movimiento.",
      "Sustituir datos en las ecuaciones sin parámetros.", "Sustituir datos en las ecuaciones con parámetros.",
      "Graficar las ecuaciones x(t) y/o X(t).", "Calcular la distancia recorrida entre dos tiempos.",
      "Plantear las ecs. de mov. dados 3 puntos (ti,xi) del mismo.", "Aplicar las ecuaciones de intervalo.",
      "Resolver relaciones del tipo x-X=C, x=C*X, v-V=C, v=C*V.", "Obtener X(t) dados x(t) y condiciones x=p*X, v=q*V.",
      "Ligar 2 tramos del movimiento de un sólo móvil.", "Resolver sistemas de ecuaciones."}},
    {kProjectileWorkspace,
     {"Ayuda sobre Movimiento de tiro parabólico.", "Generalidades sobre la herramienta Mov. de Tiro Parabólico.",
      "Configurar la tabla de cantidades cinemáticas.", "Plantear las ecuaciones de movimiento.",
      "Sustituir datos en las ecuaciones sin parámetros.", "Sustituir datos en las ecuaciones con parámetros.",
      "Graficar la trayectoria parabólica.",
      "Obtener las ecs. de mov. dados 3 puntos (xi,yi) por los que pasa el móvil",
      "Obtener las ecs. de mov. dado C de la relación Alcance = C*(Altura máxima)",
      "Obtener las ecs. de mov. dados el Tiempo de vuelo tv y el Alcance R.",
      "Calcular la distancia recorrida entre dos tiempos dados.", "Calcular el Alcance sobre un plano inclinado.",
      "Resolver las ecuaciones x = X, y = Y", "Choque parábola-parábola", "Choque parábola-recta",
      "Resolver sistemas de ecuaciones"}},
    {kKinematicsWorkspace,
     {"Ayuda sobre Elementos de cinemática general.",
      "Generalidades sobre la herramienta Elementos de cinemática general.",
      "Dada x(t), calcular x, v y a en algún tiempo particular.",
      "Dada v(t, x), calcular x y v en algún tiempo particular.",
      "Dada a(t, x, v), calcular x, v y a en algún tiempo particular.", "Graficar x(t), v(t) y/o a(t).",
      "Evaluación de expresiones numéricas."}},
};

class BasicHelp : public HelpServices {
public:
    void BuildPanels(Form1& form) override {
        cbo_ = form.cboHelp;
        QWidget* panel = form.fraHelp;
        form.cmdHelpCtrl[2]->Click = [panel] { panel->hide(); };
    }
    void LoadCalcHelp() override {}
    void FillHelpCbo(WorkspaceId mode) override {
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
    void Unload() override { delete dialog_; }

private:
    QPointer<QDialog> dialog_;
};

}  // namespace

std::unique_ptr<HelpServices> MakeBasicHelp() { return std::make_unique<BasicHelp>(); }
std::unique_ptr<ResultsDialogServices> MakeBasicResultsDialog() { return std::make_unique<BasicResultsDialog>(); }

}  // namespace shell
