// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WavInfo.h"

#include <QFile>
#include <QtEndian>

namespace WavInfo {

std::optional<int> durationMs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;

    quint32 byteRate = 0;
    for (int chunks = 0; chunks < 64 && !file.atEnd(); ++chunks) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(qMin<quint32>(size, 64));
            if (fmt.size() < 16)
                return std::nullopt;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (!file.seek(file.pos() + (size - quint32(fmt.size())) + (size & 1)))
                return std::nullopt;
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return std::nullopt;
            const qint64 available = file.size() - file.pos();
            const qint64 bytes = qMin<qint64>(size, available);
            return int(bytes * 1000 / byteRate);
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace WavInfo
