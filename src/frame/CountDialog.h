// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"
#include "settings/PracticeSettings.h"

#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;

// A dialog that asks for a count with an editable list (number of tasks, sequences,
// memory tasks). OK reads the number the text begins with; a number that does not fit
// 16 bits is refused: the dialog stays open with the text selected. The dialog is
// discarded when it closes, so it always opens with its initial text.
class CountDialog : public OkCancelDialog {
    Q_OBJECT
public:
    struct Spec {
        QString caption;
        QString prompt;
        QStringList list;
        QString initialText;
    };

    CountDialog(const Spec &spec, std::function<void(qint16)> onAccepted,
                QWidget *parent = nullptr);

    // A count the practice settings keep for both hands: the dialog's object name, which
    // is also the context its texts are translated in, the texts in English, the list
    // "from" to "to" by "step", the count it opens with, and the two settings it sets.
    struct Row {
        const char *name;
        const char *caption;
        const char *prompt;
        int from;
        int to;
        int step;
        const char16_t *initialText;
        qint16 PracticeSettings::*left;
        qint16 PracticeSettings::*right;
    };
    // Tasks for each hand of the random and preschool drills.
    static constexpr Row TaskCount{
        "frmNumRand",
        QT_TRANSLATE_NOOP("frmNumRand", "Choose number of tasks"),
        QT_TRANSLATE_NOOP("frmNumRand", "Choose number of tasks for each hand from list :"),
        10,
        100,
        10,
        u"20",
        &PracticeSettings::TaskCountLeft,
        &PracticeSettings::TaskCountRight};
    // Sequences each hand plays in the sequential exercises.
    static constexpr Row SequenceCount{
        "frmNumSeq",
        QT_TRANSLATE_NOOP("frmNumSeq", "Choose number of sequences"),
        QT_TRANSLATE_NOOP("frmNumSeq", "Choose number of sequences :"),
        4,
        40,
        4,
        u"8",
        &PracticeSettings::SequenceCountLeft,
        &PracticeSettings::SequenceCountRight};
    // Memory tasks for each hand of the memory test.
    static constexpr Row MemoryTaskCount{
        "frmNumSeqMem",
        QT_TRANSLATE_NOOP("frmNumSeqMem", "Choose number of memory tasks"),
        QT_TRANSLATE_NOOP("frmNumSeqMem", "Choose number of memory tasks :"),
        4,
        40,
        4,
        u"8",
        &PracticeSettings::SequenceCountLeft,
        &PracticeSettings::SequenceCountRight};

    CountDialog(const Row &row, PracticeSettings &settings, QWidget *parent = nullptr);

    // The list "from", "from + step", ... up to "to".
    static QStringList steps(int from, int to, int step);

    QComboBox *Combo1() const { return m_combo; }
    void OKButton_Click() override;

private:
    std::function<void(qint16)> m_onAccepted;
    QLabel *m_label = nullptr;
    QComboBox *m_combo = nullptr;
};
