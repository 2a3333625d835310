// SPDX-License-Identifier: GPL-3.0-or-later
#include "designlayout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

namespace runtime {

DesignLayout::DesignLayout(QWidget *container)
    : QLayout(container)
{
    setObjectName(QStringLiteral("design"));
    setContentsMargins(0, 0, 0, 0);
    // The controls keep the sizes they are given; the container too.
    setSizeConstraint(QLayout::SetNoConstraint);
}

DesignLayout *DesignLayout::of(const QWidget *container)
{
    return container ? qobject_cast<DesignLayout *>(container->layout()) : nullptr;
}

DesignLayout *DesignLayout::on(QWidget *container)
{
    // A container of placed controls has no other layout.
    Q_ASSERT(!container->layout() || of(container));
    DesignLayout *layout = of(container);
    return layout ? layout : new DesignLayout(container);
}

DesignLayout::Entry *DesignLayout::entryOf(const QWidget *widget)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [widget](const Entry &e) { return e.item->widget() == widget; });
    return found == m_entries.end() ? nullptr : &*found;
}

DesignLayout::Design *DesignLayout::designOf(const QWidget *widget)
{
    Entry *entry = entryOf(widget);
    return entry ? &entry->design : nullptr;
}

void DesignLayout::place(QWidget *widget, const Design &design)
{
    Entry *entry = entryOf(widget);
    if (!entry) {
        // An item of its own, not addWidget: the control stays as it is,
        // shown or hidden.
        m_entries.push_back({std::make_unique<QWidgetItem>(widget), {}, {}});
        entry = &m_entries.back();
    }
    entry->design = design;
}

void DesignLayout::addItem(QLayoutItem *item)
{
    // Only controls placed at a design belong here.
    delete item;
}

QLayoutItem *DesignLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_entries.at(std::size_t(index)).item.get() : nullptr;
}

QLayoutItem *DesignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem *item = m_entries.at(std::size_t(index)).item.release();
    m_entries.erase(m_entries.begin() + index);
    return item;
}

int DesignLayout::count() const
{
    return int(m_entries.size());
}

QSize DesignLayout::sizeHint() const
{
    return {scaled(m_designSize.width()), scaled(m_designSize.height())};
}

QSize DesignLayout::minimumSize() const
{
    return sizeHint() * (MinZoom / zoom());
}

void DesignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    // A screen (a container with a designed size of its own) centres its
    // content itself as it lays it out; a frame on it holds its controls
    // from its own corner.
    if (parentWidget() && !m_designSize.isValid())
        arrange();
}

void DesignLayout::invalidate()
{
    if (parentWidget() && parentWidget()->isVisible())
        QCoreApplication::postEvent(parentWidget(), new QEvent(QEvent::LayoutRequest));
}

qreal DesignLayout::designPointSize(QWidget *widget)
{
    const auto found = m_pointSizes.constFind(widget);
    if (found != m_pointSizes.constEnd())
        return *found;
    const qreal size = widget->font().pointSizeF();
    m_pointSizes.insert(widget, size);
    connect(widget, &QObject::destroyed, this, [this, widget] { m_pointSizes.remove(widget); });
    return size;
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

} // namespace

// The room a control may grow into: up to its container's edge and short of
// the nearest sibling to its right, below or to its left that it does not
// already overlap by design.
DesignLayout::Room DesignLayout::roomToGrow(const QWidget *widget, const QRect &design) const
{
    const QRect bounds(QPoint(0, 0), designRect(parentWidget()).size());
    // A pixel short of the container's edge, which may carry its border.
    int right = bounds.right() + 1 - TwipsPerPixel;
    int bottom = bounds.bottom() + 1 - TwipsPerPixel;
    int left = TwipsPerPixel;
    for (const Entry &entry : m_entries) {
        const QWidget *sibling = entry.item->widget();
        if (sibling == widget || sibling->isWindow())
            continue;
        QRect other = entry.design.twips;
        if (entry.design.selfSizing)
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
// taken), a wrapping box of several lines down.
QRect DesignLayout::grownRect(Entry &entry, const QRect &pixels, bool *whole) const
{
    *whole = false;
    const QWidget *widget = entry.item->widget();
    const QRect &design = entry.design.twips;
    const QSize size = pixels.size();
    const auto *label = qobject_cast<const QLabel *>(widget);
    const bool wraps = label ? label->wordWrap() : widget->hasHeightForWidth();
    const bool button = widget->inherits("QAbstractButton");
    if (!label && !button) {
        // Other controls may ask for a least size, as pictures do.
        const QSize least = entry.design.keepsLeastSize ? widget->minimumSizeHint() : QSize();
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
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6")
                            .arg(caption, widget->font().key())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(frame)
                            .arg(wraps ? (label ? 'w' : 'b') : 'n');
    if (entry.wholeAt == key) {
        *whole = true;
        return pixels;
    }
    const QFontMetrics metrics = widget->fontMetrics();
    const QSize oneLine = label && wraps ? metrics.size(0, label->text()) + QSize(frame, frame) : widget->sizeHint();
    const int edge = label ? frame : 2;
    // The least width that shows the caption whole: its widest line, wrapped
    // at the box's width where it wraps.
    const auto leastWidth = [&](int flags, int width) {
        return metrics
                   .boundingRect(QRect(0, 0, std::max(1, width - edge), 10000), flags | Qt::TextShowMnemonic, caption)
                   .width()
               + edge;
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
        entry.wholeAt = key;
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

int DesignLayout::arrange(QPoint offset)
{
    // In the container's order of its children, which ties between
    // controls at the same height follow.
    QHash<const QObject *, Entry *> entries;
    for (Entry &entry : m_entries)
        entries.insert(entry.item->widget(), &entry);
    std::vector<Placed> placed;
    for (QObject *child : parentWidget()->children()) {
        Entry *found = entries.value(child);
        if (!found || found->item->widget()->isWindow())
            continue;
        Entry &entry = *found;
        QWidget *widget = entry.item->widget();
        const QRect design = entry.design.twips;
        if (entry.design.selfSizing) {
            // Sized by its own caption; it moves with what stands above it.
            widget->adjustSize();
            placed.push_back(
                {widget, design, QRect(QPoint(scaled(design.left()), scaled(design.top())), widget->size()), 0});
            continue;
        }
        QRect pixels = scaledRect(design);
        int extra = 0;
        if (design.width() > 0 && design.height() > 0) {
            bool whole = false;
            pixels = grownRect(entry, pixels, &whole);
            // A caption that needs more than the free room below it keeps the
            // designed gap: its box grows from its designed height, and what
            // stands below moves by all of the difference.
            const int missing = whole ? 0 : shortfall(widget, pixels.size());
            if (missing > 0)
                pixels.setHeight(scaledRect(design).height());
            DesignLayout *inner = of(widget);
            extra = std::max(inner ? inner->arrange() : 0, missing > 0 ? shortfall(widget, pixels.size()) : 0);
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
        const int below = placed[i].design.top() + placed[i].design.height() - TwipsPerPixel;
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
    const QWidget *container = parentWidget();
    const int designed = hasDesign(container) ? scaled(designRect(container).height()) : container->height();
    m_extra = std::max(0, after - std::max(before, designed));
    return m_extra;
}

bool DesignLayout::rearrange()
{
    const int before = m_extra;
    return arrange() == before;
}

namespace {

// The design of a placed control, kept by its container's layout.
DesignLayout::Design *designOf(const QWidget *widget)
{
    DesignLayout *layout = DesignLayout::of(widget->parentWidget());
    return layout ? layout->designOf(widget) : nullptr;
}

} // namespace

void place(QWidget *widget, int left, int top, int width, int height)
{
    const QRect twips(left, top, width, height);
    if (QWidget *container = widget->parentWidget()) {
        const DesignLayout::Design *before = designOf(widget);
        DesignLayout::on(container)->place(widget, {twips, false, before && before->keepsLeastSize});
    }
    widget->setGeometry(scaledRect(twips));
}

void placeAt(QWidget *widget, int left, int top)
{
    if (QWidget *container = widget->parentWidget())
        DesignLayout::on(container)->place(widget, {QRect(left, top, 0, 0), true, false});
    widget->move(scaled(left), scaled(top));
    widget->adjustSize();
}

void keepLeastSize(QWidget *widget)
{
    if (DesignLayout::Design *design = designOf(widget))
        design->keepsLeastSize = true;
}

void setLeft(QWidget *widget, int left)
{
    DesignLayout::Design *design = designOf(widget);
    const int dx = scaled(left) - scaled(designRect(widget).left());
    if (design)
        design->twips.moveLeft(left);
    widget->move(widget->x() + dx, widget->y());
}

void setTop(QWidget *widget, int top)
{
    DesignLayout::Design *design = designOf(widget);
    const int dy = scaled(top) - scaled(designRect(widget).top());
    if (design)
        design->twips.moveTop(top);
    widget->move(widget->x(), widget->y() + dy);
}

int leftOf(const QWidget *widget)
{
    return designRect(widget).left();
}

int rightOf(const QWidget *widget)
{
    const QRect design = designRect(widget);
    const DesignLayout::Design *placed = designOf(widget);
    if (placed && placed->selfSizing)
        return design.left() + int(std::lround(unscaled(widget->width())));
    return design.left() + design.width();
}

void setDesignSize(QWidget *widget, QSize twips)
{
    DesignLayout::on(widget)->setDesignSize(twips);
}

bool hasDesign(const QWidget *widget)
{
    const DesignLayout *own = DesignLayout::of(widget);
    return designOf(widget) || (own && own->designSize().isValid());
}

QRect designRect(const QWidget *widget)
{
    if (const DesignLayout::Design *design = designOf(widget))
        return design->twips;
    if (const DesignLayout *own = DesignLayout::of(widget); own && own->designSize().isValid())
        return QRect(QPoint(0, 0), own->designSize());
    // Never placed: where it stands now.
    return QRect(QPoint(int(unscaled(widget->x())), int(unscaled(widget->y()))),
                 QSize(int(unscaled(widget->width())), int(unscaled(widget->height()))));
}

int applyZoom(QWidget *root, QPoint offset)
{
    DesignLayout *layout = DesignLayout::on(root);
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->isWindow() || !widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        font.setPointSizeF(layout->designPointSize(widget) * zoom());
        if (font != widget->font())
            widget->setFont(font);
    }
    return layout->arrange(offset);
}

} // namespace runtime
