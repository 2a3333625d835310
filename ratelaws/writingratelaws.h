// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/page.h"
#include "runtime/workreport.h"

#include <array>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace pictures {
class Picture;
}

namespace runtime {
class LabelButton;
}

// The Writing Rate Laws screen: the student picks one of three reactions,
// types its rate law in the sub/superscript notation and has it judged.
class WritingRateLaws : public runtime::Form
{
    Q_OBJECT
public:
    WritingRateLaws();

    void formLoad() override;
    // What the student does here, as it happens.
    runtime::WorkReport *workReport() { return m_work; }

private:
    runtime::WorkReport *m_work{new runtime::WorkReport(this)};
    void problemnumber_Click(int index);
    void submitbtn_Click();

    // The chosen problem; none until the student picks one.
    std::optional<int> problemtype;

    QButtonGroup *m_problemnumber{nullptr};
    QLabel *m_description{nullptr};
    std::array<pictures::Picture *, 3> m_rxnimage0{};
    QLabel *m_instructions{nullptr};
    QLineEdit *m_answer{nullptr};
    runtime::LabelButton *m_submit{nullptr};
    QLabel *m_report{nullptr};
    QLabel *m_feedback{nullptr};
    QLabel *m_report1{nullptr};
};
