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
#include "platform/AppendLogFile.h"
#include "platform/QtHandPlayer.h"
#include "platform/QtProcessStarter.h"
#include "platform/QtSyncSound.h"
#include "platform/QtTicker.h"
#include "platform/RtMidiPorts.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandom.h"
#include "platform/ToolRegistry.h"
#include "settings/ComfortSettings.h"
#include "settings/ResultsLog.h"
#include "settings/ResultsLogPlaces.h"
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
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
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

// What is beside the program under the results log's name, as this user may use it.
ResultsLogPlaces::Existing besideLog(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return ResultsLogPlaces::Existing::None;
    return S_ISREG(info.st_mode) && ::access(name.constData(), W_OK) == 0
               ? ResultsLogPlaces::Existing::Writable
               : ResultsLogPlaces::Existing::NotWritable;
}

bool folderWritable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
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

} // namespace

int main(int argc, char *argv[])
{
    if (withoutWindows(argc, argv))
        return runCommand(argc, argv);

    QApplication app(argc, argv);
    nameTheProgram();
    // The program ends when an exercise window closes, not when the last one hides.
    QApplication::setQuitOnLastWindowClosed(false);
    const Options options;
    QCommandLineParser parser;
    options.addTo(parser);
    parser.process(app);

    // The windows speak the system's language when there is a translation for it. The
    // results log does not: its texts are the same in every language.
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("moravel"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&translator);
    // Qt's own texts (the buttons of a warning), when the system has them.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);

    InputPreferences input;
    ComfortSettings comfort;
    {
        QSettings stored = userSettings();
        input.load(stored);
        comfort.load(stored);
    }
    if (parser.isSet(options.keyboard)) {
        const auto layout = KeyMap::layoutFromId(parser.value(options.keyboard));
        if (!layout) {
            std::fprintf(stderr, "moravel: --keyboard takes keypad or laptop, not \"%s\"\n",
                         qPrintable(parser.value(options.keyboard)));
            return 2;
        }
        input.layout = *layout;
    }

    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/moravel.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.moravel.Moravel"));

    PracticeSettings settings;
    const ProgramFolder folder =
        ProgramFolder::ofExecutable(QCoreApplication::applicationDirPath());
    // Results stay beside a program run in place; an installed copy, whose folder is not
    // this user's to write, keeps them in the user's data folder.
    const QString logName = QString::fromLatin1(ResultsLog::FileName);
    const QString besidePath = folder.localFilePath(logName);
    const QString dataPath = QDir(dataFolder()).filePath(logName);
    AppendLogFile besideFile(besidePath);
    AppendLogFile dataFile(dataPath, true);
    const bool beside =
        ResultsLogPlaces::besideProgram(folderWritable(folder.path()), besideLog(besidePath));
    ResultsLogPlaces::Place besidePlace{besideFile, besidePath, false};
    ResultsLogPlaces::Place dataPlace{dataFile, dataPath, !QFileInfo::exists(dataPath)};
    ResultsLogPlaces logFile(beside ? besidePlace : dataPlace, beside ? dataPlace : besidePlace);
    SystemClock clock;
    ResultsLog log(logFile, clock);
    SystemRandom random;
    QtHandPlayer startAndEndSound(QtHandPlayer::SyncBufferMs);
    QtSyncSound sound(startAndEndSound, [] { QApplication::beep(); });
    comfort.attach(startAndEndSound);
    QtProcessStarter processes;
    ToolRegistry registry;
    PracticeObservers events;
    std::unique_ptr<EventTrace> trace;
    if (parser.isSet(options.traceEvents)) {
        trace = std::make_unique<EventTrace>(parser.value(options.traceEvents));
        events.add(*trace);
    }
    // Every strike goes to the practice history, unless the file is one only to read.
    HistoryStore history(historyPath(parser, options));
    std::unique_ptr<HistoryRecorder> recorder;
    if (history.isWritable()) {
        recorder = std::make_unique<HistoryRecorder>(history.path());
        events.add(*recorder);
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
                       [] { return std::make_unique<QtHandPlayer>(); },
                       &history,
                       &input,
                       [&input] {
                           QSettings stored = userSettings();
                           input.save(stored);
                       },
                       nullptr,
                       nullptr,
                       nullptr,
                       &comfort,
                       [&comfort] {
                           QSettings stored = userSettings();
                           comfort.save(stored);
                       }};

    context.resultsLogPath = [&logFile] { return logFile.path(); };

    Forms forms(context);
    logFile.onTell = [&forms](const QString &path) {
        std::fprintf(stderr, "moravel: results are kept in %s\n", qPrintable(path));
        if (ExerciseWindow *window = forms.currentExercise())
            window->showNotice(
                QCoreApplication::translate("main", "Results are kept in %1").arg(path), 10000);
    };
    // A lost result is said on screen, once the drill's own step is over, so the player
    // can still note it down; the records an exercise loses together come in one message.
    QStringList lostRecords;
    logFile.onLost = [&forms, &app, &lostRecords](const QByteArray &record) {
        lostRecords << readable(record);
        if (lostRecords.size() > 1)
            return;
        QTimer::singleShot(0, &app, [&forms, &lostRecords] {
            const QString text = lostRecords.join(QStringLiteral("\n\n"));
            lostRecords.clear();
            if (ExerciseWindow *window = forms.currentExercise())
                window->warn(QCoreApplication::translate(
                                 "main", "This result could not be written to the results log, "
                                         "neither beside the program nor in your data "
                                         "folder:\n\n%1")
                                 .arg(text));
        });
    };
    WindowCatalog::registerAll(forms);
    forms.show(frmLog::name());

    // MIDI comes up once the name prompt is on screen: looking for a MIDI system takes a
    // moment, and finding none changes nothing but the MIDI dialog.
    MidiSource midiSource(input.notes);
    std::unique_ptr<RtMidiPorts> midi;
    midiSource.setSink([&forms](const FingerStrike &strike) {
        if (ExerciseWindow *window = forms.currentExercise())
            window->strike(strike);
    });
    RtMidiPorts::setVerbose(parser.isSet(options.verbose));
    QTimer::singleShot(0, &app, [&] {
        midi = std::make_unique<RtMidiPorts>(clock);
        midi->setMessageSink(
            [&midiSource](const QString &port, const QByteArray &bytes, qint64 arrived) {
                midiSource.message(port, bytes, arrived);
            });
        midi->setPortSink([&forms, &midiSource](const QString &port, bool added) {
            if (!added)
                midiSource.portGone(port);
            if (ExerciseWindow *window = forms.currentExercise())
                window->showNotice(
                    added
                        ? QCoreApplication::translate("main", "MIDI keyboard connected: %1")
                              .arg(port)
                        : QCoreApplication::translate("main", "MIDI keyboard gone: %1").arg(port));
        });
        context.midi = midi.get();
        context.midiSource = &midiSource;
    });
    if (!history.notice().isEmpty()) {
        // Said once, over the name prompt.
        QTimer::singleShot(0, &app, [&] {
            QMessageBox::information(forms.form(frmLog::name()), QStringLiteral("Moravel"),
                                     history.notice());
        });
    }
    return app.exec();
}
