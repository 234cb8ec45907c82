#include "platform/tabstrip.h"

#include <QTabBar>

#include "platform/common.h"
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
    if (i < 0 || i >= count()) rt::Raise(rt::ErrorCode::InvalidCall);
    setCurrentIndex(i);
}

void TabStrip::SetCaptionColor(rt::ColorRef color) {
    captionColor_ = color;
    for (int i = 0; i < count(); ++i) tabBar()->setTabTextColor(i, ToQColor(color));
}

void TabStrip::PageChanged(int index) {
    if (adding_ || index == shown_) return;
    const int previous = shown_;
    shown_ = index;
    if (Click) Click(previous);
}

}  // namespace plat
