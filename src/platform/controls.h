#pragma once
// Pieces shared by the controls: taking the focus, geometry in twips, and
// the mouse and focus handlers.
//
// Handlers are std::function members named after their events; a control
// runs them synchronously, once per action, whether the user or code acted.
// What the user set off runs through plat::Guarded (guard.h): no exception
// leaves a handler into Qt's event loop.
// Members of a control array carry their index in the objectName
// ("txtBody(3)", see ArrayName); the form binds the index into the handler.
#include <QWidget>
#include <functional>

namespace plat {

// Gives w the keyboard focus; false (and nothing done) when w is hidden
// (itself, its window, a container, or a tab page not shown) or disabled.
// Focus handlers run once the window is the active one.
bool FocusControl(QWidget* w);

// Geometry in twips (15 per pixel), relative to the parent.
int LeftTwips(const QWidget* w);
int TopTwips(const QWidget* w);
int WidthTwips(const QWidget* w);
int HeightTwips(const QWidget* w);
void SetLeftTwips(QWidget* w, int twips);
void SetTopTwips(QWidget* w, int twips);
void SetWidthTwips(QWidget* w, int twips);
void SetHeightTwips(QWidget* w, int twips);

// Mouse buttons as handlers see them: 1 left, 2 right, 4 middle.
int MouseButtonCode(Qt::MouseButton b);
int MouseButtonsCode(Qt::MouseButtons b);

// (button, shift, x, y); the control says in which units x and y are.
using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

struct FocusEvents {
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
};

}  // namespace plat
