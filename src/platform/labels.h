#pragma once
// Labels and images.
//
// Label: a caption in plain text (shown through its face's map when set in
// a symbol face, see buttons.h); BackColor and ForeColor read back exactly
// the 32-bit value set; Click runs when the left button is released over it.
//
// Image: a picture loaded from a file or given as a pixmap, sized to it in
// device-independent pixels (a pixmap drawn at twice the density covers
// half its pixel count each way); MouseDown, MouseMove and MouseUp get X
// and Y in twips from the image's top-left corner (15 per pixel).
#include <QLabel>
#include <functional>

#include "platform/buttons.h"
#include "platform/controls.h"
#include "runtime/colors.h"

namespace plat {

class Label : public QLabel, public Captioned {
    Q_OBJECT
public:
    explicit Label(const QString& name = QString(), QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    void SetFace(const QString& faceName, double points, bool bold = false, bool italic = false);
    rt::ColorRef BackColor() const { return backColor_; }
    void SetBackColor(rt::ColorRef color);  // the label becomes opaque
    rt::ColorRef ForeColor() const { return foreColor_; }
    void SetForeColor(rt::ColorRef color);

    std::function<void()> Click;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    rt::ColorRef backColor_ = rt::kButtonFace;
    rt::ColorRef foreColor_ = rt::kBlack;
    bool pressed_ = false;
};

class Image : public QLabel {
    Q_OBJECT
public:
    explicit Image(const QString& name = QString(), QWidget* parent = nullptr);

    // Loads a picture file (bitmap, PNG, ...); false, and the picture left
    // as it was, when the file cannot be read.
    bool LoadPicture(const QString& path);
    void SetPicture(const QPixmap& picture);
    QPixmap Picture() const { return pixmap(); }

    MouseHandler MouseDown, MouseMove, MouseUp;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace plat
