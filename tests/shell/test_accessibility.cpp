// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns through Qt's accessibility interfaces: roles,
// names, selected states, the plot's description and the events that
// announce verdicts and tutoring messages.
#include "messageboxes.h"
#include "pictures/picture.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"
#include "runtime/random.h"
#include "screens.h"
#include "shell/screens.h"
#include "tests/initialrates/scripted.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace testing;

namespace {

QAccessibleInterface *of(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *iface = of(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

bool operable(QWidget *widget)
{
    return widget->isVisibleTo(widget->window()) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

// Every event sent to screen readers while it lives: which object, what kind.
struct Events {
    Events()
    {
        s_events.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (auto *widget = qobject_cast<QWidget *>(event->object()))
                s_events.append({widget->objectName(), event->type()});
        });
    }
    ~Events() { QAccessible::installUpdateHandler(nullptr); }
    bool has(const QString &name, QAccessible::Event type) const { return s_events.contains({name, type}); }
    static inline QList<QPair<QString, QAccessible::Event>> s_events;
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { unloadAll(); }
    void screensPicturesAndAreasHaveRoles_data();
    void screensPicturesAndAreasHaveRoles();
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
    void initialRatesRowsCellsAndAnnouncements();
    void graphicalPlotAndPlotTypes();

private:
    template<typename T = QWidget>
    T *get(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    runtime::Form *m_form{nullptr};
};

void TestAccessibility::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
    // As when a screen reader runs, so that events are sent (the way Qt's
    // own accessibility tests switch it on).
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
}

void TestAccessibility::screensPicturesAndAreasHaveRoles_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::newRow("ratestart") << "ratestart" << "Velomira";
    QTest::newRow("ratetutor") << "ratetutor" << "Method of Initial Rates";
    QTest::newRow("ratetutor2") << "ratetutor2" << "Graphical Method";
    QTest::newRow("writingratelaws") << "writingratelaws" << "Writing Rate Laws";
    QTest::newRow("approachform") << "approachform" << "Method of Initial Rates";
    QTest::newRow("approachform2") << "approachform2" << "Graphical Method";
}

void TestAccessibility::screensPicturesAndAreasHaveRoles()
{
    QFETCH(QString, screen);
    QFETCH(QString, title);
    MessageBoxes boxes;
    m_form = runtime::showForm(screen);
    QCOMPARE(of(m_form)->role(), QAccessible::Window);
    QCOMPARE(nameOf(m_form), title);
    for (auto *picture : m_form->findChildren<pictures::Picture *>()) {
        QCOMPARE(of(picture)->role(), QAccessible::Graphic);
        QVERIFY2(!nameOf(picture).isEmpty(), qPrintable(picture->objectName()));
    }
    // Panels are named groups; the plot is an image.
    for (auto *box : m_form->findChildren<runtime::PictureBox *>()) {
        const QAccessible::Role role = box->objectName() == u"plot" ? QAccessible::Graphic : QAccessible::Grouping;
        QCOMPARE(of(box)->role(), role);
    }
    for (const char *area : {"orderAtutor", "tutorbox", "responseframe"}) {
        if (QWidget *w = m_form->findChild<QWidget *>(QString::fromLatin1(area)))
            QVERIFY2(!nameOf(w).isEmpty(), area);
    }
    for (auto *box : m_form->findChildren<QLineEdit *>())
        QVERIFY2(!nameOf(box).isEmpty(), qPrintable(box->objectName()));
    // A label-button says its caption, not the mark of its mnemonic.
    for (auto *button : m_form->findChildren<runtime::LabelButton *>()) {
        QCOMPARE(of(button)->role(), QAccessible::Button);
        QVERIFY2(!nameOf(button).contains(u'&'), qPrintable(button->objectName()));
    }
}

void TestAccessibility::tabReachesEveryControl_data()
{
    screensPicturesAndAreasHaveRoles_data();
}

void TestAccessibility::tabReachesEveryControl()
{
    QFETCH(QString, screen);
    MessageBoxes boxes;
    runtime::Form *form = runtime::showForm(screen);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));

    // An option group is one stop for Tab; the arrow keys move within it.
    auto stopOf = [](QWidget *w) -> QObject * {
        if (auto *option = qobject_cast<QAbstractButton *>(w)) {
            if (option->group())
                return option->group();
            if (option->autoExclusive())
                return option->parentWidget();
        }
        return w;
    };
    QSet<QObject *> expected;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (operable(w))
            expected.insert(stopOf(w));
    }
    QSet<QObject *> reached;
    for (int i = 0; i < expected.size() * 2 + 2; ++i) {
        QTest::keyClick(form, Qt::Key_Tab);
        if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == form)
            reached.insert(stopOf(focus));
    }
    for (QObject *stop : expected)
        QVERIFY2(reached.contains(stop), qPrintable(stop->objectName()));
}

void TestAccessibility::initialRatesRowsCellsAndAnnouncements()
{
    // Orders 1 and 2, k 3.47; trials 0 and 1 share [B].
    const runtime::ScriptedRandom::Script draws = script({});
    pushKnownProblem(draws);
    runtime::setRandomFactory([draws] { return std::make_unique<runtime::ScriptedRandom>(draws); });
    MessageBoxes boxes;
    m_form = runtime::showForm(QStringLiteral("ratetutor"));
    runtime::setRandomFactory({});
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));

    // Each row is one item that says its trial and its values, listed as
    // the screen shows them, and there are no loose value labels.
    auto *row0 = get<runtime::LabelButton>(QStringLiteral("Trial_0"));
    auto *row3 = get<runtime::LabelButton>(QStringLiteral("Trial_3"));
    QCOMPARE(nameOf(row0), QStringLiteral("Trial 1: [A] 0.405 mol/L, [B] 0.645 mol/L, rate 0.5846 mol/L-min"));
    QCOMPARE(nameOf(row3), QStringLiteral("Trial 2: [A] 0.183 mol/L, [B] 0.981 mol/L, rate 0.6111 mol/L-min"));
    QCOMPARE(of(row0)->childCount(), 0);
    QAccessibleInterface *client = of(row0->parentWidget());
    QStringList rows;
    for (int i = 0; i < client->childCount(); ++i) {
        const QString name = client->child(i)->object()->objectName();
        QVERIFY(!name.startsWith(u"labconcA"));
        if (name.startsWith(u"Trial_"))
            rows << client->child(i)->text(QAccessible::Name).left(7);
    }
    QCOMPARE(rows, (QStringList{"Trial 1", "Trial 2", "Trial 3", "Trial 4"}));
    QVERIFY(!of(row0)->state().selectable);
    QCOMPARE(nameOf(get(QStringLiteral("numattempts_2"))), QStringLiteral("Problem 3 attempts: 0"));

    Events events;
    get<QLineEdit>(QStringLiteral("kinput"))->setText(QStringLiteral("3.47"));
    get<QLineEdit>(QStringLiteral("orderAinput"))->setText(QStringLiteral("2"));
    get<QLineEdit>(QStringLiteral("orderBinput"))->setText(QStringLiteral("2"));
    QTest::mouseClick(get(QStringLiteral("submitbtn")), Qt::LeftButton);
    settle();
    // The verdicts and the stage's instruction are announced, and the
    // tutoring area, a named group, takes the focus.
    QVERIFY(events.has(QStringLiteral("responseframe"), QAccessible::DescriptionChanged));
    QVERIFY(of(get(QStringLiteral("responseframe")))->text(QAccessible::Description).contains(u"Incorrect order with respect to A."));
    QVERIFY(events.has(QStringLiteral("orderAtutor"), QAccessible::DescriptionChanged));
    QVERIFY(of(get(QStringLiteral("orderAtutor")))->text(QAccessible::Description).contains(u"Choose two reactions"));
    QCOMPARE(QApplication::focusWidget(), get(QStringLiteral("orderAtutor")));
    QCOMPARE(nameOf(get(QStringLiteral("numattempts_0"))), QStringLiteral("Problem 1 attempts: 1"));
    QCOMPARE(nameOf(get(QStringLiteral("probcomplete_0"))), QStringLiteral("Problem 1 complete: No"));

    // A chosen row says so, and the change is announced.
    QVERIFY(of(row0)->state().selectable && !of(row0)->state().selected);
    QTest::mouseClick(get(QStringLiteral("Labrate_0")), Qt::LeftButton);
    QVERIFY(of(row0)->state().selected && of(row0)->state().checked);
    QVERIFY(events.has(QStringLiteral("Trial_0"), QAccessible::StateChanged));
    QTest::mouseClick(row0, Qt::LeftButton);
    QVERIFY(!of(row0)->state().selected);
}

void TestAccessibility::graphicalPlotAndPlotTypes()
{
    // First order, k .58; the concentrations start at .85.
    const runtime::ScriptedRandom::Script draws = script({0.5f, 0.85f, 0.3f});
    runtime::setRandomFactory([draws] { return std::make_unique<runtime::ScriptedRandom>(draws); });
    MessageBoxes boxes;
    m_form = runtime::showForm(QStringLiteral("ratetutor2"));
    runtime::setRandomFactory({});

    auto *type = get<runtime::LabelButton>(QStringLiteral("plottype_0"));
    QVERIFY(of(type)->state().checkable && !of(type)->state().checked);
    QTest::mouseClick(type, Qt::LeftButton);
    QVERIFY(of(type)->state().checked && of(type)->state().selected);
    QTest::mouseClick(get(QStringLiteral("plotbtn")), Qt::LeftButton);
    const QString points = of(get(QStringLiteral("plot")))->text(QAccessible::Description);
    QVERIFY2(points.startsWith(u"[A] vs. time, points at 0 to 8 minutes: (0, 0.85), (1, "), qPrintable(points));
    QVERIFY2(points.contains(u"(8, 0.0082)"), qPrintable(points));
    QVERIFY(!points.contains(u"line"));
    QTest::mouseClick(get(QStringLiteral("lstsquares")), Qt::LeftButton);
    const QString fitted = of(get(QStringLiteral("plot")))->text(QAccessible::Description);
    QVERIFY2(fitted.startsWith(points) && fitted.contains(u"Least-squares line: slope -0."), qPrintable(fitted));
    // Choosing another type clears the plot and what it says.
    QTest::mouseClick(get(QStringLiteral("plottype_1")), Qt::LeftButton);
    QVERIFY(!of(type)->state().checked);
    QVERIFY(of(get(QStringLiteral("plot")))->text(QAccessible::Description).isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
