// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/ExerciseKind.h"

namespace {

struct KindRow {
    ExerciseKind kind;
    const char16_t *id;
    bool followsSequences;
    bool playedInTime = false;
};

constexpr KindRow Rows[] = {
    {ExerciseKind::Random, u"random", false},     {ExerciseKind::Sequential, u"sequential", true},
    {ExerciseKind::Memory, u"memory", true},      {ExerciseKind::Preschool, u"preschool", false},
    {ExerciseKind::Adaptive, u"adaptive", false}, {ExerciseKind::Rhythm, u"rhythm", true, true},
};
static_assert(std::size(Rows) == std::size_t(ExerciseKind::Count), "one row for every kind");

constexpr bool inOrder()
{
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        if (Rows[i].kind != ExerciseKind(i))
            return false;
    }
    return true;
}
static_assert(inOrder(), "the rows stand in the order of the kinds");

const KindRow &row(ExerciseKind kind)
{
    return Rows[std::size_t(kind)];
}

} // namespace

namespace ExerciseKinds {

std::array<ExerciseKind, std::size_t(ExerciseKind::Count)> all()
{
    std::array<ExerciseKind, std::size_t(ExerciseKind::Count)> kinds{};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        kinds[i] = ExerciseKind(i);
    return kinds;
}

QString id(ExerciseKind kind)
{
    return QString::fromUtf16(row(kind).id);
}

std::optional<ExerciseKind> fromId(QStringView id)
{
    for (const KindRow &r : Rows) {
        if (id == QStringView(r.id))
            return r.kind;
    }
    return std::nullopt;
}

bool followsSequences(ExerciseKind kind)
{
    return row(kind).followsSequences;
}

bool playedInTime(const QString &id)
{
    const std::optional<ExerciseKind> kind = fromId(id);
    return kind && row(*kind).playedInTime;
}

} // namespace ExerciseKinds
