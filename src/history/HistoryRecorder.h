// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/PracticeObserver.h"

#include <QList>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>

class QThread;

// Records the practice events in the history off the key path: an event is only queued
// where it happens; a thread of its own, with its own connection to the file, commits
// what has come within a quarter of a second, so a killed program loses at most that
// much. After a minute without practice the thread sleeps until the next event.
class HistoryRecorder : public PracticeObserver {
public:
    static constexpr int CommitEveryMs = 250;
    // Quarters of a second without an event before the writer rests until called.
    static constexpr int RoundsBeforeRest = 240;

    explicit HistoryRecorder(const QString &path);
    // Commits what is still queued, then stops.
    ~HistoryRecorder() override;

    void practiceEvent(const PracticeEvent &event) override;
    // Waits until everything queued so far is committed.
    void flush();

private:
    void run();

    QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    QList<PracticeEvent> m_queue;
    quint64 m_queued = 0;
    quint64 m_written = 0;
    bool m_stop = false;
    bool m_urgent = false;
    bool m_resting = false;
    std::unique_ptr<QThread> m_thread;
};
