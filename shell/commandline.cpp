// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "runtime/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QTranslator>

#include <unistd.h>
#include <vector>

namespace {

// The command line is read before the application object exists, so its
// texts come straight from the catalogue of the user's language.
QString translated(const char *text)
{
    static const std::unique_ptr<QTranslator> catalogue = runtime::loadProgramCatalogue();
    const QString result = catalogue ? catalogue->translate("velomira", text) : QString();
    return result.isEmpty() ? QString::fromUtf8(text) : result;
}

QString usage()
{
    return translated(QT_TRANSLATE_NOOP(
        "velomira", "Usage: velomira [options]\n"
                    "A tutorial for general-chemistry students on determining and writing rate laws.\n"
                    "\n"
                    "Options:\n"
                    "  -h, --help     Show this help and exit.\n"
                    "  -v, --version  Show the version and exit.\n"
                    "  --summary FILE...\n"
                    "                 Read saved session records and write a table of their totals,\n"
                    "                 one row a record, to standard output as CSV; then exit.\n"
                    "\n"
                    "Qt's own options, such as -platform, -style and -reverse, are accepted too.\n"));
}

// The options Qt's application object takes for itself; those of the
// first list take a value, in the next argument or after "=".
const QStringList qtOptionsWithValue{
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("display"),
    QStringLiteral("geometry"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("session"),
    QStringLiteral("qmljsdebugger"),
    QStringLiteral("title"),
    QStringLiteral("name"),
};
const QStringList qtOptionsAlone{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                 QStringLiteral("dograb"), QStringLiteral("sync")};

// The class summary is a program of its own: beside this one in a build,
// or where it is installed.
QString summaryProgram()
{
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    for (const QString &candidate : {folder + QStringLiteral("/velomira-summary"),
                                     folder + QStringLiteral("/" VELOMIRA_SUMMARY_FROM_BINARY "/velomira-summary")}) {
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return {};
}

// Hands the files over to the summary's program; returns only when it
// could not be started.
int runSummary(const QStringList &files, QTextStream &err)
{
    if (files.isEmpty()) {
        err << translated(QT_TRANSLATE_NOOP("velomira", "velomira: --summary needs the record files to read")) << '\n'
            << usage();
        return 1;
    }
    const QString program = summaryProgram();
    std::vector<QByteArray> encoded{program.toLocal8Bit()};
    for (const QString &file : files)
        encoded.push_back(file.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    err.flush();
    if (!program.isEmpty())
        execv(argv.front(), argv.data());
    err << translated(QT_TRANSLATE_NOOP("velomira", "velomira: the summary's program could not be started")) << '\n';
    return 1;
}

} // namespace

std::optional<int> handleCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // Every argument after it names a record.
    if (arguments.size() > 1 && arguments.at(1) == u"--summary")
        return runSummary(arguments.mid(2), err);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"-h" || argument == u"--help") {
            out << usage();
            return 0;
        }
        if (argument == u"-v" || argument == u"--version") {
            out << QStringLiteral("velomira %1\n").arg(QStringLiteral(VELOMIRA_VERSION));
            return 0;
        }
        // Qt takes "-style fusion", "--style fusion" and "-style=fusion" alike.
        QString option = argument;
        if (option.startsWith(u"--"))
            option.remove(0, 1);
        if (option.startsWith(u'-') && option.size() > 1) {
            option.remove(0, 1);
            const qsizetype equals = option.indexOf(u'=');
            const QString name = equals < 0 ? option : option.left(equals);
            if (qtOptionsAlone.contains(name))
                continue;
            if (qtOptionsWithValue.contains(name)) {
                if (equals < 0)
                    ++i;
                continue;
            }
        }
        err << translated(QT_TRANSLATE_NOOP("velomira", "velomira: unknown option '%1'")).arg(argument) << '\n'
            << usage();
        return 1;
    }
    return std::nullopt;
}
