// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace runtime {

// A number read from typed text. Reading is lenient: blanks, tabs and line
// feeds are skipped wherever they stand, reading stops at the first character
// that cannot continue a number, and a text without a number reads as 0.
struct NumberReading {
    double value{0.0};
    bool outOfRange{false}; // too large even for double precision
};

NumberReading readNumber(QStringView text);

// The typed number as the screens store answers: single precision.
// Empty when the number lies beyond single precision's range ("1e40",
// "1e400"), so that callers can grade it wrong instead of storing infinity.
std::optional<float> textToSingle(QStringView text);

// Whether the text holds a comma between two digits ("0,5", "3,47", "1 ,5"),
// blanks, tabs and line feeds skipped as reading skips them. Reading would
// stop at the comma, so such an answer is refused rather than graded.
bool hasDecimalComma(QStringView text);
// The message that refuses such an answer; no attempt is counted.
QString decimalCommaMessage();

enum class Precision { Single, Double };

// Number text: a blank before a value that is not negative, a minus sign
// before a negative one; at most 7 (single) or 15 (double) significant
// digits, trailing zeros dropped, no zero before the point (" .405").
// Exponent form below 1E-04 and from 1E+07 (single) or 1E+15 (double) on:
// " 1.234568E+07", " 1E-05". A value that is not finite gives an empty text.
QString numberText(double value, Precision precision = Precision::Single);
// The same digits without the leading blank; also used for counts.
QString plainText(double value, Precision precision = Precision::Single);

// The digits of the plain text as a screen reader should say them: with a
// zero before a point that opens the number ("0.405", "-0.5").
QString spokenText(double value, Precision precision = Precision::Single);

// Rounds to n decimals; a tie goes to the even digit.
double roundTo(double value, int decimals);
// Integer part, towards minus infinity.
double intPart(double value);
// Cuts to n decimals by scaling, taking the integer part and scaling back;
// in single precision the arithmetic stays single.
float cutDecimals(float value, int decimals);
double cutDecimals(double value, int decimals);

// A rate constant is judged right when it lies strictly within 2 % of the
// true k, the bounds worked out in double precision. Grading and both guided
// tutors use this one window.
bool withinRateConstantWindow(double value, float k);

// How every module judges a typed answer: an order is right when the typed
// number, as a single, equals it exactly; a rate constant when the typed
// number lies within the window. A number beyond single precision is wrong.
bool typedEquals(QStringView text, float value);
bool typedWithinRateConstantWindow(QStringView text, float k);

} // namespace runtime
