// SPDX-License-Identifier: GPL-3.0-or-later
// The metronome's click track: every click written from the sample that reaches the speaker
// at its time, over an output simulated buffer by buffer (a sound card running fast or slow,
// noisy reports, stalls); late clicks dropped; and the real output on a PulseAudio null sink.
#include "platform/ClickEngine.h"
#include "platform/ClickSound.h"
#include "platform/PortAudioClickTrack.h"
#include "platform/StreamClock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

constexpr int Rate = 44100;
constexpr qint64 Ms = 1'000'000;
constexpr qint64 Start = 1000'000 * Ms;

// An output as the engine meets it: buffers asked for one after another, each with the
// time its first frame reaches the speaker. The card plays driftPpm faster than its rate
// says; the first buffers are taken at once, before anything plays; a stall holds every
// frame from stallFrame on back by stallNs.
struct SimulatedOutput {
    ClickEngine engine{Rate, 2};
    int buffer = 441;
    qint64 latencyNs = 40 * Ms;
    double driftPpm = 0;
    qint64 noiseNs = 0;
    qint64 stallFrame = -1;
    qint64 stallNs = 0;
    qint64 frame = 0;
    std::vector<float> samples;
    // Every click heard: its first frame, and the first samples of each.
    std::vector<qint64> onsets;
    std::vector<float> firstSamples;
    qint64 quietFrames = 1000;

    qint64 trueNs(qint64 f) const
    {
        const qint64 late = stallFrame >= 0 && f >= stallFrame ? stallNs : 0;
        return Start + std::llround(double(f) * 1e9 / (Rate * (1 + driftPpm * 1e-6))) + late;
    }
    qint64 nextDacNs() const { return trueNs(frame); }
    void run(qint64 untilNs)
    {
        while (trueNs(frame) < untilNs) {
            const qint64 dac = trueNs(frame);
            const qint64 now = std::max(dac - latencyNs, Start - latencyNs);
            const qint64 noise =
                noiseNs ? QRandomGenerator::global()->bounded(2 * noiseNs) - noiseNs : 0;
            samples.assign(std::size_t(buffer) * 2, 1.0f);
            engine.render(samples.data(), buffer, dac + noise, now);
            for (int i = 0; i < buffer; ++i) {
                const float s = samples[std::size_t(i) * 2];
                QCOMPARE(samples[std::size_t(i) * 2 + 1], s);
                if (s != 0 && quietFrames >= 100)
                    onsets.push_back(frame + i);
                if (onsets.size() == 1 && firstSamples.size() < 1000)
                    firstSamples.push_back(s);
                quietFrames = s == 0 ? quietFrames + 1 : 0;
            }
            frame += buffer;
        }
    }
};

} // namespace

class TestClickTrack : public QObject {
    Q_OBJECT
private slots:
    void clickSound_data();
    void clickSound();
    void frameAtFollowsTheCard();
    void clickStartsAtItsFrame_data();
    void clickStartsAtItsFrame();
    void placement_data();
    void placement();
    void clicksStayOnTimeForMinutes_data();
    void clicksStayOnTimeForMinutes();
    void dacTimesReachTheMonotonicClock_data();
    void dacTimesReachTheMonotonicClock();
    void withoutASoundServerStartFailsQuietly();
    void playsOnANullSink();
};

void TestClickTrack::clickSound_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<bool>("accent");
    QTest::addColumn<double>("hz");
    QTest::newRow("plain, 44.1 kHz") << 44100 << false << ClickSound::PlainHz;
    QTest::newRow("accent, 48 kHz") << 48000 << true << ClickSound::AccentHz;
}

void TestClickTrack::clickSound()
{
    QFETCH(int, rate);
    QFETCH(bool, accent);
    QFETCH(double, hz);
    const ClickSound sound(rate);
    const std::vector<float> &s = sound.samples(accent);
    const double ms = double(s.size()) * 1000 / rate;
    QVERIFY2(ms >= 10 && ms <= 20, qPrintable(QString::number(ms)));
    // Its time is its first sample, at full height; it ends in silence.
    QCOMPARE(s.front(), ClickSound::Peak);
    QCOMPARE(s.back(), 0.0f);
    // Its pitch, from the sign changes of its first 10 ms.
    int crossings = 0;
    for (std::size_t i = 1; i < std::size_t(rate / 100); ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    QVERIFY2(std::abs(crossings * 50 - hz) <= 100, qPrintable(QString::number(crossings)));
}

// A card 500 ppm fast, after two seconds of its reports: the frame heard 50 ms ahead.
void TestClickTrack::frameAtFollowsTheCard()
{
    const double nsPerFrame = 1e9 / (Rate * (1 + 500e-6));
    StreamClock clock(Rate);
    qint64 frame = 0;
    for (; frame < 2 * Rate; frame += 441)
        clock.observe(frame, Start + std::llround(frame * nsPerFrame),
                      Start + std::llround(frame * nsPerFrame) - 40 * Ms);
    QVERIFY(clock.isSteady());
    const qint64 target = frame + 2205;
    const qint64 at = Start + std::llround(target * nsPerFrame);
    QCOMPARE(clock.frameAt(at), target);
    // The nearest frame: just under half a frame later still rounds to it.
    QCOMPARE(clock.frameAt(at + qint64(nsPerFrame * 0.45)), target);
    QCOMPARE(clock.frameAt(at + qint64(nsPerFrame * 0.55)), target + 1);
    QVERIFY(std::abs(clock.nsAt(target) - at) < 1000);
}

void TestClickTrack::clickStartsAtItsFrame_data()
{
    QTest::addColumn<int>("buffer");
    QTest::addColumn<qint64>("clickFrame");
    QTest::newRow("small buffers, mid-buffer") << 64 << qint64(44100 + 17);
    QTest::newRow("first frame of a buffer") << 441 << qint64(441 * 100);
    QTest::newRow("across a buffer's end") << 441 << qint64(441 * 101 - 200);
    QTest::newRow("a click longer than its buffers") << 256 << qint64(256 * 200 + 255);
}

void TestClickTrack::clickStartsAtItsFrame()
{
    QFETCH(int, buffer);
    QFETCH(qint64, clickFrame);
    SimulatedOutput output;
    output.buffer = buffer;
    output.engine.setVolume(0.5);
    output.engine.schedule(output.trueNs(clickFrame), true);
    output.run(Start + 2000 * Ms);
    QCOMPARE(output.onsets, std::vector<qint64>{clickFrame});
    // The whole click, at the volume asked, whatever the buffers cut it into.
    const ClickSound sound(Rate);
    const std::vector<float> &click = sound.samples(true);
    for (std::size_t i = 0; i + 1 < click.size(); ++i)
        QCOMPARE(output.firstSamples.at(i), 0.5f * click[i]);
    const std::optional<ClickTrack::Placed> placed =
        output.engine.placed(output.trueNs(clickFrame));
    QVERIFY(placed && placed->sounded && placed->accent);
    QVERIFY(std::abs(placed->leftNs - output.trueNs(clickFrame)) < 1000);
}

void TestClickTrack::placement_data()
{
    QTest::addColumn<qint64>("fromNextBufferNs");
    QTest::addColumn<double>("offsetMs");
    QTest::addColumn<bool>("clear");
    // How long before the click's time its first sample left; -1: it never sounded.
    QTest::addColumn<qint64>("earlyNs");
    QTest::addColumn<int>("dropped");
    QTest::newRow("in the next buffer") << 2 * Ms << 0.0 << false << qint64(0) << 0;
    QTest::newRow("a second ahead") << 1000 * Ms << 0.0 << false << qint64(0) << 0;
    QTest::newRow("passed") << -1000 * Ms << 0.0 << false << qint64(-1) << 1;
    QTest::newRow("within the output's latency") << -20 * Ms << 0.0 << false << qint64(-1) << 1;
    QTest::newRow("heard 25 ms after it leaves") << 1000 * Ms << 25.0 << false << 25 * Ms << 0;
    QTest::newRow("an offset that puts it in the past")
        << 10 * Ms << 25.0 << false << qint64(-1) << 1;
    QTest::newRow("cleared before its buffer") << 1000 * Ms << 0.0 << true << qint64(-1) << 0;
}

void TestClickTrack::placement()
{
    QFETCH(qint64, fromNextBufferNs);
    QFETCH(double, offsetMs);
    QFETCH(bool, clear);
    QFETCH(qint64, earlyNs);
    QFETCH(int, dropped);
    SimulatedOutput output;
    output.run(Start + 500 * Ms);
    output.engine.setLatencyOffsetNs(qint64(offsetMs * 1e6));
    const qint64 at = output.nextDacNs() + fromNextBufferNs;
    output.engine.schedule(at, false);
    if (clear)
        output.engine.clear();
    output.run(Start + 2000 * Ms);
    QCOMPARE(output.engine.droppedCount(), dropped);
    const std::optional<ClickTrack::Placed> placed = output.engine.placed(at);
    if (earlyNs < 0) {
        QVERIFY(output.onsets.empty());
        QVERIFY(!placed);
        return;
    }
    QCOMPARE(output.onsets.size(), std::size_t(1));
    QVERIFY(std::abs(output.trueNs(output.onsets[0]) - (at - earlyNs)) <= 12'000);
    QVERIFY(placed);
    QVERIFY(std::abs(placed->leftNs - output.trueNs(output.onsets[0])) < 1000);
    QCOMPARE(placed->heardNs, placed->leftNs + earlyNs);
}

void TestClickTrack::clicksStayOnTimeForMinutes_data()
{
    QTest::addColumn<double>("driftPpm");
    QTest::addColumn<qint64>("noiseNs");
    QTest::addColumn<qint64>("stallNs");
    QTest::newRow("a card on its rate") << 0.0 << qint64(0) << qint64(0);
    QTest::newRow("500 ppm fast, reports 50 us apart") << 500.0 << 50'000LL << qint64(0);
    QTest::newRow("300 ppm slow, reports 50 us apart") << -300.0 << 50'000LL << qint64(0);
    QTest::newRow("a stall of 300 ms") << 100.0 << 20'000LL << 300 * Ms;
    QTest::newRow("a stall of 2 s as the stream begins") << 0.0 << 0LL << 2000 * Ms;
}

// Ten minutes of clicks twice a second, all scheduled at once: where a clock that kept its
// first anchor would be 300 ms off by the end at 500 ppm, every click sounds within a
// sample or so of its time, and the track knows when it left. A stall loses only the
// clicks it silenced and the few while the new line settles.
void TestClickTrack::clicksStayOnTimeForMinutes()
{
    QFETCH(double, driftPpm);
    QFETCH(qint64, noiseNs);
    QFETCH(qint64, stallNs);
    SimulatedOutput output;
    output.driftPpm = driftPpm;
    output.noiseNs = noiseNs;
    output.stallNs = stallNs;
    output.stallFrame = stallNs > 1000 * Ms ? 4 * 441 : 60 * Rate;
    const qint64 minutes = 10;
    std::vector<qint64> planned;
    for (qint64 at = Start + 500 * Ms; at < Start + minutes * 60'000 * Ms; at += 500 * Ms)
        planned.push_back(at);
    for (const qint64 at : planned)
        output.engine.schedule(at, false);
    output.run(Start + minutes * 60'000 * Ms + 200 * Ms);

    std::size_t onset = 0;
    for (const qint64 at : planned) {
        const std::optional<ClickTrack::Placed> placed = output.engine.placed(at);
        if (!placed)
            continue;
        QVERIFY(onset < output.onsets.size());
        const qint64 heard = output.trueNs(output.onsets[onset++]);
        QVERIFY2(std::abs(heard - at) < 100'000, qPrintable(QString::number(heard - at)));
        QVERIFY2(std::abs(placed->leftNs - heard) < 100'000,
                 qPrintable(QString::number(placed->leftNs - heard)));
    }
    QCOMPARE(onset, output.onsets.size());
    const int lost = int(planned.size() - onset);
    QCOMPARE(output.engine.droppedCount(), lost);
    QVERIFY2(lost <= (stallNs + 200 * Ms) / (500 * Ms), qPrintable(QString::number(lost)));
}

void TestClickTrack::dacTimesReachTheMonotonicClock_data()
{
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("dac");
    QTest::addColumn<qint64>("expected");
    const qint64 mono = 5000 * 1'000'000'000LL;
    const double wall = 1.7e9;
    QTest::newRow("wall clock (ALSA)") << wall + 0.5 << wall + 0.53 << mono + 530 * Ms;
    QTest::newRow("monotonic clock") << 5000.002 << 5000.042 << mono + 42 * Ms;
    QTest::newRow("a clock of its own") << 12.5 << 12.55 << mono + 50 * Ms;
    QTest::newRow("no times: the reported latency") << 0.0 << 0.0 << mono + 40 * Ms;
}

void TestClickTrack::dacTimesReachTheMonotonicClock()
{
    QFETCH(double, current);
    QFETCH(double, dac);
    QFETCH(qint64, expected);
    const qint64 mono = 5000 * 1'000'000'000LL;
    const qint64 got = PortAudioClickTrack::dacToMonotonic(
        current, dac, mono, 1'700'000'000 * 1'000'000'000LL, 40 * Ms);
    QVERIFY2(std::abs(got - expected) < 1000, qPrintable(QString::number(got - expected)));
}

namespace {

// Its messages (PulseAudio warns a root user) stay out of the test's output.
bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The sound server of the test's own folder (a null sink, as the end-to-end tests start
// one), or none; no other server is reached, and none is started behind the test's back.
struct SoundServer {
    QTemporaryDir dir;
    bool up = false;
    explicit SoundServer(bool start)
    {
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        qunsetenv("PULSE_SERVER");
        QFile conf(dir.filePath(QStringLiteral("client.conf")));
        if (conf.open(QIODevice::WriteOnly))
            conf.write("autospawn = no\n");
        qputenv("PULSE_CLIENTCONFIG", conf.fileName().toLocal8Bit());
        up = start && run(QStringLiteral("pulseaudio"),
                          {QStringLiteral("--daemonize=yes"), QStringLiteral("-n"),
                           QStringLiteral("--exit-idle-time=-1"),
                           QStringLiteral("--load=module-null-sink sink_name=click_null"),
                           QStringLiteral("--load=module-native-protocol-unix")});
        QTRY_VERIFY_WITH_TIMEOUT(!up || run(QStringLiteral("pactl"), {QStringLiteral("info")}),
                                 5000);
    }
    ~SoundServer()
    {
        if (up)
            run(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
    }
};

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

void TestClickTrack::withoutASoundServerStartFailsQuietly()
{
    if (QDir(QStringLiteral("/dev/snd")).exists())
        QSKIP("this machine has a sound card, which needs no server");
    const SoundServer none(false);
    std::FILE *caught = std::tmpfile();
    const int saved = dup(STDERR_FILENO);
    QVERIFY(caught && saved >= 0 && dup2(fileno(caught), STDERR_FILENO) >= 0);
    PortAudioClickTrack track;
    QElapsedTimer clock;
    clock.start();
    const bool started = track.start();
    const qint64 took = clock.elapsed();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    const long printed = std::ftell(caught);
    std::fclose(caught);
    QVERIFY(!started && !track.isRunning());
    QVERIFY2(took < 2000, qPrintable(QString::number(took)));
    QCOMPARE(printed, 0L);
}

void TestClickTrack::playsOnANullSink()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
        QSKIP("PulseAudio is not installed");
    const SoundServer server(true);
    if (!server.up)
        QSKIP("PulseAudio would not start here");
    PortAudioClickTrack track;
    QVERIFY(track.start());
    // A null sink may hold a new stream back for up to two seconds: clicks every tenth of a
    // second for four, and those after the hold are played.
    const qint64 first = monotonicNs() + 300 * Ms;
    for (int i = 0; i < 40; ++i)
        track.schedule(first + i * 100 * Ms, i % 4 == 0);
    const qint64 last = first + 39 * 100 * Ms;
    QTRY_VERIFY_WITH_TIMEOUT(track.placed(last) && track.placed(last)->sounded, 8000);
    QVERIFY(track.outputLatencyNs() > 0);
    // Every click is placed or counted dropped, and a placed one leaves at its time as far
    // as the output's reports tell.
    int placed = 0;
    for (int i = 0; i < 40; ++i) {
        if (const std::optional<ClickTrack::Placed> p = track.placed(first + i * 100 * Ms)) {
            ++placed;
            QVERIFY2(std::abs(p->leftNs - p->plannedNs) < Ms,
                     qPrintable(QString::number(p->leftNs - p->plannedNs)));
        }
    }
    QCOMPARE(placed + track.droppedCount(), 40);
    QVERIFY(placed >= 15);
    QElapsedTimer clock;
    clock.start();
    track.stop();
    QVERIFY(!track.isRunning() && clock.elapsed() < 1000);
}

QTEST_GUILESS_MAIN(TestClickTrack)
#include "tst_clicktrack.moc"
