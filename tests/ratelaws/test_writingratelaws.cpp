// SPDX-License-Identifier: GPL-3.0-or-later
// Judging typed rate laws, as the writingratelaws screen shows the verdict.
#include "driver.h"
#include "ratelaws/ratelawproblem.h"
#include "runtime/application.h"
#include "runtime/translations.h"
#include "screens.h"
#include "shell/screens.h"

#include <QLineEdit>
#include <QTest>

using namespace testing;

class TestWritingRateLaws : public QObject, ScreenDriver
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        runtime::initialiseApplication();
        registerScreens();
    }
    // The rows whose name begins "de:" see the German screen.
    void init()
    {
        if (QByteArray(QTest::currentDataTag()).startsWith("de:"))
            runtime::installTranslations(QLocale(QStringLiteral("de")));
        m_form = runtime::showForm(QStringLiteral("writingratelaws"));
        settle();
        QVERIFY(m_form);
    }
    void cleanup()
    {
        unloadAll();
        runtime::installTranslations(QLocale::c());
    }

    // Problems 0: NO2 + CO, both first order; 1: NO + H2, second and first
    // order; 2: N2O5 alone, first order.
    void answering_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("comments"); // empty or the note: judged Correct
        // The comment lines, each after a line break, in the order they are shown.
        const QString noK = QStringLiteral("\nThe rate law must contain the variable for the rate constant, k.");
        const QString noRate = QStringLiteral("\nThe rate law should begin with 'Rate ='.");
        const QString missing = QStringLiteral("\nThe compound %1 should be in your rate law.");
        const QString wrongOrder = QStringLiteral("\nThe order with respect to %1 is not correct.");
        // Where no rule finds anything, the general comment says what to check.
        const QString checkNotation = QStringLiteral("\nCheck how the rate law is written: each order goes between "
                                                     "two carets right after its concentration, and nothing else "
                                                     "belongs in the rate law.");
        // A right answer that writes an order of 1 gets this note instead.
        const QString note = QStringLiteral("When the order with respect to a reactant is 1, the number 1 does not "
                                            "need to be written as a superscript following that reactant's "
                                            "concentration.");
        const QString allForNO = noK + noRate + missing.arg("[NO]") + missing.arg("[H_2_]") + wrongOrder.arg("[NO]");
        // clang-format off
        QTest::newRow("NO: blanks, tab, no-break space, lower-case r")
            << 1 << QStringLiteral("rate = k [NO]^2^\t[H_2_]\u00a0") << false << "";
        QTest::newRow("NO: hydrogen first, by Enter") << 1 << "Rate=k[H_2_][NO]^2^" << true << "";
        QTest::newRow("NO: superscript 2 left out") << 1 << "Rate=k[NO][H_2_]" << false << wrongOrder.arg("[NO]");
        QTest::newRow("NO: wrong order for hydrogen") << 1 << "Rate=k[NO]^2^[H_2_]^2^" << false << wrongOrder.arg("[H_2_]");
        QTest::newRow("NO: capital K") << 1 << "Rate=K[NO]^2^[H_2_]" << false << noK;
        QTest::newRow("NO: empty answer, five lines in order") << 1 << "" << false << allForNO;
        QTest::newRow("NO: no closing caret, by Enter") << 1 << "Rate=k[NO]^2[H_2_]" << true << checkNotation;
        QTest::newRow("NO: a box full of brackets") << 1 << QString(32767, u'[') << false << allForNO;
        // Either order of 1 may be written on its own.
        QTest::newRow("NO2: ^1^ for the first reactant only, by Enter") << 0 << "Rate=k[NO_2_]^1^[CO]" << true << note;
        QTest::newRow("NO2: swapped, ^1^ for the first written second") << 0 << "Rate=k[CO][NO_2_]^1^" << false << note;
        QTest::newRow("NO2: ^1^ for the second reactant only") << 0 << "Rate=k[NO_2_][CO]^1^" << false << note;
        QTest::newRow("NO2: ^1^ for both") << 0 << "Rate=k[NO_2_]^1^[CO]^1^" << false << note;
        QTest::newRow("NO2: wrong order for the first reactant") << 0 << "Rate=k[NO_2_]^2^[CO]" << false << wrongOrder.arg("[NO_2_]");
        QTest::newRow("NO2: wrong order for the second reactant") << 0 << "Rate=k[NO_2_][CO]^0^" << false << wrongOrder.arg("[CO]");
        QTest::newRow("N2O5: wrong order") << 2 << "Rate=k[N_2_O_5_]^2^" << false << wrongOrder.arg("[N_2_O_5_]");
        QTest::newRow("NO2: empty answer asks for no order")
            << 0 << "" << false << noK + noRate + missing.arg("[NO_2_]") + missing.arg("[CO]");
        QTest::newRow("N2O5: ^1^ written") << 2 << "Rate=k[N_2_O_5_]^1^" << false << note;
        // German screens write the rate as v: there, and only there, it may begin the answer.
        QTest::newRow("de: v = for Rate =") << 1 << "v = k[NO]^2^[H_2_]" << false << "";
        QTest::newRow("v = where the screens write Rate") << 1 << "v=k[NO]^2^[H_2_]" << false << noRate;
        // No second reactant: nothing is said of one.
        QTest::newRow("N2O5: NO's fourth answer") << 2 << "Rate=k[H_2_]^1^[NO]^2^" << false << missing.arg("[N_2_O_5_]");
        // clang-format on
    }

    // Each row opens with the left column only, leaves a wrong answer with
    // its comments on another problem, then chooses its problem (which must
    // clear them and show only that problem), answers it wrong once and then
    // as the row says, and chooses it again, which starts it afresh.
    void answering()
    {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        QFETCH(QString, comments);
        // The problems' numbers, then the controls of the problem chosen.
        QStringList problem{"problemnumber_0", "problemnumber_1", "problemnumber_2"};
        QCOMPARE(shown(), problem + QStringList{"report1"});
        problem +=
            QStringList{"description", "Label2", QStringLiteral("rxnimage0_%1").arg(index), "answer", "submitbtn"};
        choose((index + 1) % ratelaws::ProblemCount);
        answer(QStringLiteral("Rate=K"));
        QVERIFY(shown().contains("feedback") && !text("report1").isEmpty());
        choose(index);
        QCOMPARE(shown(), problem + QStringList{"report1"});
        QCOMPARE(text("description"), ratelaws::rateLawProblem(index).description);
        QCOMPARE(text("answer"), QString());
        QCOMPARE(text("report1"), QString());
        answer(QStringLiteral("Rate=K"));
        answer(typed, byEnter);
        const bool correct = !comments.startsWith(u'\n');
        QCOMPARE(text("report"), QCoreApplication::translate("WritingRateLaws", correct ? "Correct" : "Incorrect"));
        QCOMPARE(shown(),
                 problem + (correct ? QStringList{"report", "report1"} : QStringList{"report", "feedback", "report1"}));
        QCOMPARE(text("report1"), comments);
        QCOMPARE(text("answer"), typed);
        // Chosen again, the problem starts afresh.
        choose(index);
        QCOMPARE(shown(), problem + QStringList{"report1"});
        QCOMPARE(text("answer"), QString());
        QCOMPARE(text("report1"), QString());
    }

private:
    // The controls of this screen that are shown, in the order of the layout.
    QStringList shown() const
    {
        QStringList names;
        for (const char *name :
             {"problemnumber_0", "problemnumber_1", "problemnumber_2", "description", "Label2", "rxnimage0_0",
              "rxnimage0_1", "rxnimage0_2", "answer", "submitbtn", "report", "feedback", "report1"})
            if (get(QString::fromLatin1(name))->isVisible())
                names.append(QString::fromLatin1(name));
        return names;
    }
    void choose(int index) { click(QStringLiteral("problemnumber_%1").arg(index)); }
    // Typed or pasted: the text, tabs and all, lands in the box at once.
    void answer(const QString &typed, bool byEnter = false)
    {
        get<QLineEdit>(QStringLiteral("answer"))->setText(typed);
        byEnter ? QTest::keyClick(get(QStringLiteral("answer")), Qt::Key_Return) : click(QStringLiteral("submitbtn"));
    }
};

QTEST_MAIN(TestWritingRateLaws)
#include "test_writingratelaws.moc"
