// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ComfortSettings.h"

#include "ports/ClickTrack.h"
#include "ports/HandPlayer.h"

#include <QSettings>

#include <algorithm>

void ComfortSettings::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, MaxVolume);
    apply();
}

void ComfortSettings::setMuted(bool muted)
{
    m_muted = muted;
    apply();
}

double ComfortSettings::gain() const
{
    return m_muted ? 0.0 : double(m_volume) / MaxVolume;
}

void ComfortSettings::attach(HandPlayer &player)
{
    if (!m_players.contains(&player))
        m_players.append(&player);
    player.setVolume(gain());
}

void ComfortSettings::detach(HandPlayer &player)
{
    m_players.removeAll(&player);
}

void ComfortSettings::attach(ClickTrack &clicks)
{
    m_clicks = &clicks;
    apply();
}

void ComfortSettings::setClickOffsetMs(int ms)
{
    m_clickOffsetMs = std::clamp(ms, -MaxClickOffsetMs, MaxClickOffsetMs);
    apply();
}

void ComfortSettings::apply()
{
    for (HandPlayer *player : std::as_const(m_players))
        player->setVolume(gain());
    if (m_clicks) {
        m_clicks->setVolume(gain());
        m_clicks->setLatencyOffsetMs(m_clickOffsetMs);
    }
}

void ComfortSettings::load(QSettings &settings)
{
    // A damaged entry keeps the default.
    bool ok = false;
    const int volume = settings.value(QStringLiteral("sound/volume")).toInt(&ok);
    if (ok)
        m_volume = std::clamp(volume, 0, MaxVolume);
    m_muted = settings.value(QStringLiteral("sound/muted"), false).toBool();
    const int offset = settings.value(QStringLiteral("sound/clickOffsetMs")).toInt(&ok);
    m_clickOffsetMs = ok ? std::clamp(offset, -MaxClickOffsetMs, MaxClickOffsetMs) : 0;
    windowGeometry = settings.value(QStringLiteral("window/geometry")).toByteArray();
    fullScreen = settings.value(QStringLiteral("window/fullScreen"), false).toBool();
    apply();
}

void ComfortSettings::save(QSettings &settings) const
{
    settings.setValue(QStringLiteral("sound/volume"), m_volume);
    settings.setValue(QStringLiteral("sound/muted"), m_muted);
    settings.setValue(QStringLiteral("sound/clickOffsetMs"), m_clickOffsetMs);
    settings.setValue(QStringLiteral("window/geometry"), windowGeometry);
    settings.setValue(QStringLiteral("window/fullScreen"), fullScreen);
}
