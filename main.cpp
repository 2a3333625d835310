// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/commandline.h"
#include "shell/screens.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Before the application object, which needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const std::optional<int> status = handleCommandLine(arguments, out, err))
        return *status;

    QApplication app(argc, argv);
    showStartScreen();
    return app.exec();
}
