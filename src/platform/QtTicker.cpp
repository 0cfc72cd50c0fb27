// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTicker.h"

#include "platform/DrillHold.h"

#include <QPointer>

QtTicker::QtTicker(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const quint64 generation = m_generation;
        QPointer<QtTicker> self(this);
        DrillHold::dispatch([self, generation] {
            if (self && self->m_generation == generation && self->m_onTick)
                self->m_onTick();
        });
    });
}

void QtTicker::start()
{
    ++m_generation;
    m_timer.start();
}

void QtTicker::stop()
{
    ++m_generation;
    m_timer.stop();
}

void QtTicker::setInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

int QtTicker::interval() const
{
    return m_timer.interval();
}

bool QtTicker::isActive() const
{
    return m_timer.isActive();
}

void QtTicker::setCallback(std::function<void()> onTick)
{
    m_onTick = std::move(onTick);
}
