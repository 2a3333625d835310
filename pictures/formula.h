// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/colours.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

namespace pictures {

// A fixed picture, drawn with vector operations so it stays crisp at any
// scale. Its natural size is in layout units (pixels at the base font size).
class Drawing
{
public:
    virtual ~Drawing() = default;
    virtual QSizeF size() const = 0;
    // Paints into the rectangle (0, 0, size()).
    virtual void paint(QPainter &painter) const = 0;
};
using DrawingPtr = std::shared_ptr<const Drawing>;

// Formulas are laid out from their own font metrics: subscripts,
// superscripts, fraction bars and brackets are placed by measuring the text,
// so they sit right whatever font the machine has.
struct Metrics {
    double width{0};
    double ascent{0};
    double descent{0};
};

class Item
{
public:
    virtual ~Item() = default;
    virtual Metrics measure(const QFont &font) const = 0;
    virtual void paint(QPainter &painter, QPointF baseline, const QFont &font) const = 0;
};
using Node = std::shared_ptr<const Item>;

// Text in the program's sub/superscript notation: a subscript between
// underscores, a superscript between carets ("H_2_O", "[NO]^2^"); "->" is a
// drawn reaction arrow.
Node text(const QString &markup);
Node row(std::vector<Node> items);
Node fraction(Node numerator, Node denominator);
enum class Bracket { Round, Square };
// Brackets as tall as their content, with an optional power at the top right.
Node brackets(Node inner, Bracket kind, Node power = nullptr);
// A drawn reaction arrow, in ems.
Node arrow(double lengthEms = 2.0);

struct Style {
    QColor colour{runtime::designColour(runtime::DesignColour::Blue)};
    double pixelSize{16.0};
    bool bold{false};
};

class Formula : public Drawing
{
public:
    explicit Formula(Node root, Style style = {});
    QSizeF size() const override;
    void paint(QPainter &painter) const override;

private:
    QFont font() const;
    Node m_root;
    Style m_style;
    Metrics m_metrics;
};

DrawingPtr formula(Node root, Style style = {});
DrawingPtr formula(const QString &markup, Style style = {});
// The drawing turned a quarter to the left, to read upwards.
DrawingPtr turnedUp(DrawingPtr drawing);

QFont baseFont(double pixelSize);

} // namespace pictures
