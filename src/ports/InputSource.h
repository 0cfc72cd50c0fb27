// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <functional>

// A device that turns what the player does into finger strikes: the computer keyboard,
// another key layout, a MIDI piano. The drills see only the strikes.
class InputSource {
public:
    using Sink = std::function<void(const FingerStrike &)>;
    virtual ~InputSource() = default;
    // Where the strikes go from now on.
    virtual void setSink(Sink sink) = 0;
};
