// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphical/leastsquares.h"
#include "graphical/plotting.h"
#include "messageboxes.h"
#include "pictures/picture.h"
#include "runtime/controls.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/numbers.h"
#include "runtime/picturebox.h"
#include "runtime/random.h"
#include "screens.h"
#include "shell/screens.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <deque>

using namespace testing;
using runtime::PictureBox;

namespace {

const QList<float> firstOrder{0.5f, 0.85f, 0.3f};   // k = .58, [A]0 = .85
const QList<float> zeroOrder{0.1f, 0.701f, 0.5f};   // k = .049, [A]0 = .7009
const QList<float> secondOrder{0.9f, 0.75f, 0.6f};  // k = 7.6, [A]0 = .7499
const QStringList firstOrderTable{" .85", " .4759", " .2664", " .1491", " .0835",
                                  " .0467", " .0261", " .0146", " .0082"};

} // namespace

class TestRateTutor2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadsProblemOne();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void plotsAndFitsEachType_data();
    void plotsAndFitsEachType();
    void fitAfterATypeClickUsesTheLastPlot();
    void asksForATypeAndAPlot();
    void drawingSurvivesRepaints();
    void worksAProblemOfEachOrder_data();
    void worksAProblemOfEachOrder();
    void refusesEmptyAnswers();
    void lastTwoProblemsAreNotTutored();
    void orderTutoring();
    void rateConstantTutoringSurvivesApproach();
    void enterSubmitsOnlyWhileSubmitIsEnabled();

private:
    runtime::Form *open(const QList<float> &draws);
    // The draws of the next problems, in order.
    void script(const QList<float> &draws);
    template<typename T = QWidget>
    T *find(const QString &name) const;
    void click(const QString &name);
    void type(const QString &box, const QString &text);
    PictureBox *plot() const { return find<PictureBox>(QStringLiteral("plot")); }
    QString caption(const QString &label) const { return find<QLabel>(label)->text(); }
    bool shown(const QString &name) const { return find(name)->isVisibleTo(m_form); }

    runtime::Form *m_form{nullptr};
    runtime::ScriptedRandom::Script m_script;
};

void TestRateTutor2::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
    m_script = std::make_shared<std::deque<float>>();
    runtime::setRandomFactory([this] { return std::make_unique<runtime::ScriptedRandom>(m_script); });
}

void TestRateTutor2::init()
{
    unloadAll();
    m_script->clear();
}

void TestRateTutor2::cleanup()
{
    unloadAll();
}

void TestRateTutor2::script(const QList<float> &draws)
{
    m_script->insert(m_script->end(), draws.begin(), draws.end());
}

runtime::Form *TestRateTutor2::open(const QList<float> &draws)
{
    script(draws);
    // Later slot clicks get first-order problems.
    for (int i = 0; i < 20; ++i)
        script(firstOrder);
    m_form = runtime::showForm(QStringLiteral("ratetutor2"));
    settle();
    return m_form;
}

template<typename T>
T *TestRateTutor2::find(const QString &name) const
{
    T *widget = m_form->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

void TestRateTutor2::click(const QString &name)
{
    QWidget *w = find(name);
    QVERIFY2(w->isVisible(), qPrintable(name));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2));
    settle();
}

void TestRateTutor2::type(const QString &box, const QString &text)
{
    auto *edit = find<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void TestRateTutor2::loadsProblemOne()
{
    open(firstOrder);
    QVERIFY(find<QRadioButton>("problem_0")->isChecked());
    for (int i = 1; i < 6; ++i)
        QVERIFY(!find<QRadioButton>(QStringLiteral("problem_%1").arg(i))->isChecked());
    for (int t = 0; t < 9; ++t) {
        QCOMPARE(caption(QStringLiteral("labconcA_%1").arg(t)), firstOrderTable[t]);
        QCOMPARE(caption(QStringLiteral("timemin_%1").arg(t)), QString::number(t));
    }
    for (const char *hidden : {"responseframe", "labslope", "labintercept", "labcorr", "ylabel_0", "ylabel_1",
                               "ylabel_2", "workbelow", "lblnotutor", "tutorbox", "ordertable"})
        QVERIFY2(!shown(QLatin1String(hidden)), hidden);
    QVERIFY(!find<PictureBox>("tutorbox")->hasBorder());
    QVERIFY(plot()->shapes().empty());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Graphical Method"));
}

void TestRateTutor2::controlsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("approach") << "approach" << "ratetutor2" << QRect(8040, 0, 1455, 255);
    QTest::newRow("title") << "Picture1" << "ratetutor2" << QRect(120, 120, 1875, 240);
    QTest::newRow("reaction") << "Image1" << "ratetutor2" << QRect(3120, 0, 3120, 300);
    QTest::newRow("first slot") << "problem_0" << "ratetutor2" << QRect(240, 840, 1455, 255);
    QTest::newRow("last slot") << "problem_5" << "ratetutor2" << QRect(240, 2640, 1455, 255);
    QTest::newRow("completion") << "probcomplete_3" << "ratetutor2" << QRect(1920, 1920, 375, 255);
    QTest::newRow("attempts") << "numattempts_5" << "ratetutor2" << QRect(3120, 2640, 375, 255);
    QTest::newRow("directions") << "directions1" << "ratetutor2" << QRect(240, 3120, 4215, 615);
    QTest::newRow("last [A]") << "labconcA_8" << "ratetutor2" << QRect(1440, 6240, 1095, 255);
    QTest::newRow("k box") << "kinput" << "ratetutor2" << QRect(5880, 1080, 945, 345);
    QTest::newRow("order box") << "orderAinput" << "ratetutor2" << QRect(7200, 840, 495, 375);
    QTest::newRow("grading frame") << "responseframe" << "ratetutor2" << QRect(7920, 720, 1335, 855);
    QTest::newRow("order verdict") << "Aresponse" << "responseframe" << QRect(120, 240, 1095, 255);
    QTest::newRow("k verdict") << "kresponse" << "responseframe" << QRect(120, 480, 1095, 255);
    QTest::newRow("work below") << "workbelow" << "ratetutor2" << QRect(5280, 1680, 2760, 195);
    QTest::newRow("submit") << "submitbtn" << "ratetutor2" << QRect(8160, 1680, 975, 255);
    QTest::newRow("work area") << "orderAtutor" << "ratetutor2" << QRect(5040, 2040, 4215, 4350);
    QTest::newRow("plot") << "plot" << "orderAtutor" << QRect(360, 480, 2775, 1575);
    QTest::newRow("plot button") << "plotbtn" << "orderAtutor" << QRect(3240, 480, 855, 255);
    QTest::newRow("fit button") << "lstsquares" << "orderAtutor" << QRect(3240, 840, 855, 255);
    QTest::newRow("[A] type") << "plottype_0" << "orderAtutor" << QRect(240, 2280, 975, 255);
    QTest::newRow("1/[A] type") << "plottype_2" << "orderAtutor" << QRect(2400, 2280, 975, 255);
    QTest::newRow("time picture") << "Image2" << "orderAtutor" << QRect(1560, 2085, 270, 105);
    QTest::newRow("no-tutoring note") << "lblnotutor" << "orderAtutor" << QRect(600, 2880, 3135, 1095);
    QTest::newRow("tutoring area") << "tutorbox" << "orderAtutor" << QRect(0, 2640, 4095, 1695);
    QTest::newRow("tutoring title") << "tutortitle" << "tutorbox" << QRect(0, 0, 2490, 240);
    QTest::newRow("instruction") << "atutorlab" << "tutorbox" << QRect(0, 360, 3975, 615);
    QTest::newRow("order table") << "ordertable" << "tutorbox" << QRect(480, 1050, 2175, 645);
    QTest::newRow("continue") << "continueAbtn" << "tutorbox" << QRect(3120, 1320, 855, 255);
}

void TestRateTutor2::controlsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    open(firstOrder);
    QWidget *w = find(name);
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), runtime::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestRateTutor2::plotsAndFitsEachType_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("[A]") << 0;
    QTest::newRow("ln[A]") << 1;
    QTest::newRow("1/[A]") << 2;
}

void TestRateTutor2::plotsAndFitsEachType()
{
    QFETCH(int, type);
    open(firstOrder);
    click(QStringLiteral("plottype_%1").arg(type));
    for (int i = 0; i < 3; ++i) {
        const QColor expected = i == type ? runtime::grey() : runtime::white();
        QCOMPARE(find<runtime::LabelButton>(QStringLiteral("plottype_%1").arg(i))->backgroundColor(), expected);
    }
    click("plotbtn");
    for (int i = 0; i < 3; ++i)
        QCOMPARE(shown(QStringLiteral("ylabel_%1").arg(i)), i == type);

    const auto &shapes = plot()->shapes();
    QCOMPARE(int(shapes.size()), 9);
    for (int t = 0; t < 9; ++t) {
        QCOMPARE(shapes[t].kind, PictureBox::Shape::Kind::Circle);
        QVERIFY(qAbs(shapes[t].a.x() - t / 9.0) < 1e-9);
        QVERIFY(qAbs(shapes[t].radius - 0.05 / 9.0) < 1e-9);
        // Inside the margins, y growing upwards.
        QVERIFY(shapes[t].a.y() > 0.0 && shapes[t].a.y() < 1.0);
    }
    const bool rising = type == 2;
    QCOMPARE(shapes[8].a.y() < shapes[0].a.y(), rising);

    click("lstsquares");
    QCOMPARE(int(shapes.size()), 10);
    const auto &line = shapes.back();
    QCOMPARE(line.kind, PictureBox::Shape::Kind::Line);
    QCOMPARE(line.colour, runtime::grey());
    QCOMPARE(line.a.x(), 0.0);
    QCOMPARE(line.b.x(), 1.0);

    graphical::Concentrations concA;
    for (int t = 0; t < 9; ++t)
        concA[t] = runtime::readNumber(firstOrderTable[t]).value;
    const graphical::LineFit fit
        = graphical::fitLine(graphical::plotValues(concA, graphical::plotTypeOfIndex(type)));
    const QString slope = QStringLiteral("Slope: ") + runtime::trimmedText(fit.slope);
    const QString intercept = QStringLiteral("Intercept: ") + runtime::trimmedText(fit.intercept);
    QCOMPARE(caption("labslope"), slope);
    QCOMPARE(caption("labintercept"), intercept);
    QVERIFY(caption("labcorr").startsWith(QStringLiteral("|r| = ")));
    QVERIFY(shown("labslope") && shown("labintercept") && shown("labcorr"));
    // The whole caption shows.
    QVERIFY(find<QLabel>("labslope")->width() >= find<QLabel>("labslope")->sizeHint().width());

    // A second fit on the same plot draws the same line and the same values.
    click("lstsquares");
    QCOMPARE(int(shapes.size()), 11);
    QCOMPARE(shapes[10].a, shapes[9].a);
    QCOMPARE(shapes[10].b, shapes[9].b);
    QCOMPARE(caption("labslope"), slope);
    QCOMPARE(caption("labintercept"), intercept);
}

void TestRateTutor2::fitAfterATypeClickUsesTheLastPlot()
{
    open(firstOrder);
    click("plottype_1");
    click("plotbtn");
    click("lstsquares");
    const QString slope = caption("labslope");
    const QString corr = caption("labcorr");
    const auto line = plot()->shapes().back();

    click("plottype_2");
    QVERIFY(plot()->shapes().empty());
    QVERIFY(!shown("labslope") && !shown("labintercept") && !shown("labcorr"));
    click("lstsquares");
    QCOMPARE(int(plot()->shapes().size()), 1);
    QCOMPARE(plot()->shapes().back().a, line.a);
    QCOMPARE(plot()->shapes().back().b, line.b);
    QCOMPARE(caption("labslope"), slope);
    QCOMPARE(caption("labcorr"), corr);
}

void TestRateTutor2::asksForATypeAndAPlot()
{
    open(firstOrder);
    MessageBoxes boxes;
    click("plotbtn");
    click("lstsquares");
    QCOMPARE(boxes.texts(), (QStringList{"Select one of the plot types below.", "No graph made."}));
    QVERIFY(boxes.problems().isEmpty());
    QVERIFY(plot()->shapes().empty());
    QVERIFY(!shown("labslope"));
}

void TestRateTutor2::drawingSurvivesRepaints()
{
    open(secondOrder);
    click("plottype_2");
    click("plotbtn");
    click("lstsquares");
    const QImage before = plot()->grab().toImage();
    int dark = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x)
            dark += qGray(before.pixel(x, y)) < 128;
    }
    QVERIFY(dark > 20);

    m_form->showMinimized();
    settle();
    m_form->showNormal();
    settle();
    QWidget cover;
    cover.setGeometry(m_form->geometry());
    cover.show();
    settle();
    cover.hide();
    plot()->repaint();
    settle();
    QCOMPARE(plot()->grab().toImage(), before);
    QCOMPARE(int(plot()->shapes().size()), 10);
}

void TestRateTutor2::worksAProblemOfEachOrder_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("order");
    QTest::newRow("zero order") << zeroOrder << "0";
    QTest::newRow("first order") << firstOrder << "1";
    QTest::newRow("second order") << secondOrder << "2";
}

void TestRateTutor2::worksAProblemOfEachOrder()
{
    QFETCH(QList<float>, draws);
    QFETCH(QString, order);
    open(draws);
    MessageBoxes boxes;

    // The student plots all three and fits the straight one.
    for (int type = 0; type < 3; ++type) {
        click(QStringLiteral("plottype_%1").arg(type));
        click("plotbtn");
        click("lstsquares");
    }
    click(QStringLiteral("plottype_%1").arg(order));
    click("plotbtn");
    click("lstsquares");
    QString slope = caption("labslope").mid(QStringLiteral("Slope: ").size());
    slope.remove(u'-');

    type("orderAinput", order);
    type("kinput", slope);
    click("submitbtn");
    QCOMPARE(boxes.texts(), QStringList{"Problem complete."});
    QCOMPARE(caption("Aresponse"), QStringLiteral("Correct order."));
    QCOMPARE(caption("kresponse"), QStringLiteral("Correct k."));
    QCOMPARE(caption("probcomplete_0"), QStringLiteral("Yes"));
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    QVERIFY(!find<QRadioButton>("problem_0")->isChecked());

    click("submitbtn");
    QCOMPARE(boxes.texts().last(), QStringLiteral("Please choose a Problem to solve."));
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));

    // The same slot again: a new problem, the slot's marks stay.
    click("problem_0");
    QVERIFY(find<QRadioButton>("problem_0")->isChecked());
    QCOMPARE(caption("labconcA_1"), firstOrderTable[1]);
    QCOMPARE(caption("probcomplete_0"), QStringLiteral("Yes"));
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    QVERIFY(find<QLineEdit>("kinput")->text().isEmpty());
    QVERIFY(caption("Aresponse").isEmpty());
    QVERIFY(plot()->shapes().empty());
}

void TestRateTutor2::refusesEmptyAnswers()
{
    open(firstOrder);
    MessageBoxes boxes;
    type("orderAinput", "1");
    click("submitbtn");
    QCOMPARE(boxes.texts(), QStringList{"Please fill in both answers."});
    QCOMPARE(caption("numattempts_0"), QStringLiteral("0"));
    QVERIFY(!shown("responseframe"));
}

void TestRateTutor2::lastTwoProblemsAreNotTutored()
{
    open(firstOrder);
    click("problem_4");
    type("orderAinput", "2");
    type("kinput", "1e40");
    click("submitbtn");
    QCOMPARE(caption("Aresponse"), QStringLiteral("Incorrect order."));
    QCOMPARE(caption("kresponse"), QStringLiteral("Incorrect k."));
    QCOMPARE(caption("numattempts_4"), QStringLiteral("1"));
    QVERIFY(shown("lblnotutor"));
    QVERIFY(!shown("tutorbox"));
    QVERIFY(find("submitbtn")->isEnabled());
    QVERIFY(find("kinput")->isEnabled());
}

void TestRateTutor2::orderTutoring()
{
    open(firstOrder);
    MessageBoxes boxes;
    click("plottype_1");
    click("plotbtn");
    type("orderAinput", "2");
    type("kinput", "0.58");
    click("submitbtn");

    QVERIFY(shown("tutorbox") && shown("workbelow"));
    QVERIFY(!find("submitbtn")->isEnabled() && !find("kinput")->isEnabled() && !find("orderAinput")->isEnabled());
    QCOMPARE(caption("tutortitle"), QStringLiteral("Determining Reaction Order."));
    QCOMPARE(caption("atutorlab"), QStringLiteral("The plot you have is correct for showing the reaction order."));

    click("continueAbtn");
    QVERIFY(find("orderAinput")->isEnabled());
    QVERIFY(!find("kinput")->isEnabled());
    type("orderAinput", "0");
    click("continueAbtn");
    QVERIFY(shown("ordertable"));
    QVERIFY(caption("atutorlab").startsWith(QStringLiteral("Incorrect. The reaction order")));
    click("continueAbtn");
    QCOMPARE(boxes.texts(), QStringList{"This is the same answer as before. Please input a new answer."});
    type("orderAinput", "1");
    click("continueAbtn");
    QVERIFY(!shown("ordertable"));
    QCOMPARE(caption("atutorlab"), QStringLiteral("Good. This is the correct order for A."));
    click("continueAbtn");

    QVERIFY(!shown("tutorbox") && !shown("workbelow"));
    QVERIFY(find("submitbtn")->isEnabled() && find("kinput")->isEnabled() && find("orderAinput")->isEnabled());
    QVERIFY(plot()->shapes().empty());
    QCOMPARE(find<QLineEdit>("orderAinput")->text(), QStringLiteral("1"));
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    click("submitbtn");
    QCOMPARE(boxes.texts().last(), QStringLiteral("Problem complete."));
    QCOMPARE(caption("numattempts_0"), QStringLiteral("2"));
}

void TestRateTutor2::rateConstantTutoringSurvivesApproach()
{
    open(firstOrder);
    MessageBoxes boxes;
    click("problem_1");
    type("orderAinput", "1");
    type("kinput", "0.5");
    click("submitbtn");
    QCOMPARE(caption("tutortitle"), QStringLiteral("Determining the Rate Constant, k."));
    QCOMPARE(caption("atutorlab"),
             QStringLiteral("Make the plot that shows the order for the reaction. Then continue."));
    click("continueAbtn");
    QCOMPARE(boxes.texts(), QStringList{"Make the plot that is appropriate for a first-order reaction."});
    click("plottype_1");
    click("plotbtn");
    click("continueAbtn");
    QVERIFY(find("kinput")->isEnabled());
    QVERIFY(!find("orderAinput")->isEnabled());
    const QString instruction = caption("atutorlab");
    const auto shapes = plot()->shapes();

    click("approach");
    QCOMPARE(visibleScreens(), QStringList{"approachform2"});
    runtime::Form *explanation = runtime::loadedForm(QStringLiteral("approachform2"));
    QTest::mouseClick(explanation->findChild<runtime::LabelButton *>(QStringLiteral("btnreturn")), Qt::LeftButton);
    settle();
    QCOMPARE(visibleScreens(), QStringList{"ratetutor2"});
    QCOMPARE(caption("atutorlab"), instruction);
    QCOMPARE(caption("labconcA_8"), firstOrderTable[8]);
    QCOMPARE(plot()->shapes().size(), shapes.size());
    QVERIFY(shown("tutorbox"));
    QVERIFY(find("kinput")->isEnabled() && !find("submitbtn")->isEnabled());

    type("kinput", "0.58");
    click("continueAbtn");
    QCOMPARE(caption("atutorlab"), QStringLiteral("Good. This is the correct value of k."));
    click("continueAbtn");
    QVERIFY(!shown("tutorbox"));
    QVERIFY(find("submitbtn")->isEnabled());
}

void TestRateTutor2::enterSubmitsOnlyWhileSubmitIsEnabled()
{
    open(firstOrder);
    MessageBoxes boxes;
    click("plottype_1");
    click("plotbtn");
    type("orderAinput", "2");
    type("kinput", "0.58");
    QTest::keyClick(find<QLineEdit>("kinput"), Qt::Key_Return);
    settle();
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    QVERIFY(shown("tutorbox"));

    // In the tutoring the order box takes a new answer; Enter there must not
    // grade it behind the tutor's back.
    click("continueAbtn");
    QVERIFY(find("orderAinput")->isEnabled());
    type("orderAinput", "1");
    QTest::keyClick(find<QLineEdit>("orderAinput"), Qt::Key_Return);
    settle();
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    QVERIFY(shown("tutorbox"));
}

QTEST_MAIN(TestRateTutor2)
#include "test_ratetutor2.moc"
