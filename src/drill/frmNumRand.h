// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/CountDialog.h"

struct PracticeSettings;

// Number of tasks for each hand of the random and preschool drills.
class frmNumRand : public CountDialog {
    Q_OBJECT
public:
    static constexpr const char16_t *InitialText = u"20";

    explicit frmNumRand(PracticeSettings &settings, QWidget *parent = nullptr);
};
