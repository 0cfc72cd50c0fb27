// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
};
