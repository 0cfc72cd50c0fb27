// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/ScreenTexts.h"

#include <QtGlobal>

namespace ScreenTexts {

const QList<const char *> &menuCaptions()
{
    static const QList<const char *> captions = {
        QT_TRANSLATE_NOOP("MenuLayout", "&Start"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Reset"),
        QT_TRANSLATE_NOOP("MenuLayout", "Ra&ndom"),
        QT_TRANSLATE_NOOP("MenuLayout", "Se&quential exercises"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Memory exercises"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Preschool"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Adaptive"),
        QT_TRANSLATE_NOOP("MenuLayout", "Number of &minutes"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Hands"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Both"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Left only"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Right only"),
        QT_TRANSLATE_NOOP("MenuLayout", "Ra&ndom exercises"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Memory exercise"),
        QT_TRANSLATE_NOOP("MenuLayout", "&New"),
        QT_TRANSLATE_NOOP("MenuLayout", "&View results"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Statistics"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Choose exercise"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Number of tasks"),
        QT_TRANSLATE_NOOP("MenuLayout", "N&umber of sequences"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Level"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Left hand combinations"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Right Hand combinations"),
        QT_TRANSLATE_NOOP("MenuLayout", "N&umber of tasks"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Number of sequences"),
        QT_TRANSLATE_NOOP("MenuLayout", "Notes per task"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Number of memory tasks"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Keyboard..."),
        QT_TRANSLATE_NOOP("MenuLayout", "&Piano keyboard (MIDI)..."),
        QT_TRANSLATE_NOOP("MenuLayout", "Ch&eck keys..."),
        QT_TRANSLATE_NOOP("MenuLayout", "&Full screen"),
        QT_TRANSLATE_NOOP("MenuLayout", "Sound &volume..."),
        QT_TRANSLATE_NOOP("MenuLayout", "&Key dispositon"),
        QT_TRANSLATE_NOOP("MenuLayout", "About"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Test"),
        QT_TRANSLATE_NOOP("MenuLayout", "&User"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Options"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Help"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Contents            F1"),
        QT_TRANSLATE_NOOP("MenuLayout", "&Contents        F1"),
    };
    return captions;
}

const QList<const char *> &labelTexts()
{
    static const QList<const char *> texts = {
        QT_TRANSLATE_NOOP("Labels", "left hand :"),
        QT_TRANSLATE_NOOP("Labels", "right hand :"),
        QT_TRANSLATE_NOOP("Labels", "Left hand - score :"),
        QT_TRANSLATE_NOOP("Labels", "Right hand - score :"),
        QT_TRANSLATE_NOOP("Labels", "Total score :"),
        QT_TRANSLATE_NOOP("Labels", "Random test"),
        QT_TRANSLATE_NOOP("Labels", "Sequential    exercise :"),
        QT_TRANSLATE_NOOP("Labels", "Memory test"),
        QT_TRANSLATE_NOOP("Labels", "Adaptive drill"),
        QT_TRANSLATE_NOOP("Labels", "End of exercise"),
        QT_TRANSLATE_NOOP("Labels", "MEMORIZE"),
        QT_TRANSLATE_NOOP("Labels", "REPEAT"),
    };
    return texts;
}

} // namespace ScreenTexts
