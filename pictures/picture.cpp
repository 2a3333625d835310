// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "runtime/accessibility.h"
#include "runtime/colours.h"
#include "runtime/designlayout.h"

#include <QPainter>
#include <cmath>

namespace pictures {

Picture::Picture(QWidget *parent, const QString &name, DrawingPtr drawing, const QString &description, int left,
                 int top, int width, int height)
    : QWidget(parent)
{
    static const bool registered = [] {
        runtime::setClassAccessibleRole(staticMetaObject, QAccessible::Graphic);
        return true;
    }();
    Q_UNUSED(registered);
    runtime::installAccessibility();
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setDrawing(std::move(drawing), description);
    runtime::place(this, left, top, width, height);
    runtime::keepLeastSize(this);
}

Picture::Picture(QWidget *parent, const QString &name, const Described &picture, int left, int top, int width,
                 int height)
    : Picture(parent, name, picture.drawing, picture.description, left, top, width, height)
{
    m_designedSize = picture.designedSize;
}

void Picture::setDrawing(DrawingPtr drawing, const QString &description)
{
    m_drawing = std::move(drawing);
    m_designedSize = QSizeF();
    setAccessibleName(description);
    setAccessibleDescription(description);
    update();
}

void Picture::centreAcross()
{
    m_centredAcross = true;
    update();
}

QSize Picture::sizeHint() const
{
    return m_drawing ? m_drawing->size().toSize() : QSize();
}

double Picture::scale() const
{
    const QSizeF natural = m_drawing ? m_drawing->size() : QSizeF();
    if (natural.isEmpty())
        return 1.0;
    return std::min(width() / natural.width(), height() / natural.height());
}

double Picture::leastScale() const
{
    const QSizeF natural = m_drawing ? m_drawing->size() : QSizeF();
    const QSizeF designed = m_designedSize.isEmpty() ? natural : m_designedSize;
    if (designed.isEmpty())
        return 0.0;
    const QRect box = runtime::scaledRect(runtime::designRect(this));
    return 0.85 * std::min(box.width() / designed.width(), box.height() / designed.height());
}

QSize Picture::minimumSizeHint() const
{
    if (!m_drawing || m_drawing->size().isEmpty())
        return {};
    const QSizeF least = m_drawing->size() * leastScale();
    return {int(std::ceil(least.width())), int(std::ceil(least.height()))};
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), runtime::ground());
    if (!m_drawing)
        return;
    const QSizeF natural = m_drawing->size();
    if (natural.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = this->scale();
    const QSizeF shown = natural * scale;
    painter.translate(m_centredAcross ? (width() - shown.width()) / 2 : 0.0, (height() - shown.height()) / 2);
    painter.scale(scale, scale);
    m_drawing->paint(painter);
}

} // namespace pictures
