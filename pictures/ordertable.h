// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace pictures {

// The reference table of reaction orders and their straight-line plots: one
// label whose caption holds the pairs run together ("zero-order   [A] vs.
// time  first-order ..."). It shows each order with its plot on a row of its
// own, the plots lined up in a second column, whatever the font's widths.
class OrderTableLabel : public QLabel
{
    Q_OBJECT
public:
    OrderTableLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                    int width, int height);

    // The (order, plot) pairs read from a caption.
    static QList<QPair<QString, QString>> rows(const QString &caption);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pictures
