// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
class QSqlDatabase;
class QSqlError;

// SQLite's own handle of a QtSql connection; null for another driver or a closed one.
sqlite3 *sqliteHandle(const QSqlDatabase &db);
// SQLite's primary result code behind a failed QtSql statement.
int sqliteResultCode(const QSqlError &error);

// One prepared statement on a QtSql connection's own SQLite handle, for the history's bulk
// rows: a million strikes read or written through QSqlQuery spend most of their time
// making QVariants. Columns and parameters count from 0.
class SqliteStatement {
public:
    SqliteStatement(const QSqlDatabase &db, const char *sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool isValid() const { return m_statement != nullptr; }
    // SQLite's words for the last failure, empty when there was none.
    QString error() const { return m_error; }
    // SQLite's primary result code of the last failure, 0 when there was none.
    int errorCode() const { return m_code; }

    // Ready to run again, with every parameter cleared.
    void reset();
    void bind(int index, qint64 value);
    void bind(int index, double value);
    void bind(int index, const QByteArray &utf8);
    void bindNull(int index);

    // The next row: true while there is one. False at the end and on a failure (error()).
    bool next();
    // Runs a statement that gives no rows; false on a failure.
    bool run();
    // The row id of the connection's last insert.
    qint64 lastInsertId() const;

    bool isNull(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    // The text as SQLite holds it (UTF-8), valid until the next step.
    QByteArray text(int column) const;

private:
    void failed(int code);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    QString m_error;
    int m_code = 0;
};
