// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtHandPlayer.h"

#include "platform/PcmSource.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

#include <algorithm>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

QAudioFormat sampleFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// 25 ms of samples queued at the sound server at most: a sound that cuts another one
// waits behind no more than that, and a feeder step every 5 ms keeps it from running dry.
constexpr qsizetype OutputBufferBytes = 4410;
constexpr int FeedIntervalMs = 5;
// After the last samples are written: long enough for the queue to play out.
constexpr int RestAfterMs = 200;

} // namespace

QtHandPlayer::QtHandPlayer(QObject *parent) : QObject(parent)
{
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
    m_sink->setBufferSize(OutputBufferBytes);
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
    if (!ensureOutput())
        return;
    if (m_sounds.contains(path) || m_queue.contains(path) || path == m_decoding)
        return;
    if (!QFileInfo(path).isFile()) {
        // Remembered as silent, so a missing file is never looked for on the key path.
        m_sounds.insert(path, QByteArray());
        return;
    }
    m_queue.append(path);
    decodeNext();
}

void QtHandPlayer::decodeNext()
{
    if (m_decoder || m_queue.isEmpty())
        return;
    m_decoding = m_queue.takeFirst();
    m_decoded.clear();
    auto *decoder = new QAudioDecoder(this);
    m_decoder = decoder;
    decoder->setAudioFormat(sampleFormat());
    connect(decoder, &QAudioDecoder::bufferReady, this, [this, decoder] {
        const QAudioBuffer buffer = decoder->read();
        if (buffer.format() != sampleFormat()) {
            decoder->stop();
            finishDecoding(false);
            return;
        }
        m_decoded.append(buffer.constData<char>(), buffer.byteCount());
    });
    connect(decoder, &QAudioDecoder::finished, this, [this] { finishDecoding(true); });
    connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
            [this] { finishDecoding(false); });
    decoder->setSource(QUrl::fromLocalFile(m_decoding));
    decoder->start();
}

void QtHandPlayer::finishDecoding(bool ok)
{
    if (!m_decoder)
        return;
    m_decoder->disconnect(this);
    m_decoder->deleteLater();
    m_decoder = nullptr;

    // A file that cannot be decoded is kept as silence: it stays silent and is not tried
    // again on every key.
    const QByteArray pcm = ok ? trimLeadingSilence(m_decoded) : QByteArray();
    m_sounds.insert(m_decoding, pcm);
    m_decoded.clear();
    if (m_wanted == m_decoding) {
        m_source->setSound(pcm);
        m_wanted.clear();
        feed();
    }
    m_decoding.clear();
    if (m_queue.isEmpty()) {
#ifdef __GLIBC__
        // The decoders' freed working memory goes back to the system instead of staying
        // in the heap for the program's whole life.
        malloc_trim(0);
#endif
        emit decodingFinished();
    } else {
        decodeNext();
    }
}

void QtHandPlayer::play(const QString &path)
{
    if (!ensureOutput())
        return;
    if (m_sink->state() == QAudio::StoppedState)
        m_output = m_sink->start();
    const auto it = m_sounds.constFind(path);
    if (it != m_sounds.constEnd()) {
        m_wanted.clear();
        m_source->setSound(*it);
        feed();
        return;
    }
    // Not decoded yet: this hand's old sound is cut now and the new one follows as soon
    // as it is ready.
    m_source->setSound({});
    m_wanted = path;
    prepare(path);
    if (m_sounds.contains(path))
        m_wanted.clear();
}

void QtHandPlayer::stop()
{
    m_wanted.clear();
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
        const QByteArray samples = m_source->read(bytes);
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
