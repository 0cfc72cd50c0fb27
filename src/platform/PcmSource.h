// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>

// A hand's current sound and how much of it has gone to the output: its samples, then
// silence. Switching the sound takes effect at the next read, so the output never has
// to be stopped or reopened.
class PcmSource : public QIODevice {
    Q_OBJECT
public:
    explicit PcmSource(QObject *parent = nullptr);

    // Starts this sound from its beginning; an empty array is silence.
    void setSound(const QByteArray &pcm);
    bool isSounding() const { return m_position < m_sound.size(); }
    // Bytes of the current sound not yet read.
    qint64 soundBytesLeft() const { return std::max<qint64>(m_sound.size() - m_position, 0); }

    // Always unbuffered: a read-ahead buffer would keep playing the old sound after a
    // switch.
    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QByteArray m_sound;
    qint64 m_position = 0;
};
