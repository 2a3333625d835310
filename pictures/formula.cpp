// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace pictures {

namespace {

constexpr double ScriptScale = 0.7;

QFont scriptFont(const QFont &font)
{
    QFont f = font;
    f.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * ScriptScale))));
    return f;
}

double em(const QFont &font)
{
    return font.pixelSize();
}

// A run of text at one level: normal, subscript or superscript.
struct Run {
    enum class Level { Normal, Sub, Super } level;
    QString text;
};

class TextItem : public Item
{
public:
    explicit TextItem(std::vector<Run> runs)
        : m_runs(std::move(runs))
    {}

    Metrics measure(const QFont &font) const override
    {
        Metrics m;
        const QFontMetricsF normal(font);
        const QFontMetricsF script(scriptFont(font));
        m.ascent = normal.ascent();
        m.descent = normal.descent();
        for (const Run &run : m_runs) {
            if (run.level == Run::Level::Normal) {
                m.width += normal.horizontalAdvance(run.text);
            } else {
                m.width += script.horizontalAdvance(run.text) + scriptGap(font);
                const double shift = offset(run.level, font);
                m.ascent = std::max(m.ascent, script.ascent() - shift);
                m.descent = std::max(m.descent, script.descent() + shift);
            }
        }
        return m;
    }

    void paint(QPainter &painter, QPointF baseline, const QFont &font) const override
    {
        const QFont small = scriptFont(font);
        const QFontMetricsF normal(font);
        const QFontMetricsF script(small);
        double x = baseline.x();
        for (const Run &run : m_runs) {
            if (run.level == Run::Level::Normal) {
                painter.setFont(font);
                painter.drawText(QPointF(x, baseline.y()), run.text);
                x += normal.horizontalAdvance(run.text);
            } else {
                painter.setFont(small);
                painter.drawText(QPointF(x, baseline.y() + offset(run.level, font)), run.text);
                x += script.horizontalAdvance(run.text) + scriptGap(font);
            }
        }
    }

    // A little room after a script, so "[A]^orderA^[B]" does not run together.
    static double scriptGap(const QFont &font) { return 0.08 * em(font); }

    // Downwards shift of a run's baseline, from the normal baseline.
    static double offset(Run::Level level, const QFont &font)
    {
        switch (level) {
        case Run::Level::Sub:
            return 0.22 * em(font);
        case Run::Level::Super:
            return -0.42 * em(font);
        case Run::Level::Normal:
            break;
        }
        return 0.0;
    }

private:
    std::vector<Run> m_runs;
};

class RowItem : public Item
{
public:
    explicit RowItem(std::vector<Node> items)
        : m_items(std::move(items))
    {}

    Metrics measure(const QFont &font) const override
    {
        Metrics m;
        for (const Node &item : m_items) {
            const Metrics part = item->measure(font);
            m.width += part.width;
            m.ascent = std::max(m.ascent, part.ascent);
            m.descent = std::max(m.descent, part.descent);
        }
        return m;
    }

    void paint(QPainter &painter, QPointF baseline, const QFont &font) const override
    {
        double x = baseline.x();
        for (const Node &item : m_items) {
            item->paint(painter, QPointF(x, baseline.y()), font);
            x += item->measure(font).width;
        }
    }

private:
    std::vector<Node> m_items;
};

// The height above the baseline of a fraction bar: the middle of the lower
// case letters.
double axis(const QFont &font)
{
    return QFontMetricsF(font).xHeight() / 2.0;
}

double ruleWidth(const QFont &font)
{
    return std::max(1.0, 0.06 * em(font));
}

class FractionItem : public Item
{
public:
    FractionItem(Node numerator, Node denominator)
        : m_num(std::move(numerator))
        , m_den(std::move(denominator))
    {}

    Metrics measure(const QFont &font) const override
    {
        const Metrics n = m_num->measure(font);
        const Metrics d = m_den->measure(font);
        const double gap = 0.12 * em(font);
        const double pad = 0.15 * em(font);
        return {std::max(n.width, d.width) + 2 * pad, axis(font) + gap + n.descent + n.ascent,
                d.ascent + d.descent + gap - axis(font)};
    }

    void paint(QPainter &painter, QPointF baseline, const QFont &font) const override
    {
        const Metrics n = m_num->measure(font);
        const Metrics d = m_den->measure(font);
        const Metrics all = measure(font);
        const double gap = 0.12 * em(font);
        const double barY = baseline.y() - axis(font);
        const double pad = 0.15 * em(font);
        painter.fillRect(
            QRectF(baseline.x() + pad * 0.3, barY - ruleWidth(font) / 2, all.width - pad * 0.6, ruleWidth(font)),
            painter.pen().color());
        m_num->paint(painter, QPointF(baseline.x() + (all.width - n.width) / 2, barY - gap - n.descent), font);
        m_den->paint(painter, QPointF(baseline.x() + (all.width - d.width) / 2, barY + gap + d.ascent), font);
    }

private:
    Node m_num;
    Node m_den;
};

class BracketItem : public Item
{
public:
    BracketItem(Node inner, Bracket kind, Node power)
        : m_inner(std::move(inner))
        , m_kind(kind)
        , m_power(std::move(power))
    {}

    Metrics measure(const QFont &font) const override
    {
        const Metrics in = m_inner->measure(font);
        const double extra = 0.08 * em(font);
        Metrics m{in.width + 2 * bracketWidth(font), in.ascent + extra, in.descent + extra};
        if (m_power) {
            const QFont small = scriptFont(font);
            const Metrics p = m_power->measure(small);
            m.width += p.width + 0.05 * em(font);
            // The power's baseline sits a little below the bracket's top.
            m.ascent = std::max(m.ascent, m.ascent - 0.3 * em(font) + p.ascent);
        }
        return m;
    }

    void paint(QPainter &painter, QPointF baseline, const QFont &font) const override
    {
        const Metrics in = m_inner->measure(font);
        const double extra = 0.08 * em(font);
        const double top = baseline.y() - in.ascent - extra;
        const double bottom = baseline.y() + in.descent + extra;
        const double bw = bracketWidth(font);
        const double left = baseline.x();
        const double right = left + bw + in.width + bw;
        drawBracket(painter, left, top, bottom, bw, true, font);
        m_inner->paint(painter, QPointF(left + bw, baseline.y()), font);
        drawBracket(painter, right - bw, top, bottom, bw, false, font);
        if (m_power) {
            const QFont small = scriptFont(font);
            m_power->paint(painter, QPointF(right + 0.05 * em(font), top + 0.3 * em(font)), small);
        }
    }

private:
    double bracketWidth(const QFont &font) const { return (m_kind == Bracket::Square ? 0.3 : 0.4) * em(font); }

    void drawBracket(QPainter &painter, double x, double top, double bottom, double w, bool opening,
                     const QFont &font) const
    {
        const double stroke = ruleWidth(font);
        QPen pen(painter.pen().color(), stroke);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.save();
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        QPainterPath path;
        const double inner = opening ? x + w * 0.75 : x + w * 0.25;
        const double outer = opening ? x + w * 0.25 : x + w * 0.75;
        if (m_kind == Bracket::Square) {
            path.moveTo(inner, top);
            path.lineTo(outer, top);
            path.lineTo(outer, bottom);
            path.lineTo(inner, bottom);
        } else {
            // A cubic whose middle reaches the outer edge.
            const double control = (4 * outer - inner) / 3;
            const double h = bottom - top;
            path.moveTo(inner, top);
            path.cubicTo(control, top + h * 0.2, control, bottom - h * 0.2, inner, bottom);
        }
        painter.drawPath(path);
        painter.restore();
    }

    Node m_inner;
    Bracket m_kind;
    Node m_power;
};

class ArrowItem : public Item
{
public:
    explicit ArrowItem(double ems)
        : m_ems(ems)
    {}

    Metrics measure(const QFont &font) const override { return {m_ems * em(font), axis(font) + 0.2 * em(font), 0}; }

    void paint(QPainter &painter, QPointF baseline, const QFont &font) const override
    {
        const double y = baseline.y() - axis(font);
        const double margin = 0.2 * em(font);
        const double left = baseline.x() + margin;
        const double right = baseline.x() + m_ems * em(font) - margin;
        const double head = 0.28 * em(font);
        painter.save();
        painter.setPen(QPen(painter.pen().color(), ruleWidth(font)));
        painter.drawLine(QPointF(left, y), QPointF(right - head * 0.5, y));
        QPainterPath tip;
        tip.moveTo(right, y);
        tip.lineTo(right - head, y - head * 0.45);
        tip.lineTo(right - head, y + head * 0.45);
        tip.closeSubpath();
        painter.fillPath(tip, painter.pen().color());
        painter.restore();
    }

private:
    double m_ems;
};

class TurnedDrawing : public Drawing
{
public:
    explicit TurnedDrawing(DrawingPtr inner)
        : m_inner(std::move(inner))
    {}
    QSizeF size() const override { return m_inner->size().transposed(); }
    void paint(QPainter &painter) const override
    {
        painter.save();
        painter.translate(0, m_inner->size().width());
        painter.rotate(-90);
        m_inner->paint(painter);
        painter.restore();
    }

private:
    DrawingPtr m_inner;
};

} // namespace

Node text(const QString &markup)
{
    std::vector<Node> parts;
    std::vector<Run> runs;
    Run current{Run::Level::Normal, {}};
    auto flush = [&] {
        if (!current.text.isEmpty())
            runs.push_back(current);
        current.text.clear();
    };
    for (qsizetype i = 0; i < markup.size(); ++i) {
        const QChar c = markup.at(i);
        if (c == u'_' || c == u'^') {
            const Run::Level level = c == u'_' ? Run::Level::Sub : Run::Level::Super;
            flush();
            current.level = current.level == level ? Run::Level::Normal : level;
        } else if (c == u'-' && i + 1 < markup.size() && markup.at(i + 1) == u'>') {
            flush();
            if (!runs.empty())
                parts.push_back(std::make_shared<TextItem>(std::move(runs)));
            runs.clear();
            parts.push_back(arrow());
            ++i;
        } else {
            current.text += c;
        }
    }
    flush();
    if (!runs.empty())
        parts.push_back(std::make_shared<TextItem>(std::move(runs)));
    if (parts.size() == 1)
        return parts.front();
    return row(std::move(parts));
}

Node row(std::vector<Node> items)
{
    return std::make_shared<RowItem>(std::move(items));
}

Node fraction(Node numerator, Node denominator)
{
    return std::make_shared<FractionItem>(std::move(numerator), std::move(denominator));
}

Node brackets(Node inner, Bracket kind, Node power)
{
    return std::make_shared<BracketItem>(std::move(inner), kind, std::move(power));
}

Node arrow(double lengthEms)
{
    return std::make_shared<ArrowItem>(lengthEms);
}

QFont baseFont(double pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    return font;
}

Formula::Formula(Node root, Style style)
    : m_root(std::move(root))
    , m_style(style)
{
    m_metrics = m_root->measure(font());
}

QFont Formula::font() const
{
    QFont f = baseFont(m_style.pixelSize);
    f.setBold(m_style.bold);
    return f;
}

QSizeF Formula::size() const
{
    return {m_metrics.width, m_metrics.ascent + m_metrics.descent};
}

void Formula::paint(QPainter &painter) const
{
    painter.save();
    painter.setPen(m_style.colour);
    m_root->paint(painter, QPointF(0, m_metrics.ascent), font());
    painter.restore();
}

DrawingPtr formula(Node root, Style style)
{
    return std::make_shared<Formula>(std::move(root), style);
}

DrawingPtr formula(const QString &markup, Style style)
{
    return formula(text(markup), style);
}

DrawingPtr turnedUp(DrawingPtr drawing)
{
    return std::make_shared<TurnedDrawing>(std::move(drawing));
}

} // namespace pictures
