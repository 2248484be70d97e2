#pragma once

// Conversions between the framework's values and Qt's, for the runtime
// layer's own files.

#include "propertylist.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <string>

namespace corvanta {

// Framework texts are UTF-8.
inline QString toQString(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline std::string toStdString(const QString& s) { return s.toUtf8().toStdString(); }

// Stored colours carry no alpha: always opaque.
inline QColor toQColor(Color c) { return QColor::fromRgb(QRgb(0xFF000000u | (c.rgb & 0x00FFFFFFu))); }

// A position, clamped to what a widget can take.
inline int toCoordinate(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// A size, clamped to what a widget can take; never negative.
inline int toPixels(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX)); }

inline void setPaletteColor(QWidget* w, QPalette::ColorRole role, Color c)
{
    QPalette palette = w->palette();
    palette.setColor(role, toQColor(c));
    w->setPalette(palette);
}

} // namespace corvanta
