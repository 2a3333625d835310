// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace runtime {

// The first of the programs found on the PATH, or an empty string.
QString findProgram(const QStringList &candidates);
// Starts a program without waiting for it; false when it could not start.
bool startProgram(const QString &program, const QStringList &arguments = {});

} // namespace runtime
