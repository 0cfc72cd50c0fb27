// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtProcessStarter.h"

#include <QProcess>

bool QtProcessStarter::openFile(const QString &path)
{
    const bool started = QProcess::startDetached(QStringLiteral("xdg-open"), {path});
    if (!started)
        qWarning("moravel: could not start xdg-open for %s", qPrintable(path));
    return started;
}

bool QtProcessStarter::startProgram(const QString &path)
{
    const bool started = QProcess::startDetached(path, {});
    if (!started)
        qWarning("moravel: could not start %s", qPrintable(path));
    return started;
}
