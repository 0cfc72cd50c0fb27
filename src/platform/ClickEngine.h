// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ClickSound.h"
#include "platform/StreamClock.h"
#include "ports/ClickTrack.h"

#include <mutex>
#include <optional>
#include <vector>

// What a click track does apart from talking to the sound system: the clicks waiting, and
// the buffers the output asks for, each filled on the audio thread with the clicks that
// fall in it, every one from the sample that leaves for the speaker at its time (the
// StreamClock maps frames to the monotonic clock). The drill's side and the audio side
// meet under one short lock; the audio side never allocates.
class ClickEngine {
public:
    // The clicks kept for placed(): far more than an exercise asks about at once.
    static constexpr int KeptClicks = 4096;

    ClickEngine(int sampleRate, int channels);

    // The drill's side, from any thread.
    void schedule(qint64 atNs, bool accent);
    void clear();
    std::optional<ClickTrack::Placed> placed(qint64 plannedNs) const;
    int droppedCount() const;
    qint64 outputLatencyNs() const;
    int clockRestarts() const;
    // The output's frames per second of the monotonic clock, as the stream's clock has it.
    double framesPerSecond() const;
    void setVolume(double gain);
    void setLatencyOffsetNs(qint64 offsetNs);

    // The audio side: fills `frames` interleaved frames, the first of which reaches the
    // speaker at dacNs, as the output said at nowNs.
    void render(float *out, int frames, qint64 dacNs, qint64 nowNs);

private:
    struct Waiting {
        qint64 atNs;
        bool accent;
    };
    struct Sounding {
        qint64 frame;
        bool accent;
    };
    struct Kept {
        ClickTrack::Placed click;
        qint64 frame = 0;
    };
    // The click placed `back` clicks before the newest.
    Kept &kept(int back) { return m_kept[(m_keptNext + KeptClicks - 1 - back) % KeptClicks]; }
    const Kept &kept(int back) const
    {
        return m_kept[(m_keptNext + KeptClicks - 1 - back) % KeptClicks];
    }
    void place(int frames, qint64 nowNs, qint64 offsetNs);
    void follow(qint64 nowNs);

    const ClickSound m_sound;
    const int m_channels;

    mutable std::mutex m_mutex;
    // Under m_mutex: the clicks to come, latest first, so the next one is at the back.
    std::vector<Waiting> m_waiting;
    // The clicks placed, a ring; the newest m_unsounded of them have not sounded yet.
    std::vector<Kept> m_kept;
    int m_keptNext = 0;
    int m_keptCount = 0;
    int m_unsounded = 0;
    int m_dropped = 0;
    qint64 m_latencyNs = 0;
    double m_gain = 1.0;
    qint64 m_offsetNs = 0;
    StreamClock m_clock;

    // The audio side's own.
    std::vector<Sounding> m_sounding;
    qint64 m_nextFrame = 0;
};
