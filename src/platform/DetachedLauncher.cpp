// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DetachedLauncher.h"

#include <QProcess>

bool DetachedLauncher::startProgram(const QString &path)
{
    const bool started = QProcess::startDetached(path, {});
    if (!started)
        qWarning("moravel: could not start %s", qPrintable(path));
    return started;
}
