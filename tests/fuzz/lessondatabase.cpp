// A lesson database file, every table read through the recordset as the drills read theirs.
#include "platform/dao.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QSqlDatabase>

using namespace platform::dao;

namespace {

void readRow(const Recordset& records)
{
    for (const QString& name : records.fieldNames())
        records.text(name);
}

// As the drills read: the first rows, a row some way forward, the last one.
void readRows(Recordset& records)
{
    if (records.isEOF())
        return;
    for (int row = 0; row < 3 && !records.isEOF(); ++row) {
        readRow(records);
        records.MoveNext();
    }
    records.MoveFirst();
    records.Move(records.RecordCount() / 2);
    if (!records.isEOF())
        readRow(records);
    records.MoveLast();
    readRow(records);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("talvorendb.dat");
    fuzz::writeFile(path, fuzz::bytesOf(data, size));
    try {
        const std::unique_ptr<Database> database = Database::open(path);
        for (const QString& table : database->connection().tables()) {
            for (RecordsetType type : {RecordsetType::Table, RecordsetType::Dynaset}) {
                try {
                    readRows(*database->OpenRecordset(table, type));
                } catch (const DaoError&) {
                    // A damaged table is the caller's message; the next one is read all the same.
                }
            }
        }
    } catch (const DaoError&) {
    }
    return 0;
}
