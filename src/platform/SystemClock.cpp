// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemClock.h"

#include <QDateTime>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
