// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace runtime {
class Form;
} // namespace runtime

// Save Record... (Ctrl+S), Print Record... (Ctrl+P) and Name on Record...
// on a screen: in its menu bar when it has one, otherwise behind a
// "Record..." button in a free corner of the screen.
void addRecordCommands(runtime::Form *form);

// Before the program ends: when the session holds work that no saved or
// printed record has, asks whether to save it first. False when the
// student cancelled, or the save did not happen.
bool mayEndSession(QWidget *parent);
