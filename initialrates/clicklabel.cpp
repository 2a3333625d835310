// SPDX-License-Identifier: GPL-3.0-or-later
#include "clicklabel.h"

#include <QMouseEvent>
#include <utility>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->setAccepted(m_pressed);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();
    const bool pressed = std::exchange(m_pressed, false);
    if (pressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->setAccepted(event->button() == Qt::LeftButton);
}
