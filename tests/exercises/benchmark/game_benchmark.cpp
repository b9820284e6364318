// How long one frame of the falling-codes game takes: a game of fifty items under way, the stars
// moved (every 10 ms) and, with them or without, the items' fall step (every 400 ms), then the play
// field with its items drawn into an image, as the screen would show it.
#include "exercises/frmplay.h"
#include "platform/dao.h"
#include "shell/module1.h"

#include <QApplication>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A game code book of characters and two-character words with five- and six-digit codes.
void writeCodeBook(const QString& path)
{
    const QString connection = QStringLiteral("game-benchmark");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE playziku (number INTEGER, bianma TEXT, wenzhi TEXT)"));
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO playziku (number, bianma, wenzhi) VALUES (?, ?, ?)"));
        for (int i = 0; i < 300; ++i) {
            QString word(QChar(char16_t(0x4E00 + i * 7)));
            if (i % 2)
                word += QChar(char16_t(0x4E01 + i * 11));
            query.addBindValue(i + 1);
            query.addBindValue(QString::number(i % 2 ? 100000 + i * 37 : 10000 + i * 29));
            query.addBindValue(word);
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(connection);
}

class GameUnderWay
{
public:
    explicit GameUnderWay(const QString& title)
    {
        writeCodeBook(m_folder.filePath(QStringLiteral("talvorendb.dat")));
        Module1::gDatabase =
            platform::dao::Database::open(m_folder.filePath(QStringLiteral("talvorendb.dat")));
        Module1::gExerciseTitle = title;
        m_window = std::make_unique<exercises::frmplay>();
        m_window->show();
        m_field = m_window->findChild<QWidget*>(QStringLiteral("Picture1"));
        m_image = QImage(m_field->size(), QImage::Format_RGB32);
        restart();
    }
    ~GameUnderWay()
    {
        m_window.reset();
        Module1::gDatabase.reset();
    }

    // A new game, fallen far enough that the field is full of items; before the last items would go
    // (and the game-over message stop the run), the caller starts again.
    void restart()
    {
        m_window->CmdStart_Click();
        for (int step = 0; step < 60; ++step)
            m_window->Timer1_Timer();
    }
    bool nearTheEnd() const { return m_window->items().goneCount() > 40; }

    void frame(bool fallStep)
    {
        if (fallStep)
            m_window->Timer1_Timer();
        m_window->Timer3_Timer();
        m_field->render(&m_image);
    }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<exercises::frmplay> m_window;
    QWidget* m_field = nullptr;
    QImage m_image;
};

void runFrames(benchmark::State& state, bool fallStep)
{
    GameUnderWay game(state.range(0) ? QStringLiteral("游戏测试") : QStringLiteral("小键盘游戏"));
    for (auto _ : state) {
        if (game.nearTheEnd()) {
            state.PauseTiming();
            game.restart();
            state.ResumeTiming();
        }
        game.frame(fallStep);
    }
}

void BM_StarFrame(benchmark::State& state)
{
    runFrames(state, false);
}
void BM_FallAndStarFrame(benchmark::State& state)
{
    runFrames(state, true);
}

// Argument 0: the items show their codes; 1: their characters and words.
BENCHMARK(BM_StarFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FallAndStarFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
