// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

// Writes small exercise tables into an SQLite file for tests: one column per sequence,
// cells top to bottom. Shorter columns are padded with NULL cells at the bottom.
namespace ExerciseDbWriter {

using Column = QPair<QString, QStringList>;

inline bool writeTable(const QString &path, const QString &table, const QList<Column> &columns)
{
    static int serial = 0;
    const QString connection = QStringLiteral("test-exercise-db-%1").arg(serial++);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        QStringList defs;
        qsizetype rows = 0;
        for (const Column &c : columns) {
            defs << QStringLiteral("\"%1\" INTEGER").arg(c.first);
            rows = qMax(rows, c.second.size());
        }
        if (defs.isEmpty())
            defs << QStringLiteral("\"unused\" INTEGER");
        ok = ok &&
             query.exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, defs.join(u',')));
        for (qsizetype r = 0; ok && r < rows; ++r) {
            QStringList names, marks;
            for (const Column &c : columns) {
                names << QStringLiteral("\"%1\"").arg(c.first);
                marks << QStringLiteral("?");
            }
            ok = query.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                   .arg(table, names.join(u','), marks.join(u',')));
            for (const Column &c : columns)
                query.addBindValue(r < c.second.size() ? QVariant(c.second.at(r).toInt())
                                                       : QVariant());
            ok = ok && query.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

// "5 4 3 0" -> {"5", "4", "3", "0"}
inline QStringList cells(const QString &spaced)
{
    return spaced.split(u' ', Qt::SkipEmptyParts);
}

} // namespace ExerciseDbWriter
