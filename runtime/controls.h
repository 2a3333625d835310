// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/colours.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace runtime {

// The colours every screen shares, from the table of design colours.
inline QColor blue()
{
    return designColour(DesignColour::Blue);
}
inline QColor red()
{
    return designColour(DesignColour::Red);
}
inline QColor grey()
{
    return designColour(DesignColour::Highlight);
}

// A font of the program's family at a designed size; the zoom scales it.
QFont fontOfSize(qreal pointSize, bool bold = false);

// A text label placed in twips; it wraps at blanks within its width. A width
// or height of 0 makes it size itself to its caption. Without a colour it
// takes the window text of the desktop's scheme.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width = 0,
                  int height = 0, qreal pointSize = 8, QColor colour = {});

// A text box placed in twips, its text in the given size, named for a
// screen reader.
QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QString &spokenName, int left, int top, int width,
                       int height, qreal pointSize = 8);

// The object name of one element of a control array: "problem_3".
QString indexedName(const QString &name, int index);

void setTextColour(QWidget *widget, QColor colour);
void setBackgroundColour(QWidget *widget, QColor colour);
// A caption may hold carriage return and line feed pairs: each starts a line.
QString captionText(const QString &caption);

// A straight horizontal or vertical line one pixel wide.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    LineControl(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, QColor colour);
    void setX2(int twips);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Places the widget over the line.
    void placeLine();
    int m_x1, m_y1, m_x2, m_y2;
    QColor m_colour;
};

} // namespace runtime
