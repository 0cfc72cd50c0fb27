// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/PracticeObserver.h"

#include <QFile>
#include <QList>

// Writes every practice event to a file as one JSON object a line (moravel
// --trace-events FILE), each line flushed as it happens, for checking the stream by hand
// and in end-to-end tests.
class EventTrace : public PracticeObserver {
public:
    // The file is started anew; one that cannot be written is reported on standard error.
    explicit EventTrace(const QString &path);
    bool isOpen() const { return m_file.isOpen(); }
    void practiceEvent(const PracticeEvent &event) override;

private:
    QFile m_file;
};

// Hands every event to each of several observers, in order.
class PracticeObservers : public PracticeObserver {
public:
    void add(PracticeObserver &observer) { m_observers.append(&observer); }
    void practiceEvent(const PracticeEvent &event) override
    {
        for (PracticeObserver *observer : std::as_const(m_observers))
            observer->practiceEvent(event);
    }

private:
    QList<PracticeObserver *> m_observers;
};
