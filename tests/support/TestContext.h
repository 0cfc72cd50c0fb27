// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"
#include "frame/AppContext.h"
#include "frame/Forms.h"
#include "frame/WindowCatalog.h"
#include "settings/ResultsLog.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

// Everything a window needs, with fakes for the outside world and a temporary program
// folder. Tickers handed to windows are kept in `tickers`, in order of creation.
struct TestContext {
    QTemporaryDir dir;
    PracticeSettings settings;
    FakeLogFile logFile;
    FakeClock clock;
    ResultsLog log{logFile, clock};
    FakeRandom random;
    FakeSyncSound sound;
    FakeOpener opener;
    std::vector<FakeTicker *> tickers;
    AppContext context{settings, ProgramFolder(dir.path()), log, random, sound, opener, [this] {
                           auto ticker = std::make_unique<FakeTicker>();
                           tickers.push_back(ticker.get());
                           return std::unique_ptr<Ticker>(std::move(ticker));
                       }};
    Forms forms{context};

    TestContext() { WindowCatalog::registerAll(forms); }
};
