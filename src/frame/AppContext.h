// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/PracticeSettings.h"
#include "settings/ProgramFolder.h"

#include <functional>
#include <memory>

class Clock;
class LogFile;
class ResultsLog;
class RandomSource;
class SyncSound;
class ProcessStarter;

// What every window shares: the practice settings, the program folder and the ports to
// the outside world. main() wires the real ones; widget tests wire fakes.
struct AppContext {
    PracticeSettings &settings;
    ProgramFolder folder;
    ResultsLog &log;
    RandomSource &random;
    SyncSound &sound;
    ProcessStarter &opener;
    // Creates the per-hand timers of a window; tests hand out fakes.
    std::function<std::unique_ptr<class Ticker>()> makeTicker;
};
