// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that reports a click of the left button released over it.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // A double click is one click: the second press and its release do nothing.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed{false};
};
