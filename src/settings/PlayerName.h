// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The name that heads a player's results, from what was typed (or pasted) at the name
// prompt.
namespace PlayerName {

inline constexpr const char16_t *Anonymous = u"Anonymous";

// The text as typed, with every control character (line breaks, tabs, terminal escapes)
// and line separator replaced by a blank, so a name is always one line of the log and
// never drives a terminal. An empty text names "Anonymous".
QString fromTyped(const QString &typed);

} // namespace PlayerName
