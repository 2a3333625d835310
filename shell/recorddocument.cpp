// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorddocument.h"

#include "ratelaws/ratelawproblem.h"
#include "runtime/translations.h"
#include "runtime/tutoring.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QTextDocument>

using Module = runtime::SessionRecord::Module;

namespace {

class Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

QString cell(const QString &text, const char *tag = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString yesNo(bool yes)
{
    return yes ? Record::tr("Yes") : Record::tr("No");
}

// The level as the Difficulty menu names it.
QString levelName(int level)
{
    switch (level) {
    case 1:
        return QCoreApplication::translate("RateTutor", "Relatively Easy");
    case 2:
        return QCoreApplication::translate("RateTutor", "Moderately Difficult");
    case 3:
        return QCoreApplication::translate("RateTutor", "Difficult");
    }
    return {};
}

// The answer as the screen's boxes held it.
QString answerText(Module module, const QStringList &answer)
{
    if (answer.isEmpty())
        return {};
    if (module == Module::InitialRates)
        return QCoreApplication::translate("RateTutor",
                                           "order with respect to A: %1; order with respect to B: %2; k: %3")
            .arg(answer.value(0), answer.value(1), answer.value(2));
    return QCoreApplication::translate("RateTutor2", "order with respect to A: %1; k: %2")
        .arg(answer.value(0), answer.value(1));
}

QString moduleTable(const runtime::SessionRecord::ModuleWork &work)
{
    const bool reactions = work.module == Module::RateLaws;
    const bool levels = work.module == Module::InitialRates;
    QStringList header;
    if (reactions)
        header << Record::tr("Reaction") << Record::tr("Attempts") << Record::tr("Last verdict");
    else
        header << Record::tr("Problem") << (levels ? Record::tr("Level") : QString()) << Record::tr("Completed")
               << Record::tr("Attempts") << Record::tr("Guided tutoring") << Record::tr("Answer submitted");
    header.removeAll(QString());
    QString html =
        QStringLiteral("<h3>%1</h3><table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr>")
            .arg(moduleTitle(work.module).toHtmlEscaped());
    for (const QString &title : std::as_const(header))
        html += cell(title, "th");
    html += QStringLiteral("</tr>");
    for (const runtime::SessionRecord::Problem &p : work.problems) {
        html += QStringLiteral("<tr>");
        if (reactions) {
            html += cell(ratelaws::rateLawProblem(p.slot).caption) + cell(QString::number(p.attempts))
                    + cell(p.completed ? Record::tr("Correct") : Record::tr("Incorrect"));
        } else {
            html += cell(Record::tr("Problem %1").arg(p.slot + 1)) + (levels ? cell(levelName(p.level)) : QString())
                    + cell(yesNo(p.completed)) + cell(QString::number(p.attempts)) + cell(yesNo(p.tutored))
                    + cell(p.completed ? answerText(work.module, p.answer) : QString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table><p style=\"margin-top: 6px\">%1</p>").arg(moduleTotals(work).toHtmlEscaped());
}

QString recordHtml(const runtime::RecordFacts &facts)
{
    const auto when = [](const QDateTime &time) { return time.toString(QStringLiteral("yyyy-MM-dd HH:mm")); };
    // A name left empty is a line to write it on by hand.
    const QString student = facts.student.isEmpty() ? QStringLiteral("_______________________________") : facts.student;
    QString html = QStringLiteral("<h2>%1</h2><p>%2<br>%3<br>%4<br>%5</p>")
                       .arg(Record::tr("Velomira session record").toHtmlEscaped(),
                            Record::tr("Student: %1").arg(student).toHtmlEscaped(),
                            Record::tr("Velomira %1").arg(facts.programVersion).toHtmlEscaped(),
                            Record::tr("Session started: %1").arg(when(facts.started)).toHtmlEscaped(),
                            Record::tr("Record made: %1").arg(when(facts.made)).toHtmlEscaped());
    if (facts.modules.empty())
        html += QStringLiteral("<p>%1</p>")
                    .arg(Record::tr("Nothing has been attempted in this session yet.").toHtmlEscaped());
    for (const runtime::SessionRecord::ModuleWork &work : facts.modules)
        html += moduleTable(work);
    return html;
}

} // namespace

QString moduleTitle(Module module)
{
    switch (module) {
    case Module::InitialRates:
        return QCoreApplication::translate("RateStart", "Determining Rate Laws by the Method of Initial Rates");
    case Module::Graphical:
        return QCoreApplication::translate("RateStart", "Determining Rate Laws by the Graphical Method");
    case Module::RateLaws:
        break;
    }
    return QCoreApplication::translate("RateStart", "Writing Rate Laws");
}

QString moduleTotals(const runtime::SessionRecord::ModuleWork &work)
{
    const QString totals =
        work.module == Module::RateLaws
            ? Record::tr("Reactions written correctly: %1 of %2. Attempts: %3.")
                  .arg(work.solvedSlots())
                  .arg(ratelaws::ProblemCount)
            : Record::tr("Problems completed: %1 of %2. Attempts: %3.").arg(work.solvedSlots()).arg(runtime::SlotCount);
    return totals.arg(work.attempts());
}

runtime::RecordFacts recordFacts(const runtime::SessionRecord &record, const QDateTime &made)
{
    const QString language = runtime::installedLanguage();
    return {record.student(),
            QStringLiteral(VELOMIRA_VERSION),
            language.isEmpty() ? QStringLiteral("en") : language,
            record.started(),
            made,
            record.modules()};
}

std::unique_ptr<QTextDocument> recordDocument(const runtime::RecordFacts &facts)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font = QApplication::font();
    font.setPointSize(10);
    document->setDefaultFont(font);
    document->setHtml(recordHtml(facts));
    return document;
}

QByteArray recordPdf(const runtime::RecordFacts &facts)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
        writer.setTitle(Record::tr("Velomira session record"));
        writer.setCreator(QStringLiteral("Velomira " VELOMIRA_VERSION));
        writer.setDocumentXmpMetadata(runtime::recordXmp(facts));
        recordDocument(facts)->print(&writer);
    }
    return bytes;
}
