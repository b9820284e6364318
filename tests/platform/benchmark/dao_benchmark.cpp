// How fast the recordset writes and reads a book-sized table: 100,000 rows of a word table.
#include "platform/dao.h"
#include "platform/transaction.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <numeric>
#include <random>

using platform::dao::Database;
using platform::dao::RecordsetType;
using platform::dao::TransactionGuard;

namespace {

constexpr int kRows = 100000;

// The staging word table's shape, made with plain SQL so that only the recordset is measured.
QString makeEmptyBook(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("book.dat"));
    QFile::remove(path);
    const QString name = QStringLiteral("dao-benchmark-setup");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(
            QStringLiteral("CREATE TABLE CitemBiao (ID INTEGER, hz VARCHAR(50), srm VARCHAR(50), "
                           "first INTEGER, firstzi VARCHAR(50), CiLength INTEGER, ZDY TINYINT, "
                           "Jm VARCHAR(50))"));
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

QString word(int i)
{
    static const QString characters = QStringLiteral(
        "的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动同工也能下过子说产种"
        "面而方后多定行学法所民得经十三之进着等部度家电力里如水化高自二理起小物现实加量都两体制机当使点从业本"
        "去把性好应开它合还因由其些然前外天政四日那社义事平形相全表间样与关各重新线内数正心反你明看原又么利比"
        "或但质气第向道命此变条只没结解问意建月公无系军很情者最立代想已通并提直题党程展五果料象员革位入常文总"
        "次品式活设及管特件长求老头基资边流路级少图山统接知较将组见计别她手角期根论运农指几九区强放决西被干做"
        "必战先回则任取据处队南给色光门即保治北造百规热领七海口东导器压志世金增争济阶油思术极交受联什认六共权"
        "收证改清己美再采转更单风切打白教速花带安场身车例真务具万每目至达走积示议声报斗完类八离华名确才科张信"
        "马节话米整空元况今集温传土许步群广石记需段研界拉林律叫且究观越织装影算低持音众书布复容儿须际商非验连"
        "断深难近矿千周委素技备半办青省列习响约支般史感劳便团往酸历市克何除消构府称太准精值号率族维划选标写存"
        "候毛亲快效斯院查江型眼王按格养易置派层片始却专状育厂京识适属圆包火住调满县局照参红细引听该铁价严");
    const int length = 2 + i % 4;
    QString text;
    for (int k = 0; k < length; ++k)
        text.append(characters.at((i * 7 + k * 131) % characters.size()));
    return text;
}

void addRows(Database& db, int count)
{
    auto rs = db.OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    for (int i = 0; i < count; ++i) {
        const QString hz = word(i);
        rs->AddNew();
        rs->setField(QStringLiteral("hz"), hz);
        rs->setField(QStringLiteral("srm"), QString::number(100000 + i % 900000));
        rs->setField(QStringLiteral("Jm"), QStringLiteral("Jm"));
        rs->setField(QStringLiteral("ID"), i + 1);
        rs->setField(QStringLiteral("firstzi"), hz.left(1));
        rs->setField(QStringLiteral("first"), 0xB0A1 + (i * 7919) % 20000);
        rs->setField(QStringLiteral("CiLength"), hz.size());
        rs->setField(QStringLiteral("ZDY"), 0);
        rs->Update();
    }
}

// The shared full book, made once for the readers.
const QString& fullBook()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString made = makeEmptyBook(dir);
        auto db = Database::open(made);
        TransactionGuard guard(db->connection());
        addRows(*db, kRows);
        guard.commit();
        return made;
    }();
    return path;
}

void BM_AddRowsInOneTransaction(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = makeEmptyBook(dir);
        auto db = Database::open(path);
        state.ResumeTiming();
        TransactionGuard guard(db->connection());
        addRows(*db, kRows);
        guard.commit();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_AddRowsInOneTransaction)->Unit(benchmark::kMillisecond);

// Each row its own transaction, as a writer that forgets to open one gets.
void BM_AddRowOutsideATransaction(benchmark::State& state)
{
    QTemporaryDir dir;
    auto db = Database::open(makeEmptyBook(dir));
    for (auto _ : state)
        addRows(*db, 1);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddRowOutsideATransaction)->Unit(benchmark::kMicrosecond);

void BM_OpenTable(benchmark::State& state)
{
    auto db = Database::open(fullBook());
    for (auto _ : state)
        benchmark::DoNotOptimize(db->OpenRecordset(QStringLiteral("CiTemBiao"), RecordsetType::Dynaset));
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond);

void BM_OpenSortedQuery(benchmark::State& state)
{
    auto db = Database::open(fullBook());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            db->OpenRecordset(QStringLiteral("select * from CitemBiao Order by first ASC,CiLength DESC"),
                              RecordsetType::Dynaset));
}
BENCHMARK(BM_OpenSortedQuery)->Unit(benchmark::kMillisecond);

// Every row by position, as the lookup positions: first row, then k forward; three fields a row.
void BM_ReadEveryRowByPosition(benchmark::State& state)
{
    auto db = Database::open(fullBook());
    auto rs = db->OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    std::vector<int> positions(kRows);
    std::iota(positions.begin(), positions.end(), 0);
    std::shuffle(positions.begin(), positions.end(), std::mt19937(2002));
    for (auto _ : state) {
        for (const int k : positions) {
            rs->MoveFirst();
            rs->Move(k);
            benchmark::DoNotOptimize(rs->text(QStringLiteral("hz")));
            benchmark::DoNotOptimize(rs->text(QStringLiteral("srm")));
            benchmark::DoNotOptimize(rs->text(QStringLiteral("Jm")));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ReadEveryRowByPosition)->Unit(benchmark::kMillisecond);

// A walk from the first row to the end, every field of every row.
void BM_WalkEveryRow(benchmark::State& state)
{
    auto db = Database::open(fullBook());
    auto rs = db->OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    const QStringList fields = rs->fieldNames();
    for (auto _ : state) {
        for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext()) {
            for (const QString& field : fields)
                benchmark::DoNotOptimize(rs->field(field));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_WalkEveryRow)->Unit(benchmark::kMillisecond);

// One field of the row at hand, asked again and again.
void BM_FieldRead(benchmark::State& state)
{
    auto db = Database::open(fullBook());
    auto rs = db->OpenRecordset(QStringLiteral("CitemBiao"), RecordsetType::Dynaset);
    rs->Move(kRows / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(rs->text(QStringLiteral("hz")));
}
BENCHMARK(BM_FieldRead);

} // namespace

BENCHMARK_MAIN();
