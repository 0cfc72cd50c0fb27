// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/HistoryStore.h"
#include "ports/PracticeObserver.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QThread;

// Records the practice events in the history off the key path: an event is only queued
// where it happens; a thread of its own, with its own connection to the file, commits
// what has come within a quarter of a second, so a killed program loses at most that
// much. After a minute without practice the thread sleeps until the next event.
//
// Nothing is dropped: a batch the history does not take (another program holds it, the
// disk is full, the folder became read-only) stays first in line and is offered again
// after a pause that grows to a few seconds, with what came meanwhile behind it. When that
// has lasted a few seconds the player is told, once, and told again when all is written.
// A close waits a moment for what is unwritten, then saves it beside the history, and the
// next start merges it in.
class HistoryRecorder : public PracticeObserver {
public:
    static constexpr int CommitEveryMs = 250;
    // Quarters of a second without an event before the writer rests until called.
    static constexpr int RoundsBeforeRest = 240;
    // The pause before a failed batch is offered again: from the first, doubled each time
    // up to the last.
    static constexpr int FirstRetryMs = 250;
    static constexpr int LongestRetryMs = 2000;
    // How long one try waits for another program's transaction.
    static constexpr int TryWaitMs = 1000;

    struct Timing {
        // A failure that lasts this long is told to the player.
        int tellAfterMs = 3000;
        // How long a close waits for what is still unwritten.
        int closeWaitMs = 3000;
    };
    // How writing stands: a problem the player should hear of, or None once everything
    // that was waiting is written.
    struct Status {
        HistoryStore::WriteProblem problem = HistoryStore::WriteProblem::None;
        QString detail; // SQLite's words
    };
    // Called on the writer's own thread.
    using StatusSink = std::function<void(const Status &)>;

    explicit HistoryRecorder(const QString &path, StatusSink sink = {});
    HistoryRecorder(const QString &path, StatusSink sink, Timing timing);
    // Writes what is still queued, waiting the close's time at most; what is left then
    // goes to a file beside the history.
    ~HistoryRecorder() override;

    void practiceEvent(const PracticeEvent &event) override;
    // Waits until everything queued so far is committed.
    void flush();

    // The files closes left beside the history at `historyPath`, oldest first, and a name
    // for a new one.
    static QStringList savedFiles(const QString &historyPath);
    static QString newSavedFile(const QString &historyPath);
    struct Merged {
        int files = 0;
        int strikes = 0;
        QStringList problems; // a file that stays, and why
    };
    // Merges those files into the store through the import, so that rows already there are
    // skipped, and removes each once it is in; one that cannot be merged stays.
    static Merged mergeSaved(HistoryStore &store);

private:
    void run();
    // Offers the backlog; tells of a failure or a recovery when there is news.
    bool write(HistoryStore &store, qint64 nowMs);
    void report(const Status &status);
    // Saves what could not be written beside the history.
    void saveBacklog(const HistoryStore &store);

    QString m_path;
    StatusSink m_sink;
    Timing m_timing;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    QList<PracticeEvent> m_queue;
    quint64 m_queued = 0;
    quint64 m_written = 0;
    bool m_stop = false;
    bool m_urgent = false;
    bool m_resting = false;
    // The writer thread's own: what it could not write yet, in order, and since when.
    QList<PracticeEvent> m_backlog;
    qint64 m_failingSinceMs = -1;
    HistoryStore::WriteProblem m_reported = HistoryStore::WriteProblem::None;
    bool m_told = false;
    std::unique_ptr<QThread> m_thread;
};
