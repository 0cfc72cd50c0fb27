// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/PracticeEvent.h"

// Hears what the drills do: the practice history, the event trace and tests listen here.
class PracticeObserver {
public:
    virtual ~PracticeObserver() = default;
    virtual void practiceEvent(const PracticeEvent &event) = 0;
};
