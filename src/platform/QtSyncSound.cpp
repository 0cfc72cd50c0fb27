// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSyncSound.h"

#include "ports/HandPlayer.h"

QtSyncSound::QtSyncSound(HandPlayer &output, std::function<void()> beep, QObject *parent)
    : QObject(parent), m_output(output), m_beep(std::move(beep))
{
    m_end.setSingleShot(true);
    m_end.setTimerType(Qt::PreciseTimer);
    connect(&m_end, &QTimer::timeout, this, [this] { m_hold.release(); });
}

void QtSyncSound::prepare(const QString &path)
{
    m_output.prepare(path);
}

void QtSyncSound::playSync(const QString &path)
{
    const std::optional<int> length = m_output.lengthMs(path);
    if (!length) {
        if (m_beep)
            m_beep();
        return;
    }
    // One hold however often the sound is asked for while it plays.
    if (!m_end.isActive())
        m_hold.hold();
    // The samples go to the output at once, so the sound starts now and the hold ends
    // with its last sample.
    m_output.play(path);
    m_end.start(*length);
}
