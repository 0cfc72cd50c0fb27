// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the count parser: whatever bytes a player could type (read as UTF-8
// and as UTF-16), the parser must not crash, must agree with itself, and on plain
// decimal and hexadecimal texts must give what a simple independent reading gives.
#include "settings/NumberParser.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fail(const char *what, const std::string &input)
{
    std::fprintf(stderr, "count parser: %s for input \"%s\"\n", what, input.c_str());
    std::abort();
}

// toInt16 must be leadingValue rounded half to even, refused outside 16 bits.
void checkConsistent(const QString &text, const std::string &input)
{
    const double value = NumberParser::leadingValue(text);
    const auto parsed = NumberParser::toInt16(text);
    const double rounded = std::nearbyint(value);
    const bool fits = std::isfinite(value) && rounded >= -32768.0 && rounded <= 32767.0;
    if (parsed.has_value() != fits)
        fail("refusal disagrees with the value", input);
    if (fits && double(*parsed) != rounded)
        fail("count is not the rounded value", input);
    if (!std::isnan(value) && fits && std::fabs(double(*parsed) - value) > 0.5)
        fail("count is more than a half away from the value", input);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Blanks, an optional sign, decimal digits, blanks: the count is the integer itself,
// refused when it leaves 16 bits. Read digit by digit without floating point.
void checkPlainDecimal(const std::string &s)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    const size_t first = i;
    long long magnitude = 0;
    bool huge = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > 100000) {
            huge = true;
            magnitude = 100000;
        }
    }
    if (i == first)
        return;
    for (; i < s.size(); ++i) {
        if (s[i] != ' ' && s[i] != '\t')
            return;
    }
    const long long value = negative ? -magnitude : magnitude;
    const bool fits = !huge && value >= -32768 && value <= 32767;
    const auto parsed = NumberParser::toInt16(QString::fromLatin1(s.data(), qsizetype(s.size())));
    if (parsed.has_value() != fits)
        fail("plain integer refused or accepted wrongly", s);
    if (fits && *parsed != value)
        fail("plain integer misread", s);
}

// "&H" and one to four hex digits: the 16-bit two's complement value.
void checkShortHex(const std::string &s)
{
    if (s.size() < 3 || s.size() > 6 || s[0] != '&' || (s[1] != 'H' && s[1] != 'h'))
        return;
    unsigned value = 0;
    for (size_t i = 2; i < s.size(); ++i) {
        const char c = s[i];
        int d = -1;
        if (isDigit(c))
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0)
            return;
        value = value * 16 + unsigned(d);
    }
    const int expected = value >= 0x8000 ? int(value) - 0x10000 : int(value);
    const auto parsed = NumberParser::toInt16(QString::fromLatin1(s.data(), qsizetype(s.size())));
    if (!parsed || *parsed != expected)
        fail("short hexadecimal misread", s);
}

// "n.5" with small n rounds to the even neighbour.
void checkHalf(const std::string &s)
{
    if (s.size() < 3 || s.size() > 6 || s.compare(s.size() - 2, 2, ".5") != 0)
        return;
    int n = 0;
    for (size_t i = 0; i + 2 < s.size(); ++i) {
        if (!isDigit(s[i]))
            return;
        n = n * 10 + (s[i] - '0');
    }
    const int expected = n % 2 == 0 ? n : n + 1;
    const auto parsed = NumberParser::toInt16(QString::fromLatin1(s.data(), qsizetype(s.size())));
    if (!parsed || *parsed != expected)
        fail("half not rounded to even", s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    checkConsistent(QString::fromUtf8(input.data(), qsizetype(size)), input);
    if (size % 2 == 0) {
        checkConsistent(QString::fromUtf16(reinterpret_cast<const char16_t *>(input.data()),
                                           qsizetype(size / 2)),
                        input);
    }
    checkPlainDecimal(input);
    checkShortHex(input);
    checkHalf(input);
    return 0;
}
