#pragma once
// Buttons: command buttons, option buttons and check boxes.
//
// Guarantees:
// - Click runs synchronously, once per action: a user's click, or code
//   pressing a command button (Press / SetValue(true)), choosing an option
//   (SetValue(true), also when it is already chosen) or changing a check
//   box (SetValue with a new value). Unchoosing an option from code raises
//   nothing and may leave a group with no option chosen.
// - Captions read back as set; in a symbol or dingbat face (SetFace) they
//   are shown through the face's map (fonts.h), so "Q = 30°" in "Symbol"
//   shows theta while Caption() still reads "Q = 30°".
// - BackColor reads back exactly the 32-bit value set (system colours too).
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "platform/controls.h"
#include "runtime/colors.h"

namespace plat {

// Caption text and face shared by the captioned controls.
class Captioned {
public:
    QString Caption() const { return caption_; }
    QString FaceName() const { return face_; }

protected:
    QString Shown() const;
    QString caption_;
    QString face_;
};

class CommandButton : public QPushButton, public Captioned {
    Q_OBJECT
public:
    explicit CommandButton(const QString& name = QString(), QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    void SetFace(const QString& faceName, double points, bool bold = false, bool italic = false);
    rt::ColorRef BackColor() const { return backColor_; }
    void SetBackColor(rt::ColorRef color);

    // Presses the button from code: runs Click now, enabled or not.
    void Press();
    bool Value() const { return false; }
    void SetValue(bool pressed) {
        if (pressed) Press();
    }

    bool SetFocus() { return FocusControl(this); }

    std::function<void()> Click;

private:
    rt::ColorRef backColor_ = rt::kButtonFace;
};

class OptionButton : public QRadioButton, public Captioned {
    Q_OBJECT
public:
    explicit OptionButton(const QString& name = QString(), QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    void SetFace(const QString& faceName, double points, bool bold = false, bool italic = false);
    bool Value() const { return isChecked(); }
    void SetValue(bool on);
    bool SetFocus() { return FocusControl(this); }

    std::function<void()> Click;
};

class CheckBox : public QCheckBox, public Captioned {
    Q_OBJECT
public:
    explicit CheckBox(const QString& name = QString(), QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    void SetFace(const QString& faceName, double points, bool bold = false, bool italic = false);
    rt::ColorRef ForeColor() const { return foreColor_; }
    void SetForeColor(rt::ColorRef color);
    // 0 unticked, 1 ticked, 2 greyed.
    int Value() const;
    void SetValue(int value);  // only the program sets it: another value is an rt::ProgramFault
    bool SetFocus() { return FocusControl(this); }

    std::function<void()> Click;

private:
    rt::ColorRef foreColor_ = rt::kBlack;
};

}  // namespace plat
