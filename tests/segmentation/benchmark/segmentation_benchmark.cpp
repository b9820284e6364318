// How fast an article of 10,000 characters is segmented against the code book built from the staged
// code file: the whole segmentation from opening the books to the finished patterns, the matching over
// a book just opened, and beside it a plain forward maximum matching over the same words held in
// memory, which must give the same segments.
#include "platform/codefile.h"
#include "segmentation/core/articletext.h"
#include "segmentation/core/bookreader.h"
#include "segmentation/core/codebook.h"
#include "segmentation/core/segmentarticle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace segmentation;

namespace {

QString stagedFolder()
{
    return QStringLiteral(TALVOREN_BENCHMARK_STAGE_DIR "/");
}

class QuietHost : public SegmentationHost
{
public:
    void plainMessage(const QString& text) override { messages << text; }
    void message(const QString& text) override { messages << text; }
    bool upgradeCustomBook() override { return false; }
    void showProgress(int, int) override {}
    void setProgress(int position) override { benchmark::DoNotOptimize(position); }
    void hideProgress() override {}
    QStringList messages;
};

// The staged sample articles one after the other, as often as it takes for 10,000 characters.
QByteArray longArticle()
{
    QByteArray all;
    for (const QString& name :
         QDir(stagedFolder() + QStringLiteral("articles")).entryList({QStringLiteral("*.txt")})) {
        QFile file(stagedFolder() + QStringLiteral("articles/") + name);
        if (file.open(QIODevice::ReadOnly))
            all += articleTextFromFileHead(file.readAll(), true);
    }
    QByteArray article;
    while (!all.isEmpty() && article.size() < kMaxArticleBytes)
        article += all;
    return article.left(kMaxArticleBytes);
}

// The staged code book, built once into a folder that lives as long as the program.
const QString& bookFolder()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString programFolder = folder.path() + u'/';
        const BuildReport report =
            RebuildCodeBook(programFolder, stagedFolder() + QStringLiteral("system/orvesk.mb"), {});
        return report.ok() ? programFolder : QString();
    }();
    return path;
}

// The segments' lengths in characters, read off a segmentation pattern.
QList<int> segmentLengths(const QByteArray& pattern)
{
    QList<int> lengths;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (i > 0 && pattern[i] == pattern[i - 1])
            ++lengths.last();
        else
            lengths.append(1);
    }
    return lengths;
}

void BM_SegmentArticleFromOpeningTheBooks(benchmark::State& state)
{
    const QByteArray article = longArticle();
    if (bookFolder().isEmpty() || article.size() != kMaxArticleBytes)
        return state.SkipWithError("no staged code book or articles");
    const SegmentationOptions options{bookFolder(), false, false, false};
    for (auto _ : state) {
        QuietHost host;
        const Segmentation result = SegmentArticle(article, options, host);
        benchmark::DoNotOptimize(result.article.segmentationPattern.data());
        if (result.end != Segmentation::End::Finished)
            return state.SkipWithError("the segmentation did not finish");
    }
    state.counters["characters"] = double(article.size() / 2);
}
BENCHMARK(BM_SegmentArticleFromOpeningTheBooks)->Unit(benchmark::kMillisecond);

// The code book's matches over the whole article, as SegmentArticle walks it.
void matchArticle(BookReader& book, QByteArrayView article, int widest)
{
    for (qsizetype at = 0; at < article.size();) {
        const BookMatch match =
            matchCodeBook(book, article.sliced(at, qMin<qsizetype>(widest, article.size() - at)));
        benchmark::DoNotOptimize(match.code.data());
        at += qMax(match.bytes, 2);
    }
}

// The matching with the book's rows read as it goes: a book opened just before (not timed).
void BM_MatchCodeBookReadingTheBook(benchmark::State& state)
{
    const QByteArray article = longArticle();
    if (bookFolder().isEmpty() || article.size() != kMaxArticleBytes)
        return state.SkipWithError("no staged code book or articles");
    for (auto _ : state) {
        state.PauseTiming();
        BookOpenFailure failure;
        auto book = BookReader::open(BookKind::Code, bookFolder(), &failure);
        const int widest = book->maxWordBytes();
        state.ResumeTiming();
        matchArticle(*book, article, widest);
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MatchCodeBookReadingTheBook)->Unit(benchmark::kMillisecond);

// The matching itself: the rows the article needs have been read once already.
void BM_MatchCodeBookOverRowsRead(benchmark::State& state)
{
    const QByteArray article = longArticle();
    if (bookFolder().isEmpty() || article.size() != kMaxArticleBytes)
        return state.SkipWithError("no staged code book or articles");
    BookOpenFailure failure;
    auto book = BookReader::open(BookKind::Code, bookFolder(), &failure);
    const int widest = book->maxWordBytes();
    matchArticle(*book, article, widest);
    for (auto _ : state)
        matchArticle(*book, article, widest);
}
BENCHMARK(BM_MatchCodeBookOverRowsRead)->Unit(benchmark::kMillisecond);

// Every word of the staged code file in a hash set, and the longest that fits tried first.
struct PlainWordList
{
    QSet<QByteArray> words;
    qsizetype widest = 0;
};

PlainWordList plainWordList()
{
    PlainWordList list;
    QFile file(stagedFolder() + QStringLiteral("system/orvesk.mb"));
    if (!file.open(QIODevice::ReadOnly))
        return list;
    const QByteArray bytes = file.readAll();
    platform::codefile::readCodeFile(bytes, [&](const platform::codefile::CodeFileEntry& entry) {
        if (entry.group.section == platform::codefile::Section::Words && !entry.oddities) {
            list.words.insert(entry.text.toByteArray());
            list.widest = qMax(list.widest, entry.text.size());
        }
    });
    return list;
}

QList<int> plainForwardMaximumMatching(const PlainWordList& list, QByteArrayView article)
{
    QList<int> lengths;
    for (qsizetype at = 0; at < article.size();) {
        qsizetype bytes = qMin(list.widest, article.size() - at);
        bytes -= bytes % 2;
        while (bytes > 2 && !list.words.contains(article.sliced(at, bytes).toByteArray()))
            bytes -= 2;
        lengths.append(int(qMax<qsizetype>(bytes, 2) / 2));
        at += qMax<qsizetype>(bytes, 2);
    }
    return lengths;
}

void BM_PlainForwardMaximumMatchingInMemory(benchmark::State& state)
{
    const QByteArray article = longArticle();
    const PlainWordList list = plainWordList();
    if (list.words.isEmpty() || bookFolder().isEmpty() || article.size() != kMaxArticleBytes)
        return state.SkipWithError("no staged code file or articles");
    QuietHost host;
    const Segmentation booked = SegmentArticle(article, {bookFolder(), false, false, false}, host);
    if (plainForwardMaximumMatching(list, article) != segmentLengths(booked.article.segmentationPattern))
        return state.SkipWithError("the plain matching gives other segments than the book");
    for (auto _ : state)
        benchmark::DoNotOptimize(plainForwardMaximumMatching(list, article));
    state.counters["words"] = double(list.words.size());
}
BENCHMARK(BM_PlainForwardMaximumMatchingInMemory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv); // the SQLite driver is a plugin
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
