// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillHold.h"
#include "ports/Clock.h"
#include "ports/LogFile.h"
#include "ports/PracticeObserver.h"
#include "ports/ProcessStarter.h"
#include "ports/RandomSource.h"
#include "ports/SyncSound.h"
#include "ports/Ticker.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <functional>

// A hand timer driven by hand: fire() delivers one tick while it is active.
class FakeTicker : public Ticker {
public:
    void start() override
    {
        m_active = true;
        ++starts;
    }
    void stop() override { m_active = false; }
    void setInterval(int milliseconds) override { m_interval = milliseconds; }
    int interval() const override { return m_interval; }
    bool isActive() const override { return m_active; }
    void setCallback(std::function<void()> onTick) override { m_onTick = std::move(onTick); }

    // One tick, as the timer would deliver it; returns false when the timer is off.
    bool fire()
    {
        if (!m_active || !m_onTick)
            return false;
        m_onTick();
        return true;
    }
    // Up to n ticks; stops early when the timer switches itself off.
    int fire(int n)
    {
        int fired = 0;
        while (fired < n && fire())
            ++fired;
        return fired;
    }

    int starts = 0;

private:
    bool m_active = false;
    int m_interval = 0;
    std::function<void()> m_onTick;
};

// Records every start and end sound instead of playing it; while onPlay runs (a test's
// stand-in for the sound), the drill is held as the real sound holds it. With keepPlaying
// set, the sound goes on after playSync has returned, as the real one does, until end().
class FakeSyncSound : public SyncSound {
public:
    void prepare(const QString &path) override { prepared << path; }
    void playSync(const QString &path) override
    {
        played << path;
        if (!m_playing)
            m_hold.hold();
        m_playing = true;
        if (onPlay)
            onPlay();
        if (!keepPlaying)
            end();
    }
    void end()
    {
        if (!m_playing)
            return;
        m_playing = false;
        m_hold.release();
    }
    bool keepPlaying = false;
    DrillHold &hold() override { return m_hold; }
    QStringList prepared;
    QStringList played;
    std::function<void()> onPlay;

private:
    DrillHold m_hold;
    bool m_playing = false;
};

// Keeps the records in memory, in order; can be told to fail.
class FakeLogFile : public LogFile {
public:
    bool append(const QByteArray &record) override
    {
        if (failing)
            return false;
        records << record;
        return true;
    }
    QString path() const override { return location; }
    QString location = QStringLiteral("Results Log.TXT");
    QByteArray bytes() const
    {
        QByteArray all;
        for (const QByteArray &r : records)
            all += r;
        return all;
    }
    QList<QByteArray> records;
    bool failing = false;
};

// Both clocks stand still until a test moves them.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return time; }
    qint64 monotonicNs() const override { return monotonic; }
    void advanceMs(double ms) { monotonic += qint64(ms * 1e6); }
    QDateTime time = QDateTime(QDate(2026, 12, 7), QTime(14, 3, 59));
    qint64 monotonic = qint64(1000) * 1000000000;
};

// Keeps every practice event, in order.
class RecordingObserver : public PracticeObserver {
public:
    void practiceEvent(const PracticeEvent &event) override { events << event; }
    QList<PracticeEvent> events;
};

// Reproducible uniform draws for long runs.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(quint32 seed) : m_gen(seed) {}
    double next() override { return m_gen.generateDouble(); }

private:
    QRandomGenerator m_gen;
};

// Hands out scripted values in [0, 1), then repeats the last one.
class FakeRandom : public RandomSource {
public:
    double next() override
    {
        ++draws;
        if (values.isEmpty())
            return 0.0;
        if (values.size() == 1)
            return values.first();
        return values.takeFirst();
    }
    // The value that draws this finger from a range of count fingers starting at lowest.
    static double forFinger(int finger, int count, int lowest)
    {
        return (finger - lowest + 0.5) / count;
    }
    QList<double> values;
    int draws = 0;
};

// Records the files and programs it is asked to open and start; can be told to fail.
class FakeProcesses : public ProcessStarter {
public:
    bool openFile(const QString &path) override
    {
        opened << path;
        return result;
    }
    bool startProgram(const QString &path) override
    {
        started << path;
        return result;
    }
    QStringList opened;
    QStringList started;
    bool result = true;
};
