// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace pictures {

// The reference table of reaction orders and their straight-line plots:
// zero order with [A], first order with ln[A] and second order with 1/[A]
// against time. It shows each order with its plot on a row of its own, the
// plots lined up in a second column, whatever the language and the font's
// widths. Its caption holds the same rows, one a line, for screen readers.
class OrderTableLabel : public QLabel
{
    Q_OBJECT
public:
    OrderTableLabel(QWidget *parent, const QString &name, int left, int top, int width, int height);

    struct Row {
        QString order;
        QString plot;
    };
    // The rows in the current language, zero order first.
    static QList<Row> rows();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pictures
