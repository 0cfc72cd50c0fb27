// SPDX-License-Identifier: GPL-3.0-or-later
// Recording: the practice events of the running program, written as rows of the history.
#include "history/HistoryStore.h"

#include "history/HistoryCsv.h"
#include "history/SqliteStatement.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <cerrno>
#include <map>
#include <sqlite3.h>
#include <tuple>

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

// A note's time on the grid from the exercise's start, for an event played in time.
QVariant gridMs(const PracticeEvent &e, qint64 startNs)
{
    return e.dueNs ? QVariant(double(*e.dueNs - startNs) / 1e6)
                   : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

bool HistoryStore::record(const QList<PracticeEvent> &events)
{
    m_writeProblem = WriteProblem::None;
    m_writeDetail.clear();
    if (!isWritable()) {
        m_writeProblem = m_failure == Failure::Busy ? WriteProblem::Busy : WriteProblem::Other;
        m_writeDetail = m_failureDetail;
        return false;
    }
    if (events.isEmpty())
        return true;
    QSqlDatabase database = db();
    if (QSqlError error; !beginWriting(&error))
        return writeFailed(sqliteResultCode(error), error.databaseText(), 0);
    // The exercises as they stand after this batch, kept only once it is committed: a batch
    // taken back leaves nothing behind, and its sessions get their uids when it is written
    // again.
    QHash<quint64, Exercise> exercises = m_exercises;
    QSqlQuery session(database), task(database), strike(database), update(database),
        rhythm(database);
    session.prepare(QStringLiteral(
        "INSERT INTO sessions (uid, player, kind, parameters, started, started_epoch_ms, status)"
        " VALUES (?, ?, ?, ?, ?, ?, 'abandoned')"));
    task.prepare(QStringLiteral("INSERT OR REPLACE INTO tasks (session, hand, task, expected,"
                                " memorize, shown_ms, grid_ms, silent) VALUES"
                                " ((SELECT id FROM sessions WHERE uid = ?), ?, ?, ?, ?, ?, ?, ?)"));
    strike.prepare(QStringLiteral(
        "INSERT INTO strikes (session, hand, task, expected, struck, correct, anticipated,"
        " reaction_ms, ticks, points, at_ms, memorize, device, code, velocity, grid_ms,"
        " deviation_ms, silent)"
        " VALUES ((SELECT id FROM sessions WHERE uid = ?), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
        " ?, ?, ?, ?, ?)"));
    rhythm.prepare(QStringLiteral(
        "INSERT INTO rhythm_sessions (session, figure, bpm, notes_per_beat_left,"
        " notes_per_beat_right, length, length_in, count_in, silent_every, tempo_trainer)"
        " VALUES ((SELECT id FROM sessions WHERE uid = ?), ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    // SQLite's own code and the system's error, taken as the statement fails (QtSql keeps
    // no code for a failed COMMIT, and later calls change both).
    sqlite3 *handle = sqliteHandle(database);
    int code = 0, systemError = 0;
    QString detail;
    const auto failed = [&](const QSqlError &error) {
        code = handle ? sqlite3_errcode(handle) : sqliteResultCode(error);
        systemError = handle ? sqlite3_system_errno(handle) : 0;
        detail = error.databaseText();
    };
    const auto run = [&failed](QSqlQuery &query) {
        if (query.exec())
            return true;
        failed(query.lastError());
        return false;
    };
    bool ok = true;
    for (const PracticeEvent &e : events) {
        using T = PracticeEvent::Type;
        if (e.type == T::ExerciseStarted) {
            const Exercise started = begun(e);
            session.addBindValue(started.uid);
            // A player who gave no name is an empty one, never a missing one.
            session.addBindValue(e.player.isNull() ? QStringLiteral("") : e.player);
            session.addBindValue(e.kind);
            session.addBindValue(
                QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(e.parameters))
                                      .toJson(QJsonDocument::Compact)));
            session.addBindValue(started.started);
            session.addBindValue(e.wallClock.toMSecsSinceEpoch());
            ok = run(session);
            if (const std::optional<HistoryData::Rhythm> played = rhythmOf(e); ok && played) {
                rhythm.addBindValue(started.uid);
                rhythm.addBindValue(played->figure);
                rhythm.addBindValue(played->bpm);
                rhythm.addBindValue(played->notesPerBeatLeft);
                rhythm.addBindValue(played->notesPerBeatRight);
                rhythm.addBindValue(played->length);
                rhythm.addBindValue(played->lengthIn);
                rhythm.addBindValue(played->countIn ? 1 : 0);
                rhythm.addBindValue(played->silentEvery);
                rhythm.addBindValue(played->tempoTrainer ? 1 : 0);
                ok = run(rhythm);
            }
            exercises.insert(e.exercise, started);
        } else if (const auto it = exercises.constFind(e.exercise); it != exercises.constEnd()) {
            const double atMs = double(e.timeNs - it->startNs) / 1e6;
            const int hand = int(handIndex(e.hand));
            switch (e.type) {
            case T::TaskShown:
                task.addBindValue(it->uid);
                task.addBindValue(hand);
                task.addBindValue(e.task);
                task.addBindValue(fingerOrNull(e.expected));
                task.addBindValue(e.memorize ? 1 : 0);
                task.addBindValue(atMs);
                task.addBindValue(gridMs(e, it->startNs));
                task.addBindValue(e.silent ? 1 : 0);
                ok = run(task);
                break;
            case T::Strike:
                strike.addBindValue(it->uid);
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
                strike.addBindValue(gridMs(e, it->startNs));
                strike.addBindValue(optional(e.deviationMs));
                strike.addBindValue(e.silent ? 1 : 0);
                ok = run(strike);
                break;
            case T::ExerciseFinished:
                update.prepare(QStringLiteral("UPDATE sessions SET status = 'finished',"
                                              " left_score = ?, right_score = ?,"
                                              " total_score = ? WHERE uid = ?"));
                update.addBindValue(e.leftScore);
                update.addBindValue(e.rightScore);
                update.addBindValue(e.totalScore);
                update.addBindValue(it->uid);
                ok = run(update);
                if (ok && e.parameters.contains(QStringLiteral("clean"))) {
                    update.prepare(QStringLiteral("UPDATE rhythm_sessions SET clean = ? WHERE"
                                                  " session = (SELECT id FROM sessions"
                                                  " WHERE uid = ?)"));
                    update.addBindValue(e.parameters.value(QStringLiteral("clean")).toBool() ? 1
                                                                                             : 0);
                    update.addBindValue(it->uid);
                    ok = run(update);
                }
                break;
            case T::ExerciseAbandoned:
                update.prepare(QStringLiteral("UPDATE sessions SET status = 'abandoned', reason = ?"
                                              " WHERE uid = ?"));
                update.addBindValue(e.reason);
                update.addBindValue(it->uid);
                ok = run(update);
                exercises.remove(e.exercise);
                break;
            default:
                break;
            }
        }
        if (!ok)
            break;
    }
    for (QSqlQuery *query : {&session, &task, &strike, &update, &rhythm})
        query->finish();
    if (ok && !database.commit()) {
        ok = false;
        failed(database.lastError());
    }
    if (!ok) {
        // After a failed COMMIT the transaction may still be open: end it either way.
        database.rollback();
        return writeFailed(code & 0xff, detail, systemError);
    }
    m_exercises = exercises;
    return true;
}

std::optional<HistoryData::Rhythm> HistoryStore::rhythmOf(const PracticeEvent &started)
{
    const QVariantMap &p = started.parameters;
    if (started.kind != QLatin1String("rhythm") || !p.contains(QStringLiteral("figure")) ||
        !p.contains(QStringLiteral("bpm")))
        return std::nullopt;
    HistoryData::Rhythm r;
    r.figure = p.value(QStringLiteral("figure")).toString();
    r.bpm = p.value(QStringLiteral("bpm")).toInt();
    r.notesPerBeatLeft = p.value(QStringLiteral("notes_per_beat_left"), 1).toInt();
    r.notesPerBeatRight = p.value(QStringLiteral("notes_per_beat_right"), 1).toInt();
    r.length = p.value(QStringLiteral("length")).toInt();
    r.lengthIn = p.value(QStringLiteral("length_in")).toString();
    r.countIn = p.value(QStringLiteral("count_in")).toBool();
    r.silentEvery = p.value(QStringLiteral("silent_every")).toInt();
    r.tempoTrainer = p.value(QStringLiteral("tempo_trainer")).toBool();
    return r;
}

bool HistoryStore::beginWriting(QSqlError *error) const
{
    QSqlQuery begin(db());
    if (begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    if (error)
        *error = begin.lastError();
    return false;
}

HistoryStore::Exercise HistoryStore::begun(const PracticeEvent &started)
{
    return {QUuid::createUuid().toString(QUuid::WithoutBraces),
            started.player,
            started.kind,
            isoWithOffset(started.wallClock),
            started.timeNs,
            rhythmOf(started)};
}

bool HistoryStore::saveUnwritten(const QList<PracticeEvent> &events, QIODevice &out) const
{
    const auto number = [](double value) {
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    };
    const auto finger = [](int f) { return f >= 1 && f <= 5 ? QString::number(f) : QString(); };
    QHash<quint64, Exercise> exercises = m_exercises;
    // When each task was shown, for the strikes that answer it.
    std::map<std::tuple<quint64, int, int>, double> shown;
    // Whether each finished rhythm exercise was clean, said on each of its rows.
    QHash<quint64, bool> clean;
    for (const PracticeEvent &e : events) {
        if (e.type == PracticeEvent::Type::ExerciseFinished &&
            e.parameters.contains(QStringLiteral("clean")))
            clean.insert(e.exercise, e.parameters.value(QStringLiteral("clean")).toBool());
    }
    const auto rhythmColumns = [&](quint64 exercise, const Exercise &begun) {
        if (!begun.rhythm)
            return QStringList(10, QString());
        const HistoryData::Rhythm &r = *begun.rhythm;
        const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
        return QStringList{HistoryCsv::neutralised(r.figure),
                           QString::number(r.bpm),
                           QString::number(r.notesPerBeatLeft),
                           QString::number(r.notesPerBeatRight),
                           QString::number(r.length),
                           r.lengthIn,
                           flag(r.countIn),
                           QString::number(r.silentEvery),
                           flag(r.tempoTrainer),
                           clean.contains(exercise) ? flag(clean.value(exercise)) : QString()};
    };
    QByteArray rows = HistoryCsv::record(HistoryCsv::header(HistoryCsv::LatestFormat));
    for (const PracticeEvent &e : events) {
        using T = PracticeEvent::Type;
        if (e.type == T::ExerciseStarted) {
            exercises.insert(e.exercise, begun(e));
            continue;
        }
        const auto it = exercises.constFind(e.exercise);
        if (it == exercises.constEnd() || (e.type != T::TaskShown && e.type != T::Strike))
            continue;
        const double atMs = double(e.timeNs - it->startNs) / 1e6;
        const auto key = std::make_tuple(e.exercise, int(handIndex(e.hand)), e.task);
        QStringList row = {HistoryCsv::neutralised(it->uid),
                           HistoryCsv::neutralised(it->player),
                           it->kind,
                           it->started,
                           e.hand == Hand::Left ? QStringLiteral("L") : QStringLiteral("R"),
                           QString::number(e.task),
                           finger(e.expected)};
        if (e.type == T::TaskShown) {
            shown[key] = atMs;
            row << QString() << QString() << QString() << QString() << QString() << QString()
                << QString() << QStringLiteral("task") << QString::number(e.memorize ? 1 : 0)
                << QString() << number(atMs);
            if (e.dueNs)
                row << number(double(*e.dueNs - it->startNs) / 1e6) << QString()
                    << QString::number(e.silent ? 1 : 0);
            else
                row << QString() << QString() << QString();
        } else {
            const auto when = shown.find(key);
            row << QString::number(e.struck) << QString::number(e.right ? 1 : 0)
                << QString::number(e.anticipated ? 1 : 0)
                << (e.reactionMs ? number(*e.reactionMs) : QString()) << QString::number(e.points)
                << HistoryCsv::neutralised(e.device.isEmpty() ? QStringLiteral("keyboard")
                                                              : e.device)
                << (e.velocity >= 0 ? QString::number(e.velocity) : QString())
                << QStringLiteral("strike") << QString::number(e.memorize ? 1 : 0) << number(atMs)
                << (when != shown.end() ? number(when->second) : QString());
            if (e.dueNs)
                row << number(double(*e.dueNs - it->startNs) / 1e6)
                    << (e.deviationMs ? number(*e.deviationMs) : QString())
                    << QString::number(e.silent ? 1 : 0);
            else
                row << QString() << QString() << QString();
        }
        row << rhythmColumns(e.exercise, *it);
        rows += HistoryCsv::record(row);
    }
    return out.write(rows) == rows.size();
}

bool HistoryStore::writeFailed(int code, const QString &detail, int systemError)
{
    m_writeDetail = detail;
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        m_writeProblem = WriteProblem::Busy;
        return false;
    case SQLITE_FULL:
        m_writeProblem = WriteProblem::DiskFull;
        return false;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        m_writeProblem = WriteProblem::ReadOnly;
        return false;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: {
        m_writeProblem = WriteProblem::Damaged;
        // A quick look at the next start might pass the file: leave word to read it whole.
        QFile mark(m_path + QLatin1String(DamageMarkSuffix));
        if (mark.open(QIODevice::WriteOnly))
            mark.write(detail.toUtf8() + '\n');
        return false;
    }
    default:
        break;
    }
    // An input or output error says little by itself: the system's error says more (a
    // file system the kernel or a file server made read-only, a quota).
    switch (systemError) {
    case EROFS:
    case EACCES:
    case EPERM:
        m_writeProblem = WriteProblem::ReadOnly;
        break;
    case ENOSPC:
    case EDQUOT:
        m_writeProblem = WriteProblem::DiskFull;
        break;
    default:
        m_writeProblem = WriteProblem::Other;
    }
    return false;
}

QString HistoryStore::problemText(WriteProblem problem)
{
    switch (problem) {
    case WriteProblem::None:
        return {};
    case WriteProblem::Busy:
        return QCoreApplication::translate(
            "HistoryStore", "The practice history is in use by another program. Your practice "
                            "is kept and will be written when it is free.");
    case WriteProblem::DiskFull:
        return QCoreApplication::translate(
            "HistoryStore", "The disk of the practice history is full. Your practice is kept "
                            "and will be written when there is room.");
    case WriteProblem::ReadOnly:
        return QCoreApplication::translate(
            "HistoryStore", "The practice history has become read-only. Your practice is kept "
                            "and will be written when it can be.");
    case WriteProblem::Damaged:
        return QCoreApplication::translate(
            "HistoryStore", "The practice history is damaged. Your practice is kept and goes "
                            "into a new history at the next start.");
    case WriteProblem::Other:
        break;
    }
    return QCoreApplication::translate("HistoryStore",
                                       "The practice history cannot be written just now. Your "
                                       "practice is kept and will be written when it can be.");
}
