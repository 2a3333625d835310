// SPDX-License-Identifier: GPL-3.0-or-later
#include "record.h"

#include "ratelaws/ratelawproblem.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/sessionrecord.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

using Module = runtime::SessionRecord::Module;

namespace {

class Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

// Each tutor offers six problems.
constexpr int TutorSlots = 6;

// The record of the session as a document, in the program's language: the
// program, when the session began and when the record was made, then each
// module worked in with its problems and totals.
QString recordHtml(const runtime::SessionRecord &record, const QDateTime &made);
// The same as a PDF file, on the paper the locale uses.
QByteArray recordPdf(const runtime::SessionRecord &record, const QDateTime &made);

QString cell(const QString &text, const char *tag = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString yesNo(bool yes)
{
    return yes ? Record::tr("Yes") : Record::tr("No");
}

QString moduleTitle(Module module)
{
    // The names the start screen gives the modules.
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
    QString html = QStringLiteral("<h3>%1</h3><table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr>")
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
            html += cell(Record::tr("Problem %1").arg(p.slot + 1)) + (levels ? cell(p.level) : QString())
                  + cell(yesNo(p.completed)) + cell(QString::number(p.attempts)) + cell(yesNo(p.tutored))
                  + cell(p.answer);
        }
        html += QStringLiteral("</tr>");
    }
    const QString totals = reactions
        ? Record::tr("Reactions written correctly: %1 of %2. Attempts: %3.").arg(work.solvedSlots()).arg(ratelaws::ProblemCount)
        : Record::tr("Problems completed: %1 of %2. Attempts: %3.").arg(work.solvedSlots()).arg(TutorSlots);
    return html + QStringLiteral("</table><p style=\"margin-top: 6px\">%1</p>").arg(totals.arg(work.attempts()).toHtmlEscaped());
}

std::unique_ptr<QTextDocument> recordDocument(const runtime::SessionRecord &record, const QDateTime &made)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font = QApplication::font();
    font.setPointSize(10);
    document->setDefaultFont(font);
    document->setHtml(recordHtml(record, made));
    return document;
}

// Saves the record where the student chooses; a place that cannot be
// written is said so, and the student may choose another.
void saveRecord(QWidget *parent)
{
    // The Documents folder, or the home folder where there is none.
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!folder.exists())
        folder = QDir::home();
    QString path = folder.filePath(QStringLiteral("velomira-record-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
    for (;;) {
        path = QFileDialog::getSaveFileName(parent, Record::tr("Save Record"), path, Record::tr("PDF documents (*.pdf)"));
        if (path.isEmpty())
            return;
        const QByteArray pdf = recordPdf(runtime::sessionRecord(), QDateTime::currentDateTime());
        // Written beside the chosen file and put in its place only when
        // whole, so a failure leaves an existing file as it was.
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit())
            return;
        runtime::messageBox(parent, Record::tr("The record could not be saved as %1: %2\nPlease choose another place.")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void printRecord(QWidget *parent)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(Record::tr("Print Record"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    recordDocument(runtime::sessionRecord(), QDateTime::currentDateTime())->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        runtime::messageBox(parent, Record::tr("The record could not be printed."));
}

QString recordHtml(const runtime::SessionRecord &record, const QDateTime &made)
{
    const auto when = [](const QDateTime &time) { return time.toString(QStringLiteral("yyyy-MM-dd HH:mm")); };
    QString html = QStringLiteral("<h2>%1</h2><p>%2<br>%3<br>%4</p>")
                       .arg(Record::tr("Velomira session record").toHtmlEscaped(),
                            Record::tr("Velomira %1").arg(QStringLiteral(VELOMIRA_VERSION)).toHtmlEscaped(),
                            Record::tr("Session started: %1").arg(when(record.started())).toHtmlEscaped(),
                            Record::tr("Record made: %1").arg(when(made)).toHtmlEscaped());
    const std::vector<runtime::SessionRecord::ModuleWork> modules = record.modules();
    if (modules.empty())
        html += QStringLiteral("<p>%1</p>").arg(Record::tr("Nothing has been attempted in this session yet.").toHtmlEscaped());
    for (const runtime::SessionRecord::ModuleWork &work : modules)
        html += moduleTable(work);
    return html;
}

QByteArray recordPdf(const runtime::SessionRecord &record, const QDateTime &made)
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
        recordDocument(record, made)->print(&writer);
    }
    return bytes;
}

} // namespace

void addRecordCommands(runtime::Form *form)
{
    auto *save = new QAction(Record::tr("&Save Record…"), form);
    save->setObjectName(QStringLiteral("mnusaverecord"));
    save->setShortcut(QKeySequence::Save);
    QObject::connect(save, &QAction::triggered, form, [form] { saveRecord(form); });
    auto *print = new QAction(Record::tr("&Print Record…"), form);
    print->setObjectName(QStringLiteral("mnuprintrecord"));
    print->setShortcut(QKeySequence::Print);
    QObject::connect(print, &QAction::triggered, form, [form] { printRecord(form); });
    form->addActions({save, print});

    if (auto *bar = form->findChild<QMenuBar *>()) {
        QMenu *menu = bar->addMenu(Record::tr("&Record"));
        menu->setObjectName(QStringLiteral("mnurecord"));
        menu->addActions({save, print});
        return;
    }
    // A free place at the top of each screen, beside its own buttons.
    const int left = form->objectName() == u"ratestart"         ? 7995
                   : form->objectName() == u"writingratelaws" ? 7935
                                                                : 6480;
    auto *button = new runtime::LabelButton(form, QStringLiteral("record"), Record::tr("Record…"), left, 0, 1455, 255);
    button->setAccessibleDescription(Record::tr("Save or print a record of this session"));
    // The menu is made when first asked for, so that it costs the start nothing.
    QObject::connect(button, &runtime::LabelButton::clicked, button, [button, save, print] {
        auto *menu = button->findChild<QMenu *>();
        if (!menu) {
            menu = new QMenu(button);
            menu->setObjectName(QStringLiteral("mnurecord"));
            menu->addActions({save, print});
        }
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
}
