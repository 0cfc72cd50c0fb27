// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads PCM WAV files: the length from the header, and the samples in the players' one
// format (16-bit, 44.1 kHz, interleaved stereo).
namespace WavInfo {

std::optional<int> durationMs(const QString &path);

// The file's samples as 16-bit 44.1 kHz stereo: mono sounds on both channels, 8-bit
// samples are widened, other rates are converted. Empty for a file that is missing,
// damaged or not plain PCM.
QByteArray decodeFile(const QString &path);

} // namespace WavInfo
