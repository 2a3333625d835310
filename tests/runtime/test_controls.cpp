// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/application.h"
#include "runtime/designlayout.h"
#include "runtime/picturebox.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace runtime;

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initialiseApplication(); }

    // The rules by which a screen makes room for what this platform's fonts
    // need. Each control on a 6000 by 3000 twips screen is "KIND DESIGN
    // PIXELS caption": its designed rectangle in twips, the one it gets in
    // pixels at the zoom (l: a caption on one line, w: a wrapping one, s: one
    // sized by its caption, e: a box that keeps its least size); and how
    // much taller the screen grows.
    void growthRules_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<int>("grown");
        const auto row = [](const char *name, double zoom, QStringList controls, int grown = 0) {
            QTest::newRow(name) << zoom << controls << grown;
        };
        row("a caption that fits keeps its box", 1,
            {"l 150,150,1500,255 10,10,100,17 Rate", "l 0,600,0,600 0,40,1,40 ", "l -150,308,600,255 -10,21,40,17 B"});
        row("a box too low for its line", 1, {"l 150,150,1500,150 10,10,100,12 Rate"});
        row("one line grows to the right", 1, {"l 150,150,450,255 10,10,92,17 Concentration of A"});
        row("up to the next control or the edge", 1,
            {"l 150,150,450,255 10,10,50,17 Concentration of A", "l 900,150,600,255 60,10,40,17 x",
             "l 5400,600,300,255 360,40,39,17 Concentration of A"});
        row("a single word grows left too", 1,
            {"l 750,150,300,255 16,10,64,17 Concentrations", "l 1200,150,600,255 80,10,40,17 x",
             "s 150,150,0,0 10,10,6,13 y"});
        row("a word wider than its wrapping box", 1, {"w 150,150,300,600 10,10,74,40 Concentrations"});
        // The caption keeps its designed gap to what is below it, which moves
        // down, and what is below that; not what is beside it or above.
        row("a wrapping caption moves what is below", 1,
            {"w 150,150,900,450 10,10,66,52 The rate of a reaction is the change in concentration",
             "l 150,750,1500,255 10,72,100,17 below", "l 1200,2700,900,255 80,202,60,17 further",
             "l 3000,600,900,255 200,40,60,17 beside", "l 600,300,900,255 40,20,60,17 over",
             "l 4500,3000,600,255 300,200,40,17 past"},
            2);
        row("a box keeps its least size", 1, {"e 150,150,150,150 10,10,21,20 ", "e 5700,2700,150,150 380,180,19,19 "});
        row("at twice the size", 2, {"l 150,150,450,255 20,20,92,34 Concentration of A", "l 0,600,0,600 0,80,2,80 "});
    }

    void growthRules()
    {
        QFETCH(double, zoom);
        QFETCH(QStringList, controls);
        setZoom(zoom);
        QWidget screen;
        setDesignSize(&screen, {6000, 3000});
        screen.resize(scaled(6000), scaled(3000));
        std::vector<QWidget *> widgets;
        for (const QString &control : controls) {
            const QChar kind = control.front();
            QWidget *widget = kind == u'e' ? static_cast<QWidget *>(new QLineEdit(&screen))
                                           : new QLabel(control.section(u' ', 3), &screen);
            if (auto *label = qobject_cast<QLabel *>(widget))
                label->setWordWrap(kind == u'w');
            const QStringList r = control.section(u' ', 1, 1).split(u',');
            kind == u's' ? placeAt(widget, r[0].toInt(), r[1].toInt())
                         : place(widget, r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt());
            if (kind == u'e')
                keepLeastSize(widget);
            widgets.push_back(widget);
        }
        const int grown = applyZoom(&screen);
        setZoom(1);
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            const QRect g = widgets[i]->geometry();
            QCOMPARE(QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()),
                     controls[qsizetype(i)].section(u' ', 2, 2));
        }
        QTEST(grown, "grown");
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
