// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/Clock.h"

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    qint64 monotonicNs() const override;
};
