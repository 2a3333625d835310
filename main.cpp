// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/forms.h"
#include "runtime/translations.h"
#include "shell/screens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    runtime::initialiseApplication();
    runtime::installTranslations();
    registerScreens();
    runtime::showForm(QStringLiteral("ratestart"));
    return app.exec();
}
