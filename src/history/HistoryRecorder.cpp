// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryRecorder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The files a close leaves beside the history: its name, then this, a time and ".csv".
const QString SavedInfix = QStringLiteral(".unwritten-");

} // namespace

HistoryRecorder::HistoryRecorder(const QString &path, StatusSink sink)
    : HistoryRecorder(path, std::move(sink), Timing())
{}

HistoryRecorder::HistoryRecorder(const QString &path, StatusSink sink, Timing timing)
    : m_path(path), m_sink(std::move(sink)), m_timing(timing)
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
    // the file. A try waits a second for another program, then makes way for the pause.
    auto store = std::make_unique<HistoryStore>(m_path, false);
    store->setBusyTimeout(TryWaitMs);
    bool everWritable = store->isWritable();
    std::unique_lock lock(m_mutex);
    int idleRounds = 0;
    int retryMs = FirstRetryMs;
    qint64 closeBy = -1;
    for (;;) {
        const bool failing = !m_backlog.isEmpty();
        if (m_stop) {
            // Closing: what is unwritten is tried again until the close's time is up.
            if (closeBy < 0)
                closeBy = steadyMs() + m_timing.closeWaitMs;
            if (failing) {
                const qint64 left = std::max<qint64>(0, closeBy - steadyMs());
                lock.unlock();
                QThread::msleep(ulong(std::min<qint64>(retryMs, left)));
                lock.lock();
            }
        } else {
            // After a minute without practice, asleep until there is something to write.
            if (!failing && idleRounds >= RoundsBeforeRest) {
                m_resting = true;
                m_wake.wait(lock, [&] { return m_stop || !m_queue.isEmpty(); });
                m_resting = false;
                idleRounds = 0;
            }
            // While a batch fails, the end of an exercise does not hurry the next try.
            m_wake.wait_for(lock, std::chrono::milliseconds(failing ? retryMs : CommitEveryMs),
                            [&] { return m_stop || (m_urgent && !failing); });
        }
        idleRounds = m_queue.isEmpty() ? idleRounds + 1 : 0;
        m_backlog.append(m_queue);
        m_queue.clear();
        const quint64 upTo = m_queued;
        const bool stopping = m_stop;
        m_urgent = false;
        lock.unlock();
        const qint64 now = steadyMs();
        if (!everWritable) {
            store = std::make_unique<HistoryStore>(m_path, false);
            store->setBusyTimeout(TryWaitMs);
            everWritable = store->isWritable();
        }
        if (stopping)
            store->setBusyTimeout(int(std::clamp<qint64>(closeBy - now, 0, TryWaitMs)));
        const bool written = m_backlog.isEmpty() || write(*store, now);
        retryMs = written ? FirstRetryMs : std::min(retryMs * 2, LongestRetryMs);
        lock.lock();
        if (written) {
            m_written = upTo;
            m_done.notify_all();
        }
        if (stopping && m_queue.isEmpty() && m_backlog.isEmpty())
            return;
        if (stopping && steadyMs() >= closeBy) {
            m_backlog.append(m_queue);
            m_queue.clear();
            lock.unlock();
            saveBacklog(*store);
            return;
        }
    }
}

bool HistoryRecorder::write(HistoryStore &store, qint64 nowMs)
{
    if (store.record(m_backlog)) {
        m_backlog.clear();
        if (m_failingSinceMs >= 0) {
            std::fprintf(stderr, "moravel: practice history %s: written again, nothing lost\n",
                         qPrintable(m_path));
            if (m_told)
                report({});
        }
        m_failingSinceMs = -1;
        m_reported = HistoryStore::WriteProblem::None;
        m_told = false;
        return true;
    }
    if (m_failingSinceMs < 0)
        m_failingSinceMs = nowMs;
    const Status status{store.writeProblem(), store.writeDetail()};
    // One line for each cause, not one for each try.
    if (status.problem != m_reported) {
        std::fprintf(stderr,
                     "moravel: practice history %s: %s; the practice is kept and tried "
                     "again\n",
                     qPrintable(m_path), qPrintable(status.detail));
        m_reported = status.problem;
        if (m_told)
            report(status);
    }
    if (!m_told && steadyMs() - m_failingSinceMs >= m_timing.tellAfterMs) {
        m_told = true;
        report(status);
    }
    return false;
}

void HistoryRecorder::report(const Status &status)
{
    if (m_sink)
        m_sink(status);
}

void HistoryRecorder::saveBacklog(const HistoryStore &store)
{
    const QString file = newSavedFile(m_path);
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && store.saveUnwritten(m_backlog, out) && out.commit()) {
        std::fprintf(stderr,
                     "moravel: practice history %s could not be written; the practice not yet "
                     "in it is kept in %s and goes into it at the next start\n",
                     qPrintable(m_path), qPrintable(file));
        return;
    }
    std::fprintf(stderr, "moravel: practice history %s could not be written, nor %s: %s\n",
                 qPrintable(m_path), qPrintable(file), qPrintable(out.errorString()));
}

QString HistoryRecorder::newSavedFile(const QString &historyPath)
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString file = historyPath + SavedInfix + stamp + QStringLiteral(".csv");
    for (int n = 2; QFileInfo::exists(file); ++n)
        file = historyPath + SavedInfix + stamp + QStringLiteral("-%1.csv").arg(n);
    return file;
}

QStringList HistoryRecorder::savedFiles(const QString &historyPath)
{
    const QFileInfo history(historyPath);
    QStringList files;
    const QStringList names = history.dir().entryList(
        {history.fileName() + SavedInfix + QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        files << history.dir().filePath(name);
    return files;
}

HistoryRecorder::Merged HistoryRecorder::mergeSaved(HistoryStore &store)
{
    Merged merged;
    if (!store.isWritable())
        return merged;
    for (const QString &file : savedFiles(store.path())) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            merged.problems << QStringLiteral("%1: %2").arg(file, in.errorString());
            continue;
        }
        const HistoryStore::Imported imported =
            store.importCsv(in, HistoryStore::Existing::AddMissingRows);
        in.close();
        if (!imported.ok) {
            merged.problems << QStringLiteral("%1: %2").arg(file, imported.error);
            continue;
        }
        ++merged.files;
        merged.strikes += imported.strikes;
        // Merged twice, it would add nothing: its rows are all there by then.
        if (!QFile::remove(file))
            merged.problems << QStringLiteral("%1 is merged but could not be removed").arg(file);
    }
    return merged;
}
