// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the command line, every platform object created once, the ports handed to
// the windows through the context, and the name prompt as the first window.
#include "app/WindowCatalog.h"
#include "drill/EventTrace.h"
#include "frame/AppContext.h"
#include "frame/Forms.h"
#include "platform/AppendLogFile.h"
#include "platform/QtHandPlayer.h"
#include "platform/QtProcessStarter.h"
#include "platform/QtSyncSound.h"
#include "platform/QtTicker.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandom.h"
#include "platform/ToolRegistry.h"
#include "settings/ResultsLog.h"

#include <QApplication>
#include <QCommandLineParser>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moravel"));
    QApplication::setApplicationVersion(QStringLiteral(MORAVEL_VERSION));
    // The program ends when an exercise window closes, not when the last one hides.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A trainer for piano finger independence."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption traceEvents(
        QStringLiteral("trace-events"),
        QStringLiteral("Write every practice event to <file>, one JSON object a line."),
        QStringLiteral("file"));
    parser.addOption(traceEvents);
    parser.process(app);

    PracticeSettings settings;
    const ProgramFolder folder(QCoreApplication::applicationDirPath());
    AppendLogFile logFile(folder.filePath(QString::fromLatin1(ResultsLog::FileName)));
    SystemClock clock;
    ResultsLog log(logFile, clock);
    SystemRandom random;
    QtHandPlayer startAndEndSound(QtHandPlayer::SyncBufferMs);
    QtSyncSound sound(startAndEndSound);
    QtProcessStarter processes;
    ToolRegistry registry;
    PracticeObservers events;
    std::unique_ptr<EventTrace> trace;
    if (parser.isSet(traceEvents)) {
        trace = std::make_unique<EventTrace>(parser.value(traceEvents));
        events.add(*trace);
    }
    AppContext context{settings,
                       folder,
                       log,
                       random,
                       sound,
                       processes,
                       registry,
                       clock,
                       events,
                       [] { return std::make_unique<QtTicker>(); },
                       [] { return std::make_unique<QtHandPlayer>(); }};

    Forms forms(context);
    // Under the main loop a window's own calls run one loop level deeper.
    forms.setBaseLoopLevel(1);
    WindowCatalog::registerAll(forms);
    forms.show(QStringLiteral("frmLog"));
    return app.exec();
}
