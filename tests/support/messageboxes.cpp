// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

MessageBoxes::MessageBoxes()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxes::poll);
    m_timer.start(5);
}

void MessageBoxes::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
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
