// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "designlayout.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace runtime {

QFont fontOfSize(qreal pointSize, bool bold)
{
    QFont font = QApplication::font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QString captionText(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                  int height, qreal pointSize, QColor colour)
{
    auto *label = new QLabel(captionText(caption), parent);
    label->setObjectName(name);
    label->setFont(fontOfSize(pointSize));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (colour.isValid())
        setTextColour(label, colour);
    if (width > 0 && height > 0) {
        label->setWordWrap(true);
        place(label, left, top, width, height);
    } else {
        placeAt(label, left, top);
    }
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QString &spokenName, int left, int top, int width,
                       int height, qreal pointSize)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(spokenName);
    box->setFont(fontOfSize(pointSize));
    place(box, left, top, width, height);
    return box;
}

QString indexedName(const QString &name, int index)
{
    return name + u'_' + QString::number(index);
}

void setTextColour(QWidget *widget, QColor colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

void setBackgroundColour(QWidget *widget, QColor colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

LineControl::LineControl(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, QColor colour)
    : QWidget(parent)
    , m_x1(x1)
    , m_y1(y1)
    , m_x2(x2)
    , m_y2(y2)
    , m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeLine();
}

void LineControl::setX2(int twips)
{
    m_x2 = twips;
    placeLine();
}

void LineControl::placeLine()
{
    place(this, std::min(m_x1, m_x2), std::min(m_y1, m_y2), std::abs(m_x2 - m_x1), std::abs(m_y2 - m_y1));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}

} // namespace runtime
