// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

// A small exercise database with the three memory tables in full width (59, 80 and 58
// task columns), written into a folder the test owns. Column c of the n-note table holds
// note(n, c, 0) .. note(n, c, n - 1). The four- and five-note tables end every task with
// a "0" row; the three-note table has no such row, so its tasks end at the table's end.
namespace MemoryTestDatabase {

inline int note(int notes, int column, int step)
{
    return (column * 3 + step * (notes == 4 ? 2 : 1)) % 5 + 1;
}

inline int columnsOf(int notes)
{
    return notes == 3 ? 59 : notes == 4 ? 80 : 58;
}

// Writes the database; returns false when it cannot be written.
inline bool write(const QString &path, const QStringList &skipTables = {})
{
    bool ok = true;
    const QString connection = QStringLiteral("memory-test-database");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        for (int notes = 3; ok && notes <= 5; ++notes) {
            const QString table = QStringLiteral("mem%1").arg(notes);
            if (skipTables.contains(table))
                continue;
            const int columns = columnsOf(notes);
            QStringList names;
            for (int c = 0; c < columns; ++c)
                names << QStringLiteral("\"%1\"").arg(c);
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                                .arg(table, names.join(QStringLiteral(" INTEGER, ")) +
                                                QStringLiteral(" INTEGER")));
            const int rows = notes == 3 ? notes : notes + 1;
            for (int r = 0; ok && r < rows; ++r) {
                QStringList values;
                for (int c = 0; c < columns; ++c)
                    values << QString::number(r < notes ? note(notes, c, r) : 0);
                ok = query.exec(
                    QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, values.join(u',')));
            }
        }
        ok = db.commit() && ok;
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace MemoryTestDatabase
