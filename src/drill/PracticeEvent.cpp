// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/PracticeEvent.h"

#include <QJsonValue>

QString PracticeEvent::typeName(Type type)
{
    switch (type) {
    case Type::ExerciseStarted:
        return QStringLiteral("exercise_started");
    case Type::TaskShown:
        return QStringLiteral("task_shown");
    case Type::Strike:
        return QStringLiteral("strike");
    case Type::HandEnded:
        return QStringLiteral("hand_ended");
    case Type::ExerciseFinished:
        return QStringLiteral("exercise_finished");
    case Type::ExerciseAbandoned:
        return QStringLiteral("exercise_abandoned");
    }
    return {};
}

QJsonObject PracticeEvent::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("type"), typeName(type));
    o.insert(QStringLiteral("time_ms"), double(timeNs) / 1e6);
    o.insert(QStringLiteral("exercise"), qint64(exercise));
    const QString handName = hand == Hand::Left ? QStringLiteral("left") : QStringLiteral("right");
    switch (type) {
    case Type::ExerciseStarted:
        o.insert(QStringLiteral("kind"), kind);
        o.insert(QStringLiteral("parameters"), QJsonObject::fromVariantMap(parameters));
        o.insert(QStringLiteral("player"), player);
        o.insert(QStringLiteral("wall_clock"), wallClock.toString(Qt::ISODateWithMs));
        break;
    case Type::TaskShown:
        o.insert(QStringLiteral("hand"), handName);
        o.insert(QStringLiteral("task"), task);
        o.insert(QStringLiteral("expected"), expected);
        o.insert(QStringLiteral("memorize"), memorize);
        if (dueNs) {
            o.insert(QStringLiteral("due_ms"), double(*dueNs) / 1e6);
            o.insert(QStringLiteral("silent"), silent);
        }
        break;
    case Type::Strike:
        o.insert(QStringLiteral("hand"), handName);
        o.insert(QStringLiteral("task"), task);
        o.insert(QStringLiteral("struck"), struck);
        o.insert(QStringLiteral("expected"), expected);
        o.insert(QStringLiteral("right"), right);
        o.insert(QStringLiteral("anticipated"), anticipated);
        o.insert(QStringLiteral("reaction_ms"),
                 reactionMs ? QJsonValue(*reactionMs) : QJsonValue(QJsonValue::Null));
        o.insert(QStringLiteral("ticks"), ticks);
        o.insert(QStringLiteral("points"), points);
        o.insert(QStringLiteral("memorize"), memorize);
        o.insert(QStringLiteral("device"), device);
        o.insert(QStringLiteral("code"), qint64(code));
        if (velocity >= 0)
            o.insert(QStringLiteral("velocity"), velocity);
        if (deviationMs)
            o.insert(QStringLiteral("deviation_ms"), *deviationMs);
        if (dueNs) {
            o.insert(QStringLiteral("due_ms"), double(*dueNs) / 1e6);
            o.insert(QStringLiteral("silent"), silent);
        }
        break;
    case Type::HandEnded:
        o.insert(QStringLiteral("hand"), handName);
        o.insert(QStringLiteral("score"), score);
        o.insert(QStringLiteral("tasks"), tasks);
        break;
    case Type::ExerciseFinished:
        o.insert(QStringLiteral("left_score"), leftScore);
        o.insert(QStringLiteral("right_score"), rightScore);
        o.insert(QStringLiteral("total_score"), totalScore);
        if (!parameters.isEmpty())
            o.insert(QStringLiteral("outcome"), QJsonObject::fromVariantMap(parameters));
        break;
    case Type::ExerciseAbandoned:
        o.insert(QStringLiteral("reason"), reason);
        break;
    }
    return o;
}
