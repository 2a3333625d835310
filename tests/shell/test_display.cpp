// SPDX-License-Identifier: GPL-3.0-or-later
// What a student sees on any desktop: readable text in a light and a dark
// scheme, and screens that zoom and resize as one piece.
#include "../initialrates/scripted.h"
#include "messageboxes.h"
#include "pictures/picture.h"
#include "runtime/colours.h"
#include "runtime/forms.h"
#include "screens.h"
#include "shell/screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <map>

using namespace testing;

namespace {

QPalette darkPalette()
{
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 30), text(235, 235, 235);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        p.setColor(role, window);
    p.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        p.setColor(role, text);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    return p;
}

bool showsText(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().trimmed().isEmpty();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    if (const auto *box = qobject_cast<const QLineEdit *>(w))
        return !box->text().isEmpty();
    return qobject_cast<const pictures::Picture *>(w) || qobject_cast<const QMenuBar *>(w);
}

// The contrast of a control's text against its own ground, from the
// rendered pixels: the ground is the commonest colour in the control's box,
// the text the pixel that stands out from it most.
double measuredContrast(const QImage &image, const QRect &box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = 0;
    for (const auto &[colour, count] : counts) {
        if (count > most) {
            most = count;
            ground = colour;
        }
    }
    double best = 1.0;
    for (const auto &entry : counts)
        best = std::max(best, runtime::contrastRatio(QColor(ground), QColor(entry.first)));
    return best;
}

// Every enabled control that shows text, as the screen is now, with its
// contrast when below 4.5 : 1 (inactive controls are exempt, as in WCAG).
QStringList poorContrast(QWidget *form, const QString &state)
{
    QCoreApplication::processEvents();
    const QImage image = form->grab().toImage();
    QStringList poor;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled() || w->isWindow() || !showsText(w))
            continue;
        const auto *frame = qobject_cast<const QFrame *>(w);
        const QRect inner = frame ? frame->contentsRect() : w->rect();
        const QRect box = w->visibleRegion().boundingRect().intersected(inner).translated(w->mapTo(form, QPoint()));
        if (box.isEmpty())
            continue;
        const double ratio = measuredContrast(image, box.intersected(image.rect()));
        if (ratio < 4.5)
            poor.append(QStringLiteral("%1 %2: %3").arg(state, w->objectName()).arg(ratio, 0, 'f', 2));
    }
    return poor;
}

QRect availableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestDisplay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void textIsReadableInEveryState_data();
    void textIsReadableInEveryState();
    void screensScaleAsOnePiece_data();
    void screensScaleAsOnePiece();
    void keysAndResizingZoom();
    void oversizeScreenOpensWhole();

private:
    void act(runtime::Form *&form, const QString &step);
    runtime::ScriptedRandom::Script m_draws;
};

void TestDisplay::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    runtime::initialiseApplication();
    registerScreens();
    runtime::setRandomFactory([this] {
        // The Method of Initial Rates walks a known problem; the others any.
        if (m_draws && !m_draws->empty())
            return std::unique_ptr<runtime::RandomSource>(std::make_unique<runtime::ScriptedRandom>(m_draws));
        return std::unique_ptr<runtime::RandomSource>(std::make_unique<SeededRandom>(7));
    });
}

void TestDisplay::cleanup()
{
    // Closing a module screen brings the start screen back: close that too.
    unloadAll();
    unloadAll();
    QApplication::setPalette(QApplication::style()->standardPalette());
    runtime::setZoom(1.0);
}

// One step of a walk: "click name", "type box text", or "open screen".
void TestDisplay::act(runtime::Form *&form, const QString &step)
{
    const QStringList words = step.split(u' ');
    if (words[0] == "open") {
        form = runtime::showForm(words[1]);
    } else if (words[0] == "type") {
        auto *box = form->findChild<QLineEdit *>(words[1]);
        QVERIFY2(box, qPrintable(step));
        box->setText(words.mid(2).join(u' '));
    } else {
        QWidget *w = form->findChild<QWidget *>(words[1]);
        QVERIFY2(w && w->isVisible(), qPrintable(step));
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    settle();
}

void TestDisplay::textIsReadableInEveryState_data()
{
    QTest::addColumn<QStringList>("walk");
    const QStringList initialRates{
        "open ratetutor", "type orderAinput 2", "type orderBinput 1", "type kinput 3.5", "click submitbtn",
        "click Trial_0", "click Labrate_2", "click continueAbtn", "click LabconcB_2", "click labconcA_1",
        "click continueAbtn", "type orderAinput 3", "click continueAbtn", "type orderAinput 2",
        "click continueAbtn", "type orderAinput 1", "click continueAbtn", "click continueAbtn",
        "type kinput 3", "type orderBinput 2", "click submitbtn", "click Trial_3", "click continueAbtn",
        "type kinput 3.40", "click continueAbtn", "type kinput 3.54", "click continueAbtn",
        "type kinput 3.47", "click continueAbtn", "click continueAbtn", "click submitbtn", "click problem_4",
        "type orderAinput 9", "type orderBinput 9", "type kinput 9", "click submitbtn", "click approach"};
    QStringList graphical{"open ratetutor2", "type orderAinput 9", "type kinput 9", "click submitbtn"};
    for (int i = 0; i < 3; ++i)
        graphical << QStringLiteral("click plottype_%1").arg(i) << "click plotbtn" << "click lstsquares"
                  << "click continueAbtn";
    graphical << "type orderAinput 8" << "click continueAbtn" << "click problem_5" << "type orderAinput 9"
              << "type kinput 9" << "click submitbtn" << "click approach";
    const QStringList writing{"open writingratelaws", "click problemnumber_0", "type answer Rate = k[NO]",
                              "click submitbtn", "click problemnumber_2"};
    for (const char *scheme : {"light", "dark"}) {
        QTest::addRow("start screen, %s", scheme) << QStringList{"open ratestart"};
        QTest::addRow("initial rates and explanation, %s", scheme) << initialRates;
        QTest::addRow("graphical and explanation, %s", scheme) << graphical;
        QTest::addRow("writing rate laws, %s", scheme) << writing;
    }
}

void TestDisplay::textIsReadableInEveryState()
{
    QFETCH(QStringList, walk);
    const bool dark = QByteArray(QTest::currentDataTag()).endsWith("dark");
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    QCOMPARE(runtime::darkScheme(), dark);
    m_draws = script({});
    pushKnownProblem(m_draws);
    pushKnownProblem(m_draws);
    MessageBoxes boxes;
    runtime::Form *form = nullptr;
    QStringList poor;
    for (const QString &step : walk) {
        act(form, step);
        // "Approach" swaps in the explanation screen.
        for (runtime::Form *shown : runtime::loadedForms()) {
            if (shown->isVisible() && !form->isVisible())
                form = shown;
        }
        poor << poorContrast(form, step);
    }
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join(u'\n')));
}

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
            QVERIFY2(std::abs(w->x() - design.x() * factor / 15) <= 1, qPrintable(name));
            QVERIFY2(std::abs(w->y() - design.y() * factor / 15) <= 1, qPrintable(name));
            QVERIFY2(w->width() + 1 >= design.width() * factor / 15, qPrintable(name));
        }
        if (w->isVisible())
            QVERIFY2(form->rect().adjusted(0, 0, 1, 1).contains(QRect(w->mapTo(form, QPoint()), w->size())),
                     qPrintable(name));
        const QVariant designSize = w->property("designPointSize");
        if (designSize.isValid())
            QCOMPARE(w->font().pointSizeF(), designSize.toDouble() * factor);
        const auto *label = qobject_cast<QLabel *>(w);
        if (label && label->wordWrap() && w->isVisible() && !label->text().isEmpty()) {
            const QRect inside = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(inside, Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= inside.height() + 1, qPrintable(name));
        }
    }
}

void TestDisplay::keysAndResizingZoom()
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

    // The zoom carries over to the screen opened next, and through the
    // explanation screen and back the tutor stays where it was.
    QTest::mouseClick(start->findChild<QWidget *>(QStringLiteral("btninitialrates")), Qt::LeftButton);
    settle();
    runtime::Form *tutor = runtime::loadedForm(QStringLiteral("ratetutor"));
    QCOMPARE(tutor->size(), tutor->naturalSize());
    QCOMPARE(tutor->width(), runtime::scaled(9480));
    QVERIFY(tutor->width() > runtime::toPixels(9480) * 1.15);
    tutor->move(availableArea().topLeft() + QPoint(5, 7));
    const QPoint at = tutor->pos();
    QTest::mouseClick(tutor->findChild<QWidget *>(QStringLiteral("approach")), Qt::LeftButton);
    settle();
    runtime::Form *explanation = runtime::loadedForm(QStringLiteral("approachform"));
    QCOMPARE(explanation->pos(), at);
    QCOMPARE(explanation->size(), explanation->naturalSize());
    QTest::mouseClick(explanation->findChild<QWidget *>(QStringLiteral("btnreturn")), Qt::LeftButton);
    settle();
    QVERIFY(tutor->isVisible());
    QCOMPARE(tutor->pos(), at);
}

void TestDisplay::oversizeScreenOpensWhole()
{
    // At a zoom too large for the screen, the window opens zoomed down to
    // fit the available area, title bar and all.
    runtime::setZoom(3.0);
    runtime::Form *form = runtime::showForm(QStringLiteral("writingratelaws"));
    settle();
    QVERIFY(runtime::zoom() < 3.0);
    QVERIFY(availableArea().contains(form->frameGeometry()));
    QCOMPARE(form->size(), form->naturalSize());
}

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
