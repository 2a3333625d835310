// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {
class Form;
} // namespace runtime

// Save Record... (Ctrl+S) and Print Record... (Ctrl+P) on a screen: in its
// menu bar when it has one, otherwise behind a "Record..." button in a free
// corner of the screen.
void addRecordCommands(runtime::Form *form);
