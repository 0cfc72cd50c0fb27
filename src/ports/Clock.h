// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDateTime;

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
