// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/SqliteStatement.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <sqlite3.h>

sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

int sqliteResultCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

SqliteStatement::SqliteStatement(const QSqlDatabase &db, const char *sql)
{
    m_db = sqliteHandle(db);
    if (!m_db) {
        m_error = QStringLiteral("not an open SQLite connection");
        m_code = SQLITE_MISUSE;
        return;
    }
    if (const int code = sqlite3_prepare_v2(m_db, sql, -1, &m_statement, nullptr);
        code != SQLITE_OK) {
        failed(code);
        m_statement = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::failed(int code)
{
    m_code = code & 0xff;
    m_error =
        m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(code));
}

void SqliteStatement::reset()
{
    if (!m_statement)
        return;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

void SqliteStatement::bind(int index, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, index + 1, value);
}

void SqliteStatement::bind(int index, double value)
{
    if (m_statement)
        sqlite3_bind_double(m_statement, index + 1, value);
}

void SqliteStatement::bind(int index, const QByteArray &utf8)
{
    if (m_statement)
        sqlite3_bind_text(m_statement, index + 1, utf8.constData(), int(utf8.size()),
                          SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index)
{
    if (m_statement)
        sqlite3_bind_null(m_statement, index + 1);
}

bool SqliteStatement::next()
{
    if (!m_statement)
        return false;
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        failed(code);
    return false;
}

bool SqliteStatement::run()
{
    if (!m_statement)
        return false;
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_DONE || code == SQLITE_ROW)
        return true;
    failed(code);
    return false;
}

qint64 SqliteStatement::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QByteArray SqliteStatement::text(int column) const
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
}
