// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ProcessStarter.h"

// Detached processes that outlive the program: files go to the desktop's opener,
// xdg-open.
class QtProcessStarter : public ProcessStarter {
public:
    bool openFile(const QString &path) override;
    bool startProgram(const QString &path) override;
};
