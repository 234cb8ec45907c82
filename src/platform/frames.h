#pragma once
// Frames, lines and shapes.
//
// Frame: a captioned, opaque container: its background (the window colour)
// covers whatever lies beneath it. Hiding or disabling it hides or disables
// every control inside (Qt's own rule); it moves with move()/setGeometry()
// in pixels and comes to the front with raise().
//
// LineShape and Shape: drawn decorations that take no mouse or keys. A
// line runs between two points of its parent (pixels); a shape is a
// rectangle with a border and an optional fill. A "see-through" fill
// darkens what lies beneath like a highlighter, so a picture under it
// stays recognisable. Colours read back exactly the 32-bit value set.
#include <QGroupBox>
#include <QWidget>

#include "runtime/colors.h"

namespace plat {

class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(const QString& name = QString(), QWidget* parent = nullptr);
    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) { setTitle(caption); }
};

class LineShape : public QWidget {
    Q_OBJECT
public:
    explicit LineShape(const QString& name = QString(), QWidget* parent = nullptr);

    // End points in the parent's pixels.
    void SetPoints(int x1, int y1, int x2, int y2);
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    rt::ColorRef BorderColor() const { return color_; }
    void SetBorderColor(rt::ColorRef color);
    int BorderWidth() const { return width_; }
    void SetBorderWidth(int pixels);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Place();
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0, width_ = 1;
    rt::ColorRef color_ = rt::kBlack;
};

class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Fill { Transparent, Solid, SeeThrough };

    explicit Shape(const QString& name = QString(), QWidget* parent = nullptr);

    rt::ColorRef BorderColor() const { return borderColor_; }
    void SetBorderColor(rt::ColorRef color);
    int BorderWidth() const { return borderWidth_; }  // 0: no border
    void SetBorderWidth(int pixels);
    rt::ColorRef FillColor() const { return fillColor_; }
    void SetFillColor(rt::ColorRef color);
    Fill FillStyle() const { return fill_; }
    void SetFillStyle(Fill fill);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    rt::ColorRef borderColor_ = rt::kBlack;
    rt::ColorRef fillColor_ = rt::kBlack;
    int borderWidth_ = 1;
    Fill fill_ = Fill::Transparent;
};

}  // namespace plat
