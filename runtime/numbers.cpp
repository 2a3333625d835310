// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace runtime {

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether a number text beyond double precision's range is too large rather
// than too small: written as 0.ddd x 10^n, its n is above 0.
bool isTooLarge(std::string_view clean)
{
    const std::size_t e = clean.find('e');
    long long digits = 0;
    long long wholeDigits = -1;
    long long firstSignificant = -1;
    for (const char c : clean.substr(0, e)) {
        if (c == '.') {
            wholeDigits = digits;
        } else if (c >= '0' && c <= '9') {
            if (firstSignificant < 0 && c != '0')
                firstSignificant = digits;
            ++digits;
        }
    }
    if (wholeDigits < 0)
        wholeDigits = digits;
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const std::string_view written = clean.substr(e + 1);
        for (const char c : written) {
            // Far beyond any double; saturating keeps the sum in range.
            if (c >= '0' && c <= '9' && exponent < 1'000'000'000)
                exponent = exponent * 10 + (c - '0');
        }
        if (written.starts_with('-'))
            exponent = -exponent;
    }
    return wholeDigits - firstSignificant + exponent > 0;
}

// Parses a clean ASCII number text (sign, digits, point, exponent) with the
// standard library's locale-free reading, whatever the user's locale.
NumberReading parseClean(std::string_view clean)
{
    const bool negative = clean.starts_with('-');
    if (clean.starts_with('+') || negative)
        clean.remove_prefix(1);
    double value = 0.0;
    if (std::from_chars(clean.data(), clean.data() + clean.size(), value).ec == std::errc::result_out_of_range) {
        if (isTooLarge(clean))
            return {negative ? -HUGE_VAL : HUGE_VAL, true};
        // Underflow quietly reads as zero.
        value = 0.0;
    }
    return {negative ? -value : value, false};
}

} // namespace

NumberReading readNumber(QStringView text)
{
    // Collect the characters that form the number, skipping blanks, tabs and
    // line feeds, and stop at the first one that cannot continue it.
    std::string clean;
    enum class Stage { Sign, Mantissa, Fraction, ExponentSign, Exponent } stage = Stage::Sign;
    bool mantissaDigits = false;
    bool exponentDigits = false;
    std::size_t beforeExponent = 0;
    for (const QChar c : text) {
        if (isSkipped(c))
            continue;
        if (stage == Stage::Sign) {
            stage = Stage::Mantissa;
            if (c == u'+' || c == u'-') {
                clean += char(c.unicode());
                continue;
            }
        }
        if (isDigit(c)) {
            clean += char(c.unicode());
            if (stage == Stage::ExponentSign)
                stage = Stage::Exponent;
            if (stage == Stage::Exponent)
                exponentDigits = true;
            else
                mantissaDigits = true;
            continue;
        }
        if (c == u'.' && stage == Stage::Mantissa) {
            clean += '.';
            stage = Stage::Fraction;
            continue;
        }
        const char16_t u = c.unicode();
        if ((u == u'e' || u == u'E' || u == u'd' || u == u'D') && (stage == Stage::Mantissa || stage == Stage::Fraction)
            && mantissaDigits) {
            beforeExponent = clean.size();
            clean += 'e';
            stage = Stage::ExponentSign;
            continue;
        }
        if ((u == u'+' || u == u'-') && stage == Stage::ExponentSign && !exponentDigits) {
            clean += char(u);
            stage = Stage::Exponent;
            continue;
        }
        break;
    }
    if (!mantissaDigits)
        return {};
    // An exponent mark without digits ("1e", "2e-") adds nothing.
    if (beforeExponent > 0 && !exponentDigits)
        clean.resize(beforeExponent);
    return parseClean(clean);
}

std::optional<float> textToSingle(QStringView text)
{
    const NumberReading reading = readNumber(text);
    if (reading.outOfRange)
        return std::nullopt;
    const float single = static_cast<float>(reading.value);
    if (std::isinf(single))
        return std::nullopt;
    return single;
}

bool hasDecimalComma(QStringView text)
{
    QChar before;
    bool commaAfterDigit = false;
    for (const QChar c : text) {
        if (isSkipped(c))
            continue;
        if (commaAfterDigit && isDigit(c))
            return true;
        commaAfterDigit = c == u',' && isDigit(before);
        before = c;
    }
    return false;
}

QString decimalCommaMessage()
{
    return QCoreApplication::translate("runtime", "Please type numbers with a decimal point, not a comma: "
                                                  "0.5, not 0,5.");
}

QString plainText(double value, Precision precision)
{
    const int digits = precision == Precision::Single ? 7 : 15;
    if (precision == Precision::Single)
        value = static_cast<float>(value);
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");

    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, digits - 1);
    const std::string sci(buffer, result.ptr);
    const auto ePos = sci.find('e');
    std::string mantissa;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (sci[i] != '.')
            mantissa += sci[i];
    }
    const int exponent = std::stoi(sci.substr(ePos + 1));
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += mantissa[0];
        if (mantissa.size() > 1)
            out += '.' + mantissa.substr(1);
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += '.' + std::string(std::size_t(-exponent - 1), '0') + mantissa;
    } else {
        const std::size_t whole = std::size_t(exponent) + 1;
        if (mantissa.size() <= whole) {
            out += mantissa + std::string(whole - mantissa.size(), '0');
        } else {
            out += mantissa.substr(0, whole) + '.' + mantissa.substr(whole);
        }
    }
    return QString::fromLatin1(out.c_str());
}

QString numberText(double value, Precision precision)
{
    const QString text = plainText(value, precision);
    if (text.isEmpty() || text.startsWith(u'-'))
        return text;
    return u' ' + text;
}

QString spokenText(double value, Precision precision)
{
    QString text = plainText(value, precision);
    const qsizetype point = text.startsWith(u'-') ? 1 : 0;
    if (text.size() > point && text.at(point) == u'.')
        text.insert(point, u'0');
    return text;
}

double roundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // nearbyint follows the default rounding mode: ties to even.
    return std::nearbyint(value * scale) / scale;
}

double intPart(double value)
{
    return std::floor(value);
}

float cutDecimals(float value, int decimals)
{
    float scale = 1.0f;
    for (int i = 0; i < decimals; ++i)
        scale *= 10.0f;
    return std::floor(value * scale) / scale;
}

double cutDecimals(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::floor(value * scale) / scale;
}

bool withinRateConstantWindow(double value, float k)
{
    const double trueK = k;
    return trueK - 0.02 * trueK < value && value < trueK + 0.02 * trueK;
}

bool typedEquals(QStringView text, float value)
{
    const std::optional<float> typed = textToSingle(text);
    return typed && *typed == value;
}

bool typedWithinRateConstantWindow(QStringView text, float k)
{
    return textToSingle(text) && withinRateConstantWindow(readNumber(text).value, k);
}

} // namespace runtime
