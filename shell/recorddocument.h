// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/recorddata.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QTextDocument;

// The facts of the session's record as made now, in the program's language.
// The page and the data a PDF carries are both made from them.
runtime::RecordFacts recordFacts(const runtime::SessionRecord &record, const QDateTime &made);

// The record as a page: the program, the student, when the session began
// and when the record was made, then each module worked in with its
// problems and totals.
std::unique_ptr<QTextDocument> recordDocument(const runtime::RecordFacts &facts);
// The same as a PDF file on the paper the locale uses, with the facts as
// its XMP metadata.
QByteArray recordPdf(const runtime::RecordFacts &facts);

// A module's name, as the start screen gives it.
QString moduleTitle(runtime::SessionRecord::Module module);
// A module's totals in one sentence.
QString moduleTotals(const runtime::SessionRecord::ModuleWork &work);
