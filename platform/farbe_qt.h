#pragma once
// The model's colours are 0x00BBGGRR; QColor wants red, green, blue.

#include "engine/farben.h"

#include <QColor>

inline QColor ToQColor(TColor c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline TColor FromQColor(const QColor& q)
{
    const QColor rgb = q.toRgb();
    return RGB(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
               static_cast<std::uint8_t>(rgb.blue()));
}
