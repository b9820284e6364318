// What the book builders' fuzz targets share: a build over any source file must end in a whole book
// or in a failure that leaves the book before it, and a whole book reads back through BookReader.
#pragma once

#include "platform/codefile.h"
#include "platform/gbk.h"
#include "segmentation/core/bookbuild.h"
#include "segmentation/core/bookreader.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QFileInfo>
#include <cstdlib>

namespace fuzz {

inline void checkBuiltBook(const segmentation::BuildReport& report, segmentation::BookKind kind,
                           const QString& programFolder, QByteArrayView source)
{
    const segmentation::BookFiles files = segmentation::bookFiles(kind, programFolder);
    if (!report.ok()) {
        // A failed first build leaves no book at all, never half of one.
        if (QFileInfo::exists(files.index) != QFileInfo::exists(files.database))
            std::abort();
        return;
    }
    if (QFileInfo(files.index).size() != segmentation::kIndexFileBytes)
        std::abort();
    segmentation::BookOpenFailure failure;
    auto book = segmentation::BookReader::open(kind, programFolder, &failure);
    if (!book)
        std::abort();
    // Looked up by the characters the source holds, a book gives only words that begin with them.
    for (qsizetype i = 0; i + 1 < source.size() && i < 64; ++i) {
        for (const segmentation::BookWord& word : book->wordsBeginningWith(source.sliced(i)))
            if (!word.hz.startsWith(source.sliced(i, 2)))
                std::abort();
        if (platform::gbk::startsWithDoubleByteCharacter(source.sliced(i)))
            book->character(platform::codefile::GbkCellIndex(source[i], source[i + 1]));
    }
}

} // namespace fuzz
