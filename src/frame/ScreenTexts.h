// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// The texts of the menu and label tables (MenuLayout, Labels and the drills' label
// texts), marked here for the translators: the tables hold plain English, and the
// frame looks each text up in the context named here ("MenuLayout", "Labels") when it
// puts it on screen. A caption or label text added to a table belongs here as well;
// the translation test checks that every one is.
namespace ScreenTexts {

const QList<const char *> &menuCaptions();
const QList<const char *> &labelTexts();

} // namespace ScreenTexts
