// SPDX-License-Identifier: GPL-3.0-or-later
// Every fixed picture looks as approved, on a light and a dark desktop, at
// 100 % and zoomed: what it draws, where, and in which colours.
#include "golden.h"
#include "pictures/catalogue.h"
#include "pictures/graphicalpictures.h"
#include "pictures/initialratespictures.h"
#include "pictures/ordertable.h"
#include "pictures/picture.h"
#include "pictures/ratelawspictures.h"
#include "ratelaws/ratelawproblem.h"
#include "runtime/application.h"
#include "runtime/colours.h"
#include "runtime/designlayout.h"
#include "runtime/translations.h"
#include "screens.h"

#include <QPainter>
#include <QStyle>
#include <QTest>
#include <functional>

using namespace testing;

namespace {

using namespace pictures;

// The reaction of a Writing Rate Laws problem.
Described reaction(int problem)
{
    const ratelaws::RateLawProblem p = ratelaws::rateLawProblem(problem);
    return reactionWithLongArrow(p.reactants, p.products, p.spokenReaction);
}

const std::map<QString, std::function<Described()>> &catalogue()
{
    static const std::map<QString, std::function<Described()>> pictures{
        {"title", [] { return title(QStringLiteral("Method of Initial Rates"), "Method of Initial Rates", purple()); }},
        {"reactionAB", reactionAB},
        {"reactionA", reactionA},
        {"generalRateLaw", [] { return generalRateLaw(RateWord::Lower); }},
        {"generalRateLaw-capital", [] { return generalRateLaw(RateWord::Capital); }},
        {"rateLawOfA", rateLawOfA},
        {"solveForK", solveForK},
        {"rateRatioEquation-1-2", [] { return rateRatioEquation(1, 2); }},
        {"rateRatioEquation-3-1", [] { return rateRatioEquation(3, 1); }},
        {"orderFormula-1-2", [] { return orderFormula(1, 2); }},
        {"orderFormula-3-1", [] { return orderFormula(3, 1); }},
        {"exampleEquation", exampleEquation},
        {"exampleRateLaw", exampleRateLaw},
        {"exampleRateLawWithK", exampleRateLawWithK},
        {"initialRatesExampleTable", initialRatesExampleTable},
        {"generalReactionA", generalReactionA},
        {"plotAxisLabel-0", [] { return plotAxisLabel(0); }},
        {"plotAxisLabel-1", [] { return plotAxisLabel(1); }},
        {"plotAxisLabel-2", [] { return plotAxisLabel(2); }},
        {"timeAxisLabel", timeAxisLabel},
        {"generalReaction", generalReaction},
        {"nitrogenDioxideAndCarbonMonoxide", [] { return reaction(0); }},
        {"nitrogenMonoxideAndHydrogen", [] { return reaction(1); }},
        {"dinitrogenPentoxideDecomposition", [] { return reaction(2); }},
    };
    return pictures;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { runtime::initialiseApplication(); }
    void cleanup()
    {
        QApplication::setPalette(QApplication::style()->standardPalette());
        runtime::setZoom(1.0);
    }
    void looksAsApproved_data();
    void looksAsApproved();
    // A translated title may shrink in its box only to 85 % of the size the
    // designed words get there, whether its words are longer or shorter.
    void translatedTitleKeepsTheDesignedSize_data()
    {
        QTest::addColumn<QString>("words");
        QTest::newRow("longer") << "Methode der Anfangsgeschwindigkeiten";
        QTest::newRow("shorter") << "初始速率法";
    }
    void translatedTitleKeepsTheDesignedSize()
    {
        QFETCH(QString, words);
        QWidget form;
        Picture designed(&form, QStringLiteral("designed"),
                         title(QStringLiteral("Method of Initial Rates"), "Method of Initial Rates"), 0, 0, 2400, 255);
        Picture translated(&form, QStringLiteral("translated"), title(words, "Method of Initial Rates"), 0, 0, 2400,
                           255);
        runtime::applyZoom(&form, QPoint());
        QCOMPARE(translated.leastScale(), designed.leastScale());
        QCOMPARE(designed.leastScale(), 0.85 * designed.scale());
    }
};

void TestPictures::looksAsApproved_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<double>("zoom");
    QStringList names;
    for (const auto &entry : catalogue())
        names.append(entry.first);
    // In English the orders' words set the second column; in Chinese they
    // are short, and the column stands at its least place.
    names << QStringLiteral("ordertable") << QStringLiteral("ordertable-zh_CN");
    for (const QString &name : std::as_const(names))
        for (const bool dark : {false, true})
            for (const double zoom : {1.0, 1.5})
                QTest::addRow("%s-%s-%d", qPrintable(name), dark ? "dark" : "light", int(zoom * 100))
                    << name << dark << zoom;
}

void TestPictures::looksAsApproved()
{
    QFETCH(QString, picture);
    QFETCH(bool, dark);
    QFETCH(double, zoom);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    runtime::setZoom(zoom);
    QImage image;
    if (picture.startsWith(u"ordertable")) {
        if (picture.contains(u'-'))
            runtime::installTranslations(QLocale(picture.section(u'-', 1)));
        // A widget of its own, laid out at the zoom like every control, in
        // a box too narrow for its plots: it grows to show them whole.
        QWidget form;
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * zoom);
        form.setFont(font);
        OrderTableLabel table(&form, picture, 0, 0, 1500, 645);
        runtime::setDesignSize(&form, {4000, 645});
        form.resize(runtime::scaled(4000), runtime::scaled(645));
        runtime::applyZoom(&form, QPoint());
        image = table.grab().toImage();
        runtime::installTranslations(QLocale::c());
    } else {
        const DrawingPtr drawing = catalogue().at(picture)().drawing;
        image = QImage((drawing->size() * zoom).toSize() + QSize(2, 2), QImage::Format_RGB32);
        image.fill(runtime::ground());
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(zoom, zoom);
        drawing->paint(painter);
    }
    VELOMIRA_COMPARE_GOLDEN(
        image, QStringLiteral("pictures/%1-%2-%3").arg(picture, dark ? "dark" : "light").arg(int(zoom * 100)));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
