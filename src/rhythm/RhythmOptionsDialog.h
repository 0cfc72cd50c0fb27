// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"
#include "rhythm/RhythmDrill.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QSpinBox;

// Options > Rhythm: the tempo, each hand's notes a beat, how long an exercise lasts, the
// count-in, bars without the click and the tempo trainer. OK hands them to the drill for
// its next Start; the dialog is discarded when it closes.
class RhythmOptionsDialog : public OkCancelDialog {
    Q_OBJECT
public:
    RhythmOptionsDialog(const RhythmDrill::Options &options,
                        std::function<void(const RhythmDrill::Options &)> onOk,
                        QWidget *parent = nullptr);

    void OKButton_Click() override;

private:
    std::function<void(const RhythmDrill::Options &)> m_onOk;
    QSpinBox *m_tempo = nullptr;
    QComboBox *m_notes[2] = {nullptr, nullptr};
    QSpinBox *m_length = nullptr;
    QComboBox *m_lengthIn = nullptr;
    QCheckBox *m_countIn = nullptr;
    QSpinBox *m_silentEvery = nullptr;
    QCheckBox *m_trainer = nullptr;
};
