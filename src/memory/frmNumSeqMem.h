// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/CountDialog.h"

struct PracticeSettings;

// Number of memory tasks for each hand of the memory test; both hands get the same count.
class frmNumSeqMem : public CountDialog {
    Q_OBJECT
public:
    static constexpr const char16_t *InitialText = u"8";

    explicit frmNumSeqMem(PracticeSettings &settings, QWidget *parent = nullptr);
};
