// The teacher's word list through the shared reader: lines follow each other directly, each word
// inside the input where it says; what it read is written back and reads the same.
#include "platform/codefile.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace platform::codefile;

namespace {

QList<QByteArray> read(QByteArrayView input, ReadResult* result)
{
    QList<QByteArray> words;
    qint64 next = 0;
    *result = readWordList(input, [&](const WordListEntry& entry) {
        fuzz::require(entry.offset == next && !entry.word.isEmpty() &&
                      fuzz::liesAt(entry.word, input, entry.offset));
        fuzz::require(!entry.word.contains("\r\n") && entry.oddities == oddities(entry.word));
        next = entry.offset + entry.word.size() + 2;
        words.append(entry.word.toByteArray());
    });
    fuzz::require(result->ok() && result->end >= 0 && result->end <= input.size());
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReadResult result;
    const QList<QByteArray> words = read(fuzz::bytesOf(data, size), &result);
    const QByteArray written = writeWordList(words);
    fuzz::require(read(written, &result) == words && !result.closingLineMissing &&
                  result.end == written.size());
    return 0;
}
