// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a student sees or hears comes from the catalogue, and stays
// whole and readable on a light and on a dark desktop. One walk through every
// screen and tutoring state (walk.txt) runs under a pseudo catalogue that
// swaps each letter of every extracted text for an accented one, and in every
// language the program speaks: after each step every caption is whole, drawn
// with glyphs some font has, every enabled text stands out from its ground by
// 4.5 : 1, a screen reader is told what each control is, and under the pseudo
// catalogue no English letter is left. In English, the walk's marked states
// look as approved, and what the walk made the screens say beyond what they
// show (messages, where the keys went, what a screen reader was told) reads
// as approved. And every catalogue translates every text the sources hold.
#include "golden.h"
#include "messageboxes.h"
#include "pictures/picture.h"
#include "runtime/application.h"
#include "runtime/colours.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"
#include "runtime/random.h"
#include "runtime/sessionrecord.h"
#include "runtime/translations.h"
#include "runtime/window.h"
#include "savedrecord.h"
#include "screens.h"
#include "scripted.h"
#include "shell/screens.h"
#include "textrecorder.h"
#include "walk.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <optional>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace testing;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation; // empty while unfinished
    QString key() const { return context + u'\x4' + source; }
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
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}});
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"translation" && xml.attributes().value(QStringLiteral("type")).isEmpty())
            messages.last().translation = xml.readElementText();
    }
    return messages;
}

// Swaps each letter of the texts extracted from the sources for an accented
// one: a text the extraction misses stays English and is caught.
class PseudoCatalogue : public QTranslator
{
public:
    explicit PseudoCatalogue(const QString &extracted)
    {
        for (const Message &m : readCatalogue(extracted))
            m_extracted.insert(m.key());
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        static const QString accented = QStringLiteral("àƀçđèƒĝĥìĵķĺḿñòƥʠŕšţùṽŵẋýžÀƁÇĐÈƑĜĤÌĴĶĹḾÑÒƤɊŔŠŢÙṼŴẊÝŽ");
        QString text = QString::fromUtf8(source);
        if (!m_extracted.contains(Message{QString::fromUtf8(context), text, {}}.key()))
            return {};
        QString marked;
        QString word;
        const auto endWord = [&] {
            // Each word 40 % longer, as the next European language may need.
            marked += word + word.left(int(word.size() * 0.4 + 0.5));
            word.clear();
        };
        for (const QChar c : std::as_const(text)) {
            if (const qsizetype letter = plain.indexOf(c); letter >= 0) {
                word += accented[letter];
            } else {
                endWord();
                marked += c;
            }
        }
        endWord();
        return marked;
    }

private:
    QSet<QString> m_extracted;
};

// The ground a control's text stands on: the commonest colour in its box.
QColor groundIn(const QImage &image, const QRect &box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++counts[image.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
                      return a.second < b.second;
                  })->first);
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        qputenv("PATH", "/nonexistent"); // with no calculator to start, the student is told so
        // A home of its own, with a Documents folder for the record.
        qputenv("HOME", m_folder.path().toLocal8Bit());
        QDir(m_folder.path()).mkdir(QStringLiteral("Documents"));
        runtime::initialiseApplication();
        registerScreens();
        runtime::setRandomFactory([this] { return std::make_unique<runtime::ScriptedRandom>(m_draws); });
        // As when a screen reader runs, so that events are sent.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void cleanup()
    {
        runtime::installTranslations(QLocale::c());
        QApplication::setPalette(QApplication::style()->standardPalette());
        runtime::setZoom(1.0);
        unloadAll();
        unloadAll(); // closing a module brings the start screen back
    }
    void everyCatalogueTranslatesEveryText_data();
    void everyCatalogueTranslatesEveryText();
    // The catalogue is built into the program and found from the locale; a
    // language without one stays English.
    void languageFollowsTheLocale()
    {
        QCOMPARE(runtime::installTranslations(QLocale(QStringLiteral("de_AT"))), QStringLiteral("de"));
        QCOMPARE(QCoreApplication::translate("RateTutor", "&Submit"), QStringLiteral("&Abgeben"));
        // Qt's own texts too, such as an answer box's context menu.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Kopieren"));
        // Brazilian Portuguese serves plain Portuguese as well, not Portugal's.
        QCOMPARE(runtime::installTranslations(QLocale(QStringLiteral("pt"))), QStringLiteral("pt_BR"));
        QCOMPARE(runtime::installTranslations(QLocale(QStringLiteral("pt_PT"))), QString());
        QCOMPARE(runtime::installTranslations(QLocale(QStringLiteral("it_IT"))), QString());
        QCOMPARE(runtime::installedLanguage(), QString());
        QCOMPARE(QCoreApplication::translate("RateTutor", "&Submit"), QStringLiteral("&Submit"));
    }
    void everyStateIsTranslatedAndReadable_data();
    void everyStateIsTranslatedAndReadable() { walk(); }
    void everyStateLooksAsApproved_data();
    void everyStateLooksAsApproved() { walk(); }

private:
    // The walk, in the row's language, scheme and zoom.
    void walk();
    // Records what is not marked and what is hard to read, as shown now.
    void check(const QString &where);
    // Writes down what the step made the screen say beyond what it shows.
    // Records a text that still holds English letters.
    void markedOrFault(const QString &where, const QString &text);

    runtime::ScriptedRandom::Script m_draws{script({})};
    MessageBoxes m_boxes;
    QStringList m_faults;
    QTemporaryDir m_folder;
    std::optional<ScreenWalk> m_walk;
    bool m_pseudo{false};
    SavedRecord m_record; // found while PATH still names its readers
};

void TestTranslations::everyCatalogueTranslatesEveryText_data()
{
    QTest::addColumn<bool>("translated");
    const QList<Message> extracted = readCatalogue(QStringLiteral(VELOMIRA_EXTRACTED_TS));
    const QDir folder(QStringLiteral(VELOMIRA_TRANSLATIONS));
    for (const QString &file : folder.entryList({QStringLiteral("velomira_*.ts")})) {
        QSet<QString> done;
        for (const Message &m : readCatalogue(folder.filePath(file)))
            done.insert(m.translation.isEmpty() ? QString() : m.key());
        for (const Message &m : extracted)
            QTest::newRow(
                qPrintable(file + u' ' + m.context + QStringLiteral(": ") + QString(m.source).replace(u'\n', u' ')))
                << done.contains(m.key());
    }
}

// A text new in the sources must be in every catalogue, translated and no
// longer marked unfinished.
void TestTranslations::everyCatalogueTranslatesEveryText()
{
    QFETCH(bool, translated);
    QVERIFY2(translated, "missing or unfinished: run `make translations` and translate it");
}

void TestTranslations::markedOrFault(const QString &where, const QString &text)
{
    if (!m_pseudo)
        return;
    // Left once the marked letters are gone: numbers (" .405", "1.2E-05") and
    // formulas in the typed notation ("[NO_2_]") read alike in every language.
    static const QRegularExpression formula(QStringLiteral("\\[[A-Za-z0-9_^]+\\]"));
    static const QRegularExpression number(QStringLiteral("(\\d+\\.?\\d*|\\.\\d+)(E[-+]\\d+)?"));
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    if (QString(text).remove(formula).remove(number).contains(letter))
        m_faults.append(QStringLiteral("%1 not translated: %2").arg(where, text));
}

void TestTranslations::check(const QString &where)
{
    const auto add = [&](const QString &what, const QString &text) {
        markedOrFault(where + QStringLiteral(" - ") + what, text);
    };
    for (const QString &text : m_boxes.texts())
        add(QStringLiteral("message"), text);
    m_faults << m_boxes.problems();
    m_boxes.clear();
    add(QStringLiteral("window title"), m_walk->form()->windowTitle());
    for (QAction *action : m_walk->form()->findChildren<QAction *>()) // menus and their items
        add(QStringLiteral("menu"), action->text());
    const QImage grabbed = m_walk->form()->grab().toImage();
    QList<QPair<QString, QRect>> written; // the captions so far, and where they stand
    for (QWidget *w : QList<QWidget *>{m_walk->form()} + m_walk->form()->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        const QString name = w->objectName();
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<runtime::LabelButton *>(w);
        const auto *picture = qobject_cast<pictures::Picture *>(w);
        const auto *edit = qobject_cast<QLineEdit *>(w);
        // Every caption whole: all its lines inside its box, its box inside the
        // window, and no two captions' text on the same pixels.
        const QString caption = label ? label->text() : button ? button->text() : QString();
        if (!caption.trimmed().isEmpty()) {
            const QRect inside = label ? label->contentsRect() : w->rect().adjusted(1, 0, -1, 0);
            const int flags = (label && !label->wordWrap() ? 0 : int(Qt::TextWordWrap)) | Qt::TextShowMnemonic
                              | int(label ? label->alignment() : button->alignment());
            const QRect text = w->fontMetrics().boundingRect(inside, flags, caption);
            const QRect shown = QRect(w->mapTo(m_walk->form(), text.topLeft()), text.size());
            if (text.height() > inside.height() + 1 || text.width() > inside.width() + 1
                || !m_walk->form()->rect().adjusted(0, 0, 1, 1).contains(shown))
                m_faults.append(QStringLiteral("%1 - %2 cut: %3").arg(where, name, caption));
            for (const auto &[other, place] : std::as_const(written))
                if (place.intersects(shown.adjusted(1, 1, -1, -1)))
                    m_faults.append(QStringLiteral("%1 - %2 drawn over %3").arg(where, name, other));
            written.append({name, shown});
            QTextLayout layout(caption, w->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun &run : layout.glyphRuns())
                if (run.glyphIndexes().contains(0))
                    m_faults.append(QStringLiteral("%1 - %2 has a letter no font draws: %3").arg(where, name, caption));
        }
        // Pictures keep at least 85 % of the size their designed words get.
        if (picture && picture->scale() < picture->leastScale() - 1e-6)
            m_faults.append(QStringLiteral("%1 - %2 drawn too small").arg(where, name));
        add(name + QStringLiteral(" accessible name, description, tool tip or placeholder"),
            QStringList{w->accessibleName(), w->accessibleDescription(), w->toolTip(),
                        w->property("placeholderText").toString()}
                .join(u' '));
        // What a screen reader hears: pictures are named images, the plot an
        // image, panels groups; areas and boxes are named, and a label-button
        // says its caption without the mark of its mnemonic.
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        const QString heard = face->text(QAccessible::Name);
        const bool image = picture || name == u"plot";
        const bool mustBeNamed = edit || (image && name != u"plot")
                                 || QStringList{"orderAtutor", "tutorbox", "responseframe"}.contains(name);
        if ((mustBeNamed && heard.isEmpty()) || (image && face->role() != QAccessible::Graphic)
            || (qobject_cast<runtime::PictureBox *>(w) && !image && face->role() != QAccessible::Grouping)
            || (button && (face->role() != QAccessible::Button || heard.contains(u'&'))))
            m_faults.append(QStringLiteral("%1 - %2 badly told to a screen reader: %3").arg(where, name, heard));
        // Each text against the ground it stands on; inactive controls are
        // exempt from the contrast rule, as in WCAG.
        TextRecorder recorder;
        w->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const auto *frame = qobject_cast<const QFrame *>(w);
        const QRect box = w->visibleRegion().boundingRect().intersected(frame ? frame->contentsRect() : w->rect());
        const QRect shown = box.translated(w->mapTo(m_walk->form(), QPoint())).intersected(grabbed.rect());
        // An open menu's title and selected text stand on the desktop's own
        // highlight, not on the control's ground.
        const bool highlighted =
            (qobject_cast<QMenuBar *>(w) && QApplication::activePopupWidget()) || (edit && edit->hasSelectedText());
        if (w->isEnabled() && !w->isWindow() && !shown.isEmpty() && !highlighted) {
            const QColor ground = groundIn(grabbed, shown);
            for (qsizetype i = 0; i < recorder.texts.size(); ++i) {
                const double ratio = runtime::contrastRatio(ground, recorder.colours.at(i));
                if (!recorder.texts.at(i).trimmed().isEmpty() && ratio < 4.5)
                    m_faults.append(QStringLiteral("%1 - %2 hard to read: %3 at %4")
                                        .arg(where, name, recorder.texts.at(i))
                                        .arg(ratio, 0, 'f', 2));
            }
        }
        // Not the student's own input.
        if (edit)
            continue;
        // A menu item's keys are written as the desktop writes keys.
        QStringList keys;
        if (qobject_cast<QMenu *>(w))
            for (const QAction *action : w->actions())
                keys << action->shortcut().toString(QKeySequence::NativeText);
        for (const QString &text : std::as_const(recorder.texts))
            if (!keys.contains(text))
                add(name, text);
    }
}

// In English the states marked with "@" must look as approved, and the
// transcript read as approved.
void TestTranslations::everyStateLooksAsApproved_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<double>("zoom");
    QTest::newRow("light") << "approved" << false << 1.0;
    QTest::newRow("dark") << "approved" << true << 1.0;
    QTest::newRow("zoomed") << "approved" << false << 1.25;
}

// Pseudo-translated and in every language the program speaks, every state
// is checked for whole captions, glyphs, screen-reader names and contrast,
// and pseudo-translated for texts left English.
void TestTranslations::everyStateIsTranslatedAndReadable_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<double>("zoom");
    // VELOMIRA_WALK_SHARE=k/n takes every n-th row from the k-th on, so that
    // n runs can share the rows.
    const QString share = qEnvironmentVariable("VELOMIRA_WALK_SHARE", QStringLiteral("1/1"));
    const int shares = std::max(1, share.section(u'/', 1).toInt());
    const int mine = share.section(u'/', 0, 0).toInt() - 1;
    int row = 0;
    const auto add = [&](const QString &name, const QString &language, bool dark, double zoom) {
        if (row++ % shares == mine)
            QTest::newRow(qPrintable(name)) << language << dark << zoom;
    };
    add(QStringLiteral("pseudo-translated, light"), QStringLiteral("pseudo"), false, 1.0);
    add(QStringLiteral("pseudo-translated, dark"), QStringLiteral("pseudo"), true, 1.0);
    add(QStringLiteral("English, zoomed out"), QStringLiteral("en"), false, 0.75);
    for (QString language : QDir(QStringLiteral(":/i18n")).entryList()) {
        language = language.section(u'_', 1).section(u'.', 0, 0);
        add(language, language, false, 1.0);
        add(language + QStringLiteral(", zoomed"), language, false, 1.25);
    }
}

void TestTranslations::walk()
{
    QFETCH(QString, language);
    QFETCH(bool, dark);
    QFETCH(double, zoom);
    m_pseudo = language == u"pseudo";
    const bool approved = language == u"approved";
    const bool transcribing = approved && !dark && zoom == 1.0;
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    QCOMPARE(runtime::darkScheme(), dark);
    runtime::setZoom(zoom);
    PseudoCatalogue catalogue(QStringLiteral(VELOMIRA_EXTRACTED_TS));
    if (m_pseudo)
        QCoreApplication::installTranslator(&catalogue);
    else if (!approved) // English has no catalogue
        QCOMPARE(runtime::installTranslations(QLocale(language)), language == u"en" ? QString() : language);
    m_boxes.clear();
    m_faults.clear();
    m_walk.emplace(m_boxes, m_folder, m_draws);
    m_walk->setRowZoom(zoom);
    QFile::remove(m_folder.filePath(QStringLiteral("session.pdf")));
    runtime::sessionRecord() = runtime::SessionRecord(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    const QString variant = QStringLiteral("%1-%2").arg(dark ? "dark" : "light").arg(int(zoom * 100));
    // A step that fails is named with its line, the screen and the last
    // state passed, and the walk goes on.
    QString state = QStringLiteral("the start");
    for (const auto &[line, step] : ScreenWalk::read(QStringLiteral(VELOMIRA_WALK))) {
        if (step.startsWith(u'@')) {
            if (approved)
                m_faults << (m_walk->form()
                                 ? differenceFromApproved(m_walk->form()->grab().toImage(),
                                                          QStringLiteral("screens/%1-%2").arg(step.sliced(1), variant))
                                 : QStringLiteral("walk.txt:%1: no screen shown at %2").arg(line).arg(step));
            state = step;
            continue;
        }
        const QString screen = m_walk->form() ? m_walk->form()->objectName() : QStringLiteral("no screen");
        if (const QString problem = m_walk->act(step); !problem.isEmpty())
            m_faults
                << QStringLiteral("walk.txt:%1: %2, on %3 after %4: %5").arg(line).arg(step, screen, state, problem);
        // Each step is written down or checked; a zoom set from outside waits
        // for the next screen, which the next step checks.
        if (transcribing)
            m_walk->transcribe(step);
        else if (!approved && m_walk->form() && !step.startsWith(u"zoom:"))
            check(m_walk->form()->objectName() + u' ' + step);
    }
    if (transcribing)
        m_faults << differenceFromApproved(m_walk->transcript.join(u'\n') + u'\n', QStringLiteral("walk/transcript"));
    m_faults << m_walk->faults;
    m_faults.removeAll(QString());
    if (!QTest::currentTestFailed()) {
        // The record saved on the way, in the desktop's language, under the
        // names and with the totals the screens showed; the student's name
        // is typed, not translated.
        QString text;
        m_record.check(*m_walk, m_boxes.takeOffered(), m_folder.path(), language, &text);
        markedOrFault(QStringLiteral("record"), text.remove(QStringLiteral("Ana <Lima>: 3/B")));
    }
    QCoreApplication::removeTranslator(&catalogue);
    m_faults.removeDuplicates();
    for (const QString &fault : std::as_const(m_faults))
        qWarning("%s", qPrintable(fault));
    QVERIFY2(m_faults.isEmpty(), "the faults are listed above");
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
