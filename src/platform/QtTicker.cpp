// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTicker.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

QtTicker::QtTicker(QObject *parent) : QObject(parent)
{
    m_fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0) {
        std::fprintf(stderr, "moravel: no hand timer: %s\n", std::strerror(errno));
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QtTicker::expired);
}

QtTicker::~QtTicker()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void QtTicker::arm(int milliseconds)
{
    if (m_fd < 0)
        return;
    itimerspec spec{};
    if (milliseconds > 0) {
        spec.it_value.tv_sec = milliseconds / 1000;
        spec.it_value.tv_nsec = long(milliseconds % 1000) * 1000000L;
        spec.it_interval = spec.it_value;
    } else if (milliseconds == 0) {
        // A zero period ticks as often as the event loop comes round, like a zero timer.
        spec.it_value.tv_nsec = 1;
        spec.it_interval.tv_nsec = 1;
    }
    // Setting the time also clears expirations not yet read, so a restart never delivers
    // a tick of the old period.
    timerfd_settime(m_fd, 0, &spec, nullptr);
}

void QtTicker::start()
{
    m_active = true;
    arm(m_interval);
}

void QtTicker::stop()
{
    m_active = false;
    arm(-1);
}

void QtTicker::setInterval(int milliseconds)
{
    m_interval = std::max(0, milliseconds);
    // A running timer starts its new period now.
    if (m_active)
        arm(m_interval);
}

int QtTicker::interval() const
{
    return m_interval;
}

bool QtTicker::isActive() const
{
    return m_active;
}

void QtTicker::setCallback(std::function<void()> onTick)
{
    m_onTick = std::move(onTick);
}

void QtTicker::expired()
{
    std::uint64_t expirations = 0;
    if (::read(m_fd, &expirations, sizeof expirations) != sizeof expirations || !m_active)
        return;
    // Periods missed while the program was busy count as one tick, as with any timer of
    // the event loop; the next tick stays on the schedule.
    if (m_onTick)
        m_onTick();
}
