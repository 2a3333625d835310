// SPDX-License-Identifier: GPL-3.0-or-later
#include "savedrecord.h"

#include "golden.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace testing {

SavedRecord::SavedRecord()
    : m_pdftotext(QStandardPaths::findExecutable(QStringLiteral("pdftotext")))
    , m_pdffonts(QStandardPaths::findExecutable(QStringLiteral("pdffonts")))
    , m_pdfinfo(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")))
{}

void SavedRecord::check(const ScreenWalk &walk, QStringList offered, const QDir &folder, const QString &language,
                        QString *text) const
{
    const bool approved = language == u"approved";
    const bool pseudo = language == u"pseudo";
    // Cancelling and the place that cannot be written left no file, the
    // failure was said, and each dialog offered today's record in the
    // Documents folder, or after the failure the place chosen; once the
    // student's name was given, with the name in it, made fit for a file name.
    const QString session = folder.filePath(QStringLiteral("session.pdf"));
    QCOMPARE(folder.entryList(QDir::Files), (QStringList{"printed.pdf", "session.pdf"}));
    QCOMPARE(walk.recordMessages.size(), 1);
    const QString unwritable = folder.filePath(QStringLiteral("missing/velomira-record.pdf"));
    QVERIFY(walk.recordMessages.first().contains(unwritable));
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString date = QDate::currentDate().toString(Qt::ISODate);
    const QString today = documents.filePath(QStringLiteral("velomira-record-%1.pdf").arg(date));
    const QString named = documents.filePath(QStringLiteral("velomira-record-Ana _Lima__ 3_B-%1.pdf").arg(date));
    QCOMPARE(offered.size(), 7);
    QCOMPARE(QFileInfo(offered.takeAt(3)).fileName(), QStringLiteral("velomira-record.pdf"));
    QCOMPARE(offered, (QStringList{today, today, today, QStringLiteral("print"), named, QStringLiteral("print")}));
    // The text is real text with its fonts inside the file.
    QProcess reader;
    reader.start(m_pdftotext, {QStringLiteral("-layout"), session, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished() && reader.exitCode() == 0);
    *text = QString::fromUtf8(reader.readAllStandardOutput());
    reader.start(m_pdffonts, {session});
    QVERIFY(reader.waitForFinished() && reader.exitCode() == 0);
    for (const QByteArray &line : reader.readAllStandardOutput().split('\n').mid(2))
        QVERIFY2(line.isEmpty() || line.contains(" yes "), line.constData());
    // The class summary of the record, in the desktop's language, holds the
    // student and the totals each tutor showed.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), approved || pseudo ? QStringLiteral("en") : language);
    reader.setProcessEnvironment(environment);
    reader.start(QStringLiteral(VELOMIRA_BINARY), {QStringLiteral("--summary"), session});
    QVERIFY(reader.waitForFinished() && reader.exitCode() == 0);
    const QStringList rows = QString::fromUtf8(reader.readAllStandardOutput()).split(QStringLiteral("\r\n"));
    QCOMPARE(rows.size(), 3);
    if (!pseudo)
        QCOMPARE(rows.first().section(u',', 1, 1), QCoreApplication::translate("Summary", "Student"));
    QStringList fields = rows.at(1).split(u',');
    QCOMPARE(fields.size(), 9);
    QCOMPARE(fields.mid(0, 2), (QStringList{session, QStringLiteral("Ana <Lima>: 3/B")}));
    for (const auto &[tutor, totals] : walk.totals) {
        const int at = tutor == u"ratetutor" ? 3 : 5;
        QCOMPARE(fields.mid(at, 2), (QStringList{QString::number(totals.first), QString::number(totals.second)}));
    }
    if (!approved)
        return;
    for (const QString &totals :
         {QStringLiteral("Problems completed: %1 of 6. Attempts: %2.").arg(fields.at(3), fields.at(4)),
          QStringLiteral("Problems completed: %1 of 6. Attempts: %2.").arg(fields.at(5), fields.at(6)),
          QStringLiteral("Reactions written correctly: %1 of 3. Attempts: %2.").arg(fields.at(7), fields.at(8))})
        QVERIFY2(text->contains(totals), qPrintable(totals + QStringLiteral(" not in the record:\n") + *text));
    static const QRegularExpression made(QStringLiteral("Record made: [-0-9]+ [0-9:]+"));
    VELOMIRA_COMPARE_GOLDEN(QString(*text).replace(made, QStringLiteral("Record made: (now)")),
                            QStringLiteral("record/session"));
    // And the same record as data, as a program reads it.
    reader.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    reader.start(m_pdfinfo, {QStringLiteral("-meta"), session});
    QVERIFY(reader.waitForFinished() && reader.exitCode() == 0);
    QString data = QString::fromUtf8(reader.readAllStandardOutput());
    data.replace(QRegularExpression(QStringLiteral("(CreateDate|recordMade)>[^<\n]+<")), QStringLiteral("\\1>(now)<"));
    data.replace(QRegularExpression(QStringLiteral("(T\\d\\d:\\d\\d:\\d\\d)(Z|[-+]\\d\\d:\\d\\d)<")),
                 QStringLiteral("\\1(the desktop's offset)<"));
    VELOMIRA_COMPARE_GOLDEN(data, QStringLiteral("record/session-data"));
}

} // namespace testing
