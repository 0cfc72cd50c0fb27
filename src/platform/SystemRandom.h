// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/RandomSource.h"

#include <QRandomGenerator>

// Seeded once from the system's entropy, so that successive draws are independent
// whatever the clock reads.
class SystemRandom : public RandomSource {
public:
    SystemRandom();
    double next() override;

private:
    QRandomGenerator m_generator;
};
