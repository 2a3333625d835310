// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/sessionrecord.h"

class QWidget;

namespace runtime {
class Form;
class WorkReport;
} // namespace runtime

// Save Record... (Ctrl+S), Print Record... (Ctrl+P) and Name on Record...
// on a screen: in its menu bar when it has one, otherwise behind a
// "Record..." button at the place the screen keeps for its commands.
void addRecordCommands(runtime::Form *form);

// Keeps what a tutor screen reports in the session's record, as the work of
// that module.
void recordWork(runtime::WorkReport *report, runtime::SessionRecord::Module module);

// Before the program ends: when the session holds work that no saved or
// printed record has, asks whether to save it first. False when the
// student cancelled, or the save did not happen.
bool mayEndSession(QWidget *parent);
