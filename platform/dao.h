// A DAO-like database and recordset over SQLite files (Qt SQL), for code written against DAO.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <stdexcept>

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

class Recordset;

class Database
{
public:
    // Opens an existing file read-write (never creates one); throws DaoError when it is missing or is
    // not a database.
    static std::unique_ptr<Database> open(const QString& filePath);
    ~Database();

    // Table names match without regard to case. Throws DaoError for a missing table.
    std::unique_ptr<Recordset> OpenRecordset(const QString& tableName,
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
    QString m_connectionName;
    QString m_filePath;
};

// A cursor over a table's rows in natural (rowid) order. The row set is fixed when it opens, but
// rows added through it are appended to it; field values are read from the file when asked.
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
