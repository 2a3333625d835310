// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace runtime {

// A modal message box titled "velomira" with one OK button.
void messageBox(QWidget *parent, const QString &text);

} // namespace runtime
