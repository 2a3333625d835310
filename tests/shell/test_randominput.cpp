// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real screens with thousands of random clicks, typed texts,
// menu choices and window closes, checking after every event what must always
// hold. A failure names its seed and event; VELOMIRA_SEED=<n> replays it.
#include "messageboxes.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "shell/screens.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QHash>
#include <QTest>
#include <random>

using namespace testing;

namespace {

const QStringList typedTexts = QStringList{"", "   ", "abc", "1e400", "1e40", "-0", "0", "1", "2", " 1", ".5", "1/2", "-1",
                                           "0.25", "123456789012345678901234567890", QString(400, u'9'),
                                           "\u0436\u00e9\u4e2d", "Rate=k[NO]^2^[H_2_]", "rate = k [CO][NO_2_]",
                                           QString(300, u'^')};

class Monkey
{
public:
    explicit Monkey(unsigned seed)
        : m_seed(seed)
        , m_random(seed)
    {
    }

    // Runs the events; returns an empty text, or what went wrong.
    QString run(int events)
    {
        for (m_event = 0; m_event < events; ++m_event) {
            step();
            settle();
            const QString problem = check();
            if (!problem.isEmpty())
                return QStringLiteral("seed %1, event %2 (%3): %4").arg(m_seed).arg(m_event).arg(m_last, problem);
        }
        return {};
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    static void retype(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }

    runtime::Form *visibleForm() const
    {
        for (runtime::Form *f : runtime::loadedForms()) {
            if (f->isVisible())
                return f;
        }
        return nullptr;
    }

    // A visible, enabled control of the kind, chosen at random, or none.
    template<typename T>
    T *any(QWidget *form, const QString &skip = {})
    {
        QList<T *> found;
        for (T *w : form->findChildren<T *>()) {
            if (w->isVisible() && w->isEnabled() && w->objectName() != skip)
                found.append(w);
        }
        return found.isEmpty() ? nullptr : found.at(pick(int(found.size())));
    }

    void step()
    {
        runtime::Form *form = visibleForm();
        if (!form)
            return;
        const int choice = pick(100);
        if (choice < 2 && form->objectName() != QLatin1String("ratestart")) {
            m_last = QStringLiteral("close ") + form->objectName();
            form->close();
        } else if (choice < 40) {
            // The calculator starts another program on the desktop.
            if (auto *b = any<runtime::LabelButton>(form, QStringLiteral("calculator"))) {
                m_last = QStringLiteral("click ") + b->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
            }
        } else if (choice < 55) {
            if (auto *o = any<QRadioButton>(form)) {
                m_last = QStringLiteral("choose ") + o->objectName();
                QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
            }
        } else if (choice < 62) {
            if (auto *box = any<QLineEdit>(form)) {
                m_last = QStringLiteral("type into ") + box->objectName();
                retype(box, typedTexts.at(pick(int(typedTexts.size()))));
                if (pick(4) == 0)
                    QTest::keyClick(box, Qt::Key_Return);
            }
        } else if (choice < 72) {
            // Every answer box at once, so that submissions get graded.
            m_last = QStringLiteral("fill every box");
            for (QLineEdit *box : form->findChildren<QLineEdit *>()) {
                if (box->isVisible() && box->isEnabled())
                    retype(box, typedTexts.at(5 + pick(9)));
            }
            auto *submit = form->findChild<runtime::LabelButton *>(QStringLiteral("submitbtn"));
            if (submit && submit->isVisible() && submit->isEnabled() && pick(2) == 0) {
                m_last += QStringLiteral(" and submit");
                QTest::mouseClick(submit, Qt::LeftButton);
            }
        } else if (choice < 80) {
            QList<QAction *> actions;
            for (QMenu *menu : form->findChildren<QMenu *>()) {
                for (QAction *a : menu->actions()) {
                    if (a->isEnabled() && !a->menu() && !a->isSeparator())
                        actions.append(a);
                }
            }
            if (!actions.isEmpty()) {
                QAction *a = actions.at(pick(int(actions.size())));
                m_last = QStringLiteral("menu ") + a->objectName();
                a->trigger();
            }
        } else if (auto *l = any<QLabel>(form)) {
            m_last = QStringLiteral("click label ") + l->objectName();
            QTest::mouseClick(l, Qt::LeftButton);
        }
    }

    QString check()
    {
        const QStringList visible = visibleScreens();
        if (visible.size() != 1)
            return QStringLiteral("visible screens: ") + visible.join(u',');
        runtime::Form *form = visibleForm();

        static const QRegularExpression notANumber(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
        for (QLabel *l : form->findChildren<QLabel *>()) {
            if (notANumber.match(l->text()).hasMatch())
                return l->objectName() + QStringLiteral(" shows ") + l->text();
        }

        // Attempts never go down and a completed problem stays completed,
        // as long as the screen stays loaded.
        for (runtime::Form *f : runtime::loadedForms()) {
            const QString screen = f->objectName() + u'/';
            if (m_forms.value(screen) != f) { // loaded afresh: starts over
                m_forms[screen] = f;
                m_shown.removeIf([&](auto entry) { return entry.key().startsWith(screen); });
            }
            for (QLabel *label : f->findChildren<QLabel *>()) {
                const QString name = label->objectName();
                const QString key = screen + name;
                if (name.startsWith(u"numattempts_") && label->text().toInt() < m_shown.value(key).toInt())
                    return QStringLiteral("attempts went down on ") + f->objectName();
                if (name.startsWith(u"probcomplete_") && m_shown.value(key) == u"Yes" && label->text() != u"Yes")
                    return QStringLiteral("completion went back on ") + f->objectName();
                m_shown[key] = label->text();
            }
        }

        // While a tutoring stage runs, Submit is off and at most the stage's
        // own answer box takes input.
        for (const char *area : {"orderAtutor", "tutorbox"}) {
            QWidget *tutoring = form->findChild<QWidget *>(QString::fromLatin1(area));
            auto *submit = form->findChild<QWidget *>(QStringLiteral("submitbtn"));
            if (!tutoring || !submit || !tutoring->isVisible())
                continue;
            if (area == QLatin1String("orderAtutor") && form->findChild<QWidget *>(QStringLiteral("tutorbox")))
                continue; // there the work area is always shown; its tutoring box tells
            if (submit->isEnabled())
                return QStringLiteral("Submit enabled during tutoring");
            int enabledBoxes = 0;
            for (QLineEdit *box : form->findChildren<QLineEdit *>())
                enabledBoxes += box->isEnabled() && box->objectName().endsWith(QLatin1String("input"));
            if (enabledBoxes > 1)
                return QStringLiteral("%1 answer boxes enabled during tutoring").arg(enabledBoxes);
        }
        return {};
    }

    unsigned m_seed;
    std::mt19937 m_random;
    int m_event{0};
    QString m_last;
    QHash<QString, QPointer<runtime::Form>> m_forms;
    QHash<QString, QString> m_shown; // what each screen's labels showed last
};

} // namespace

class TestRandomInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void screensSurviveRandomInput_data();
    void screensSurviveRandomInput();
};

void TestRandomInput::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

void TestRandomInput::screensSurviveRandomInput_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<QString>("module");
    bool replay = false;
    const unsigned chosen = qEnvironmentVariableIntValue("VELOMIRA_SEED", &replay);
    for (unsigned seed : replay ? QList<unsigned>{chosen} : QList<unsigned>{1, 2, 3}) {
        for (const char *module : {"btninitialrates", "btngraphicalmethod", "btnwritingratelaws"})
            QTest::addRow("seed %u %s", seed, module) << seed << QString::fromLatin1(module);
    }
}

void TestRandomInput::screensSurviveRandomInput()
{
    QFETCH(unsigned, seed);
    QFETCH(QString, module);
    MessageBoxes boxes;
    unloadAll();
    runtime::Form *start = runtime::showForm(QStringLiteral("ratestart"));
    settle();
    QTest::mouseClick(start->findChild<runtime::LabelButton *>(module), Qt::LeftButton);
    settle();
    Monkey monkey(seed);
    const QString failure = monkey.run(1500);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(boxes.problems().isEmpty(), qPrintable(boxes.problems().join(u'\n')));
    unloadAll();
}

QTEST_MAIN(TestRandomInput)
#include "test_randominput.moc"
