// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelaws/ratelawproblem.h"
#include "screens.h"
#include "shell/screens.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace testing;

class TestWritingRateLaws : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { runtime::initialiseApplication(); registerScreens(); }
    void init()
    {
        m_screen = runtime::showForm(QStringLiteral("writingratelaws"));
        settle();
        QVERIFY(m_screen);
    }
    void cleanup() { unloadAll(); }

    // Only the left column until a problem is chosen.
    void opensWithTheProblemsOnly()
    {
        QCOMPARE(shown(), QStringList({"problemnumber_0", "problemnumber_1", "problemnumber_2", "report1"}));
    }

    // Each row first leaves a wrong answer with its comments on the problem
    // chosen before, then chooses a problem (which must clear them and show
    // only that problem), answers it wrong once and then as the row says.
    void answering_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("comments");
        QTest::newRow("NO after NO2: blanks and a lower-case r")
            << 0 << 1 << "rate = k [NO]^2^ [H_2_]" << false << "Correct" << "";
        QTest::newRow("NO2 after pentoxide: ^1^ for one reactant only, by Enter")
            << 2 << 0 << "Rate=k[NO_2_]^1^[CO]" << true << "Correct"
            << "When the order with respect to a reactant is 1, the number 1 does not need to be written as a "
               "superscript following that reactant's concentration.";
        QTest::newRow("NO again: empty answer, five lines in order")
            << 1 << 1 << "" << false << "Incorrect"
            << "\nThe rate law must contain the variable for the rate constant, k."
               "\nThe rate law should begin with 'Rate ='."
               "\nThe compound [NO] should be in your rate law."
               "\nThe compound [H_2_] should be in your rate law."
               "\nThe order with respect to [NO] is not correct.";
        QTest::newRow("NO: no closing caret, the general comment")
            << 0 << 1 << "Rate=k[NO]^2[H_2_]" << true << "Incorrect"
            << "\nCheck how the rate law is written: each order goes between two carets right after its "
               "concentration, and nothing else belongs in the rate law.";
        QTest::newRow("pentoxide after NO: NO's fourth answer")
            << 1 << 2 << "Rate=k[H_2_]^1^[NO]^2^" << false << "Incorrect"
            << "\nThe compound [N_2_O_5_] should be in your rate law.";
    }

    void answering()
    {
        QFETCH(int, before);
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        QFETCH(QString, verdict);
        QFETCH(QString, comments);
        const QStringList problem{"problemnumber_0", "problemnumber_1", "problemnumber_2", "description", "Label2",
                                  QStringLiteral("rxnimage0_%1").arg(index), "answer", "submitbtn"};
        choose(before);
        answer(QStringLiteral("Rate=K"));
        QVERIFY(shown().contains("feedback") && !text("report1").isEmpty());
        choose(index);
        QCOMPARE(shown(), problem + QStringList{"report1"});
        QCOMPARE(text("description"), ratelaws::rateLawProblem(index).description);
        QCOMPARE(text("answer"), QString());
        QCOMPARE(text("report1"), QString());
        answer(QStringLiteral("Rate=K"));
        answer(typed, byEnter);
        QCOMPARE(text("report"), verdict);
        QCOMPARE(shown(), problem + (verdict == "Correct" ? QStringList{"report", "report1"}
                                                          : QStringList{"report", "feedback", "report1"}));
        QCOMPARE(text("report1"), comments);
        QCOMPARE(text("answer"), typed);
    }

private:
    QWidget *control(const QString &name) const
    {
        auto *found = m_screen->findChild<QWidget *>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QString text(const char *name) const { return control(QString::fromLatin1(name))->property("text").toString(); }
    // The controls of this screen that are shown, in the order of the layout.
    QStringList shown() const
    {
        QStringList names;
        for (const char *name : {"problemnumber_0", "problemnumber_1", "problemnumber_2", "description", "Label2",
                                 "rxnimage0_0", "rxnimage0_1", "rxnimage0_2", "answer", "submitbtn", "report",
                                 "feedback", "report1", "test"})
            if (control(QString::fromLatin1(name))->isVisible())
                names.append(QString::fromLatin1(name));
        return names;
    }

    void choose(int index)
    {
        auto *option = qobject_cast<QRadioButton *>(control(QStringLiteral("problemnumber_%1").arg(index)));
        // On the round indicator, which is always part of the clickable area.
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }

    void answer(const QString &typed, bool byEnter = false)
    {
        auto *box = qobject_cast<QLineEdit *>(control(QStringLiteral("answer")));
        box->clear();
        QTest::keyClicks(box, typed);
        if (byEnter)
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(control(QStringLiteral("submitbtn")), Qt::LeftButton);
    }

    runtime::Form *m_screen{nullptr};
};

QTEST_MAIN(TestWritingRateLaws)
#include "test_writingratelaws.moc"
