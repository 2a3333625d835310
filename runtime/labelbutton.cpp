// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelbutton.h"

#include "accessibility.h"
#include "controls.h"
#include "designlayout.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace runtime {

LabelButton::LabelButton(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                         int height, qreal pointSize)
    : QAbstractButton(parent)
{
    installAccessibility();
    setObjectName(name);
    setText(captionText(caption));
    setFont(fontOfSize(pointSize));
    setFocusPolicy(Qt::StrongFocus);
    place(this, left, top, width, height);
}

void LabelButton::setBackgroundColor(const QColor &colour)
{
    m_background = colour;
    update();
}

QColor LabelButton::backgroundColor() const
{
    return m_background.isValid() ? m_background : palette().color(QPalette::Button);
}

void LabelButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LabelButton::setBorder(bool border)
{
    m_border = border;
    update();
}

void LabelButton::setSelectable(bool selectable)
{
    m_selectable = selectable;
    setFocusPolicy(selectable ? Qt::StrongFocus : Qt::NoFocus);
}

void LabelButton::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

QString LabelButton::caption() const
{
    QString shown;
    const QString caption = text();
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

QSize LabelButton::sizeHint() const
{
    return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(8, 4);
}

// The caption wraps at blanks within the button's width, less a pixel each side.
bool LabelButton::hasHeightForWidth() const
{
    return true;
}

int LabelButton::heightForWidth(int width) const
{
    const QRect area(0, 0, std::max(1, width - 2), 10000);
    // Measured as painted: the mnemonic's & takes no room.
    return fontMetrics()
        .boundingRect(area, int(m_alignment) | Qt::TextWordWrap | Qt::TextShowMnemonic, text())
        .height();
}

void LabelButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
    if (m_border) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QColor textColour =
        isEnabled() ? palette().color(QPalette::ButtonText) : palette().color(QPalette::Disabled, QPalette::ButtonText);
    painter.setPen(textColour);
    const QRect area = rect().adjusted(1, 0, -1, 0);
    // The mnemonic shows as the desktop's style shows it.
    QStyleOption styleOption;
    styleOption.initFrom(this);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &styleOption, this);
    const int flags = int(m_alignment) | Qt::TextWordWrap | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    painter.setFont(font());
    painter.drawText(area, flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        option.backgroundColor = backgroundColor();
        // The style's ring only: some styles also tint the inside, and a
        // tint takes from the contrast of the text the button holds.
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(rect().adjusted(3, 3, -3, -3))));
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void LabelButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first click of the pair has already been delivered; the second
    // press is swallowed, so its release clicks nothing.
    event->accept();
}

void pressOnEnter(QLineEdit *box, QList<LabelButton *> buttons)
{
    QObject::connect(box, &QLineEdit::returnPressed, box, [buttons] {
        for (LabelButton *button : buttons) {
            if (button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    });
}

} // namespace runtime
