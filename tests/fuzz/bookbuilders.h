// What the book builders' fuzz targets share: a build over any source file must end in a whole book
// or in a failure that leaves the book before it, and a whole book reads back through BookReader.
#pragma once

#include "platform/codefile.h"
#include "platform/gbk.h"
#include "segmentation/core/bookbuild.h"
#include "segmentation/core/bookreader.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QFileInfo>

namespace fuzz {

// Writes the input as the source file `sourceName` in an empty scratch folder, builds the book of
// `kind` from it there with `build(folder)` (the builder under test) and checks what came of it.
template <typename Build>
void buildBookFrom(QByteArrayView source, const QString& sourceName, segmentation::BookKind kind, Build build)
{
    const QString folder = scratchFolder();
    emptyFolder(folder);
    writeFile(folder + sourceName, source);
    const segmentation::BuildReport report = build(folder);
    const segmentation::BookFiles files = segmentation::bookFiles(kind, folder);
    if (!report.ok()) {
        // A failed first build leaves no book at all, never half of one.
        require(QFileInfo::exists(files.index) == QFileInfo::exists(files.database));
        return;
    }
    require(QFileInfo(files.index).size() == segmentation::kIndexFileBytes);
    segmentation::BookOpenFailure failure;
    auto book = segmentation::BookReader::open(kind, folder, &failure);
    require(book != nullptr);
    // Looked up by the characters the source holds, a book gives only words that begin with them.
    for (qsizetype i = 0; i + 1 < source.size() && i < 64; ++i) {
        for (const segmentation::BookWord& word : book->wordsBeginningWith(source.sliced(i)))
            require(word.hz.startsWith(source.sliced(i, 2)));
        if (platform::gbk::startsWithDoubleByteCharacter(source.sliced(i)))
            book->character(platform::codefile::GbkCellIndex(source[i], source[i + 1]));
    }
}

} // namespace fuzz
