// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordertable.h"

#include "runtime/controls.h"
#include "runtime/forms.h"

#include <QPainter>
#include <QRegularExpression>

namespace pictures {

OrderTableLabel::OrderTableLabel(QWidget *parent, const QString &name, const QString &caption,
                                 int left, int top, int width, int height)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    runtime::setTextColour(this, runtime::blue());
    runtime::place(this, left, top, width, height);
}

QList<QPair<QString, QString>> OrderTableLabel::rows(const QString &caption)
{
    static const QRegularExpression pair(QStringLiteral("(\\S+-order)\\s+(.*?vs\\.\\s+time)"));
    QList<QPair<QString, QString>> result;
    auto it = pair.globalMatch(caption);
    while (it.hasNext()) {
        const auto match = it.next();
        result.append({match.captured(1), match.captured(2)});
    }
    return result;
}

QSize OrderTableLabel::sizeHint() const
{
    const auto pairs = rows(text());
    const QFontMetrics metrics(font());
    int orderWidth = 0;
    int plotWidth = 0;
    for (const auto &row : pairs) {
        orderWidth = std::max(orderWidth, metrics.horizontalAdvance(row.first));
        plotWidth = std::max(plotWidth, metrics.horizontalAdvance(row.second));
    }
    return {orderWidth + metrics.horizontalAdvance(QStringLiteral("    ")) + plotWidth,
            int(pairs.size()) * metrics.height()};
}

void OrderTableLabel::paintEvent(QPaintEvent *)
{
    const auto pairs = rows(text());
    if (pairs.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int orderWidth = 0;
    for (const auto &row : pairs)
        orderWidth = std::max(orderWidth, metrics.horizontalAdvance(row.first));
    const int second = std::max(orderWidth + metrics.horizontalAdvance(QStringLiteral("    ")), width() * 9 / 20);
    const int lineHeight = std::max(metrics.height(), height() / int(pairs.size()));
    int y = 0;
    for (const auto &row : pairs) {
        painter.drawText(QRect(0, y, second, lineHeight), Qt::AlignLeft | Qt::AlignTop, row.first);
        painter.drawText(QRect(second, y, width() - second, lineHeight), Qt::AlignLeft | Qt::AlignTop, row.second);
        y += lineHeight;
    }
}

} // namespace pictures
