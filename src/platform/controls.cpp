#include "platform/controls.h"

#include <cmath>

namespace plat {

bool FocusControl(QWidget* w) {
    if (!w || !w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus) return false;
    w->setFocus(Qt::OtherFocusReason);
    return true;
}

namespace {
int ToTwips(int px) { return px * 15; }
int ToPixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
}  // namespace

int LeftTwips(const QWidget* w) { return ToTwips(w->x()); }
int TopTwips(const QWidget* w) { return ToTwips(w->y()); }
int WidthTwips(const QWidget* w) { return ToTwips(w->width()); }
int HeightTwips(const QWidget* w) { return ToTwips(w->height()); }
void SetLeftTwips(QWidget* w, int twips) { w->move(ToPixels(twips), w->y()); }
void SetTopTwips(QWidget* w, int twips) { w->move(w->x(), ToPixels(twips)); }
void SetWidthTwips(QWidget* w, int twips) { w->resize(ToPixels(twips), w->height()); }
void SetHeightTwips(QWidget* w, int twips) { w->resize(w->width(), ToPixels(twips)); }

int MouseButtonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int MouseButtonsCode(Qt::MouseButtons b) {
    int code = 0;
    if (b & Qt::LeftButton) code |= 1;
    if (b & Qt::RightButton) code |= 2;
    if (b & Qt::MiddleButton) code |= 4;
    return code;
}

}  // namespace plat
