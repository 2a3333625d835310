// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"
#include "runtime/controls.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"

#include <QAccessible>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>

using namespace runtime;

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initialiseApplication(); }
    void twipsMapToLogicalPixels_data();
    void twipsMapToLogicalPixels();
    void labelButtonAnswersMouseAndKeyboard_data();
    void labelButtonAnswersMouseAndKeyboard();
    void disabledLabelButtonIgnoresClicks();
    void labelButtonIsAnnouncedAsButton();
    void labelButtonIsReachedWithTab();
    void pictureBoxKeepsItsDrawing();
    void pictureBoxUpwardScale();
    void pictureBoxIgnoresDegenerateDrawing_data();
    void pictureBoxIgnoresDegenerateDrawing();
    void messageBoxHasTitleAndOneOk();
    void missingProgramIsNotStarted();
    void enterInABoxPressesItsButton_data();
    void enterInABoxPressesItsButton();
    void captionsGrowIntoFreeSpace_data();
    void captionsGrowIntoFreeSpace();
};

void TestControls::twipsMapToLogicalPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("an inch is 96 pixels") << 1440 << 96;
    QTest::newRow("15 twips a pixel") << 15 << 1;
    QTest::newRow("rounds to nearest") << 255 << 17;
    QTest::newRow("under half a pixel rounds down") << 7 << 0;
    QTest::newRow("negative") << -150 << -10;
}

void TestControls::twipsMapToLogicalPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(toPixels(twips), pixels);
}

void TestControls::labelButtonAnswersMouseAndKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("mouse") << 0;
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

void TestControls::labelButtonAnswersMouseAndKeyboard()
{
    QFETCH(int, key);
    QWidget window;
    auto *button = new LabelButton(&window, QStringLiteral("submitbtn"), QStringLiteral("Submit"), 0, 0, 975, 255);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &LabelButton::clicked);
    if (key == 0) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
    }
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(button->objectName(), QStringLiteral("submitbtn"));
    QCOMPARE(button->geometry(), QRect(0, 0, 65, 17));
}

void TestControls::disabledLabelButtonIgnoresClicks()
{
    QWidget window;
    auto *button = new LabelButton(&window, QStringLiteral("b"), QStringLiteral("Go"), 0, 0, 975, 255);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->setEnabled(false);
    QSignalSpy clicks(button, &LabelButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(clicks.count(), 0);
}

void TestControls::labelButtonIsAnnouncedAsButton()
{
    QWidget window;
    auto *button = new LabelButton(&window, QStringLiteral("approach"), QStringLiteral("Approach"), 0, 0, 1455, 255);
    window.show();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Approach"));
}

void TestControls::labelButtonIsReachedWithTab()
{
    QWidget window;
    auto *first = new LabelButton(&window, QStringLiteral("a"), QStringLiteral("A"), 0, 0, 600, 255);
    auto *second = new LabelButton(&window, QStringLiteral("b"), QStringLiteral("B"), 0, 300, 600, 255);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTest::keyClick(&window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), second);
}

void TestControls::pictureBoxKeepsItsDrawing()
{
    PictureBox box(nullptr, QStringLiteral("plot"), 0, 0, 3000, 1500);
    box.setBorder(false);
    box.setScale(0, 10, 10, 0);
    box.line(0, 0, 10, 10, QColor(200, 200, 200));
    box.circle(5, 5, 0.5);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage before = box.grab().toImage();
    box.hide();
    box.show();
    box.resize(box.size()); // a repaint from scratch
    const QImage after = box.grab().toImage();
    QCOMPARE(after, before);
    QCOMPARE(int(box.shapes().size()), 2);
    // Something other than the background was painted.
    int inked = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            inked += before.pixelColor(x, y) != QColor(Qt::white);
    QVERIFY(inked > 100);
    box.cls();
    QVERIFY(box.shapes().empty());
}

void TestControls::pictureBoxUpwardScale()
{
    PictureBox box(nullptr, QStringLiteral("plot"), 0, 0, 3000, 1500);
    box.setScale(-1, 5, 9, 1); // top above bottom: y grows upwards
    const QPointF bottomLeft = box.toFraction(-1, 1);
    const QPointF topRight = box.toFraction(9, 5);
    QCOMPARE(bottomLeft, QPointF(0, 1));
    QCOMPARE(topRight, QPointF(1, 0));
    box.circle(4, 3, 0.5);
    QCOMPARE(box.shapes().front().radius, 0.05);
}

void TestControls::pictureBoxIgnoresDegenerateDrawing_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("y");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("top equals bottom") << 1.0 << 1.0 << 1.0;
    QTest::newRow("NaN edge") << nan << 0.0 << 0.5;
    QTest::newRow("infinite edge") << inf << 0.0 << 0.5;
    QTest::newRow("NaN point") << 1.0 << 0.0 << nan;
    QTest::newRow("infinite point") << 1.0 << 0.0 << -inf;
}

void TestControls::pictureBoxIgnoresDegenerateDrawing()
{
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(double, y);
    PictureBox box(nullptr, QStringLiteral("plot"), 0, 0, 3000, 1500);
    box.setScale(0, top, 1, bottom);
    box.circle(0.5, y, 0.05);
    box.line(0, y, 1, y, Qt::black);
    QVERIFY(box.shapes().empty());
    box.grab(); // painting must not trip over anything either
}

void TestControls::messageBoxHasTitleAndOneOk()
{
    MessageBoxes boxes;
    QWidget parent;
    parent.show();
    messageBox(&parent, QStringLiteral("Please choose a Problem to solve."));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please choose a Problem to solve.")});
    QVERIFY2(boxes.problems().isEmpty(), qPrintable(boxes.problems().join(u'\n')));
}

void TestControls::missingProgramIsNotStarted()
{
    QCOMPARE(findProgram({QStringLiteral("no-such-program-here-1"), QStringLiteral("no-such-program-here-2")}),
             QString());
    QVERIFY(!startProgram(QString()));
    QVERIFY(!findProgram({QStringLiteral("no-such-program"), QStringLiteral("sh")}).isEmpty());
}

void TestControls::enterInABoxPressesItsButton_data()
{
    // Submit, then "continue": the first one shown and enabled is pressed.
    QTest::addColumn<bool>("submitEnabled");
    QTest::addColumn<bool>("continueShown");
    QTest::addColumn<int>("submitClicks");
    QTest::addColumn<int>("continueClicks");
    QTest::newRow("Submit available") << true << true << 1 << 0;
    QTest::newRow("Submit locked by a tutoring stage") << false << true << 0 << 1;
    QTest::newRow("neither available") << false << false << 0 << 0;
}

void TestControls::enterInABoxPressesItsButton()
{
    QFETCH(bool, submitEnabled);
    QFETCH(bool, continueShown);
    QFETCH(int, submitClicks);
    QFETCH(int, continueClicks);
    QWidget window;
    auto *box = new QLineEdit(&window);
    auto *submit = new LabelButton(&window, QStringLiteral("submitbtn"), QStringLiteral("&Submit"), 0, 600, 975, 255);
    auto *next = new LabelButton(&window, QStringLiteral("continueAbtn"), QStringLiteral("&continue"), 0, 900, 975, 255);
    pressOnEnter(box, {submit, next});
    window.show();
    submit->setEnabled(submitEnabled);
    next->setVisible(continueShown);
    QSignalSpy submitted(submit, &LabelButton::clicked);
    QSignalSpy continued(next, &LabelButton::clicked);
    QTest::keyClicks(box, QStringLiteral("2"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(submitted.count(), submitClicks);
    QCOMPARE(continued.count(), continueClicks);
}

void TestControls::captionsGrowIntoFreeSpace_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<int>("neighbourLeft");
    QTest::addColumn<QString>("grows");
    QTest::newRow("fits as it is") << "Submit" << QRect(0, 0, 975, 255) << 8.0 << 0 << "";
    QTest::newRow("one line too wide grows right")
        << "For an overall reaction, and more" << QRect(0, 0, 1620, 195) << 8.0 << 0 << "right";
    QTest::newRow("wrapping box grows down")
        << "Determining Rate Laws by the Method of Initial Rates" << QRect(0, 0, 3135, 700) << 14.0 << 0 << "down";
    QTest::newRow("stops short of its neighbour")
        << "For an overall reaction, and more" << QRect(0, 0, 1620, 195) << 8.0 << 1800 << "right";
}

void TestControls::captionsGrowIntoFreeSpace()
{
    // A caption keeps its designed font size; where it needs more room, its
    // box takes free space instead, never covering another control.
    QFETCH(QString, caption);
    QFETCH(QRect, box);
    QFETCH(qreal, pointSize);
    QFETCH(int, neighbourLeft);
    QFETCH(QString, grows);
    QWidget screen;
    setDesignSize(&screen, QSize(9000, 3000));
    screen.resize(twipsRect(0, 0, 9000, 3000).size());
    QLabel *label = makeLabel(&screen, QStringLiteral("caption"), caption, box.x(), box.y(), box.width(),
                              box.height(), pointSize);
    QLabel *neighbour = neighbourLeft > 0 ? makeLabel(&screen, QStringLiteral("next"), QStringLiteral("x"),
                                                      neighbourLeft, 0, 300, 195)
                                          : nullptr;
    applyZoom(&screen);
    const QRect designed = twipsRect(box.x(), box.y(), box.width(), box.height());
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QCOMPARE(label->width() > designed.width(), grows == "right");
    QCOMPARE(label->height() > designed.height(), grows == "down");
    if (neighbour) {
        QVERIFY(!label->geometry().intersects(neighbour->geometry()));
        return;
    }
    const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap, caption);
    QVERIFY(label->contentsRect().contains(needed));
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
