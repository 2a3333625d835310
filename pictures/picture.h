// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/catalogue.h"
#include "pictures/formula.h"

#include <QWidget>

namespace pictures {

// A fixed picture on a screen: the drawing scaled to fit its box (keeping
// its proportions) on the window ground. Screen readers hear it as an image
// whose name says in words what it shows.
class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(QWidget *parent, const QString &name, DrawingPtr drawing, const QString &description, int left, int top,
            int width, int height);
    Picture(QWidget *parent, const QString &name, const Described &picture, int left, int top, int width, int height);

    void setDrawing(DrawingPtr drawing, const QString &description);
    // The drawing stands at the left of its box unless centred across it.
    void centreAcross();
    QSize sizeHint() const override;
    // The scale the drawing is shown at in its box, and the least it may be:
    // 85 % of the scale its designed words get in the designed box. Below
    // that the box asks for more room (its minimum size hint).
    double scale() const;
    double leastScale() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DrawingPtr m_drawing;
    QSizeF m_designedSize;
    bool m_centredAcross{false};
};

} // namespace pictures
