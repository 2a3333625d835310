// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QColor>
#include <QPointF>
#include <QWidget>
#include <vector>

namespace runtime {

// A drawing surface with a user coordinate system. What is drawn stays until
// the box is cleared and is painted again after every cover, resize or
// minimise.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    struct Shape {
        enum class Kind { Line, Circle } kind;
        // In fractions of the box's width and height, so a resize keeps the
        // drawing in place; a circle's radius is a fraction of the width.
        QPointF a;
        QPointF b;
        double radius{0.0};
        QColor colour;
    };

    PictureBox(QWidget *parent, const QString &name, int left, int top, int width, int height);

    void setBorder(bool border);
    // Screen readers hear a picture box as a group of what it holds unless
    // it is given another role (the plot is an image).
    void setAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }
    // Logical pixels at 100 % between the border and the drawing area.
    void setInnerMargin(double pixels)
    {
        m_innerMargin = pixels;
        update();
    }
    void setForeColor(const QColor &colour) { m_foreColour = colour; }
    void setBackColor(const QColor &colour);

    // The user coordinates of the left, top, right and bottom edges; a top
    // above the bottom makes y grow upwards.
    void setScale(double left, double top, double right, double bottom);
    bool hasUsableScale() const;
    void cls();
    // Drawing outside a usable scale, or at a coordinate that is not finite,
    // draws nothing.
    void line(double x1, double y1, double x2, double y2, const QColor &colour);
    void circle(double x, double y, double radius);

    const std::vector<Shape> &shapes() const { return m_shapes; }
    // Where a user coordinate lands, in fractions of the box.
    QPointF toFraction(double x, double y) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_border{true};
    QAccessible::Role m_accessibleRole{QAccessible::Grouping};
    double m_innerMargin{0.0};
    QColor m_foreColour{Qt::black};
    double m_left{0}, m_top{0}, m_right{1}, m_bottom{1};
    std::vector<Shape> m_shapes;
};

} // namespace runtime
