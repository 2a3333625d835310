// SPDX-License-Identifier: GPL-3.0-or-later
// Tab reaches every control of every screen, the command line answers
// without a display, and closing the start screen ends the program. The tutoring screens are walked by keyboard in
// their own tests.
#include "messageboxes.h"
#include "runtime/labelbutton.h"
#include "runtime/navigation.h"
#include "runtime/sessionrecord.h"
#include "screens.h"
#include "shell/recorddocument.h"
#include "shell/screens.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace testing;

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // As the program starts: its session begins with the start screen.
        m_started = QDateTime::currentDateTime();
        showStartScreen();
        m_shown = QDateTime::currentDateTime();
        writeRecords();
    }
    void cleanup() { unloadAll(); }
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
    void commandLineAnswersWithoutADisplay_data();
    void commandLineAnswersWithoutADisplay();
    // The record's session began when the program started, not with the
    // first problem drawn.
    void theSessionBeginsWithTheProgram()
    {
        QTest::qWait(20);
        runtime::showForm(QStringLiteral("ratetutor"));
        QVERIFY(runtime::sessionRecord().started() >= m_started && runtime::sessionRecord().started() <= m_shown);
    }
    void closingTheStartScreenEndsTheProgram()
    {
        // The event loop must end by itself; should it not, the guard ends
        // it with a failure code.
        runtime::Form *form = runtime::showForm(QStringLiteral("ratestart"));
        QTimer::singleShot(0, form, [form] { form->close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(3); });
        QCOMPARE(QCoreApplication::exec(), 0);
        settle();
        QVERIFY(runtime::loadedForms().isEmpty());
    }

private:
    // Records and files that are none, for the class summary to read.
    void writeRecords();
    QTemporaryDir m_records;
    QDateTime m_started;
    QDateTime m_shown; // the start screen up
};

void TestKeyboard::writeRecords()
{
    using Module = runtime::SessionRecord::Module;
    runtime::SessionRecord record(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    record.setStudent(QStringLiteral("Zoë \"Q\", Lima 🧪"));
    record.problemDrawn(Module::Graphical, 2);
    record.attempted(Module::Graphical);
    record.attempted(Module::Graphical);
    record.completed(Module::Graphical, {QStringLiteral("1"), QStringLiteral(".58")});
    record.problemDrawn(Module::InitialRates, 0, 3);
    record.attempted(Module::InitialRates);
    record.reactionJudged(1, true, QStringLiteral("Rate=k[NO]"));
    // Half a character, which XML cannot hold.
    record.reactionJudged(1, false, QStringLiteral("Rate=k") + QChar(0xd800));
    record.reactionJudged(2, true, QStringLiteral("Rate=k[N_2_O_5_]"));
    const runtime::RecordFacts facts = recordFacts(record, QDateTime(QDate(2026, 12, 7), QTime(10, 30)));
    // Its data, read back, are written again as they were: every line of
    // every module, as the summary never shows them.
    const runtime::ReadRecord back = runtime::readRecordXmp(runtime::recordXmp(facts));
    QCOMPARE(back.status, runtime::ReadRecord::Status::Read);
    QCOMPARE(runtime::recordXmp(back.facts), runtime::recordXmp(facts));
    const QByteArray pdf = recordPdf(facts);
    QByteArray empty = recordPdf(recordFacts(runtime::SessionRecord(), QDateTime(QDate(2026, 12, 8), QTime(8, 0))));
    const auto changed = [](QByteArray bytes, const char *from, const char *to) { return bytes.replace(from, to); };
    const std::pair<const char *, QByteArray> files[] = {
        {"record.pdf", pdf},
        {"=empty.pdf", empty},
        {"newer.pdf", changed(pdf, "formatVersion>1<", "formatVersion>2<")},
        {"damaged.pdf", changed(pdf, "<velomira:attempts>2<", "<velomira:attempts>x<")},
        {"cut.pdf", pdf.first(pdf.size() - 6)},
        {"halved.pdf", pdf.first(pdf.size() / 2)},
        {"notes.txt", "Rate = k[A]\n"},
    };
    for (const auto &[name, bytes] : files) {
        QFile file(m_records.filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // A record of nothing says so, and leaves a line for the name.
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {m_records.filePath(QStringLiteral("=empty.pdf")), QStringLiteral("-")});
    const QString said = text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    QVERIFY2(said.contains("Student: ____") && said.contains("Nothing has been attempted"), qPrintable(said));
    QPdfWriter other(m_records.filePath(QStringLiteral("other.pdf")));
    QPainter(&other).drawText(100, 100, QStringLiteral("Rate = k[A]"));
    QDir(m_records.path()).mkdir(QStringLiteral("folder"));
}

void TestKeyboard::tabReachesEveryControl_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    // clang-format off
    QTest::newRow("ratestart") << "ratestart" << "Velomira";
    QTest::newRow("ratetutor") << "ratetutor" << "Method of Initial Rates";
    QTest::newRow("ratetutor2") << "ratetutor2" << "Graphical Method";
    QTest::newRow("writingratelaws") << "writingratelaws" << "Writing Rate Laws";
    QTest::newRow("approachform") << "approachform" << "Method of Initial Rates";
    QTest::newRow("approachform2") << "approachform2" << "Graphical Method";
    // clang-format on
}

void TestKeyboard::tabReachesEveryControl()
{
    QFETCH(QString, screen);
    QFETCH(QString, title);
    MessageBoxes boxes;
    QPointer<runtime::Form> form = runtime::showForm(screen);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    settle();
    QCOMPARE(QAccessible::queryAccessibleInterface(form)->text(QAccessible::Name), title);
    // Tab reaches every operable control; an option group is one stop and
    // the arrow keys move within it.
    auto stopOf = [](QWidget *w) -> QObject * {
        auto *option = qobject_cast<QAbstractButton *>(w);
        if (option && option->group())
            return option->group();
        return option && option->autoExclusive() ? option->parentWidget() : w;
    };
    QSet<QObject *> expected, reached;
    for (QWidget *w : form->findChildren<QWidget *>())
        if (w->isVisibleTo(form) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            expected.insert(stopOf(w));
    for (int i = 0; i < expected.size() * 2 + 2; ++i) {
        QTest::keyClick(form, Qt::Key_Tab);
        if (QWidget *focus = QApplication::focusWidget(); focus && form->isAncestorOf(focus))
            reached.insert(stopOf(focus));
    }
    for (QObject *stop : expected)
        QVERIFY2(reached.contains(stop), qPrintable(stop->objectName()));
    // The record is offered everywhere: Ctrl+S and Ctrl+P, and a menu of
    // both and the name on it in the menu bar or behind a button, which a
    // screen reader's press action opens.
    auto *save = form->findChild<QAction *>(QStringLiteral("mnusaverecord"));
    auto *print = form->findChild<QAction *>(QStringLiteral("mnuprintrecord"));
    QVERIFY(save && print && form->actions().contains(save) && form->actions().contains(print));
    QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
    if (auto *button = form->findChild<runtime::LabelButton *>(QStringLiteral("record")))
        QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    auto *menu = form->findChild<QMenu *>(QStringLiteral("mnurecord"));
    QVERIFY(menu);
    QCOMPARE(menu->actions(),
             (QList<QAction *>{save, print, form->findChild<QAction *>(QStringLiteral("mnurecordname"))}));
    QCOMPARE(menu->isVisible(), screen != u"ratetutor");
    menu->close();
}

void TestKeyboard::commandLineAnswersWithoutADisplay_data()
{
    // A status of -1: the program starts, on the offscreen platform, and
    // keeps running until it is stopped.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    // clang-format off
    QTest::newRow("help") << QStringList{"--help"} << "en" << 0 << "Usage: velomira [options]" << "";
    QTest::newRow("help on a German desktop") << QStringList{"--help"} << "de" << 0 << "Aufruf: velomira [Optionen]" << "";
    QTest::newRow("short help") << QStringList{"-h"} << "en" << 0 << "--version" << "";
    QTest::newRow("version") << QStringList{"--version"} << "en" << 0 << "velomira 0.2.0" << "";
    QTest::newRow("short version") << QStringList{"-v"} << "en" << 0 << "velomira 0.2.0" << "";
    // The first language with a catalogue, unless English comes first.
    QTest::newRow("help, English before German") << QStringList{"--help"} << "en:de" << 0 << "Usage: velomira" << "";
    QTest::newRow("help, Italian before German") << QStringList{"--help"} << "it:de" << 0 << "Aufruf: velomira" << "";
    QTest::newRow("an unknown option not in ASCII") << QStringList{"--größe"} << "en" << 1 << "" << "unknown option '--größe'";
    QTest::newRow("Qt's option before help") << QStringList{"-style", "fusion", "--help"} << "en" << 0 << "Usage:" << "";
    QTest::newRow("-style fusion starts") << QStringList{"-style", "fusion"} << "en" << -1 << "" << "";
    QTest::newRow("-style=fusion starts") << QStringList{"-style=fusion"} << "en" << -1 << "" << "";
    QTest::newRow("--style=fusion starts") << QStringList{"--style=fusion"} << "en" << -1 << "" << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "en" << 1 << "" << "Usage: velomira [options]";
    QTest::newRow("stray argument") << QStringList{"file.txt"} << "en" << 1 << "" << "unknown option 'file.txt'";
    // The class summary: a CSV row a record, its header in the desktop's
    // language; the files it cannot read are named and said why, the others
    // summarized all the same.
    const QString header = "File,Student,Record made,Method of Initial Rates: problems completed,Method of Initial Rates: "
                           "attempts,Graphical Method: problems completed,Graphical Method: attempts,Writing Rate Laws: "
                           "reactions written correctly,Writing Rate Laws: attempts\r\n";
    const QString row = "record.pdf,\"Zoë \"\"Q\"\", Lima 🧪\",2026-12-07 10:30,0,1,1,2,1,3\r\n";
    QTest::newRow("summary") << QStringList{"--summary", "record.pdf"} << "en" << 0 << header + row << "";
    QTest::newRow("summary of an empty record, named like a formula")
        << QStringList{"--summary", "=empty.pdf"} << "en" << 0 << "'=empty.pdf,,2026-12-08 08:00,0,0,0,0,0,0\r\n" << "";
    QTest::newRow("summary on a German desktop") << QStringList{"--summary", "record.pdf"} << "de" << 0
                                                 << "Datei,Name,Erstellt am," << "";
    QTest::newRow("summary of no files") << QStringList{"--summary"} << "en" << 1 << "" << "needs the record files";
    // clang-format on
    for (const auto &[file, why] : std::initializer_list<std::pair<QString, QString>>{
             {"notes.txt", "is not a Velomira record (not a PDF file)"},
             {"other.pdf", "is not a Velomira record"},
             {"newer.pdf", "is a record of a newer format (version 2) than this Velomira reads (version 1)"},
             {"damaged.pdf", "is damaged: its record data cannot be read"},
             {"cut.pdf", "is damaged or incomplete"},
             {"halved.pdf", "is damaged or incomplete"},
             {"folder", "cannot be read"},
             {"missing.pdf", "cannot be read"},
             {"Zoë.pdf", "cannot be read"}})
        QTest::newRow(qPrintable("summary of " + file))
            << QStringList{"--summary", file, "record.pdf"} << "en" << 1 << row << "velomira: " + file + ' ' + why;
}

void TestKeyboard::commandLineAnswersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANGUAGE"), language);
    if (status < 0)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(m_records.path());
    // The summary only reads the files.
    const auto state = [](const QFileInfo &info) {
        QFile file(info.filePath());
        return file.open(QIODevice::ReadOnly)
                   ? info.lastModified().toString(Qt::ISODateWithMs).toUtf8() + file.readAll()
                   : QByteArray();
    };
    std::map<QString, QByteArray> before;
    for (const QFileInfo &file : QDir(m_records.path()).entryInfoList(QDir::Files))
        before[file.fileName()] = state(file);
    program.start(QStringLiteral(VELOMIRA_BINARY), arguments);
    if (status < 0) {
        QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
        return;
    }
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTEST(program.exitCode(), "status");
    const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString complained = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.contains(out), qPrintable(printed));
    QVERIFY2(err.isEmpty() ? complained.isEmpty() : complained.contains(err), qPrintable(complained));
    for (const QFileInfo &file : QDir(m_records.path()).entryInfoList(QDir::Files))
        QCOMPARE(state(file), before[file.fileName()]);
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
