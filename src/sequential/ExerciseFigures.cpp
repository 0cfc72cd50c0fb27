// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/ExerciseFigures.h"

#include "sequential/DataLink.h"

#include <QStringList>

namespace {

QString fingers(const QList<int> &figure)
{
    QStringList digits;
    for (int finger : figure)
        digits << QString::number(finger);
    return u'(' + digits.join(u',') + u')';
}

// One hand's figures, column by column; false when the table cannot be read.
bool readTable(const QString &path, const QString &table, QList<ExerciseFigure> &figures,
               QList<int> ExerciseFigure::*hand, QString *error)
{
    DataLink link;
    link.setDatabaseName(path);
    link.setRecordSource(table);
    if (!link.Refresh()) {
        if (error)
            *error = link.error();
        return false;
    }
    for (ExerciseFigure &figure : figures) {
        if (!link.chooseColumn(QString::number(figure.index)))
            continue;
        for (link.MoveFirst(); !link.EOF_(); link.MoveNext()) {
            bool ok = false;
            const int finger = link.currentValue().toInt(&ok);
            if (!ok || finger < 1 || finger > 5)
                break; // the "0" that ends it, or a cell that is no finger
            (figure.*hand).append(finger);
        }
    }
    return true;
}

} // namespace

QString ExerciseFigure::entry() const
{
    return name.leftJustified(10) + fingers(left) + QStringLiteral("     ") + fingers(right);
}

namespace ExerciseFigures {

QList<ExerciseFigure> read(const QString &path, QString *error)
{
    QList<ExerciseFigure> figures;
    for (int k = 0; k < Count; ++k)
        figures.append({k, QStringLiteral("Hanon%1").arg(k + 1), {}, {}});
    if (readTable(path, QStringLiteral("Levavezbe"), figures, &ExerciseFigure::left, error))
        readTable(path, QStringLiteral("Desnavezbe"), figures, &ExerciseFigure::right, error);
    return figures;
}

} // namespace ExerciseFigures
