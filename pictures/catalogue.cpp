// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "runtime/colours.h"

#include <QFontMetricsF>
#include <QPainter>

namespace pictures {

QColor purple()
{
    return runtime::designColour(runtime::DesignColour::Purple);
}

Style titleStyle(QColor colour)
{
    Style style;
    style.colour = colour;
    style.bold = true;
    return style;
}

Described title(const QString &words, QColor colour)
{
    return {formula(words, titleStyle(colour)), words};
}

Described reactionAB()
{
    return {formula(QStringLiteral("A + B -> C")), QStringLiteral("A plus B reacts to give C")};
}

Described reactionA()
{
    return {formula(QStringLiteral("A -> C")), QStringLiteral("A reacts to give C")};
}

Described generalRateLaw(const QString &rateWord)
{
    return {formula(rateWord + QStringLiteral(" = k[A]^orderA^[B]^orderB^")),
            rateWord + QStringLiteral(" equals k times the concentration of A to the power order A "
                                      "times the concentration of B to the power order B")};
}

Described rateLawOfA()
{
    return {formula(QStringLiteral("rate = k[A]^orderA^")),
            QStringLiteral("rate equals k times the concentration of A to the power order A")};
}

Described solveForK()
{
    return {formula(row({text(QStringLiteral("k = ")),
                         fraction(text(QStringLiteral("rate")), text(QStringLiteral("[A]^orderA^[B]^orderB^")))})),
            QStringLiteral("k equals rate divided by the concentration of A to the power order A "
                           "times the concentration of B to the power order B")};
}

Described rateRatioEquation(int first, int second)
{
    const QString i = QString::number(first);
    const QString j = QString::number(second);
    const Node left = fraction(text(QStringLiteral("rate_%1_").arg(i)), text(QStringLiteral("rate_%1_").arg(j)));
    const Node inner = fraction(text(QStringLiteral("[reactant]_%1_").arg(i)),
                                text(QStringLiteral("[reactant]_%1_").arg(j)));
    return {formula(row({left, text(QStringLiteral(" = ")), brackets(inner, Bracket::Square, text(QStringLiteral("order")))})),
            QStringLiteral("rate %1 over rate %2 equals the ratio of the reactant concentrations "
                           "in trials %1 and %2, raised to the power order")
                .arg(i, j)};
}

Described orderFormula(int first, int second)
{
    const QString i = QString::number(first);
    const QString j = QString::number(second);
    const Node rates = fraction(text(QStringLiteral("rate_%1_").arg(i)), text(QStringLiteral("rate_%1_").arg(j)));
    const Node concs = fraction(text(QStringLiteral("[reactant]_%1_").arg(i)),
                                text(QStringLiteral("[reactant]_%1_").arg(j)));
    const Node top = row({text(QStringLiteral("log")), brackets(rates, Bracket::Round)});
    const Node bottom = row({text(QStringLiteral("log")), brackets(concs, Bracket::Round)});
    return {formula(row({text(QStringLiteral("order = ")), fraction(top, bottom)})),
            QStringLiteral("order equals the logarithm of rate %1 over rate %2, divided by the "
                           "logarithm of the reactant concentration in trial %1 over that in trial %2")
                .arg(i, j)};
}

Described exampleEquation()
{
    return {formula(QStringLiteral("2 NO(g) + 2 H_2_(g) -> N_2_(g) + 2 H_2_O(g)")),
            QStringLiteral("2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas")};
}

Described exampleRateLaw()
{
    return {formula(QStringLiteral("Rate = 6.32 [NO]^2^ [H_2_]")),
            QStringLiteral("Rate equals 6.32 times the concentration of NO squared times the "
                           "concentration of H2")};
}

Described exampleRateLawWithK()
{
    return {formula(QStringLiteral("Rate = k[NO]^2^ [H_2_]")),
            QStringLiteral("Rate equals k times the concentration of NO squared times the "
                           "concentration of H2")};
}

namespace {

// Four trials under three column heads, with a rule under the heads; the
// rows of trials 1 and 4 are shaded.
class ExampleTable : public Drawing
{
public:
    QSizeF size() const override { return {Width, Height}; }

    void paint(QPainter &painter) const override
    {
        static const char *const heads[] = {"[A], mol/L", "[B], mol/L", "rate, mol/L-min"};
        static const char *const values[4][3] = {{".405", ".645", ".6708623"},
                                                 {".784", ".472", "2.513943"},
                                                 {".183", ".645", ".13697"},
                                                 {".405", ".981", ".6708623"}};
        static const double columns[] = {0, 62, 130, 198};
        const QColor blue = runtime::designColour(runtime::DesignColour::Blue);
        const QColor darkGrey = runtime::designColour(runtime::DesignColour::Muted);
        const QFont font = baseFont(12);
        const QFontMetricsF metrics(font);
        painter.save();
        painter.setFont(font);
        for (int rowIndex : {0, 3})
            painter.fillRect(QRectF(0, rowTop(rowIndex), Width, RowHeight), runtime::designColour(runtime::DesignColour::Shade));
        painter.setPen(blue);
        for (int c = 0; c < 3; ++c)
            painter.drawText(QPointF(columns[c + 1], metrics.ascent() + 2), QString::fromLatin1(heads[c]));
        painter.fillRect(QRectF(0, HeadHeight - 3, Width, 1), blue);
        for (int r = 0; r < 4; ++r) {
            const double baseline = rowTop(r) + (RowHeight + metrics.ascent() - metrics.descent()) / 2;
            painter.setPen(blue);
            painter.drawText(QPointF(2, baseline), QStringLiteral("Trial %1").arg(r + 1));
            painter.setPen(darkGrey);
            for (int c = 0; c < 3; ++c)
                painter.drawText(QPointF(columns[c + 1], baseline), QString::fromLatin1(values[r][c]));
        }
        painter.restore();
    }

private:
    static constexpr double Width = 290;
    static constexpr double HeadHeight = 24;
    static constexpr double RowHeight = 24;
    static constexpr double Height = HeadHeight + 4 * RowHeight + 4;
    static double rowTop(int row) { return HeadHeight + 2 + row * RowHeight; }
};

} // namespace

Described initialRatesExampleTable()
{
    return {std::make_shared<ExampleTable>(),
            QStringLiteral("Table of four trials. Trial 1: [A] .405, [B] .645, rate .6708623. "
                           "Trial 2: [A] .784, [B] .472, rate 2.513943. Trial 3: [A] .183, [B] .645, "
                           "rate .13697. Trial 4: [A] .405, [B] .981, rate .6708623. "
                           "Trials 1 and 4 are shaded.")};
}

} // namespace pictures
