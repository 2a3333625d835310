// SPDX-License-Identifier: GPL-3.0-or-later
// Problems, their plots, grading and the two tutorings, without the screen.
#include "graphical/grading.h"
#include "graphical/leastsquares.h"
#include "graphical/tutor.h"
#include "runtime/numbers.h"
#include "runtime/random.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <random>

using namespace graphical;

namespace {

// One "continue" click: what the work area holds, a piece of the instruction
// the tutor then shows or of the message box it opens (empty: none), and
// what follows.
struct Click {
    PlotType plot;
    bool fitted;
    QString order, k, instruction, message;
    TutorStep stepAfter;
    AnswerBox enable{AnswerBox::None};
    TableChange table{TableChange::Keep};
};
using Walk = std::vector<Click>;

bool says(const QString &text, const QString &piece)
{
    return piece.isEmpty() ? text.isEmpty() : text.contains(piece);
}

} // namespace

class TestGraphical : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }

    void scriptedProblems_data()
    {
        // Draws in the order they are used: the order, [A]0 (until one is kept), k.
        // The order draws sit on the 28 % / 40 % / 32 % boundaries.
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<int>("orderA");
        QTest::addColumn<float>("k");
        QTest::addColumn<QStringList>("shown"); // rows 0, 1 and 8 of the table
        const float top = std::nextafter(1.0f, 0.0f);
        QTest::newRow("zero order just below .28; .7004 rounds to .700 and is redrawn; smallest k")
            << QList<float>{0.2799f, 0.7004f, 0.3f, 0.7005f, 0.0f} << 0 << 0.028f
            << QStringList{" .7009", " .6729", " .4769"};
        // The fastest first-order problem leaves .0002 at 8 min: one digit, so
        // the fit's slope misses k by more than 2 % and the problem is drawn again.
        QTest::newRow("first order just below .68, largest k is drawn again")
            << QList<float>{0.6799f, 0.85f, top, 0.5f, 0.85f, 0.3f} << 1 << 0.58f
            << QStringList{" .85", " .4759", " .0082"};
        // 1/.75 in single is a hair above 4/3, so the cut shows .7499.
        QTest::newRow("second order from .68, drawn .75 used as .7499")
            << QList<float>{0.68f, 0.75f, 0.6f} << 2 << 7.6f << QStringList{" .7499", " .1119", " .016"};
    }

    void scriptedProblems()
    {
        QFETCH(QList<float>, draws);
        auto script = std::make_shared<std::deque<float>>(draws.begin(), draws.end());
        runtime::ScriptedRandom random(script);
        const GraphicalProblem problem = generateProblem(random);
        QTEST(problem.orderA, "orderA");
        QTEST(problem.k, "k");
        const auto shown = [&problem](int row) { return runtime::numberText(problem.concA[row]); };
        QTEST((QStringList{shown(0), shown(1), shown(8)}), "shown");
        // Exactly the scripted draws were used, no more and no fewer.
        QVERIFY(script->empty() && !random.overrun());
    }

    // Ranges as designed, every plot fits its box, and every problem
    // can be solved from its table: the |slope| shown for the straight plot is
    // graded right, and that plot shows the highest |r|. Without the redraw of
    // unsolvable problems this fails.
    void seededProblemsCanBeSolved()
    {
        std::mt19937 engine(20240601);
        auto draws = std::make_shared<std::deque<float>>();
        for (int i = 0; i < 250000; ++i)
            draws->push_back(std::generate_canonical<float, 24>(engine));
        runtime::ScriptedRandom random(draws);
        const std::pair<float, float> kRanges[] = {{0.028f, 0.099f}, {0.4f, 0.999f}, {4.0f, 9.99f}};
        for (int i = 0; i < 20000; ++i) {
            const GraphicalProblem p = generateProblem(random);
            const QByteArray where = "problem " + QByteArray::number(i);
            QVERIFY2(p.concA[0] >= 0.7f && p.concA[0] <= 1.0f, where);
            QVERIFY2(std::adjacent_find(p.concA.begin(), p.concA.end(), std::less_equal<>()) == p.concA.end(), where);
            QVERIFY2(p.orderA >= 0 && p.orderA < PlotTypes && p.k >= kRanges[p.orderA].first
                         && p.k <= kRanges[p.orderA].second && p.concA[8] > 0.0f,
                     where);
            // Zero order: [A] at 8 min keeps at least about a fifth of [A]0.
            QVERIFY2(p.orderA != 0 || p.concA[8] > 0.19f * p.concA[0], where);
            std::array<QString, PlotTypes> shownR;
            for (int type = 0; type < PlotTypes; ++type) {
                const PlotPoints ploty = plotValues(p.concA, plotTypeOfIndex(type));
                const PlotRange range = plotRange(ploty, plotTypeOfIndex(type));
                for (const float y : ploty) // every point inside the plot's box
                    QVERIFY2(y <= range.top && y >= range.bottom, where);
                const LineFit fit = fitLine(ploty);
                shownR[type] = QString::number(fit.correlation, 'f', 5);
                const QString slope = runtime::plainText(std::fabs(fit.slope)); // as shown
                if (type == p.orderA)
                    QVERIFY2(runtime::rateConstantVerdict(slope, p.k) == Verdict::Right, where);
            }
            for (int type = 0; type < PlotTypes; ++type)
                QVERIFY2(type == p.orderA || shownR[type] < shownR[p.orderA], where);
        }
        QVERIFY(!random.overrun());
        // An [A] of 0 has no logarithm: such a plot is not drawn at all.
        const PlotPoints lnOfZero = plotValues(Concentrations{}, PlotType::Logarithm);
        QCOMPARE(plotRange(lnOfZero, PlotType::Logarithm).kind, RangeKind::Unusable);
    }

    void grades_data()
    {
        // The order read leniently as a single must equal the true order; k must
        // lie strictly within 2 % of the true k, here .5. Only Problems 1 to 4
        // are tutored, the order first.
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("orderA");
        QTest::addColumn<Verdict>("orderVerdict");
        QTest::addColumn<QString>("typedK");
        QTest::addColumn<Verdict>("kVerdict");
        QTest::addColumn<int>("slot");
        QTest::addColumn<AfterSubmit>("after");
        const auto C = Verdict::Right;
        const auto I = Verdict::Wrong;
        using A = AfterSubmit;
        QTest::newRow("order 1.0; k 1.8 % low; Problem 6") << "1.0" << 1 << C << "0.491" << C << 5 << A::Complete;
        QTest::newRow("a word reads as 0; k 2 % low; Problem 4 tutors k")
            << "one" << 0 << C << "0.490" << I << 3 << A::RateConstantTutoring;
        QTest::newRow("a word is not 1; k 2 % high; Problem 5 untutored")
            << "one" << 1 << I << "0.510" << I << 4 << A::NoTutoring;
        QTest::newRow("order 1.5; k 1.7 % high; Problem 2 tutors the order")
            << "1.5" << 2 << I << "0.5087" << C << 1 << A::OrderTutoring;
        QTest::newRow("single precision makes 1.9999999999 into 2")
            << "1.9999999999" << 2 << C << ".5" << C << 0 << A::Complete;
        QTest::newRow("decimal comma stops reading; negative slope as k")
            << "2,0" << 2 << C << "-0.5" << I << 5 << A::NoTutoring;
    }

    void grades()
    {
        QFETCH(QString, order);
        QFETCH(int, orderA);
        QFETCH(QString, typedK);
        QFETCH(int, slot);
        const Grade grade = checkanswer(order, typedK, orderA, 0.5f);
        QTEST(grade.order, "orderVerdict");
        QTEST(grade.k, "kVerdict");
        QTEST(afterSubmit(grade, slot), "after");
    }

    void walks_data()
    {
        using P = PlotType;
        QTest::addColumn<GraphicalTutor::Kind>("kind");
        QTest::addColumn<PlotType>("plotted");
        QTest::addColumn<QString>("opening"); // the title, then the first instruction
        QTest::addColumn<Walk>("walk");       // then one more click ends the tutoring
        // Both walks are through a first-order problem with k .58.
        const auto none = AnswerBox::None;
        const auto C = TutorStep::Choosing, F = TutorStep::FirstAnswer, W = TutorStep::AfterWrongAnswer,
                   R = TutorStep::AnsweredRight;

        // Pieces of the texts: "same answer", "decimal point" and the like.
        QTest::newRow("order: plot changed to a wrong one; a wrong order shows the table, the right one hides it")
            << GraphicalTutor::Kind::Order << P::Logarithm << "Determining Reaction Order. The plot you have is correct"
            << Walk{{P::Reciprocal, false, "2", "0.3", {}, "Make a plot that is linear.", C},
                    {P::Logarithm, false, "2", "0.3", "This plot is linear.", {}, F, AnswerBox::Order},
                    // The answers submitted, unchanged.
                    {P::Logarithm, false, "2", "0.3", {}, "same answer", F},
                    {P::Logarithm, false, "1,0", "0.3", {}, "decimal point", F},
                    {P::Logarithm, false, "0", "0.3", "Incorrect. The reaction order", {}, W, none, TableChange::Show},
                    {P::Logarithm, false, "0", "0.3", {}, "same answer", W},
                    {P::Logarithm, false, "2", "0.3", {}, {}, W},
                    {P::Logarithm, false, "1.0", "0.3", "correct order for A.", {}, R, none, TableChange::Hide}};
        QTest::newRow("k, first order: the fit is required, same answer and comma checked first; "
                      "a value refused for want of a fit is judged after the fit")
            << GraphicalTutor::Kind::RateConstant << P::Reciprocal
            << "Rate Constant, k. Make the plot that shows the order"
            << Walk{{P::Concentration, false, "1", "0.5", {}, "appropriate for a first-order reaction.", C},
                    {P::Logarithm, false, "1", "0.5", "determine k", {}, F, AnswerBox::RateConstant},
                    {P::Logarithm, false, "1", "0,56", {}, "decimal point", F},
                    {P::Logarithm, false, "1", "0.56", "This is not correct.", {}, W},
                    {P::Logarithm, false, "1", "0,575", {}, "decimal point", W},
                    {P::Logarithm, false, "1", "0.575", {}, "clicking on lst. squares button.", W},
                    {P::Logarithm, true, "1", "0.60", "slope of a plot of ln[A] vs. time.", {}, W},
                    {P::Logarithm, true, "1", "0.60", {}, "same answer", W},
                    {P::Logarithm, false, "1", "0.575", {}, "clicking on lst. squares button.", W},
                    {P::Logarithm, true, "1", "0.575", "correct value of k", {}, R}};
    }

    void walks()
    {
        QFETCH(GraphicalTutor::Kind, kind);
        QFETCH(PlotType, plotted);
        QFETCH(QString, opening);
        QFETCH(Walk, walk);
        const int orderA = 1;
        const float k = 0.58f;
        GraphicalTutor tutor;
        // The answers submitted are those the first click finds.
        const TutoringStart start = tutor.start(kind, plotted, orderA, walk[0].order, walk[0].k);
        QVERIFY(says(start.title + u' ' + start.instruction, opening));
        for (int i = 0; i < int(walk.size()); ++i) {
            const Click &click = walk[i];
            const QByteArray where = "click " + QByteArray::number(i + 1);
            const ContinueOutcome out =
                tutor.continueClick({click.plot, click.fitted, orderA, k, click.order, click.k});
            QVERIFY2(says(out.instruction, click.instruction) && says(out.message, click.message), where);
            QVERIFY2(out.enable == click.enable && out.table == click.table && out.ending == Ending::None, where);
            QVERIFY2(tutor.tutorstep() == click.stepAfter,
                     where + ": step " + QByteArray::number(int(tutor.tutorstep())));
            QVERIFY2(tutor.tutorA() == (kind == GraphicalTutor::Kind::Order) && tutor.tutork() != tutor.tutorA(),
                     where);
        }
        const Click &last = walk.back();
        QCOMPARE(tutor.continueClick({last.plot, last.fitted, orderA, k, last.order, last.k}).ending, Ending::Finish);
        QVERIFY(!tutor.tutorA() && !tutor.tutork());
    }
};

QTEST_GUILESS_MAIN(TestGraphical)
#include "test_graphical.moc"
