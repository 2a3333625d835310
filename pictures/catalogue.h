// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/formula.h"

#include <QColor>
#include <QString>

namespace pictures {

// A picture and the words that say what it shows.
struct Described {
    DrawingPtr drawing;
    QString description;
    // The drawing's size in the words it was designed with, where the words
    // drawn are a translation; empty when they are the same.
    QSizeF designedSize{};
};

QColor purple();
Style titleStyle(QColor colour = runtime::designColour(runtime::DesignColour::Blue));

// A screen's title: its words as shown, and as written in the program's own
// language, whose size the screen is designed for.
Described title(const QString &words, const char *designedWords,
                QColor colour = runtime::designColour(runtime::DesignColour::Blue));
// A + B -> C and A -> C.
Described reactionAB();
Described reactionA();
// rate = k[A]^orderA [B]^orderB, its first word capitalised or not.
enum class RateWord { Lower, Capital };
Described generalRateLaw(RateWord word = RateWord::Lower);
// rate = k[A]^orderA
Described rateLawOfA();
// k = rate / ([A]^orderA [B]^orderB)
Described solveForK();
// rate_i / rate_j = ([reactant]_i / [reactant]_j)^order
Described rateRatioEquation(int first, int second);
// order = log(rate_i / rate_j) / log([reactant]_i / [reactant]_j)
Described orderFormula(int first, int second);

// The start screen's worked example.
Described exampleEquation();
Described exampleRateLaw();
Described exampleRateLawWithK();
// The explanation screen's table of four trials.
Described initialRatesExampleTable();

} // namespace pictures
