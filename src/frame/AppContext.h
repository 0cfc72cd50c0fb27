// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/PracticeSettings.h"
#include "settings/ProgramFolder.h"

#include <functional>
#include <memory>

class ClickTrack;
class Clock;
class ComfortSettings;
class HandPlayer;
class HistoryStore;
class MidiPorts;
class MidiSource;
struct InputPreferences;
class PracticeObserver;
class ProcessStarter;
class RandomSource;
class Registry;
class ResultsLog;
class SyncSound;
class Ticker;

// What every window shares: the practice settings, the program folder and the ports to
// the outside world. The program's start-up (src/app) creates the real ones; widget tests
// hand in fakes. No window creates a port of its own.
struct AppContext {
    PracticeSettings &settings;
    ProgramFolder folder;
    ResultsLog &log;
    RandomSource &random;
    SyncSound &sound;
    ProcessStarter &processes;
    Registry &registry;
    const Clock &clock;
    // Where the drills report what happens.
    PracticeObserver &events;
    // The per-hand timers of a window.
    std::function<std::unique_ptr<Ticker>()> makeTicker;
    // A hand's player of the preschool game's calls and answers.
    std::function<std::unique_ptr<HandPlayer>()> makePlayer;
    // The practice history, read by the Statistics window; none in tests that do not
    // need it.
    HistoryStore *history = nullptr;
    // The key layout and the MIDI note map; without them (tests) the keypad layout plays.
    InputPreferences *input = nullptr;
    // Keeps the input preferences for the next run.
    std::function<void()> saveInput = nullptr;
    // The MIDI inputs and the strikes made of their notes; none in tests that do not need
    // them.
    MidiPorts *midi = nullptr;
    MidiSource *midiSource = nullptr;
    // The results log in use; without it (tests) the one in the program folder.
    std::function<QString()> resultsLogPath = nullptr;
    // The sound's volume and the window's place, and how to keep them for the next run;
    // without them (tests that do not need them) the sound plays as recorded.
    ComfortSettings *comfort = nullptr;
    std::function<void()> saveComfort = nullptr;
    // The metronome's sound output; none where nothing sounds (tests that do not need it).
    ClickTrack *clicks = nullptr;
};
