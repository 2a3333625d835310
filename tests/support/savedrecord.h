// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "walk.h"

#include <QDir>
#include <QString>
#include <QStringList>

namespace testing {

// The session record a walk saved, read back as a teacher and a program
// read it: the places its dialogs offered, its text with its fonts inside,
// its class summary and its data.
class SavedRecord
{
public:
    // Finds the PDF readers on PATH.
    SavedRecord();
    // Checks the record the walk saved in its folder as session.pdf, given
    // what each file and print dialog offered, in the row's language
    // ("approved" for the approved text and data, "pseudo" for the marked
    // catalogue); gives back the record's text.
    void check(const ScreenWalk &walk, QStringList offered, const QDir &folder, const QString &language,
               QString *text) const;

private:
    QString m_pdftotext;
    QString m_pdffonts;
    QString m_pdfinfo;
};

} // namespace testing
