// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"
#include "pictures/ordertable.h"
#include "pictures/picture.h"
#include "runtime/forms.h"
#include "screens.h"
#include "shell/screens.h"
#include "textrecorder.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

using namespace testing;

namespace {

// Anything darker than near-white, or blue.
bool isInk(QRgb pixel)
{
    return qGray(pixel) < 200 || qBlue(pixel) > qRed(pixel) + 60;
}

// The rows and columns that hold ink.
QRect inkBounds(const QImage &image, int fromColumn = 0, int toColumn = -1)
{
    if (toColumn < 0)
        toColumn = image.width();
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromColumn; x < toColumn; ++x) {
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// How many bands of ink lie one below another, with blank rows between.
int inkBands(const QImage &image)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool ink = !inkBounds(image.copy(0, y, image.width(), 1)).isEmpty();
        bands += ink && !inBand;
        inBand = ink;
    }
    return bands;
}

QImage render(const pictures::DrawingPtr &drawing, double scale)
{
    const QSizeF size = drawing->size() * scale;
    QImage image(size.toSize() + QSize(2, 2), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    drawing->paint(painter);
    return image;
}

// A solid block: where its ink lands shows where a drawing was placed.
struct Block : pictures::Drawing {
    QSizeF extent;
    explicit Block(QSizeF extent)
        : extent(extent)
    {
    }
    QSizeF size() const override { return extent; }
    void paint(QPainter &painter) const override { painter.fillRect(QRectF(QPointF(), extent), Qt::black); }
};

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void scriptsSitAboveAndBelowTheBaseline();
    void partsAddUpAcrossScriptsAndArrows_data();
    void partsAddUpAcrossScriptsAndArrows();
    void everyPictureFillsItsBox_data();
    void everyPictureFillsItsBox();
    void drawingsLandInsideTheirBoxes();
    void partsStandOneBelowAnother();
    void picturesShowWhatTheyDescribe();
};

void TestPictures::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

void TestPictures::scriptsSitAboveAndBelowTheBaseline()
{
    // Left of where "H" alone ends is the letter, right of it the script: a
    // superscript's foot above the letter's middle, a subscript's foot below
    // the letter's foot, each smaller than the letter.
    const int scriptFrom = inkBounds(render(pictures::formula(QStringLiteral("H")), 2.0)).right() + 1;
    const QImage sup = render(pictures::formula(QStringLiteral("H^2^")), 2.0);
    const QImage sub = render(pictures::formula(QStringLiteral("H_2_")), 2.0);
    const QRect supLetter = inkBounds(sup, 0, scriptFrom), supScript = inkBounds(sup, scriptFrom);
    const QRect subLetter = inkBounds(sub, 0, scriptFrom), subScript = inkBounds(sub, scriptFrom);
    QVERIFY2(!supScript.isEmpty() && supScript.bottom() < supLetter.center().y(), "superscript not raised");
    QVERIFY2(!subScript.isEmpty() && subScript.bottom() > subLetter.bottom(), "subscript not lowered");
    QVERIFY(supScript.height() < supLetter.height() && subScript.height() < subLetter.height());
}

void TestPictures::partsAddUpAcrossScriptsAndArrows_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("a subscript closes: the O after H_2_ is full size") << "H_2_O" << QStringList{"H_2_", "O"};
    // "->" below stands for the arrow drawn on its own.
    QTest::newRow("-> is one arrow, with nothing left of it after") << "A -> C" << QStringList{"A ", "->", " C"};
}

void TestPictures::partsAddUpAcrossScriptsAndArrows()
{
    QFETCH(QString, markup);
    QFETCH(QStringList, parts);
    double width = 0.0;
    for (const QString &part : parts)
        width += (part == u"->" ? pictures::formula(pictures::arrow()) : pictures::formula(part))->size().width();
    QVERIFY2(qAbs(pictures::formula(markup)->size().width() - width) < 0.5, qPrintable(QString::number(width)));
}

void TestPictures::everyPictureFillsItsBox_data()
{
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"ratestart", "approachform", "approachform2"})
        QTest::newRow(screen) << QString::fromLatin1(screen);
}

void TestPictures::everyPictureFillsItsBox()
{
    // At 100 % and 200 % the drawing fills its box in one direction at
    // least: it is neither lost nor shrunk to a corner.
    QFETCH(QString, screen);
    runtime::Form *form = runtime::showForm(screen);
    for (auto *picture : form->findChildren<pictures::Picture *>()) {
        for (double scale : {1.0, 2.0}) {
            QImage image(picture->size() * scale, QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            picture->render(&image);
            const QRect ink = inkBounds(image);
            QVERIFY2(ink.width() > image.width() * 0.6 || ink.height() > image.height() * 0.6,
                     qPrintable(picture->objectName()));
        }
    }
    unloadAll();
}

void TestPictures::drawingsLandInsideTheirBoxes()
{
    using namespace pictures;
    // A square in a wide box is scaled to the box's height, not cut to its width.
    Picture box(nullptr, QStringLiteral("box"), std::make_shared<Block>(QSizeF(100, 100)), {}, 0, 0, 3000, 750);
    QCOMPARE(inkBounds(box.grab().toImage()), QRect(0, 0, 50, 50));
    // The plot's upright axis label stands as tall as it lay wide, inside its box.
    const DrawingPtr upright = turnedUp(std::make_shared<Block>(QSizeF(60, 20)));
    QCOMPARE(upright->size(), QSizeF(20, 60));
    QCOMPARE(inkBounds(render(upright, 1.0)), QRect(0, 0, 20, 60));
    // An order is written after the closing bracket, not over the opening one.
    const auto bracketed = [](Node power) {
        return inkBounds(render(formula(brackets(text(QStringLiteral("A")), Bracket::Square, power)), 2.0));
    };
    QVERIFY(bracketed(text(QStringLiteral("2"))).right() > bracketed(nullptr).right() + 4);
}

void TestPictures::partsStandOneBelowAnother()
{
    using namespace pictures;
    // Numerator, bar and denominator of a fraction; the order table's three
    // rows, each order with its plot on a row of its own.
    QCOMPARE(inkBands(render(formula(fraction(text(QStringLiteral("rate")), text(QStringLiteral("k")))), 2.0)), 3);
    OrderTableLabel table(nullptr, QStringLiteral("ordertable"), 480, 1050, 2175, 645);
    QCOMPARE(inkBands(table.grab().toImage()), 3);
}

void TestPictures::picturesShowWhatTheyDescribe()
{
    using namespace pictures;
    // A + B -> C draws the second reactant that A -> C has not.
    QVERIFY(reactionAB().drawing->size().width() > reactionA().drawing->size().width() + 10);
    // The rate-ratio equation compares the trials it names, the rates as
    // the concentrations.
    TextRecorder recorder;
    QPainter painter(&recorder);
    rateRatioEquation(1, 2).drawing->paint(painter);
    painter.end();
    QCOMPARE(recorder.texts.filter(QRegularExpression(QStringLiteral("^\\d$"))), (QStringList{"1", "2", "1", "2"}));
    // The example table shades trials 1 and 4: its first row, under the
    // heads, and its last, down to the table's foot.
    const QImage table = render(initialRatesExampleTable().drawing, 1.0);
    int lowest = 0;
    for (int y = 0; y < table.height(); ++y)
        lowest = table.pixel(0, y) == qRgb(255, 255, 255) ? lowest : y;
    QVERIFY(lowest > table.height() - 10);
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
