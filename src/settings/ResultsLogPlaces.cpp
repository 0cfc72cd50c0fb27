// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ResultsLogPlaces.h"

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
{}

bool ResultsLogPlaces::append(const QByteArray &record)
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
    if (onLost)
        onLost(record);
    return false;
}

void ResultsLogPlaces::told(Place &place)
{
    if (!place.tell)
        return;
    place.tell = false;
    if (onTell)
        onTell(place.path);
}
