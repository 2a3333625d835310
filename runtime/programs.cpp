// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs.h"

#include <QProcess>
#include <QStandardPaths>

namespace runtime {

QString findProgram(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool startProgram(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

} // namespace runtime
