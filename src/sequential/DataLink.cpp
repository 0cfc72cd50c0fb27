// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/DataLink.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <atomic>

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("moravel-datalink-%1").arg(counter++);
}

QString quoted(const QString &identifier)
{
    QString escaped = identifier;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

// What a failed read says about the file, in the player's words; SQLite's own text is
// for developers.
QString unreadable(const QString &path, const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("26")) // SQLITE_NOTADB
        return QCoreApplication::translate("DataLink", "%1 is not an exercise database").arg(path);
    if (code == QLatin1String("11")) // SQLITE_CORRUPT
        return QCoreApplication::translate("DataLink", "the exercise database %1 is damaged")
            .arg(path);
    return QCoreApplication::translate("DataLink", "the exercise database %1 cannot be read")
        .arg(path);
}

} // namespace

bool DataLink::Refresh()
{
    m_open = false;
    m_error.clear();
    m_columns.clear();
    m_rows.clear();
    m_row = 0;
    m_columnIndex = -1;

    const QFileInfo file(m_database);
    if (!file.isFile()) {
        m_error = QCoreApplication::translate("DataLink", "the exercise database %1 is missing")
                      .arg(m_database);
        return false;
    }
    if (file.size() == 0) {
        m_error = QCoreApplication::translate("DataLink", "the exercise database %1 is empty")
                      .arg(m_database);
        return false;
    }
    const QString connection = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(m_database);
        // Read-only, so a missing file fails instead of being created.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            m_error =
                QCoreApplication::translate("DataLink", "the exercise database %1 cannot be opened")
                    .arg(m_database);
        } else {
            // SQLite opens any file lazily; a file that is not a database shows here.
            QSqlQuery probe(db);
            const bool readable = probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
            const QSqlRecord record = db.record(m_table);
            if (!readable) {
                m_error = unreadable(m_database, probe.lastError());
            } else if (record.isEmpty()) {
                m_error = QCoreApplication::translate("DataLink",
                                                      "the exercise database %1 has no table %2")
                              .arg(m_database, m_table);
            } else {
                for (int i = 0; i < record.count(); ++i)
                    m_columns << record.fieldName(i);
                QSqlQuery query(db);
                query.setForwardOnly(true);
                if (!query.exec(
                        QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(quoted(m_table)))) {
                    m_error = unreadable(m_database, query.lastError());
                } else {
                    while (query.next()) {
                        QStringList cells;
                        cells.reserve(m_columns.size());
                        for (int i = 0; i < m_columns.size(); ++i) {
                            const QVariant value = query.value(i);
                            cells << (value.isNull() ? QString() : value.toString());
                        }
                        m_rows << cells;
                    }
                    m_open = true;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);

    if (m_open && !m_column.isEmpty())
        m_columnIndex = int(m_columns.indexOf(m_column));
    if (m_columnIndex < 0)
        m_column.clear();
    return m_open;
}

bool DataLink::chooseColumn(const QString &name)
{
    const int index = int(m_columns.indexOf(name));
    if (index < 0)
        return false;
    m_column = name;
    m_columnIndex = index;
    return true;
}

void DataLink::MoveNext()
{
    if (m_row < m_rows.size())
        ++m_row;
}

bool DataLink::stepWrapping()
{
    MoveNext();
    if (!EOF_() && currentValue() != QLatin1String("0"))
        return false;
    MoveFirst();
    return true;
}

QString DataLink::currentValue() const
{
    if (m_columnIndex < 0 || m_row >= m_rows.size())
        return QString();
    return m_rows.at(m_row).value(m_columnIndex);
}
