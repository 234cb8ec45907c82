#pragma once
// The main toolbar and the program's own pictures.
//
// The toolbar Image1 is one picture of nine buttons, 37 pixels each, side by
// side on a teal ground: six white workspace buttons (a calculator; a block
// on an incline held by a rope over a pulley; a beam held by a rope with a
// hanging weight; a car; a figure throwing along a curved path; a window
// with a line graph) and three khaki ones (a dash for preferences and
// printing, a question mark for help, an exit door with a red arrow).
//
// The two strips of pictured motion procedures hold five pictures of 36
// pixels side by side each (540 twips): "procs.bmp" for rectilinear motion
// (set up the equations, substitute data, substitute with parameters, graph
// x(t), distance travelled) and "procs1.bmp" for projectile motion (set up
// the equations, complete a point, launch speed or angle, a launch velocity
// component, graph the trajectories).
//
// All of them are drawn here with QPainter, at the device pixel ratio asked
// for, so they are sharp on any screen and part of the program itself: no
// file can be missing.
#include <QPixmap>
#include <QString>
#include <array>

#include "runtime/colors.h"

namespace shell {

inline constexpr int kToolbarButtons = 9;
inline constexpr int kToolbarButtonWidth = 37;  // pixels (555 twips)
inline constexpr int kToolbarWidth = 333;
inline constexpr int kToolbarHeight = 35;
inline constexpr int kToolbarButtonTwips = 555;

struct ToolbarButton {
    const char* tooltip;  // UTF-8
    int highlightOffset;  // pixels from the toolbar's left edge; -1: not moved
    rt::ColorRef highlightColor;
};

inline constexpr std::array<ToolbarButton, kToolbarButtons> kToolbarButtonTable{{
    {"Calculadora científica", 0, 0x00FF00},
    {"Estática de la partícula", 36, 0x00FFFF},
    {"Estática del cuerpo rígido", 73, 0xFF00FF},
    {"Movimiento rectilíneo uniformemente acelerado", 110, 0xFFFF00},
    {"Tiro parabólico", 147, 0x0080FF},
    {"Cinemática plana general", 184, 0xFF8080},
    {"Preferencias e impresión", -1, 0},
    {"Ayuda contextual", -1, 0},
    {"Salir del programa", -1, 0},
}};

// Button 1..9 under a toolbar position in twips; 0 left of the toolbar.
int ToolbarButtonAt(double xTwips);
QString ToolbarTooltip(int button);  // "" outside 1..9

// The toolbar picture, 333 by 35 pixels, at the given device pixel ratio.
// At ratio 1 it is the picture the build drew into the program's resources
// (kToolbarArt, its pixels as they are) when the program has them: drawn at
// start-up, it would load a face and shape text before the first paint.
// Otherwise, and at any other ratio, it is drawn now.
QPixmap ToolbarPixmap(qreal devicePixelRatio);
// The toolbar picture drawn now: what the build stores and ToolbarPixmap
// falls back to.
QPixmap DrawToolbarPixmap(qreal devicePixelRatio);
inline constexpr const char* kToolbarArt = ":/teluvar/toolbar.rgb32";

inline constexpr int kProcPictures = 5;
inline constexpr int kProcPictureWidth = 36;  // pixels (540 twips)
inline constexpr int kProcPictureHeight = 36;

// A strip of procedure pictures by its file name ("procs.bmp", "procs1.bmp",
// with or without a leading "\" or "/", any case); null for another name.
QPixmap ProcPicturesByName(const QString& fileName, qreal devicePixelRatio);

}  // namespace shell
