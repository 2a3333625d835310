// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace runtime {
class Form;
class SessionRecord;
} // namespace runtime

// The record of the session as a document, in the program's language: the
// program, when the session began and when the record was made, then each
// module worked in with its problems and totals.
QString recordHtml(const runtime::SessionRecord &record, const QDateTime &made);
// The same as a PDF file, on the paper the locale uses.
QByteArray recordPdf(const runtime::SessionRecord &record, const QDateTime &made);

// Save Record... (Ctrl+S) and Print Record... (Ctrl+P) on a screen: in its
// menu bar when it has one, otherwise behind a "Record..." button in a free
// corner of the screen.
void addRecordCommands(runtime::Form *form);
