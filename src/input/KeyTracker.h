// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QtGlobal>

// Decides which key releases are finger strokes. Only the final release of a key whose
// press this window saw counts: auto-repeat releases are dropped, and so is the release
// of a key pressed elsewhere (Enter that closed a dialog, the access letter of a menu).
class KeyTracker {
public:
    void pressed(quint64 identity, bool autoRepeat);
    // True when this release is a stroke.
    bool released(quint64 identity, bool autoRepeat);
    void clear() { m_down.clear(); }

private:
    QSet<quint64> m_down;
};
