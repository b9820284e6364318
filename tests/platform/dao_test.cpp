// The DAO-like recordset over real SQLite files made by each test.
#include "platform/dao.h"
#include "platform/transaction.h"

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
    QFile text(m_dir.filePath(QStringLiteral("notes.dat")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(2048, 'x'));
    text.close();
    EXPECT_THROW(Database::open(text.fileName()), DaoError);
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

} // namespace
