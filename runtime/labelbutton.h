// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>

class QLineEdit;

namespace runtime {

// A label that acts as a button: grey (the button face) unless coloured, its
// caption centred and wrapped, greyed out when disabled. It is a real button
// for the keyboard (Tab reaches it, Space or Enter presses it) and for screen
// readers, which announce it as a button with its caption.
class LabelButton : public QAbstractButton
{
    Q_OBJECT
public:
    LabelButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                int width, int height, qreal pointSize = 8);

    void setBackgroundColor(const QColor &colour);
    QColor backgroundColor() const;
    void setAlignment(Qt::Alignment alignment);
    void setBorder(bool border);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A double click is one click, not two.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_background;
    Qt::Alignment m_alignment{Qt::AlignHCenter | Qt::AlignTop};
    bool m_border{false};
};

// Enter in the text box presses the button, while the button is shown and
// enabled: what a student expects of an answer box and its Submit.
void pressOnEnter(QLineEdit *box, LabelButton *button);

} // namespace runtime
