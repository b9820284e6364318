// How fast the practice program's books are built from the staged input-method files, beside the
// time SQLite itself takes to bulk-load the same rows into the same tables in one transaction.
#include "segmentation/core/bookreader.h"
#include "segmentation/core/codebook.h"
#include "segmentation/core/userwordbooks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>
#include <sqlite3.h>
#include <variant>
#include <vector>

using namespace segmentation;

namespace {

QString stagedFolder()
{
    return QStringLiteral(TALVOREN_BENCHMARK_STAGE_DIR "/");
}

QString stagedCodeFile()
{
    return stagedFolder() + QStringLiteral("system/orvesk.mb");
}

void fail(benchmark::State& state, const BuildReport& report)
{
    if (!report.ok())
        state.SkipWithError(report.failure->message.toUtf8().constData());
}

void BM_RebuildCodeBook(benchmark::State& state)
{
    QTemporaryDir program;
    const QString folder = program.path() + u'/';
    const FileInfoTexts shown = codeFileInfoTexts(stagedCodeFile());
    for (auto _ : state) {
        const BuildReport report = RebuildCodeBook(folder, stagedCodeFile(), shown);
        fail(state, report);
        state.counters["words"] = report.words;
    }
}
BENCHMARK(BM_RebuildCodeBook)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every table of a book: how it was created, and its rows.
struct TableRows
{
    std::string create;
    std::string insert;
    std::vector<std::vector<std::variant<std::monostate, sqlite3_int64, std::string>>> rows;
};

std::vector<TableRows> readBook(const QString& path)
{
    std::vector<TableRows> tables;
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* schema = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY rowid", -1,
                       &schema, nullptr);
    while (sqlite3_step(schema) == SQLITE_ROW) {
        TableRows& table = tables.emplace_back();
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(schema, 0));
        table.create = reinterpret_cast<const char*>(sqlite3_column_text(schema, 1));
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, ("SELECT * FROM \"" + name + "\" ORDER BY rowid").c_str(), -1, &rows, nullptr);
        const int columns = sqlite3_column_count(rows);
        table.insert = "INSERT INTO \"" + name + "\" VALUES (?";
        for (int i = 1; i < columns; ++i)
            table.insert += ",?";
        table.insert += ")";
        while (sqlite3_step(rows) == SQLITE_ROW) {
            auto& row = table.rows.emplace_back();
            for (int i = 0; i < columns; ++i) {
                switch (sqlite3_column_type(rows, i)) {
                case SQLITE_INTEGER:
                    row.emplace_back(sqlite3_column_int64(rows, i));
                    break;
                case SQLITE_NULL:
                    row.emplace_back(std::monostate());
                    break;
                default:
                    row.emplace_back(
                        std::string(reinterpret_cast<const char*>(sqlite3_column_text(rows, i))));
                }
            }
        }
        sqlite3_finalize(rows);
    }
    sqlite3_finalize(schema);
    sqlite3_close(db);
    return tables;
}

// The rows the rebuild writes, loaded straight through SQLite: prepared statements, one transaction.
void BM_SqliteBulkLoadOfTheSameRows(benchmark::State& state)
{
    QTemporaryDir program;
    const QString folder = program.path() + u'/';
    fail(state, RebuildCodeBook(folder, stagedCodeFile(), codeFileInfoTexts(stagedCodeFile())));
    const std::vector<TableRows> tables = readBook(folder + QStringLiteral("Durid.dat"));
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("bulk.dat"));
    std::size_t rows = 0;
    for (auto _ : state) {
        QFile::remove(QString::fromLocal8Bit(path));
        sqlite3* db = nullptr;
        sqlite3_open(path.constData(), &db);
        for (const TableRows& table : tables)
            sqlite3_exec(db, table.create.c_str(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        rows = 0;
        for (const TableRows& table : tables) {
            sqlite3_stmt* insert = nullptr;
            sqlite3_prepare_v2(db, table.insert.c_str(), -1, &insert, nullptr);
            for (const auto& row : table.rows) {
                for (std::size_t i = 0; i < row.size(); ++i) {
                    const int index = int(i) + 1;
                    if (const auto* number = std::get_if<sqlite3_int64>(&row[i]))
                        sqlite3_bind_int64(insert, index, *number);
                    else if (const auto* text = std::get_if<std::string>(&row[i]))
                        sqlite3_bind_text(insert, index, text->data(), int(text->size()), SQLITE_STATIC);
                    else
                        sqlite3_bind_null(insert, index);
                }
                sqlite3_step(insert);
                sqlite3_reset(insert);
                ++rows;
            }
            sqlite3_finalize(insert);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_SqliteBulkLoadOfTheSameRows)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildTeacherBook(benchmark::State& state)
{
    QTemporaryDir program;
    const QString folder = program.path() + u'/';
    QFile::copy(stagedFolder() + QStringLiteral("usercibiao.TXT"), folder + QStringLiteral("usercibiao.TXT"));
    for (auto _ : state) {
        const BuildReport report = BuildUserWordBook(folder);
        fail(state, report);
        state.counters["words"] = report.words;
    }
}
BENCHMARK(BM_BuildTeacherBook)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildCustomBook(benchmark::State& state)
{
    QTemporaryDir program;
    const QString folder = program.path() + u'/';
    for (auto _ : state) {
        const BuildReport report = BuildCustomCodeBook(folder, stagedFolder() + QStringLiteral("system/"), 1);
        fail(state, report);
        state.counters["words"] = report.words;
    }
}
BENCHMARK(BM_BuildCustomBook)->Unit(benchmark::kMillisecond)->UseRealTime();

// A book opened for one use and the words of a character looked up, as a code hint does.
void BM_OpenBookAndLookUpOneCharacter(benchmark::State& state)
{
    QTemporaryDir program;
    const QString folder = program.path() + u'/';
    fail(state, RebuildCodeBook(folder, stagedCodeFile(), {}));
    std::mt19937 random(2002);
    std::uniform_int_distribution<int> trail(0xA1, 0xFE);
    for (auto _ : state) {
        BookOpenFailure failure;
        auto book = BookReader::open(BookKind::Code, folder, &failure);
        const char text[2] = {char(0xD6), char(trail(random))};
        benchmark::DoNotOptimize(book->wordsBeginningWith(QByteArrayView(text, 2)));
    }
}
BENCHMARK(BM_OpenBookAndLookUpOneCharacter)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
