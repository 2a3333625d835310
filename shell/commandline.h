// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

// Reads the command line before any window exists, so that --help and
// --version work without a display. Returns the exit status when the
// program should end at once: 0 after the help or the version, 1 with the
// usage on standard error for an option it does not know. Qt's own options
// (-platform, -style, -reverse and the like) pass through to Qt.
std::optional<int> handleCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);
