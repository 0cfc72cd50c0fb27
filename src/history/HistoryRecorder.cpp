// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryRecorder.h"

#include "history/HistoryStore.h"

#include <QThread>

#include <chrono>

HistoryRecorder::HistoryRecorder(const QString &path) : m_path(path)
{
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->setObjectName(QStringLiteral("history"));
    m_thread->start(QThread::LowPriority);
}

HistoryRecorder::~HistoryRecorder()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread->wait();
}

void HistoryRecorder::practiceEvent(const PracticeEvent &event)
{
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        m_queue.append(event);
        ++m_queued;
        // While the player practises the writer looks in by itself, four times a second:
        // waking it here would put its thread on a core just as the key is painted. Only
        // after a long rest, when it sleeps until called, does the first event wake it; an
        // exercise's end is written at once, so the history is complete when looked at.
        wake = m_resting;
        if (event.type == PracticeEvent::Type::ExerciseFinished ||
            event.type == PracticeEvent::Type::ExerciseAbandoned) {
            m_urgent = wake = true;
        }
    }
    if (wake)
        m_wake.notify_one();
}

void HistoryRecorder::flush()
{
    std::unique_lock lock(m_mutex);
    const quint64 target = m_queued;
    m_urgent = true;
    m_wake.notify_one();
    m_done.wait(lock, [&] { return m_written >= target; });
}

void HistoryRecorder::run()
{
    // The connection belongs to this thread; the program's own store has already checked
    // the file.
    HistoryStore store(m_path, false);
    std::unique_lock lock(m_mutex);
    int idleRounds = 0;
    for (;;) {
        // After a minute without practice, asleep until there is something to write.
        if (idleRounds >= RoundsBeforeRest) {
            m_resting = true;
            m_wake.wait(lock, [&] { return m_stop || !m_queue.isEmpty(); });
            m_resting = false;
            idleRounds = 0;
        }
        m_wake.wait_for(lock, std::chrono::milliseconds(CommitEveryMs),
                        [&] { return m_stop || m_urgent; });
        idleRounds = m_queue.isEmpty() ? idleRounds + 1 : 0;
        QList<PracticeEvent> batch;
        batch.swap(m_queue);
        const quint64 upTo = m_queued;
        const bool stopping = m_stop;
        m_urgent = false;
        lock.unlock();
        if (!batch.isEmpty())
            store.record(batch);
        lock.lock();
        m_written = upTo;
        m_done.notify_all();
        if (stopping && m_queue.isEmpty())
            return;
    }
}
