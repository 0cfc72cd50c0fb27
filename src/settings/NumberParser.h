// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Reads the number a typed text begins with, the way the count dialogs need it:
// blanks and tabs are skipped, reading stops at the first character that cannot belong
// to the number, a text without a number gives 0. Decimal numbers may carry a sign, a
// fraction and an exponent; "&H" and "&O" introduce hexadecimal and octal numbers.
namespace NumberParser {

// The value the text begins with, as a double (0 when there is none).
double leadingValue(const QString &text);

// The value rounded to the nearest integer, a half to the even neighbour; empty when the
// rounded value does not fit a signed 16-bit number.
std::optional<qint16> toInt16(const QString &text);

} // namespace NumberParser
