// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <stdexcept>

// Counts and scores are signed 16-bit. A sum that leaves the range is an error that
// stops the step computing it; the key handlers catch it and go on with their next step.
class Int16Overflow : public std::overflow_error {
public:
    Int16Overflow() : std::overflow_error("16-bit overflow") {}
};

namespace Int16 {

inline qint16 checked(int value)
{
    if (value < -32768 || value > 32767)
        throw Int16Overflow();
    return static_cast<qint16>(value);
}

inline qint16 add(qint16 a, int b)
{
    return checked(int(a) + b);
}

} // namespace Int16
