#pragma once
// Small shared pieces of the control layer: colour and text conversion and
// the names of control-array members.
#include <QColor>
#include <QString>
#include <string>

#include "runtime/colors.h"

namespace plat {

// &HBBGGRR (system colours resolved) to QColor and back.
inline QColor ToQColor(rt::ColorRef c) {
    rt::Rgb v = rt::ToRgb(c);
    return QColor(v.r, v.g, v.b);
}
inline rt::ColorRef FromQColor(const QColor& c) {
    return rt::FromRgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}

// The computations' UTF-8 texts to the controls' texts and back.
inline QString QStr(const std::string& s) { return QString::fromStdString(s); }
inline std::string StdStr(const QString& s) { return s.toStdString(); }

// objectName of a control-array member: "txtBody(3)".
inline QString ArrayName(const QString& base, int index) {
    return base + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

}  // namespace plat
