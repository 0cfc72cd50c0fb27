// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MidiClickTrack.h"

#include "platform/MidiSystems.h"

#include <QRegularExpression>

#include <RtMidi.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <ctime>
#include <pthread.h>
#include <sched.h>

namespace {

// The thread waits on its condition until this long before a click, so that a click
// scheduled earlier, clear() and stop() reach it at once; the last stretch is one exact
// sleep to the deadline.
constexpr qint64 ExactSleepNs = 2'000'000;

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The standard library's steady clock is CLOCK_MONOTONIC as well.
std::chrono::steady_clock::time_point steadyAt(qint64 ns)
{
    return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(ns));
}

void sleepUntil(qint64 ns)
{
    const timespec deadline{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

constexpr unsigned char status(unsigned char kind)
{
    return kind | (MidiClickTrack::Channel - 1);
}

} // namespace

MidiClickTrack::MidiClickTrack() = default;

MidiClickTrack::~MidiClickTrack()
{
    stop();
}

int MidiClickTrack::findPort(const QStringList &listed, const QString &wanted)
{
    if (wanted.isEmpty())
        return -1;
    const int same = int(listed.indexOf(wanted));
    if (same >= 0)
        return same;
    static const QRegularExpression numbers(QStringLiteral("\\s+\\d+:\\d+$"));
    const QString bare = QString(wanted).remove(numbers);
    for (int i = 0; i < listed.size(); ++i) {
        if (QString(listed[i]).remove(numbers) == bare)
            return i;
    }
    return -1;
}

std::vector<unsigned char> MidiClickTrack::noteOn(bool accent, double gain)
{
    const int full = accent ? AccentVelocity : PlainVelocity;
    const double g = std::clamp(gain, 0.0, 1.0);
    // The softest click is still heard: velocity 0 would be a note-off.
    const int velocity = g > 0 ? std::max(1, int(std::lround(full * g))) : 0;
    return {status(0x90), (unsigned char)(accent ? AccentNote : PlainNote),
            (unsigned char)velocity};
}

bool MidiClickTrack::start()
{
    if (m_running)
        return true;
    if (m_port.isEmpty())
        return false;
    for (const MidiSystems::System &system : MidiSystems::present()) {
        bool failed = false;
        try {
            auto out = std::make_unique<RtMidiOut>(system.api, ClientName);
            out->setErrorCallback(MidiSystems::quietError, &failed);
            if (out->getCurrentApi() != system.api)
                continue;
            QStringList listed;
            const unsigned count = out->getPortCount();
            for (unsigned i = 0; i < count && !failed; ++i)
                listed << QString::fromStdString(out->getPortName(i));
            const int index = findPort(listed, m_port);
            if (failed || index < 0)
                continue;
            out->openPort(unsigned(index), "Metronome");
            out->setErrorCallback(MidiSystems::quietError, nullptr);
            if (failed || !out->isPortOpen())
                continue;
            m_out = std::move(out);
            break;
        } catch (const RtMidiError &) {
            continue;
        }
    }
    if (!m_out)
        return false;
    {
        const std::lock_guard lock(m_mutex);
        m_queue.reset();
        m_noteOffs.clear();
        m_quit = false;
    }
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void MidiClickTrack::stop()
{
    if (!m_running)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    m_thread.join();
    // A click still sounding ends now, not with the piano's own decay.
    for (const NoteOff &off : m_noteOffs)
        send({status(0x80), off.note, 0});
    m_noteOffs.clear();
    m_out.reset();
    m_running = false;
}

void MidiClickTrack::schedule(qint64 atNs, bool accent)
{
    if (!m_running)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_queue.schedule(atNs, accent, monotonicNs());
    }
    m_wake.notify_all();
}

void MidiClickTrack::clear()
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.clear();
    }
    m_wake.notify_all();
}

std::optional<ClickTrack::Placed> MidiClickTrack::placed(qint64 plannedNs) const
{
    const std::lock_guard lock(m_mutex);
    return m_queue.placed(plannedNs);
}

int MidiClickTrack::droppedCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_queue.droppedCount();
}

void MidiClickTrack::setVolume(double gain)
{
    const std::lock_guard lock(m_mutex);
    m_gain = gain;
}

void MidiClickTrack::setLatencyOffsetMs(double ms)
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.setOffsetNs(std::llround(ms * 1e6));
    }
    m_wake.notify_all();
}

void MidiClickTrack::send(const std::vector<unsigned char> &message)
{
    // Errors (a piano unplugged meanwhile) go to the quiet callback; nothing is thrown.
    try {
        m_out->sendMessage(&message);
    } catch (const RtMidiError &) {
    }
}

void MidiClickTrack::run()
{
    // Where the system allows it (root, or a player in the audio group that JACK's
    // packages set up), the thread wakes ahead of every ordinary one: on a busy machine an
    // ordinary thread may wait some milliseconds for its turn. It only ever sleeps or
    // sends, so the lowest real-time priority is enough and takes nothing from the rest.
    sched_param realTime{};
    realTime.sched_priority = sched_get_priority_min(SCHED_FIFO);
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &realTime);

    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        const qint64 now = monotonicNs();
        for (auto off = m_noteOffs.begin(); off != m_noteOffs.end();) {
            if (off->atNs > now) {
                ++off;
                continue;
            }
            send({status(0x80), off->note, 0});
            off = m_noteOffs.erase(off);
        }
        if (const std::optional<MidiClickQueue::Click> click = m_queue.takeDue(now)) {
            const std::vector<unsigned char> on = noteOn(click->accent, m_gain);
            // A click that comes while the last one of its note still sounds strikes it
            // again.
            const auto held = std::find_if(m_noteOffs.begin(), m_noteOffs.end(),
                                           [&](const NoteOff &off) { return off.note == on[1]; });
            if (held != m_noteOffs.end()) {
                send({status(0x80), held->note, 0});
                m_noteOffs.erase(held);
            }
            const qint64 sentNs = monotonicNs();
            if (on[2] > 0) {
                send(on);
                m_noteOffs.push_back({sentNs + NoteLengthNs, on[1]});
            }
            m_queue.sent(*click, sentNs);
            continue;
        }
        std::optional<qint64> next = m_queue.nextSendNs();
        for (const NoteOff &off : m_noteOffs)
            next = std::min(next.value_or(off.atNs), off.atNs);
        if (!next) {
            m_wake.wait(lock);
        } else if (*next - now > ExactSleepNs) {
            m_wake.wait_until(lock, steadyAt(*next - ExactSleepNs));
        } else {
            lock.unlock();
            sleepUntil(*next);
            lock.lock();
        }
    }
}
