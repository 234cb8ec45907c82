#pragma once
// UpDown: a pair of arrows that steps a whole number between Min and Max and
// shows it in its buddy text box (the decimals spinner, the system spinner).
//
// Guarantees: a change of Value, by the arrows (mouse, Up/Down keys, wheel)
// or by SetValue, first writes the new value into the buddy (whose own
// Change runs then), then raises Change once; setting the value it already
// has raises nothing; the arrows stop at Min and Max.
#include <QAbstractSpinBox>
#include <functional>

namespace plat {

class TextBox;

class UpDown : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit UpDown(const QString& name = QString(), QWidget* parent = nullptr);

    int Value() const { return value_; }
    void SetValue(int v);  // only the program sets it: outside Min..Max is an rt::ProgramFault
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Increment() const { return increment_; }
    void SetIncrement(int step) { increment_ = step; }

    void SetBuddy(TextBox* buddy);
    TextBox* Buddy() const { return buddy_; }

    std::function<void()> Change;

    // What an arrow click does; the arrows are enabled where a step is left.
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    void Apply(int v);
    int value_ = 0, min_ = 0, max_ = 10, increment_ = 1;
    TextBox* buddy_ = nullptr;
};

}  // namespace plat
