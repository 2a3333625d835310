// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QMessageBox>
#include <QTest>

MessageBoxes::MessageBoxes()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxes::poll);
    m_timer.start(5);
}

void MessageBoxes::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *files = qobject_cast<QFileDialog *>(modal); files && files->isVisible()) {
        m_offered.append(files->selectedFiles().value(0));
        const QString path = m_paths.isEmpty() ? QString() : m_paths.takeFirst();
        if (path.isEmpty()) {
            files->reject();
        } else {
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        }
        return;
    }
    if (auto *print = qobject_cast<QPrintDialog *>(modal); print && print->isVisible()) {
        m_offered.append(QStringLiteral("print"));
        print->reject();
        return;
    }
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box || !box->isVisible())
        return;
    m_texts.append(box->text());
    if (box->windowTitle() != QLatin1String("velomira"))
        m_problems.append(QStringLiteral("title: ") + box->windowTitle());
    const auto buttons = box->buttons();
    if (buttons.size() != 1 || box->standardButton(buttons.first()) != QMessageBox::Ok)
        m_problems.append(QStringLiteral("buttons: %1").arg(buttons.size()));
    if (!buttons.isEmpty())
        QTest::mouseClick(buttons.first(), Qt::LeftButton);
}
