// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real screens with thousands of random clicks, typed texts,
// menu choices and window closes, checking after every event what must always
// hold. A failure names its seed and event; VELOMIRA_SEED=<n> replays it,
// problems and all.
#include "messageboxes.h"
#include "runtime/application.h"
#include "runtime/labelbutton.h"
#include "runtime/navigation.h"
#include "screens.h"
#include "shell/screens.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <random>

using namespace testing;

namespace {

// clang-format off
const QStringList typedTexts = QStringList{"", "   ", "abc", "1e400", "1e40", "-0", "0", "1", "2", " 1", ".5", "1/2", "-1",
                                           "0.25", "123456789012345678901234567890", QString(400, u'9'),
                                           "\u0436\u00e9\u4e2d", "Rate=k[NO]^2^[H_2_]", "rate = k [CO][NO_2_]",
                                           QString(300, u'^')};
// clang-format on

void retype(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                            QString(c), Qt::NoModifier);
}

} // namespace

class TestRandomInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        runtime::initialiseApplication();
        registerScreens();
    }
    void screensSurviveRandomInput_data();
    void screensSurviveRandomInput();

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    // A visible, enabled control of the kind, chosen at random, or none.
    template<typename T> T *any(QWidget *form, const QString &skip = {})
    {
        QList<T *> found = form->findChildren<T *>();
        found.removeIf([&](T *w) { return !w->isVisible() || !w->isEnabled() || w->objectName() == skip; });
        T *chosen = found.isEmpty() ? nullptr : found.at(pick(int(found.size())));
        if (chosen)
            m_last = chosen->objectName();
        return chosen;
    }
    void step(runtime::Form *form);
    QString check(); // what went wrong, or empty

    std::mt19937 m_random;
    QString m_last;
    QHash<QString, QPointer<runtime::Form>> m_forms;
    QHash<QString, QString> m_shown; // what each screen's labels showed last
};

void TestRandomInput::step(runtime::Form *form)
{
    const int choice = pick(100);
    m_last = QStringLiteral("nothing");
    if (choice < 2 && form->objectName() != u"ratestart") {
        m_last = QStringLiteral("close ") + form->objectName();
        form->close();
    } else if (choice < 40) { // the calculator starts another program on the desktop
        if (auto *button = any<runtime::LabelButton>(form, QStringLiteral("calculator")))
            QTest::mouseClick(button, Qt::LeftButton);
    } else if (choice < 55) {
        if (auto *option = any<QRadioButton>(form))
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    } else if (choice < 62) {
        if (auto *box = any<QLineEdit>(form)) {
            retype(box, typedTexts.at(pick(int(typedTexts.size()))));
            if (pick(4) == 0)
                QTest::keyClick(box, Qt::Key_Return);
        }
    } else if (choice < 72) { // every answer box at once, so that submissions get graded
        m_last = QStringLiteral("fill every box");
        for (QLineEdit *box : form->findChildren<QLineEdit *>())
            if (box->isVisible() && box->isEnabled())
                retype(box, typedTexts.at(5 + pick(9)));
        auto *submit = form->findChild<runtime::LabelButton *>(QStringLiteral("submitbtn"));
        if (submit && submit->isVisible() && submit->isEnabled() && pick(2) == 0) {
            m_last += QStringLiteral(" and submit");
            QTest::mouseClick(submit, Qt::LeftButton);
        }
    } else if (choice < 80) {
        QList<QAction *> actions;
        for (QMenu *menu : form->findChildren<QMenu *>())
            actions += menu->actions();
        actions.removeIf([](QAction *a) { return !a->isEnabled() || a->menu() || a->isSeparator(); });
        if (!actions.isEmpty()) {
            QAction *action = actions.at(pick(int(actions.size())));
            m_last = QStringLiteral("menu ") + action->objectName();
            action->trigger();
        }
    } else if (auto *label = any<QLabel>(form)) {
        QTest::mouseClick(label, Qt::LeftButton);
    }
}

QString TestRandomInput::check()
{
    const QStringList visible = visibleScreens();
    if (visible.size() != 1)
        return QStringLiteral("visible screens: ") + visible.join(u',');
    runtime::Form *form = runtime::loadedForm(visible.first());
    static const QRegularExpression notANumber(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    // Attempts never go down and a completed problem stays completed, as
    // long as the screen stays loaded.
    for (runtime::Form *f : runtime::loadedForms()) {
        const QString screen = f->objectName() + u'/';
        if (m_forms.value(screen) != f) { // loaded afresh: starts over
            m_forms[screen] = f;
            m_shown.removeIf([&](auto entry) { return entry.key().startsWith(screen); });
        }
        for (QLabel *label : f->findChildren<QLabel *>()) {
            const QString name = label->objectName();
            const QString key = screen + name;
            if (f == form && notANumber.match(label->text()).hasMatch())
                return name + QStringLiteral(" shows ") + label->text();
            if (name.startsWith(u"numattempts_") && label->text().toInt() < m_shown.value(key).toInt())
                return QStringLiteral("attempts went down on ") + screen;
            if (name.startsWith(u"probcomplete_") && m_shown.value(key) == u"Yes" && label->text() != u"Yes")
                return QStringLiteral("completion went back on ") + screen;
            m_shown[key] = label->text();
        }
    }
    // While a tutoring stage runs, Submit is off and at most the stage's own
    // answer box takes input. Where the work area is always shown, its
    // tutoring box tells.
    QWidget *tutoring = form->findChild<QWidget *>(QStringLiteral("tutorbox"));
    tutoring = tutoring ? tutoring : form->findChild<QWidget *>(QStringLiteral("orderAtutor"));
    auto *submit = form->findChild<QWidget *>(QStringLiteral("submitbtn"));
    if (!tutoring || !submit || !tutoring->isVisible())
        return {};
    if (submit->isEnabled())
        return QStringLiteral("Submit enabled during tutoring");
    int enabledBoxes = 0;
    for (QLineEdit *box : form->findChildren<QLineEdit *>())
        enabledBoxes += box->isEnabled() && box->objectName().endsWith(u"input");
    return enabledBoxes > 1 ? QStringLiteral("%1 answer boxes enabled during tutoring").arg(enabledBoxes) : QString();
}

void TestRandomInput::screensSurviveRandomInput_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<QString>("module");
    bool replay = false;
    const unsigned chosen = qEnvironmentVariableIntValue("VELOMIRA_SEED", &replay);
    for (unsigned seed : replay ? QList<unsigned>{chosen} : QList<unsigned>{1, 2, 3})
        for (const char *module : {"btninitialrates", "btngraphicalmethod", "btnwritingratelaws"})
            QTest::addRow("seed %u %s", seed, module) << seed << QString::fromLatin1(module);
}

void TestRandomInput::screensSurviveRandomInput()
{
    QFETCH(unsigned, seed);
    QFETCH(QString, module);
    MessageBoxes boxes;
    // The seed replays the problems too: the module opened twice shows the same.
    qputenv("VELOMIRA_SEED", QByteArray::number(seed));
    QStringList shown[2];
    for (QStringList &texts : shown) {
        unloadAll();
        runtime::Form *start = runtime::showForm(QStringLiteral("ratestart"));
        settle();
        QTest::mouseClick(start->findChild<runtime::LabelButton *>(module), Qt::LeftButton);
        settle();
        for (const QLabel *label : runtime::loadedForm(visibleScreens().first())->findChildren<QLabel *>())
            texts << label->text();
    }
    QCOMPARE(shown[0], shown[1]);
    m_random.seed(seed);
    for (int event = 0; event < 1500; ++event) {
        step(runtime::loadedForm(visibleScreens().first()));
        settle();
        const QString problem = check();
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, event %2 (%3): %4").arg(seed).arg(event).arg(m_last, problem)));
    }
    QVERIFY2(boxes.problems().isEmpty(), qPrintable(boxes.problems().join(u'\n')));
    unloadAll();
}

QTEST_MAIN(TestRandomInput)
#include "test_randominput.moc"
