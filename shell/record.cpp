// SPDX-License-Identifier: GPL-3.0-or-later
#include "record.h"

#include "recorddocument.h"
#include "runtime/labelbutton.h"
#include "runtime/messagebox.h"
#include "runtime/page.h"
#include "runtime/sessionrecord.h"
#include "runtime/workreport.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

#include <pwd.h>
#include <unistd.h>

namespace {

class Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

// The account's full name, where the system keeps one.
QString accountFullName()
{
    const passwd *account = getpwuid(getuid());
    if (!account || !account->pw_gecos)
        return {};
    return QString::fromLocal8Bit(account->pw_gecos).section(u',', 0, 0).trimmed();
}

// Asks for the name the record carries; false when the student cancelled.
bool askStudentName(QWidget *parent)
{
    runtime::SessionRecord &record = runtime::sessionRecord();
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("studentname"));
    dialog.setWindowTitle(QStringLiteral("velomira"));
    dialog.setLabelText(Record::tr("Your name, as the record should carry it (it may stay empty):"));
    dialog.setTextValue(record.studentNamed() ? record.student() : accountFullName());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record.setStudent(dialog.textValue().simplified());
    return true;
}

// The first save or print of the session asks for the name once.
bool studentNamed(QWidget *parent)
{
    return runtime::sessionRecord().studentNamed() || askStudentName(parent);
}

// The file name offered: the name, where given, with what cannot stand in
// a file name replaced, and today's date.
QString defaultFileName(const QString &student)
{
    QString name;
    for (const QChar c : student)
        name += (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c)) ? u'_' : c;
    name = name.left(64).trimmed(); // a name of any length still makes a file name
    const QString date = QDate::currentDate().toString(Qt::ISODate);
    return name.isEmpty() ? QStringLiteral("velomira-record-%1.pdf").arg(date)
                          : QStringLiteral("velomira-record-%1-%2.pdf").arg(name, date);
}

// Saves the record where the student chooses; a place that cannot be
// written is said so, and the student may choose another. True once saved.
bool saveRecord(QWidget *parent)
{
    if (!studentNamed(parent))
        return false;
    runtime::SessionRecord &record = runtime::sessionRecord();
    // The Documents folder, or the home folder where there is none.
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!folder.exists())
        folder = QDir::home();
    QString path = folder.filePath(defaultFileName(record.student()));
    for (;;) {
        path =
            QFileDialog::getSaveFileName(parent, Record::tr("Save Record"), path, Record::tr("PDF documents (*.pdf)"));
        if (path.isEmpty())
            return false;
        const QByteArray pdf = recordPdf(recordFacts(record, QDateTime::currentDateTime()));
        // Written beside the chosen file and put in its place only when
        // whole, so a failure leaves an existing file as it was.
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit()) {
            record.kept();
            return true;
        }
        runtime::messageBox(parent, Record::tr("The record could not be saved as %1: %2\nPlease choose another place.")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void printRecord(QWidget *parent)
{
    if (!studentNamed(parent))
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(Record::tr("Print Record"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    runtime::SessionRecord &record = runtime::sessionRecord();
    recordDocument(recordFacts(record, QDateTime::currentDateTime()))->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        runtime::messageBox(parent, Record::tr("The record could not be printed."));
    else
        record.kept();
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
    auto *name = new QAction(Record::tr("&Name on Record…"), form);
    name->setObjectName(QStringLiteral("mnurecordname"));
    QObject::connect(name, &QAction::triggered, form, [form] { askStudentName(form); });
    form->addActions({save, print});

    if (auto *bar = form->findChild<QMenuBar *>()) {
        QMenu *menu = bar->addMenu(Record::tr("&Record"));
        menu->setObjectName(QStringLiteral("mnurecord"));
        menu->addActions({save, print, name});
        return;
    }
    const QPoint place = form->commandPlace();
    auto *button = new runtime::LabelButton(form, QStringLiteral("record"), Record::tr("Record…"), place.x(), place.y(),
                                            1455, 255);
    button->setAccessibleDescription(Record::tr("Save or print a record of this session"));
    // The menu is made when first asked for, so that it costs the start nothing.
    QObject::connect(button, &runtime::LabelButton::clicked, button, [button, save, print, name] {
        auto *menu = button->findChild<QMenu *>();
        if (!menu) {
            menu = new QMenu(button);
            menu->setObjectName(QStringLiteral("mnurecord"));
            menu->addActions({save, print, name});
        }
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
}

void recordWork(runtime::WorkReport *report, runtime::SessionRecord::Module module)
{
    using runtime::WorkReport;
    runtime::SessionRecord &record = runtime::sessionRecord();
    QObject::connect(report, &WorkReport::problemDrawn, report,
                     [&record, module](int slot, int level) { record.problemDrawn(module, slot, level); });
    QObject::connect(report, &WorkReport::attemptGraded, report, [&record, module] { record.attempted(module); });
    QObject::connect(report, &WorkReport::tutoringBegun, report, [&record, module] { record.tutored(module); });
    QObject::connect(report, &WorkReport::problemCompleted, report,
                     [&record, module](const QStringList &answer) { record.completed(module, answer); });
    QObject::connect(
        report, &WorkReport::rateLawJudged, report,
        [&record](int reaction, bool right, const QString &answer) { record.reactionJudged(reaction, right, answer); });
}

bool mayEndSession(QWidget *parent)
{
    runtime::SessionRecord &record = runtime::sessionRecord();
    if (!record.hasUnkeptWork())
        return true;
    QStringList work;
    for (const runtime::SessionRecord::ModuleWork &module : record.modules())
        work << moduleTitle(module.module) + QStringLiteral(": ") + moduleTotals(module);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("velomira"),
                    Record::tr("Some of this session's work is in no saved or printed record, and it is lost "
                               "if the program ends now. The session so far:\n\n%1\n\nSave the record first?")
                        .arg(work.join(u'\n')),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("keeprecord"));
    box.button(QMessageBox::Save)->setText(Record::tr("&Save…"));
    box.button(QMessageBox::Discard)->setText(Record::tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(Record::tr("Cancel"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveRecord(parent);
    case QMessageBox::Discard:
        record.kept(); // let go: nothing more to ask about
        return true;
    default:
        return false;
    }
}
