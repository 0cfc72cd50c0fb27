// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the command line, every platform object created once, the ports handed to
// the windows through the context, and the name prompt as the first window.
#include "app/HistoryCommands.h"
#include "app/WindowCatalog.h"
#include "drill/EventTrace.h"
#include "frame/AppContext.h"
#include "frame/ExerciseWindow.h"
#include "frame/Forms.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"
#include "input/InputPreferences.h"
#include "input/MidiSource.h"
#include "platform/ChosenClickTrack.h"
#include "platform/MidiClickTrack.h"
#include "platform/PortAudioClickTrack.h"
#include "platform/QtHandPlayer.h"
#include "platform/QtProcessStarter.h"
#include "platform/QtSyncSound.h"
#include "platform/QtTicker.h"
#include "platform/ResultsLogFiles.h"
#include "platform/RtMidiPorts.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandom.h"
#include "platform/ToolRegistry.h"
#include "settings/ComfortSettings.h"
#include "settings/ResultsLog.h"
#include "settings/frmLog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct Options {
    QCommandLineOption traceEvents{
        QStringLiteral("trace-events"),
        QStringLiteral("Write every practice event to <file>, one JSON object a line."),
        QStringLiteral("file")};
    QCommandLineOption history{
        QStringLiteral("history"),
        QStringLiteral("Keep the practice history in <file> instead of the user's data folder."),
        QStringLiteral("file")};
    QCommandLineOption exportHistory{
        QStringLiteral("export-history"),
        QStringLiteral("Write the practice history to <file> as CSV, one row per strike and one "
                       "per task left unanswered, and quit."),
        QStringLiteral("file")};
    QCommandLineOption importHistory{
        QStringLiteral("import-history"),
        QStringLiteral("Merge an exported history from <file> into this one, and quit."),
        QStringLiteral("file")};
    QCommandLineOption report{
        QStringLiteral("report"),
        QStringLiteral("Print what the practice history says as plain text, and quit.")};
    QCommandLineOption keyboard{
        QStringLiteral("keyboard"),
        QStringLiteral("Play on the computer keyboard with <layout> in this run: keypad (the "
                       "numeric keypad for the right hand) or laptop (M , . / and right Alt)."),
        QStringLiteral("layout")};
    QCommandLineOption verbose{
        QStringLiteral("verbose"),
        QStringLiteral("Show what the MIDI libraries (ALSA, JACK, RtMidi) report on standard "
                       "error; without it a machine without MIDI starts quietly.")};
    QCommandLineOption player{
        QStringLiteral("player"),
        QStringLiteral("With --export-history or --report: only this player's practice."),
        QStringLiteral("name")};

    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(
            QStringLiteral("A trainer for piano finger independence."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({traceEvents, history, keyboard, exportHistory, importHistory, report,
                           player, verbose});
    }
};

// These run without a display: the history commands, and the help and version texts.
bool withoutWindows(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *flag : {"--export-history", "--import-history", "--report", "--help",
                                 "--help-all", "-h", "--version", "-v"}) {
            const std::size_t n = std::strlen(flag);
            if (std::strncmp(argv[i], flag, n) == 0 && (argv[i][n] == '\0' || argv[i][n] == '='))
                return true;
        }
    }
    return false;
}

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Moravel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MORAVEL_VERSION));
}

// The user's data folder, which holds the practice history and, for an installed copy,
// the results log.
QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString historyPath(const QCommandLineParser &parser, const Options &options)
{
    if (parser.isSet(options.history))
        return parser.value(options.history);
    return QDir(dataFolder()).filePath(QString::fromLatin1(HistoryStore::FileName));
}

int runCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameTheProgram();
    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    parser.process(app);
    const QString path = historyPath(parser, options);
    const QString player = parser.value(options.player);
    if (parser.isSet(options.exportHistory))
        return HistoryCommands::exportHistory(path, parser.value(options.exportHistory), player);
    if (parser.isSet(options.importHistory))
        return HistoryCommands::importHistory(path, parser.value(options.importHistory));
    return HistoryCommands::report(path, player);
}

// The record as the player would read it in the log.
QString readable(const QByteArray &record)
{
    QString text = QString::fromLocal8Bit(record);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.trimmed();
}

// The user's remembered settings: the keyboard layout, the MIDI note map, the sound's
// volume and the window's place.
QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Moravel"),
                     QStringLiteral("Moravel"));
}

// The windows speak the system's language when there is a translation for it. The results
// log does not: its texts are the same in every language.
struct Translations {
    QTranslator own;
    // Qt's own texts (the buttons of a warning), when the system has them.
    QTranslator qt;

    Translations()
    {
        if (own.load(QLocale(), QStringLiteral("moravel"), QStringLiteral("_"),
                     QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(&own);
        if (qt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }
};

// What the player chose in earlier runs, and this run's keyboard layout.
struct Preferences {
    InputPreferences input;
    ComfortSettings comfort;

    // False, having said why, for a --keyboard the program does not know.
    bool load(const QCommandLineParser &parser, const Options &options)
    {
        QSettings stored = userSettings();
        input.load(stored);
        comfort.load(stored);
        if (!parser.isSet(options.keyboard))
            return true;
        const auto layout = KeyMap::layoutFromId(parser.value(options.keyboard));
        if (!layout) {
            std::fprintf(stderr, "moravel: --keyboard takes keypad or laptop, not \"%s\"\n",
                         qPrintable(parser.value(options.keyboard)));
            return false;
        }
        input.layout = *layout;
        return true;
    }
};

// One of each platform object the windows reach through their ports.
struct Platform {
    SystemClock clock;
    SystemRandom random;
    QtHandPlayer startAndEndSound{QtHandPlayer::SyncBufferMs};
    QtSyncSound sound{startAndEndSound, [] { QApplication::beep(); }};
    QtProcessStarter processes;
    ToolRegistry registry;
    PracticeObservers events;
    std::unique_ptr<EventTrace> trace;
    // The metronome's output, opened when a rhythm exercise starts: the sound card, or the
    // piano on the MIDI port the player chose (setChoice, once the windows are there).
    PortAudioClickTrack soundCardClicks;
    MidiClickTrack midiClicks;
    ChosenClickTrack clicks{soundCardClicks, midiClicks};

    Platform(const QCommandLineParser &parser, const Options &options)
    {
        if (parser.isSet(options.traceEvents)) {
            trace = std::make_unique<EventTrace>(parser.value(options.traceEvents));
            events.add(*trace);
        }
    }
};

// The practice history, and the writer thread that records every strike in it unless
// the file is one only to read. What a close could not write last time goes in first.
struct PracticeHistory {
    HistoryStore store;
    std::unique_ptr<HistoryRecorder> recorder;
    // What the windows should say about writing; empty while all is well.
    QString notice;
    std::function<void(const QString &)> onNotice;

    PracticeHistory(const QString &path, PracticeObservers &events) : store(path)
    {
        if (!store.isWritable())
            return;
        const HistoryRecorder::Merged merged = HistoryRecorder::mergeSaved(store);
        if (merged.files > 0)
            std::fprintf(stderr, "moravel: %d strikes kept at the last close are now in %s\n",
                         merged.strikes, qPrintable(store.path()));
        for (const QString &problem : merged.problems)
            std::fprintf(stderr, "moravel: %s\n", qPrintable(problem));
        recorder = std::make_unique<HistoryRecorder>(
            store.path(), [this](const HistoryRecorder::Status &status) {
                // From the writer's thread to the windows'.
                QMetaObject::invokeMethod(
                    qApp,
                    [this, text = HistoryStore::problemText(status.problem)] {
                        notice = text;
                        if (onNotice)
                            onNotice(text);
                    },
                    Qt::QueuedConnection);
            });
        events.add(*recorder);
    }
};

// Ending the desktop session (or a service manager) asks with SIGTERM or SIGHUP: the
// program then ends as when its window closes, so practice not yet written is kept.
class OrderlyEnd {
public:
    OrderlyEnd()
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_fds) != 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(s_fds[1], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, qApp,
                         [] { QCoreApplication::quit(); });
        struct sigaction action {};
        action.sa_handler = [](int) {
            const char byte = 1;
            [[maybe_unused]] const auto written = ::write(s_fds[0], &byte, 1);
        };
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGHUP, &action, nullptr);
    }

private:
    static inline int s_fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

AppContext buildContext(PracticeSettings &settings, const ProgramFolder &folder, ResultsLog &log,
                        Platform &platform, PracticeHistory &history, Preferences &preferences,
                        ResultsLogPlaces &logPlaces)
{
    return AppContext{
        .settings = settings,
        .folder = folder,
        .log = log,
        .random = platform.random,
        .sound = platform.sound,
        .processes = platform.processes,
        .registry = platform.registry,
        .clock = platform.clock,
        .events = platform.events,
        .makeTicker = [] { return std::make_unique<QtTicker>(); },
        .makePlayer = [] { return std::make_unique<QtHandPlayer>(); },
        .history = &history.store,
        .input = &preferences.input,
        .saveInput =
            [&preferences] {
                QSettings stored = userSettings();
                preferences.input.save(stored);
            },
        // MIDI comes later (startMidi).
        .midi = nullptr,
        .midiSource = nullptr,
        .resultsLogPath = [&logPlaces] { return logPlaces.path(); },
        .comfort = &preferences.comfort,
        .saveComfort =
            [&preferences] {
                QSettings stored = userSettings();
                preferences.comfort.save(stored);
            },
        .clicks = &platform.clicks,
    };
}

// The player hears where results go the first time a record lands in a new place, and
// sees a record that could be written nowhere, once the drill's own step is over, so that
// he can still note it down; the records an exercise loses together come in one message.
void tellAboutResults(ResultsLogPlaces &places, Forms &forms)
{
    places.onTell = [&forms](const QString &path) {
        std::fprintf(stderr, "moravel: results are kept in %s\n", qPrintable(path));
        if (ExerciseWindow *window = forms.currentExercise())
            window->showNotice(
                QCoreApplication::translate("main", "Results are kept in %1").arg(path), 10000);
    };
    auto lostRecords = std::make_shared<QStringList>();
    places.onLost = [&forms, lostRecords](const QByteArray &record) {
        *lostRecords << readable(record);
        if (lostRecords->size() > 1)
            return;
        QTimer::singleShot(0, &forms, [&forms, lostRecords] {
            const QString text = lostRecords->join(QStringLiteral("\n\n"));
            lostRecords->clear();
            if (ExerciseWindow *window = forms.currentExercise())
                window->warn(QCoreApplication::translate(
                                 "main", "This result could not be written to the results log, "
                                         "neither beside the program nor in your data "
                                         "folder. It is kept, and written as soon as one of "
                                         "them takes it:\n\n%1")
                                 .arg(text));
        });
    };
}

// MIDI input: the notes become strikes of the exercise window the player is at, and a
// keyboard that comes or goes is said on it.
struct Midi {
    MidiSource source;
    std::unique_ptr<RtMidiPorts> ports;

    Midi(InputPreferences &input, Forms &forms) : source(input.notes)
    {
        source.setSink([&forms](const FingerStrike &strike) {
            if (ExerciseWindow *window = forms.currentExercise())
                window->strike(strike);
        });
    }

    // Looking for a MIDI system takes a moment, and finding none changes nothing but the
    // MIDI dialog: the ports come up once the name prompt is on screen.
    void startSoon(const Clock &clock, Forms &forms, AppContext &context)
    {
        QTimer::singleShot(0, &forms, [this, &clock, &forms, &context] {
            ports = std::make_unique<RtMidiPorts>(clock);
            ports->setMessageSink([this](const QString &port, const QByteArray &bytes,
                                         qint64 arrived) { source.message(port, bytes, arrived); });
            ports->setPortSink([this, &forms](const QString &port, bool added) {
                if (!added)
                    source.portGone(port);
                if (ExerciseWindow *window = forms.currentExercise())
                    window->showNotice(
                        added ? QCoreApplication::translate("main", "MIDI keyboard connected: %1")
                                    .arg(port)
                              : QCoreApplication::translate("main", "MIDI keyboard gone: %1")
                                    .arg(port));
            });
            context.midi = ports.get();
            context.midiSource = &source;
        });
    }
};

// Practice waiting to be written is said on every exercise window until it is written.
void tellHistoryWriting(PracticeHistory &history, Forms &forms)
{
    history.onNotice = [&forms](const QString &text) { forms.setStandingNotice(text); };
    forms.setStandingNotice(history.notice);
}

// What the history's start-up check found, said once, over the name prompt.
void tellHistoryNotice(const HistoryStore &history, Forms &forms)
{
    if (history.notice().isEmpty())
        return;
    QTimer::singleShot(0, &forms, [&history, &forms] {
        QMessageBox::information(forms.form(frmLog::name()), QStringLiteral("Moravel"),
                                 history.notice());
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (withoutWindows(argc, argv))
        return runCommand(argc, argv);

    QApplication app(argc, argv);
    nameTheProgram();
    // The program ends when an exercise window closes, not when the last one hides.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/moravel.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.moravel.Moravel"));
    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    parser.process(app);

    const Translations translations;
    Preferences preferences;
    if (!preferences.load(parser, options))
        return 2;

    PracticeSettings settings;
    const ProgramFolder folder =
        ProgramFolder::ofExecutable(QCoreApplication::applicationDirPath());
    ResultsLogFiles logFiles(folder, dataFolder());
    Platform platform(parser, options);
    ResultsLog log(logFiles.places(), platform.clock);
    preferences.comfort.attach(platform.startAndEndSound);
    preferences.comfort.attach(platform.clicks);
    PracticeHistory history(historyPath(parser, options), platform.events);

    AppContext context =
        buildContext(settings, folder, log, platform, history, preferences, logFiles.places());
    Forms forms(context);
    tellAboutResults(logFiles.places(), forms);
    WindowCatalog::registerAll(forms);
    platform.clicks.setChoice([&preferences] { return preferences.input.metronomePort; },
                              [&forms](const QString &text) {
                                  if (ExerciseWindow *window = forms.currentExercise())
                                      window->showNotice(text, 8000);
                              });
    forms.show(frmLog::name());

    RtMidiPorts::setVerbose(parser.isSet(options.verbose));
    PortAudioClickTrack::setVerbose(parser.isSet(options.verbose));
    Midi midi(preferences.input, forms);
    midi.startSoon(platform.clock, forms, context);
    tellHistoryNotice(history.store, forms);
    tellHistoryWriting(history, forms);
    const OrderlyEnd orderlyEnd;
    return app.exec();
}
