// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Reads the length of a PCM WAV file from its header, to bound every wait on it.
namespace WavInfo {
std::optional<int> durationMs(const QString &path);
}
