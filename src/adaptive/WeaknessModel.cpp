// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptive/WeaknessModel.h"

#include "history/HistoryData.h"

#include <QDataStream>
#include <QHash>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Each older strike weighs this much of the one after it: 0.5 after HalfLifeStrikes.
const double Decay = std::pow(0.5, 1.0 / WeaknessModel::HalfLifeStrikes);
// Task numbers beyond this are not an exercise's (a drill has at most a few thousand).
constexpr int MostTasks = 1000000;

} // namespace

void WeaknessModel::Mean::add(double x)
{
    sum = sum * Decay + x;
    weight = weight * Decay + 1;
}

std::optional<double> WeaknessModel::Mean::value() const
{
    return weight > 0 ? std::optional<double>(sum / weight) : std::nullopt;
}

bool WeaknessModel::valid(Hand hand, int finger)
{
    return isHand(hand) && finger >= 1 && finger <= 5;
}

const WeaknessModel::Finger &WeaknessModel::at(Hand hand, int finger) const
{
    static const Finger none;
    return valid(hand, finger) ? m_fingers[handIndex(hand)][finger - 1] : none;
}

void WeaknessModel::observe(Hand hand, int previous, int expected, bool right,
                            std::optional<double> reactionMs)
{
    if (!valid(hand, expected) || !reactionMs)
        return;
    Finger &finger = m_fingers[handIndex(hand)][expected - 1];
    ++finger.strikes;
    finger.error.add(right ? 0.0 : 1.0);
    if (!right)
        return;
    const double ms = std::min(*reactionMs, WrongCostMs);
    finger.time.add(ms);
    if (valid(hand, previous)) {
        Transition &t = m_transitions[handIndex(hand)][previous - 1][expected - 1];
        t.time.add(ms);
        ++t.count;
    }
}

std::optional<double> WeaknessModel::smoothedTimeMs(Hand hand, int finger) const
{
    return at(hand, finger).time.value();
}

double WeaknessModel::errorRate(Hand hand, int finger) const
{
    return at(hand, finger).error.value().value_or(0.0);
}

std::optional<double> WeaknessModel::weakness(Hand hand, int finger) const
{
    const Finger &f = at(hand, finger);
    if (f.strikes == 0)
        return std::nullopt;
    // A finger that has never been right yet costs as much as a wrong strike.
    const double time = f.time.value().value_or(WrongCostMs);
    const double wrong = f.error.value().value_or(0.0);
    return (1 - wrong) * time + wrong * WrongCostMs;
}

std::optional<double> WeaknessModel::transitionMs(Hand hand, int from, int to) const
{
    if (!valid(hand, from) || !valid(hand, to))
        return std::nullopt;
    const Transition &t = m_transitions[handIndex(hand)][from - 1][to - 1];
    return t.count >= TransitionSamples ? t.time.value() : std::nullopt;
}

WeaknessModel WeaknessModel::fromHistory(const HistoryData &data)
{
    WeaknessModel model;
    model.addHistory(data);
    return model;
}

void WeaknessModel::addHistory(const HistoryData &data)
{
    // The tasks of each exercise and hand by number, to know which finger came before.
    // Numbers run from 1 without gaps, so a list by number serves; the rows come by
    // exercise, so the last exercise's lists are at hand.
    using ByNumber = std::array<std::vector<int>, 2>;
    QHash<qint64, ByNumber> expected;
    ByNumber *lists = nullptr;
    qint64 listed = 0;
    for (const HistoryData::Task &t : data.tasks) {
        if (!isHand(t.hand) || t.task < 0 || t.task > MostTasks)
            continue;
        if (!lists || t.session != listed) {
            lists = &expected[t.session];
            listed = t.session;
        }
        std::vector<int> &list = (*lists)[handIndex(t.hand)];
        if (list.size() <= std::size_t(t.task))
            list.resize(std::size_t(t.task) + 1);
        list[std::size_t(t.task)] = t.expected;
    }
    // Strikes played in time carry no reaction time, which observe() passes over: they were
    // judged by their timing, not by how quickly the finger answered.
    for (const HistoryData::Strike &s : data.strikes) {
        if (s.memorize || s.anticipated || !isHand(s.hand))
            continue;
        int previous = 0;
        if (const auto it = expected.constFind(s.session); it != expected.constEnd()) {
            const std::vector<int> &list = (*it)[handIndex(s.hand)];
            if (s.task >= 1 && std::size_t(s.task - 1) < list.size())
                previous = list[std::size_t(s.task - 1)];
        }
        observe(s.hand, previous, s.expected, s.correct, s.reactionMs);
    }
}

namespace {

constexpr quint32 SavedVersion = 1;

} // namespace

QByteArray WeaknessModel::save() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    out << SavedVersion;
    for (const auto &hand : m_fingers) {
        for (const Finger &f : hand)
            out << f.time.sum << f.time.weight << f.error.sum << f.error.weight
                << qint32(f.strikes);
    }
    for (const auto &hand : m_transitions) {
        for (const auto &from : hand) {
            for (const Transition &t : from)
                out << t.time.sum << t.time.weight << qint32(t.count);
        }
    }
    return bytes;
}

std::optional<WeaknessModel> WeaknessModel::restore(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    quint32 version = 0;
    in >> version;
    if (version != SavedVersion)
        return std::nullopt;
    WeaknessModel model;
    qint32 count = 0;
    for (auto &hand : model.m_fingers) {
        for (Finger &f : hand) {
            in >> f.time.sum >> f.time.weight >> f.error.sum >> f.error.weight >> count;
            f.strikes = count;
        }
    }
    for (auto &hand : model.m_transitions) {
        for (auto &from : hand) {
            for (Transition &t : from) {
                in >> t.time.sum >> t.time.weight >> count;
                t.count = count;
            }
        }
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return model;
}
