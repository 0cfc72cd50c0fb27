// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ResultsLog.h"

#include "ports/Clock.h"
#include "ports/LogFile.h"

#include <QByteArray>
#include <QDateTime>

namespace {
const QString crlf = QStringLiteral("\r\n");
}

ResultsLog::ResultsLog(LogFile &file, const Clock &clock) : m_file(file), m_clock(clock) {}

void ResultsLog::WriteLogEntry(const QString &message)
{
    const QString stamp = m_clock.now().toString(QStringLiteral("MM-dd HH:mm:ss"));
    m_file.append((stamp + crlf + message + crlf).toLocal8Bit());
}

void ResultsLog::WriteLogLine(const QString &message)
{
    m_file.append((message + crlf).toLocal8Bit());
}

QString ResultsLog::summary(const QString &player, const QString &kind, qint16 count,
                            const QString &unit, qint16 total)
{
    return player + crlf + kind + u' ' + QString::number(count) + u' ' + unit + crlf +
           QString::number(total) + QStringLiteral("  points") + crlf;
}
