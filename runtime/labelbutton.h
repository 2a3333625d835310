// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>

class QLineEdit;

namespace runtime {

// A label that acts as a button: grey (the button face) unless coloured, its
// caption centred and wrapped, greyed out when disabled. It is a real button
// for the keyboard (Tab reaches it, Space or Enter presses it, an & in its
// caption marks its Alt mnemonic) and for screen readers, which announce it
// as a button with its caption.
class LabelButton : public QAbstractButton
{
    Q_OBJECT
public:
    LabelButton(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width, int height,
                qreal pointSize = 8);

    void setBackgroundColor(const QColor &colour);
    QColor backgroundColor() const;
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }
    void setBorder(bool border);

    // A button that stands for something the student picks (a table row, a
    // plot type): while selectable it is a Tab stop and screen readers hear
    // whether it is selected; otherwise the keyboard passes it by.
    void setSelectable(bool selectable);
    bool isSelectable() const { return m_selectable; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // The caption as the student reads it, without its mnemonic mark.
    QString caption() const;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A double click is one click, not two.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_background;
    Qt::Alignment m_alignment{Qt::AlignHCenter | Qt::AlignTop};
    bool m_border{false};
    bool m_selectable{false};
    bool m_selected{false};
};

// Enter in the text box presses the first of the buttons that is shown and
// enabled: Submit, or "continue" while a tutoring stage has Submit locked.
void pressOnEnter(QLineEdit *box, QList<LabelButton *> buttons);

} // namespace runtime
