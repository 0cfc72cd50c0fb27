// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;

    // Uniform in [0, 1) in single precision, as the drills draw. A double just below 1
    // would round up to 1.0f and give a finger or column one past the range.
    float nextSingle() { return std::min(static_cast<float>(next()), std::nextafter(1.0f, 0.0f)); }
};
