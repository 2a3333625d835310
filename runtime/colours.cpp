// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours.h"

#include <QGuiApplication>
#include <QPalette>
#include <cmath>

namespace runtime {

namespace {

struct Variants {
    QColor light;
    QColor dark;
};

// On white the design's pure red gives only 4 : 1, so the light red is a
// little deeper; on a dark ground every colour is lightened.
Variants variants(DesignColour colour)
{
    switch (colour) {
    case DesignColour::Blue:
        return {QColor(0, 0, 255), QColor(150, 175, 255)};
    case DesignColour::Red:
        return {QColor(210, 0, 0), QColor(255, 130, 130)};
    case DesignColour::Purple:
        return {QColor(128, 0, 128), QColor(225, 150, 225)};
    case DesignColour::Highlight:
        return {QColor(200, 200, 200), QColor(60, 60, 60)};
    case DesignColour::Shade:
        return {QColor(220, 220, 220), QColor(55, 55, 55)};
    case DesignColour::Muted:
        return {QColor(64, 64, 64), QColor(205, 205, 205)};
    }
    return {};
}

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

bool darkScheme()
{
    return ground().lightness() < 128;
}

QColor designColour(DesignColour colour)
{
    const Variants v = variants(colour);
    return darkScheme() ? v.dark : v.light;
}

QColor ground()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor groundText()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Text);
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace runtime
