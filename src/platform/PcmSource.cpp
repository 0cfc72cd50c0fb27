// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PcmSource.h"

#include <algorithm>
#include <cstring>

PcmSource::PcmSource(QObject *parent) : QIODevice(parent) {}

void PcmSource::setSound(const QByteArray &pcm)
{
    m_sound = pcm;
    m_position = 0;
}

bool PcmSource::open(OpenMode mode)
{
    return QIODevice::open(mode | QIODevice::Unbuffered);
}

qint64 PcmSource::bytesAvailable() const
{
    // Always ready: silence follows the sound, so the output never runs dry and never
    // has to be restarted for the next sound.
    return std::max<qint64>(m_sound.size() - m_position, 0) + 65536 + QIODevice::bytesAvailable();
}

qint64 PcmSource::readData(char *data, qint64 maxSize)
{
    // Whole 16-bit stereo frames only, so the channels never swap.
    maxSize -= maxSize % 4;
    const qint64 fromSound = std::clamp<qint64>(m_sound.size() - m_position, 0, maxSize);
    if (fromSound > 0) {
        std::memcpy(data, m_sound.constData() + m_position, static_cast<size_t>(fromSound));
        m_position += fromSound;
    }
    std::memset(data + fromSound, 0, static_cast<size_t>(maxSize - fromSound));
    return maxSize;
}

qint64 PcmSource::writeData(const char *, qint64)
{
    return -1;
}
