// SPDX-License-Identifier: GPL-3.0-or-later
// How long a problem choice, a plot and a fit take: the model's work alone,
// then the whole click on the real screen (painting follows later, when the
// window is next drawn). Run with QT_QPA_PLATFORM=offscreen.
#include "graphical/leastsquares.h"
#include "graphical/plotting.h"
#include "graphical/problem.h"
#include "runtime/application.h"
#include "runtime/navigation.h"
#include "runtime/random.h"
#include "shell/screens.h"

#include <QAbstractButton>
#include <QTest>

using namespace graphical;

class BenchGraphical : public QObject
{
    Q_OBJECT
private slots:
    void problemChoice();
    void plot();
    void fit();
    void screenProblemChoice();
    void screenPlot();
    void screenFit();

private:
    QAbstractButton *button(const char *name);
    runtime::ProgramRandom m_random;
};

void BenchGraphical::problemChoice()
{
    GraphicalProblem p;
    QBENCHMARK {
        p = generateProblem(m_random);
    }
    QVERIFY(p.k > 0.0f);
}

void BenchGraphical::plot()
{
    const GraphicalProblem p = generateProblem(m_random);
    PlotRange range;
    QBENCHMARK {
        for (int type = 0; type < PlotTypes; ++type)
            range = plotRange(plotValues(p.concA, plotTypeOfIndex(type)), plotTypeOfIndex(type));
    }
    QVERIFY(range.kind != RangeKind::Unusable);
}

void BenchGraphical::fit()
{
    const GraphicalProblem p = generateProblem(m_random);
    const PlotPoints ploty = plotValues(p.concA, plotTypeOfIndex(p.orderA));
    LineFit line;
    QBENCHMARK {
        line = fitLine(ploty);
    }
    QVERIFY(line.status == FitStatus::Fitted);
}

QAbstractButton *BenchGraphical::button(const char *name)
{
    static runtime::Form *form = [] {
        runtime::initialiseApplication();
        registerScreens();
        return runtime::showForm(QStringLiteral("ratetutor2"));
    }();
    return form->findChild<QAbstractButton *>(QString::fromLatin1(name));
}

void BenchGraphical::screenProblemChoice()
{
    QAbstractButton *first = button("problem_0");
    QAbstractButton *second = button("problem_1");
    QBENCHMARK {
        // Each click selects the other slot, so each one draws a problem.
        QTest::mouseClick(second, Qt::LeftButton);
        QTest::mouseClick(first, Qt::LeftButton);
    }
}

void BenchGraphical::screenPlot()
{
    QTest::mouseClick(button("plottype_2"), Qt::LeftButton);
    QAbstractButton *plot = button("plotbtn");
    QBENCHMARK {
        QTest::mouseClick(plot, Qt::LeftButton);
    }
}

void BenchGraphical::screenFit()
{
    QTest::mouseClick(button("plottype_1"), Qt::LeftButton);
    QTest::mouseClick(button("plotbtn"), Qt::LeftButton);
    QAbstractButton *fit = button("lstsquares");
    QBENCHMARK {
        QTest::mouseClick(fit, Qt::LeftButton);
    }
}

QTEST_MAIN(BenchGraphical)
#include "bench_graphical.moc"
