// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>

class QMetaObject;
class QWidget;

namespace runtime {

// Screen readers see each class of the program's own widgets in the role
// registered for it: screens as windows, fixed pictures and the plot as
// images, panels as groups. Label-buttons speak as buttons; one that can be
// selected also tells whether it is.
void installAccessibility();
void setClassAccessibleRole(const QMetaObject &type, QAccessible::Role role);

// Says that the text of an area changed: its description becomes the text,
// which screen readers hear as a description change of that area.
void announce(QWidget *area, const QString &text);

} // namespace runtime
