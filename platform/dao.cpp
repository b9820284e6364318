#include "platform/dao.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>
#include <atomic>

namespace platform::dao {
namespace {

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

[[noreturn]] void fail(const QString& message)
{
    throw DaoError(message.toStdString());
}

// SQLITE_BUSY and SQLITE_LOCKED, whose extended codes keep them in the low byte.
bool isLockError(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 5 || code == 6);
}

[[noreturn]] void failOn(const QString& what, const QSqlError& error)
{
    throw DaoError((what + QStringLiteral(": ") + error.text()).toStdString(), isLockError(error));
}

[[noreturn]] void failQuery(const QString& what, const QSqlQuery& query)
{
    failOn(what, query.lastError());
}

QSqlDatabase openConnection(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        fail(QStringLiteral("the database is closed"));
    return QSqlDatabase::database(connectionName, false);
}

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values, const QString& what)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        failQuery(what, query);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        failQuery(what, query);
    return query;
}

} // namespace

// ---- Database ----

std::unique_ptr<Database> Database::open(const QString& filePath)
{
    if (!QFileInfo(filePath).isFile())
        fail(QStringLiteral("cannot open database %1: no such file").arg(filePath));
    static std::atomic<int> connections{0};
    const QString name = QStringLiteral("talvoren-dao-%1").arg(++connections);
    QSqlError problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(filePath);
        if (!db.isValid())
            problem = QSqlError(QStringLiteral("the SQLite driver is not available"), {},
                                QSqlError::ConnectionError);
        else if (!db.open())
            problem = db.lastError();
        else {
            // SQLite opens anything lazily; reading the schema is what proves it is a database.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                problem = probe.lastError();
        }
    }
    if (problem.isValid()) {
        QSqlDatabase::removeDatabase(name);
        failOn(QStringLiteral("cannot open database %1").arg(filePath), problem);
    }
    std::unique_ptr<Database> database(new Database);
    database->m_connectionName = name;
    database->m_filePath = filePath;
    return database;
}

Database::~Database()
{
    Close();
}

void Database::Close()
{
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

bool Database::isOpen() const
{
    return !m_connectionName.isEmpty();
}

QString Database::filePath() const
{
    return m_filePath;
}

QSqlDatabase Database::connection() const
{
    if (!isOpen())
        return {};
    return QSqlDatabase::database(m_connectionName, false);
}

QString Database::tableName(const QString& anyCase) const
{
    if (!isOpen())
        fail(QStringLiteral("the database is closed"));
    QSqlQuery query = run(connection(),
                          QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? "
                                         "COLLATE NOCASE"),
                          {anyCase}, QStringLiteral("cannot read the table list"));
    return query.next() ? query.value(0).toString() : QString();
}

// ---- Recordset ----

struct Recordset::Private
{
    enum class Pending
    {
        None,
        Adding,
        Editing,
    };

    QString connectionName;
    QString table;
    RecordsetType type = RecordsetType::Table;
    QStringList columns;
    QVector<qint64> rows; // rowids in natural order
    // -1 before the first row, rows.size() after the last. After Delete it indexes the row that
    // followed the deleted one, and currentDeleted says there is no current row until a move.
    qsizetype position = 0;
    bool currentDeleted = false;
    qsizetype reached = 0; // dynaset: rows the cursor has reached so far
    Pending pending = Pending::None;
    QHash<QString, QVariant> buffer; // by column name as stored
    bool closed = false;

    QSqlDatabase db() const
    {
        if (closed)
            fail(QStringLiteral("the recordset on %1 is closed").arg(table));
        return openConnection(connectionName);
    }

    bool hasCurrent() const { return !currentDeleted && position >= 0 && position < rows.size(); }
    bool atEOF() const { return !currentDeleted && (rows.isEmpty() || position >= rows.size()); }
    bool atBOF() const { return !currentDeleted && (rows.isEmpty() || position < 0); }

    [[noreturn]] void noCurrentRecord() const { fail(QStringLiteral("no current record in %1").arg(table)); }

    qint64 currentRowid() const
    {
        if (!hasCurrent())
            noCurrentRecord();
        return rows.at(position);
    }

    QString column(const QString& name) const
    {
        for (const QString& column : columns) {
            if (column.compare(name, Qt::CaseInsensitive) == 0)
                return column;
        }
        fail(QStringLiteral("%1 has no field %2").arg(table, name));
    }

    // Every move drops an unsaved AddNew or Edit, as DAO does.
    void moveTo(qsizetype target)
    {
        db();
        pending = Pending::None;
        buffer.clear();
        currentDeleted = false;
        position = std::clamp<qsizetype>(target, -1, rows.size());
        if (position >= rows.size())
            reached = rows.size();
        else if (position >= 0)
            reached = std::max(reached, position + 1);
    }
};

Recordset::~Recordset() = default;

std::unique_ptr<Recordset> Database::OpenRecordset(const QString& tableName, RecordsetType type)
{
    const QString stored = this->tableName(tableName);
    if (stored.isEmpty())
        fail(QStringLiteral("no table named %1 in %2").arg(tableName, m_filePath));
    const QSqlDatabase db = connection();
    std::unique_ptr<Recordset> recordset(new Recordset);
    recordset->d = std::make_unique<Recordset::Private>();
    Recordset::Private& d = *recordset->d;
    d.connectionName = m_connectionName;
    d.table = stored;
    d.type = type;
    const QSqlRecord record = db.record(stored);
    for (int i = 0; i < record.count(); ++i)
        d.columns << record.fieldName(i);
    QSqlQuery query = run(db, QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(quoted(stored)), {},
                          QStringLiteral("cannot read %1").arg(stored));
    while (query.next())
        d.rows.append(query.value(0).toLongLong());
    // A recordset opens on its first row.
    d.position = d.rows.isEmpty() ? 0 : -1;
    if (!d.rows.isEmpty())
        d.moveTo(0);
    return recordset;
}

void Recordset::MoveFirst()
{
    d->db();
    if (d->rows.isEmpty())
        d->noCurrentRecord();
    d->moveTo(0);
}

void Recordset::MoveLast()
{
    d->db();
    if (d->rows.isEmpty())
        d->noCurrentRecord();
    d->moveTo(d->rows.size() - 1);
}

void Recordset::MoveNext()
{
    d->db();
    if (d->atEOF())
        d->noCurrentRecord();
    // After Delete the position already indexes the next row.
    d->moveTo(d->currentDeleted ? d->position : d->position + 1);
}

void Recordset::MovePrevious()
{
    d->db();
    if (d->atBOF())
        d->noCurrentRecord();
    d->moveTo(d->position - 1);
}

void Recordset::Move(int rows)
{
    d->db();
    if (d->currentDeleted) {
        if (rows == 0)
            d->noCurrentRecord();
        d->moveTo(rows > 0 ? d->position + rows - 1 : d->position + rows);
        return;
    }
    if (!d->hasCurrent())
        d->noCurrentRecord();
    d->moveTo(d->position + rows);
}

bool Recordset::isEOF() const
{
    d->db();
    return d->atEOF();
}

bool Recordset::isBOF() const
{
    d->db();
    return d->atBOF();
}

int Recordset::RecordCount() const
{
    d->db();
    const qsizetype count = d->type == RecordsetType::Table ? d->rows.size() : d->reached;
    return static_cast<int>(count);
}

void Recordset::AddNew()
{
    d->db();
    d->pending = Private::Pending::Adding;
    d->buffer.clear();
}

void Recordset::Edit()
{
    d->db();
    d->currentRowid();
    d->pending = Private::Pending::Editing;
    d->buffer.clear();
}

void Recordset::Update()
{
    const QSqlDatabase db = d->db();
    QStringList names;
    QVariantList values;
    for (auto it = d->buffer.cbegin(); it != d->buffer.cend(); ++it) {
        names << quoted(it.key());
        values << it.value();
    }
    const QString table = quoted(d->table);
    switch (d->pending) {
    case Private::Pending::None:
        fail(QStringLiteral("Update without AddNew or Edit on %1").arg(d->table));
    case Private::Pending::Adding: {
        const QString sql = names.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(table, names.join(u','),
                                           QStringList(names.size(), QStringLiteral("?")).join(u','));
        const QSqlQuery query = run(db, sql, values, QStringLiteral("cannot add a row to %1").arg(d->table));
        // The new row goes to the end; the current row stays the one it was (or the end stays the end).
        const bool wasAtEnd = d->position >= d->rows.size();
        d->rows.append(query.lastInsertId().toLongLong());
        if (wasAtEnd)
            d->position = d->rows.size();
        d->reached = std::min(d->reached + 1, d->rows.size());
        break;
    }
    case Private::Pending::Editing: {
        if (!names.isEmpty()) {
            values << d->currentRowid();
            const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                    .arg(table, names.join(QStringLiteral(" = ?, ")));
            const QSqlQuery query =
                run(db, sql, values, QStringLiteral("cannot change a row of %1").arg(d->table));
            if (query.numRowsAffected() == 0)
                fail(QStringLiteral("the current record of %1 was deleted").arg(d->table));
        }
        break;
    }
    }
    d->pending = Private::Pending::None;
    d->buffer.clear();
}

void Recordset::CancelUpdate()
{
    d->db();
    if (d->pending == Private::Pending::None)
        fail(QStringLiteral("CancelUpdate without AddNew or Edit on %1").arg(d->table));
    d->pending = Private::Pending::None;
    d->buffer.clear();
}

void Recordset::Delete()
{
    const QSqlDatabase db = d->db();
    const qint64 rowid = d->currentRowid();
    run(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(d->table)), {rowid},
        QStringLiteral("cannot delete a row of %1").arg(d->table));
    d->pending = Private::Pending::None;
    d->buffer.clear();
    d->rows.removeAt(d->position);
    if (d->position < d->reached)
        --d->reached;
    d->currentDeleted = true;
}

QVariant Recordset::field(const QString& name) const
{
    const QSqlDatabase db = d->db();
    const QString column = d->column(name);
    if (d->pending != Private::Pending::None && d->buffer.contains(column))
        return d->buffer.value(column);
    if (d->pending == Private::Pending::Adding)
        return {};
    const qint64 rowid = d->currentRowid();
    QSqlQuery query =
        run(db, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(quoted(column), quoted(d->table)),
            {rowid}, QStringLiteral("cannot read %1 of %2").arg(column, d->table));
    if (!query.next())
        fail(QStringLiteral("the current record of %1 was deleted").arg(d->table));
    return query.value(0);
}

QString Recordset::text(const QString& name) const
{
    const QVariant value = field(name);
    return value.isNull() ? QString() : value.toString();
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    d->db();
    const QString column = d->column(name);
    if (d->pending == Private::Pending::None)
        fail(QStringLiteral("field %1 of %2 set without AddNew or Edit").arg(column, d->table));
    d->buffer.insert(column, value);
}

QStringList Recordset::fieldNames() const
{
    d->db();
    return d->columns;
}

QString Recordset::tableName() const
{
    return d->table;
}

RecordsetType Recordset::type() const
{
    return d->type;
}

void Recordset::Close()
{
    d->closed = true;
    d->buffer.clear();
}

} // namespace platform::dao
