// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ResultsLogPlaces.h"

#include <algorithm>
#include <cstdio>

bool ResultsLogPlaces::besideProgram(bool folderWritable, Existing log)
{
    switch (log) {
    case Existing::Writable:
        return true;
    case Existing::NotWritable:
        return false;
    case Existing::None:
        break;
    }
    return folderWritable;
}

ResultsLogPlaces::ResultsLogPlaces(Place inUse, Place other)
    : m_inUse(std::move(inUse)), m_other(std::move(other))
{
    m_retry.setSingleShot(true);
    m_retry.callOnTimeout([this] { retry(); });
}

ResultsLogPlaces::~ResultsLogPlaces()
{
    // Whoever would tell the player is gone by now.
    onTell = nullptr;
    onLost = nullptr;
    if (writeKept())
        return;
    for (const QByteArray &record : std::as_const(m_kept))
        std::fprintf(stderr, "moravel: this result could not be written to the results log:\n%s",
                     record.constData());
}

bool ResultsLogPlaces::append(const QByteArray &record)
{
    // Behind the records kept before it, if any.
    m_kept.append(record);
    if (writeKept())
        return true;
    if (onLost)
        onLost(record);
    if (!m_retry.isActive())
        m_retry.start(m_retryMs);
    return false;
}

bool ResultsLogPlaces::place(const QByteArray &record)
{
    if (current().file.append(record)) {
        told(current());
        return true;
    }
    if (spare().path != current().path && spare().file.append(record)) {
        m_usingOther = !m_usingOther;
        // The log moved in the middle of the run: the player is told wherever it went.
        current().tell = true;
        told(current());
        return true;
    }
    return false;
}

bool ResultsLogPlaces::writeKept()
{
    while (!m_kept.isEmpty() && place(m_kept.first()))
        m_kept.removeFirst();
    return m_kept.isEmpty();
}

void ResultsLogPlaces::retry()
{
    if (writeKept()) {
        m_retryMs = FirstRetryMs;
        // The player saw the records as lost: he hears where they went after all.
        current().tell = true;
        told(current());
        return;
    }
    m_retryMs = std::min(m_retryMs * 2, LongestRetryMs);
    m_retry.start(m_retryMs);
}

void ResultsLogPlaces::told(Place &place)
{
    if (!place.tell)
        return;
    place.tell = false;
    if (onTell)
        onTell(place.path);
}
