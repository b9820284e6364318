#include "segmentation/core/segmentarticle.h"

#include "platform/codefile.h"
#include "platform/dao.h"
#include "platform/gbk.h"
#include "segmentation/core/bookproblems.h"
#include "segmentation/core/bookreader.h"

#include <memory>
#include <optional>

namespace segmentation {
namespace {

using End = Segmentation::End;
using platform::dao::DaoError;

class Segmenter
{
public:
    Segmenter(const QByteArray& text, const SegmentationOptions& options, SegmentationHost& host)
        : m_options(options), m_host(host)
    {
        Article& article = m_result.article;
        article.text = text;
        // The text holds whole characters; a stray last byte is no character and gets no digit.
        m_length = text.size() - text.size() % 2;
        article.segmentationPattern = QByteArray(m_length / 2, kEvenWordDigit);
        article.shortCodePattern = article.segmentationPattern;
        article.statistics[TestCharacters] = qint32(m_length / 2);
    }

    Segmentation run()
    {
        try {
            segment();
        } catch (const DaoError& error) {
            tell(bookReadProblem(m_lookingUp, QString::fromUtf8(error.what())));
            m_result.end = End::Abandoned;
        }
        if (m_progressShown)
            m_host.hideProgress();
        return m_result;
    }

private:
    // The book of the program folder; nothing when it cannot be used, and the end that follows.
    std::unique_ptr<BookReader> openBook(BookKind kind, End* end)
    {
        BookOpenFailure failure;
        auto book = BookReader::open(kind, m_options.programFolder, &failure);
        if (book)
            return book;
        *end = openFailureEnd(kind, failure);
        return nullptr;
    }

    End openFailureEnd(BookKind kind, const BookOpenFailure& failure)
    {
        tell(bookProblem(kind, failure));
        return failure.kind == BookOpenFailure::Kind::DatabaseNotOpened ? End::Abandoned : End::EndedEarly;
    }

    void tell(const BookProblem& problem)
    {
        if (problem.plain)
            m_host.plainMessage(problem.text);
        else
            m_host.message(problem.text);
    }

    // Asks for the custom upgrade as long as the custom book's index is missing.
    std::optional<End> openCustomBook()
    {
        for (;;) {
            BookOpenFailure failure;
            m_custom = BookReader::open(BookKind::Custom, m_options.programFolder, &failure);
            if (m_custom)
                return std::nullopt;
            if (failure.kind != BookOpenFailure::Kind::IndexNotOpened)
                return openFailureEnd(BookKind::Custom, failure);
            m_host.plainMessage(QString::fromUtf8(kCustomBookMissingMessage));
            if (!m_host.upgradeCustomBook()) {
                m_host.message(QStringLiteral("没有自定义码本，已取消本次导入！"));
                return End::Abandoned;
            }
        }
    }

    // A damaged word book is told once, and gives no match wherever it is damaged.
    int matchInWordBook(BookKind kind, BookReader& book, QByteArrayView window, bool& told)
    {
        m_lookingUp = kind;
        const int result = MatchCustomWord(book, window, m_maxCiLength);
        if (result == kDamagedWordBook && !told) {
            m_host.message(QString::fromUtf8(kWordBookDamagedMessage));
            told = true;
        }
        return result;
    }

    void segment()
    {
        End end = End::Finished;
        std::unique_ptr<BookReader> code = openBook(BookKind::Code, &end);
        if (!code)
            return endAt(0, end);
        m_host.showProgress(1, int(m_length));
        m_progressShown = true;
        m_maxCiLength = code->maxWordBytes();
        if (m_maxCiLength < kFewestWordBytesAllowed || m_maxCiLength > kMostWordBytesAllowed) {
            m_host.message(
                QStringLiteral("码本已损坏（最长的词为%1字节），请重新升级码本！").arg(m_maxCiLength));
            return endAt(0, End::Abandoned);
        }
        std::unique_ptr<BookReader> teacher;
        if (m_options.teacher && !(teacher = openBook(BookKind::Teacher, &end)))
            return endAt(0, end);

        ArticleStatistics& statistics = m_result.article.statistics;
        const QByteArrayView text(m_result.article.text.constData(), m_length);
        char digit = kEvenWordDigit;
        for (qsizetype position = 0; position < m_length;) {
            const QByteArrayView window =
                text.sliced(position, qMin<qsizetype>(m_maxCiLength, m_length - position));
            m_lookingUp = BookKind::Code;
            int result = MatchWord(*code, window, statistics);
            if (teacher)
                result =
                    qMax(result, matchInWordBook(BookKind::Teacher, *teacher, window, m_teacherDamageTold));
            if (m_options.customBook) {
                if (!m_custom) {
                    if (const std::optional<End> failed = openCustomBook())
                        return endAt(position, *failed, digit);
                }
                result =
                    qMax(result, matchInWordBook(BookKind::Custom, *m_custom, window, m_customDamageTold));
            }

            const bool shortCode = result > m_maxCiLength;
            if (shortCode)
                result /= kShortCodeFactor;
            // A sound book matches whole characters within the window; a damaged one is kept to them. A
            // character no book knows is a segment of its own.
            const qsizetype bytes = qBound(qsizetype(2), qsizetype(result - result % 2), m_length - position);
            if (result == 0)
                ++statistics[m_options.symbolsFiltered ? SingleCharacters : Symbols];
            else
                ++statistics[statisticOfWordLength(bytes / 2)];
            mark(position, bytes, digit, shortCode ? kShortCodeDigit : digit);
            digit = nextWordDigit(digit);
            position += bytes;
            m_host.setProgress(int(position));
        }
    }

    void mark(qsizetype position, qsizetype bytes, char digit, char shortCodeDigit)
    {
        Article& article = m_result.article;
        for (qsizetype character = position / 2; character < (position + bytes) / 2; ++character) {
            article.segmentationPattern[character] = digit;
            article.shortCodePattern[character] = shortCodeDigit;
        }
    }

    // The part of the text not reached becomes one-character segments, so the patterns always cover
    // the text and alternate as they do elsewhere.
    void endAt(qsizetype position, End end, char digit = kEvenWordDigit)
    {
        m_result.end = end;
        if (end != End::EndedEarly)
            return;
        for (; position < m_length; position += 2) {
            mark(position, 2, digit, digit);
            digit = nextWordDigit(digit);
        }
    }

    const SegmentationOptions& m_options;
    SegmentationHost& m_host;
    Segmentation m_result;
    qsizetype m_length = 0;
    int m_maxCiLength = kDefaultMaxWordBytes;
    bool m_progressShown = false;
    std::unique_ptr<BookReader> m_custom;
    bool m_teacherDamageTold = false;
    bool m_customDamageTold = false;
    BookKind m_lookingUp = BookKind::Code; // whose database a failure is about
};

} // namespace

BookMatch matchCodeBook(BookReader& codeBook, QByteArrayView window)
{
    if (!platform::gbk::startsWithDoubleByteCharacter(window))
        return {};
    for (const BookWord& word : codeBook.wordsBeginningWith(window)) {
        if (word.hz.isEmpty() || !window.startsWith(word.hz))
            continue;
        const bool shortCode = word.hasShortCode();
        return {int(word.hz.size()), false, shortCode, shortCode ? word.jm : word.srm};
    }
    const BookCharacter character =
        codeBook.character(platform::codefile::GbkCellIndex(window[0], window[1]));
    if (!character.hasCode())
        return {};
    const bool shortCode = character.hasShortCode();
    return {2, true, shortCode, shortCode ? character.jm : character.srm};
}

BookMatch matchWordBook(BookReader& wordBook, QByteArrayView window, int maxCiLength)
{
    for (const BookWord& word : wordBook.wordsBeginningWith(window)) {
        if (word.length > maxCiLength || word.length < 0)
            return {kDamagedWordBook, false, false, {}};
        if (!word.hz.isEmpty() && window.startsWith(word.hz))
            return {int(word.hz.size()), false, false, word.srm};
    }
    return {};
}

int MatchWord(BookReader& codeBook, QByteArrayView window, ArticleStatistics& statistics)
{
    const BookMatch match = matchCodeBook(codeBook, window);
    if (match.bytes == 0)
        return 0;
    statistics[BestKeystrokes] += qint32(match.code.size());
    if (!match.shortCode)
        return match.bytes;
    ++statistics[match.fromCharacters ? ShortCodeCharacters : ShortCodeWords];
    return match.bytes * kShortCodeFactor;
}

int MatchCustomWord(BookReader& wordBook, QByteArrayView window, int maxCiLength)
{
    return matchWordBook(wordBook, window, maxCiLength).bytes;
}

Segmentation SegmentArticle(const QByteArray& text, const SegmentationOptions& options,
                            SegmentationHost& host)
{
    return Segmenter(text, options, host).run();
}

} // namespace segmentation
