// The practice-file reader, on any bytes: what it accepts is a whole article, and saved again it reads
// back the same; what it refuses leaves nothing behind.
#include "segmentation/core/practicefile.h"
#include "segmentation/core/articleexport.h"
#include "segmentation/core/articletext.h"
#include "segmentation/core/textfile.h"
#include "tests/fuzz/fuzzsupport.h"

#include <array>
#include <utility>

using namespace segmentation;

namespace {

bool wellFormed(const Article& article)
{
    const qsizetype characters = article.characterCount();
    if (article.text.isEmpty() || article.text.size() % 2 != 0 || article.text.size() > kMaxArticleBytes ||
        article.segmentationPattern.size() != characters || article.shortCodePattern.size() != characters ||
        article.statistics[TestCharacters] != characters)
        return false;
    // Every character belongs to one word, counted once by its length (five or more for the longest).
    static constexpr std::array<std::pair<ArticleStatistic, int>, 6> kWords = {{{SingleCharacters, 1},
                                                                                {Symbols, 1},
                                                                                {TwoCharacterWords, 2},
                                                                                {ThreeCharacterWords, 3},
                                                                                {FourCharacterWords, 4},
                                                                                {MultiCharacterWords, 5}}};
    qint64 counted = 0;
    for (const auto& [figure, length] : kWords) {
        if (article.statistics[figure] < 0)
            return false;
        counted += qint64(length) * article.statistics[figure];
    }
    return counted <= characters;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PracticeFileRead read = readPracticeFile(fuzz::bytesOf(data, size)); // the reader under test
    if (!read.ok()) {
        fuzz::require(read.article == Article() && !practiceFileProblemText(read.problem).isEmpty());
        return 0;
    }
    fuzz::require(wellFormed(read.article));
    const PracticeFileRead again = readPracticeFile(textModeBytes(practiceFileText(read.article)));
    fuzz::require(again.ok() && again.article == read.article);
    const QByteArray exported = segmentedText(read.article.text, read.article.segmentationPattern,
                                              read.article.statistics[TestCharacters], "\n");
    fuzz::require(exported.size() >= read.article.text.size());
    return 0;
}
