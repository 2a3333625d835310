// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("velomira", text);
}

QString usage()
{
    return tr("Usage: velomira [options]\n"
              "A tutorial for general-chemistry students on determining and writing rate laws.\n"
              "\n"
              "Options:\n"
              "  -h, --help     Show this help and exit.\n"
              "  -v, --version  Show the version and exit.\n"
              "\n"
              "Qt's own options, such as -platform, -style and -reverse, are accepted too.\n");
}

// The options Qt's application object takes for itself; those of the
// first list take a value, in the next argument or after "=".
const QStringList qtOptionsWithValue{
    QStringLiteral("platform"),     QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),       QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("display"),            QStringLiteral("geometry"),
    QStringLiteral("style"),        QStringLiteral("stylesheet"),         QStringLiteral("session"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("title"),             QStringLiteral("name"),
};
const QStringList qtOptionsAlone{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                 QStringLiteral("dograb"), QStringLiteral("sync")};

} // namespace

std::optional<int> handleCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
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
        err << tr("velomira: unknown option '%1'").arg(argument) << '\n' << usage();
        return 1;
    }
    return std::nullopt;
}
