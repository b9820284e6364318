// A practice article as the document holds it: the text, its two digit patterns and its ten figures.
// The import and the practice-file reader produce one; the document takes it whole.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>

namespace segmentation {

// Indexes of the article's ten figures, in the one order every reader and writer uses.
enum ArticleStatistic
{
    TestCharacters = 0,
    TwoCharacterWords = 1,
    ThreeCharacterWords = 2,
    FourCharacterWords = 3,
    MultiCharacterWords = 4,
    SingleCharacters = 5,
    ShortCodeCharacters = 6,
    ShortCodeWords = 7,
    Symbols = 8,
    BestKeystrokes = 9,
};
inline constexpr int kArticleStatistics = 10;
using ArticleStatistics = std::array<qint32, kArticleStatistics>;

struct Article
{
    QByteArray text;                // GBK double-byte characters only, two bytes each
    QByteArray segmentationPattern; // one digit a character: '0' and '1' alternating by word
    QByteArray shortCodePattern;    // the same, '4' where a short code enters the character
    ArticleStatistics statistics{};

    qsizetype characterCount() const { return text.size() / 2; }
    bool operator==(const Article&) const = default;
};

// The digits of a pattern and of the typing status.
inline constexpr char kEvenWordDigit = '0';
inline constexpr char kOddWordDigit = '1';
inline constexpr char kTypedCorrectlyDigit = '2';
inline constexpr char kTypedWronglyDigit = '3';
inline constexpr char kShortCodeDigit = '4';

// The digit of the word after a word of this digit: the words of a pattern alternate.
constexpr char nextWordDigit(char digit)
{
    return digit == kEvenWordDigit ? kOddWordDigit : kEvenWordDigit;
}

// The figure a word of this many characters counts in: one character is a single character, two to
// four their own figures, five or more a multi-character word. A word has at least one character.
constexpr ArticleStatistic statisticOfWordLength(qsizetype characters)
{
    Q_ASSERT(characters >= 1);
    switch (characters) {
    case 1:
        return SingleCharacters;
    case 2:
        return TwoCharacterWords;
    case 3:
        return ThreeCharacterWords;
    case 4:
        return FourCharacterWords;
    default:
        return MultiCharacterWords;
    }
}

} // namespace segmentation
