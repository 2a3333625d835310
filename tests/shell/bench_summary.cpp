// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's summary of a class's records, a thousand of them at once, as
// `velomira --summary` reads them: milliseconds a record.
//
//   bench_summary [records]      (1000 unless told)
#include "shell/recorddocument.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    using Module = runtime::SessionRecord::Module;
    // A full session: every slot of both tutors worked, every reaction.
    runtime::SessionRecord record;
    for (int slot = 0; slot < 6; ++slot) {
        record.problemDrawn(Module::InitialRates, slot, 1 + slot % 3);
        record.attempted(Module::InitialRates);
        record.completed(Module::InitialRates, {QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3.47")});
        record.problemDrawn(Module::Graphical, slot);
        record.attempted(Module::Graphical);
        record.completed(Module::Graphical, {QStringLiteral("1"), QStringLiteral(".58")});
    }
    for (int reaction = 0; reaction < 3; ++reaction)
        record.reactionJudged(reaction, true, QStringLiteral("Rate=k[NO]^2^[H_2_]"));
    QTemporaryDir folder;
    QStringList files{QStringLiteral("--summary")};
    for (int i = 0; i < count; ++i) {
        record.setStudent(QStringLiteral("Student %1").arg(i + 1));
        const QByteArray pdf = recordPdf(recordFacts(record, QDateTime::currentDateTime()));
        QFile file(folder.filePath(QStringLiteral("record-%1.pdf").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
            return 1;
        files << file.fileName();
    }
    QProcess summary;
    QElapsedTimer timer;
    timer.start();
    summary.start(QStringLiteral(VELOMIRA_BINARY), files);
    if (!summary.waitForFinished(-1) || summary.exitCode() != 0)
        return 1;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const qsizetype rows = summary.readAllStandardOutput().count('\n') - 1;
    std::printf("summary of %d records (%lld rows): %.0f ms, %.2f ms a record\n", count, qlonglong(rows), ms,
                ms / count);
    return rows == count ? 0 : 1;
}
