// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// The class summary: each record file read, one CSV row each on `out` (RFC
// 4180, a header row in the desktop's language), and on `err` a line for
// each file that could not be summarized, naming it and why. Returns the
// exit status: 1 when any file failed, 0 otherwise. The files are only read.
int writeSummary(const QStringList &files, QTextStream &out, QTextStream &err);
