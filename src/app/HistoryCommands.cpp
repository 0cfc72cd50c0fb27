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

// Why a history opened only to read cannot be read; empty when it can (a missing file
// reads as a history with nothing in it).
QString unreadable(const HistoryStore &store)
{
    const QString path = store.path();
    switch (store.failure()) {
    case HistoryStore::Failure::None:
    case HistoryStore::Failure::Missing:
    case HistoryStore::Failure::ReadOnly:
        return {};
    case HistoryStore::Failure::Busy:
        return QStringLiteral("the practice history %1 is in use by another program (busy); "
                              "nothing was read, try again when it is done")
            .arg(path);
    case HistoryStore::Failure::OlderVersion:
        return QStringLiteral("the practice history %1 is of an older version; start Moravel "
                              "once to bring it up to date")
            .arg(path);
    case HistoryStore::Failure::Damaged:
        return QStringLiteral("the practice history %1 is damaged: %2")
            .arg(path, store.failureDetail());
    case HistoryStore::Failure::Unreadable:
        break;
    }
    return QStringLiteral("the practice history %1 cannot be read: %2")
        .arg(path, store.failureDetail());
}

} // namespace

namespace HistoryCommands {

int exportHistory(const QString &historyPath, const QString &csvPath, const QString &player)
{
    const HistoryStore store(historyPath, HistoryStore::Mode::Read);
    if (const QString why = unreadable(store); !why.isEmpty())
        return problem(why);
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
    if (!imported.ok && imported.sessions == 0)
        return problem(QStringLiteral("%1 was not imported, nothing was changed: %2")
                           .arg(csvPath, imported.error));
    if (!imported.ok)
        return problem(QStringLiteral("%1 was imported only in part (%2 exercises with %3 strikes "
                                      "were added before it stopped; importing it again adds "
                                      "the rest): %4")
                           .arg(csvPath)
                           .arg(imported.sessions)
                           .arg(imported.strikes)
                           .arg(imported.error));
    std::printf("%d exercises with %d strikes imported from %s\n", imported.sessions,
                imported.strikes, qPrintable(csvPath));
    return 0;
}

int report(const QString &historyPath, const QString &player)
{
    const HistoryStore store(historyPath, HistoryStore::Mode::Read);
    if (const QString why = unreadable(store); !why.isEmpty())
        return problem(why);
    HistoryFilter filter;
    filter.player = player;
    const QDateTime now = QDateTime::currentDateTime();
    const StatisticsResult result = store.statistics(filter, now);
    if (!store.readError().isEmpty())
        return problem(QStringLiteral("the practice history %1 cannot be read: %2")
                           .arg(historyPath, store.readError()));
    const QString heading = player.isEmpty()
                                ? QStringLiteral("Moravel practice report, all players")
                                : QStringLiteral("Moravel practice report for %1").arg(player);
    std::fputs(qPrintable(heading + u'\n' + Statistics::report(result, filter)), stdout);
    return 0;
}

} // namespace HistoryCommands
