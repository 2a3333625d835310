// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/zoom.h"

#include <QHash>
#include <QLayout>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

namespace runtime {

// The layout of a container whose controls are placed at designed
// rectangles in twips (a screen, or a frame on it). It owns each control's
// design and lays the controls out at the current zoom, each at its
// designed rectangle grown into free room where this platform's font needs
// more than the design gives a caption:
// - a caption on one line grows to the right, up to the next control or a
//   pixel short of the container's edge; a single word, short of room there,
//   grows to the left as well;
// - a wrapping caption grows down into free room; a word wider than its box
//   widens the box;
// - where a wrapping caption needs more height than the free room below it,
//   its box keeps the designed gap and grows from its designed height, and
//   the controls below it (those it stands above, and those they stand above
//   in turn) move down by as much;
// - a control asked to keep its least size (a picture) grows to it as far as
//   the room allows.
// The fonts never shrink.
class DesignLayout : public QLayout
{
    Q_OBJECT
public:
    // The layout of the container, made and installed when asked to create.
    static DesignLayout *of(const QWidget *container);
    static DesignLayout *on(QWidget *container);

    // A control's design: its rectangle in twips (a zero width or height is
    // a line one pixel thick at 100 %), or its top left corner for one sized
    // by its caption, and whether its box grows to its least size.
    struct Design {
        QRect twips;
        bool selfSizing{false};
        bool keepsLeastSize{false};
    };
    // Places a control of the container, or moves it, at a design.
    void place(QWidget *widget, const Design &design);
    // The design of a control placed here, or nullptr.
    Design *designOf(const QWidget *widget);

    // The container's own designed size in twips, where it is a screen.
    void setDesignSize(QSize twips) { m_designSize = twips; }
    QSize designSize() const { return m_designSize; }

    // Lays every control out at the current zoom, moved by an offset, and
    // each placed container's controls in turn; returns how many pixels
    // taller than designed the container must be for all of it to be seen.
    int arrange(QPoint offset = {});
    // Lays the controls out again where the container stands; false when
    // they now need another height than before, which moves what stands
    // around the container.
    bool rearrange();

    // The size of a control's font as designed, before any zoom.
    qreal designPointSize(QWidget *widget);

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    // Qt's own calls, when the container is resized or asks for a new
    // layout: its controls at their places, from its top left corner.
    void setGeometry(const QRect &rect) override;
    // A control's caption, font or visibility changed: the container asks
    // for a new layout once its events are done, as a container without a
    // layout does, and the screen lays out what it can move.
    void invalidate() override;

private:
    explicit DesignLayout(QWidget *container);
    struct Entry {
        std::unique_ptr<QWidgetItem> item;
        Design design;
        // The caption last measured whole at a size: it is not measured
        // again until something of it changes.
        QString wholeAt;
    };
    Entry *entryOf(const QWidget *widget);
    struct Room {
        QSize size;  // to the right and below, the box included
        int left{0}; // free to the left of the box
    };
    Room roomToGrow(const QWidget *widget, const QRect &design) const;
    QRect grownRect(Entry &entry, const QRect &pixels, bool *whole) const;

    std::vector<Entry> m_entries;
    QSize m_designSize;
    int m_extra{0}; // what the last arrangement asked for
    QHash<const QWidget *, qreal> m_pointSizes;
};

// Placing controls on a container, which keeps their designs in its layout.
// Places a control at a designed rectangle in twips. A zero width or height
// is a line one pixel thick at 100 %.
void place(QWidget *widget, int left, int top, int width, int height);
// Places a control that sizes itself to its caption.
void placeAt(QWidget *widget, int left, int top);
// Lets a placed control's box grow, like a caption's, to the least size its
// minimum size hint asks for.
void keepLeastSize(QWidget *widget);
void setLeft(QWidget *widget, int left);
void setTop(QWidget *widget, int top);
// The control's left edge and right edge in twips; the right edge of a
// self-sizing control follows its caption.
int leftOf(const QWidget *widget);
int rightOf(const QWidget *widget);
// Gives a container (a screen) its designed size in twips.
void setDesignSize(QWidget *widget, QSize twips);
// The designed rectangle of a placed control, in twips; for a container
// with a designed size, that size; for anything else, where it stands now.
QRect designRect(const QWidget *widget);
bool hasDesign(const QWidget *widget);

// Re-applies the designed geometry and font sizes to a widget and every
// control inside it, moving the controls placed directly on it by an offset
// (the margin that centres a screen in a larger window). A caption that
// needs more room than its box and the free space beside it give makes its
// box taller and moves what stands below it; returns how many pixels taller
// than designed the widget's content has grown.
int applyZoom(QWidget *root, QPoint offset = {});

} // namespace runtime
