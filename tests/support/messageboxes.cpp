// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTest>

MessageBoxes::MessageBoxes()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxes::poll);
    m_timer.start(5);
}

void MessageBoxes::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    auto *files = qobject_cast<QFileDialog *>(modal);
    auto *print = qobject_cast<QPrintDialog *>(modal);
    if ((files || print) && modal->isVisible()) {
        // The next path chosen, typed into the dialog's name box; with no
        // printer, the print dialog prints to a file, named in its box.
        m_offered.append(files ? files->selectedFiles().value(0) : QStringLiteral("print"));
        auto *name = modal->findChild<QLineEdit *>(files ? QStringLiteral("fileNameEdit") : QStringLiteral("filename"));
        const QString path = m_paths.isEmpty() ? QString() : m_paths.takeFirst();
        if (path.isEmpty() || (print && !name))
            return qobject_cast<QDialog *>(modal)->reject();
        // Once its name box has the keys, the file dialog keeps the name it
        // offered through selectFile, so the choice is typed in whole.
        if (files)
            files->selectFile(path);
        if (name)
            name->setText(path);
        QMetaObject::invokeMethod(modal, "accept");
        return;
    }
    if (auto *input = qobject_cast<QInputDialog *>(modal); input && input->isVisible()) {
        // The keys go to the name box once the dialog is active, which
        // takes a moment.
        auto *edit = input->findChild<QLineEdit *>();
        if (edit && !edit->hasFocus() && ++m_waited < 200)
            return;
        m_waited = 0;
        m_texts.append(input->labelText());
        if (input->windowTitle() != QLatin1String("velomira") || !edit || !edit->hasFocus()) {
            m_problems.append(QStringLiteral("a name dialog without the keys or titled ") + input->windowTitle());
            return input->reject();
        }
        // Typed as a student types it, then Enter; with no name to give, Escape.
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, m_names.isEmpty() ? QString() : m_names.first());
        QTest::keyClick(edit, m_names.isEmpty() ? Qt::Key_Escape : (m_names.removeFirst(), Qt::Key_Return));
        return;
    }
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box || !box->isVisible())
        return;
    const auto buttons = box->buttons();
    QStringList captions;
    for (const QAbstractButton *button : buttons)
        captions << button->text();
    m_texts.append(buttons.size() > 1 ? box->text() + QStringLiteral(" [%1]").arg(captions.join(QStringLiteral(" | ")))
                                      : box->text());
    if (box->windowTitle() != QLatin1String("velomira"))
        m_problems.append(QStringLiteral("title: ") + box->windowTitle());
    const bool question = box->standardButtons() == (QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (question && !m_answers.isEmpty()) {
        const QString answer = m_answers.takeFirst();
        if (answer == u"Discard")
            QTest::mouseClick(box->button(QMessageBox::Discard), Qt::LeftButton);
        else
            QTest::keyClick(box, QKeySequence::fromString(answer)[0].key());
        return;
    }
    if (question || buttons.size() != 1 || box->standardButton(buttons.first()) != QMessageBox::Ok)
        m_problems.append(QStringLiteral("buttons: %1 (%2)").arg(buttons.size()).arg(captions.join(u',')));
    if (!buttons.isEmpty())
        QTest::mouseClick(question ? box->button(QMessageBox::Cancel) : buttons.first(), Qt::LeftButton);
}
