// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ProgramLauncher.h"

// Starts programs as detached processes that outlive the program.
class DetachedLauncher : public ProgramLauncher {
public:
    bool startProgram(const QString &path) override;
};
