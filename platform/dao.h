// A DAO-like database and recordset over SQLite files (Qt SQL), for code written against DAO.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <stdexcept>

struct sqlite3_stmt;

namespace platform::dao {

// Every failure of this module: a file that cannot be opened, a table or field that is not there,
// a move or read past either end, Update without AddNew/Edit. Callers trap it where the program traps.
class DaoError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    DaoError(const std::string& message, bool locked) : std::runtime_error(message), m_locked(locked) {}

    // Another program held the database locked: the file may be whole, and a later try may work.
    bool isLocked() const { return m_locked; }

private:
    bool m_locked = false;
};

enum class RecordsetType
{
    Table = 1,   // dbOpenTable: the default for a local table
    Dynaset = 2, // dbOpenDynaset
};

// The field types that books declare. Long holds a 32-bit integer, Byte 0 to 255, Text up to its
// size in characters; a value that does not fit is refused with a DaoError when the row is written,
// and a number written as text is stored as the number (as the engine converted it).
enum class FieldType
{
    Long,
    Text,
    Byte,
};

struct FieldSpec
{
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters of a Text field; ignored for the other types
};

class Recordset;
struct Connection;

// One row of a stretch being read: its fields' values as the file holds them, valid during the call
// that hands them over.
class RowValues
{
public:
    // A text as its stored UTF-8 bytes, a number as its digits; empty for NULL.
    QByteArrayView text(int field) const;
    // A number; a text as the engine converts it (0 when it holds none).
    qint64 integer(int field) const;
    bool isNull(int field) const;

private:
    friend class Recordset;
    RowValues(sqlite3_stmt* statement, int firstColumn) : m_statement(statement), m_firstColumn(firstColumn)
    {
    }
    sqlite3_stmt* m_statement;
    int m_firstColumn;
};

class Database
{
public:
    // Opens an existing file read-write (never creates one); throws DaoError when it is missing or is
    // not a database.
    static std::unique_ptr<Database> open(const QString& filePath);
    // Creates a new, empty database file and opens it; throws DaoError when the file already exists
    // or cannot be created.
    static std::unique_ptr<Database> create(const QString& filePath);
    ~Database();

    // Creates a table with these fields, in this order; throws DaoError when it exists already.
    void createTable(const QString& name, const QList<FieldSpec>& fields);

    // source is a table name (matched without regard to case) or a query of the form
    // "select * from <table>" with an optional "Order by <field> [ASC|DESC], ..." clause; rows that
    // tie on every ordering field keep their natural order. A query opens only as a dynaset.
    // Throws DaoError for a missing table or field and for any other query.
    std::unique_ptr<Recordset> OpenRecordset(const QString& source,
                                             RecordsetType type = RecordsetType::Table);
    // The table's name as stored, looked up without regard to case; empty when there is none.
    QString tableName(const QString& anyCase) const;
    void Close();
    bool isOpen() const;
    QString filePath() const;
    // For models over a table (grids) and for transactions.
    QSqlDatabase connection() const;

private:
    Database() = default;
    static std::unique_ptr<Database> openFile(const QString& filePath, bool creating);
    std::shared_ptr<Connection> m_connection;
    QString m_filePath;
};

// A cursor over a table's rows in natural (rowid) order, or in the order its query asks for. The row
// set is fixed when it opens, but rows added through it are appended to it. Moves take constant
// time. A row's fields are read from the file together, the first time one of them is asked for at a
// position, with the rows after it when the cursor walks on (a damaged row further on does not keep
// the rows before it from being read); a write made on the same database connection since then, by
// a recordset or anything else, makes the next read fetch them again; a write through another
// connection shows once the cursor reads that row again. Writes are fastest inside one transaction
// (TransactionGuard on connection()).
class Recordset
{
public:
    ~Recordset();

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(int rows); // relative to the current row
    bool isEOF() const;  // DAO's EOF: past the last row (or no rows)
    bool isBOF() const;  // DAO's BOF: before the first row (or no rows)
    // Table-type: every row. Dynaset: as DAO, the rows reached so far, so that a reader that needs
    // the whole count moves to the last row first.
    int RecordCount() const;

    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete(); // the current row; the position stays on the deleted row until the next move

    // Field of the current row (or of the pending AddNew/Edit buffer); throws for an unknown field.
    QVariant field(const QString& name) const;
    QString text(const QString& name) const; // NULL reads as an empty text
    // The named fields of up to `count` rows from the current one on, in the recordset's order (fewer
    // when the recordset ends first), read together rather than row by row and handed to `row` one row
    // after the other. The cursor stays where it is. For a reader that takes a stretch of rows at once
    // and turns their values into its own form; `row` may not use the recordset. Throws when a row has
    // gone.
    void readRows(int count, const QStringList& fields,
                  const std::function<void(const RowValues&)>& row) const;
    void setField(const QString& name, const QVariant& value);
    QStringList fieldNames() const;

    QString tableName() const;
    RecordsetType type() const;
    void Close();

private:
    friend class Database;
    Recordset() = default;
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform::dao
