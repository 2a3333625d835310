// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

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

// Parses an ASCII number text in the C locale, whatever the user's locale.
NumberReading parseClean(const std::string &clean)
{
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    errno = 0;
    const double v = strtod_l(clean.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(v))
        return {v, true};
    // Underflow quietly reads as the nearest representable value (often 0).
    return {v, false};
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
        if ((u == u'e' || u == u'E' || u == u'd' || u == u'D')
            && (stage == Stage::Mantissa || stage == Stage::Fraction) && mantissaDigits) {
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
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, digits - 1);
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

QString trimmedText(double value, Precision precision)
{
    return plainText(value, precision);
}

QString spokenText(double value, Precision precision)
{
    QString text = trimmedText(value, precision);
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

} // namespace runtime
