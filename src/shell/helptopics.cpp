#include "shell/helptopics.h"

namespace shell {

namespace {

constexpr HelpTopic kCalculator[] = {
    {"Ayuda sobre la Calculadora científica.", kHelpCalcFile, "MSG"},
    {"Generalidades sobre la herramienta Calculadora científica.", kHelpCalcFile, "GRAL"},
    {"Evaluación de expresiones numéricas.", kHelpCalcFile, "EXPR"},
    {"Especificación de un argumento vectorial.", kHelpCalcFile, "VECFMT"},
    {"Manejo de la tabla de argumentos.", kHelpCalcFile, "TABLE"},
    {"Botones de control de la tabla de argumentos.", kHelpCalcFile, "CTRLS"},
    {"Uso del reloj orientador de vectores.", kHelpCalcFile, "CLOCK"},
};

constexpr HelpTopic kParticle[] = {
    {"Ayuda sobre Estática de la partícula.", kHelpCalcFile, "MSG"},
    {"Uso de la herramienta Estática de la partícula.", kStatPartFile, "ESTP"},
    {"Evaluación de expresiones numéricas.", kHelpCalcFile, "EXPR"},
    {"Especificación de un argumento vectorial.", kHelpCalcFile, "VECFMT"},
    {"Uso del reloj director de vectores.", kHelpCalcFile, "CLOCK"},
};

constexpr HelpTopic kRigid[] = {
    {"Estática del cuerpo rígido. Generalidades.", kHelpEstcrFile, "GRAL"},
    {"Cómo establecer la configuración.", kHelpEstcrFile, "CONFIG"},
    {"Cómo definir los (sub)sistemas a considerar.", kHelpEstcrFile, "SYSTS"},
    {"Cómo trazar los diagramas de cuerpo libre.", kHelpEstcrFile, "DCL"},
    {"Cómo resolver el problema de equilibrio.", kHelpEstcrFile, "SOLVE"},
    {"Evaluación de expresiones numéricas.", kHelpCalcFile, "EXPR"},
    {"Especificación de un argumento vectorial.", kHelpCalcFile, "VECFMT"},
};

constexpr HelpTopic kRectilinear[] = {
    {"Ayuda sobre Movimiento rectilíneo uniformemente acelerado.", kHelpCalcFile, "MSG"},
    {"Generalidades sobre la herramienta Mov. Rectilíneo Unif. Acelerado.", kHelpMruaFile, "GRALMRUA"},
    {"Configurar la tabla de cantidades cinemáticas.", kHelpMruaFile, "CONFIGTABLE"},
    {"Plantear las ecuaciones de movimiento.", kHelpMruaFile, "EQN"},
    {"Sustituir datos en las ecuaciones sin parámetros.", kHelpMruaFile, "SUS"},
    {"Sustituir datos en las ecuaciones con parámetros.", kHelpMruaFile, "SUSV0A"},
    {"Graficar las ecuaciones x(t) y/o X(t).", kHelpMruaFile, "GRAF"},
    {"Calcular la distancia recorrida entre dos tiempos.", kHelpMruaFile, "DIST"},
    {"Plantear las ecs. de mov. dados 3 puntos (ti,xi) del mismo.", kHelpMruaFile, "EQN3"},
    {"Aplicar las ecuaciones de intervalo.", kHelpMruaFile, "DELTAS"},
    {"Resolver relaciones del tipo x-X=C, x=C*X, v-V=C, v=C*V.", kHelpMruaFile, "ALCANCE"},
    {"Obtener X(t) dados x(t) y condiciones x=p*X, v=q*V.", kHelpMruaFile, "PXQV"},
    {"Ligar 2 tramos del movimiento de un sólo móvil.", kHelpMruaFile, "LIGAR"},
    {"Resolver sistemas de ecuaciones.", kHelpMruaFile, "ALG"},
};

constexpr HelpTopic kProjectile[] = {
    {"Ayuda sobre Movimiento de tiro parabólico.", kHelpCalcFile, "MSG"},
    {"Generalidades sobre la herramienta Mov. de Tiro Parabólico.", kHelpTPFile, "GRALTP"},
    {"Configurar la tabla de cantidades cinemáticas.", kHelpTPFile, "TABLA"},
    {"Plantear las ecuaciones de movimiento.", kHelpTPFile, "PLANTEAR"},
    {"Sustituir datos en las ecuaciones sin parámetros.", kHelpTPFile, "SUST"},
    {"Sustituir datos en las ecuaciones con parámetros.", kHelpTPFile, "SUSTV0Q"},
    {"Graficar la trayectoria parabólica.", kHelpTPFile, "GRAF"},
    {"Obtener las ecs. de mov. dados 3 puntos (xi,yi) por los que pasa el móvil", kHelpTPFile, "3PTS"},
    {"Obtener las ecs. de mov. dado C de la relación Alcance = C*(Altura máxima)", kHelpTPFile, "RCH"},
    {"Obtener las ecs. de mov. dados el Tiempo de vuelo tv y el Alcance R.", kHelpTPFile, "TVR"},
    {"Calcular la distancia recorrida entre dos tiempos dados.", kHelpTPFile, "DIST"},
    {"Calcular el Alcance sobre un plano inclinado.", kHelpTPFile, "ALCPI"},
    {"Resolver las ecuaciones x = X, y = Y", kHelpTPFile, "INT"},
    {"Choque parábola-parábola", kHelpTPFile, "CHOQUE"},
    {"Choque parábola-recta", kHelpTPFile, "BOMB"},
    {"Resolver sistemas de ecuaciones", kHelpTPFile, "ALG"},
};

constexpr HelpTopic kKinematics[] = {
    {"Ayuda sobre Elementos de cinemática general.", kHelpCalcFile, "MSG"},
    {"Generalidades sobre la herramienta Elementos de cinemática general.", kHelpKinemFile, "GRALK"},
    {"Dada x(t), calcular x, v y a en algún tiempo particular.", kHelpKinemFile, "XDET"},
    {"Dada v(t, x), calcular x y v en algún tiempo particular.", kHelpKinemFile, "VDETX"},
    {"Dada a(t, x, v), calcular x, v y a en algún tiempo particular.", kHelpKinemFile, "ADETXV"},
    {"Graficar x(t), v(t) y/o a(t).", kHelpKinemFile, "GRAPHK"},
    {"Evaluación de expresiones numéricas.", kHelpCalcFile, "EXPR"},
};

}  // namespace

std::span<const HelpTopic> HelpTopics(WorkspaceId mode) {
    switch (mode) {
    case kCalculatorWorkspace: return kCalculator;
    case kParticleWorkspace: return kParticle;
    case kRigidWorkspace: return kRigid;
    case kRectilinearWorkspace: return kRectilinear;
    case kProjectileWorkspace: return kProjectile;
    case kKinematicsWorkspace: return kKinematics;
    case kNoWorkspace: break;
    }
    return {};
}

std::optional<QString> HelpSection(const QStringList& lines, const QString& key) {
    const QString marker = QLatin1Char('[') + key + QLatin1Char(']');
    const QString stop = QStringLiteral("[STOP]");
    const qsizetype at = lines.indexOf(marker);
    if (at < 0) return std::nullopt;
    QString text;
    for (qsizetype i = at + 1; i < lines.size(); ++i) {
        if (lines[i] == stop) return text;
        if (i > at + 1) text += QStringLiteral("\r\n");
        text += lines[i];
    }
    return std::nullopt;  // the file ended inside the section
}

std::optional<int> TableHelpTopic(WorkspaceId mode, int button, int picture, int listIndex) {
    if (mode == kRectilinearWorkspace) {
        switch (button) {
        case 0: return 2;
        case 1: return picture + 2;
        case 2:
            if (listIndex < 0) return std::nullopt;
            if (listIndex <= 1) return listIndex + 8;
            if (listIndex <= 5) return 10;
            if (listIndex <= 7) return listIndex + 5;
            return 13;
        }
    } else if (mode == kProjectileWorkspace) {
        switch (button) {
        case 0: return 2;
        case 1:
            if (picture == 1) return 3;
            if (picture == 2) return 4;
            if (picture == 3 || picture == 4) return 5;
            if (picture == 5) return 6;
            return std::nullopt;
        case 2:
            if (listIndex < 0) return std::nullopt;
            if (listIndex <= 7) return listIndex + 7;
            return 15;
        }
    }
    return std::nullopt;
}

}  // namespace shell
