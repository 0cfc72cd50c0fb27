// SPDX-License-Identifier: GPL-3.0-or-later
// The practice history from CSV: the import of an exported history (formats 1 to 3), checked
// whole before it is written.
#include "drill/ExerciseKind.h"
#include "history/HistoryStore.h"

#include "history/HistoryCsv.h"
#include "history/SqliteStatement.h"
#include "settings/PlayerName.h"

#include <QHash>
#include <QIODevice>
#include <QLocale>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

namespace {

QByteArray strikeKey(qint64 hand, int task, int struck, std::optional<double> atMs)
{
    return QByteArray::number(hand) + ',' + QByteArray::number(task) + ',' +
           QByteArray::number(struck) + ',' +
           (atMs ? QByteArray::number(*atMs, 'g', QLocale::FloatingPointShortest) : "-");
}

} // namespace

HistoryStore::Imported HistoryStore::importCsv(QIODevice &in, Existing existing)
{
    if (!isWritable()) {
        Imported refused;
        refused.error = QStringLiteral("the practice history %1 cannot be written").arg(m_path);
        return refused;
    }
    // A file is checked whole before a row is written, and then written in transactions of
    // whole exercises: a long import lets the program's own writer in between them, and one
    // that fails half way (a full disk) has added whole exercises only, which a second
    // import skips. A device that cannot be read twice is written in one transaction,
    // which a bad row takes back whole.
    if (!in.isSequential()) {
        const qint64 start = in.pos();
        const Imported checked = importPass(in, false, existing);
        if (!checked.ok)
            return checked;
        if (!in.seek(start)) {
            Imported unread;
            unread.error = in.errorString();
            return unread;
        }
    }
    return importPass(in, true, existing);
}

HistoryStore::Imported HistoryStore::importPass(QIODevice &in, bool write, Existing existing)
{
    Imported result;
    struct Row {
        bool taskOnly = false; // a task that no strike answered
        Hand hand = Hand::Left;
        int task = 0, expected = 0;
        bool memorize = false;
        std::optional<double> reaction, atMs, shownMs, gridMs, deviationMs;
        bool silent = false;
    };
    struct Session {
        QString player, kind, started;
        qint64 id = 0; // 0: already here, its rows are skipped
        // Of one that was here already and gets the rows it lacks: the strikes it has.
        std::optional<QSet<QByteArray>> present;
    };
    QHash<QString, Session> sessions;
    const bool chunked = write && !in.isSequential();

    // Rows are written as they are read, so the file is never held whole in memory; a
    // failure takes back what is not yet committed.
    QSqlDatabase database = db();
    // The write-ahead log is copied into the file once, at the end, not after every
    // transaction, as it was when the import was one.
    struct Checkpoints {
        QSqlDatabase &database;
        bool deferred;
        ~Checkpoints()
        {
            if (deferred)
                QSqlQuery(database).exec(QStringLiteral("PRAGMA wal_autocheckpoint = 1000"));
        }
    } checkpoints{database, chunked && QSqlQuery(database).exec(
                                           QStringLiteral("PRAGMA wal_autocheckpoint = 0"))};
    if (QSqlError error; write && !beginWriting(&error)) {
        result.error = error.text();
        return result;
    }
    // What the transactions committed so far added.
    int committedSessions = 0, committedStrikes = 0;
    // Taken back on every way out but the commit, after the statements are finished.
    struct Undo {
        QSqlDatabase &database;
        Imported &result;
        bool write;
        int &sessions, &strikes;
        ~Undo()
        {
            if (!result.ok && write) {
                database.rollback();
                result.sessions = sessions;
                result.strikes = strikes;
            }
        }
    } undo{database, result, write, committedSessions, committedStrikes};
    SqliteStatement known(database, "SELECT id FROM sessions WHERE uid = ?");
    SqliteStatement session(database, "INSERT INTO sessions (uid, player, kind, parameters,"
                                      " started, started_epoch_ms, status)"
                                      " VALUES (?, ?, ?, '{}', ?, ?, 'imported')");
    SqliteStatement strike(database, "INSERT INTO strikes (session, hand, task, expected, struck,"
                                     " correct, anticipated, reaction_ms, points, device,"
                                     " velocity, memorize, at_ms, grid_ms, deviation_ms, silent)"
                                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    // A task answered by several strikes comes with each of them: the first one counts.
    SqliteStatement shown(database, "INSERT OR IGNORE INTO tasks (session, hand, task, expected,"
                                    " memorize, shown_ms, grid_ms, silent)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    SqliteStatement rhythm(database, "INSERT OR IGNORE INTO rhythm_sessions (session, figure, bpm,"
                                     " notes_per_beat_left, notes_per_beat_right, length,"
                                     " length_in, count_in, silent_every, tempo_trainer, clean)"
                                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const auto bindOptional = [](SqliteStatement &q, int index, const auto &value) {
        if (value)
            q.bind(index, *value);
        else
            q.bindNull(index);
    };

    // Commits what this transaction added and, unless it was the last, begins the next.
    const auto commitChunk = [&](bool more = true) {
        for (SqliteStatement *q : {&known, &session, &strike, &shown, &rhythm})
            q->reset();
        // Exercises added may come before what a summary covers.
        if (result.sessions > committedSessions &&
            !QSqlQuery(database).exec(QStringLiteral("DELETE FROM summaries"))) {
            result.error = QStringLiteral("the summaries could not be dropped");
            return false;
        }
        if (!database.commit()) {
            result.error = database.lastError().text();
            return false;
        }
        committedSessions = result.sessions;
        committedStrikes = result.strikes;
        if (!more)
            return true;
        // A moment for a writer that waits.
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (QSqlError error; !beginWriting(&error)) {
            result.error = error.text();
            undo.write = false; // nothing is open to take back
            return false;
        }
        return true;
    };
    // The strikes an exercise already here has, by what tells two strikes apart.
    const auto strikesOf = [&database](qint64 id) {
        QSet<QByteArray> keys;
        SqliteStatement rows(database,
                             "SELECT hand, task, struck, at_ms FROM strikes WHERE session = ?");
        rows.bind(0, id);
        while (rows.next()) {
            keys.insert(
                strikeKey(rows.integer(0), int(rows.integer(1)), int(rows.integer(2)),
                          rows.isNull(3) ? std::nullopt : std::optional<double>(rows.real(3))));
        }
        return keys;
    };
    HistoryCsv::Reader reader(in);
    QStringList names;
    const int format = reader.next(names) ? HistoryCsv::formatOf(names) : 0;
    if (!format) {
        result.error = reader.error().isEmpty()
                           ? QStringLiteral("line 1: the header is not %1")
                                 .arg(HistoryCsv::header(HistoryCsv::LatestFormat).join(u','))
                           : reader.error();
        return result;
    }
    const QStringList header = HistoryCsv::header(format);
    // The fields as bytes: a school's export has millions of numbers, and only the texts
    // become strings, once for an exercise's rows in a row.
    QList<QByteArray> fields;
    QList<QByteArray> lastExercise;             // the exercise columns of the row before, as read
    qint64 current = 0;                         // where its rows go; 0: already here, skipped
    QSet<QByteArray> *currentPresent = nullptr; // the strikes it has, when it was here
    int rowsInChunk = 0;
    QByteArray lastDevice, device; // the device column as read, and as stored
    while (reader.next(fields)) {
        const auto refuse = [&](const QString &what) {
            result.error = QStringLiteral("line %1: %2").arg(reader.line()).arg(what);
        };
        if (fields.size() == 1 && fields.first().isEmpty())
            continue; // a blank line
        if (fields.size() != header.size()) {
            refuse(
                QStringLiteral("%1 columns instead of %2").arg(fields.size()).arg(header.size()));
            return result;
        }
        const auto integer = [&](int column, int low, int high, bool blankAllowed,
                                 std::optional<int> &out) {
            const QByteArray &f = fields[column];
            if (f.isEmpty())
                return blankAllowed;
            bool ok = false;
            const int value = f.toInt(&ok);
            if (!ok || value < low || value > high)
                return false;
            out = value;
            return true;
        };
        // A time in milliseconds, blank or within an hour of the exercise's start.
        const auto milliseconds = [&](int column, bool negativeAllowed,
                                      std::optional<double> &out) {
            const QByteArray &f = fields[column];
            if (f.isEmpty())
                return true;
            bool ok = false;
            const double value = f.toDouble(&ok);
            if (!ok || !std::isfinite(value) || value >= 3.6e6 ||
                value < (negativeAllowed ? -3.6e6 : 0))
                return false;
            out = value;
            return true;
        };
        Row row;
        std::optional<int> task, expected, struck, correct, anticipated, points, velocity, memorize;
        bool good = true;
        const auto check = [&](bool valid, const char *column) {
            if (good && !valid) {
                const QString name = QLatin1String(column);
                refuse(QStringLiteral("%1 %2 is not valid")
                           .arg(name, HistoryCsv::quoted(
                                          QString::fromUtf8(fields[header.indexOf(name)]))));
                good = false;
            }
        };
        // The exercise's columns, read once for its rows in a row.
        const bool sameExercise = lastExercise.size() == 4 && fields[0] == lastExercise[0] &&
                                  fields[1] == lastExercise[1] && fields[2] == lastExercise[2] &&
                                  fields[3] == lastExercise[3];
        if (!sameExercise) {
            lastExercise.clear();
            // Whole exercises in each transaction, a few thousand rows long.
            if (chunked && rowsInChunk >= ImportChunkRows) {
                if (!commitChunk())
                    return result;
                rowsInChunk = 0;
            }
            const QString uid = HistoryCsv::restored(QString::fromUtf8(fields[0]));
            // A name gets the name prompt's rule: no line breaks or other control characters.
            QString player = HistoryCsv::restored(QString::fromUtf8(fields[1]));
            if (!player.isEmpty())
                player = PlayerName::fromTyped(player);
            const QString kind = QString::fromUtf8(fields[2]);
            const QString started = QString::fromUtf8(fields[3]);
            check(!uid.isEmpty(), "session");
            check(ExerciseKinds::fromId(kind).has_value(), "exercise");
            const QDateTime when = QDateTime::fromString(started, Qt::ISODateWithMs);
            check(when.isValid(), "started");
            // How a rhythm exercise was played: all its columns, or none for another kind.
            std::optional<int> bpm, notesLeft, notesRight, length, countIn, silentEvery,
                tempoTrainer, clean;
            const bool played = format >= 3 && !fields[21].isEmpty();
            if (played) {
                check(kind == QLatin1String("rhythm"), "figure");
                check(integer(22, 1, 1000, false, bpm), "bpm");
                check(integer(23, 1, 16, false, notesLeft), "notes_per_beat_left");
                check(integer(24, 1, 16, false, notesRight), "notes_per_beat_right");
                check(integer(25, 0, 1000000, false, length), "length");
                check(fields[26] == "bars" || fields[26] == "passes", "length_in");
                check(integer(27, 0, 1, false, countIn), "count_in");
                check(integer(28, 0, 1000, false, silentEvery), "silent_every");
                check(integer(29, 0, 1, false, tempoTrainer), "tempo_trainer");
                check(integer(30, 0, 1, true, clean), "clean");
            } else if (format >= 3) {
                for (int c = 22; c <= 30; ++c)
                    check(fields[c].isEmpty(), qPrintable(header[c]));
            }
            if (!good)
                return result;
            auto it = sessions.find(uid);
            if (it == sessions.end()) {
                Session added{player, kind, started, 0, std::nullopt};
                known.reset();
                known.bind(0, uid.toUtf8());
                // Already here: from an earlier import, or this computer's own.
                if (!write) {
                } else if (known.next()) {
                    if (existing == Existing::AddMissingRows) {
                        added.id = known.integer(0);
                        added.present = strikesOf(added.id);
                    }
                } else {
                    session.reset();
                    session.bind(0, uid.toUtf8());
                    session.bind(1, player.toUtf8());
                    session.bind(2, kind.toUtf8());
                    session.bind(3, started.toUtf8());
                    session.bind(4, when.toMSecsSinceEpoch());
                    if (!session.run()) {
                        result.error = session.error();
                        return result;
                    }
                    added.id = session.lastInsertId();
                    ++result.sessions;
                    if (played) {
                        rhythm.reset();
                        rhythm.bind(0, added.id);
                        rhythm.bind(1,
                                    HistoryCsv::restored(QString::fromUtf8(fields[21])).toUtf8());
                        rhythm.bind(2, qint64(*bpm));
                        rhythm.bind(3, qint64(*notesLeft));
                        rhythm.bind(4, qint64(*notesRight));
                        rhythm.bind(5, qint64(*length));
                        rhythm.bind(6, fields[26]);
                        rhythm.bind(7, qint64(*countIn));
                        rhythm.bind(8, qint64(*silentEvery));
                        rhythm.bind(9, qint64(*tempoTrainer));
                        bindOptional(rhythm, 10,
                                     clean ? std::optional<qint64>(*clean) : std::nullopt);
                        if (!rhythm.run()) {
                            result.error = rhythm.error();
                            return result;
                        }
                    }
                }
                if (!known.error().isEmpty()) {
                    result.error = known.error();
                    return result;
                }
                it = sessions.insert(uid, added);
            } else if (it->player != player || it->kind != kind || it->started != started) {
                refuse(QStringLiteral(
                           "the exercise %1 has other player, kind or start in an earlier row")
                           .arg(HistoryCsv::escaped(uid)));
                return result;
            }
            current = write ? it->id : 0;
            currentPresent = it->present ? &*it->present : nullptr;
            lastExercise = fields.mid(0, 4);
        }
        check(fields[4] == "L" || fields[4] == "R", "hand");
        check(integer(5, 1, 1000000, false, task), "task");
        check(integer(6, 1, 5, true, expected), "expected");
        if (format >= 2) {
            row.taskOnly = fields[14] == "task";
            check(row.taskOnly || fields[14] == "strike", "record");
            check(integer(15, 0, 1, false, memorize), "memorize");
            check(milliseconds(16, true, row.atMs), "at_ms");
            check(milliseconds(17, true, row.shownMs), "shown_ms");
        }
        std::optional<int> silent;
        if (format >= 3) {
            check(milliseconds(18, true, row.gridMs), "grid_ms");
            check(milliseconds(19, true, row.deviationMs), "deviation_ms");
            // Only a note with a time on the grid was heard with or without its click.
            check(integer(20, 0, 1, !row.gridMs, silent), "silent");
            check(row.gridMs || fields[20].isEmpty(), "silent");
            check(!row.taskOnly || fields[19].isEmpty(), "deviation_ms");
            row.silent = silent.value_or(0) != 0;
        }
        if (row.taskOnly) {
            // A task row has nothing of a strike.
            for (int c = 7; c <= 13; ++c)
                check(fields[c].isEmpty(), qPrintable(header[c]));
            check(fields[16].isEmpty(), "at_ms");
            check(row.shownMs.has_value(), "shown_ms");
        } else {
            check(integer(7, 1, 5, false, struck), "struck");
            check(integer(8, 0, 1, false, correct), "correct");
            check(integer(9, 0, 1, false, anticipated), "anticipated");
            check(milliseconds(10, false, row.reaction), "reaction_ms");
            check(integer(11, 0, 5, false, points), "points");
            check(!fields[12].isEmpty(), "device");
            check(integer(13, 0, 127, true, velocity), "velocity");
        }
        if (!good)
            return result;
        if (!current)
            continue;
        ++rowsInChunk;
        row.hand = fields[4] == "L" ? Hand::Left : Hand::Right;
        row.task = *task;
        row.expected = expected.value_or(0);
        row.memorize = memorize.value_or(0) != 0;
        const auto bindFinger = [&row](SqliteStatement &q, int index) {
            if (row.expected >= 1)
                q.bind(index, qint64(row.expected));
            else
                q.bindNull(index);
        };
        if (row.shownMs) {
            shown.reset();
            shown.bind(0, current);
            shown.bind(1, qint64(handIndex(row.hand)));
            shown.bind(2, qint64(row.task));
            bindFinger(shown, 3);
            shown.bind(4, qint64(row.memorize ? 1 : 0));
            shown.bind(5, *row.shownMs);
            bindOptional(shown, 6, row.gridMs);
            shown.bind(7, qint64(row.silent ? 1 : 0));
            if (!shown.run()) {
                result.error = shown.error();
                return result;
            }
        }
        if (row.taskOnly)
            continue;
        if (currentPresent) {
            const QByteArray key =
                strikeKey(qint64(handIndex(row.hand)), row.task, *struck, row.atMs);
            if (currentPresent->contains(key))
                continue; // already here
            currentPresent->insert(key);
        }
        strike.reset();
        strike.bind(0, current);
        strike.bind(1, qint64(handIndex(row.hand)));
        strike.bind(2, qint64(row.task));
        bindFinger(strike, 3);
        strike.bind(4, qint64(*struck));
        strike.bind(5, qint64(*correct));
        strike.bind(6, qint64(*anticipated));
        bindOptional(strike, 7, row.reaction);
        strike.bind(8, qint64(*points));
        if (fields[12] != lastDevice || device.isNull()) {
            lastDevice = fields[12];
            device = HistoryCsv::restored(QString::fromUtf8(lastDevice)).toUtf8();
        }
        strike.bind(9, device);
        if (velocity)
            strike.bind(10, qint64(*velocity));
        else
            strike.bindNull(10);
        strike.bind(11, qint64(row.memorize ? 1 : 0));
        bindOptional(strike, 12, row.atMs);
        bindOptional(strike, 13, row.gridMs);
        bindOptional(strike, 14, row.deviationMs);
        strike.bind(15, qint64(row.silent ? 1 : 0));
        if (!strike.run()) {
            result.error = strike.error();
            return result;
        }
        ++result.strikes;
    }
    if (!reader.error().isEmpty()) {
        result.error = reader.error();
        return result;
    }
    if (write && !commitChunk(false))
        return result;
    result.ok = true;
    return result;
}
