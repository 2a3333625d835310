// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"
#include "runtime/controls.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"
#include "runtime/random.h"
#include "screens.h"
#include "shell/screens.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <deque>

using namespace testing;
using runtime::PictureBox;

namespace {

const QList<float> firstOrder{0.5f, 0.85f, 0.3f};  // k = .58, [A]0 = .85
const QList<float> zeroOrder{0.1f, 0.701f, 0.5f};  // k = .049, [A]0 = .7009
const QList<float> secondOrder{0.9f, 0.75f, 0.6f}; // k = 7.6, [A]0 = .7499

} // namespace

class TestRateTutor2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { unloadAll(); }
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void worksAProblemOfEachOrder_data();
    void worksAProblemOfEachOrder();
    void drawingSurvivesRepaints();
    void lastTwoProblemsAreNotTutored();
    void bothTutoringsWithEnterAndApproach();

private:
    // Opens the screen on a problem from these draws; later ones are first order.
    void open(const QList<float> &draws);
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    void click(const QString &name)
    {
        QWidget *w = find(name);
        QVERIFY2(w->isVisible(), qPrintable(name));
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2));
        settle();
    }
    void makePlot(int type, bool fit = false)
    {
        click(QStringLiteral("plottype_%1").arg(type));
        click("plotbtn");
        if (fit)
            click("lstsquares");
    }
    void type(const QString &box, const QString &text)
    {
        auto *edit = find<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void pressEnter(const QString &box)
    {
        QTest::keyClick(find<QLineEdit>(box), Qt::Key_Return);
        settle();
    }
    PictureBox *plot() const { return find<PictureBox>(QStringLiteral("plot")); }
    QString caption(const QString &label) const { return find<QLabel>(label)->text(); }
    bool shown(const QString &name) const { return find(name)->isVisibleTo(m_form); }
    bool enabled(const QString &name) const { return find(name)->isEnabled(); }

    runtime::Form *m_form{nullptr};
    runtime::ScriptedRandom::Script m_script{std::make_shared<std::deque<float>>()};
};

void TestRateTutor2::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
    runtime::setRandomFactory([this] { return std::make_unique<runtime::ScriptedRandom>(m_script); });
}

void TestRateTutor2::open(const QList<float> &draws)
{
    unloadAll();
    m_script->assign(draws.begin(), draws.end());
    for (int i = 0; i < 20; ++i)
        m_script->insert(m_script->end(), firstOrder.begin(), firstOrder.end());
    m_form = runtime::showForm(QStringLiteral("ratetutor2"));
    settle();
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
    QTest::newRow("time picture") << "Image2" << "orderAtutor" << QRect(1530, 2065, 330, 180);
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
    QCOMPARE(runtime::designRect(w), twips);
    // A caption box may have grown into free space, never shrunk or moved.
    const QRect designed = runtime::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    QCOMPARE(w->pos(), designed.topLeft());
    QVERIFY(w->width() >= designed.width() && w->height() >= designed.height());
}

void TestRateTutor2::worksAProblemOfEachOrder_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("order");
    // The fit of the straight plot, worked in double and shown single: exact
    // zero-order data reads as exact numbers.
    QTest::addColumn<QString>("slope");
    QTest::addColumn<QString>("intercept");
    QTest::newRow("zero order, [A] plot")
        << zeroOrder << " .7009" << 0 << "Slope: -.049" << "Intercept: .7009";
    QTest::newRow("first order, ln[A] plot")
        << firstOrder << " .85" << 1 << "Slope: -.5803995" << "Intercept: -.1621861";
    QTest::newRow("second order, 1/[A] plot")
        << secondOrder << " .7499" << 2 << "Slope: 7.629839" << "Intercept: 1.279557";
}

void TestRateTutor2::worksAProblemOfEachOrder()
{
    QFETCH(QList<float>, draws);
    QFETCH(int, order);
    open(draws);
    MessageBoxes boxes;

    // Problem 1 is loaded, nothing of the work shows yet.
    QVERIFY(find<QRadioButton>("problem_0")->isChecked());
    QTEST(caption("labconcA_0"), "first");
    for (const char *hidden : {"responseframe", "labslope", "labcorr", "ylabel_0", "ylabel_1", "ylabel_2",
                               "workbelow", "lblnotutor", "tutorbox", "ordertable"})
        QVERIFY2(!shown(QLatin1String(hidden)), hidden);

    // Without a type and a plot there is nothing to draw or fit.
    click("plotbtn");
    click("lstsquares");
    QCOMPARE(boxes.texts(), (QStringList{"Select one of the plot types below.", "No graph made."}));
    QVERIFY(plot()->shapes().empty() && !shown("labslope"));

    // The other two plots, fitted, then the straight one.
    makePlot((order + 1) % 3, true);
    makePlot((order + 2) % 3, true);
    makePlot(order);
    for (int i = 0; i < 3; ++i) {
        const QColor colour = i == order ? runtime::grey() : runtime::ground();
        QCOMPARE(find<runtime::LabelButton>(QStringLiteral("plottype_%1").arg(i))->backgroundColor(), colour);
        QCOMPARE(shown(QStringLiteral("ylabel_%1").arg(i)), i == order);
    }
    // Nine points inside the margins, y growing upwards; only 1/[A] rises.
    const auto &shapes = plot()->shapes();
    QCOMPARE(int(shapes.size()), 9);
    for (int t = 0; t < 9; ++t) {
        QCOMPARE(shapes[t].kind, PictureBox::Shape::Kind::Circle);
        // At least 2.5 pixels across the radius, inside the plot's 4-pixel margin.
        QVERIFY(qAbs(shapes[t].a.x() - t / 9.0) < 1e-9 && shapes[t].radius * (plot()->width() - 8) >= 2.5);
        QVERIFY(shapes[t].a.y() > 0.0 && shapes[t].a.y() < 1.0);
    }
    QCOMPARE(shapes[8].a.y() < shapes[0].a.y(), order == 2);

    click("lstsquares");
    const PictureBox::Shape line = shapes.back();
    QCOMPARE(line.kind, PictureBox::Shape::Kind::Line);
    QVERIFY(line.colour == runtime::grey() && line.a.x() == 0.0 && line.b.x() == 1.0);
    QTEST(caption("labslope"), "slope");
    QTEST(caption("labintercept"), "intercept");
    QVERIFY(caption("labcorr").startsWith(QStringLiteral("|r| = ")));
    // Each fit value on one line.
    for (const char *name : {"labslope", "labcorr"}) {
        const QLabel *label = find<QLabel>(name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }

    // Fitting again, even after a type click cleared the plot, gives the
    // line and the values of the last plot.
    click("lstsquares");
    QCOMPARE(int(shapes.size()), 11);
    QCOMPARE(shapes[10].a, line.a);
    click(QStringLiteral("plottype_%1").arg((order + 1) % 3));
    QVERIFY(shapes.empty() && !shown("labslope") && !shown("labintercept") && !shown("labcorr"));
    click("lstsquares");
    QCOMPARE(int(shapes.size()), 1);
    QCOMPARE(shapes[0].a, line.a);
    QCOMPARE(shapes[0].b, line.b);
    QTEST(caption("labslope"), "slope");
    QTEST(caption("labintercept"), "intercept");

    // Both answers are needed; the slope read off the screen is k.
    boxes.clear();
    type("orderAinput", "1");
    click("submitbtn");
    QCOMPARE(boxes.texts(), QStringList{"Please fill in both answers."});
    QCOMPARE(caption("numattempts_0"), QStringLiteral("0"));
    type("orderAinput", QString::number(order));
    type("kinput", caption("labslope").mid(QStringLiteral("Slope: ").size()).remove(u'-'));
    click("submitbtn");
    QCOMPARE(boxes.texts().last(), QStringLiteral("Problem complete."));
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
    QCOMPARE(caption("labconcA_1"), QStringLiteral(" .4759"));
    QCOMPARE(caption("probcomplete_0"), QStringLiteral("Yes"));
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    QVERIFY(find<QLineEdit>("kinput")->text().isEmpty() && caption("Aresponse").isEmpty());
    QVERIFY(plot()->shapes().empty());
}

void TestRateTutor2::drawingSurvivesRepaints()
{
    open(secondOrder);
    makePlot(2, true);
    const QImage before = plot()->grab().toImage();
    QImage blank(before.size(), before.format());
    blank.fill(before.pixel(before.width() / 2, 2));
    QVERIFY(before != blank);

    QWidget cover;
    cover.setGeometry(m_form->geometry());
    cover.show();
    settle();
    cover.hide();
    plot()->repaint();
    settle();
    QCOMPARE(plot()->grab().toImage(), before);
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
    QVERIFY(shown("lblnotutor") && !shown("tutorbox"));
    QVERIFY(enabled("submitbtn") && enabled("kinput"));
}

void TestRateTutor2::bothTutoringsWithEnterAndApproach()
{
    open(firstOrder);
    MessageBoxes boxes;
    makePlot(1);
    type("orderAinput", "2");
    type("kinput", "0.5");
    pressEnter("kinput");
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    QVERIFY(shown("tutorbox") && shown("workbelow"));
    QVERIFY(!enabled("submitbtn") && !enabled("kinput") && !enabled("orderAinput"));
    QCOMPARE(caption("tutortitle"), QStringLiteral("Determining Reaction Order."));
    QCOMPARE(caption("atutorlab"), QStringLiteral("The plot you have is correct for showing the reaction order."));

    click("continueAbtn");
    QVERIFY(enabled("orderAinput") && !enabled("kinput"));
    // The order box takes the tutor's answer; Enter goes on with the
    // tutoring instead of grading it.
    type("orderAinput", "0");
    pressEnter("orderAinput");
    QCOMPARE(caption("numattempts_0"), QStringLiteral("1"));
    QVERIFY(shown("ordertable"));
    type("orderAinput", "1");
    click("continueAbtn");
    QVERIFY(!shown("ordertable"));
    QCOMPARE(caption("atutorlab"), QStringLiteral("Good. This is the correct order for A."));
    click("continueAbtn");

    // Over: the work area is reset and Enter submits again; now k is wrong.
    QVERIFY(!shown("tutorbox") && !shown("workbelow") && plot()->shapes().empty());
    QVERIFY(enabled("submitbtn") && enabled("kinput") && enabled("orderAinput"));
    pressEnter("orderAinput");
    QCOMPARE(caption("numattempts_0"), QStringLiteral("2"));
    QCOMPARE(caption("tutortitle"), QStringLiteral("Determining the Rate Constant, k."));
    click("continueAbtn");
    QCOMPARE(boxes.texts(), QStringList{"Make the plot that is appropriate for a first-order reaction."});
    makePlot(1);
    click("continueAbtn");
    QVERIFY(enabled("kinput") && !enabled("orderAinput"));
    const QString instruction = caption("atutorlab");

    // A look at the explanation leaves the tutoring as it was.
    click("approach");
    QCOMPARE(visibleScreens(), QStringList{"approachform2"});
    runtime::Form *explanation = runtime::loadedForm(QStringLiteral("approachform2"));
    QTest::mouseClick(explanation->findChild<runtime::LabelButton *>(QStringLiteral("btnreturn")), Qt::LeftButton);
    settle();
    QCOMPARE(visibleScreens(), QStringList{"ratetutor2"});
    QCOMPARE(caption("atutorlab"), instruction);
    QCOMPARE(caption("labconcA_8"), QStringLiteral(" .0082"));
    QCOMPARE(int(plot()->shapes().size()), 9);
    QVERIFY(shown("tutorbox") && enabled("kinput") && !enabled("submitbtn"));

    type("kinput", "0.58");
    click("continueAbtn");
    QCOMPARE(caption("atutorlab"), QStringLiteral("Good. This is the correct value of k."));
    click("continueAbtn");
    QVERIFY(!shown("tutorbox") && enabled("submitbtn"));
    pressEnter("kinput");
    QCOMPARE(boxes.texts().last(), QStringLiteral("Problem complete."));
    QCOMPARE(caption("numattempts_0"), QStringLiteral("3"));
}

QTEST_MAIN(TestRateTutor2)
#include "test_ratetutor2.moc"
