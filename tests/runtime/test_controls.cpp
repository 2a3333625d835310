// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

using namespace runtime;

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initialiseApplication(); }

    // Clicked by the mouse, Space, Return and keypad Enter, placed in twips
    // (15 to a pixel, rounded) and reached with Tab.
    void labelButtonIsAButton_data()
    {
        QTest::addColumn<int>("key"); // 0: the mouse
        QTest::newRow("mouse") << 0;
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter);
    }

    void labelButtonIsAButton()
    {
        QFETCH(int, key);
        QWidget window;
        auto *button = new LabelButton(&window, QStringLiteral("submitbtn"), QStringLiteral("Submit"), 0, 0, 975, 255);
        auto *second = new LabelButton(&window, QStringLiteral("b"), QStringLiteral("B"), -150, 308, 600, 255);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QSignalSpy clicks(button, &LabelButton::clicked);
        key ? QTest::keyClick(button, Qt::Key(key)) : QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(second->geometry(), QRect(-10, 21, 40, 17));
        QTest::keyClick(&window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), second);
    }

    // A plot that maps y downwards when the top edge is the larger, loses its
    // points on a repaint, or keeps them after cls; a scale without height or
    // a point that is not a number draws nothing and must not trip painting;
    // a point never touches the frame.
    void pictureBoxKeepsItsDrawing()
    {
        PictureBox box(nullptr, QStringLiteral("plot"), 0, 0, 3000, 1500);
        box.setBorder(false);
        box.setScale(-1, 10, 9, 0);
        QCOMPARE(box.toFraction(-1, 0), QPointF(0, 1));
        QCOMPARE(box.toFraction(9, 10), QPointF(1, 0));
        box.line(-1, 0, 9, 10, QColor(200, 200, 200));
        box.circle(4, 5, 0.5);
        QCOMPARE(box.shapes().back().radius, 0.05);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage before = box.grab().toImage();
        box.hide();
        box.show();
        box.resize(box.size()); // a repaint from scratch
        QCOMPARE(box.grab().toImage(), before);
        box.cls(); // the plot is gone, and it was there
        QVERIFY(box.shapes().empty() && box.grab().toImage() != before);
        for (const auto &[top, y] : {std::pair{0.0, 0.0}, {qQNaN(), 0.5}, {qInf(), 0.5}, {1.0, -qInf()}}) {
            box.setScale(0, top, 1, 0);
            box.circle(0.5, y, 0.05);
            box.line(0, y, 1, y, Qt::black);
            QVERIFY(box.shapes().empty());
            box.grab();
        }
        // A point on the corner of the scale keeps a clear pixel between its
        // ring and the frame line, with the plot's own margin and radius.
        box.setBorder(true);
        box.setInnerMargin(4.0);
        box.setScale(0, 1, 9, 0);
        box.circle(0, 1, 0.13);
        const QImage framed = box.grab().toImage();
        const QRgb ground = framed.pixel(framed.width() / 2, framed.height() / 2);
        for (int i = 1; i < 12; ++i)
            QVERIFY2(framed.pixel(1, i) == ground && framed.pixel(i, 1) == ground, qPrintable(QString::number(i)));
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
