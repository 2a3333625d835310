// SPDX-License-Identifier: GPL-3.0-or-later
// Screens that zoom and resize as one piece, never cutting a caption short
// nor drawing it below its designed size.
#include "runtime/forms.h"
#include "screens.h"
#include "shell/screens.h"

#include <QLabel>
#include <QScreen>
#include <QTest>

using namespace testing;

class TestDisplay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        runtime::initialiseApplication();
        registerScreens();
    }
    void cleanup()
    {
        unloadAll();
        unloadAll(); // closing a module brings the start screen back
        runtime::setZoom(1.0);
    }
    void screensScaleAsOnePiece_data();
    void screensScaleAsOnePiece();
    void keysResizingAndOversizeZoom();
};

void TestDisplay::screensScaleAsOnePiece_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<double>("factor");
    for (const char *screen :
         {"ratestart", "ratetutor", "ratetutor2", "writingratelaws", "approachform", "approachform2"}) {
        for (double factor : {1.0, 0.75, 1.25})
            QTest::addRow("%s at %d %%", screen, int(factor * 100)) << QString::fromLatin1(screen) << factor;
    }
}

void TestDisplay::screensScaleAsOnePiece()
{
    // Every control keeps its designed place and size in proportion, lies
    // inside the window, and shows its caption whole at its designed size
    // times the zoom, never smaller.
    QFETCH(QString, screen);
    QFETCH(double, factor);
    runtime::setZoom(factor);
    runtime::Form *form = runtime::showForm(screen);
    settle();
    QCOMPARE(form->size(), form->naturalSize());
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (w->isWindow() || !w->property("designRect").isValid())
            continue;
        const QString name = w->objectName();
        const QRect design = runtime::designRect(w);
        if (w->parentWidget() != form && !w->property("designSelfSizing").toBool()) {
            QVERIFY2(std::abs(w->x() - design.x() * factor / 15) <= 1 && std::abs(w->y() - design.y() * factor / 15) <= 1
                         && w->width() + 1 >= design.width() * factor / 15,
                     qPrintable(name));
        }
        // Seen whole, and seen at all: a rule designed 0 twips wide is a pixel wide.
        if (w->isVisible())
            QVERIFY2(form->rect().adjusted(0, 0, 1, 1).contains(QRect(w->mapTo(form, QPoint()), w->size()))
                         && !w->size().isEmpty(),
                     qPrintable(name));
        const QVariant designSize = w->property("designPointSize");
        if (designSize.isValid())
            QCOMPARE(w->font().pointSizeF(), designSize.toDouble() * factor);
        const auto *label = qobject_cast<QLabel *>(w);
        if (label && w->isVisible() && !label->text().isEmpty()) {
            const QRect inside = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(inside, label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
            QVERIFY2(needed.height() <= inside.height() + 1 && needed.width() <= inside.width() + 1, qPrintable(name));
        }
    }
}

void TestDisplay::keysResizingAndOversizeZoom()
{
    runtime::Form *start = runtime::showForm(QStringLiteral("ratestart"));
    settle();
    const QSize natural = start->size();
    QTest::keyClick(start, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(runtime::zoom(), 1.1);
    QCOMPARE(start->size(), start->naturalSize());
    QVERIFY(start->width() > natural.width());
    QTest::keyClick(start, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(start, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(runtime::zoom(), 0.9);
    QTest::keyClick(start, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(start->size(), natural);

    // A wider window zooms to its height and centres the content.
    start->resize(natural.width() * 2, natural.height() * 6 / 5);
    settle();
    QVERIFY(std::abs(runtime::zoom() - 1.2) < 0.01);
    auto *heading = start->findChild<QWidget *>(QStringLiteral("Image1"));
    const int margin = (start->width() - runtime::scaled(9450)) / 2;
    QVERIFY(margin > 0);
    QCOMPARE(heading->x(), margin + runtime::scaled(120));

    // The zoom carries over to the screen opened next.
    QTest::mouseClick(start->findChild<QWidget *>(QStringLiteral("btninitialrates")), Qt::LeftButton);
    settle();
    runtime::Form *tutor = runtime::loadedForm(QStringLiteral("ratetutor"));
    QCOMPARE(tutor->size(), tutor->naturalSize());
    QCOMPARE(tutor->width(), runtime::scaled(9480));
    QVERIFY(tutor->width() > runtime::toPixels(9480) * 1.15);

    // At a zoom too large for the screen, a window opens zoomed down to fit
    // the available area, title bar and all.
    runtime::setZoom(3.0);
    runtime::Form *form = runtime::showForm(QStringLiteral("writingratelaws"));
    settle();
    QVERIFY(runtime::zoom() < 3.0);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(form->frameGeometry()));
    QCOMPARE(form->size(), form->naturalSize());
}

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
