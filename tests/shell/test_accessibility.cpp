// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"
#include "pictures/picture.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "shell/screens.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>

using namespace testing;

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

bool operable(QWidget *widget)
{
    return widget->isVisibleTo(widget->window()) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { unloadAll(); }
    void controlsSayWhatTheyAre_data();
    void controlsSayWhatTheyAre();
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
};

void TestAccessibility::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

void TestAccessibility::controlsSayWhatTheyAre_data()
{
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"ratestart", "ratetutor", "ratetutor2", "writingratelaws", "approachform", "approachform2"})
        QTest::newRow(screen) << QString::fromLatin1(screen);
}

void TestAccessibility::controlsSayWhatTheyAre()
{
    QFETCH(QString, screen);
    MessageBoxes boxes;
    runtime::Form *form = runtime::showForm(screen);
    QVERIFY(form);
    for (auto *button : form->findChildren<runtime::LabelButton *>()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), button->text());
    }
    for (auto *option : form->findChildren<QRadioButton *>())
        QCOMPARE(accessibleName(option), option->text());
    for (auto *picture : form->findChildren<pictures::Picture *>()) {
        QVERIFY2(!picture->accessibleName().isEmpty(), qPrintable(picture->objectName()));
        QVERIFY2(!picture->accessibleDescription().isEmpty(), qPrintable(picture->objectName()));
        QCOMPARE(accessibleName(picture), picture->accessibleName());
    }
    for (auto *box : form->findChildren<QLineEdit *>())
        QVERIFY2(!accessibleName(box).isEmpty(), qPrintable(box->objectName()));
    for (auto *label : form->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            QCOMPARE(accessibleName(label), label->text());
    }
}

void TestAccessibility::tabReachesEveryControl_data()
{
    controlsSayWhatTheyAre_data();
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

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
