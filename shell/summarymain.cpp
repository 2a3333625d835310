// SPDX-License-Identifier: GPL-3.0-or-later
// The class summary, started by `velomira --summary FILE...`: a program of
// its own, so that the library that reads PDF files costs the tutorial's
// start nothing.
#include "runtime/translations.h"
#include "summary.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::unique_ptr<QTranslator> catalogue = runtime::loadProgramCatalogue();
    if (catalogue)
        QCoreApplication::installTranslator(catalogue.get());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return writeSummary(QCoreApplication::arguments().mid(1), out, err);
}
