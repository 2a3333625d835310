// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

namespace runtime {

namespace {

constexpr double TwipsPerPixelAtFull = 15.0;
constexpr const char *DesignRectKey = "designRect";
constexpr const char *SelfSizingKey = "designSelfSizing";
constexpr const char *LeastSizeKey = "designLeastSize";
constexpr const char *DesignPointSizeKey = "designPointSize";

double &currentZoom()
{
    static double factor = 1.0;
    return factor;
}

bool isPlaced(const QWidget *widget)
{
    return widget->property(DesignRectKey).isValid();
}

bool isSelfSizing(const QWidget *widget)
{
    return widget->property(SelfSizingKey).toBool();
}

int thickness()
{
    return std::max(1, int(std::lround(zoom())));
}

QRect pixelRect(const QRect &twips)
{
    return QRect(scaled(twips.x()), scaled(twips.y()), twips.width() > 0 ? scaled(twips.width()) : thickness(),
                 twips.height() > 0 ? scaled(twips.height()) : thickness());
}

struct Room {
    QSize size;   // to the right and below, the box included
    int left{0};  // free to the left of the box
};

// The room a control may grow into: up to its parent's edge and short of the
// nearest sibling to its right, below or to its left that it does not
// already overlap by design.
Room roomToGrow(const QWidget *widget, const QRect &design)
{
    const QWidget *parent = widget->parentWidget();
    const QRect bounds(QPoint(0, 0), designRect(parent).size());
    // A pixel short of the container's edge, which may carry its border.
    int right = bounds.right() + 1 - 15;
    int bottom = bounds.bottom() + 1 - 15;
    int left = 15;
    for (const QObject *object : parent->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(object);
        if (!sibling || sibling == widget || sibling->isWindow() || !isPlaced(sibling))
            continue;
        QRect other = designRect(sibling);
        if (isSelfSizing(sibling))
            other.setWidth(std::max(other.width(), rightOf(sibling) - other.left()));
        other.setSize(other.size().expandedTo(QSize(1, 1)));
        if (other.intersects(design))
            continue;
        const bool besideVertically = other.top() < design.bottom() + 1 && other.bottom() + 1 > design.top();
        const bool besideHorizontally = other.left() < design.right() + 1 && other.right() + 1 > design.left();
        if (besideVertically && other.left() > design.left())
            right = std::min(right, other.left());
        if (besideVertically && other.right() < design.left())
            left = std::max(left, other.right() + 1);
        if (besideHorizontally && other.top() > design.top())
            bottom = std::min(bottom, other.top());
    }
    return {{scaled(right - design.left()), scaled(bottom - design.top())}, std::max(0, scaled(design.left() - left))};
}

// Where this platform's font needs more room than the design gives a
// caption, the box grows as far as the free space allows: a box one line high
// to the right (and a single word to the left as well when the right is
// taken), a wrapping box of several lines down. The font itself never shrinks.
QRect grownRect(const QWidget *widget, const QRect &design, const QRect &pixels, bool *whole)
{
    *whole = false;
    const QSize size = pixels.size();
    const auto *label = qobject_cast<const QLabel *>(widget);
    const bool wraps = label ? label->wordWrap() : widget->hasHeightForWidth();
    const bool button = widget->inherits("QAbstractButton");
    if (!label && !button) {
        // Other controls may ask for a least size, as pictures do.
        const QSize least = widget->property(LeastSizeKey).toBool() ? widget->minimumSizeHint() : QSize();
        if (!least.isValid() || (least.width() <= size.width() && least.height() <= size.height())) {
            *whole = true;
            return pixels;
        }
        return QRect(pixels.topLeft(), size.expandedTo(least.boundedTo(roomToGrow(widget, design).size)));
    }
    const int frame = label ? 2 * (label->frameWidth() + label->margin()) : 0;
    const QString caption = label ? label->text() : static_cast<const QAbstractButton *>(widget)->text();
    // Whether a caption is whole depends only on it, its font and its box:
    // a caption once measured whole is not measured again at that size.
    static QSet<QString> wholeCaptions;
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6")
                            .arg(caption, widget->font().key())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(frame)
                            .arg(wraps ? (label ? 'w' : 'b') : 'n');
    if (wholeCaptions.contains(key)) {
        *whole = true;
        return pixels;
    }
    const QFontMetrics metrics = widget->fontMetrics();
    const QSize oneLine = label && wraps ? metrics.size(0, label->text()) + QSize(frame, frame) : widget->sizeHint();
    const int edge = label ? frame : 2;
    // The least width that shows the caption whole: its widest line, wrapped
    // at the box's width where it wraps.
    const auto leastWidth = [&](int flags, int width) {
        return metrics.boundingRect(QRect(0, 0, std::max(1, width - edge), 10000), flags | Qt::TextShowMnemonic, caption)
                   .width() + edge;
    };
    QSize needed = size;
    int least = -1; // the whole caption on one line, measured when needed
    if (wraps) {
        const bool singleLineBox = size.height() < 2 * metrics.lineSpacing();
        const int tall = widget->heightForWidth(size.width());
        // A word longer than the box is wide cannot wrap: the box widens.
        const int wide = oneLine.width() <= size.width() ? oneLine.width() : leastWidth(Qt::TextWordWrap, size.width());
        if (singleLineBox && (tall > size.height() || wide > size.width()))
            needed.setWidth(oneLine.width());
        else if (tall > size.height())
            needed.setHeight(tall);
        if (!singleLineBox) {
            least = wide;
            if (wide > size.width())
                needed.setWidth(wide);
        }
    } else {
        needed.setWidth(oneLine.width());
    }
    if (label)
        needed.setHeight(std::max(needed.height(), std::min(oneLine.height(), metrics.height() + frame)));
    if (needed.width() <= size.width() && needed.height() <= size.height()) {
        // Measured at this very size: nothing more to make room for.
        *whole = true;
        wholeCaptions.insert(key);
        return pixels;
    }
    const Room room = roomToGrow(widget, design);
    QRect grown(pixels.topLeft(), size.expandedTo(needed.boundedTo(room.size)));
    // A single word cannot wrap: short of room to the right, its box widens
    // to the left as well.
    if (!caption.trimmed().contains(u' ')) {
        if (least < 0)
            least = leastWidth(0, 10000);
        grown.setLeft(grown.left() - std::clamp(least - grown.width(), 0, room.left));
    }
    return grown;
}

} // namespace

double zoom()
{
    return currentZoom();
}

void setZoom(double factor)
{
    currentZoom() = std::clamp(factor, MinZoom, MaxZoom);
}

double zoomStep(double factor, int direction)
{
    static constexpr std::array<double, 15> steps{0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25,
                                                  1.5,  1.75, 2.0,  2.5, 3.0, 3.5, 4.0};
    if (direction > 0) {
        const auto next = std::upper_bound(steps.begin(), steps.end(), factor + 1e-6);
        return next == steps.end() ? steps.back() : *next;
    }
    const auto below = std::lower_bound(steps.begin(), steps.end(), factor - 1e-6);
    return below == steps.begin() ? steps.front() : *(below - 1);
}

int scaled(double twips)
{
    return int(std::lround(twips * zoom() / TwipsPerPixelAtFull));
}

double unscaled(int pixels)
{
    return double(pixels) * TwipsPerPixelAtFull / zoom();
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setProperty(DesignRectKey, QRect(left, top, width, height));
    widget->setProperty(SelfSizingKey, false);
    widget->setGeometry(pixelRect(QRect(left, top, width, height)));
}

void placeAt(QWidget *widget, int left, int top)
{
    widget->setProperty(DesignRectKey, QRect(left, top, 0, 0));
    widget->setProperty(SelfSizingKey, true);
    widget->move(scaled(left), scaled(top));
    widget->adjustSize();
}

void keepLeastSize(QWidget *widget)
{
    widget->setProperty(LeastSizeKey, true);
}

void setLeft(QWidget *widget, int left)
{
    QRect design = designRect(widget);
    const int dx = scaled(left) - scaled(design.left());
    design.moveLeft(left);
    widget->setProperty(DesignRectKey, design);
    widget->move(widget->x() + dx, widget->y());
}

void setTop(QWidget *widget, int top)
{
    QRect design = designRect(widget);
    const int dy = scaled(top) - scaled(design.top());
    design.moveTop(top);
    widget->setProperty(DesignRectKey, design);
    widget->move(widget->x(), widget->y() + dy);
}

int leftOf(const QWidget *widget)
{
    return designRect(widget).left();
}

int rightOf(const QWidget *widget)
{
    const QRect design = designRect(widget);
    if (isSelfSizing(widget))
        return design.left() + int(std::lround(unscaled(widget->width())));
    return design.left() + design.width();
}

void setDesignSize(QWidget *widget, QSize twips)
{
    widget->setProperty(DesignRectKey, QRect(QPoint(0, 0), twips));
}

QRect designRect(const QWidget *widget)
{
    const QVariant value = widget->property(DesignRectKey);
    if (value.isValid())
        return value.toRect();
    return QRect(QPoint(int(unscaled(widget->x())), int(unscaled(widget->y()))),
                 QSize(int(unscaled(widget->width())), int(unscaled(widget->height()))));
}

namespace {

// How many pixels taller than its box a wrapping caption must be to be read
// whole at the box's width.
int shortfall(const QWidget *widget, QSize size)
{
    if (widget->isHidden() || !widget->hasHeightForWidth()
        || !(qobject_cast<const QLabel *>(widget) || widget->inherits("QAbstractButton")))
        return 0;
    return std::max(0, widget->heightForWidth(size.width()) - size.height());
}

struct Placed {
    QWidget *widget;
    QRect design;
    QRect pixels;
    int extra;
};

// Places the controls placed on a container, each at its designed rectangle
// grown into free room. Where a caption needs more height than that, its
// box grows and the controls below it (those it stands above, and those
// they stand above in turn) move down by as much. Returns how many pixels
// taller than designed the container must be for all of it to be seen.
int layOut(QWidget *container, QPoint offset)
{
    std::vector<Placed> placed;
    for (QObject *object : container->children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || widget->isWindow() || !isPlaced(widget))
            continue;
        const QRect design = designRect(widget);
        if (isSelfSizing(widget)) {
            // Sized by its own caption; it moves with what stands above it.
            widget->adjustSize();
            placed.push_back({widget, design, QRect(QPoint(scaled(design.left()), scaled(design.top())), widget->size()), 0});
            continue;
        }
        QRect pixels = pixelRect(design);
        int extra = 0;
        if (design.width() > 0 && design.height() > 0) {
            bool whole = false;
            pixels = grownRect(widget, design, pixels, &whole);
            // A caption that needs more than the free room below it keeps the
            // designed gap: its box grows from its designed height, and what
            // stands below moves by all of the difference.
            const int missing = whole ? 0 : shortfall(widget, pixels.size());
            if (missing > 0)
                pixels.setHeight(pixelRect(design).height());
            extra = std::max(layOut(widget, {}), missing > 0 ? shortfall(widget, pixels.size()) : 0);
        }
        placed.push_back({widget, design, pixels, extra});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed &a, const Placed &b) { return a.design.top() < b.design.top(); });
    int before = 0;
    for (const Placed &p : placed)
        before = std::max(before, p.widget->isHidden() ? 0 : p.pixels.bottom() + 1);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const int extra = placed[i].extra;
        if (extra <= 0 || placed[i].widget->isHidden())
            continue;
        // A pixel's overlap by design does not make a control stand below.
        const int below = placed[i].design.top() + placed[i].design.height() - int(TwipsPerPixelAtFull);
        std::vector<std::pair<int, int>> columns{{placed[i].pixels.left(), placed[i].pixels.right()}};
        placed[i].pixels.setHeight(placed[i].pixels.height() + extra);
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            Placed &other = placed[j];
            const bool underneath = std::any_of(columns.begin(), columns.end(), [&other](const auto &column) {
                return other.pixels.left() <= column.second && other.pixels.right() >= column.first;
            });
            if (other.design.top() >= below && underneath) {
                other.pixels.translate(0, extra);
                columns.emplace_back(other.pixels.left(), other.pixels.right());
            }
        }
    }
    int after = 0;
    for (Placed &p : placed) {
        p.widget->setGeometry(p.pixels.translated(offset));
        after = std::max(after, p.widget->isHidden() ? 0 : p.pixels.bottom() + 1);
    }
    const QVariant design = container->property(DesignRectKey);
    const int designed = design.isValid() ? scaled(design.toRect().height()) : container->height();
    return std::max(0, after - std::max(before, designed));
}

} // namespace

int applyZoom(QWidget *root, QPoint offset)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->isWindow() || !widget->testAttribute(Qt::WA_SetFont))
            continue;
        QVariant designSize = widget->property(DesignPointSizeKey);
        if (!designSize.isValid()) {
            designSize = widget->font().pointSizeF();
            widget->setProperty(DesignPointSizeKey, designSize);
        }
        QFont font = widget->font();
        font.setPointSizeF(designSize.toDouble() * zoom());
        if (font != widget->font())
            widget->setFont(font);
    }
    return layOut(root, offset);
}

} // namespace runtime
