// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs every screen of the program to a PNG file, as a student first sees
// it: velomira-screenshots <folder>. Run it with QT_SCALE_FACTOR=2 for a
// high-density view.
#include "runtime/forms.h"
#include "shell/screens.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    runtime::initialiseApplication();
    registerScreens();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    const QStringList screens{QStringLiteral("ratestart"), QStringLiteral("ratetutor"),
                              QStringLiteral("ratetutor2"), QStringLiteral("writingratelaws"),
                              QStringLiteral("approachform"), QStringLiteral("approachform2")};
    int failures = 0;
    for (const QString &name : screens) {
        runtime::Form *form = runtime::showForm(name);
        if (!form) {
            ++failures;
            continue;
        }
        QCoreApplication::processEvents();
        if (!form->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))))
            ++failures;
        runtime::unloadForm(form);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return failures == 0 ? 0 : 1;
}
