// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the ratetutor screen's handlers: a problem choice (generation
// and filling the table) and the clicks of a tutoring stage.
#include "initialrates/problem.h"
#include "messageboxes.h"
#include "runtime/application.h"
#include "runtime/labelbutton.h"
#include "runtime/navigation.h"
#include "screens.h"
#include "scripted.h"
#include "shell/screens.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace testing;

class BenchInitialRates : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void generation_data();
    void generation();
    void problemChoice();
    void trialClick();
    void continueClick();
    void verdictLaidOut();
    void submitWithoutTutoring();
    void cleanup()
    {
        const QStringList texts = m_boxes.texts();
        m_boxes.clear();
        QVERIFY2(texts.isEmpty(), qPrintable(texts.join(QLatin1String(" / "))));
    }

private:
    runtime::Form *m_form{nullptr};
    // Any message would stop the timing; none is expected.
    MessageBoxes m_boxes;
    // The test function runs again for each timing pass, and the tutor keeps
    // the last answer across problems: every answer must be new.
    int m_nextOrder{10};
    template<typename T = QWidget> T *child(const char *name)
    {
        return m_form->findChild<T *>(QString::fromLatin1(name));
    }
};

void BenchInitialRates::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
    runtime::setRandomFactory([] { return std::make_unique<SeededRandom>(11); });
    m_form = runtime::showForm(QStringLiteral("ratetutor"));
    settle();
}

void BenchInitialRates::generation_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("relatively easy") << 1;
    QTest::newRow("moderately difficult") << 2;
    QTest::newRow("difficult") << 3;
}

// Includes the redraws of problems that cannot be solved from their table.
void BenchInitialRates::generation()
{
    QFETCH(int, level);
    SeededRandom random(3);
    QBENCHMARK {
        const auto problem = initialrates::generateProblem(random, initialrates::Difficulty(level));
        Q_UNUSED(problem);
    }
}

void BenchInitialRates::problemChoice()
{
    auto *option = child<QRadioButton>("problem_1");
    QBENCHMARK {
        option->click();
    }
}

void BenchInitialRates::trialClick()
{
    // Slot 1 with all three answers wrong opens the stage for the order in A.
    child<QRadioButton>("problem_0")->click();
    for (const char *box : {"orderAinput", "orderBinput", "kinput"})
        child<QLineEdit>(box)->setText(QStringLiteral("7"));
    child<runtime::LabelButton>("submitbtn")->click();
    auto *row = child<runtime::LabelButton>("Trial_2");
    QBENCHMARK {
        row->click();
    }
}

void BenchInitialRates::continueClick()
{
    child<QRadioButton>("problem_0")->click();
    child<QLineEdit>("orderAinput")->setText(QStringLiteral("7"));
    child<QLineEdit>("orderBinput")->setText(QStringLiteral("7"));
    child<QLineEdit>("kinput")->setText(QStringLiteral("77"));
    child<runtime::LabelButton>("submitbtn")->click();
    // The order in A is wrong: its stage, with trials 0 and 1 (equal [B]).
    // Each click brings a new wrong order, so each rebuilds the log line.
    child<runtime::LabelButton>("Trial_0")->click();
    child<runtime::LabelButton>("Trial_1")->click();
    auto *next = child<runtime::LabelButton>("continueAbtn");
    next->click(); // the choice is accepted
    auto *order = child<QLineEdit>("orderAinput");
    QBENCHMARK {
        order->setText(QString::number(m_nextOrder++));
        next->click();
    }
}

// A verdict's new caption and the layout it asks for: only the results
// frame's own, while the caption fits the height the frame has.
void BenchInitialRates::verdictLaidOut()
{
    child<QRadioButton>("problem_0")->click();
    for (const char *box : {"orderAinput", "orderBinput", "kinput"})
        child<QLineEdit>(box)->setText(QStringLiteral("7"));
    child<runtime::LabelButton>("submitbtn")->click();
    QCoreApplication::sendPostedEvents();
    auto *verdict = child<QLabel>("Aresponse");
    QVERIFY(verdict->isVisible());
    int i = 0;
    QBENCHMARK {
        verdict->setText(++i % 2 ? QStringLiteral("Correct order with respect to A.")
                                 : QStringLiteral("Incorrect order with respect to A."));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
}

void BenchInitialRates::submitWithoutTutoring()
{
    child<QRadioButton>("problem_4")->click();
    for (const char *box : {"orderAinput", "orderBinput", "kinput"})
        child<QLineEdit>(box)->setText(QStringLiteral("7"));
    auto *submit = child<runtime::LabelButton>("submitbtn");
    QBENCHMARK {
        submit->click();
    }
}

QTEST_MAIN(BenchInitialRates)
#include "bench_initialrates.moc"
