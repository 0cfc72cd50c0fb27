// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WavInfo.h"

#include "platform/Mp3Decoder.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace WavInfo {

namespace {

struct Wave {
    QByteArray format; // the "fmt " chunk's body
    quint32 byteRate = 0;
    qint64 dataBytes = 0; // as far as the file really holds them
    qint64 dataOffset = 0;
};

// Walks the chunks up to the samples; nothing for a file that is not a usable WAV.
std::optional<Wave> readHeader(QFile &file)
{
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave wave;
    for (int chunks = 0; chunks < 64 && !file.atEnd(); ++chunks) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            wave.format = file.read(qMin<quint32>(size, 64));
            if (wave.format.size() < 16)
                return std::nullopt;
            wave.byteRate = qFromLittleEndian<quint32>(wave.format.constData() + 8);
            if (!file.seek(file.pos() + (size - quint32(wave.format.size())) + (size & 1)))
                return std::nullopt;
        } else if (chunk.startsWith("data")) {
            if (wave.byteRate == 0)
                return std::nullopt;
            wave.dataOffset = file.pos();
            wave.dataBytes = qMin<qint64>(size, file.size() - file.pos());
            return wave;
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> durationMs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<Wave> wave = readHeader(file);
    if (!wave)
        return std::nullopt;
    return int(wave->dataBytes * 1000 / wave->byteRate);
}

QByteArray decodeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<Wave> wave = readHeader(file);
    if (!wave || !file.seek(wave->dataOffset))
        return {};
    const char *fmt = wave->format.constData();
    const quint16 tag = qFromLittleEndian<quint16>(fmt);
    const int channels = qFromLittleEndian<quint16>(fmt + 2);
    const int rate = int(qFromLittleEndian<quint32>(fmt + 4));
    const int bits = qFromLittleEndian<quint16>(fmt + 14);
    if (tag != 1 || channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < 1000 ||
        rate > 192000)
        return {};

    const QByteArray data = file.read(wave->dataBytes);
    const int frameBytes = channels * bits / 8;
    const qint64 frames = data.size() / frameBytes;
    const auto sample = [&](qint64 frame, int channel) -> qint16 {
        const char *at = data.constData() + frame * frameBytes + channel * (bits / 8);
        if (bits == 8)
            return qint16((int(quint8(*at)) - 128) * 256);
        return qFromLittleEndian<qint16>(at);
    };

    // Linear interpolation between the file's frames when its rate is another one.
    const qint64 outFrames = frames * Mp3Decoder::SampleRate / rate;
    QByteArray pcm(outFrames * 4, Qt::Uninitialized);
    auto *out = reinterpret_cast<qint16 *>(pcm.data());
    for (qint64 i = 0; i < outFrames; ++i) {
        const double position = double(i) * rate / Mp3Decoder::SampleRate;
        const qint64 first = std::min<qint64>(qint64(position), frames - 1);
        const qint64 second = std::min<qint64>(first + 1, frames - 1);
        const double weight = position - double(first);
        for (int c = 0; c < 2; ++c) {
            const int from = std::min(c, channels - 1);
            const double value = sample(first, from) * (1 - weight) + sample(second, from) * weight;
            out[2 * i + c] = qint16(std::clamp(value, -32768.0, 32767.0));
        }
    }
    return pcm;
}

} // namespace WavInfo
