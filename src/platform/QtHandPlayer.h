// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/HandPlayer.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTimer>

class PcmSource;
class QAudioSink;

// A hand's player built for quick answers (and the player of the start and end sound):
// every file, MP3 or WAV, is decoded once, when the window
// prepares it, into 16-bit 44.1 kHz stereo samples in memory, and the hand keeps one audio output
// open for its whole life. The output is fed only while a sound plays: playing writes the sound's
// first samples into the output at once, so it is heard as soon as the sound server
// takes them, instead of after a queue of silence; the rest follows in short steps. A new
// sound cuts this hand's previous one after at most the output's short buffer, while the
// other hand's output plays on. Idle, the output is suspended and no timer runs. Without an audio
// output the player stays silent.
class QtHandPlayer : public QObject, public HandPlayer {
    Q_OBJECT
public:
    // At most bufferMs of samples are queued at the sound server. For a hand, 25 ms: a
    // sound that cuts another one waits behind no more than that, and a feeder step every
    // 5 ms keeps it from running dry. A sound that nothing cuts (the start and end sound)
    // takes a longer queue, so a busy moment of the program never makes it stutter.
    static constexpr int HandBufferMs = 25;
    static constexpr int SyncBufferMs = 150;
    explicit QtHandPlayer(int bufferMs = HandBufferMs, QObject *parent = nullptr);
    ~QtHandPlayer() override;

    void prepare(const QString &path) override;
    void play(const QString &path) override;
    void stop() override;
    std::optional<int> lengthMs(const QString &path) override;
    void setVolume(double gain) override;

    // Whether the file's samples are in memory (false for files that cannot be played).
    bool isDecoded(const QString &path) const;
    // Whether this player has an open audio output.
    bool hasOutput() const { return m_sink != nullptr; }

    // Samples of silence at the start of a decoded sound (an encoder's padding) are
    // dropped below this level, so a sound is heard the moment it starts.
    static constexpr int SilenceLevel = 32;
    static QByteArray trimLeadingSilence(const QByteArray &pcm);
    // Scales 16-bit samples by the gain (0..1) in place, rounding to the nearest value.
    static void applyGain(QByteArray &pcm, double gain);

private:
    bool ensureOutput();
    // Writes as much of the current sound as the output takes now.
    void feed();
    // Suspends the output once its queue has played out, so an idle hand costs nothing.
    void rest();

    PcmSource *m_source = nullptr;
    QAudioSink *m_sink = nullptr;
    QIODevice *m_output = nullptr;
    QTimer m_feeder;
    QTimer m_rester;
    bool m_noOutput = false;
    qsizetype m_bufferBytes = 0;
    double m_gain = 1.0;
    QHash<QString, QByteArray> m_sounds;
};
