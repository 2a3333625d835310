// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/page.h"

#include <QList>
#include <QString>
#include <functional>

namespace runtime {

// The screens are known by their form names, each registered with a factory
// before it is first shown. A name never registered is a fault in the
// caller (a screen, a script, a test) and ends the program.
using FormFactory = std::function<Form *()>;
void registerForm(const QString &name, FormFactory factory);

// The loaded form of that name, or nullptr.
Form *loadedForm(const QString &name);
QList<Form *> loadedForms();
// Loads the form if needed, running its load handler, without showing it.
Form *loadForm(const QString &name);
// Loads the form if needed and makes it the window's page.
Form *showForm(const QString &name);
// Runs the unload handler and discards the form.
void unloadForm(Form *form);

// What comes after a screen has closed and gone, other than when the program
// ends: another screen, or nothing, and then the program ends with its
// window.
void setAfterClosing(std::function<void(const QString &closed)> next);

// Ends the program from any screen, once the check set below allows it:
// unloads every screen, showing none anew, and the program ends with its
// last window.
void quitProgram();
// What is asked before the program ends (Ctrl+Q, the start screen closed,
// the desktop's session ending); false keeps it running. Nothing is asked
// until one is set.
void setEndingCheck(std::function<bool(QWidget *parent)> check);
bool mayEndProgram(QWidget *parent);

} // namespace runtime
