// SPDX-License-Identifier: GPL-3.0-or-later
#include "problemslots.h"

#include "runtime/colours.h"
#include "runtime/controls.h"
#include "runtime/designlayout.h"
#include "runtime/numbers.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace runtime {

namespace {

constexpr int SlotTop = 840;
constexpr int SlotSpacing = 360;

} // namespace

ProblemSlotList::ProblemSlotList(QWidget *parent, Cells cells)
    : QObject(parent)
    , m_group(new QButtonGroup(this))
{
    makeLabel(parent, QStringLiteral("Label12"), tr("Problem:"), 240, 480, 0, 0, 8, blue());
    makeLabel(parent, QStringLiteral("Label13"), tr("Complete:"), 1680, 480, 0, 0, 8, blue());
    makeLabel(parent, QStringLiteral("Label14"), tr("Attempts:"), 2880, 480, 0, 0, 8, blue());
    m_group->setExclusive(true);
    for (int i = 0; i < SlotCount; ++i) {
        const int top = SlotTop + SlotSpacing * i;
        auto *option = new QRadioButton(tr("Problem %1").arg(i + 1), parent);
        option->setObjectName(indexedName(QStringLiteral("problem"), i));
        place(option, 240, top, 1455, 255);
        m_group->addButton(option, i);
        connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                emit chosen(i);
        });
        Row &row = m_rows[i];
        row.option = option;
        row.complete = makeLabel(parent, indexedName(QStringLiteral("probcomplete"), i), tr("No"), 1920, top, 375, 255);
        row.attempts =
            makeLabel(parent, indexedName(QStringLiteral("numattempts"), i), QStringLiteral("0"), 3120, top, 375, 255);
        for (QLabel *cell : {row.complete, row.attempts}) {
            if (cells == Cells::Boxed) {
                cell->setFrameShape(QFrame::Box);
                cell->setLineWidth(1);
                cell->setAlignment(Qt::AlignCenter);
                setBackgroundColour(cell, ground());
            } else {
                cell->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
        }
        nameSlotCells(i);
    }
}

void ProblemSlotList::choose(int slot)
{
    m_rows.at(slot).option->setChecked(true);
}

void ProblemSlotList::attempted(int slot)
{
    m_rows.at(slot).attempts->setText(plainText(m_slots.countAttempt(slot)));
    nameSlotCells(slot);
}

void ProblemSlotList::completed(int slot)
{
    m_rows.at(slot).complete->setText(tr("Yes"));
    nameSlotCells(slot);
}

void ProblemSlotList::unselect(int slot)
{
    // An exclusive group keeps one option checked; lift that for a moment.
    m_group->setExclusive(false);
    m_rows.at(slot).option->setChecked(false);
    m_group->setExclusive(true);
}

void ProblemSlotList::nameSlotCells(int slot)
{
    const Row &row = m_rows.at(slot);
    row.complete->setAccessibleName(tr("Problem %1 complete: %2").arg(slot + 1).arg(row.complete->text()));
    row.attempts->setAccessibleName(tr("Problem %1 attempts: %2").arg(slot + 1).arg(row.attempts->text()));
}

} // namespace runtime
