// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemRandom.h"

SystemRandom::SystemRandom() : m_generator(QRandomGenerator::securelySeeded()) {}

double SystemRandom::next()
{
    return m_generator.generateDouble();
}
