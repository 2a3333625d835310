// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "accessibility.h"
#include "colours.h"
#include "designlayout.h"

#include <QPainter>
#include <cmath>

namespace runtime {

PictureBox::PictureBox(QWidget *parent, const QString &name, int left, int top, int width, int height)
    : QWidget(parent)
{
    installAccessibility();
    setObjectName(name);
    setAutoFillBackground(true);
    setBackColor(ground());
    place(this, left, top, width, height);
}

void PictureBox::setBorder(bool border)
{
    m_border = border;
    update();
}

void PictureBox::setBackColor(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void PictureBox::setScale(double left, double top, double right, double bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

bool PictureBox::hasUsableScale() const
{
    return std::isfinite(m_left) && std::isfinite(m_top) && std::isfinite(m_right) && std::isfinite(m_bottom)
           && m_right != m_left && m_bottom != m_top;
}

void PictureBox::cls()
{
    m_shapes.clear();
    update();
}

QPointF PictureBox::toFraction(double x, double y) const
{
    return QPointF((x - m_left) / (m_right - m_left), (y - m_top) / (m_bottom - m_top));
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    if (!hasUsableScale())
        return;
    const QPointF a = toFraction(x1, y1);
    const QPointF b = toFraction(x2, y2);
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return;
    m_shapes.push_back({Shape::Kind::Line, a, b, 0.0, colour});
    update();
}

void PictureBox::circle(double x, double y, double radius)
{
    if (!hasUsableScale())
        return;
    const QPointF centre = toFraction(x, y);
    const double r = std::fabs(radius / (m_right - m_left));
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(r))
        return;
    m_shapes.push_back({Shape::Kind::Circle, centre, centre, r, m_foreColour});
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The drawing keeps clear of the border by the inner margin, and by
    // more where a circle on the edge of the scale needs it: its ring keeps
    // a clear pixel between itself and the frame line.
    const double pen = std::max(1.0, zoom());
    double ring = 0.0;
    for (const Shape &shape : m_shapes)
        ring = std::max(ring, shape.radius * width() + pen / 2);
    const double margin = std::max(m_innerMargin * zoom(), ring > 0.0 ? (m_border ? 1.0 : 0.0) + 1.0 + ring : 0.0);
    const double w = width() - 2 * margin;
    const double h = height() - 2 * margin;
    painter.save();
    painter.translate(margin, margin);
    for (const Shape &shape : m_shapes) {
        painter.setPen(QPen(shape.colour, pen));
        painter.setBrush(Qt::NoBrush);
        const QPointF a(shape.a.x() * w, shape.a.y() * h);
        if (shape.kind == Shape::Kind::Line) {
            painter.drawLine(a, QPointF(shape.b.x() * w, shape.b.y() * h));
        } else {
            const double r = shape.radius * w;
            painter.drawEllipse(a, r, r);
        }
    }
    painter.restore();
    if (m_border) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace runtime
