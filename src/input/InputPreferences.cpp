// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/InputPreferences.h"

#include <QSettings>
#include <QStringList>

NoteMap NoteMap::fivefingerC()
{
    NoteMap map;
    const int left[] = {48, 50, 52, 53, 55};  // little .. thumb
    const int right[] = {60, 62, 64, 65, 67}; // thumb .. little
    for (int i = 0; i < 5; ++i) {
        map.setNote({Hand::Left, 5 - i}, left[i]);
        map.setNote({Hand::Right, i + 1}, right[i]);
    }
    return map;
}

std::optional<FingerKey> NoteMap::finger(int note) const
{
    for (int i = 0; i < Fingers; ++i) {
        if (m_notes[i] == note)
            return FingerKey{i < 5 ? Hand::Left : Hand::Right, i % 5 + 1};
    }
    return std::nullopt;
}

FingerKey NoteMap::learnOrder(int step)
{
    if (step < 5)
        return {Hand::Left, 5 - step};
    return {Hand::Right, step - 4};
}

QString NoteMap::noteName(int note)
{
    static const char *const names[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                        "F#", "G",  "G#", "A",  "A#", "B"};
    if (note < 0 || note > 127)
        return QStringLiteral("?");
    return QString::fromLatin1(names[note % 12]) + QString::number(note / 12 - 1);
}

void InputPreferences::load(QSettings &settings)
{
    if (auto chosen =
            KeyMap::layoutFromId(settings.value(QStringLiteral("keyboard/layout")).toString()))
        layout = *chosen;
    metronomePort = settings.value(QStringLiteral("midi/metronome")).toString();

    // Ten distinct notes or none: a half-edited or damaged entry keeps the default map.
    const QStringList stored =
        settings.value(QStringLiteral("midi/notes")).toString().split(u' ', Qt::SkipEmptyParts);
    if (stored.size() != NoteMap::Fingers)
        return;
    NoteMap map;
    for (int step = 0; step < NoteMap::Fingers; ++step) {
        bool ok = false;
        const int note = stored[step].toInt(&ok);
        if (!ok || note < 0 || note > 127 || map.finger(note))
            return;
        map.setNote(NoteMap::learnOrder(step), note);
    }
    notes = map;
}

void InputPreferences::save(QSettings &settings) const
{
    settings.setValue(QStringLiteral("keyboard/layout"), KeyMap::layoutId(layout));
    settings.setValue(QStringLiteral("midi/metronome"), metronomePort);
    QStringList stored;
    for (int step = 0; step < NoteMap::Fingers; ++step)
        stored << QString::number(notes.note(NoteMap::learnOrder(step)));
    settings.setValue(QStringLiteral("midi/notes"), stored.join(u' '));
}
