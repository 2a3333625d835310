// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/sessionrecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace runtime {

// A record as data, for programs to read back: the same facts its page
// shows, carried in the PDF as XMP metadata in the program's own namespace.
// The format, version 1:
//   velomira:formatVersion   1; a reader refuses a higher one
//   velomira:student         the name on the record, possibly empty
//   velomira:programVersion, velomira:language (a catalogue's code, or "en")
//   velomira:sessionStarted, velomira:recordMade   ISO 8601 with the offset
//   velomira:modules         a sequence, in the order first worked in, of
//     velomira:module        initialRates, graphical or rateLaws
//     velomira:problemsCompleted, velomira:attempts   the module's totals
//     velomira:problems      a sequence, one a problem drawn (a reaction), of
//       velomira:slot        from 1, as the screens number them
//       velomira:level       initialRates only: 1 Relatively Easy,
//                            2 Moderately Difficult, 3 Difficult
//       velomira:completed, velomira:tutored   True or False
//       velomira:attempts
//       velomira:answer      as typed: orderA, orderB and k; order and k;
//                            or rateLaw, the reaction's last answer
struct RecordFacts {
    QString student;
    QString programVersion;
    QString language;
    QDateTime started;
    QDateTime made;
    std::vector<SessionRecord::ModuleWork> modules;
};

constexpr int RecordFormatVersion = 1;
inline constexpr char RecordNamespace[] = "https://velomira.org/ns/record/";

// A whole XMP packet holding the facts.
QByteArray recordXmp(const RecordFacts &facts);

struct ReadRecord {
    enum class Status { Read, NotARecord, NewerFormat, Damaged };
    Status status{Status::NotARecord};
    int formatVersion{0};
    RecordFacts facts;
};
// Reads what recordXmp wrote; anything else is no record.
ReadRecord readRecordXmp(const QByteArray &xmp);

} // namespace runtime
