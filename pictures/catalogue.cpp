// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "runtime/colours.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

// The words in the pictures and the descriptions of what they show are
// translated in the "pictures" context. A translation keeps the markup:
// subscripts between underscores, superscripts between carets, "->" for the
// reaction arrow, and the numbers as they are.
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

Described title(const QString &words, const char *designedWords, QColor colour)
{
    const QString designed = QString::fromUtf8(designedWords);
    return {formula(words, titleStyle(colour)), words,
            words == designed ? QSizeF() : formula(designed, titleStyle(colour))->size()};
}

Described reactionAB()
{
    return {formula(QCoreApplication::translate("pictures", "A + B -> C")),
            QCoreApplication::translate("pictures", "A plus B reacts to give C")};
}

Described reactionA()
{
    return {formula(QCoreApplication::translate("pictures", "A -> C")),
            QCoreApplication::translate("pictures", "A reacts to give C")};
}

Described generalRateLaw(RateWord word)
{
    if (word == RateWord::Capital) {
        //: Picture markup: a superscript stands between carets.
        return {formula(QCoreApplication::translate("pictures", "Rate = k[A]^orderA^[B]^orderB^")),
                QCoreApplication::translate("pictures", "Rate equals k times the concentration of A to the power "
                                                        "order A times the concentration of B to the power order B")};
    }
    //: Picture markup: a superscript stands between carets.
    return {formula(QCoreApplication::translate("pictures", "rate = k[A]^orderA^[B]^orderB^")),
            QCoreApplication::translate("pictures", "rate equals k times the concentration of A to the power "
                                                    "order A times the concentration of B to the power order B")};
}

Described rateLawOfA()
{
    return {formula(QCoreApplication::translate("pictures", "rate = k[A]^orderA^")),
            QCoreApplication::translate("pictures", "rate equals k times the concentration of A to the power order A")};
}

Described solveForK()
{
    return {formula(row({text(QCoreApplication::translate("pictures", "k = ")),
                         fraction(text(QCoreApplication::translate("pictures", "rate")),
                                  text(QCoreApplication::translate("pictures", "[A]^orderA^[B]^orderB^")))})),
            QCoreApplication::translate("pictures", "k equals rate divided by the concentration of A to the power "
                                                    "order A times the concentration of B to the power order B")};
}

namespace {

//: Picture markup: the rate of trial %1, the number as a subscript between underscores.
QString rateOfTrial(const QString &trial)
{
    return QCoreApplication::translate("pictures", "rate_%1_").arg(trial);
}

//: Picture markup: the reactant's concentration in trial %1, the number as a subscript.
QString concentrationInTrial(const QString &trial)
{
    return QCoreApplication::translate("pictures", "[reactant]_%1_").arg(trial);
}

} // namespace

Described rateRatioEquation(int first, int second)
{
    const QString i = QString::number(first);
    const QString j = QString::number(second);
    const Node left = fraction(text(rateOfTrial(i)), text(rateOfTrial(j)));
    const Node inner = fraction(text(concentrationInTrial(i)), text(concentrationInTrial(j)));
    return {formula(row({left, text(QStringLiteral(" = ")),
                         brackets(inner, Bracket::Square, text(QCoreApplication::translate("pictures", "order")))})),
            QCoreApplication::translate("pictures", "rate %1 over rate %2 equals the ratio of the reactant "
                                                    "concentrations in trials %1 and %2, raised to the power order")
                .arg(i, j)};
}

Described orderFormula(int first, int second)
{
    const QString i = QString::number(first);
    const QString j = QString::number(second);
    const Node rates = fraction(text(rateOfTrial(i)), text(rateOfTrial(j)));
    const Node concs = fraction(text(concentrationInTrial(i)), text(concentrationInTrial(j)));
    const QString log = QCoreApplication::translate("pictures", "log");
    const Node top = row({text(log), brackets(rates, Bracket::Round)});
    const Node bottom = row({text(log), brackets(concs, Bracket::Round)});
    return {formula(row({text(QCoreApplication::translate("pictures", "order = ")), fraction(top, bottom)})),
            QCoreApplication::translate("pictures", "order equals the logarithm of rate %1 over rate %2, divided by "
                                                    "the logarithm of the reactant concentration in trial %1 over "
                                                    "that in trial %2")
                .arg(i, j)};
}

Described exampleEquation()
{
    //: Picture markup: a subscript stands between underscores.
    return {formula(QCoreApplication::translate("pictures", "2 NO(g) + 2 H_2_(g) -> N_2_(g) + 2 H_2_O(g)")),
            QCoreApplication::translate("pictures", "2 NO gas plus 2 H2 gas react to give N2 gas plus 2 H2O gas")};
}

Described exampleRateLaw()
{
    return {formula(QCoreApplication::translate("pictures", "Rate = 6.32 [NO]^2^ [H_2_]")),
            QCoreApplication::translate("pictures", "Rate equals 6.32 times the concentration of NO squared times "
                                                    "the concentration of H2")};
}

Described exampleRateLawWithK()
{
    return {formula(QCoreApplication::translate("pictures", "Rate = k[NO]^2^ [H_2_]")),
            QCoreApplication::translate("pictures", "Rate equals k times the concentration of NO squared times the "
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
        static const char *const heads[] = {QT_TRANSLATE_NOOP("pictures", "[A], mol/L"),
                                            QT_TRANSLATE_NOOP("pictures", "[B], mol/L"),
                                            QT_TRANSLATE_NOOP("pictures", "rate, mol/L-min")};
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
            painter.fillRect(QRectF(0, rowTop(rowIndex), Width, RowHeight),
                             runtime::designColour(runtime::DesignColour::Shade));
        painter.setPen(blue);
        for (int c = 0; c < 3; ++c)
            painter.drawText(QPointF(columns[c + 1], metrics.ascent() + 2),
                             QCoreApplication::translate("pictures", heads[c]));
        painter.fillRect(QRectF(0, HeadHeight - 3, Width, 1), blue);
        for (int r = 0; r < 4; ++r) {
            const double baseline = rowTop(r) + (RowHeight + metrics.ascent() - metrics.descent()) / 2;
            painter.setPen(blue);
            painter.drawText(QPointF(2, baseline), QCoreApplication::translate("pictures", "Trial %1").arg(r + 1));
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
            QCoreApplication::translate("pictures", "Table of four trials. Trial 1: [A] .405, [B] .645, rate "
                                                    ".6708623. Trial 2: [A] .784, [B] .472, rate 2.513943. Trial 3: "
                                                    "[A] .183, [B] .645, rate .13697. Trial 4: [A] .405, [B] .981, "
                                                    "rate .6708623. Trials 1 and 4 are shaded.")};
}

} // namespace pictures
