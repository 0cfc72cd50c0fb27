// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"
#include "drill/DrillCore.h"
#include "ports/FingerStrike.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

// What a drill reaches the outside world through, all fakes: settings, the two hand
// timers, the start and end sound, a results log over a fake file and clock, and the
// event stream.
struct DrillFakes {
    PracticeSettings settings;
    FakeTicker left;
    FakeTicker right;
    FakeSyncSound sound;
    FakeLogFile file;
    FakeClock clock;
    ResultsLog log{file, clock};
    RecordingObserver events;

    DrillPorts ports() { return DrillPorts{settings, left, right, sound, log, &clock, &events}; }
    FakeTicker &ticker(Hand h) { return h == Hand::Left ? left : right; }
};
