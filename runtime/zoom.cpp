// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace runtime {

Zoom &Zoom::instance()
{
    static Zoom zoom;
    return zoom;
}

void Zoom::setFactor(double factor)
{
    factor = std::clamp(factor, MinZoom, MaxZoom);
    if (factor == m_factor)
        return;
    m_factor = factor;
    emit changed(factor);
}

double zoom()
{
    return Zoom::instance().factor();
}

void setZoom(double factor)
{
    Zoom::instance().setFactor(factor);
}

double zoomStep(double factor, int direction)
{
    static constexpr std::array<double, 15> steps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25,
                                                  1.5, 1.75, 2.0,  2.5, 3.0, 3.5, 4.0};
    if (direction > 0) {
        const auto next = std::upper_bound(steps.begin(), steps.end(), factor + 1e-6);
        return next == steps.end() ? steps.back() : *next;
    }
    const auto below = std::lower_bound(steps.begin(), steps.end(), factor - 1e-6);
    return below == steps.begin() ? steps.front() : *(below - 1);
}

int scaled(double twips)
{
    return int(std::lround(twips * zoom() / TwipsPerPixel));
}

double unscaled(int pixels)
{
    return double(pixels) * TwipsPerPixel / zoom();
}

int toPixels(double twips)
{
    return int(std::lround(twips / TwipsPerPixel));
}

double toTwips(int pixels)
{
    return double(pixels) * TwipsPerPixel;
}

QRect scaledRect(const QRect &twips)
{
    // A line is at least one pixel thick, and as thick as the zoom.
    const int thickness = std::max(1, int(std::lround(zoom())));
    return QRect(scaled(twips.x()), scaled(twips.y()), twips.width() > 0 ? scaled(twips.width()) : thickness,
                 twips.height() > 0 ? scaled(twips.height()) : thickness);
}

} // namespace runtime
