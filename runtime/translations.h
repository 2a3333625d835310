// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <memory>

class QTranslator;

namespace runtime {

// Installs the program's catalogue for the user's preferred language, taken
// from the locale's languages in order (LANGUAGE, then LANG), and Qt's own
// catalogue for the standard buttons where the system has it. The texts in
// the code are English: English, or a language without a catalogue, installs
// nothing. Numbers keep their one display in every language. Calling it
// again replaces what it installed before. Returns the language installed,
// or an empty string.
QString installTranslations(const QLocale &locale = QLocale::system());

// The language installTranslations installed last, or an empty string.
QString installedLanguage();

// The program's catalogue for the same language, loaded but not installed,
// for texts needed before the application object exists; nullptr for
// English.
std::unique_ptr<QTranslator> loadProgramCatalogue(const QLocale &locale = QLocale::system());

} // namespace runtime
