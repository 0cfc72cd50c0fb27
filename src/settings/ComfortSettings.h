// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

class ClickTrack;
class HandPlayer;
class QSettings;

// What makes the program comfortable to a player, remembered between runs: how loud the
// feedback, animal, start and end sounds and the metronome are, whether they are silenced,
// how late the player hears the metronome, and where the exercise window stands and
// whether it fills the screen. The practice settings are not among them: every run starts
// from their defaults.
class ComfortSettings {
public:
    static constexpr int MaxVolume = 100;
    // Further than this either way is no output's latency but a damaged entry.
    static constexpr int MaxClickOffsetMs = 1000;

    int volume() const { return m_volume; }
    bool muted() const { return m_muted; }
    // Clamped to 0..MaxVolume. Every attached player follows at once.
    void setVolume(int volume);
    void setMuted(bool muted);
    // The factor the players scale their samples by: 0 when muted.
    double gain() const;

    // A player that follows the volume from now on, set to it at once; detached before
    // it goes.
    void attach(HandPlayer &player);
    void detach(HandPlayer &player);
    // The metronome's sound follows the volume and gets the latency offset, from now on.
    void attach(ClickTrack &clicks);

    // How much later than the output says the player hears the metronome (what the
    // calibration found); clamped to MaxClickOffsetMs either way. The attached click track
    // gets it at once.
    int clickOffsetMs() const { return m_clickOffsetMs; }
    void setClickOffsetMs(int ms);

    // The exercise window's place and size (QWidget::saveGeometry), and full screen.
    QByteArray windowGeometry;
    bool fullScreen = false;

    void load(QSettings &settings);
    void save(QSettings &settings) const;

private:
    void apply();

    int m_volume = MaxVolume;
    bool m_muted = false;
    int m_clickOffsetMs = 0;
    QList<HandPlayer *> m_players;
    ClickTrack *m_clicks = nullptr;
};
