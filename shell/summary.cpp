// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary.h"

#include "runtime/recorddata.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <poppler-qt6.h>

#include <map>

using Module = runtime::SessionRecord::Module;
using Status = runtime::ReadRecord::Status;

namespace {

class Summary
{
    Q_DECLARE_TR_FUNCTIONS(Summary)
};

// A field as RFC 4180 has it: quoted when it holds a comma, a quote or a
// line break, a quote doubled inside.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// A text a spreadsheet would take for a formula is kept as text.
QString plainText(const QString &text)
{
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formulaStart.contains(text.front()) ? u'\'' + text : text;
}

void writeRow(QTextStream &out, const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    out << quoted.join(u',') << "\r\n";
}

// The record a file holds, or why there is none.
runtime::ReadRecord readRecord(const QString &path, QString &why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = Summary::tr("cannot be read: %1").arg(file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-")) {
        why = Summary::tr("is not a Velomira record (not a PDF file)");
        return {};
    }
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    // A record always has its page, and ends as every PDF file ends; a file
    // cut short loses that end, and sooner or later its page tree too.
    if (!document || document->isLocked() || document->numPages() < 1 || !bytes.trimmed().endsWith("%%EOF")) {
        why = Summary::tr("is damaged or incomplete: it cannot be read as a PDF file");
        return {};
    }
    // The data are ASCII but for the packet's byte-order mark, which Poppler
    // gives one byte to a character.
    const runtime::ReadRecord read = runtime::readRecordXmp(document->metadata().toLatin1());
    switch (read.status) {
    case Status::Read:
        break;
    case Status::NotARecord:
        why = Summary::tr("is not a Velomira record");
        break;
    case Status::NewerFormat:
        why = Summary::tr("is a record of a newer format (version %1) than this Velomira reads (version %2)")
                  .arg(read.formatVersion)
                  .arg(runtime::RecordFormatVersion);
        break;
    case Status::Damaged:
        why = Summary::tr("is damaged: its record data cannot be read");
        break;
    }
    return read;
}

} // namespace

int writeSummary(const QStringList &files, QTextStream &out, QTextStream &err)
{
    out.setEncoding(QStringConverter::Utf8);
    // Why a file cannot be read is said once, below, not in Poppler's words.
    Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, QVariant());
    writeRow(out,
             {Summary::tr("File"), Summary::tr("Student"), Summary::tr("Record made"),
              Summary::tr("Method of Initial Rates: problems completed"),
              Summary::tr("Method of Initial Rates: attempts"), Summary::tr("Graphical Method: problems completed"),
              Summary::tr("Graphical Method: attempts"), Summary::tr("Writing Rate Laws: reactions written correctly"),
              Summary::tr("Writing Rate Laws: attempts")});
    int status = 0;
    for (const QString &path : files) {
        QString why;
        const runtime::ReadRecord read = readRecord(path, why);
        if (read.status != Status::Read) {
            err << Summary::tr("velomira: %1 %2").arg(path, why) << '\n';
            status = 1;
            continue;
        }
        std::map<Module, std::pair<int, int>> totals;
        for (const runtime::SessionRecord::ModuleWork &work : read.facts.modules)
            totals[work.module] = {work.solvedSlots(), work.attempts()};
        QStringList row{plainText(path), plainText(read.facts.student),
                        read.facts.made.toString(QStringLiteral("yyyy-MM-dd HH:mm"))};
        for (const Module module : {Module::InitialRates, Module::Graphical, Module::RateLaws})
            row << QString::number(totals[module].first) << QString::number(totals[module].second);
        writeRow(out, row);
    }
    out.flush();
    err.flush();
    return status;
}
