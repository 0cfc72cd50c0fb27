// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

// The metronome's sound: one output stream kept running while the window drills, silent
// between clicks, into which each click is written at the very sample that leaves for the
// speaker at its time. Times are nanoseconds on the monotonic clock (Clock::monotonicNs).
// start() and stop() belong to the thread that owns the track; while it runs, the rest may
// be called from any thread and waits for no more than a short lock with the audio thread.
class ClickTrack {
public:
    // A click as it went into the stream.
    struct Placed {
        // The time it was scheduled to be heard.
        qint64 plannedNs = 0;
        // When its first sample leaves for the speaker, as the output tells it.
        qint64 leftNs = 0;
        // leftNs and the latency offset it was placed with: when the player hears it.
        qint64 heardNs = 0;
        bool accent = false;
        // Its first sample has sounded. Until then leftNs may still move a little, as the
        // output's clock is followed.
        bool sounded = false;
    };

    virtual ~ClickTrack() = default;

    // Opens the default audio output and keeps its stream running until stop(). False when
    // there is no output: the drill then goes on without clicks. It asks the sound system
    // for its devices, which takes some tens of milliseconds: call it when a drill begins,
    // not for each click.
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;

    // A click to be heard at atNs; an accent sounds higher. Clicks are scheduled ahead, by
    // more than outputLatencyNs() and the latency offset (a bar ahead is plenty): a click
    // whose place in the stream was already written, or whose time has passed, is dropped
    // and counted. Nothing is scheduled while the track is not running.
    virtual void schedule(qint64 atNs, bool accent) = 0;
    // Forgets the clicks not yet written into the stream (the exercise stopped); those
    // already written, at most the output's latency ahead, still sound. Not counted as
    // dropped.
    virtual void clear() = 0;

    // The click scheduled for plannedNs once it is in the stream; nothing while it waits,
    // and nothing for a click dropped, cleared or never scheduled.
    virtual std::optional<Placed> placed(qint64 plannedNs) const = 0;
    std::optional<qint64> heardAtNs(qint64 plannedNs) const
    {
        const std::optional<Placed> click = placed(plannedNs);
        return click ? std::optional<qint64>(click->heardNs) : std::nullopt;
    }
    // Clicks dropped since start() because they came too late to be placed.
    virtual int droppedCount() const = 0;
    // From a buffer's writing to its first sample at the speaker, as the output last said;
    // 0 while not running.
    virtual qint64 outputLatencyNs() const = 0;

    // How loud the clicks are: 0 (silent) to 1. Follows within the output's latency.
    virtual void setVolume(double gain) = 0;
    // How much later than the output says the player hears the sound (what a calibration
    // found: the median of taps against clicks; wireless headphones add hundreds of
    // milliseconds). Clicks placed from now on are written that much earlier.
    virtual void setLatencyOffsetMs(double ms) = 0;
};
