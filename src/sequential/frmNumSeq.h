// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/CountDialog.h"

struct PracticeSettings;

// Number of sequences each hand plays in the sequential exercises.
class frmNumSeq : public CountDialog {
    Q_OBJECT
public:
    static constexpr const char16_t *InitialText = u"8";

    explicit frmNumSeq(PracticeSettings &settings, QWidget *parent = nullptr);
};
