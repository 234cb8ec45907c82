#include "platform/updown.h"

#include <QLineEdit>
#include <algorithm>

#include "platform/guard.h"
#include "platform/textbox.h"
#include "runtime/errors.h"

namespace plat {

UpDown::UpDown(const QString& name, QWidget* parent) : QAbstractSpinBox(parent) {
    setObjectName(name);
    // Only the arrows: the number is shown by the buddy.
    lineEdit()->setReadOnly(true);
    lineEdit()->hide();
    setFocusPolicy(Qt::NoFocus);
    setFixedWidth(17);
}

void UpDown::SetRange(int min, int max) {
    if (min > max) rt::Fault("up-down range " + std::to_string(min) + " > " + std::to_string(max));
    min_ = min;
    max_ = max;
    value_ = std::clamp(value_, min_, max_);
}

void UpDown::SetBuddy(TextBox* buddy) { buddy_ = buddy; }

void UpDown::SetValue(int v) {
    rt::ExpectIndex(v, min_, max_, "up-down value");
    Apply(v);
}

void UpDown::Apply(int v) {
    if (v == value_) return;
    value_ = v;
    if (buddy_) buddy_->SetText(QString::number(v));
    update();
    if (Change) Change();
}

void UpDown::stepBy(int steps) {
    // The arrows, pressed by the user.
    const long long target = static_cast<long long>(value_) + static_cast<long long>(steps) * increment_;
    Guarded([&] { Apply(static_cast<int>(std::clamp<long long>(target, min_, max_))); });
}

QAbstractSpinBox::StepEnabled UpDown::stepEnabled() const {
    StepEnabled e = StepNone;
    if (value_ < max_) e |= StepUpEnabled;
    if (value_ > min_) e |= StepDownEnabled;
    return e;
}

}  // namespace plat
