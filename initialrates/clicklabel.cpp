// SPDX-License-Identifier: GPL-3.0-or-later
#include "clicklabel.h"

#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
