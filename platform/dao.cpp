#include "platform/dao.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QStringList>
#include <algorithm>
#include <array>
#include <atomic>
#include <optional>
#include <sqlite3.h>
#include <unordered_map>
#include <vector>

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

} // namespace

// What a database shares with its recordsets: the Qt connection, the SQLite handle under it and the
// statements prepared on it. Hot paths talk to SQLite directly; Qt's layer would cost a few
// microseconds per row and per field, which a book of 100,000 rows cannot afford.
struct Connection
{
    QString name;
    QSqlDatabase qt;
    sqlite3* handle = nullptr;
    QHash<QByteArray, sqlite3_stmt*> statements;
    // Rows written through recordsets, in all and by table (nodes keep their address): a recordset's
    // cached rows stay good while its own table is untouched and nothing else wrote on the connection.
    qint64 recordsetChanges = 0;
    std::unordered_map<QString, qint64> tableChanges;

    ~Connection() { close(); }

    sqlite3* require() const
    {
        if (!handle)
            fail(QStringLiteral("the database is closed"));
        return handle;
    }

    // what holds %1 for the table or file it is about.
    [[noreturn]] void failSqlite(const char* what, const QString& subject) const
    {
        throw DaoError((QString::fromLatin1(what).arg(subject) + QStringLiteral(": ") +
                        QString::fromUtf8(sqlite3_errmsg(handle)))
                           .toStdString(),
                       isLockCode(sqlite3_extended_errcode(handle)));
    }

    // Prepared once and kept until the database closes; every user resets it after use.
    sqlite3_stmt* statement(const QByteArray& sql, const char* what, const QString& subject)
    {
        followQtConnection();
        require();
        if (sqlite3_stmt* cached = statements.value(sql))
            return cached;
        sqlite3_stmt* prepared = nullptr;
        if (sqlite3_prepare_v3(handle, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &prepared,
                               nullptr) != SQLITE_OK) {
            sqlite3_finalize(prepared);
            failSqlite(what, subject);
        }
        statements.insert(sql, prepared);
        return prepared;
    }

    // The Qt connection may have been closed and opened again (with other options, say), which gives
    // it a new handle. The old one could not close while it held these statements: it goes now.
    void followQtConnection()
    {
        if (name.isEmpty())
            return;
        sqlite3* current = qt.isOpen() ? handleOf(qt) : nullptr;
        if (current == handle)
            return;
        forgetStatements();
        sqlite3_close(handle);
        handle = current;
        recordsetChanges = current ? sqlite3_total_changes64(current) : 0;
    }

    static sqlite3* handleOf(const QSqlDatabase& db)
    {
        const QVariant driverHandle = db.driver()->handle();
        if (qstrcmp(driverHandle.typeName(), "sqlite3*") != 0)
            return nullptr;
        return *static_cast<sqlite3* const*>(driverHandle.constData());
    }

    static bool isLockCode(int code)
    {
        return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
    }

    void forgetStatements()
    {
        for (sqlite3_stmt* statement : std::as_const(statements))
            sqlite3_finalize(statement);
        statements.clear();
    }

    qint64* tableCounter(const QString& table) { return &tableChanges[table]; }

    void noteWrite(qint64* tableCounter)
    {
        const int rows = sqlite3_changes(handle);
        recordsetChanges += rows;
        *tableCounter += rows;
    }

    // Rows written on this connection by anything but the recordsets (a grid's model, plain SQL).
    qint64 otherChanges() const { return sqlite3_total_changes64(require()) - recordsetChanges; }

    void close()
    {
        if (name.isEmpty())
            return;
        followQtConnection();
        // SQLite refuses to close a handle with statements left unfinalized.
        forgetStatements();
        handle = nullptr;
        qt.close();
        qt = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        name.clear();
    }
};

namespace {

// One use of a prepared statement: bound, stepped, and reset with its bindings cleared at the end.
class Statement
{
public:
    Statement(Connection& connection, sqlite3_stmt* statement, const char* what, const QString& subject)
        : m_connection(connection), m_statement(statement), m_what(what), m_subject(subject)
    {
        m_bound.reserve(16);
    }
    Statement(Connection& connection, const QByteArray& sql, const char* what, const QString& subject)
        : Statement(connection, connection.statement(sql, what, subject), what, subject)
    {
    }
    ~Statement()
    {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value)
    {
        int result = SQLITE_OK;
        switch (value.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::Nullptr:
            result = sqlite3_bind_null(m_statement, index);
            break;
        case QMetaType::Bool:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
            result = sqlite3_bind_int64(m_statement, index, value.toLongLong());
            break;
        case QMetaType::Float:
        case QMetaType::Double:
            result = sqlite3_bind_double(m_statement, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray& bytes = m_bound.emplace_back(value.toByteArray());
            result = bytes.isNull() ? sqlite3_bind_null(m_statement, index)
                                    : sqlite3_bind_blob64(m_statement, index, bytes.constData(),
                                                          sqlite3_uint64(bytes.size()), SQLITE_STATIC);
            break;
        }
        default: {
            // A null text stays NULL, as Qt's own driver writes it.
            // The file holds UTF-8: SQLite would convert UTF-16 itself, more slowly than Qt does.
            const QString text = value.toString();
            if (text.isNull()) {
                result = sqlite3_bind_null(m_statement, index);
            } else {
                const QByteArray& utf8 = m_bound.emplace_back(text.toUtf8());
                result = sqlite3_bind_text64(m_statement, index, utf8.constData(),
                                             sqlite3_uint64(utf8.size()), SQLITE_STATIC, SQLITE_UTF8);
            }
            break;
        }
        }
        if (result != SQLITE_OK)
            m_connection.failSqlite(m_what, m_subject);
    }

    void bindInteger(int index, qint64 value)
    {
        if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
            m_connection.failSqlite(m_what, m_subject);
    }

    // True while there is a row to read.
    bool next()
    {
        const int result = sqlite3_step(m_statement);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            m_connection.failSqlite(m_what, m_subject);
        return false;
    }

    void run()
    {
        while (next()) {
        }
    }

    qint64 integer(int column) const { return sqlite3_column_int64(m_statement, column); }

    QVariant value(int column) const
    {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return qlonglong(sqlite3_column_int64(m_statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, column);
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
            return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
        }
        case SQLITE_BLOB: {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
            return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
        }
        default:
            return {};
        }
    }

    sqlite3_stmt* handle() const { return m_statement; }

    QStringList columnNames() const
    {
        QStringList names;
        for (int i = 0, n = sqlite3_column_count(m_statement); i < n; ++i)
            names << QString::fromUtf8(sqlite3_column_name(m_statement, i));
        return names;
    }

private:
    Connection& m_connection;
    sqlite3_stmt* m_statement;
    const char* m_what;
    const QString& m_subject;
    // What is bound, kept until the statement is reset, so that SQLite need not copy it. A moved
    // QByteArray keeps its bytes where they are.
    std::vector<QByteArray> m_bound;
};

// "select * from T [Order by F [ASC|DESC], ...]", the only query shape the books open.
struct Source
{
    QString table;
    bool isQuery = false;
    QList<std::pair<QString, bool>> order; // field as written, descending
};

Source parseSource(const QString& source)
{
    static const QRegularExpression select(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+(\w+)(?:\s+order\s+by\s+(.+?))?\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression term(QStringLiteral(R"(^\s*(\w+)(?:\s+(asc|desc))?\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (!source.contains(QRegularExpression(QStringLiteral(R"(\s)"))))
        return {source, false, {}};
    const QRegularExpressionMatch match = select.match(source);
    if (!match.hasMatch())
        fail(QStringLiteral(
                 "cannot open a recordset on %1: only \"select * from\" one table, with an optional "
                 "\"Order by\", is understood")
                 .arg(source));
    Source parsed{match.captured(1), true, {}};
    if (match.hasCaptured(2)) {
        for (const QString& part : match.captured(2).split(u',')) {
            const QRegularExpressionMatch field = term.match(part);
            if (!field.hasMatch())
                fail(QStringLiteral("cannot order %1 by \"%2\"").arg(parsed.table, part.trimmed()));
            parsed.order.append({field.captured(1),
                                 field.captured(2).compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0});
        }
    }
    return parsed;
}

QString columnDefinition(const FieldSpec& field)
{
    const QString name = quoted(field.name);
    switch (field.type) {
    case FieldType::Long:
        return QStringLiteral("%1 INTEGER CHECK (%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN "
                              "-2147483648 AND 2147483647))")
            .arg(name);
    case FieldType::Byte:
        return QStringLiteral(
                   "%1 TINYINT CHECK (%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN 0 AND 255))")
            .arg(name);
    case FieldType::Text:
        if (field.size <= 0)
            return QStringLiteral("%1 TEXT").arg(name);
        return QStringLiteral("%1 VARCHAR(%2) CHECK (length(%1) <= %2)").arg(name).arg(field.size);
    }
    Q_UNREACHABLE();
}

} // namespace

// ---- Database ----

std::unique_ptr<Database> Database::open(const QString& filePath)
{
    if (!QFileInfo(filePath).isFile())
        fail(QStringLiteral("cannot open database %1: no such file").arg(filePath));
    return openFile(filePath, false);
}

std::unique_ptr<Database> Database::create(const QString& filePath)
{
    if (QFileInfo::exists(filePath))
        fail(QStringLiteral("cannot create database %1: the file exists").arg(filePath));
    return openFile(filePath, true);
}

std::unique_ptr<Database> Database::openFile(const QString& filePath, bool creating)
{
    static std::atomic<int> connections{0};
    const QString name = QStringLiteral("talvoren-dao-%1").arg(++connections);
    QString problem;
    bool locked = false;
    sqlite3* handle = nullptr;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(filePath);
    if (!db.isValid()) {
        problem = QStringLiteral("the SQLite driver is not available");
    } else if (!db.open()) {
        problem = db.lastError().text();
        locked = Connection::isLockCode(db.lastError().nativeErrorCode().toInt());
    } else if (!(handle = Connection::handleOf(db))) {
        problem = QStringLiteral("the SQLite driver gives no handle");
    } else if (sqlite3_exec(handle, "SELECT count(*) FROM sqlite_master; PRAGMA cache_size = -16384", nullptr,
                            nullptr, nullptr) != SQLITE_OK) {
        // SQLite opens anything lazily; reading the schema is what proves it is a database. A
        // larger page cache keeps a walk in sorted order over a big table off the disk.
        problem = QString::fromUtf8(sqlite3_errmsg(handle));
        locked = Connection::isLockCode(sqlite3_extended_errcode(handle));
    }
    if (!problem.isEmpty()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        if (creating)
            QFile::remove(filePath);
        throw DaoError(
            QStringLiteral("cannot %1 database %2: %3")
                .arg(creating ? QStringLiteral("create") : QStringLiteral("open"), filePath, problem)
                .toStdString(),
            locked);
    }
    std::unique_ptr<Database> database(new Database);
    database->m_connection = std::make_shared<Connection>();
    database->m_connection->name = name;
    database->m_connection->qt = db;
    database->m_connection->handle = handle;
    database->m_filePath = filePath;
    return database;
}

Database::~Database()
{
    Close();
}

void Database::Close()
{
    if (m_connection)
        m_connection->close();
}

bool Database::isOpen() const
{
    if (!m_connection)
        return false;
    m_connection->followQtConnection();
    return m_connection->handle;
}

QString Database::filePath() const
{
    return m_filePath;
}

QSqlDatabase Database::connection() const
{
    if (!isOpen())
        return {};
    return m_connection->qt;
}

QString Database::tableName(const QString& anyCase) const
{
    if (!isOpen())
        fail(QStringLiteral("the database is closed"));
    Statement query(*m_connection,
                    "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                    "cannot read the table list of %1", m_filePath);
    query.bind(1, anyCase);
    return query.next() ? query.value(0).toString() : QString();
}

void Database::createTable(const QString& name, const QList<FieldSpec>& fields)
{
    if (!tableName(name).isEmpty())
        fail(QStringLiteral("cannot create table %1 in %2: it exists").arg(name, m_filePath));
    QStringList columns;
    for (const FieldSpec& field : fields)
        columns << columnDefinition(field);
    const QByteArray sql =
        QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(name), columns.join(QStringLiteral(", "))).toUtf8();
    m_connection->followQtConnection();
    if (sqlite3_exec(m_connection->require(), sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        m_connection->failSqlite("cannot create table %1", name);
}

// ---- Recordset ----

namespace {

// Rows are read in blocks by rowid, so that a walk costs one statement per block and not one per
// row: SQLite takes and drops its file lock around every statement outside a transaction, which costs
// more than reading a row. A jump reads the one row; a walk that runs on reads ever longer blocks.
constexpr std::array<int, 3> kBlockRows{1, 8, 64};

QByteArray blockQuery(const QString& table, int rows)
{
    return QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid IN (%2)")
        .arg(quoted(table), QStringList(rows, QStringLiteral("?")).join(u','))
        .toUtf8();
}

} // namespace

struct Recordset::Private
{
    enum class Pending
    {
        None,
        Adding,
        Editing,
    };

    std::shared_ptr<Connection> connection;
    QString table;
    qint64* tableChanges = nullptr; // the connection's count of rows written to this table
    RecordsetType type = RecordsetType::Table;
    QStringList columns;
    std::vector<qint64> rows; // rowids in the recordset's order
    // -1 before the first row, rows.size() after the last. After Delete it indexes the row that
    // followed the deleted one, and currentDeleted says there is no current row until a move.
    qsizetype position = 0;
    bool currentDeleted = false;
    qsizetype reached = 0; // dynaset: rows the cursor has reached so far
    Pending pending = Pending::None;
    // The pending AddNew/Edit values by column index; an empty entry was not set.
    std::vector<std::optional<QVariant>> buffer;
    bool closed = false;
    // The last block of rows read, by rowid, while the table and the connection are as they were then.
    QHash<qint64, QVariantList> block;
    qsizetype blockEnd = -1;   // the position after the block's last row
    std::size_t blockSize = 0; // index into kBlockRows of the last block read
    qint64 blockTableChanges = -1;
    qint64 blockOtherChanges = -1;
    std::array<QByteArray, kBlockRows.size()> blockQueries;
    // INSERT statements by the set of fields a new row gives (bit i: column i).
    QHash<quint64, QByteArray> insertQueries;

    Connection& db() const
    {
        if (closed)
            fail(QStringLiteral("the recordset on %1 is closed").arg(table));
        connection->require();
        return *connection;
    }

    qsizetype size() const { return qsizetype(rows.size()); }
    bool hasCurrent() const { return !currentDeleted && position >= 0 && position < size(); }
    bool atEOF() const { return !currentDeleted && (rows.empty() || position >= size()); }
    bool atBOF() const { return !currentDeleted && (rows.empty() || position < 0); }

    [[noreturn]] void noCurrentRecord() const { fail(QStringLiteral("no current record in %1").arg(table)); }

    qint64 currentRowid() const
    {
        if (!hasCurrent())
            noCurrentRecord();
        return rows[std::size_t(position)];
    }

    int column(const QString& name) const
    {
        // A few short names: comparing them costs less than hashing the one asked for.
        for (int i = 0; i < columns.size(); ++i) {
            if (columns.at(i) == name)
                return i;
        }
        for (int i = 0; i < columns.size(); ++i) {
            if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        fail(QStringLiteral("%1 has no field %2").arg(table, name));
    }

    void clearPending()
    {
        pending = Pending::None;
        std::fill(buffer.begin(), buffer.end(), std::nullopt);
    }

    // Every move drops an unsaved AddNew or Edit, as DAO does.
    void moveTo(qsizetype target)
    {
        db();
        clearPending();
        currentDeleted = false;
        position = std::clamp<qsizetype>(target, -1, size());
        if (position >= size())
            reached = size();
        else if (position >= 0)
            reached = std::max(reached, position + 1);
    }

    void noteWrite()
    {
        connection->noteWrite(tableChanges);
        block.clear();
        blockEnd = -1;
    }

    void readBlock(Connection& c)
    {
        blockSize = position == blockEnd ? std::min(blockSize + 1, kBlockRows.size() - 1) : 0;
        try {
            readBlock(c, blockSize);
        } catch (const DaoError& error) {
            // A damaged row further on must not keep the rows before it from being read: the row
            // asked for is read alone, and only its own damage is reported.
            if (blockSize == 0 || error.isLocked())
                throw;
            blockSize = 0;
            readBlock(c, blockSize);
        }
    }

    void readBlock(Connection& c, std::size_t size)
    {
        block.clear();
        blockEnd = -1;
        Statement query(c, blockQueries[size], "cannot read a row of %1", table);
        const qsizetype end = std::min(this->size(), position + kBlockRows[size]);
        for (qsizetype i = position; i < end; ++i)
            query.bindInteger(int(i - position) + 1, rows[std::size_t(i)]);
        while (query.next()) {
            QVariantList values;
            values.reserve(columns.size());
            for (int i = 0; i < columns.size(); ++i)
                values.append(query.value(i + 1));
            block.insert(query.integer(0), std::move(values));
        }
        blockEnd = end;
        blockTableChanges = *tableChanges;
        blockOtherChanges = c.otherChanges();
    }

    const QVariant& currentValue(int index)
    {
        Connection& c = db();
        const qint64 rowid = currentRowid();
        if (blockTableChanges != *tableChanges || blockOtherChanges != c.otherChanges()) {
            block.clear();
            blockEnd = -1;
        }
        auto it = block.constFind(rowid);
        if (it == block.cend()) {
            readBlock(c);
            it = block.constFind(rowid);
            if (it == block.cend())
                fail(QStringLiteral("the current record of %1 was deleted").arg(table));
        }
        return it->at(index);
    }

    const QByteArray& insertQuery(quint64 fields)
    {
        auto it = insertQueries.find(fields);
        if (it == insertQueries.end()) {
            QStringList names;
            for (int i = 0; i < columns.size(); ++i) {
                if (fields & (quint64(1) << i))
                    names << quoted(columns.at(i));
            }
            const QString sql = names.isEmpty()
                                    ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table))
                                    : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(quoted(table), names.join(u','),
                                               QStringList(names.size(), QStringLiteral("?")).join(u','));
            it = insertQueries.insert(fields, sql.toUtf8());
        }
        return it.value();
    }
};

Recordset::~Recordset() = default;

std::unique_ptr<Recordset> Database::OpenRecordset(const QString& source, RecordsetType type)
{
    const Source parsed = parseSource(source);
    const QString stored = this->tableName(parsed.table);
    if (stored.isEmpty())
        fail(QStringLiteral("no table named %1 in %2").arg(parsed.table, m_filePath));
    if (parsed.isQuery && type != RecordsetType::Dynaset)
        fail(QStringLiteral("a query on %1 opens only as a dynaset").arg(stored));
    Connection& c = *m_connection;
    std::unique_ptr<Recordset> recordset(new Recordset);
    recordset->d = std::make_unique<Recordset::Private>();
    Recordset::Private& d = *recordset->d;
    d.connection = m_connection;
    d.table = stored;
    d.tableChanges = c.tableCounter(stored);
    d.type = type;
    {
        Statement fields(c, QStringLiteral("SELECT * FROM %1").arg(quoted(stored)).toUtf8(), "cannot read %1",
                         stored);
        d.columns = fields.columnNames();
    }
    if (d.columns.size() > 64)
        fail(QStringLiteral("%1 has more than 64 fields").arg(stored));
    d.buffer.resize(std::size_t(d.columns.size()));
    for (std::size_t i = 0; i < kBlockRows.size(); ++i)
        d.blockQueries[i] = blockQuery(stored, kBlockRows[i]);

    QStringList order;
    for (const auto& [field, descending] : parsed.order)
        order << quoted(d.columns.at(d.column(field))) +
                     (descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
    // Ties keep natural order, so the same rows always come out in the same order.
    order << QStringLiteral("rowid");
    Statement ids(
        c, QStringLiteral("SELECT rowid FROM %1 ORDER BY %2").arg(quoted(stored), order.join(u',')).toUtf8(),
        "cannot read %1", stored);
    while (ids.next())
        d.rows.push_back(ids.integer(0));
    // A recordset opens on its first row.
    d.position = d.rows.empty() ? 0 : -1;
    if (!d.rows.empty())
        d.moveTo(0);
    return recordset;
}

void Recordset::MoveFirst()
{
    d->db();
    if (d->rows.empty())
        d->noCurrentRecord();
    d->moveTo(0);
}

void Recordset::MoveLast()
{
    d->db();
    if (d->rows.empty())
        d->noCurrentRecord();
    d->moveTo(d->size() - 1);
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
    const qsizetype count = d->type == RecordsetType::Table ? d->size() : d->reached;
    return static_cast<int>(count);
}

void Recordset::AddNew()
{
    d->db();
    d->clearPending();
    d->pending = Private::Pending::Adding;
}

void Recordset::Edit()
{
    d->db();
    d->currentRowid();
    d->clearPending();
    d->pending = Private::Pending::Editing;
}

void Recordset::Update()
{
    Connection& c = d->db();
    switch (d->pending) {
    case Private::Pending::None:
        fail(QStringLiteral("Update without AddNew or Edit on %1").arg(d->table));
    case Private::Pending::Adding: {
        quint64 fields = 0;
        for (std::size_t i = 0; i < d->buffer.size(); ++i) {
            if (d->buffer[i])
                fields |= quint64(1) << i;
        }
        {
            Statement insert(c, d->insertQuery(fields), "cannot add a row to %1", d->table);
            int index = 0;
            for (const std::optional<QVariant>& value : d->buffer) {
                if (value)
                    insert.bind(++index, *value);
            }
            insert.run();
        }
        d->noteWrite();
        // The new row goes to the end; the current row stays the one it was (or the end stays the end).
        const bool wasAtEnd = d->position >= d->size();
        d->rows.push_back(sqlite3_last_insert_rowid(c.handle));
        if (wasAtEnd)
            d->position = d->size();
        d->reached = std::min(d->reached + 1, d->size());
        break;
    }
    case Private::Pending::Editing: {
        QStringList names;
        for (std::size_t i = 0; i < d->buffer.size(); ++i) {
            if (d->buffer[i])
                names << quoted(d->columns.at(qsizetype(i)));
        }
        if (names.isEmpty())
            break;
        {
            const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                    .arg(quoted(d->table), names.join(QStringLiteral(" = ?, ")));
            Statement update(c, sql.toUtf8(), "cannot change a row of %1", d->table);
            int index = 0;
            for (const std::optional<QVariant>& value : d->buffer) {
                if (value)
                    update.bind(++index, *value);
            }
            update.bindInteger(index + 1, d->currentRowid());
            update.run();
        }
        if (sqlite3_changes(c.handle) == 0)
            fail(QStringLiteral("the current record of %1 was deleted").arg(d->table));
        d->noteWrite();
        break;
    }
    }
    d->clearPending();
}

void Recordset::CancelUpdate()
{
    d->db();
    if (d->pending == Private::Pending::None)
        fail(QStringLiteral("CancelUpdate without AddNew or Edit on %1").arg(d->table));
    d->clearPending();
}

void Recordset::Delete()
{
    Connection& c = d->db();
    const qint64 rowid = d->currentRowid();
    {
        Statement remove(c, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(d->table)).toUtf8(),
                         "cannot delete a row of %1", d->table);
        remove.bindInteger(1, rowid);
        remove.run();
    }
    d->noteWrite();
    d->clearPending();
    d->rows.erase(d->rows.begin() + d->position);
    if (d->position < d->reached)
        --d->reached;
    d->currentDeleted = true;
}

QVariant Recordset::field(const QString& name) const
{
    d->db();
    const int column = d->column(name);
    if (d->pending != Private::Pending::None && d->buffer[std::size_t(column)])
        return *d->buffer[std::size_t(column)];
    if (d->pending == Private::Pending::Adding)
        return {};
    return d->currentValue(column);
}

QString Recordset::text(const QString& name) const
{
    const QVariant value = field(name);
    return value.isNull() ? QString() : value.toString();
}

QByteArrayView RowValues::text(int field) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, m_firstColumn + field));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_statement, m_firstColumn + field) : 0);
}

qint64 RowValues::integer(int field) const
{
    return sqlite3_column_int64(m_statement, m_firstColumn + field);
}

bool RowValues::isNull(int field) const
{
    return sqlite3_column_type(m_statement, m_firstColumn + field) == SQLITE_NULL;
}

void Recordset::readRows(int count, const QStringList& fields,
                         const std::function<void(const RowValues&)>& row) const
{
    Connection& c = d->db();
    if (!d->hasCurrent() || count <= 0)
        return;
    QStringList columns;
    for (const QString& field : fields)
        columns << quoted(d->columns.at(d->column(field)));
    const auto first = d->rows.begin() + d->position;
    const auto last = first + std::min<qsizetype>(count, d->size() - d->position);
    // A stretch in natural order is one walk along the table, which is what readers of books take;
    // any other is read a row at a time.
    if (std::is_sorted(first, last) && std::adjacent_find(first, last) == last) {
        const QByteArray sql =
            QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid BETWEEN ? AND ? ORDER BY rowid")
                .arg(columns.join(u','), quoted(d->table))
                .toUtf8();
        Statement query(c, sql, "cannot read a row of %1", d->table);
        query.bindInteger(1, *first);
        query.bindInteger(2, *(last - 1));
        auto expected = first;
        // Rows another connection added since the recordset opened are not in it and are passed over.
        while (expected != last && query.next()) {
            if (query.integer(0) != *expected)
                continue;
            row(RowValues(query.handle(), 1));
            ++expected;
        }
        if (expected != last)
            fail(QStringLiteral("a row of %1 was deleted").arg(d->table));
        return;
    }
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                               .arg(columns.join(u','), quoted(d->table))
                               .toUtf8();
    for (auto rowid = first; rowid != last; ++rowid) {
        Statement query(c, sql, "cannot read a row of %1", d->table);
        query.bindInteger(1, *rowid);
        if (!query.next())
            fail(QStringLiteral("a row of %1 was deleted").arg(d->table));
        row(RowValues(query.handle(), 0));
    }
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    d->db();
    const int column = d->column(name);
    if (d->pending == Private::Pending::None)
        fail(
            QStringLiteral("field %1 of %2 set without AddNew or Edit").arg(d->columns.at(column), d->table));
    d->buffer[std::size_t(column)] = value;
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
    d->clearPending();
}

} // namespace platform::dao
