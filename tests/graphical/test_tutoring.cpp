// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphical/grading.h"
#include "graphical/tutor.h"

#include <QTest>
#include <vector>

using namespace graphical;

namespace {

// One "continue" click: what the work area holds (empty texts: the boxes keep
// what they last held), and what must follow.
struct Click {
    PlotType plot{PlotType::None};
    bool lsqdone{false};
    QString order, k;
    QString message, instruction;
    AnswerBox enable{AnswerBox::None};
    TableChange table{TableChange::Keep};
    Ending ending{Ending::None};
    int stepAfter{0};
};
using Walk = std::vector<Click>;

const QString sameAnswer = QStringLiteral("This is the same answer as before. Please input a new answer.");
const QString makeLinear = QStringLiteral("Make a plot that is linear.");
const QString plotIsLinear = QStringLiteral(
    "Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.");
const QString rightOrder = QStringLiteral("Good. This is the correct order for A.");
const QString wrongOrder = QStringLiteral(
    "Incorrect. The reaction order is determined by which plot gives a linear graph. The type of linear graph "
    "expected for each reaction order is below. Try again.");
const QString plotForK = QStringLiteral("Good. This plot can be used to determine k. Enter a value above.");
const QString rightK = QStringLiteral("Good. This is the correct value of k.");
const QString wrongK = QStringLiteral(
    "This is not correct. Perform the least squares analysis on the plot. Enter the rate constant above.");
const QString needFit = QStringLiteral("Get the least squares information by clicking on lst. squares button.");
const QString plotHaveIsRight = QStringLiteral("The plot you have is correct for showing the reaction order.");
const QString makeThePlot = QStringLiteral("Make the plot that shows the order for the reaction. Then continue.");

QString plotForOrder(const char *order)
{
    return QStringLiteral("Make the plot that is appropriate for a %1 reaction.").arg(QLatin1String(order));
}

QString slopeHint(const char *order, const char *plot)
{
    return QStringLiteral("The rate constant for a %1 reaction is equal to the absolute value of the slope of a "
                          "plot of %2 vs. time.")
        .arg(QLatin1String(order), QLatin1String(plot));
}

Click answer(PlotType plot, bool fitted, const QString &order, const QString &k, const QString &instruction,
             int step, AnswerBox enable = AnswerBox::None, TableChange table = TableChange::Keep)
{
    return Click{plot, fitted, order, k, {}, instruction, enable, table, Ending::None, step};
}

// A message box instead of a new instruction.
Click refused(PlotType plot, bool fitted, const QString &order, const QString &k, const QString &message, int step)
{
    return Click{plot, fitted, order, k, message, {}, AnswerBox::None, TableChange::Keep, Ending::None, step};
}

Click ask(PlotType plot, const QString &message, int step)
{
    return refused(plot, false, {}, {}, message, step);
}

Click finish()
{
    return Click{PlotType::None, false, {}, {}, {}, {}, AnswerBox::None, TableChange::Keep, Ending::Finish, 5};
}

} // namespace

Q_DECLARE_METATYPE(graphical::PlotType)
Q_DECLARE_METATYPE(graphical::GraphicalTutor::Kind)
Q_DECLARE_METATYPE(graphical::Verdict)
Q_DECLARE_METATYPE(graphical::AfterSubmit)
Q_DECLARE_METATYPE(Walk)

class TestTutoring : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void grades_data();
    void grades();
    void chooseWhatFollows_data();
    void chooseWhatFollows();
    void attemptCountStopsAtItsLargest();
    void walks_data();
    void walks();
};

void TestTutoring::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German));
}

void TestTutoring::grades_data()
{
    // The order read leniently as a single must equal the true order; k must
    // lie strictly within 2 % of the true k.
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("orderA");
    QTest::addColumn<Verdict>("orderVerdict");
    QTest::addColumn<QString>("typedK");
    QTest::addColumn<float>("k");
    QTest::addColumn<Verdict>("kVerdict");
    const auto C = Verdict::Correct;
    const auto I = Verdict::Incorrect;
    QTest::newRow("order 1.0; k 1.8 % low") << "1.0" << 1 << C << "0.491" << 0.5f << C;
    QTest::newRow("order with a leading blank; k 1.8 % high") << " 1" << 1 << C << "0.509" << 0.5f << C;
    QTest::newRow("a word reads as 0, zero order; k 2 % low") << "one" << 0 << C << "0.490" << 0.5f << I;
    QTest::newRow("a word reads as 0, first order; k 2 % high") << "one" << 1 << I << "0.510" << 0.5f << I;
    QTest::newRow("order 1.5; k 2 % low of 4") << "1.5" << 2 << I << "3.92" << 4.0f << I;
    QTest::newRow("single precision makes 1.9999999999 into 2; k .5")
        << "1.9999999999" << 2 << C << ".5" << 0.5f << C;
    QTest::newRow("decimal comma stops reading; negative slope as k") << "2,0" << 2 << C << "-0.5" << 0.5f << I;
    QTest::newRow("beyond single range") << "1e40" << 2 << I << "1e40" << 0.5f << I;
    QTest::newRow("beyond double range is not 0") << "1e400" << 0 << I << "1e400" << 0.5f << I;
}

void TestTutoring::grades()
{
    QFETCH(QString, order);
    QFETCH(int, orderA);
    QFETCH(QString, typedK);
    QFETCH(float, k);
    const Grade grade = checkanswer(order, typedK, orderA, k);
    QTEST(grade.order, "orderVerdict");
    QTEST(grade.k, "kVerdict");
}

void TestTutoring::chooseWhatFollows_data()
{
    QTest::addColumn<Verdict>("order");
    QTest::addColumn<Verdict>("k");
    QTest::addColumn<int>("slot");
    QTest::addColumn<AfterSubmit>("after");
    const auto C = Verdict::Correct;
    const auto I = Verdict::Incorrect;
    QTest::newRow("both right, Problem 1") << C << C << 0 << AfterSubmit::Complete;
    QTest::newRow("both right, Problem 6") << C << C << 5 << AfterSubmit::Complete;
    QTest::newRow("order wrong, k right, Problem 1") << I << C << 0 << AfterSubmit::OrderTutoring;
    QTest::newRow("both wrong, Problem 2") << I << I << 1 << AfterSubmit::OrderTutoring;
    QTest::newRow("k wrong, Problem 4") << C << I << 3 << AfterSubmit::RateConstantTutoring;
    QTest::newRow("both wrong, Problem 5") << I << I << 4 << AfterSubmit::NoTutoring;
    QTest::newRow("k wrong, Problem 6") << C << I << 5 << AfterSubmit::NoTutoring;
}

void TestTutoring::chooseWhatFollows()
{
    QFETCH(Verdict, order);
    QFETCH(Verdict, k);
    QFETCH(int, slot);
    QTEST(afterSubmit(Grade{order, k}, slot), "after");
}

void TestTutoring::attemptCountStopsAtItsLargest()
{
    QCOMPARE(nextAttemptCount(0), std::int16_t(1));
    QCOMPARE(nextAttemptCount(32766), std::int16_t(32767));
    QCOMPARE(nextAttemptCount(32767), std::int16_t(32767));
}

void TestTutoring::walks_data()
{
    using P = PlotType;
    QTest::addColumn<GraphicalTutor::Kind>("kind");
    QTest::addColumn<int>("orderA");
    QTest::addColumn<float>("k");
    QTest::addColumn<PlotType>("plotted");
    QTest::addColumn<QString>("submittedOrder");
    QTest::addColumn<QString>("submittedK");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<Walk>("walk");

    const auto Order = GraphicalTutor::Kind::Order;
    const auto RateConstant = GraphicalTutor::Kind::RateConstant;
    const auto none = AnswerBox::None;

    QTest::newRow("order: straight plot already made, a word read as 0 is right")
        << Order << 0 << 0.049f << P::Concentration << "2" << "0.049" << plotHaveIsRight
        << Walk{answer(P::Concentration, false, "2", "0.049", plotIsLinear, 1, AnswerBox::Order),
                refused(P::Concentration, false, "2", "0.049", sameAnswer, 1),
                answer(P::Concentration, false, "zero", "0.049", rightOrder, 5), finish()};
    QTest::newRow("order: plot first, wrong order shows the table")
        << Order << 1 << 0.58f << P::None << "2" << "0.3" << makeThePlot
        << Walk{ask(P::None, makeLinear, 0),
                ask(P::Reciprocal, makeLinear, 0),
                answer(P::Logarithm, false, "2", "0.3", plotIsLinear, 1, AnswerBox::Order),
                answer(P::Logarithm, false, "0", "0.3", wrongOrder, 2, none, TableChange::Show),
                refused(P::Logarithm, false, "0", "0.3", sameAnswer, 2),
                answer(P::Logarithm, false, "2", "0.3", QString(), 2),
                answer(P::Logarithm, false, "1.0", "0.3", rightOrder, 5, none, TableChange::Hide),
                finish()};

    QTest::newRow("k: right at the first try")
        << RateConstant << 2 << 7.6f << P::Concentration << "2" << "7" << makeThePlot
        << Walk{ask(P::Concentration, plotForOrder("second-order"), 0),
                ask(P::Logarithm, plotForOrder("second-order"), 0),
                answer(P::Reciprocal, false, "2", "7", plotForK, 1, AnswerBox::RateConstant),
                refused(P::Reciprocal, false, "2", "7", sameAnswer, 1),
                answer(P::Reciprocal, false, "2", "7.60", rightK, 5), finish()};
    QTest::newRow("k: the fit is required, same answer checked first")
        << RateConstant << 1 << 0.58f << P::Reciprocal << "1" << "0.5" << makeThePlot
        << Walk{ask(P::Concentration, plotForOrder("first-order"), 0),
                answer(P::Logarithm, false, "1", "0.5", plotForK, 1, AnswerBox::RateConstant),
                answer(P::Logarithm, false, "1", "0.56", wrongK, 2),
                refused(P::Logarithm, false, "1", "0.575", needFit, 2),
                // The value refused for want of a fit was stored.
                refused(P::Logarithm, true, "1", "0.575", sameAnswer, 2),
                answer(P::Logarithm, true, "1", "0.60", slopeHint("first-order", "ln[A]"), 2),
                answer(P::Logarithm, true, "1", "1e40", slopeHint("first-order", "ln[A]"), 2),
                answer(P::Logarithm, true, "1", ".585", rightK, 5), finish()};
    QTest::newRow("k: zero order")
        << RateConstant << 0 << 0.049f << P::None << "0" << "1" << makeThePlot
        << Walk{ask(P::Reciprocal, plotForOrder("zero-order"), 0),
                answer(P::Concentration, false, "0", "1", plotForK, 1, AnswerBox::RateConstant),
                answer(P::Concentration, false, "0", "0.05", wrongK, 2),
                answer(P::Concentration, true, "0", "0.048", slopeHint("zero-order", "[A]"), 2),
                // The |slope| as the fit shows it, within 2 % of k.
                answer(P::Concentration, true, "0", ".04899998", rightK, 5), finish()};
    QTest::newRow("k: second order, right after the hint")
        << RateConstant << 2 << 4.0f << P::Concentration << "2" << "1" << makeThePlot
        << Walk{answer(P::Reciprocal, false, "2", "1", plotForK, 1, AnswerBox::RateConstant),
                answer(P::Reciprocal, false, "2", "3.9", wrongK, 2),
                answer(P::Reciprocal, true, "2", "4.1", slopeHint("second-order", "1/[A]"), 2),
                answer(P::Reciprocal, true, "2", "4.07", rightK, 5), finish()};
}

void TestTutoring::walks()
{
    QFETCH(GraphicalTutor::Kind, kind);
    QFETCH(int, orderA);
    QFETCH(float, k);
    QFETCH(PlotType, plotted);
    QFETCH(QString, submittedOrder);
    QFETCH(QString, submittedK);
    QFETCH(QString, opening);
    QFETCH(Walk, walk);

    GraphicalTutor tutor;
    const TutoringStart start = tutor.start(kind, plotted, orderA, submittedOrder, submittedK);
    QCOMPARE(start.title, kind == GraphicalTutor::Kind::Order ? QStringLiteral("Determining Reaction Order.")
                                                              : QStringLiteral("Determining the Rate Constant, k."));
    QCOMPARE(start.instruction, opening);
    QCOMPARE(tutor.tutorstep(), 0);

    QString order = submittedOrder;
    QString kText = submittedK;
    for (int i = 0; i < int(walk.size()); ++i) {
        const Click &click = walk[i];
        const QByteArray where = "click " + QByteArray::number(i + 1);
        if (!click.order.isEmpty() || !click.k.isEmpty()) {
            order = click.order;
            kText = click.k;
        }
        const TutorInputs in{click.plot, click.lsqdone, orderA, k, order, kText};
        const bool wasActive = tutor.tutorA() || tutor.tutork();
        const ContinueOutcome out = tutor.continueClick(in);
        QVERIFY2(out.message == click.message, where + ": " + out.message.toUtf8());
        QVERIFY2(out.instruction == click.instruction, where + ": " + out.instruction.toUtf8());
        QVERIFY2(out.enable == click.enable && out.table == click.table && out.ending == click.ending, where);
        QVERIFY2(tutor.tutorstep() == click.stepAfter, where + ": step " + QByteArray::number(tutor.tutorstep()));
        const bool active = tutor.tutorA() || tutor.tutork();
        QVERIFY2(active == (wasActive && click.ending != Ending::Finish), where);
    }
}

QTEST_GUILESS_MAIN(TestTutoring)
#include "test_tutoring.moc"
