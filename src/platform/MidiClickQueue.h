// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ClickTrack.h"

#include <optional>
#include <vector>

// The clicks of the MIDI metronome on their way out, apart from any thread and any port:
// those waiting to be sent, and those sent, for placed(). Each click is sent the latency
// offset before it is to be heard; one whose sending time has passed is dropped and
// counted, so is one the sending thread reaches more than LateNs after it (a click that
// far off would mislead the player more than a missing one). Times are nanoseconds on the
// monotonic clock, handed in by the caller; the caller holds the lock.
class MidiClickQueue {
public:
    static constexpr qint64 LateNs = 10'000'000;
    // The clicks kept for placed(): far more than an exercise asks about at once.
    static constexpr int KeptClicks = 4096;

    struct Click {
        qint64 atNs = 0;
        bool accent = false;
    };

    // Forgets every click and the count of dropped ones (the track starts).
    void reset();
    // False, and counted, when the click's sending time has already passed at nowNs.
    bool schedule(qint64 atNs, bool accent, qint64 nowNs);
    // The clicks waiting go; those sent stay in placed().
    void clear();
    void setOffsetNs(qint64 offsetNs) { m_offsetNs = offsetNs; }

    // When the next click is due to leave; nothing while none waits.
    std::optional<qint64> nextSendNs() const;
    // The next click if it is due at nowNs, taken off the queue; those more than LateNs
    // overdue are dropped on the way.
    std::optional<Click> takeDue(qint64 nowNs);
    // The click taken has left at sentNs.
    void sent(const Click &click, qint64 sentNs);

    std::optional<ClickTrack::Placed> placed(qint64 plannedNs) const;
    int droppedCount() const { return m_dropped; }
    bool waiting() const { return !m_waiting.empty(); }

private:
    qint64 sendNs(const Click &click) const { return click.atNs - m_offsetNs; }

    // Latest first, so the next one is at the back.
    std::vector<Click> m_waiting;
    // The clicks sent, a ring of KeptClicks.
    std::vector<ClickTrack::Placed> m_sent;
    int m_sentNext = 0;
    int m_dropped = 0;
    qint64 m_offsetNs = 0;
};
