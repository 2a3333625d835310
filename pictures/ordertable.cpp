// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordertable.h"

#include "runtime/controls.h"
#include "runtime/designlayout.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

namespace pictures {

namespace {

// Indexed by reaction order.
constexpr const char *OrderNames[] = {QT_TRANSLATE_NOOP("pictures", "zero-order"),
                                      QT_TRANSLATE_NOOP("pictures", "first-order"),
                                      QT_TRANSLATE_NOOP("pictures", "second-order")};
constexpr const char *PlotNames[] = {QT_TRANSLATE_NOOP("pictures", "[A] vs. time"),
                                     QT_TRANSLATE_NOOP("pictures", "ln[A] vs. time"),
                                     QT_TRANSLATE_NOOP("pictures", "1/[A] vs. time")};

} // namespace

OrderTableLabel::OrderTableLabel(QWidget *parent, const QString &name, int left, int top, int width, int height)
    : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    QStringList lines;
    for (const Row &row : rows())
        lines.append(row.order + QStringLiteral("    ") + row.plot);
    setText(lines.join(u'\n'));
    runtime::setTextColour(this, runtime::blue());
    runtime::place(this, left, top, width, height);
}

QList<OrderTableLabel::Row> OrderTableLabel::rows()
{
    QList<Row> result;
    for (int order = 0; order < 3; ++order)
        result.append({QCoreApplication::translate("pictures", OrderNames[order]),
                       QCoreApplication::translate("pictures", PlotNames[order])});
    return result;
}

QSize OrderTableLabel::sizeHint() const
{
    const auto pairs = rows();
    const QFontMetrics metrics(font());
    int orderWidth = 0;
    int plotWidth = 0;
    for (const auto &row : pairs) {
        orderWidth = std::max(orderWidth, metrics.horizontalAdvance(row.order));
        plotWidth = std::max(plotWidth, metrics.horizontalAdvance(row.plot));
    }
    return {orderWidth + metrics.horizontalAdvance(QStringLiteral("    ")) + plotWidth,
            int(pairs.size()) * metrics.height()};
}

void OrderTableLabel::paintEvent(QPaintEvent *)
{
    const auto pairs = rows();
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int orderWidth = 0;
    for (const auto &row : pairs)
        orderWidth = std::max(orderWidth, metrics.horizontalAdvance(row.order));
    const int second = std::max(orderWidth + metrics.horizontalAdvance(QStringLiteral("    ")), width() * 9 / 20);
    const int lineHeight = std::max(metrics.height(), height() / int(pairs.size()));
    int y = 0;
    for (const auto &row : pairs) {
        painter.drawText(QRect(0, y, second, lineHeight), Qt::AlignLeft | Qt::AlignTop, row.order);
        painter.drawText(QRect(second, y, width() - second, lineHeight), Qt::AlignLeft | Qt::AlignTop, row.plot);
        y += lineHeight;
    }
}

} // namespace pictures
