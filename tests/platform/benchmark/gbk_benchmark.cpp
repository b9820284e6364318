// How fast texts convert to and from GBK: a paragraph of an article, and the one character a
// candidate list or a typed character converts.
#include "platform/gbk.h"

#include <benchmark/benchmark.h>

namespace {

const QString kParagraph = QStringLiteral(
    "刚开始学打字的时候，我总是低着头找键，打一个字要看好几眼。老师告诉我们，手指要放在固定的位置上，"
    "眼睛看着屏幕，不要看键盘。起初这样做很难，速度比原来还慢，错字也多。可是每天坚持练习二十分钟，"
    "一个月以后，手指好像自己认得了路。现在我打字又快又准，写作文、查资料都方便多了。");

void BM_EncodeParagraph(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::gbk::encode(kParagraph));
    state.SetBytesProcessed(state.iterations() * kParagraph.size() * 2);
}
BENCHMARK(BM_EncodeParagraph);

void BM_DecodeParagraph(benchmark::State& state)
{
    const QByteArray bytes = platform::gbk::encode(kParagraph);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::gbk::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeParagraph);

void BM_EncodeCharacter(benchmark::State& state)
{
    const QString character = QStringLiteral("字");
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::gbk::encode(character));
}
BENCHMARK(BM_EncodeCharacter);

void BM_DecodeCharacter(benchmark::State& state)
{
    const QByteArray character = platform::gbk::encode(QStringLiteral("字"));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::gbk::decode(character));
}
BENCHMARK(BM_DecodeCharacter);

void BM_CanEncodeParagraph(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::gbk::canEncode(kParagraph));
}
BENCHMARK(BM_CanEncodeParagraph);

} // namespace

BENCHMARK_MAIN();
