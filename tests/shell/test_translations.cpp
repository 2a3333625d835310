// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a student sees or hears comes from the catalogue: with a pseudo
// catalogue that swaps each letter of every extracted text for an accented
// one, no English letter may be left on any screen or in any tutoring state.
// And the German catalogue translates every text the sources hold.
#include "messageboxes.h"
#include "runtime/random.h"
#include "runtime/translations.h"
#include "screens.h"
#include "scripted.h"
#include "shell/screens.h"

#include <QAbstractButton>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace testing;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished{false};
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, false});
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value(QStringLiteral("type"));
            messages.last().finished = type.isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QString pseudo(const QString &text)
{
    static const QString lower = QStringLiteral("àƀçđèƒĝĥìĵķĺḿñòƥʠŕšţùṽŵẋýž");
    static const QString upper = QStringLiteral("ÀƁÇĐÈƑĜĤÌĴĶĹḾÑÒƤɊŔŠŢÙṼŴẊÝŽ");
    QString result;
    for (const QChar c : text) {
        if (c >= u'a' && c <= u'z')
            result += lower[c.unicode() - u'a'];
        else if (c >= u'A' && c <= u'Z')
            result += upper[c.unicode() - u'A'];
        else
            result += c;
    }
    return result;
}

// The pseudo catalogue, built from the texts extracted from the sources: a
// text the extraction misses stays English and is caught.
class PseudoCatalogue : public QTranslator
{
public:
    explicit PseudoCatalogue(const QString &extracted)
    {
        for (const Message &m : readCatalogue(extracted))
            m_texts.insert(m.context + u'\x4' + m.source, pseudo(m.source));
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return m_texts.value(QString::fromUtf8(context) + u'\x4' + QString::fromUtf8(source));
    }

private:
    QHash<QString, QString> m_texts;
};

// A paint device that keeps the text drawn on it.
class TextRecorder : public QPaintDevice
{
public:
    QStringList texts;
    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 2000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 1;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(TextRecorder *device)
            : QPaintEngine(AllFeatures)
            , m_device(device)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { m_device->texts.append(item.text()); }
        Type type() const override { return User; }

    private:
        TextRecorder *m_device;
    };
    mutable Engine m_engine{this};
};

// Left once the marked letters are gone: numbers (" .405", "1.2E-05") and
// formulas in the typed notation ("[NO_2_]") read alike in every language.
bool unmarked(QString text)
{
    static const QRegularExpression formula(QStringLiteral("\\[[A-Za-z0-9_^]+\\]"));
    static const QRegularExpression number(QStringLiteral("(\\d+\\.?\\d*|\\.\\d+)(E[-+]\\d+)?"));
    text.remove(formula).remove(number);
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void germanTranslatesEveryText_data();
    void germanTranslatesEveryText();
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
    void everyScreenAndStageIsTranslated();

private:
    void open(const QString &screen);
    void click(const QString &name);
    void type(const QString &box, const QString &text);
    // Records every text of the visible screens that is not marked.
    void check(const QString &where);
    void walkInitialRates();
    void walkGraphical();
    void walkRateLaws();

    runtime::ScriptedRandom::Script m_draws{script({})};
    runtime::Form *m_form{nullptr};
    MessageBoxes *m_boxes{nullptr};
    QStringList m_unmarked;
    QString m_where;
};

void TestTranslations::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
    runtime::setRandomFactory([this] { return std::make_unique<runtime::ScriptedRandom>(m_draws); });
}

void TestTranslations::cleanup()
{
    runtime::installTranslations(QLocale::c());
    unloadAll();
}

void TestTranslations::germanTranslatesEveryText_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    for (const Message &m : readCatalogue(QStringLiteral(VELOMIRA_EXTRACTED_TS)))
        QTest::newRow(qPrintable(m.context + QStringLiteral(": ") + QString(m.source).replace(u'\n', u' ')))
            << m.context << m.source;
}

// A text new in the sources must be in the German catalogue, translated and
// no longer marked unfinished.
void TestTranslations::germanTranslatesEveryText()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    static const QList<Message> german = readCatalogue(QStringLiteral(VELOMIRA_GERMAN_TS));
    const auto found = std::find_if(german.begin(), german.end(), [&](const Message &m) {
        return m.context == context && m.source == source;
    });
    QVERIFY2(found != german.end(), "missing: run `make translations` and translate it");
    QVERIFY2(found->finished && !found->translation.isEmpty(), "unfinished");
}

void TestTranslations::languageFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("submit");
    QTest::newRow("German") << "de_DE" << "de" << "&Abgeben";
    QTest::newRow("Austrian German") << "de_AT" << "de" << "&Abgeben";
    QTest::newRow("English") << "en_GB" << "" << "&Submit";
    QTest::newRow("no catalogue: English") << "fr_FR" << "" << "&Submit";
}

// The catalogue is built into the program and found from the locale.
void TestTranslations::languageFollowsTheLocale()
{
    QFETCH(QString, locale);
    QTEST(runtime::installTranslations(QLocale(locale)), "language");
    QTEST(QCoreApplication::translate("RateTutor", "&Submit"), "submit");
}

void TestTranslations::open(const QString &screen)
{
    unloadAll();
    m_form = runtime::showForm(screen);
    settle();
}

void TestTranslations::click(const QString &name)
{
    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY2(widget && widget->isVisible(), qPrintable(name + QStringLiteral(" after ") + m_where));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
    settle();
}

void TestTranslations::type(const QString &box, const QString &text)
{
    auto *edit = m_form->findChild<QLineEdit *>(box);
    QVERIFY2(edit, qPrintable(box));
    edit->setText(text);
}

void TestTranslations::check(const QString &where)
{
    m_where = where;
    QStringList texts;
    const auto add = [&](const QString &what, const QString &text) {
        if (unmarked(text))
            texts.append(what + QStringLiteral(": ") + text);
    };
    for (const QString &text : m_boxes->texts())
        add(QStringLiteral("message"), text);
    m_boxes->clear();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        add(QStringLiteral("window title"), window->windowTitle());
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *w : widgets) {
            if (!w->isVisible())
                continue;
            const QString name = w->objectName();
            add(name + QStringLiteral(" accessible name"), w->accessibleName());
            add(name + QStringLiteral(" accessible description"), w->accessibleDescription());
            add(name + QStringLiteral(" tool tip"), w->toolTip());
            if (auto *edit = qobject_cast<QLineEdit *>(w)) {
                add(name + QStringLiteral(" placeholder"), edit->placeholderText());
                continue; // the student's own input
            }
            // The label that repeats the student's typed rate law.
            if (name == u"test")
                continue;
            if (auto *menu = qobject_cast<QMenuBar *>(w)) {
                for (QAction *action : menu->actions()) {
                    add(QStringLiteral("menu"), action->text());
                    if (action->menu()) {
                        for (QAction *item : action->menu()->actions())
                            add(QStringLiteral("menu item"), item->text());
                    }
                }
            }
            TextRecorder recorder;
            w->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            for (const QString &text : std::as_const(recorder.texts))
                add(name, text);
        }
    }
    for (const QString &text : std::as_const(texts))
        m_unmarked.append(where + QStringLiteral(" - ") + text);
}

void TestTranslations::walkInitialRates()
{
    // Orders 1 and 2, k 3.47; trials 1 and 2 share [B], trials 0 and 2 [A].
    m_draws = script({});
    for (int i = 0; i < 3; ++i)
        pushKnownProblem(m_draws);
    open(QStringLiteral("ratetutor"));
    check(QStringLiteral("initial rates"));
    click(QStringLiteral("submitbtn"));
    type(QStringLiteral("orderAinput"), QStringLiteral("2"));
    type(QStringLiteral("orderBinput"), QStringLiteral("1"));
    type(QStringLiteral("kinput"), QStringLiteral("0,5"));
    click(QStringLiteral("submitbtn"));
    type(QStringLiteral("kinput"), QStringLiteral("1"));
    click(QStringLiteral("submitbtn"));
    check(QStringLiteral("initial rates: refusals, order in A"));
    click(QStringLiteral("Trial_0"));
    click(QStringLiteral("Trial_2"));
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("Trial_2"));
    click(QStringLiteral("Trial_1"));
    click(QStringLiteral("continueAbtn"));
    check(QStringLiteral("initial rates: trials chosen for A"));
    for (const char *order : {"3", "2", "1"}) {
        type(QStringLiteral("orderAinput"), QString::fromLatin1(order));
        click(QStringLiteral("continueAbtn"));
        check(QStringLiteral("initial rates: order in A ") + QString::fromLatin1(order));
        if (QByteArray(order) == "3")
            click(QStringLiteral("continueAbtn")); // the same answer again
    }
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("submitbtn"));
    check(QStringLiteral("initial rates: order in B"));
    click(QStringLiteral("Trial_0"));
    click(QStringLiteral("Trial_2"));
    click(QStringLiteral("continueAbtn"));
    type(QStringLiteral("orderBinput"), QStringLiteral("2"));
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("submitbtn"));
    check(QStringLiteral("initial rates: rate constant"));
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("Trial_3"));
    click(QStringLiteral("continueAbtn"));
    for (const char *k : {"2", "2.5", "3.47"}) {
        type(QStringLiteral("kinput"), QString::fromLatin1(k));
        click(QStringLiteral("continueAbtn"));
        check(QStringLiteral("initial rates: k ") + QString::fromLatin1(k));
    }
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("submitbtn"));
    check(QStringLiteral("initial rates: complete"));
    click(QStringLiteral("problem_4"));
    type(QStringLiteral("orderAinput"), QStringLiteral("2"));
    type(QStringLiteral("orderBinput"), QStringLiteral("1"));
    type(QStringLiteral("kinput"), QStringLiteral("1"));
    click(QStringLiteral("submitbtn"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    click(QStringLiteral("calculator"));
    qputenv("PATH", path);
    check(QStringLiteral("initial rates: Problem 5, calculator"));
    click(QStringLiteral("approach"));
    m_form = runtime::loadedForm(QStringLiteral("approachform"));
    check(QStringLiteral("initial rates: approach"));
}

void TestTranslations::walkGraphical()
{
    // First order, k .58: ln[A] against time is straight.
    m_draws = script({});
    for (int i = 0; i < 4; ++i)
        m_draws->insert(m_draws->end(), {0.5f, 0.85f, 0.3f});
    open(QStringLiteral("ratetutor2"));
    check(QStringLiteral("graphical"));
    click(QStringLiteral("submitbtn"));
    click(QStringLiteral("lstsquares"));
    type(QStringLiteral("orderAinput"), QStringLiteral("1,0"));
    type(QStringLiteral("kinput"), QStringLiteral("1"));
    click(QStringLiteral("submitbtn"));
    type(QStringLiteral("orderAinput"), QStringLiteral("2"));
    click(QStringLiteral("submitbtn"));
    click(QStringLiteral("continueAbtn"));
    check(QStringLiteral("graphical: refusals, order tutoring"));
    for (int type = 0; type < 3; ++type) {
        click(QStringLiteral("plottype_%1").arg(type));
        click(QStringLiteral("plotbtn"));
        click(QStringLiteral("lstsquares"));
        check(QStringLiteral("graphical: plot %1").arg(type));
    }
    click(QStringLiteral("plottype_1"));
    click(QStringLiteral("plotbtn"));
    click(QStringLiteral("continueAbtn"));
    for (const char *order : {"0", "1"}) {
        type(QStringLiteral("orderAinput"), QString::fromLatin1(order));
        click(QStringLiteral("continueAbtn"));
        check(QStringLiteral("graphical: order ") + QString::fromLatin1(order));
    }
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("submitbtn"));
    click(QStringLiteral("plottype_0"));
    click(QStringLiteral("plotbtn"));
    click(QStringLiteral("continueAbtn"));
    click(QStringLiteral("plottype_1"));
    click(QStringLiteral("plotbtn"));
    click(QStringLiteral("continueAbtn"));
    check(QStringLiteral("graphical: rate constant"));
    for (const char *k : {"2", "3", "4"}) {
        if (QByteArray(k) == "4")
            click(QStringLiteral("lstsquares"));
        type(QStringLiteral("kinput"), QString::fromLatin1(k));
        click(QStringLiteral("continueAbtn"));
        check(QStringLiteral("graphical: k ") + QString::fromLatin1(k));
    }
    click(QStringLiteral("problem_5"));
    type(QStringLiteral("orderAinput"), QStringLiteral("2"));
    type(QStringLiteral("kinput"), QStringLiteral("1"));
    click(QStringLiteral("submitbtn"));
    check(QStringLiteral("graphical: Problem 6"));
    click(QStringLiteral("approach"));
    m_form = runtime::loadedForm(QStringLiteral("approachform2"));
    check(QStringLiteral("graphical: approach"));
}

void TestTranslations::walkRateLaws()
{
    open(QStringLiteral("writingratelaws"));
    check(QStringLiteral("rate laws"));
    for (int problem = 0; problem < 3; ++problem) {
        click(QStringLiteral("problemnumber_%1").arg(problem));
        type(QStringLiteral("answer"), QStringLiteral("Rat=[X]^1^"));
        click(QStringLiteral("submitbtn"));
        check(QStringLiteral("rate laws: problem %1, wrong").arg(problem + 1));
    }
    type(QStringLiteral("answer"), QStringLiteral("Rate=k[N_2_O_5_]"));
    click(QStringLiteral("submitbtn"));
    check(QStringLiteral("rate laws: right"));
}

void TestTranslations::everyScreenAndStageIsTranslated()
{
    PseudoCatalogue catalogue(QStringLiteral(VELOMIRA_EXTRACTED_TS));
    QCoreApplication::installTranslator(&catalogue);
    MessageBoxes boxes;
    m_boxes = &boxes;
    open(QStringLiteral("ratestart"));
    check(QStringLiteral("start"));
    walkInitialRates();
    walkGraphical();
    walkRateLaws();
    QCoreApplication::removeTranslator(&catalogue);
    QVERIFY2(boxes.problems().isEmpty(), qPrintable(boxes.problems().join(u'\n')));
    QVERIFY2(m_unmarked.isEmpty(), qPrintable(QStringLiteral("not translated:\n") + m_unmarked.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
