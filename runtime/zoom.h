// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace runtime {

// Every control keeps its designed rectangle in twips and its designed font
// size; pixels follow from them here, through one zoom factor shared by the
// whole run (1 maps 15 twips to a logical pixel). Zooming re-applies the
// mapping to every control, so a screen scales as one piece.
constexpr double MinZoom = 0.5;
constexpr double MaxZoom = 4.0;
double zoom();
// Sets the zoom, clamped to MinZoom..MaxZoom, for the screens shown from now
// on; a screen already shown takes it when it is zoomed again.
void setZoom(double factor);
// The next step up or down from a zoom.
double zoomStep(double factor, int direction);

// Twips to logical pixels at the current zoom.
int scaled(double twips);
double unscaled(int pixels);

// Places a control at a designed rectangle in twips. A zero width or height
// is a line one pixel thick at 100 %.
void place(QWidget *widget, int left, int top, int width, int height);
// Places a control that sizes itself to its caption.
void placeAt(QWidget *widget, int left, int top);
// Lets a placed control's box grow, like a caption's, to the least size its
// minimum size hint asks for.
void keepLeastSize(QWidget *widget);
void setLeft(QWidget *widget, int left);
void setTop(QWidget *widget, int top);
// The control's left edge and right edge in twips; the right edge of a
// self-sizing control follows its caption.
int leftOf(const QWidget *widget);
int rightOf(const QWidget *widget);
// Gives a container (a screen) its designed size in twips.
void setDesignSize(QWidget *widget, QSize twips);
// The designed rectangle of a placed control, in twips.
QRect designRect(const QWidget *widget);

// Re-applies the designed geometry and font sizes to a widget and every
// control inside it, moving the controls placed directly on it by an offset
// (the margin that centres a screen in a larger window). A caption that
// needs more room than its box and the free space beside it give makes its
// box taller and moves what stands below it; returns how many pixels taller
// than designed the widget's content has grown.
int applyZoom(QWidget *root, QPoint offset = {});

} // namespace runtime
