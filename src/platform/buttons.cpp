#include "platform/buttons.h"

#include "platform/common.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "runtime/errors.h"

namespace plat {

QString Captioned::Shown() const { return face_.isEmpty() ? caption_ : FaceText(face_, caption_); }

CommandButton::CommandButton(const QString& name, QWidget* parent) : QPushButton(parent) {
    setObjectName(name);
    // Enter on a focused command button presses it, as space does: the
    // workspaces hand the focus to a button and expect Enter to run it.
    setAutoDefault(true);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (Click) Guarded(Click);
    });
}

void CommandButton::SetCaption(const QString& caption) {
    caption_ = caption;
    setText(Shown());
}

void CommandButton::SetFace(const QString& faceName, double points, bool bold, bool italic) {
    face_ = faceName;
    setFont(MakeFont(faceName, points, bold, italic));
    setText(Shown());
}

void CommandButton::SetBackColor(rt::ColorRef color) {
    backColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Button, ToQColor(color));
    setPalette(p);
}

void CommandButton::Press() {
    if (Click) Click();
}

OptionButton::OptionButton(const QString& name, QWidget* parent) : QRadioButton(parent) {
    setObjectName(name);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (Click) Guarded(Click);
    });
}

void OptionButton::SetCaption(const QString& caption) {
    caption_ = caption;
    setText(Shown());
}

void OptionButton::SetFace(const QString& faceName, double points, bool bold, bool italic) {
    face_ = faceName;
    setFont(MakeFont(faceName, points, bold, italic));
    setText(Shown());
}

void OptionButton::SetValue(bool on) {
    if (on) {
        setChecked(true);
        if (Click) Click();
        return;
    }
    // An exclusive option cannot be unticked directly.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

CheckBox::CheckBox(const QString& name, QWidget* parent) : QCheckBox(parent) {
    setObjectName(name);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (Click) Guarded(Click);
    });
}

void CheckBox::SetCaption(const QString& caption) {
    caption_ = caption;
    setText(Shown());
}

void CheckBox::SetFace(const QString& faceName, double points, bool bold, bool italic) {
    face_ = faceName;
    setFont(MakeFont(faceName, points, bold, italic));
    setText(Shown());
}

void CheckBox::SetForeColor(rt::ColorRef color) {
    foreColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(color));
    setPalette(p);
}

int CheckBox::Value() const {
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void CheckBox::SetValue(int value) {
    rt::ExpectIndex(value, 0, 2, "check box value");
    if (value == Value()) return;
    if (value == 2) setTristate(true);
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    if (Click) Click();
}

}  // namespace plat
