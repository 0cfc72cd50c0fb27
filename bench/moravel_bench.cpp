// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the program's own time on its key path and the precision of its hand timers,
// with the real windows, drills and timers. Prints one tab-separated row per figure:
// ROW <figure> <value> <target> <met>.
//   moravel_bench keys [samples]   key release to the new task painted, per window
//   moravel_bench rhythmmidi   the Rhythm window's judging of MIDI strikes sent at known
//                                  offsets; needs a running JACK server
//   moravel_bench rhythmkeys [samples]   the same in the Rhythm window, each key pressed
//                                  at its note's time, under the metronome
//   moravel_bench ticks [n400] [n1000]   hand timer ticks against the ideal schedule
//   moravel_bench recording [samples]   the history recorder's cost on the key path
//   moravel_bench statistics HISTORY   the Statistics window's figures, stalls and memory
//   moravel_bench adaptive HISTORY   the adaptive drill's Start and choice of a task
//   moravel_bench make-history FILE [strikes]   a school's synthetic history
//   moravel_bench midi [samples]   MIDI note-on (as it reaches the program) to the new task
//                                  painted; needs a running JACK server
//   moravel_bench clicks COUNT@BPM...   the metronome's click track on the default output,
//                                  the sections one after another; prints every click's
//                                  planned time and when it left as the track knows it
//                                  (CLICK lines) for click_timing.py
#include "Fakes.h"
#include "adaptive/FingerChooser.h"
#include "adaptive/PlayerWeakness.h"
#include "adaptive/WeaknessModel.h"
#include "app/WindowCatalog.h"
#include "drill/DrillCore.h"
#include "drill/DrillHold.h"
#include "drill/EventTrace.h"
#include "drill/ExerciseKind.h"
#include "frame/AppContext.h"
#include "frame/ExerciseWindow.h"
#include "frame/Forms.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"
#include "history/Statistics.h"
#include "history/StatisticsWindow.h"
#include "input/InputPreferences.h"
#include "input/MidiSource.h"
#include "platform/AppendLogFile.h"
#include "platform/PortAudioClickTrack.h"
#include "platform/QtHandPlayer.h"
#include "platform/QtProcessStarter.h"
#include "platform/QtTicker.h"
#include "platform/RtMidiPorts.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandom.h"
#include "platform/ToolRegistry.h"
#include "ports/SyncSound.h"
#include "rhythm/FormRhythm.h"
#include "rhythm/RhythmDrill.h"
#include "settings/ResultsLog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <RtMidi.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <thread>
#include <time.h>
#include <vector>

namespace {

QElapsedTimer g_clock;

double nowMs()
{
    return static_cast<double>(g_clock.nsecsElapsed()) / 1e6;
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(v.size()))) - 1;
    return v[std::min(i, v.size() - 1)];
}

void row(const QString &figure, const QString &value, const QString &target, bool met)
{
    std::printf("ROW\t%s\t%s\t%s\t%s\n", qPrintable(figure), qPrintable(value), qPrintable(target),
                met ? "yes" : "NO");
    std::fflush(stdout);
}

// A real hand timer whose ticks are time-stamped; a timer marked `quick` runs its period
// at a twentieth, so the preschool feedback delay does not dominate the run.
class StampedTicker : public Ticker {
public:
    void start() override { m_inner.start(); }
    void stop() override { m_inner.stop(); }
    void setInterval(int ms) override
    {
        m_interval = ms;
        m_inner.setInterval(quick ? std::max(1, ms / 20) : ms);
    }
    int interval() const override { return m_interval; }
    bool isActive() const override { return m_inner.isActive(); }
    void setCallback(std::function<void()> onTick) override
    {
        m_inner.setCallback([this, onTick = std::move(onTick)] {
            if (quick && onStamp)
                onStamp(nowMs());
            if (onTick)
                onTick();
        });
    }
    bool quick = false;
    std::function<void(double)> onStamp;

private:
    QtTicker m_inner;
    int m_interval = 1000;
};

struct Rig {
    QTemporaryDir dir;
    PracticeSettings settings;
    AppendLogFile logFile{dir.filePath(QStringLiteral("Results Log.TXT"))};
    SystemClock clock;
    ResultsLog log{logFile, clock};
    SystemRandom random;
    // The start and end sounds are silent here and hold the drill for no time.
    FakeSyncSound sound;
    QtProcessStarter processes;
    ToolRegistry registry;
    // Every practice event goes to a trace file, as with --trace-events, and, as in the
    // program, to the practice history: the figures include both.
    EventTrace trace{dir.filePath(QStringLiteral("events.jsonl"))};
    std::unique_ptr<HistoryStore> history;
    std::unique_ptr<HistoryRecorder> recorder;
    PracticeObservers events;
    std::vector<StampedTicker *> tickers;
    AppContext context{.settings = settings,
                       .folder = ProgramFolder(QCoreApplication::applicationDirPath()),
                       .log = log,
                       .random = random,
                       .sound = sound,
                       .processes = processes,
                       .registry = registry,
                       .clock = clock,
                       .events = events,
                       .makeTicker =
                           [this] {
                               auto t = std::make_unique<StampedTicker>();
                               tickers.push_back(t.get());
                               return std::unique_ptr<Ticker>(std::move(t));
                           },
                       .makePlayer = [] { return std::make_unique<QtHandPlayer>(); }};
    Forms forms{context};
    explicit Rig(bool recordHistory = true)
    {
        events.add(trace);
        if (recordHistory) {
            history =
                std::make_unique<HistoryStore>(dir.filePath(QStringLiteral("history.sqlite")));
            recorder = std::make_unique<HistoryRecorder>(history->path());
            events.add(*recorder);
            context.history = history.get();
        }
        WindowCatalog::registerAll(forms);
    }
};

// Times one window: from the delivery of a finger key's release (or, where the next task
// waits for a feedback timer, from that timer's tick) to the end of the repaint in which a
// label showing new text was painted.
class KeyProbe : public QObject {
public:
    explicit KeyProbe(ExerciseWindow *window) : m_window(window)
    {
        for (QLabel *label : window->findChildren<QLabel *>())
            label->installEventFilter(this);
        window->installEventFilter(this);
        // Installed after the window's own filter, so it sees the key first.
        qApp->installEventFilter(this);
    }
    ~KeyProbe() override { qApp->removeEventFilter(this); }

    void armOnTick(double at)
    {
        if (m_waitForTick) {
            m_start = at;
            m_started = true;
        }
    }

    // The finger that answers the hand's task.
    int fingerFor(Hand hand) const
    {
        const QString task =
            hand == Hand::Left ? m_window->drill()->Leva() : m_window->drill()->Desna();
        const int finger = task.toInt();
        return finger >= 1 && finger <= 5 ? finger : 1;
    }

    // One sample of another input: send() makes the strike, and the clock starts when the
    // strike reaches the program (armOnTick with that moment).
    double sampleBy(const std::function<void()> &send, int waitMs)
    {
        arm(true);
        send();
        return awaitPaint(waitMs);
    }

    // One sample: press and release the finger key that answers the hand's task. Returns
    // the time in ms, or a negative value when no new text was painted within the wait.
    double sample(Hand hand, bool waitForTick, int waitMs)
    {
        const int finger = fingerFor(hand);
        static const int left[] = {Qt::Key_Space, Qt::Key_V, Qt::Key_C, Qt::Key_X, Qt::Key_Z};
        static const int right[] = {Qt::Key_3, Qt::Key_NumLock, Qt::Key_Slash, Qt::Key_Asterisk,
                                    Qt::Key_Minus};
        const int key = hand == Hand::Left ? left[finger - 1] : right[finger - 1];
        const Qt::KeyboardModifiers mods =
            hand == Hand::Right && key != Qt::Key_NumLock ? Qt::KeypadModifier : Qt::NoModifier;

        QKeyEvent press(QEvent::KeyPress, key, mods);
        QCoreApplication::sendEvent(m_window, &press);
        QCoreApplication::processEvents();

        arm(waitForTick);
        QCoreApplication::postEvent(m_window, new QKeyEvent(QEvent::KeyRelease, key, mods));
        return awaitPaint(waitMs);
    }

    // Notes what the labels show now, so that a new text can be told.
    void arm(bool waitForTick)
    {
        m_before.clear();
        for (QLabel *label : m_window->findChildren<QLabel *>())
            m_before.insert(label, label->text());
        m_waitForTick = waitForTick;
        m_started = false;
        m_newTextPainted = false;
        m_done = false;
    }

    // Until a new text was painted, or the wait is over: the time in ms, or -1.
    double awaitPaint(int waitMs)
    {
        // Sleeps between events: a busy wait would compete with the program for the CPU.
        bool late = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&late] { late = true; });
        guard.start(waitMs);
        while (!m_done && !late)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        m_waitForTick = false;
        return m_done ? m_end - m_start : -1.0;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyRelease && watched == m_window && !m_waitForTick) {
            m_start = nowMs();
            m_started = true;
        } else if (type == QEvent::Paint && m_started) {
            auto *label = qobject_cast<QLabel *>(watched);
            if (label && m_before.value(label) != label->text())
                m_newTextPainted = true;
        } else if (type == QEvent::UpdateRequest && watched == m_window && m_started && !m_done) {
            // The whole repaint and its flush, then the stamp.
            static_cast<QObject *>(m_window)->event(event);
            if (m_newTextPainted) {
                m_end = nowMs();
                m_done = true;
            }
            return true;
        }
        return false;
    }

private:
    ExerciseWindow *m_window;
    QHash<QLabel *, QString> m_before;
    bool m_waitForTick = false;
    bool m_started = false;
    bool m_newTextPainted = false;
    bool m_done = false;
    double m_start = 0;
    double m_end = 0;
};

struct KeyFigure {
    QString window;
    bool feedbackTimer = false;
    std::vector<double> times;
    // The same times by the kind each sample was (see timeKeys' `kindOf`).
    std::vector<double> byKind[2];
    int missed = 0;
    bool built = true;
};

KeyFigure timeKeys(Rig &rig, const char *name, bool feedbackTimer, int samples,
                   const std::function<int(int)> &kindOf = {})
{
    KeyFigure figure{QString::fromLatin1(name), feedbackTimer, {}, {}, 0, true};
    const size_t firstTicker = rig.tickers.size();
    auto *window = qobject_cast<ExerciseWindow *>(rig.forms.show(figure.window));
    if (!window || !window->drill()) {
        figure.built = false;
        return figure;
    }
    // Long enough drills that no hand ends during the run.
    rig.settings.TaskCountLeft = rig.settings.TaskCountRight = 30000;
    rig.settings.SequenceCountLeft = rig.settings.SequenceCountRight = 30000;
    KeyProbe probe(window);
    // The window's own hand timers come first; the preschool feedback timers follow.
    for (size_t i = firstTicker + 2; i < rig.tickers.size(); ++i) {
        rig.tickers[i]->quick = feedbackTimer;
        rig.tickers[i]->setInterval(rig.tickers[i]->interval());
        rig.tickers[i]->onStamp = [&probe](double at) { probe.armOnTick(at); };
    }
    window->trigger(Command::mnuStart);
    QCoreApplication::processEvents();
    for (int i = 0; i < samples + 20; ++i) {
        const int kind = kindOf ? kindOf(i) : 0;
        const double t = probe.sample(i % 2 ? Hand::Right : Hand::Left, feedbackTimer, 300);
        if (i < 20)
            continue; // warm-up: caches, first paints
        if (t < 0) {
            ++figure.missed;
        } else {
            figure.times.push_back(t);
            figure.byKind[kind].push_back(t);
        }
    }
    window->hide();
    return figure;
}

int runKeys(int samples)
{
    Rig rig;
    const struct {
        const char *name;
        bool feedbackTimer;
    } windows[] = {
        {"FormRand", false}, {"FormSeq", false}, {"FormMemory", false}, {"frmPreschool", true}};
    int failures = 0;
    for (const auto &w : windows) {
        const KeyFigure k = timeKeys(rig, w.name, w.feedbackTimer, samples);
        if (!k.built) {
            row(QStringLiteral("key release to new task painted, %1").arg(k.window),
                QStringLiteral("window not built"), QStringLiteral("< 1 / < 3 ms"), false);
            ++failures;
            continue;
        }
        const double p50 = percentile(k.times, 50), p99 = percentile(k.times, 99);
        const bool met = !k.times.empty() && p50 < 1.0 && p99 < 3.0;
        QString figure =
            QStringLiteral("key release to new task painted, %1 p50 / p99").arg(k.window);
        if (k.feedbackTimer)
            figure =
                QStringLiteral("feedback tick to new task painted, %1 p50 / p99").arg(k.window);
        QString value = QStringLiteral("%1 / %2 ms (n=%3")
                            .arg(p50, 0, 'f', 2)
                            .arg(p99, 0, 'f', 2)
                            .arg(k.times.size());
        value += k.missed ? QStringLiteral(", %1 unchanged)").arg(k.missed) : QStringLiteral(")");
        row(figure, value, QStringLiteral("< 1 / < 3 ms"), met);
        if (!met)
            ++failures;
    }
    return failures ? 1 : 0;
}

// The Rhythm window under its metronome (the real click track, when there is a sound output):
// each finger key is pressed at its note's time on the grid, hands in turn, and timed from
// its release to the repaint in which the new finger and score were painted.
int runRhythmKeys(int samples)
{
    Rig rig;
    PortAudioClickTrack track;
    rig.context.clicks = &track;
    auto *window = qobject_cast<FormRhythm *>(rig.forms.show(QStringLiteral("FormRhythm")));
    if (!window) {
        row(QStringLiteral("key release to next note painted, FormRhythm"),
            QStringLiteral("window not built"), QStringLiteral("< 1 / < 3 ms"), false);
        return 1;
    }
    RhythmDrill &drill = *window->logic();
    RhythmDrill::Options options = drill.options();
    options.bpm = 120; // two notes a beat: one every 250 ms
    options.notesPerBeat = {2, 2};
    options.lengthIn = RhythmGrid::Length::Bars;
    options.length = std::min(99, (samples + 20) / 16 + 2);
    options.countIn = true;
    drill.setOptions(options);
    KeyProbe probe(window);
    window->trigger(Command::mnuStart);
    std::vector<double> times;
    int missed = 0;
    for (int i = 0; i < samples + 20 && drill.isPlaying(); ++i) {
        const Hand hand = i % 2 ? Hand::Right : Hand::Left;
        const RhythmJudge *judge = drill.judge();
        const QList<int> next =
            judge ? judge->ahead(hand, rig.clock.monotonicNs(), 1) : QList<int>{};
        if (next.isEmpty()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            continue;
        }
        // To the note's time, the program's events handled meanwhile (the metronome, the
        // display following the grid).
        const qint64 due = judge->grid().notes(hand)[next.first()].timeNs;
        while (rig.clock.monotonicNs() < due - 300'000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QThread::usleep(200);
        }
        const double t = probe.sample(hand, false, 200);
        if (i < 20)
            continue;
        if (t < 0)
            ++missed;
        else
            times.push_back(t);
    }
    const double p50 = percentile(times, 50), p99 = percentile(times, 99);
    const bool met = !times.empty() && p99 < 1.0;
    row(QStringLiteral("key release to next note painted under the metronome, FormRhythm p50 / "
                       "p99 (%1)")
            .arg(track.isRunning() ? QStringLiteral("clicks sounding")
                                   : QStringLiteral("no sound output")),
        QStringLiteral("%1 / %2 ms (n=%3%4)")
            .arg(p50, 0, 'f', 2)
            .arg(p99, 0, 'f', 2)
            .arg(times.size())
            .arg(missed ? QStringLiteral(", %1 unchanged").arg(missed) : QString()),
        QStringLiteral("p99 < 1 ms"), met);
    window->hide();
    return met ? 0 : 1;
}

// Passes the events on, or not: recording switched on and off from key to key.
class Switch : public PracticeObserver {
public:
    explicit Switch(PracticeObserver &to) : m_to(to) {}
    void practiceEvent(const PracticeEvent &event) override
    {
        if (on)
            m_to.practiceEvent(event);
    }
    bool on = true;

private:
    PracticeObserver &m_to;
};

// The practice history's cost on the key path: the random drill's keys, recorded and not
// recorded in turns (two keys each, one a hand), so both kinds see the same machine.
int runRecording(int samples)
{
    Rig rig(false);
    HistoryStore store(rig.dir.filePath(QStringLiteral("history.sqlite")));
    HistoryRecorder recorder(store.path());
    Switch recording(recorder);
    rig.events.add(recording);
    const KeyFigure k = timeKeys(rig, "FormRand", false, samples, [&](int i) {
        recording.on = (i / 2) % 2 == 0;
        return recording.on ? 1 : 0;
    });
    recorder.flush();
    const double p99With = percentile(k.byKind[1], 99), p99Without = percentile(k.byKind[0], 99);
    const double cost = p99With - p99Without;
    row(QStringLiteral("history recording on the key path, FormRand p99 with / without"),
        QStringLiteral("%1 / %2 ms (%3%4 ms, n=%5)")
            .arg(p99With, 0, 'f', 2)
            .arg(p99Without, 0, 'f', 2)
            .arg(cost >= 0 ? QStringLiteral("+") : QString())
            .arg(cost, 0, 'f', 2)
            .arg(k.times.size()),
        QStringLiteral("at most +0.1 ms"), cost <= 0.1);
    return cost <= 0.1 ? 0 : 1;
}

// A school's history: `strikes` strikes by five players, 100 tasks a hand per exercise, every
// kind of exercise in turn (the memory test with a note to remember before each played
// one), spread over the last year. One player is a fifth of it.
void makeHistory(const QString &path, int strikes)
{
    HistoryStore store(path);
    QRandomGenerator random(11);
    const int perHand = 100;
    const int exercises = std::max(1, strikes / (2 * perHand));
    const QStringList players = {QStringLiteral("Ana"), QStringLiteral("Ben"),
                                 QStringLiteral("Clara"), QStringLiteral("David"),
                                 QStringLiteral("Eva")};
    const auto kinds = ExerciseKinds::all();
    const QDateTime now = QDateTime::currentDateTime();
    QList<PracticeEvent> events;
    for (int e = 0; e < exercises; ++e) {
        events.clear();
        PracticeEvent start;
        start.type = PracticeEvent::Type::ExerciseStarted;
        start.exercise = quint64(e + 1);
        const ExerciseKind kind = kinds[std::size_t(e / players.size()) % kinds.size()];
        start.kind = ExerciseKinds::id(kind);
        start.player = players[e % players.size()];
        start.wallClock = now.addSecs(qint64(e - exercises) * 364 * 86400 / exercises);
        start.timeNs = 1;
        events << start;
        const bool memory = kind == ExerciseKind::Memory;
        double at = 0;
        int task = 0;
        for (int t = 1; t <= perHand; ++t) {
            // The memory test shows a note to remember, struck but not scored, then one to play.
            for (const bool memorize :
                 memory ? std::vector<bool>{true, false} : std::vector<bool>{false}) {
                ++task;
                for (Hand h : {Hand::Left, Hand::Right}) {
                    PracticeEvent shown;
                    shown.type = PracticeEvent::Type::TaskShown;
                    shown.exercise = start.exercise;
                    shown.hand = h;
                    shown.task = task;
                    shown.memorize = memorize;
                    shown.expected = int(random.bounded(5)) + 1;
                    at += 200 + random.bounded(300.0);
                    shown.timeNs = qint64(at * 1e6);
                    events << shown;
                    if (memorize && t % 2)
                        continue;
                    PracticeEvent strike = shown;
                    strike.type = PracticeEvent::Type::Strike;
                    strike.struck =
                        random.bounded(10) ? shown.expected : int(random.bounded(5)) + 1;
                    strike.right = strike.struck == shown.expected;
                    strike.reactionMs = 250 + random.bounded(400.0) + shown.expected * 20;
                    strike.points = strike.right && !memorize ? 5 : 0;
                    strike.device = QStringLiteral("keyboard");
                    strike.timeNs = shown.timeNs + qint64(*strike.reactionMs * 1e6);
                    events << strike;
                }
            }
        }
        PracticeEvent end;
        end.type = PracticeEvent::Type::ExerciseFinished;
        end.exercise = start.exercise;
        events << end;
        store.record(events);
    }
}

// Resident memory of this process, MB.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return NAN;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return NAN;
}

// User > Statistics over a school's history, as the program opens it: the figures read on
// a worker thread with their own connection. From the command to the first figures shown,
// with the longest time the window did not answer meanwhile (a 5 ms timer's largest gap),
// for one player and for all players, period "All"; then resident memory over three
// openings.
int runStatistics(const QString &path)
{
    HistoryStore main(path);
    const StatisticsWindow::Compute compute = [path](const HistoryFilter &filter) {
        const HistoryStore store(path, HistoryStore::Mode::Read);
        return store.statistics(filter, QDateTime::currentDateTime());
    };
    const auto open = [&](const QString &player, double *stallMs) {
        auto *window = new StatisticsWindow(compute);
        window->setExercises(WindowCatalog::statisticsChoices());
        window->setComputeInBackground(true);
        window->setPlayers(main.players(), player);
        window->show();
        QCoreApplication::processEvents();
        auto *period = window->findChild<QComboBox *>(QStringLiteral("cboPeriod"));
        auto *who = window->findChild<QComboBox *>(QStringLiteral("cboPlayer"));
        const double start = nowMs();
        // Period "All": the choice starts the computation, as the player's would.
        if (player.isEmpty())
            who->setCurrentIndex(0);
        period->setCurrentIndex(3);
        double last = nowMs(), stall = 0;
        QTimer beat;
        beat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&beat, &QTimer::timeout, [&] {
            const double t = nowMs();
            stall = std::max(stall, t - last);
            last = t;
        });
        beat.start(5);
        // The event loop sleeps between events, as the program's does: a loop spinning on
        // processEvents would take a core from the computation.
        QEventLoop wait;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!window->isBusy() || nowMs() - start > 30000)
                wait.quit();
        });
        poll.start(1);
        wait.exec();
        poll.stop();
        beat.stop();
        window->repaint();
        const double took = nowMs() - start;
        if (stallMs)
            *stallMs = stall;
        window->close();
        delete window;
        QCoreApplication::processEvents();
        return took;
    };
    int failures = 0;
    for (const QString &player : {QStringLiteral("Ana"), QString()}) {
        std::vector<double> times, stalls;
        for (int run = 0; run < 3; ++run) {
            double stall = 0;
            times.push_back(open(player, &stall));
            stalls.push_back(stall);
        }
        const double target = player.isEmpty() ? 1000 : 300;
        const bool met = percentile(times, 100) < target && percentile(stalls, 100) < 50;
        failures += met ? 0 : 1;
        row(QStringLiteral("Statistics window to first figures, %1, p50 / max; longest "
                           "stall")
                .arg(player.isEmpty() ? QStringLiteral("all players")
                                      : QStringLiteral("one player (a fifth)")),
            QStringLiteral("%1 / %2 ms (n=%3); %4 ms")
                .arg(percentile(times, 50), 0, 'f', 0)
                .arg(percentile(times, 100), 0, 'f', 0)
                .arg(times.size())
                .arg(percentile(stalls, 100), 0, 'f', 0),
            QStringLiteral("< %1 ms; never stops answering").arg(target), met);
    }
    std::vector<double> rss;
    for (int run = 0; run < 3; ++run) {
        open(QString(), nullptr);
        rss.push_back(residentMb());
    }
    const bool memoryMet = rss.back() < 100 && rss.back() - rss.front() < 5;
    row(QStringLiteral("resident memory after opening Statistics (all players) 1, 2, 3 times"),
        QStringLiteral("%1, %2, %3 MB")
            .arg(rss[0], 0, 'f', 0)
            .arg(rss[1], 0, 'f', 0)
            .arg(rss[2], 0, 'f', 0),
        QStringLiteral("< 100 MB, no growth"), memoryMet);
    return failures == 0 && memoryMet ? 0 : 1;
}

// The adaptive drill's Start over a school's history: the player's fifth of it read and
// made into finger weaknesses; then each choice of a task.
int runAdaptive(const QString &path)
{
    HistoryStore store(path);
    std::vector<double> starts;
    WeaknessModel model;
    for (int run = 0; run < 6; ++run) {
        const double start = nowMs();
        model = playerWeakness(store, QStringLiteral("Ana"), QDateTime::currentDateTime());
        starts.push_back(nowMs() - start);
    }
    // The first reading takes the player's whole history and keeps the model; the window
    // does it in the background as it opens. Every Start after it reads on from there.
    const double first = starts.front();
    starts.erase(starts.begin());
    row(QStringLiteral("adaptive: one player's whole history (a fifth) read into weaknesses, "
                       "in the background as the window opens"),
        QStringLiteral("%1 ms").arg(first, 0, 'f', 0), QStringLiteral("off the key path"), true);
    row(QStringLiteral("adaptive Start after it, p50 / max"),
        QStringLiteral("%1 / %2 ms (n=%3)")
            .arg(percentile(starts, 50), 0, 'f', 1)
            .arg(percentile(starts, 100), 0, 'f', 1)
            .arg(starts.size()),
        QStringLiteral("< 150 ms"), percentile(starts, 100) < 150);
    SystemRandom random;
    FingerChooser chooser[2];
    std::vector<double> times;
    const int draws = 20000;
    times.reserve(draws);
    int sum = 0;
    for (int i = 0; i < draws; ++i) {
        const Hand h = BothHands[i % 2];
        FingerChooser &hands = chooser[handIndex(h)];
        const auto t0 = std::chrono::steady_clock::now();
        sum += hands.choose(model, h, random);
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        // Each hand's strike goes into the model, as in the drill.
        model.observe(h, 0, hands.recent().last(), true, 400);
    }
    const double p50 = percentile(times, 50), p99 = percentile(times, 99);
    row(QStringLiteral("adaptive: choosing a task, p50 / p99"),
        QStringLiteral("%1 / %2 us (n=%3)").arg(p50, 0, 'f', 2).arg(p99, 0, 'f', 2).arg(draws),
        QStringLiteral("< 50 us"), p99 < 50 && sum > 0);
    return p99 < 50 ? 0 : 1;
}

// One series: a hand timer restarted every 5 ticks, as each task restarts it; every tick
// is compared with start + k * period.
struct Series {
    int period;
    int total;
    QtTicker ticker;
    std::vector<double> errors;
    std::vector<double> countdownErrors;
    double start = 0;
    int inCountdown = 0;
    int done = 0;

    Series(int p, int n) : period(p), total(n)
    {
        ticker.setInterval(period);
        ticker.setCallback([this] { tick(); });
    }
    void begin()
    {
        if (done >= total)
            return;
        inCountdown = 0;
        start = nowMs();
        ticker.start();
    }
    void tick()
    {
        const double now = nowMs();
        ++inCountdown;
        ++done;
        const double error = now - (start + inCountdown * period);
        errors.push_back(std::abs(error));
        if (inCountdown == 5) {
            countdownErrors.push_back(std::abs(error));
            ticker.stop();
            begin();
        } else if (done >= total) {
            ticker.stop();
        }
    }
    bool finished() const { return done >= total; }
};

int runTicks(int n400, int n1000)
{
    Series a(400, n400), b(1000, n1000);
    a.begin();
    b.begin();
    while (!a.finished() || !b.finished())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    int failures = 0;
    for (const Series *s : {&a, &b}) {
        double mean = 0;
        for (double e : s->errors)
            mean += e;
        mean /= static_cast<double>(s->errors.size());
        const double p99 = percentile(s->errors, 99);
        const double worst =
            s->countdownErrors.empty()
                ? NAN
                : *std::max_element(s->countdownErrors.begin(), s->countdownErrors.end());
        const bool met = mean < 1.0 && p99 < 3.0;
        row(QStringLiteral("tick error at %1 ms, mean / p99 (%2 ticks)")
                .arg(s->period)
                .arg(s->errors.size()),
            QStringLiteral("%1 / %2 ms").arg(mean, 0, 'f', 2).arg(p99, 0, 'f', 2),
            QStringLiteral("< 1 / < 3 ms"), met);
        row(QStringLiteral("5-tick countdown at %1 ms, worst end error (%2 countdowns)")
                .arg(s->period)
                .arg(s->countdownErrors.size()),
            QStringLiteral("%1 ms").arg(worst, 0, 'f', 2), QStringLiteral("<= 5 ms"), worst <= 5.0);
        failures += met && worst <= 5.0 ? 0 : 1;
    }
    return failures ? 1 : 0;
}

// A MIDI piano playing the random drill: an RtMidi sender in this process plays into the
// program's own port through the JACK server; each sample runs from the moment the note-on
// reached the program (stamped on RtMidi's thread, as the drill times it) to the new task
// painted. What JACK's period adds before that moment is the MIDI system's, not ours.
int runMidi(int samples)
{
    Rig rig(false);
    RtMidiPorts ports(rig.clock);
    if (!ports.available()) {
        row(QStringLiteral("MIDI note-on to new task painted, FormRand"),
            QStringLiteral("no MIDI system (start jackd)"), QStringLiteral("p99 < 2 ms"), false);
        return 1;
    }
    const NoteMap notes = NoteMap::fivefingerC();
    MidiSource source(notes);
    rig.context.midi = &ports;
    rig.context.midiSource = &source;
    auto *window = qobject_cast<ExerciseWindow *>(rig.forms.show(QStringLiteral("FormRand")));
    rig.settings.TaskCountLeft = rig.settings.TaskCountRight = 30000;
    KeyProbe probe(window);
    const qint64 offsetNs = rig.clock.monotonicNs() - g_clock.nsecsElapsed();
    ports.setMessageSink([&](const QString &port, const QByteArray &bytes, qint64 arrived) {
        if (bytes.size() == 3 && (quint8(bytes[0]) & 0xF0) == 0x90 && bytes[2] != 0)
            probe.armOnTick(double(arrived - offsetNs) / 1e6);
        source.message(port, bytes, arrived);
    });
    source.setSink([window](const FingerStrike &strike) { window->strike(strike); });

    RtMidiOut sender(RtMidi::UNIX_JACK, "bench-piano");
    for (unsigned i = 0; i < sender.getPortCount(); ++i) {
        if (sender.getPortName(i) == "Moravel:Moravel")
            sender.openPort(i);
    }
    window->trigger(Command::mnuStart);
    QCoreApplication::processEvents();
    std::vector<double> times;
    int missed = 0;
    for (int i = 0; i < samples + 20; ++i) {
        const Hand hand = i % 2 ? Hand::Right : Hand::Left;
        const int note = notes.note({hand, probe.fingerFor(hand)});
        const double t = probe.sampleBy(
            [&] {
                const std::vector<unsigned char> on = {0x90, (unsigned char)note, 80};
                const std::vector<unsigned char> off = {0x80, (unsigned char)note, 0};
                sender.sendMessage(&on);
                sender.sendMessage(&off);
            },
            300);
        if (i < 20)
            continue;
        if (t < 0)
            ++missed;
        else
            times.push_back(t);
    }
    const double p50 = percentile(times, 50), p99 = percentile(times, 99);
    const bool met = !times.empty() && p99 < 2.0;
    QString value = QStringLiteral("%1 / %2 ms (n=%3")
                        .arg(p50, 0, 'f', 2)
                        .arg(p99, 0, 'f', 2)
                        .arg(times.size());
    value += missed ? QStringLiteral(", %1 unchanged)").arg(missed) : QStringLiteral(")");
    row(QStringLiteral("MIDI note-on arrival to new task painted, FormRand p50 / p99"), value,
        QStringLiteral("p99 < 2 ms"), met);
    return met ? 0 : 1;
}

// How exactly the Rhythm window judges MIDI strikes: a piano of the benchmark's own sends
// each note of both hands at a random offset (within 40 ms either way) from its time on the
// grid, from a thread that sleeps to each moment; the deviations the drill reports are set
// against the offsets sent. Needs a running JACK server.
int runRhythmMidi()
{
    Rig rig(false);
    RtMidiPorts ports(rig.clock);
    const QString figure =
        QStringLiteral("Rhythm window, MIDI: strike deviation against the offset played, "
                       "constant part / p99 of the rest");
    if (!ports.available()) {
        row(figure, QStringLiteral("no MIDI system (start jackd)"),
            QStringLiteral("p99 < 2 ms after calibration"), false);
        return 1;
    }
    const NoteMap notes = NoteMap::fivefingerC();
    MidiSource source(notes);
    rig.context.midi = &ports;
    rig.context.midiSource = &source;
    // The deviations, by hand and note number, as the drill reports them.
    struct Deviations : PracticeObserver {
        std::map<std::pair<int, int>, double> of;
        void practiceEvent(const PracticeEvent &e) override
        {
            if (e.type == PracticeEvent::Type::Strike && e.deviationMs)
                of[{int(handIndex(e.hand)), e.task}] = *e.deviationMs;
        }
    } deviations;
    rig.events.add(deviations);
    auto *window = qobject_cast<FormRhythm *>(rig.forms.show(QStringLiteral("FormRhythm")));
    ports.setMessageSink([&](const QString &port, const QByteArray &bytes, qint64 arrived) {
        source.message(port, bytes, arrived);
    });
    source.setSink([window](const FingerStrike &strike) { window->strike(strike); });
    RtMidiOut sender(RtMidi::UNIX_JACK, "bench-piano");
    for (unsigned i = 0; i < sender.getPortCount(); ++i) {
        if (sender.getPortName(i) == "Moravel:Moravel")
            sender.openPort(i);
    }
    RhythmDrill &drill = *window->logic();
    window->trigger(Command::mnuStart);
    QElapsedTimer waited;
    waited.start();
    while (!drill.judge() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!drill.judge()) {
        row(figure, QStringLiteral("the exercise did not start"),
            QStringLiteral("p99 < 2 ms after calibration"), false);
        return 1;
    }
    struct Sent {
        qint64 atNs;
        int hand, task, note;
        double offsetMs;
    };
    std::vector<Sent> plan;
    QRandomGenerator random(7);
    for (Hand h : BothHands) {
        const QList<RhythmGrid::Note> &grid = drill.judge()->grid().notes(h);
        for (const RhythmGrid::Note &n : grid) {
            const double offset = random.bounded(80.0) - 40.0;
            plan.push_back({n.timeNs + qint64(offset * 1e6), int(handIndex(h)), n.index + 1,
                            notes.note({h, n.finger}), offset});
        }
    }
    std::sort(plan.begin(), plan.end(),
              [](const Sent &a, const Sent &b) { return a.atNs < b.atNs; });
    std::thread piano([&] {
        for (const Sent &s : plan) {
            const timespec at{time_t(s.atNs / 1'000'000'000), long(s.atNs % 1'000'000'000)};
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
            const std::vector<unsigned char> on = {0x90, (unsigned char)s.note, 80};
            sender.sendMessage(&on);
            const std::vector<unsigned char> off = {0x80, (unsigned char)s.note, 0};
            sender.sendMessage(&off);
        }
    });
    while (drill.isPlaying() || waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    piano.join();
    std::vector<double> errors;
    for (const Sent &s : plan) {
        const auto it = deviations.of.find({s.hand, s.task});
        if (it != deviations.of.end())
            errors.push_back(it->second - s.offsetMs);
    }
    if (errors.size() < plan.size() * 9 / 10) {
        row(figure, QStringLiteral("%1 of %2 notes judged").arg(errors.size()).arg(plan.size()),
            QStringLiteral("p99 < 2 ms after calibration"), false);
        return 1;
    }
    const double bias = percentile(errors, 50);
    std::vector<double> rest;
    for (double e : errors)
        rest.push_back(std::abs(e - bias));
    const double p99 = percentile(rest, 99);
    row(figure,
        QStringLiteral("%1 / %2 ms (n=%3)")
            .arg(bias, 0, 'f', 2)
            .arg(p99, 0, 'f', 2)
            .arg(errors.size()),
        QStringLiteral("p99 < 2 ms after calibration"), p99 < 2.0);
    return p99 < 2.0 ? 0 : 1;
}

// The click track as the Rhythm window drives it: started (once a drill, off the key path:
// PortAudio asks ALSA and JACK for their devices), then clicks scheduled about two
// seconds ahead as the exercise goes (every fourth an accent), from a thread other than the
// audio one. The first click comes 3 s after the start, since a PulseAudio null sink holds a
// new stream back for up to two seconds. Every click is printed once it has sounded:
// CLICK <index> <bpm> <planned ns> <left ns, or - when dropped>.
int runClicks(const QStringList &sections)
{
    struct Click {
        qint64 plannedNs;
        int bpm;
    };
    SystemClock clock;
    PortAudioClickTrack track;
    const qint64 before = clock.monotonicNs();
    const bool started = track.start();
    const double startMs = double(clock.monotonicNs() - before) / 1e6;
    row(QStringLiteral("click track start(): the sound system asked, the stream opened"),
        started ? QStringLiteral("%1 ms").arg(startMs, 0, 'f', 1) : QStringLiteral("no output"),
        QStringLiteral("< 250 ms"), started && startMs < 250);
    if (!started)
        return 1;
    std::vector<Click> clicks;
    qint64 at = clock.monotonicNs() + 3'000'000'000;
    for (const QString &section : sections) {
        const int count = section.section(QLatin1Char('@'), 0, 0).toInt();
        const int bpm = section.section(QLatin1Char('@'), 1, 1).toInt();
        for (int i = 0; i < count && bpm > 0; ++i) {
            clicks.push_back({at, bpm});
            at += 60'000'000'000LL / bpm;
        }
    }
    std::size_t scheduled = 0;
    std::size_t reported = 0;
    double latencyMs = 0;
    while (reported < clicks.size()) {
        QThread::msleep(200);
        const qint64 now = clock.monotonicNs();
        for (; scheduled < clicks.size() && clicks[scheduled].plannedNs < now + 2'000'000'000;
             ++scheduled)
            track.schedule(clicks[scheduled].plannedNs, scheduled % 4 == 0);
        latencyMs = double(track.outputLatencyNs()) / 1e6;
        for (; reported < scheduled && clicks[reported].plannedNs < now - 500'000'000; ++reported) {
            const std::optional<ClickTrack::Placed> placed =
                track.placed(clicks[reported].plannedNs);
            std::printf("CLICK\t%zu\t%d\t%lld\t%s\n", reported, clicks[reported].bpm,
                        static_cast<long long>(clicks[reported].plannedNs),
                        placed ? qPrintable(QString::number(placed->leftNs)) : "-");
        }
    }
    std::fflush(stdout);
    row(QStringLiteral("click track latency: PortAudio's own (Pa_GetStreamInfo) / the output's "
                       "buffer times at the end; rate %1 Hz")
            .arg(track.sampleRate(), 0, 'f', 0),
        QStringLiteral("%1 / %2 ms")
            .arg(track.reportedLatencySeconds() * 1000, 0, 'f', 1)
            .arg(latencyMs, 0, 'f', 1),
        QStringLiteral("(for information)"), true);
    row(QStringLiteral("click track: clicks dropped; the stream's clock begun anew"),
        QStringLiteral("%1 of %2; %3 times")
            .arg(track.droppedCount())
            .arg(clicks.size())
            .arg(track.clockRestarts()),
        QStringLiteral("0 dropped"), track.droppedCount() == 0);
    const double ppm = (track.framesPerSecond() / track.sampleRate() - 1) * 1e6;
    row(QStringLiteral("click track: the output's rate against the monotonic clock, as followed"),
        QStringLiteral("%1 Hz (%2 ppm)")
            .arg(track.framesPerSecond(), 0, 'f', 2)
            .arg(ppm, 0, 'f', 0),
        QStringLiteral("(for information)"), true);
    const qint64 beforeStop = clock.monotonicNs();
    track.stop();
    const double stopMs = double(clock.monotonicNs() - beforeStop) / 1e6;
    row(QStringLiteral("click track stop()"), QStringLiteral("%1 ms").arg(stopMs, 0, 'f', 1),
        QStringLiteral("< 100 ms"), stopMs < 100);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    g_clock.start();
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("rhythmmidi"))
        return runRhythmMidi();
    if (mode == QLatin1String("rhythmkeys"))
        return runRhythmKeys(argc > 2 ? std::atoi(argv[2]) : 200);
    if (mode == QLatin1String("keys"))
        return runKeys(argc > 2 ? std::atoi(argv[2]) : 300);
    if (mode == QLatin1String("ticks"))
        return runTicks(argc > 2 ? std::atoi(argv[2]) : 100, argc > 3 ? std::atoi(argv[3]) : 100);
    if (mode == QLatin1String("recording"))
        return runRecording(argc > 2 ? std::atoi(argv[2]) : 300);
    if (mode == QLatin1String("statistics") && argc > 2)
        return runStatistics(QString::fromLocal8Bit(argv[2]));
    if (mode == QLatin1String("adaptive") && argc > 2)
        return runAdaptive(QString::fromLocal8Bit(argv[2]));
    if (mode == QLatin1String("midi"))
        return runMidi(argc > 2 ? std::atoi(argv[2]) : 300);
    if (mode == QLatin1String("clicks") && argc > 2) {
        QStringList sections;
        for (int i = 2; i < argc; ++i)
            sections << QString::fromLocal8Bit(argv[i]);
        return runClicks(sections);
    }
    if (mode == QLatin1String("make-history") && argc > 2) {
        makeHistory(QString::fromLocal8Bit(argv[2]), argc > 3 ? std::atoi(argv[3]) : 100000);
        return 0;
    }
    std::fprintf(stderr, "usage: moravel_bench keys [samples] | rhythmkeys [samples] |"
                         " ticks [n400] [n1000] |"
                         " recording [samples] | statistics HISTORY | adaptive HISTORY | "
                         "make-history FILE [strikes] |"
                         " midi [samples] | rhythmmidi | clicks COUNT@BPM...\n");
    return 2;
}
