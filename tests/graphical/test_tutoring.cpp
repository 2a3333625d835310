// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphical/grading.h"
#include "graphical/tutor.h"

#include <QTest>
#include <vector>

using namespace graphical;

namespace {

// One "continue" click: what the work area holds, and what must follow.
struct Click {
    PlotType plot{PlotType::None};
    bool lsqdone{false};
    QString order;
    QString k;
    QString message;
    QString instruction;
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

Click ask(PlotType plot, const QString &message, int step)
{
    Click c;
    c.plot = plot;
    c.message = message;
    c.stepAfter = step;
    return c;
}

Click answer(PlotType plot, bool fitted, const QString &order, const QString &k, const QString &instruction,
             int step)
{
    Click c;
    c.plot = plot;
    c.lsqdone = fitted;
    c.order = order;
    c.k = k;
    c.instruction = instruction;
    c.stepAfter = step;
    return c;
}

Click refused(PlotType plot, bool fitted, const QString &order, const QString &k, const QString &message, int step)
{
    Click c = answer(plot, fitted, order, k, QString(), step);
    c.message = message;
    return c;
}

template<typename F>
Click with(Click c, F change)
{
    change(c);
    return c;
}

Click finish()
{
    Click c;
    c.ending = Ending::Finish;
    c.stepAfter = 5;
    return c;
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
    void checksOrder_data();
    void checksOrder();
    void checksRateConstant_data();
    void checksRateConstant();
    void chooseWhatFollows_data();
    void chooseWhatFollows();
    void attemptCountStopsAtItsLargest_data();
    void attemptCountStopsAtItsLargest();
    void walks_data();
    void walks();
    void startingOneTutoringEndsTheOther();
};

void TestTutoring::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German));
}

void TestTutoring::checksOrder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("orderA");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("1 for first order") << "1" << 1 << Verdict::Correct;
    QTest::newRow("1.0 for first order") << "1.0" << 1 << Verdict::Correct;
    QTest::newRow("leading blank") << " 1" << 1 << Verdict::Correct;
    QTest::newRow("a word reads as 0: right for zero order") << "one" << 0 << Verdict::Correct;
    QTest::newRow("a word reads as 0: wrong for first order") << "one" << 1 << Verdict::Incorrect;
    QTest::newRow("2 for first order") << "2" << 1 << Verdict::Incorrect;
    QTest::newRow("1.5 for second order") << "1.5" << 2 << Verdict::Incorrect;
    QTest::newRow("single precision makes 1.9999999999 into 2") << "1.9999999999" << 2 << Verdict::Correct;
    QTest::newRow("decimal comma stops reading") << "2,0" << 2 << Verdict::Correct;
    QTest::newRow("beyond single range is wrong") << "1e40" << 2 << Verdict::Incorrect;
    QTest::newRow("beyond double range is wrong") << "1e400" << 0 << Verdict::Incorrect;
}

void TestTutoring::checksOrder()
{
    QFETCH(QString, typed);
    QFETCH(int, orderA);
    QFETCH(Verdict, verdict);
    QCOMPARE(checkOrder(typed, orderA), verdict);
}

void TestTutoring::checksRateConstant_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("k");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("exact") << "0.5" << 0.5f << Verdict::Correct;
    QTest::newRow("no zero before the point") << ".5" << 0.5f << Verdict::Correct;
    QTest::newRow("1.8 % low") << "0.491" << 0.5f << Verdict::Correct;
    QTest::newRow("1.8 % high") << "0.509" << 0.5f << Verdict::Correct;
    QTest::newRow("2 % low") << "0.490" << 0.5f << Verdict::Incorrect;
    QTest::newRow("2 % high") << "0.510" << 0.5f << Verdict::Incorrect;
    QTest::newRow("2 % low of 4") << "3.92" << 4.0f << Verdict::Incorrect;
    QTest::newRow("1.9 % low of 4") << "3.924" << 4.0f << Verdict::Correct;
    QTest::newRow("1.9 % high of 4") << "4.076" << 4.0f << Verdict::Correct;
    QTest::newRow("negative slope typed as k") << "-0.5" << 0.5f << Verdict::Incorrect;
    QTest::newRow("a word reads as 0") << "k" << 0.5f << Verdict::Incorrect;
    QTest::newRow("beyond single range is wrong") << "1e40" << 0.5f << Verdict::Incorrect;
    QTest::newRow("beyond double range is wrong") << "1e400" << 0.5f << Verdict::Incorrect;
}

void TestTutoring::checksRateConstant()
{
    QFETCH(QString, typed);
    QFETCH(float, k);
    QFETCH(Verdict, verdict);
    QCOMPARE(checkRateConstant(typed, k), verdict);
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
    QTest::newRow("k wrong, Problem 2") << C << I << 1 << AfterSubmit::RateConstantTutoring;
    QTest::newRow("k wrong, Problem 4") << C << I << 3 << AfterSubmit::RateConstantTutoring;
    QTest::newRow("both wrong, Problem 5") << I << I << 4 << AfterSubmit::NoTutoring;
    QTest::newRow("k wrong, Problem 6") << C << I << 5 << AfterSubmit::NoTutoring;
}

void TestTutoring::chooseWhatFollows()
{
    QFETCH(Verdict, order);
    QFETCH(Verdict, k);
    QFETCH(int, slot);
    QFETCH(AfterSubmit, after);
    QCOMPARE(afterSubmit(Grade{order, k}, slot), after);
}

void TestTutoring::attemptCountStopsAtItsLargest_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("next");
    QTest::newRow("first") << 0 << 1;
    QTest::newRow("last step up") << 32766 << 32767;
    QTest::newRow("stays at the largest") << 32767 << 32767;
}

void TestTutoring::attemptCountStopsAtItsLargest()
{
    QFETCH(int, count);
    QFETCH(int, next);
    QCOMPARE(int(nextAttemptCount(std::int16_t(count))), next);
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
    auto enableOrder = [](Click &c) { c.enable = AnswerBox::Order; };
    auto enableK = [](Click &c) { c.enable = AnswerBox::RateConstant; };
    auto showTable = [](Click &c) { c.table = TableChange::Show; };
    auto hideTable = [](Click &c) { c.table = TableChange::Hide; };

    QTest::newRow("order: straight plot already made, right at once")
        << Order << 1 << 0.58f << P::Logarithm << "2" << "0.3" << plotHaveIsRight
        << Walk{with(answer(P::Logarithm, false, "2", "0.3", plotIsLinear, 1), enableOrder),
                refused(P::Logarithm, false, "2", "0.3", sameAnswer, 1),
                answer(P::Logarithm, false, "1", "0.3", rightOrder, 5),
                finish(),
                Click{P::None, false, "1", "0.3", {}, {}, AnswerBox::None, TableChange::Keep, Ending::None, 5}};
    QTest::newRow("order: plot first, wrong order shows the table")
        << Order << 1 << 0.58f << P::None << "2" << "0.3" << makeThePlot
        << Walk{ask(P::None, makeLinear, 0),
                ask(P::Reciprocal, makeLinear, 0),
                with(answer(P::Logarithm, false, "2", "0.3", plotIsLinear, 1), enableOrder),
                with(answer(P::Logarithm, false, "0", "0.3", wrongOrder, 2), showTable),
                refused(P::Logarithm, false, "0", "0.3", sameAnswer, 2),
                answer(P::Logarithm, false, "2", "0.3", QString(), 2),
                with(answer(P::Logarithm, false, "1.0", "0.3", rightOrder, 5), hideTable),
                finish()};
    QTest::newRow("order: a word is read as 0, right for zero order")
        << Order << 0 << 0.049f << P::Concentration << "2" << "0.049" << plotHaveIsRight
        << Walk{with(answer(P::Concentration, false, "2", "0.049", plotIsLinear, 1), enableOrder),
                answer(P::Concentration, false, "zero", "0.049", rightOrder, 5), finish()};

    QTest::newRow("k: right at the first try")
        << RateConstant << 2 << 7.6f << P::Concentration << "2" << "7" << makeThePlot
        << Walk{ask(P::Concentration, plotForOrder("second-order"), 0),
                ask(P::Logarithm, plotForOrder("second-order"), 0),
                with(answer(P::Reciprocal, false, "2", "7", plotForK, 1), enableK),
                refused(P::Reciprocal, false, "2", "7", sameAnswer, 1),
                answer(P::Reciprocal, false, "2", "7.60", rightK, 5), finish()};
    QTest::newRow("k: the fit is required, same answer checked first")
        << RateConstant << 1 << 0.58f << P::Logarithm << "1" << "0.5" << plotHaveIsRight
        << Walk{with(answer(P::Logarithm, false, "1", "0.5", plotForK, 1), enableK),
                answer(P::Logarithm, false, "1", "0.57", wrongK, 2),
                refused(P::Logarithm, false, "1", "0.575", needFit, 2),
                // The value refused for want of a fit was stored.
                refused(P::Logarithm, true, "1", "0.575", sameAnswer, 2),
                answer(P::Logarithm, true, "1", "0.581", slopeHint("first-order", "ln[A]"), 2),
                answer(P::Logarithm, true, "1", "1e40", slopeHint("first-order", "ln[A]"), 2),
                answer(P::Logarithm, true, "1", ".580", rightK, 5), finish()};
    QTest::newRow("k: zero order")
        << RateConstant << 0 << 0.049f << P::None << "0" << "1" << makeThePlot
        << Walk{ask(P::Reciprocal, plotForOrder("zero-order"), 0),
                with(answer(P::Concentration, false, "0", "1", plotForK, 1), enableK),
                answer(P::Concentration, false, "0", "0.05", wrongK, 2),
                answer(P::Concentration, true, "0", "0.0491", slopeHint("zero-order", "[A]"), 2),
                answer(P::Concentration, true, "0", "0.049", rightK, 5), finish()};
    QTest::newRow("k: first-order plot message, second-order hint")
        << RateConstant << 2 << 4.0f << P::Concentration << "2" << "1" << makeThePlot
        << Walk{with(answer(P::Reciprocal, false, "2", "1", plotForK, 1), enableK),
                answer(P::Reciprocal, false, "2", "3.99", wrongK, 2),
                answer(P::Reciprocal, true, "2", "4.01", slopeHint("second-order", "1/[A]"), 2),
                answer(P::Reciprocal, true, "2", "4", rightK, 5), finish()};
    QTest::newRow("k: first-order plot message")
        << RateConstant << 1 << 0.4f << P::Reciprocal << "1" << "1" << makeThePlot
        << Walk{ask(P::Concentration, plotForOrder("first-order"), 0)};
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

    // A click without texts keeps what the boxes last held.
    QString order = submittedOrder;
    QString kText = submittedK;
    int index = 0;
    for (const Click &click : walk) {
        const QByteArray where = "click " + QByteArray::number(++index);
        TutorInputs in;
        in.plottedtype = click.plot;
        in.lsqdone = click.lsqdone;
        in.orderA = orderA;
        in.k = k;
        if (!click.order.isEmpty() || !click.k.isEmpty()) {
            order = click.order;
            kText = click.k;
        }
        in.orderText = order;
        in.kText = kText;

        const bool wasActive = tutor.tutorA() || tutor.tutork();
        const ContinueOutcome out = tutor.continueClick(in);
        QVERIFY2(out.message == click.message, where + ": " + out.message.toUtf8());
        QVERIFY2(out.instruction == click.instruction, where + ": " + out.instruction.toUtf8());
        QVERIFY2(out.enable == click.enable, where);
        QVERIFY2(out.table == click.table, where);
        QVERIFY2(out.ending == click.ending, where);
        QVERIFY2(tutor.tutorstep() == click.stepAfter, where + ": step " + QByteArray::number(tutor.tutorstep()));
        if (kind == GraphicalTutor::Kind::RateConstant)
            QVERIFY2(out.enable != AnswerBox::Order, where);
        else
            QVERIFY2(out.enable != AnswerBox::RateConstant, where);
        const bool active = tutor.tutorA() || tutor.tutork();
        QVERIFY2(active == (wasActive && click.ending != Ending::Finish), where);
    }
}

void TestTutoring::startingOneTutoringEndsTheOther()
{
    GraphicalTutor tutor;
    tutor.start(GraphicalTutor::Kind::Order, PlotType::None, 1, "2", "0.5");
    QVERIFY(tutor.tutorA() && !tutor.tutork());
    tutor.start(GraphicalTutor::Kind::RateConstant, PlotType::None, 1, "1", "0.5");
    QVERIFY(!tutor.tutorA() && tutor.tutork());
    tutor.stop();
    QVERIFY(!tutor.tutorA() && !tutor.tutork());
    QCOMPARE(tutor.continueClick(TutorInputs{}).message, QString());
}

QTEST_GUILESS_MAIN(TestTutoring)
#include "test_tutoring.moc"
