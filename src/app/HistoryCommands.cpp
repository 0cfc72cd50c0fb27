// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HistoryCommands.h"

#include "history/HistoryStore.h"
#include "history/Statistics.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

int problem(const QString &text)
{
    std::fprintf(stderr, "moravel: %s\n", qPrintable(text));
    return 1;
}

} // namespace

namespace HistoryCommands {

int exportHistory(const QString &historyPath, const QString &csvPath, const QString &player)
{
    const HistoryStore store(historyPath);
    if (!store.isOpen())
        return problem(QStringLiteral("the practice history %1 cannot be read").arg(historyPath));
    // Written whole or not at all: an export that stops half way leaves no half file.
    QSaveFile out(csvPath);
    if (!out.open(QIODevice::WriteOnly))
        return problem(QStringLiteral("cannot write %1: %2").arg(csvPath, out.errorString()));
    QString error;
    if (!store.exportCsv(out, player, &error) || !out.commit())
        return problem(QStringLiteral("the export to %1 failed: %2")
                           .arg(csvPath, error.isEmpty() ? out.errorString() : error));
    return 0;
}

int importHistory(const QString &historyPath, const QString &csvPath)
{
    QFile in(csvPath);
    if (!in.open(QIODevice::ReadOnly))
        return problem(QStringLiteral("cannot read %1: %2").arg(csvPath, in.errorString()));
    HistoryStore store(historyPath);
    if (!store.isWritable())
        return problem(
            QStringLiteral("the practice history %1 cannot be written").arg(historyPath));
    const HistoryStore::Imported imported = store.importCsv(in);
    if (!imported.ok)
        return problem(QStringLiteral("%1 was not imported, nothing was changed: %2")
                           .arg(csvPath, imported.error));
    std::printf("%d exercises with %d strikes imported from %s\n", imported.sessions,
                imported.strikes, qPrintable(csvPath));
    return 0;
}

int report(const QString &historyPath, const QString &player)
{
    const HistoryStore store(historyPath);
    if (!store.isOpen())
        return problem(QStringLiteral("the practice history %1 cannot be read").arg(historyPath));
    HistoryFilter filter;
    filter.player = player;
    const QDateTime now = QDateTime::currentDateTime();
    const StatisticsResult result =
        Statistics::compute(store.load(filter, now), store.loadPrevious(filter, now), filter);
    const QString heading = player.isEmpty()
                                ? QStringLiteral("Moravel practice report, all players")
                                : QStringLiteral("Moravel practice report for %1").arg(player);
    std::fputs(qPrintable(heading + u'\n' + Statistics::report(result, filter)), stdout);
    return 0;
}

} // namespace HistoryCommands
