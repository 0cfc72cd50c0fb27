// SPDX-License-Identifier: GPL-3.0-or-later
// The practice history as CSV: the export a teacher collects (format 3, one row per strike
// and per task no strike answered).
#include "history/HistoryStore.h"

#include "history/HistoryCsv.h"
#include "history/SqliteStatement.h"

#include <QIODevice>
#include <QLocale>
#include <QSqlDatabase>

#include <array>
#include <charconv>
#include <vector>

bool HistoryStore::exportCsv(QIODevice &out, const QString &player, QString *error) const
{
    const QStringList header = HistoryCsv::header(HistoryCsv::LatestFormat);
    if (!m_open) {
        // A history not yet begun exports as its header alone.
        if (m_failure == Failure::Missing)
            return out.write(HistoryCsv::record(header)) > 0;
        if (error)
            *error = QStringLiteral("the practice history %1 cannot be read").arg(m_path);
        return false;
    }
    // Exercise by exercise: its strikes in the order they came, then the tasks that no
    // strike answered (they tell when the other hand was busy). The rows are made as bytes
    // straight from SQLite's columns: a school's million strikes take seconds, not tens.
    SqliteStatement sessions(db(), "SELECT x.id, x.uid, x.player, x.kind, x.started, r.figure,"
                                   " r.bpm, r.notes_per_beat_left, r.notes_per_beat_right,"
                                   " r.length, r.length_in, r.count_in, r.silent_every,"
                                   " r.tempo_trainer, r.clean FROM sessions x"
                                   " LEFT JOIN rhythm_sessions r ON r.session = x.id"
                                   " WHERE ?1 = '' OR x.player = ?1"
                                   " ORDER BY x.started_epoch_ms, x.id");
    SqliteStatement tasks(db(), "SELECT hand, task, expected, memorize, shown_ms, grid_ms,"
                                " silent FROM tasks WHERE session = ? ORDER BY hand, task");
    SqliteStatement strikes(db(), "SELECT hand, task, expected, struck, correct, anticipated,"
                                  " reaction_ms, points, device, velocity, memorize, at_ms,"
                                  " grid_ms, deviation_ms, silent"
                                  " FROM strikes WHERE session = ? ORDER BY id");
    sessions.bind(0, player.toUtf8());
    QByteArray buffer = HistoryCsv::record(header);
    buffer.reserve(1 << 21);
    // A field as the CSV holds it, added to the buffer; numbers as SQLite gives them back,
    // in their shortest exact form.
    const auto put = [&buffer](const SqliteStatement &q, int column, bool real = false) {
        if (q.isNull(column))
            return;
        if (real) {
            buffer += QByteArray::number(q.real(column), 'g', QLocale::FloatingPointShortest);
            return;
        }
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, q.integer(column)).ptr;
        buffer.append(digits, end - digits);
    };
    const auto copy = [](const SqliteStatement &q, int column, bool real = false) {
        if (q.isNull(column))
            return QByteArray();
        return real ? QByteArray::number(q.real(column), 'g', QLocale::FloatingPointShortest)
                    : QByteArray::number(q.integer(column));
    };
    const auto textField = [](const QString &text) {
        return HistoryCsv::record({text}).chopped(2);
    };
    struct Task {
        bool present = false, answered = false;
        QByteArray expected, memorize, shownMs, timed;
    };
    std::array<std::vector<Task>, 2> shown; // of the current exercise, by hand and number
    bool ok = true;
    const auto flush = [&](qsizetype above) {
        if (ok && buffer.size() > above) {
            ok = out.write(buffer) == buffer.size();
            buffer.truncate(0);
        }
    };
    QByteArray device, deviceField; // the last device and its field
    while (ok && sessions.next()) {
        const qint64 id = sessions.integer(0);
        // The texts a player or another computer chose never run as spreadsheet formulas.
        const QByteArray exercise =
            textField(HistoryCsv::neutralised(QString::fromUtf8(sessions.text(1)))) + ',' +
            textField(HistoryCsv::neutralised(QString::fromUtf8(sessions.text(2)))) + ',' +
            textField(QString::fromUtf8(sessions.text(3))) + ',' +
            textField(QString::fromUtf8(sessions.text(4))) + ',';
        // A rhythm exercise's own columns, the same on each of its rows.
        QByteArray rhythm = ",,,,,,,,,";
        if (!sessions.isNull(5)) {
            rhythm = textField(HistoryCsv::neutralised(QString::fromUtf8(sessions.text(5))));
            for (int c = 6; c <= 14; ++c) {
                rhythm += ',';
                rhythm +=
                    c == 10 ? textField(QString::fromUtf8(sessions.text(c))) : copy(sessions, c);
            }
        }
        rhythm += "\r\n";
        for (std::vector<Task> &hand : shown)
            hand.clear();
        tasks.reset();
        tasks.bind(0, id);
        while (tasks.next()) {
            const qint64 h = tasks.integer(0), number = tasks.integer(1);
            if (h < 0 || h > 1 || number < 0 || number > 1000000)
                continue;
            std::vector<Task> &hand = shown[std::size_t(h)];
            if (hand.size() <= std::size_t(number))
                hand.resize(std::size_t(number) + 1);
            // A task row has no deviation; silent only where the note has a grid time.
            const QByteArray timed = tasks.isNull(5)
                                         ? QByteArray(",,,")
                                         : copy(tasks, 5, true) + ",," + copy(tasks, 6) + ',';
            hand[std::size_t(number)] = {
                true, false, copy(tasks, 2), copy(tasks, 3), copy(tasks, 4, true), timed};
        }
        strikes.reset();
        strikes.bind(0, id);
        bool any = false;
        while (ok && strikes.next()) {
            any = true;
            const qint64 h = strikes.integer(0), number = strikes.integer(1);
            Task *task = h >= 0 && h <= 1 && number >= 0 &&
                                 std::size_t(number) < shown[std::size_t(h)].size() &&
                                 shown[std::size_t(h)][std::size_t(number)].present
                             ? &shown[std::size_t(h)][std::size_t(number)]
                             : nullptr;
            if (task)
                task->answered = true;
            if (const QByteArray raw = strikes.text(8); raw != device || deviceField.isNull()) {
                device = raw;
                deviceField = textField(HistoryCsv::neutralised(QString::fromUtf8(raw)));
            }
            buffer += exercise;
            buffer += h == 0 ? "L," : "R,";
            for (int c = 1; c <= 5; ++c) {
                put(strikes, c);
                buffer += ',';
            }
            put(strikes, 6, true);
            buffer += ',';
            put(strikes, 7);
            buffer += ',';
            buffer += deviceField;
            buffer += ',';
            put(strikes, 9);
            buffer += ",strike,";
            put(strikes, 10);
            buffer += ',';
            put(strikes, 11, true);
            buffer += ',';
            if (task)
                buffer += task->shownMs;
            buffer += ',';
            if (!strikes.isNull(12)) {
                put(strikes, 12, true);
                buffer += ',';
                put(strikes, 13, true);
                buffer += ',';
                put(strikes, 14);
                buffer += ',';
            } else {
                buffer += ",,,";
            }
            buffer += rhythm;
            flush(1 << 20);
        }
        if (!any)
            continue; // an exercise begun but never struck is not exported
        for (int h = 0; h < 2; ++h) {
            for (std::size_t number = 0; number < shown[std::size_t(h)].size(); ++number) {
                const Task &task = shown[std::size_t(h)][number];
                if (!task.present || task.answered)
                    continue;
                buffer += exercise;
                buffer += h == 0 ? "L," : "R,";
                buffer += QByteArray::number(qulonglong(number));
                buffer += ',';
                buffer += task.expected;
                buffer += ",,,,,,,,task,";
                buffer += task.memorize;
                buffer += ",,";
                buffer += task.shownMs;
                buffer += ',';
                buffer += task.timed;
                buffer += rhythm;
            }
        }
        flush(1 << 20);
    }
    flush(0);
    for (const SqliteStatement *q : {&sessions, &tasks, &strikes}) {
        if (ok && !q->error().isEmpty()) {
            if (error)
                *error = q->error();
            return false;
        }
    }
    if (!ok && error)
        *error = out.errorString();
    return ok;
}
