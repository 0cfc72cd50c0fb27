// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ClickTrack.h"

#include <QList>
#include <QSet>

// Records what a drill asked of the metronome's sound, in order, each call with the fake
// time it came at. Time moves only when the test sets nowNs: a click is written into the
// stream once its time is within latencyNs of now, and then reported heard heardLateNs
// after its time, unless the test named it in `dropped`.
class FakeClickTrack : public ClickTrack {
public:
    struct Call {
        enum Kind { Schedule, Clear } kind;
        qint64 atNs;
        bool accent;
        qint64 calledAtNs;
    };

    bool start() override
    {
        ++starts;
        running = output;
        return running;
    }
    void stop() override { running = false; }
    bool isRunning() const override { return running; }
    void schedule(qint64 atNs, bool accent) override
    {
        calls.append({Call::Schedule, atNs, accent, nowNs});
    }
    void clear() override { calls.append({Call::Clear, 0, false, nowNs}); }

    std::optional<Placed> placed(qint64 plannedNs) const override
    {
        const qint64 writtenAt = plannedNs - latencyNs;
        if (dropped.contains(plannedNs) || writtenAt > nowNs)
            return std::nullopt;
        for (qsizetype i = calls.size() - 1; i >= 0; --i) {
            if (calls[i].kind != Call::Schedule || calls[i].atNs != plannedNs)
                continue;
            // A clear before the click was written took it away.
            for (qsizetype j = i + 1; j < calls.size(); ++j)
                if (calls[j].kind == Call::Clear && writtenAt > calls[j].calledAtNs)
                    return std::nullopt;
            const qint64 heard = plannedNs + heardLateNs;
            return Placed{plannedNs, heard - offsetNs(), heard, calls[i].accent, heard <= nowNs};
        }
        return std::nullopt;
    }
    int droppedCount() const override { return int(dropped.size()); }
    qint64 outputLatencyNs() const override { return running ? latencyNs : 0; }
    void setVolume(double gain) override { volume = gain; }
    void setLatencyOffsetMs(double ms) override { offsetMs = ms; }

    // The times scheduled, in order of the calls.
    QList<qint64> scheduledTimes() const
    {
        QList<qint64> times;
        for (const Call &call : calls)
            if (call.kind == Call::Schedule)
                times.append(call.atNs);
        return times;
    }
    qint64 offsetNs() const { return qint64(offsetMs * 1e6); }

    // Whether start() finds an output.
    bool output = true;
    bool running = false;
    int starts = 0;
    qint64 nowNs = 0;
    qint64 latencyNs = 30'000'000;
    qint64 heardLateNs = 0;
    QSet<qint64> dropped;
    double volume = 1.0;
    double offsetMs = 0;
    QList<Call> calls;
};
