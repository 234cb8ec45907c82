#pragma once
// TabStrip: a row of tabs over pages (the result tabs, the rigid-body
// statics tabs, the motion tabs). Each page is the parent of its controls.
//
// Guarantees:
// - A change of page, by the user or by SetTab, raises Click(previousTab)
//   once, synchronously, with the new page already shown; setting the page
//   that is shown raises nothing.
// - Controls on pages not shown are hidden, so SetFocus on them fails.
// - The caption colour applies to every tab, also to tabs added later.
#include <QTabWidget>
#include <functional>

#include "runtime/colors.h"

namespace plat {

class TabStrip : public QTabWidget {
    Q_OBJECT
public:
    explicit TabStrip(const QString& name = QString(), QWidget* parent = nullptr);

    // Adds a page with its caption and returns it (the parent of its controls).
    QWidget* AddPage(const QString& caption);
    QWidget* Page(int i) const { return widget(i); }
    int Tabs() const { return count(); }

    int Tab() const { return currentIndex(); }
    void SetTab(int i);  // only the program picks a tab: out of range is an rt::ProgramFault

    QString TabCaption(int i) const { return tabText(i); }
    void SetTabCaption(int i, const QString& caption) { setTabText(i, caption); }
    rt::ColorRef CaptionColor() const { return captionColor_; }
    void SetCaptionColor(rt::ColorRef color);

    std::function<void(int previousTab)> Click;

private:
    void PageChanged(int index);
    int shown_ = -1;
    bool adding_ = false;
    bool settingFromCode_ = false;
    rt::ColorRef captionColor_ = 0;
};

}  // namespace plat
