// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagebox.h"

#include <QMessageBox>

namespace runtime {

void messageBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("velomira"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace runtime
