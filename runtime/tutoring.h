// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <initializer_list>

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

// The problem slots of a tutor. A slot holds no problem: choosing it always
// draws a new one. It holds the count of graded submissions made on it, kept
// for the slot's next problems (its completion is shown on the slot's row).
class ProblemSlots
{
public:
    // A 16-bit count, which stops at its largest value instead of wrapping.
    using Count = std::int16_t;

    // Counts one graded submission on the slot and returns the new count.
    Count countAttempt(int slot);
    Count attempts(int slot) const { return m_attempts.at(slot); }
    // Whether a wrong answer on the slot opens guided tutoring.
    static bool tutored(int slot) { return slot < TutoredSlots; }

private:
    std::array<Count, SlotCount> m_attempts{};
};

// A judged answer.
enum class Verdict { Right, Wrong };

// An order is right when the typed text, read leniently as a single, is the
// true order exactly; a number beyond single precision's range is wrong.
Verdict exactVerdict(QStringView text, float value);
// A rate constant is right when the typed number lies strictly within 2 % of k.
Verdict rateConstantVerdict(QStringView text, float k);

// Why Submit refuses the answers as typed, checked in this order: no problem
// chosen, a box holding no characters at all, a box holding a decimal comma
// ("0,5"); None when they are graded.
enum class Refusal { None, NoProblem, MissingAnswer, DecimalComma };
Refusal submitRefusal(bool problemChosen, std::initializer_list<QStringView> boxes);

// What a click of "continue" always may give: a message box to show, and a
// new instruction for the tutoring area (empty: it keeps its text).
struct StageReply {
    QString message;
    QString instruction;
};
// An answer typed with a decimal comma is refused before it is compared or
// stored: true, with the reply's message, when the text holds one.
bool refusedForDecimalComma(QStringView text, StageReply &reply);

// Where a guided tutoring stage stands. Every stage moves the same way: an
// accepted choice asks for the answer; a right answer waits for "continue";
// a wrong one brings the stage's further help, which stays for every wrong
// answer after it.
class TutoringStage
{
public:
    TutorStep step() const { return m_step; }
    void begin() { m_step = TutorStep::Choosing; }
    void choiceAccepted() { m_step = TutorStep::FirstAnswer; }
    // Moves on from a judged answer.
    void judged(Verdict verdict)
    {
        m_step = verdict == Verdict::Right ? TutorStep::AnsweredRight : TutorStep::AfterWrongAnswer;
    }

private:
    TutorStep m_step{TutorStep::Choosing};
};

} // namespace runtime
