// The input method's user word file through the shared reader: entries follow each other directly,
// each inside the input where it says; what it read is written back and reads the same.
#include "platform/codefile.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace platform::codefile;

namespace {

struct Read
{
    ReadResult result;
    QList<QByteArray> fields;
    QList<QByteArray> words;
};

Read read(QByteArrayView input)
{
    Read read;
    qint64 next = 0;
    read.result = readUserWordFile(input, [&](const UserWordEntry& entry) {
        fuzz::require(entry.offset == next && fuzz::liesAt(entry.codeField, input, entry.offset) &&
                      entry.codeField.size() == kUserCodeFieldSize);
        fuzz::require(!entry.word.isEmpty() &&
                      fuzz::liesAt(entry.word, input, entry.offset + kUserCodeFieldSize));
        fuzz::require(entry.codeText == userWordCodeText(entry.codeField) &&
                      entry.oddities == oddities(entry.word));
        next = entry.offset + kUserCodeFieldSize + entry.word.size() + 2;
        read.fields.append(entry.codeField.toByteArray());
        read.words.append(entry.word.toByteArray());
    });
    fuzz::require(read.result.end >= 0 && read.result.end <= input.size());
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Read first = read(fuzz::bytesOf(data, size));
    QList<UserWordContents> contents;
    for (qsizetype i = 0; i < first.words.size(); ++i)
        contents.append({first.fields[i], first.words[i]});
    const QByteArray written = writeUserWordFile(contents);
    const Read again = read(written);
    fuzz::require(again.result.ok() && !again.result.closingLineMissing &&
                  again.result.end == written.size());
    fuzz::require(again.fields == first.fields && again.words == first.words);
    return 0;
}
