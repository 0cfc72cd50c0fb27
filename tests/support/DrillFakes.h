// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"
#include "drill/DrillCore.h"
#include "drill/KeyMap.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

// What a drill reaches the outside world through, all fakes: settings, the two hand
// timers, the start and end sound, and a results log over a fake file and clock.
struct DrillFakes {
    PracticeSettings settings;
    FakeTicker left;
    FakeTicker right;
    FakeSyncSound sound;
    FakeLogFile file;
    FakeClock clock;
    ResultsLog log{file, clock};

    DrillPorts ports() { return DrillPorts{settings, left, right, sound, log}; }
    FakeTicker &ticker(Hand h) { return h == Hand::Left ? left : right; }
};
