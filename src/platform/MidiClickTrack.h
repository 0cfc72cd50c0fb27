// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MidiClickQueue.h"
#include "ports/ClickTrack.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class RtMidiOut;

// The metronome on a digital piano: each click goes out of a MIDI output port as a note on
// the General MIDI percussion channel (channel 10), so the piano sounds it with no sound
// card in between. The plain click is the low wood block (note 77), the accent the high
// wood block (note 76) and louder. A thread of the track's own sleeps until each click's
// time on the monotonic clock (clock_nanosleep to an absolute deadline, the clock the
// drill's times are on), sends its note-on, and its note-off NoteLengthNs later. What the
// piano adds after the port is not known: outputLatencyNs() is 0, and the latency offset
// (what a calibration found) sends the clicks that much earlier.
class MidiClickTrack : public ClickTrack {
public:
    // The program's client for its output, apart from its inputs' "Moravel" so that the
    // inputs never take the clicks for a keyboard.
    static constexpr const char *ClientName = "Moravel metronome";
    static constexpr int Channel = 10;
    static constexpr int PlainNote = 77;
    static constexpr int AccentNote = 76;
    static constexpr int PlainVelocity = 80;
    static constexpr int AccentVelocity = 127;
    static constexpr qint64 NoteLengthNs = 40'000'000;

    MidiClickTrack();
    ~MidiClickTrack() override;
    MidiClickTrack(const MidiClickTrack &) = delete;
    MidiClickTrack &operator=(const MidiClickTrack &) = delete;

    // The output port start() opens, by the name the system lists it under.
    void setPort(const QString &name) { m_port = name; }
    QString port() const { return m_port; }

    // Opens the port set and the sending thread; false when the port is not there or does
    // not open (no MIDI system, the piano switched off).
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }
    void schedule(qint64 atNs, bool accent) override;
    void clear() override;
    std::optional<Placed> placed(qint64 plannedNs) const override;
    int droppedCount() const override;
    qint64 outputLatencyNs() const override { return 0; }
    void setVolume(double gain) override;
    void setLatencyOffsetMs(double ms) override;

    // Which of the listed ports is `wanted`: the same name, else (ALSA numbers its clients
    // afresh when a piano is plugged in again) the same name before the numbers; -1 for
    // none.
    static int findPort(const QStringList &listed, const QString &wanted);
    // The note-on of a click at a volume (0 to 1); velocity 0 means nothing is sent.
    static std::vector<unsigned char> noteOn(bool accent, double gain);

private:
    struct NoteOff {
        qint64 atNs;
        unsigned char note;
    };
    void run();
    void send(const std::vector<unsigned char> &message);

    QString m_port;
    std::unique_ptr<RtMidiOut> m_out;
    std::thread m_thread;
    std::atomic<bool> m_running{false};

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    // Under m_mutex.
    MidiClickQueue m_queue;
    std::vector<NoteOff> m_noteOffs;
    double m_gain = 1.0;
    bool m_quit = false;
};
