// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"
#include "pictures/ordertable.h"
#include "pictures/picture.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "shell/screens.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

using namespace testing;

namespace {

// The rows and columns that hold ink (anything darker than near-white).
QRect inkBounds(const QImage &image, int fromColumn = 0, int toColumn = -1)
{
    if (toColumn < 0)
        toColumn = image.width();
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromColumn; x < toColumn; ++x) {
            if (qGray(image.pixel(x, y)) < 200 || qBlue(image.pixel(x, y)) > qRed(image.pixel(x, y)) + 60)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
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

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void scriptsSitAboveAndBelowTheBaseline_data();
    void scriptsSitAboveAndBelowTheBaseline();
    void fractionPutsNumeratorOverBar();
    void screensShowTheirTexts_data();
    void screensShowTheirTexts();
    void everyPictureHasInkAtBothScales_data();
    void everyPictureHasInkAtBothScales();
    void orderTableHasThreeRows();
};

void TestPictures::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

void TestPictures::scriptsSitAboveAndBelowTheBaseline_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("200 %") << 2.0;
}

void TestPictures::scriptsSitAboveAndBelowTheBaseline()
{
    // "H" alone gives the letter's ink; the script after it must stand
    // clear of the baseline: a superscript's foot above the letter's middle,
    // a subscript's foot below the letter's foot.
    QFETCH(double, scale);
    const QImage letter = render(pictures::formula(QStringLiteral("H")), scale);
    const QRect h = inkBounds(letter);
    const int scriptFrom = h.right() + 1;

    const QImage sup = render(pictures::formula(QStringLiteral("H^2^")), scale);
    const QImage sub = render(pictures::formula(QStringLiteral("H_2_")), scale);
    // Both drawings put the letter's baseline at their ascent, which grows with
    // a superscript; compare against the letter drawn in the same picture.
    const QRect supLetter = inkBounds(sup, 0, scriptFrom);
    const QRect supScript = inkBounds(sup, scriptFrom);
    const QRect subLetter = inkBounds(sub, 0, scriptFrom);
    const QRect subScript = inkBounds(sub, scriptFrom);
    QVERIFY(!supScript.isEmpty() && !subScript.isEmpty());
    QVERIFY2(supScript.bottom() < supLetter.center().y(), "superscript not raised");
    QVERIFY2(supScript.top() < supLetter.top(), "superscript not above the letter");
    QVERIFY2(subScript.bottom() > subLetter.bottom(), "subscript not lowered");
    QVERIFY2(subScript.top() > subLetter.top(), "subscript not below the letter's top");
    QVERIFY(supScript.height() < supLetter.height());
}

void TestPictures::fractionPutsNumeratorOverBar()
{
    using namespace pictures;
    const QImage image = render(formula(fraction(text(QStringLiteral("rate")), text(QStringLiteral("k")))), 2.0);
    const QRect all = inkBounds(image);
    // Find the bar: the fullest row.
    int barRow = -1;
    int best = 0;
    for (int y = all.top(); y <= all.bottom(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 200 || qBlue(image.pixel(x, y)) > qRed(image.pixel(x, y)) + 60;
        if (count > best) {
            best = count;
            barRow = y;
        }
    }
    QVERIFY(barRow > all.top() + 4);
    QVERIFY(barRow < all.bottom() - 4);
}

void TestPictures::screensShowTheirTexts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    const QString s = QStringLiteral("ratestart");
    QTest::newRow("start Label3") << s << "Label3" << "For an overall reaction,";
    QTest::newRow("start Label4") << s << "Label4" << "the rate law takes the general form:";
    QTest::newRow("start Label5") << s << "Label5"
                                  << "Determining the rate law involves determining the order of the reaction with "
                                     "respect to each reactant, A and B, and the value of the rate constant, k. ";
    QTest::newRow("start Label6") << s << "Label6"
                                  << "For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water";
    QTest::newRow("start Label7") << s << "Label7"
                                  << "is second order in nitrogen monoxide and first order with respect to hydrogen. "
                                     "The rate constant is 6.32 at 904 degrees C. The rate law is therefore written as";
    QTest::newRow("start Label1") << s << "Label1"
                                  << "When the numerical value of the rate constant is not known, the rate law uses "
                                     "the lower case k.";
    QTest::newRow("start writing") << s << "btnwritingratelaws" << "Writing Rate Laws";
    QTest::newRow("start initial") << s << "btninitialrates" << "Determining Rate Laws by the Method of Initial Rates";
    QTest::newRow("start graphical") << s << "btngraphicalmethod" << "Determining Rate Laws by the Graphical Method";
    const QString a = QStringLiteral("approachform");
    QTest::newRow("approach return") << a << "btnreturn" << "Return";
    QTest::newRow("approach Label6") << a << "Label6" << "Determining Reaction Order";
    QTest::newRow("approach Label8") << a << "Label8" << "Determining the Rate Constant, k";
    QTest::newRow("approach Label1") << a << "Label1"
                                     << "The reaction order for a reactant is determined by comparing two the reaction "
                                        "rate between two reactions where the concentration of just that reactant changes.";
    QTest::newRow("approach Label7") << a << "Label7"
                                     << "Trials 1 and 4 above would be appropriate choices for determining the order "
                                        "with respect to [B] because they have the same concentration of A. The change "
                                        "in rate is due soley to the change in [B].";
    QTest::newRow("approach Label2") << a << "Label2" << "This equation can be rewritten to solve for the reaction order:";
    QTest::newRow("approach Label9") << a << "Label9"
                                     << "Once the order of reaction for each reactant is known, the general rate law "
                                        "can be used to determine the numerical value of the rate constant, k. ";
    QTest::newRow("approach Label10") << a << "Label10"
                                      << "The rate constant is determined by plugging reaction trial data, and solving "
                                         "for k. Data from any of the reaction trials can be used. Because each trial "
                                         "should give the same value of k, it is often best to calculate k for each "
                                         "trial, and report the average of those values.";
    const QString g = QStringLiteral("approachform2");
    QTest::newRow("graphical Label5") << g << "Label5"
                                      << "The Graphical Method can be used to determine the rate law for reactions that "
                                         "have a single reactant. Determining the rate law involves determining the "
                                         "order of the reaction with respect to the single reactant, A, and the value "
                                         "of the rate constant, k.";
    QTest::newRow("graphical Label11") << g << "Label11" << "Reaction order     Staight-line plot";
    QTest::newRow("graphical ordertable") << g << "ordertable"
                                          << "zero-order             [A] vs. time  first-order              ln[A] vs. "
                                             "time second-order       1/[A] vs. time";
    QTest::newRow("graphical Label2") << g << "Label2"
                                      << "For example, a first-order reaction will give a straight-line plot of ln[A] "
                                         "vs. time, but curved plots of [A] vs. time and of 1/[A] vs. time. ";
    QTest::newRow("graphical Label9") << g << "Label9"
                                      << "Once the appropriate linear plot is constructed, the rate constant is obtained "
                                         "from the slope of the line. The absolute value of the slope directly gives the "
                                         "rate constant.";
    QTest::newRow("graphical Label10") << g << "Label10"
                                       << "For a first-order reaction, the rate constant is equal to the absolute value "
                                          "of the slope of the straight line obtained for the plot of ln[A] vs. time. For "
                                          "a second-order reaction, the slope of the 1/[A] vs. time plot is used. For a "
                                          "zero-order reaction, the plot of [A] vs. time slope gives the rate constant. "
                                          "Remember, the rate constant is always a positive number.";
}

void TestPictures::screensShowTheirTexts()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    runtime::Form *form = runtime::showForm(screen);
    QVERIFY(form);
    QWidget *widget = form->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QVERIFY(widget->isVisible());
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto *button = qobject_cast<runtime::LabelButton *>(widget))
        QCOMPARE(button->caption(), caption);
    else
        QFAIL("not a label or label-button");
    // Nothing may spill out of the window (design positions reach one pixel
    // past the right edge in places).
    QVERIFY(form->rect().adjusted(0, 0, 1, 1).contains(widget->geometry()));
    unloadAll();
}

void TestPictures::everyPictureHasInkAtBothScales_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<double>("scale");
    const QStringList start{QStringLiteral("Image1"), QStringLiteral("Image2"), QStringLiteral("Image3"),
                            QStringLiteral("Image4"), QStringLiteral("Image5"), QStringLiteral("Image6"),
                            QStringLiteral("Image7")};
    const QStringList approach{QStringLiteral("Picture1"), QStringLiteral("Image1"), QStringLiteral("Image2"),
                               QStringLiteral("Image3"), QStringLiteral("Image4"), QStringLiteral("Image5"),
                               QStringLiteral("genlaw"), QStringLiteral("solvefork")};
    const QStringList approach2{QStringLiteral("Picture1"), QStringLiteral("Image1"), QStringLiteral("Image2")};
    for (double scale : {1.0, 2.0}) {
        const QString tag = scale == 1.0 ? QStringLiteral("100%") : QStringLiteral("200%");
        for (const QString &p : start)
            QTest::addRow("ratestart %s %s", qPrintable(p), qPrintable(tag)) << "ratestart" << p << scale;
        for (const QString &p : approach)
            QTest::addRow("approachform %s %s", qPrintable(p), qPrintable(tag)) << "approachform" << p << scale;
        for (const QString &p : approach2)
            QTest::addRow("approachform2 %s %s", qPrintable(p), qPrintable(tag)) << "approachform2" << p << scale;
    }
}

void TestPictures::everyPictureHasInkAtBothScales()
{
    QFETCH(QString, screen);
    QFETCH(QString, picture);
    QFETCH(double, scale);
    runtime::Form *form = runtime::showForm(screen);
    auto *widget = form->findChild<pictures::Picture *>(picture);
    QVERIFY2(widget, qPrintable(picture));
    QVERIFY(!widget->accessibleName().isEmpty());
    QImage image(widget->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    widget->render(&image);
    const QRect ink = inkBounds(image);
    // The drawing fills its box in one direction at least.
    QVERIFY2(ink.width() > image.width() * 0.6 || ink.height() > image.height() * 0.6, qPrintable(picture));
    unloadAll();
}

void TestPictures::orderTableHasThreeRows()
{
    const auto rows = pictures::OrderTableLabel::rows(
        QStringLiteral("zero-order             [A] vs. time  first-order              ln[A] vs. time second-order       1/[A] vs. time"));
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].first, QStringLiteral("zero-order"));
    QCOMPARE(rows[0].second, QStringLiteral("[A] vs. time"));
    QCOMPARE(rows[1].second, QStringLiteral("ln[A] vs. time"));
    QCOMPARE(rows[2].first, QStringLiteral("second-order"));
    QCOMPARE(rows[2].second, QStringLiteral("1/[A] vs. time"));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
