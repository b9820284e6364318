#include "segmentation/core/practicefile.h"

#include "segmentation/core/articletext.h"
#include "segmentation/core/textfile.h"

#include <QList>
#include <algorithm>
#include <optional>

namespace segmentation {
namespace {

constexpr char kLineEnd = '\n';
// Line 3 holds figures 9, 6, 7 and 8, in this order.
constexpr std::array<ArticleStatistic, 4> kStoredFigures = {BestKeystrokes, ShortCodeCharacters,
                                                            ShortCodeWords, Symbols};
// A pattern holds one digit a character.
constexpr qsizetype kMaxPatternDigits = kMaxArticleBytes;

struct Line
{
    QByteArrayView bytes; // without its line end
    bool ended = false;   // an LF ended it
};

// The line that starts at *at, up to its LF (a CR before the LF is dropped); *at moves past the LF.
Line nextLine(QByteArrayView bytes, qsizetype* at)
{
    const QByteArrayView rest = bytes.sliced(*at);
    const qsizetype lf = rest.indexOf('\n');
    if (lf < 0) {
        *at = bytes.size();
        return {rest, false};
    }
    *at += lf + 1;
    QByteArrayView line = rest.first(lf);
    if (line.endsWith('\r'))
        line.chop(1);
    return {line, true};
}

bool onlyDigitsOf(QByteArrayView line, QByteArrayView digits)
{
    return std::all_of(line.begin(), line.end(), [&](char c) { return digits.contains(c); });
}

// A count: a whole decimal number that fits 32 bits, nothing before or after it. A "+" may lead, as
// the C runtime's conversion allows; a count is never negative.
std::optional<qint32> count(QByteArrayView field)
{
    const QByteArrayView digits = field.startsWith('+') ? field.sliced(1) : field;
    if (digits.isEmpty() || !onlyDigitsOf(digits, "0123456789"))
        return std::nullopt;
    bool ok = false;
    const qint32 value = digits.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool readFigures(QByteArrayView line, ArticleStatistics& statistics)
{
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    if (fields.size() != qsizetype(kStoredFigures.size()))
        return false;
    for (std::size_t i = 0; i < kStoredFigures.size(); ++i) {
        const std::optional<qint32> value = count(fields[qsizetype(i)]);
        if (!value)
            return false;
        statistics[kStoredFigures[i]] = *value;
    }
    return true;
}

// Each run of equal digits of the segmentation pattern is one word, counted by its length.
void countWordRuns(QByteArrayView pattern, ArticleStatistics& statistics)
{
    qsizetype start = 0;
    while (start < pattern.size()) {
        qsizetype end = start + 1;
        while (end < pattern.size() && pattern[end] == pattern[start])
            ++end;
        ++statistics[statisticOfWordLength(end - start)];
        start = end;
    }
}

} // namespace

QString practiceFilePath(const QString& chosenPath)
{
    return chosenPath + kPracticeFileExtension;
}

QByteArray practiceFileText(const Article& article)
{
    QByteArray bytes;
    bytes += article.segmentationPattern + kLineEnd;
    bytes += article.shortCodePattern + kLineEnd;
    for (std::size_t i = 0; i < kStoredFigures.size(); ++i) {
        if (i > 0)
            bytes += '\t';
        bytes += QByteArray::number(article.statistics[kStoredFigures[i]]);
    }
    bytes += kLineEnd;
    bytes += article.text + kLineEnd;
    return bytes;
}

bool writePracticeFile(const QString& path, const Article& article, QString* error)
{
    return writeTextFile(path, practiceFileText(article), error);
}

PracticeFileRead readPracticeFile(QByteArrayView bytes)
{
    PracticeFileRead read;
    const auto refuse = [&read](PracticeFileProblem problem) {
        read.article = Article();
        read.problem = problem;
        return read;
    };
    Article& article = read.article;
    qsizetype at = 0;
    std::array<Line, 3> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = nextLine(bytes, &at);
        if (i < 2 && lines[i].bytes.size() > kMaxPatternDigits)
            return refuse(PracticeFileProblem::PatternTooLong);
        if (!lines[i].ended)
            return refuse(PracticeFileProblem::MissingLines);
    }
    if (!onlyDigitsOf(lines[0].bytes, "01") || !onlyDigitsOf(lines[1].bytes, "014"))
        return refuse(PracticeFileProblem::NotPatterns);
    if (!readFigures(lines[2].bytes, article.statistics))
        return refuse(PracticeFileProblem::BadFigures);

    article.segmentationPattern = lines[0].bytes.toByteArray();
    article.shortCodePattern = lines[1].bytes.toByteArray();
    article.text = takeDoubleByteCharacters(bytes.sliced(at));
    if (article.text.isEmpty())
        return refuse(PracticeFileProblem::NoText);
    if (article.segmentationPattern.size() != article.characterCount() ||
        article.shortCodePattern.size() != article.characterCount())
        return refuse(PracticeFileProblem::LengthMismatch);

    countWordRuns(article.segmentationPattern, article.statistics);
    // Symbols are one-character runs too; a file that claims more of them than there are is damaged.
    if (article.statistics[Symbols] > article.statistics[SingleCharacters])
        return refuse(PracticeFileProblem::TooManySymbols);
    article.statistics[SingleCharacters] -= article.statistics[Symbols];
    article.statistics[TestCharacters] = qint32(article.characterCount());
    return read;
}

QString practiceFileProblemText(PracticeFileProblem problem)
{
    switch (problem) {
    case PracticeFileProblem::None:
        break;
    case PracticeFileProblem::PatternTooLong:
        return QStringLiteral("分词标记超过20000个字符");
    case PracticeFileProblem::MissingLines:
        return QStringLiteral("文件不足四行");
    case PracticeFileProblem::NotPatterns:
        return QStringLiteral("前两行不是分词标记");
    case PracticeFileProblem::BadFigures:
        return QStringLiteral("第三行不是以TAB分隔的四个计数");
    case PracticeFileProblem::TooManySymbols:
        return QStringLiteral("符号数多于文章中的单字数");
    case PracticeFileProblem::NoText:
        return QStringLiteral("文件中没有文章");
    case PracticeFileProblem::LengthMismatch:
        return QStringLiteral("分词标记与文章的长度不符");
    }
    return QString();
}

} // namespace segmentation
