// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

namespace runtime {

// Every control keeps its designed rectangle in twips and its designed font
// size (see designlayout.h); pixels follow from them through one zoom factor
// shared by the whole run (1 maps 15 twips to a logical pixel). Zooming
// re-applies the mapping to every control, so a screen scales as one piece.
constexpr double MinZoom = 0.5;
constexpr double MaxZoom = 4.0;
double zoom();
// Sets the zoom, clamped to MinZoom..MaxZoom, for the screens shown from now
// on; a screen already shown takes it when it is zoomed again.
void setZoom(double factor);

// The zoom of the whole run, which says when it changes.
class Zoom : public QObject
{
    Q_OBJECT
public:
    static Zoom &instance();
    double factor() const { return m_factor; }
    void setFactor(double factor);

signals:
    void changed(double factor);

private:
    Zoom() = default;
    double m_factor{1.0};
};
// The next step up or down from a zoom.
double zoomStep(double factor, int direction);

// Twips to logical pixels at the current zoom.
constexpr int TwipsPerPixel = 15;
int scaled(double twips);
double unscaled(int pixels);
// A designed rectangle in twips as pixels at the current zoom; a zero width
// or height is a line one pixel thick at 100 %.
QRect scaledRect(const QRect &twips);

// Window positions on the screen are given in twips, 1440 to the inch: 15
// twips to a pixel at 96 dpi, whatever the zoom. Qt's logical pixels already
// follow the screen's scale factor, so a twip maps to the same logical size
// at every device pixel ratio.
int toPixels(double twips);
double toTwips(int pixels);

} // namespace runtime
