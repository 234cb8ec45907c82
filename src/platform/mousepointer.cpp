#include "platform/mousepointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

namespace plat {
namespace {

constexpr char kPointerProperty[] = "teluvarMousePointer";

Qt::CursorShape ShapeOf(int pointer) {
    switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
    }
}

// The screen pointer and whether this module has an override cursor pushed.
int g_screenPointer = 0;
bool g_overridePushed = false;

}  // namespace

void SetMousePointer(QWidget* widget, int pointer) {
    if (!widget) return;
    widget->setProperty(kPointerProperty, pointer);
    if (pointer == 0)
        widget->unsetCursor();
    else
        widget->setCursor(QCursor(ShapeOf(pointer)));
}

int MousePointerOf(const QWidget* widget) {
    if (!widget) return 0;
    return widget->property(kPointerProperty).toInt();
}

namespace Screen {

int MousePointer() { return g_screenPointer; }

void SetMousePointer(int pointer) {
    g_screenPointer = pointer;
    if (!QGuiApplication::instance()) return;
    if (pointer == 0) {
        if (g_overridePushed) QGuiApplication::restoreOverrideCursor();
        g_overridePushed = false;
        return;
    }
    const QCursor cursor(ShapeOf(pointer));
    if (g_overridePushed) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        g_overridePushed = true;
    }
}

}  // namespace Screen

CMousePtr::~CMousePtr() {
    if (saved_) Screen::SetMousePointer(*saved_);
}

void CMousePtr::SetPointer(int newPointer) {
    if (!saved_) saved_ = static_cast<int16_t>(Screen::MousePointer());
    Screen::SetMousePointer(newPointer);
}

}  // namespace plat
