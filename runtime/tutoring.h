// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {

// The steps of a guided tutoring stage, the same in both tutors: the
// student first chooses what to work from (trials, or the straight plot),
// then answers; a wrong answer brings more help; a right one waits for
// "continue" to end the stage.
enum class TutorStep { Choosing, FirstAnswer, AfterWrongAnswer, AnsweredRight };

// Both tutors offer six problem slots; the first four are tutored, the
// last two are not.
constexpr int SlotCount = 6;
constexpr int TutoredSlots = 4;

// A judged answer.
enum class Verdict { Right, Wrong };

} // namespace runtime
