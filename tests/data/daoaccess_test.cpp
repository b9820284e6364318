// The sample database read the way the programs read it: through the recordset stand-in, first
// row plus k forward, the count after moving to the last row and back, names in any letter case.
#include "tests/data/sqliteclient.h"
#include "tests/data/stageddata.h"
#include "tests/support/testfolders.h"

#include "platform/dao.h"

#include <QImage>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace datatests;

namespace {

struct ReaderCase
{
    const char* nameAsOpened; // the spelling a reader uses
    const char* field;        // a text field it reads
    friend void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.nameAsOpened; }
};

class DaoReaderTest : public ::testing::TestWithParam<ReaderCase>
{
protected:
    void SetUp() override
    {
        QString error;
        const QString path = m_folders.copySampleDatabase(&error);
        ASSERT_FALSE(path.isEmpty()) << error.toStdString();
        m_database = platform::dao::Database::open(path);
    }
    testsupport::TestFolders m_folders;
    std::unique_ptr<platform::dao::Database> m_database;
};

TEST_P(DaoReaderTest, PositionsAndCountAgreeWithTheStoredRows)
{
    const ReaderCase& c = GetParam();
    auto rs = m_database->OpenRecordset(QLatin1String(c.nameAsOpened), platform::dao::RecordsetType::Dynaset);
    rs->MoveLast();
    rs->MoveFirst();
    const int count = rs->RecordCount();

    bool ok = false;
    const QJsonArray stored = queryRows(stagedDatabase(),
                                        QStringLiteral("SELECT %1 AS v FROM %2 ORDER BY rowid")
                                            .arg(QLatin1String(c.field), QLatin1String(c.nameAsOpened)),
                                        &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(count, stored.size());
    for (const int k : {0, count / 2, count - 2, count - 1}) {
        rs->MoveFirst();
        rs->Move(k);
        EXPECT_EQ(rs->text(QLatin1String(c.field)),
                  stored[k].toObject().value(QStringLiteral("v")).toVariant().toString())
            << "row " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, DaoReaderTest,
                         ::testing::Values(ReaderCase{"jiandan", "wenzhi"}, ReaderCase{"ci2jm", "bianma"},
                                           ReaderCase{"Ci2jm", "wenzhi"}, ReaderCase{"Cid", "wenzhi"},
                                           ReaderCase{"playziku", "bianma"},
                                           ReaderCase{"skeyboard", "bianma"}, ReaderCase{"ColorZi", "bianma"},
                                           ReaderCase{"TestArticle", "wenzhang"},
                                           ReaderCase{"TabelName", "showname"}),
                         [](const auto& info) { return std::string(info.param.nameAsOpened); });

TEST_F(DaoReaderTest, PicturesReadAsImagesTheDrillCanShow)
{
    auto rs = m_database->OpenRecordset(QStringLiteral("bixing"), platform::dao::RecordsetType::Dynaset);
    rs->MoveFirst();
    const QImage image = QImage::fromData(rs->field(QStringLiteral("picture")).toByteArray());
    EXPECT_FALSE(image.isNull());
}

} // namespace
