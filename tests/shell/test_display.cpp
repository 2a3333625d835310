// SPDX-License-Identifier: GPL-3.0-or-later
// Zoom by the keys and by resizing the window; a zoom too large for the
// screen. How each screen looks zoomed is the walk's to check.
#include "runtime/forms.h"
#include "screens.h"
#include "shell/screens.h"

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
    void keysResizingAndOversizeZoom();
};

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
