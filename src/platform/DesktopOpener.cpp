// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopOpener.h"

#include <QProcess>

bool DesktopOpener::openFile(const QString &path)
{
    const bool started = QProcess::startDetached(QStringLiteral("xdg-open"), {path});
    if (!started)
        qWarning("moravel: could not start xdg-open for %s", qPrintable(path));
    return started;
}
