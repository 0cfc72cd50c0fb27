// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Decodes a whole MP3 file into 16-bit, 44.1 kHz, interleaved stereo samples, the one
// format the hand players' outputs take. Mono files sound on both channels; other sample
// rates are converted. Returns no samples for a file that is missing, unreadable or not
// MP3. The decoder works in this process with libmpg123, so playing a few short calls
// needs no media framework loaded beside the program.
namespace Mp3Decoder {

constexpr int SampleRate = 44100;
constexpr int Channels = 2;

QByteArray decodeFile(const QString &path);
QByteArray decode(const QByteArray &mp3);

} // namespace Mp3Decoder
