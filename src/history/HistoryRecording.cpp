// SPDX-License-Identifier: GPL-3.0-or-later
// Recording: the practice events of the running program, written as rows of the history.
#include "history/HistoryStore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <cstdio>

namespace {

QString isoWithOffset(const QDateTime &when)
{
    return when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QVariant optional(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

QVariant fingerOrNull(int finger)
{
    return finger >= 1 && finger <= 5 ? QVariant(finger) : QVariant(QMetaType(QMetaType::Int));
}

} // namespace

bool HistoryStore::record(const QList<PracticeEvent> &events)
{
    if (!isWritable() || events.isEmpty())
        return false;
    QSqlDatabase database = db();
    if (!database.transaction())
        return false;
    QSqlQuery session(database), task(database), strike(database), update(database);
    session.prepare(QStringLiteral(
        "INSERT INTO sessions (uid, player, kind, parameters, started, started_epoch_ms, status)"
        " VALUES (?, ?, ?, ?, ?, ?, 'abandoned')"));
    task.prepare(QStringLiteral("INSERT OR REPLACE INTO tasks (session, hand, task, expected,"
                                " memorize, shown_ms) VALUES (?, ?, ?, ?, ?, ?)"));
    strike.prepare(QStringLiteral(
        "INSERT INTO strikes (session, hand, task, expected, struck, correct, anticipated,"
        " reaction_ms, ticks, points, at_ms, memorize, device, code, velocity)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    bool ok = true;
    for (const PracticeEvent &e : events) {
        using T = PracticeEvent::Type;
        if (e.type == T::ExerciseStarted) {
            session.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
            session.addBindValue(e.player);
            session.addBindValue(e.kind);
            session.addBindValue(
                QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(e.parameters))
                                      .toJson(QJsonDocument::Compact)));
            session.addBindValue(isoWithOffset(e.wallClock));
            session.addBindValue(e.wallClock.toMSecsSinceEpoch());
            ok = ok && session.exec();
            m_exercises.insert(e.exercise, Exercise{session.lastInsertId().toLongLong(), e.timeNs});
            continue;
        }
        const auto it = m_exercises.constFind(e.exercise);
        if (it == m_exercises.constEnd())
            continue;
        const double atMs = double(e.timeNs - it->startNs) / 1e6;
        const int hand = int(handIndex(e.hand));
        switch (e.type) {
        case T::TaskShown:
            task.addBindValue(it->session);
            task.addBindValue(hand);
            task.addBindValue(e.task);
            task.addBindValue(fingerOrNull(e.expected));
            task.addBindValue(e.memorize ? 1 : 0);
            task.addBindValue(atMs);
            ok = ok && task.exec();
            break;
        case T::Strike:
            strike.addBindValue(it->session);
            strike.addBindValue(hand);
            strike.addBindValue(e.task);
            strike.addBindValue(fingerOrNull(e.expected));
            strike.addBindValue(e.struck);
            strike.addBindValue(e.right ? 1 : 0);
            strike.addBindValue(e.anticipated ? 1 : 0);
            strike.addBindValue(optional(e.reactionMs));
            strike.addBindValue(e.ticks);
            strike.addBindValue(e.points);
            strike.addBindValue(atMs);
            strike.addBindValue(e.memorize ? 1 : 0);
            strike.addBindValue(e.device.isEmpty() ? QStringLiteral("keyboard") : e.device);
            strike.addBindValue(qint64(e.code));
            strike.addBindValue(e.velocity >= 0 ? QVariant(e.velocity)
                                                : QVariant(QMetaType(QMetaType::Int)));
            ok = ok && strike.exec();
            break;
        case T::ExerciseFinished:
            update.prepare(QStringLiteral("UPDATE sessions SET status = 'finished', left_score = ?,"
                                          " right_score = ?, total_score = ? WHERE id = ?"));
            update.addBindValue(e.leftScore);
            update.addBindValue(e.rightScore);
            update.addBindValue(e.totalScore);
            update.addBindValue(it->session);
            ok = ok && update.exec();
            break;
        case T::ExerciseAbandoned:
            update.prepare(QStringLiteral("UPDATE sessions SET status = 'abandoned', reason = ?"
                                          " WHERE id = ?"));
            update.addBindValue(e.reason);
            update.addBindValue(it->session);
            ok = ok && update.exec();
            m_exercises.remove(e.exercise);
            break;
        default:
            break;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "moravel: practice history %s: %s\n", qPrintable(m_path),
                     qPrintable(strike.lastError().text() + session.lastError().text() +
                                task.lastError().text()));
        database.rollback();
        return false;
    }
    return database.commit();
}
