// The DAO-like recordset over real SQLite files made by each test.
#include "platform/dao.h"
#include "platform/transaction.h"
#include "tests/support/files.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::dao::DaoError;
using platform::dao::Database;
using platform::dao::Recordset;
using platform::dao::RecordsetType;
using platform::dao::TransactionGuard;

namespace {

constexpr int kRows = 7;

class DaoTest : public ::testing::Test
{
protected:
    // A file with a code table whose rowid order differs from its `number` order, an empty table
    // and a table with a picture column.
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("talvorendb.dat"));
        const QString name = QStringLiteral("dao-test-setup");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_path);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(
                q.exec(QStringLiteral("CREATE TABLE Ci2jm (bianma TEXT, wenzhi TEXT, number INTEGER)")));
            for (int i = 0; i < kRows; ++i) {
                q.prepare(
                    QStringLiteral("INSERT INTO Ci2jm (rowid, bianma, wenzhi, number) VALUES (?, ?, ?, ?)"));
                q.addBindValue(10 + 3 * i);
                q.addBindValue(QString::number(100 + i));
                q.addBindValue(QStringLiteral("word%1").arg(i));
                q.addBindValue(kRows - i);
                ASSERT_TRUE(q.exec());
            }
            ASSERT_TRUE(q.exec(
                QStringLiteral("CREATE TABLE TestArticle (title TEXT, wenzhang TEXT, number INTEGER)")));
            ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE bixing (picture BLOB, bianma TEXT)")));
        }
        QSqlDatabase::removeDatabase(name);
        m_db = Database::open(m_path);
    }

    std::unique_ptr<Recordset> codes(RecordsetType type = RecordsetType::Dynaset)
    {
        return m_db->OpenRecordset(QStringLiteral("Ci2jm"), type);
    }

    static QString wordAt(int i) { return QStringLiteral("word%1").arg(i); }

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
};

TEST_F(DaoTest, OpeningAMissingFileThrowsAndCreatesNothing)
{
    const QString missing = m_dir.filePath(QStringLiteral("missing.dat"));
    EXPECT_THROW(Database::open(missing), DaoError);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(DaoTest, OpeningAFileThatIsNoDatabaseThrows)
{
    const QString text = m_dir.filePath(QStringLiteral("notes.dat"));
    ASSERT_TRUE(testsupport::writeFile(text, QByteArray(2048, 'x')));
    EXPECT_THROW(Database::open(text), DaoError);
}

class DaoTableNameTest : public DaoTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(DaoTableNameTest, ReachesTheTableWithoutRegardToCase)
{
    const QString asked = QString::fromLatin1(GetParam());
    EXPECT_EQ(m_db->tableName(asked), QStringLiteral("Ci2jm"));
    auto rs = m_db->OpenRecordset(asked, RecordsetType::Dynaset);
    EXPECT_EQ(rs->tableName(), QStringLiteral("Ci2jm"));
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(0));
}

INSTANTIATE_TEST_SUITE_P(Spellings, DaoTableNameTest, ::testing::Values("ci2jm", "Ci2jm", "CI2JM", "cI2Jm"));

TEST_F(DaoTest, AnUnknownTableThrows)
{
    EXPECT_TRUE(m_db->tableName(QStringLiteral("Ci9")).isEmpty());
    EXPECT_THROW(m_db->OpenRecordset(QStringLiteral("Ci9")), DaoError);
}

class DaoPositionTest : public DaoTest, public ::testing::WithParamInterface<int>
{
};

// Natural order is rowid order, whatever `number` says.
TEST_P(DaoPositionTest, FirstThenKForwardReachesTheKthRowInRowidOrder)
{
    const int k = GetParam();
    auto rs = codes();
    rs->MoveFirst();
    rs->Move(k);
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(k));
    rs->MoveFirst();
    for (int i = 0; i < k; ++i)
        rs->MoveNext();
    EXPECT_EQ(rs->text(QStringLiteral("bianma")), QString::number(100 + k));
}

INSTANTIATE_TEST_SUITE_P(Positions, DaoPositionTest, ::testing::Values(0, 1, 3, kRows - 1));

TEST_F(DaoTest, DynasetCountsRowsReachedTableTypeCountsAll)
{
    auto dynaset = codes(RecordsetType::Dynaset);
    EXPECT_LT(dynaset->RecordCount(), kRows);
    dynaset->MoveLast();
    dynaset->MoveFirst();
    EXPECT_EQ(dynaset->RecordCount(), kRows);
    EXPECT_EQ(codes(RecordsetType::Table)->RecordCount(), kRows);
}

TEST_F(DaoTest, EofAndBofAtBothEnds)
{
    auto rs = codes();
    EXPECT_FALSE(rs->isBOF());
    rs->MoveLast();
    EXPECT_FALSE(rs->isEOF());
    rs->MoveNext();
    EXPECT_TRUE(rs->isEOF());
    EXPECT_THROW(rs->MoveNext(), DaoError);
    EXPECT_THROW(rs->text(QStringLiteral("wenzhi")), DaoError);
    rs->MovePrevious();
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(kRows - 1));
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->isBOF());
    EXPECT_FALSE(rs->isEOF());
    EXPECT_THROW(rs->MovePrevious(), DaoError);
    rs->MoveNext();
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(0));
}

TEST_F(DaoTest, MovingBeyondEitherEndStopsThere)
{
    auto rs = codes();
    rs->Move(kRows + 5);
    EXPECT_TRUE(rs->isEOF());
    rs->MoveFirst();
    rs->Move(-1);
    EXPECT_TRUE(rs->isBOF());
    EXPECT_THROW(rs->Move(1), DaoError);
}

TEST_F(DaoTest, AnEmptyTableIsAtBothEnds)
{
    auto rs = m_db->OpenRecordset(QStringLiteral("testarticle"));
    EXPECT_TRUE(rs->isEOF());
    EXPECT_TRUE(rs->isBOF());
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_THROW(rs->MoveFirst(), DaoError);
    EXPECT_THROW(rs->MoveLast(), DaoError);
    EXPECT_THROW(rs->MoveNext(), DaoError);
    EXPECT_THROW(rs->text(QStringLiteral("title")), DaoError);
    EXPECT_THROW(rs->Edit(), DaoError);
    EXPECT_THROW(rs->Delete(), DaoError);
}

TEST_F(DaoTest, AddNewAppendsInWritingOrderAndKeepsTheCurrentRow)
{
    auto rs = codes(RecordsetType::Table);
    rs->Move(2);
    for (const QString& word : {QStringLiteral("new1"), QStringLiteral("new2")}) {
        rs->AddNew();
        rs->setField(QStringLiteral("WENZHI"), word);
        rs->setField(QStringLiteral("bianma"), QStringLiteral("9"));
        rs->Update();
    }
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(2));
    EXPECT_EQ(rs->RecordCount(), kRows + 2);
    auto reread = codes();
    reread->MoveLast();
    EXPECT_EQ(reread->text(QStringLiteral("wenzhi")), QStringLiteral("new2"));
    reread->MovePrevious();
    EXPECT_EQ(reread->text(QStringLiteral("wenzhi")), QStringLiteral("new1"));
}

TEST_F(DaoTest, AddingToAnEmptyTableLeavesTheCursorAtTheEnd)
{
    auto rs = m_db->OpenRecordset(QStringLiteral("TestArticle"));
    rs->AddNew();
    rs->setField(QStringLiteral("title"), QStringLiteral("first"));
    rs->setField(QStringLiteral("number"), rs->RecordCount() + 1);
    rs->Update();
    EXPECT_TRUE(rs->isEOF());
    EXPECT_EQ(rs->RecordCount(), 1);
    rs->MoveFirst();
    EXPECT_EQ(rs->text(QStringLiteral("title")), QStringLiteral("first"));
    EXPECT_EQ(rs->field(QStringLiteral("number")).toInt(), 1);
    EXPECT_EQ(rs->text(QStringLiteral("wenzhang")), QString()); // NULL reads as empty
}

TEST_F(DaoTest, RewritingABookAfterDeletingEveryRowKeepsWritingOrder)
{
    auto rs = codes(RecordsetType::Table);
    while (!rs->isEOF()) {
        rs->Delete();
        rs->MoveNext();
    }
    for (const QString& word : {QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}) {
        rs->AddNew();
        rs->setField(QStringLiteral("wenzhi"), word);
        rs->Update();
    }
    auto reread = codes();
    QStringList order;
    for (reread->MoveFirst(); !reread->isEOF(); reread->MoveNext())
        order << reread->text(QStringLiteral("wenzhi"));
    EXPECT_EQ(order, (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(DaoTest, EditChangesTheRowInPlaceAndCancelLeavesIt)
{
    auto rs = codes();
    rs->Move(1);
    rs->Edit();
    rs->setField(QStringLiteral("number"), 42);
    EXPECT_EQ(rs->field(QStringLiteral("number")).toInt(), 42); // the edit buffer
    rs->Update();
    rs->Edit();
    rs->setField(QStringLiteral("number"), 7);
    rs->CancelUpdate();
    auto reread = codes();
    reread->Move(1);
    EXPECT_EQ(reread->field(QStringLiteral("Number")).toInt(), 42);
    EXPECT_EQ(reread->text(QStringLiteral("wenzhi")), wordAt(1));
}

TEST_F(DaoTest, MovingDropsAnUnsavedEdit)
{
    auto rs = codes();
    rs->Edit();
    rs->setField(QStringLiteral("wenzhi"), QStringLiteral("lost"));
    rs->MoveNext();
    EXPECT_THROW(rs->Update(), DaoError);
    rs->MoveFirst();
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(0));
}

TEST_F(DaoTest, AfterDeleteThereIsNoCurrentRowUntilAMove)
{
    auto rs = codes(RecordsetType::Table);
    rs->Move(3);
    rs->Delete();
    EXPECT_FALSE(rs->isEOF());
    EXPECT_FALSE(rs->isBOF());
    EXPECT_THROW(rs->text(QStringLiteral("wenzhi")), DaoError);
    EXPECT_THROW(rs->Move(0), DaoError);
    EXPECT_EQ(rs->RecordCount(), kRows - 1);
    rs->MoveNext();
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(4));
    rs->MovePrevious();
    rs->Delete();
    rs->MovePrevious();
    EXPECT_EQ(rs->text(QStringLiteral("wenzhi")), wordAt(1));
    rs->MoveLast();
    rs->Delete();
    rs->MoveNext();
    EXPECT_TRUE(rs->isEOF());
    EXPECT_EQ(codes(RecordsetType::Table)->RecordCount(), kRows - 3);
}

TEST_F(DaoTest, ARowDeletedElsewhereCannotBeRead)
{
    auto reader = codes();
    auto deleter = codes();
    deleter->Delete();
    EXPECT_THROW(reader->text(QStringLiteral("wenzhi")), DaoError);
    reader->Edit();
    reader->setField(QStringLiteral("wenzhi"), QStringLiteral("x"));
    EXPECT_THROW(reader->Update(), DaoError);
}

TEST_F(DaoTest, MisuseThrows)
{
    auto rs = codes();
    EXPECT_THROW(rs->Update(), DaoError);
    EXPECT_THROW(rs->CancelUpdate(), DaoError);
    EXPECT_THROW(rs->setField(QStringLiteral("wenzhi"), QStringLiteral("x")), DaoError);
    EXPECT_THROW(rs->text(QStringLiteral("pinyin")), DaoError);
    rs->Edit();
    EXPECT_THROW(rs->setField(QStringLiteral("pinyin"), 1), DaoError);
}

TEST_F(DaoTest, FieldNamesAsStoredAndPicturesAsBytes)
{
    const QByteArray picture("GIF89a\x00\x01\xff", 9);
    auto rs = m_db->OpenRecordset(QStringLiteral("BIXING"), RecordsetType::Dynaset);
    EXPECT_EQ(rs->fieldNames(), (QStringList{QStringLiteral("picture"), QStringLiteral("bianma")}));
    rs->AddNew();
    rs->setField(QStringLiteral("Picture"), picture);
    rs->Update();
    rs->MoveFirst();
    EXPECT_EQ(rs->field(QStringLiteral("picture")).toByteArray(), picture);
}

TEST_F(DaoTest, AClosedDatabaseOrRecordsetThrows)
{
    auto rs = codes();
    auto other = codes();
    other->Close();
    EXPECT_THROW(other->MoveNext(), DaoError);
    m_db->Close();
    EXPECT_FALSE(m_db->isOpen());
    EXPECT_THROW(rs->MoveNext(), DaoError);
    EXPECT_THROW(m_db->OpenRecordset(QStringLiteral("Ci2jm")), DaoError);
}

TEST_F(DaoTest, ATransactionRollsBackUnlessCommitted)
{
    {
        TransactionGuard guard(m_db->connection());
        auto rs = codes(RecordsetType::Table);
        rs->Delete();
    }
    EXPECT_EQ(codes(RecordsetType::Table)->RecordCount(), kRows);
    {
        TransactionGuard guard(m_db->connection());
        auto rs = codes(RecordsetType::Table);
        rs->Delete();
        guard.commit();
    }
    EXPECT_EQ(codes(RecordsetType::Table)->RecordCount(), kRows - 1);
}

TEST_F(DaoTest, ALockHeldElsewhereIsToldApartFromADamagedTable)
{
    auto rs = codes();
    // This side gives up at once instead of waiting for the lock to pass.
    QSqlDatabase mine = m_db->connection();
    mine.close();
    mine.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    ASSERT_TRUE(mine.open());
    const QString name = QStringLiteral("dao-test-locker");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(m_path);
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        try {
            rs->text(QStringLiteral("wenzhi"));
            ADD_FAILURE() << "read a locked database";
        } catch (const DaoError& error) {
            EXPECT_TRUE(error.isLocked()) << error.what();
        }
        ASSERT_TRUE(lock.exec(QStringLiteral("ROLLBACK")));
        other.close();
    }
    QSqlDatabase::removeDatabase(name);
    try {
        rs->text(QStringLiteral("pinyin"));
        ADD_FAILURE() << "read a field that is not there";
    } catch (const DaoError& error) {
        EXPECT_FALSE(error.isLocked());
    }
}

using platform::dao::FieldSpec;
using platform::dao::FieldType;

// A book made through the recordset layer alone: a new file, a table declared with typed fields.
class DaoBookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("book.dat"));
        m_db = Database::create(m_path);
        m_db->createTable(QStringLiteral("CitemBiao"), {{QStringLiteral("ID"), FieldType::Long, 0},
                                                        {QStringLiteral("hz"), FieldType::Text, 50},
                                                        {QStringLiteral("first"), FieldType::Long, 50},
                                                        {QStringLiteral("CiLength"), FieldType::Long, 50},
                                                        {QStringLiteral("ZDY"), FieldType::Byte, 1}});
    }

    // Rows (hz, first, CiLength) written in this order.
    void add(const QList<std::tuple<QString, int, int>>& rows)
    {
        auto rs = m_db->OpenRecordset(QStringLiteral("citembiao"), RecordsetType::Dynaset);
        TransactionGuard guard(m_db->connection());
        for (const auto& [hz, first, length] : rows) {
            rs->AddNew();
            rs->setField(QStringLiteral("ID"), rs->RecordCount() + 1);
            rs->setField(QStringLiteral("hz"), hz);
            rs->setField(QStringLiteral("first"), QString::number(first)); // written as text, as the books do
            rs->setField(QStringLiteral("CiLength"), length);
            rs->setField(QStringLiteral("ZDY"), 0);
            rs->Update();
        }
        guard.commit();
    }

    QStringList words(const QString& source)
    {
        QStringList result;
        auto rs = m_db->OpenRecordset(source, RecordsetType::Dynaset);
        for (; !rs->isEOF(); rs->MoveNext())
            result << rs->text(QStringLiteral("hz"));
        return result;
    }

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
};

TEST_F(DaoBookTest, CreatingRefusesAnExistingFileAndTable)
{
    EXPECT_THROW(Database::create(m_path), DaoError);
    EXPECT_THROW(m_db->createTable(QStringLiteral("CITEMBIAO"), {{QStringLiteral("x"), FieldType::Long, 0}}),
                 DaoError);
    // Closing lets go of the file: it can be deleted and made again.
    m_db->Close();
    ASSERT_TRUE(QFile::remove(m_path));
    EXPECT_NO_THROW(Database::create(m_path)->createTable(QStringLiteral("t"),
                                                          {{QStringLiteral("x"), FieldType::Long, 0}}));
}

TEST_F(DaoBookTest, FieldsAreDeclaredInOrderWithTheirTypes)
{
    EXPECT_EQ(m_db->OpenRecordset(QStringLiteral("CitemBiao"))->fieldNames(),
              (QStringList{QStringLiteral("ID"), QStringLiteral("hz"), QStringLiteral("first"),
                           QStringLiteral("CiLength"), QStringLiteral("ZDY")}));
    QSqlQuery types(m_db->connection());
    ASSERT_TRUE(types.exec(QStringLiteral("SELECT type FROM pragma_table_info('CitemBiao')")));
    QStringList declared;
    while (types.next())
        declared << types.value(0).toString();
    EXPECT_EQ(declared,
              (QStringList{QStringLiteral("INTEGER"), QStringLiteral("VARCHAR(50)"),
                           QStringLiteral("INTEGER"), QStringLiteral("INTEGER"), QStringLiteral("TINYINT")}));
}

TEST_F(DaoBookTest, NumbersWrittenAsTextAreStoredAsNumbersAndTextAsUtf8)
{
    add({{QStringLiteral("中国"), 0xD6D0, 2}});
    QSqlQuery stored(m_db->connection());
    ASSERT_TRUE(stored.exec(QStringLiteral("SELECT typeof(first), hex(hz) FROM CitemBiao")));
    ASSERT_TRUE(stored.next());
    EXPECT_EQ(stored.value(0).toString(), QStringLiteral("integer"));
    EXPECT_EQ(stored.value(1).toString(),
              QString::fromLatin1(QStringLiteral("中国").toUtf8().toHex().toUpper()));
}

struct UnfitValue
{
    const char* name;
    const char* field;
    QVariant value;
    friend void PrintTo(const UnfitValue& c, std::ostream* os) { *os << c.name; }
};

class DaoUnfitValueTest : public DaoBookTest, public ::testing::WithParamInterface<UnfitValue>
{
};

// As the engine refuses them: a row with a value its field cannot hold is not written.
TEST_P(DaoUnfitValueTest, IsRefusedAndNothingIsWritten)
{
    auto rs = m_db->OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    rs->AddNew();
    rs->setField(QString::fromLatin1(GetParam().field), GetParam().value);
    EXPECT_THROW(rs->Update(), DaoError);
    EXPECT_EQ(m_db->OpenRecordset(QStringLiteral("CitemBiao"))->RecordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Values, DaoUnfitValueTest,
                         ::testing::Values(UnfitValue{"TextTooLong", "hz", QString(51, u'字')},
                                           UnfitValue{"LongFromWords", "first", QStringLiteral("abc")},
                                           UnfitValue{"LongPast32Bits", "CiLength", qlonglong(1) << 31},
                                           UnfitValue{"ByteNegative", "ZDY", -1},
                                           UnfitValue{"ByteTooLarge", "ZDY", 256}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DaoBookTest, AnOrderedQueryKeepsNaturalOrderAmongTies)
{
    add({{QStringLiteral("b2"), 2, 2},
         {QStringLiteral("a2"), 1, 2},
         {QStringLiteral("a4"), 1, 4},
         {QStringLiteral("a2-second"), 1, 2},
         {QStringLiteral("b3"), 2, 3},
         {QStringLiteral("a2-third"), 1, 2}});
    const QStringList expected{QStringLiteral("a4"),       QStringLiteral("a2"), QStringLiteral("a2-second"),
                               QStringLiteral("a2-third"), QStringLiteral("b3"), QStringLiteral("b2")};
    EXPECT_EQ(words(QStringLiteral("select * from CitemBiao Order by first ASC,CiLength DESC")), expected);
    // Names in the query match without regard to case, as the books' queries spell them.
    EXPECT_EQ(words(QStringLiteral("SELECT * FROM citembiao ORDER BY FIRST, cilength desc")), expected);
    EXPECT_EQ(words(QStringLiteral("select * from CitemBiao")).first(), QStringLiteral("b2"));
}

TEST_F(DaoBookTest, AnOrderedQueryMovesAndAppendsLikeATable)
{
    add({{QStringLiteral("late"), 9, 2}, {QStringLiteral("early"), 1, 2}});
    auto rs = m_db->OpenRecordset(QStringLiteral("select * from CitemBiao Order by first ASC"),
                                  RecordsetType::Dynaset);
    rs->Move(1);
    EXPECT_EQ(rs->text(QStringLiteral("hz")), QStringLiteral("late"));
    rs->AddNew();
    rs->setField(QStringLiteral("hz"), QStringLiteral("added"));
    rs->setField(QStringLiteral("first"), 0);
    rs->Update();
    rs->MoveLast();
    EXPECT_EQ(rs->text(QStringLiteral("hz")), QStringLiteral("added"));
    rs->MoveFirst();
    rs->Edit();
    rs->setField(QStringLiteral("hz"), QStringLiteral("changed"));
    rs->Update();
    EXPECT_EQ(words(QStringLiteral("select * from CitemBiao")),
              (QStringList{QStringLiteral("late"), QStringLiteral("changed"), QStringLiteral("added")}));
}

// The texts (as stored) and numbers of a stretch read at once, one row after the other.
QStringList stretch(const Recordset& records, int count, const QStringList& fields)
{
    QStringList values;
    records.readRows(count, fields, [&](const platform::dao::RowValues& row) {
        for (int i = 0; i < fields.size(); ++i)
            values << (row.isNull(i) ? QStringLiteral("<null>") : QString::fromUtf8(row.text(i)));
    });
    return values;
}

// A stretch read at once gives what walking the cursor over it would, in the recordset's order.
TEST_F(DaoBookTest, AStretchOfRowsIsReadAtOnceInTheRecordsetsOrder)
{
    add({{QStringLiteral("中"), 3, 1},
         {QStringLiteral("b"), 1, 2},
         {QStringLiteral("c"), 2, 3},
         {QStringLiteral("d"), 1, 4}});
    const QStringList fields{QStringLiteral("hz"), QStringLiteral("cilength"), QStringLiteral("first")};
    auto natural = m_db->OpenRecordset(QStringLiteral("select * from CitemBiao"), RecordsetType::Dynaset);
    EXPECT_EQ(stretch(*natural, 2, fields),
              (QStringList{QStringLiteral("中"), QStringLiteral("1"), QStringLiteral("3"),
                           QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("1")}));
    natural->Move(2);
    EXPECT_EQ(stretch(*natural, 5, {QStringLiteral("hz")}),
              (QStringList{QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(natural->text(QStringLiteral("hz")), QStringLiteral("c")); // the cursor stays
    natural->MoveLast();
    natural->MoveNext();
    EXPECT_TRUE(stretch(*natural, 5, fields).isEmpty());

    auto ordered = m_db->OpenRecordset(
        QStringLiteral("select * from CitemBiao Order by first ASC,CiLength DESC"), RecordsetType::Dynaset);
    EXPECT_EQ(
        stretch(*ordered, 4, {QStringLiteral("hz")}),
        (QStringList{QStringLiteral("d"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("中")}));
}

TEST_F(DaoBookTest, AStretchPassesOverRowsAddedElsewhereAndFailsOnRowsDeletedElsewhere)
{
    add({{QStringLiteral("a"), 1, 1}, {QStringLiteral("b"), 1, 1}});
    auto reader = m_db->OpenRecordset(QStringLiteral("select * from CitemBiao"), RecordsetType::Dynaset);
    add({{QStringLiteral("later"), 1, 1}});
    EXPECT_EQ(stretch(*reader, 3, {QStringLiteral("hz")}),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QSqlQuery(m_db->connection()).exec(QStringLiteral("DELETE FROM CitemBiao WHERE hz = 'b'"));
    EXPECT_THROW(stretch(*reader, 2, {QStringLiteral("hz")}), DaoError);
    EXPECT_THROW(stretch(*reader, 1, {QStringLiteral("pinyin")}), DaoError);
}

class DaoBadQueryTest : public DaoBookTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(DaoBadQueryTest, IsRefused)
{
    EXPECT_THROW(m_db->OpenRecordset(QString::fromUtf8(GetParam()), RecordsetType::Dynaset), DaoError);
}

INSTANTIATE_TEST_SUITE_P(Queries, DaoBadQueryTest,
                         ::testing::Values("select hz from CitemBiao",
                                           "select * from CitemBiao where first = 1",
                                           "select * from CitemBiao Order by pinyin",
                                           "select * from CitemBiao Order by first sideways",
                                           "select * from CitemBiao; drop table CitemBiao",
                                           "select * from Nothing"));

TEST_F(DaoBookTest, AQueryDoesNotOpenAsATable)
{
    EXPECT_THROW(m_db->OpenRecordset(QStringLiteral("select * from CitemBiao"), RecordsetType::Table),
                 DaoError);
}

TEST_F(DaoBookTest, AFieldReadAgainAfterAWriteElsewhereSeesTheWrite)
{
    add({{QStringLiteral("old"), 1, 2}});
    auto reader = m_db->OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    EXPECT_EQ(reader->text(QStringLiteral("hz")), QStringLiteral("old"));
    auto writer = m_db->OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    writer->Edit();
    writer->setField(QStringLiteral("hz"), QStringLiteral("new"));
    writer->Update();
    EXPECT_EQ(reader->text(QStringLiteral("hz")), QStringLiteral("new"));
}

TEST_F(DaoBookTest, MovesReachFarRowsDirectly)
{
    QList<std::tuple<QString, int, int>> rows;
    for (int i = 0; i < 5000; ++i)
        rows.append({QString::number(i), i, 2});
    add(rows);
    auto rs = m_db->OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    for (const int k : {4999, 0, 2500, 1}) {
        rs->MoveFirst();
        rs->Move(k);
        EXPECT_EQ(rs->field(QStringLiteral("ID")).toInt(), k + 1);
    }
    rs->Move(-2);
    EXPECT_TRUE(rs->isBOF());
}

} // namespace
