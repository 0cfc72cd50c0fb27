// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/NumberParser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Characters of the text with the blanks taken out, since blanks between digits are
// skipped as well ("1 2" reads as 12).
QString withoutBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            out.append(c);
    }
    return out;
}

double radixValue(const QString &s, qsizetype from, int radix)
{
    // &H and &O numbers are 16-bit two's complement when they fit in 16 bits, like
    // "&HFFFF" for -1; longer ones are read as 32-bit values.
    quint64 value = 0;
    qsizetype i = from;
    int digits = 0;
    for (; i < s.size(); ++i) {
        const QChar c = s.at(i).toUpper();
        int d = -1;
        if (isAsciiDigit(c))
            d = c.unicode() - u'0';
        else if (radix == 16 && c >= u'A' && c <= u'F')
            d = c.unicode() - u'A' + 10;
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
        ++digits;
        if (value > 0xFFFFFFFFull)
            return std::numeric_limits<double>::infinity();
    }
    if (digits == 0)
        return 0;
    if (value <= 0xFFFF)
        return static_cast<double>(static_cast<qint16>(static_cast<quint16>(value)));
    return static_cast<double>(static_cast<qint32>(static_cast<quint32>(value)));
}

// The value of "[-]digits[.digits][e[sign]digits]", read the same in every locale (the C
// library's strtod would follow the decimal comma of the player's locale). A value beyond
// the range of a double is infinite, one too small for it is 0.
double decimalValue(const std::string &number)
{
    const char *first = number.data();
    const char *last = first + number.size();
    // from_chars takes a minus sign but no plus sign.
    if (first != last && *first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc::result_out_of_range)
        return end == first ? 0 : value;

    // Out of range: where the first significant digit stands tells overflow from underflow.
    const std::string_view text(first, size_t(last - first));
    const size_t ePos = std::min(text.find('e'), text.size());
    long long exponent = 0;
    if (ePos < text.size()) {
        const char *digits = first + ePos + 1;
        const bool down = digits != last && *digits == '-';
        if (digits != last && (*digits == '-' || *digits == '+'))
            ++digits;
        std::from_chars(digits, last, exponent);
        exponent = down ? -exponent : exponent;
    }
    const std::string_view mantissa = text.substr(0, ePos);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t significant = std::min(mantissa.find_first_not_of("-0."), mantissa.size());
    const long long order = significant < point ? (long long)(point - significant)
                                                : (long long)point + 1 - (long long)significant;
    const double magnitude = order + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return text.front() == '-' ? -magnitude : magnitude;
}

} // namespace

namespace NumberParser {

double leadingValue(const QString &text)
{
    const QString s = withoutBlanks(text);
    if (s.size() >= 2 && s.at(0) == u'&') {
        const QChar kind = s.at(1).toUpper();
        if (kind == u'H')
            return radixValue(s, 2, 16);
        if (kind == u'O')
            return radixValue(s, 2, 8);
        return 0;
    }

    std::string number;
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        number += char(s.at(i++).unicode());
    bool mantissaDigits = false;
    while (i < s.size() && isAsciiDigit(s.at(i))) {
        number += char(s.at(i++).unicode());
        mantissaDigits = true;
    }
    if (i < s.size() && s.at(i) == u'.') {
        number += '.';
        ++i;
        while (i < s.size() && isAsciiDigit(s.at(i))) {
            number += char(s.at(i++).unicode());
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits)
        return 0;
    if (i < s.size()) {
        const QChar e = s.at(i).toUpper();
        if (e == u'E' || e == u'D') {
            std::string exponent = "e";
            qsizetype j = i + 1;
            if (j < s.size() && (s.at(j) == u'+' || s.at(j) == u'-'))
                exponent += char(s.at(j++).unicode());
            bool expDigits = false;
            while (j < s.size() && isAsciiDigit(s.at(j)) && exponent.size() < 12) {
                exponent += char(s.at(j++).unicode());
                expDigits = true;
            }
            if (expDigits)
                number += exponent;
        }
    }
    return decimalValue(number);
}

std::optional<qint16> toInt16(const QString &text)
{
    const double value = leadingValue(text);
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // default rounding mode: half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace NumberParser
