// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ClickTrack.h"

#include <memory>

class ClickEngine;

// The click track on PortAudio's default output (on a desktop, the sound server's, through
// ALSA): a callback stream of float samples kept open from start() to stop(), never waited
// on. Each callback tells when its buffer's first frame reaches the speaker
// (outputBufferDacTime, on the stream's own clock); brought to the monotonic clock, that
// feeds the engine's StreamClock, which places the clicks. Qt Multimedia's sink cannot say
// when a frame is played, hence PortAudio.
class PortAudioClickTrack : public ClickTrack {
public:
    // Asked of the output: enough that a busy moment of the machine does not run it dry.
    // The clicks are written ahead of their time anyway; only clear() and the volume wait
    // for it.
    static constexpr double SuggestedLatencySeconds = 0.04;

    PortAudioClickTrack();
    ~PortAudioClickTrack() override;
    PortAudioClickTrack(const PortAudioClickTrack &) = delete;
    PortAudioClickTrack &operator=(const PortAudioClickTrack &) = delete;

    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_stream != nullptr; }
    void schedule(qint64 atNs, bool accent) override;
    void clear() override;
    std::optional<Placed> placed(qint64 plannedNs) const override;
    int droppedCount() const override;
    qint64 outputLatencyNs() const override;
    void setVolume(double gain) override;
    void setLatencyOffsetMs(double ms) override;

    // What the output said as the stream opened: its latency (Pa_GetStreamInfo) and sample
    // rate; how often the stream's clock began a new line, and the rate it found the output
    // playing at against the monotonic clock. For the benchmark.
    double reportedLatencySeconds() const;
    double sampleRate() const;
    int clockRestarts() const;
    double framesPerSecond() const;

    // Whether the sound libraries' own messages go to standard error (kept quiet otherwise).
    static void setVerbose(bool verbose);

    // The monotonic time at which a buffer's first frame reaches the speaker, from the two
    // times its callback is given on the stream's clock. ALSA stamps them with the wall
    // clock, other outputs with the monotonic one, and an output with a clock of its own is
    // read as a lead from now; one that gives no times is taken at its reported latency.
    static qint64 dacToMonotonic(double currentTime, double dacTime, qint64 monotonicNowNs,
                                 qint64 realtimeNowNs, qint64 reportedLatencyNs);

    // The open stream (PortAudio's callback reaches it).
    struct Stream;

private:
    std::unique_ptr<ClickEngine> m_engine;
    std::unique_ptr<Stream> m_stream;
    double m_volume = 1.0;
    qint64 m_offsetNs = 0;
};
