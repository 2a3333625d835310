// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/tutoring.h"

#include <QObject>
#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;
class QWidget;

namespace runtime {

// The problem slots as a tutor screen shows them, at the top left: the
// headings "Problem:", "Complete:" and "Attempts:", and on each slot's row
// its option and its completion and attempts cells, which a screen reader
// names with their problem.
class ProblemSlotList : public QObject
{
    Q_OBJECT
public:
    // Cells with a border and their text centred, or plain on the line of
    // the option's caption.
    enum class Cells { Boxed, Plain };
    ProblemSlotList(QWidget *parent, Cells cells);

    QRadioButton *option(int slot) const { return m_rows.at(slot).option; }
    // Selects the slot, which chooses it.
    void choose(int slot);
    // Counts a graded submission on the slot and shows the new count.
    void attempted(int slot);
    // Marks the slot's problem completed.
    void completed(int slot);
    // Clears the slot's option, so that no slot is selected until the
    // student chooses one.
    void unselect(int slot);

signals:
    // A slot became selected, by click or by keyboard; a click on the slot
    // already selected changes nothing.
    void chosen(int slot);

private:
    void nameSlotCells(int slot);

    ProblemSlots m_slots;
    QButtonGroup *m_group{nullptr};
    // A slot's row: its option, then its completion and attempts cells.
    struct Row {
        QRadioButton *option{nullptr};
        QLabel *complete{nullptr};
        QLabel *attempts{nullptr};
    };
    std::array<Row, SlotCount> m_rows{};
};

} // namespace runtime
