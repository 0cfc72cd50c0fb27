// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One hand's link to a table of the exercise database: a table read whole when the link
// opens, a current row (or the end-of-table position after the last row) and a chosen
// column. Each column holds one finger sequence, one row per step; a cell reading "0"
// ends its column's sequence. The database is opened read-only and never written.
class DataLink {
public:
    void setDatabaseName(const QString &path) { m_database = path; }
    QString databaseName() const { return m_database; }
    void setRecordSource(const QString &table) { m_table = table; }
    QString recordSource() const { return m_table; }

    // Opens the record source afresh, positioned on its first row. The chosen column is
    // kept if the new table has it, and dropped otherwise. False, with error(), when the
    // file or the table cannot be read.
    bool Refresh();
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }

    // The columns of the open table, in table order.
    QStringList columns() const { return m_columns; }
    bool hasColumn(const QString &name) const { return m_columns.contains(name); }
    // Chooses the column the task display shows; a column the table lacks is refused
    // and the previous choice stays.
    bool chooseColumn(const QString &name);
    QString column() const { return m_column; }
    int rowCount() const { return int(m_rows.size()); }
    int row() const { return m_row; }

    void MoveFirst() { m_row = 0; }
    void MoveNext();
    // One step along the chosen column's sequence: the next row, or back to the first at
    // its end (past the last row, or a cell reading "0"). True when it went back: a whole
    // pass of the sequence is done.
    bool stepWrapping();
    bool EOF_() const { return m_row >= m_rows.size(); }
    // The text of the chosen column's cell in the current row; empty past the end, when
    // no column is chosen or the table has no rows.
    QString currentValue() const;

private:
    QString m_database;
    QString m_table;
    bool m_open = false;
    QString m_error;
    QStringList m_columns;
    QList<QStringList> m_rows;
    QString m_column;
    int m_columnIndex = -1;
    int m_row = 0;
};
