// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ClickTrack.h"

#include <QString>

#include <atomic>
#include <functional>

class MidiClickTrack;

// The metronome where the player chose it (Options > Piano keyboard (MIDI)): the sound
// card, or a MIDI output port whose piano sounds the clicks. The choice is read at each
// start(); a port that does not open leaves the clicks to the sound card, and the player
// is told once (again only when another port is chosen and fails as well). The volume
// and the latency offset go to both, so a change of output keeps them.
class ChosenClickTrack : public ClickTrack {
public:
    // The MIDI port chosen now, empty for the sound card.
    using Choice = std::function<QString()>;
    // A short notice for the player.
    using Tell = std::function<void(const QString &)>;

    ChosenClickTrack(ClickTrack &soundCard, MidiClickTrack &midi);

    void setChoice(Choice choice, Tell tell);
    // The track the clicks go to now.
    const ClickTrack &active() const { return *m_active; }

    bool start() override;
    void stop() override;
    bool isRunning() const override;
    void schedule(qint64 atNs, bool accent) override;
    void clear() override;
    std::optional<Placed> placed(qint64 plannedNs) const override;
    int droppedCount() const override;
    qint64 outputLatencyNs() const override;
    void setVolume(double gain) override;
    void setLatencyOffsetMs(double ms) override;

private:
    ClickTrack &m_soundCard;
    MidiClickTrack &m_midi;
    // Changed by start() only, while neither track runs; read from any thread.
    std::atomic<ClickTrack *> m_active;
    Choice m_choice;
    Tell m_tell;
    // The port whose failure the player was told of.
    QString m_told;
};
