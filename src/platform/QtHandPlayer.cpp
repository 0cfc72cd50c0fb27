// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtHandPlayer.h"

#include "platform/Mp3Decoder.h"
#include "platform/PcmSource.h"
#include "platform/WavInfo.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

QAudioFormat sampleFormat()
{
    QAudioFormat format;
    format.setSampleRate(Mp3Decoder::SampleRate);
    format.setChannelCount(Mp3Decoder::Channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

constexpr int FeedIntervalMs = 5;
// After the last samples are written: long enough for the queue to play out.
constexpr int RestAfterMs = 200;

} // namespace

QtHandPlayer::QtHandPlayer(int bufferMs, QObject *parent) : QObject(parent)
{
    m_bufferBytes = qsizetype(Mp3Decoder::SampleRate) * 4 * bufferMs / 1000;
    m_source = new PcmSource(this);
    m_source->open(QIODevice::ReadOnly);
    m_feeder.setTimerType(Qt::PreciseTimer);
    m_feeder.setInterval(FeedIntervalMs);
    connect(&m_feeder, &QTimer::timeout, this, &QtHandPlayer::feed);
    m_rester.setSingleShot(true);
    m_rester.setInterval(RestAfterMs);
    connect(&m_rester, &QTimer::timeout, this, &QtHandPlayer::rest);
}

QtHandPlayer::~QtHandPlayer()
{
    if (m_sink)
        m_sink->stop();
}

bool QtHandPlayer::ensureOutput()
{
    if (m_sink)
        return true;
    if (m_noOutput)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || QMediaDevices::audioOutputs().isEmpty()) {
        m_noOutput = true;
        return false;
    }
    m_sink = new QAudioSink(device, sampleFormat(), this);
    m_sink->setBufferSize(m_bufferBytes);
    // Written to, not pulled from: a pulled output keeps its whole buffer filled with
    // silence, and every answer would wait behind it.
    m_output = m_sink->start();
    if (!m_output || m_sink->error() != QAudio::NoError) {
        delete m_sink;
        m_sink = nullptr;
        m_output = nullptr;
        m_noOutput = true;
        return false;
    }
    m_rester.start();
    return true;
}

void QtHandPlayer::prepare(const QString &path)
{
    if (!ensureOutput() || m_sounds.contains(path))
        return;
    // A file that is missing or cannot be decoded is remembered as silence: it stays
    // silent and is never looked for again on the key path.
    const bool wav = path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
    m_sounds.insert(
        path, trimLeadingSilence(wav ? WavInfo::decodeFile(path) : Mp3Decoder::decodeFile(path)));
}

std::optional<int> QtHandPlayer::lengthMs(const QString &path)
{
    prepare(path);
    const QByteArray pcm = m_sounds.value(path);
    if (!m_sink || pcm.isEmpty())
        return std::nullopt;
    return int(pcm.size() / 4 * 1000 / Mp3Decoder::SampleRate);
}

void QtHandPlayer::play(const QString &path)
{
    if (!ensureOutput())
        return;
    if (m_sink->state() == QAudio::StoppedState)
        m_output = m_sink->start();
    // A sound the window did not prepare is decoded now, once.
    prepare(path);
    QByteArray sound = m_sounds.value(path);
    // The sound server starts a stream only once most of its queue is filled: a sound
    // shorter than the queue is followed by silence, so it is never held back.
    if (!sound.isEmpty() && sound.size() < m_bufferBytes)
        sound.append(QByteArray(m_bufferBytes - sound.size(), '\0'));
    m_source->setSound(sound);
    feed();
}

void QtHandPlayer::stop()
{
    m_source->setSound({});
    feed();
}

void QtHandPlayer::feed()
{
    if (m_sink && m_sink->state() == QAudio::SuspendedState && m_source->isSounding())
        m_sink->resume();
    qint64 bytes = m_output ? std::min<qint64>(m_sink->bytesFree(), m_source->soundBytesLeft()) : 0;
    bytes -= bytes % 4;
    if (bytes > 0) {
        QByteArray samples = m_source->read(bytes);
        // Scaled on the way out, so a new volume holds for the sound already playing.
        applyGain(samples, m_gain);
        m_output->write(samples);
    }
    if (m_output && m_source->isSounding()) {
        m_rester.stop();
        if (!m_feeder.isActive())
            m_feeder.start();
    } else {
        m_feeder.stop();
        if (m_output)
            m_rester.start();
    }
}

void QtHandPlayer::rest()
{
    if (!m_sink || m_source->isSounding() || m_sink->state() == QAudio::SuspendedState)
        return;
    // Suspending with samples still queued would hold them back for the next sound.
    if (m_sink->bytesFree() < m_sink->bufferSize()) {
        m_rester.start();
        return;
    }
    m_sink->suspend();
}

void QtHandPlayer::setVolume(double gain)
{
    m_gain = std::clamp(gain, 0.0, 1.0);
}

void QtHandPlayer::applyGain(QByteArray &pcm, double gain)
{
    if (gain >= 1.0)
        return;
    auto *samples = reinterpret_cast<qint16 *>(pcm.data());
    const qsizetype count = pcm.size() / 2;
    for (qsizetype i = 0; i < count; ++i)
        samples[i] = qint16(std::lround(samples[i] * gain));
}

bool QtHandPlayer::isDecoded(const QString &path) const
{
    return !m_sounds.value(path).isEmpty();
}

QByteArray QtHandPlayer::trimLeadingSilence(const QByteArray &pcm)
{
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype frames = pcm.size() / 4;
    qsizetype first = 0;
    while (first < frames && std::abs(samples[2 * first]) <= SilenceLevel &&
           std::abs(samples[2 * first + 1]) <= SilenceLevel)
        ++first;
    return pcm.mid(first * 4, (frames - first) * 4);
}
