// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeHandPlayer.h"
#include "FakeRegistry.h"
#include "Fakes.h"
#include "app/WindowCatalog.h"
#include "frame/AppContext.h"
#include "frame/Forms.h"
#include "settings/ComfortSettings.h"
#include "settings/ResultsLog.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

// Everything a window needs, with fakes for the outside world and a temporary program
// folder. Tickers and players handed to windows are kept in `tickers` and `players`, in
// order of creation.
struct TestContext {
    QTemporaryDir dir;
    PracticeSettings settings;
    FakeLogFile logFile;
    FakeClock clock;
    ResultsLog log{logFile, clock};
    FakeRandom random;
    FakeSyncSound sound;
    FakeProcesses processes;
    FakeRegistry registry;
    RecordingObserver events;
    std::vector<FakeTicker *> tickers;
    std::vector<FakeHandPlayer *> players;
    ComfortSettings comfort;
    int comfortSaves = 0;
    AppContext context{.settings = settings,
                       .folder = ProgramFolder(dir.path()),
                       .log = log,
                       .random = random,
                       .sound = sound,
                       .processes = processes,
                       .registry = registry,
                       .clock = clock,
                       .events = events,
                       .makeTicker =
                           [this] {
                               auto ticker = std::make_unique<FakeTicker>();
                               tickers.push_back(ticker.get());
                               return std::unique_ptr<Ticker>(std::move(ticker));
                           },
                       .makePlayer =
                           [this] {
                               auto player = std::make_unique<FakeHandPlayer>();
                               players.push_back(player.get());
                               return std::unique_ptr<HandPlayer>(std::move(player));
                           }};
    Forms forms{context};

    TestContext()
    {
        logFile.location = dir.filePath(QString::fromLatin1(ResultsLog::FileName));
        context.comfort = &comfort;
        context.saveComfort = [this] { ++comfortSaves; };
        WindowCatalog::registerAll(forms);
    }
};
