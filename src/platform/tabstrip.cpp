#include "platform/tabstrip.h"

#include <QTabBar>

#include "platform/common.h"
#include "platform/guard.h"
#include "runtime/errors.h"

namespace plat {

TabStrip::TabStrip(const QString& name, QWidget* parent) : QTabWidget(parent) {
    setObjectName(name);
    connect(this, &QTabWidget::currentChanged, this, &TabStrip::PageChanged);
}

QWidget* TabStrip::AddPage(const QString& caption) {
    auto* page = new QWidget();
    adding_ = true;
    const int i = addTab(page, caption);
    adding_ = false;
    tabBar()->setTabTextColor(i, ToQColor(captionColor_));
    shown_ = currentIndex();
    return page;
}

void TabStrip::SetTab(int i) {
    rt::ExpectIndex(i, 0, count() - 1, "tab");
    // A change from code runs Click here, unguarded, so its errors reach the
    // caller; PageChanged guards only the user's choice of a tab.
    const int before = currentIndex();
    settingFromCode_ = true;
    setCurrentIndex(i);
    settingFromCode_ = false;
    if (before == i || i == shown_) return;
    const int previous = shown_;
    shown_ = i;
    if (Click) Click(previous);
}

void TabStrip::SetCaptionColor(rt::ColorRef color) {
    captionColor_ = color;
    for (int i = 0; i < count(); ++i) tabBar()->setTabTextColor(i, ToQColor(color));
}

void TabStrip::PageChanged(int index) {
    if (adding_ || settingFromCode_ || index == shown_) return;
    const int previous = shown_;
    shown_ = index;
    if (Click) Guarded([&] { Click(previous); });
}

}  // namespace plat
