// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/EventTrace.h"

#include <QJsonDocument>

#include <cstdio>

EventTrace::EventTrace(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::fprintf(stderr, "moravel: cannot write the event trace %s: %s\n", qPrintable(path),
                     qPrintable(m_file.errorString()));
}

void EventTrace::practiceEvent(const PracticeEvent &event)
{
    if (!m_file.isOpen())
        return;
    m_file.write(QJsonDocument(event.toJson()).toJson(QJsonDocument::Compact) + '\n');
    m_file.flush();
}
