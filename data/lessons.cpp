#include "data/lessons.h"

#include "data/pictures.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace datagen {

namespace {

constexpr int kCharacterLesson = 400;
constexpr int kShortCodeRepeats = 4; // ten one-digit entries make too small a page otherwise
constexpr int kTwoCharacterWords = 300;
constexpr int kThreeCharacterWords = 200;
constexpr int kFourCharacterWords = 200;
constexpr int kLongWords = 100;
constexpr int kGameCharacters = 150;
constexpr int kGameWords = 150;
constexpr int kPictures = 50;
constexpr int kPicturesPerDigit = kPictures / 10;
constexpr int kPictureCandidates = 3000;

// Entries with a short code of `digits` digits, ordered by that code.
QList<LessonRow> shortCodeRows(const QList<CodedEntry>& entries, int digits)
{
    QList<LessonRow> rows;
    for (const CodedEntry& entry : entries) {
        if (entry.shortCode.size() == digits)
            rows.append({entry.shortCode, entry.text});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LessonRow& a, const LessonRow& b) { return a.bianma < b.bianma; });
    return rows;
}

// The first `count` entries of `minLength` to `maxLength` characters that their full code gives
// first, with that code.
QList<LessonRow> leadingRows(const QList<CodedEntry>& entries, qsizetype minLength, qsizetype maxLength,
                             int count)
{
    QList<LessonRow> rows;
    for (const CodedEntry& entry : entries) {
        if (rows.size() == count)
            break;
        if (entry.leadsCode && entry.text.size() >= minLength && entry.text.size() <= maxLength)
            rows.append({entry.code, entry.text});
    }
    return rows;
}

QList<LessonRow> repeated(const QList<LessonRow>& rows, int times)
{
    QList<LessonRow> all;
    for (int round = 0; round < times; ++round)
        all += rows;
    return all;
}

// Common characters that lead their plain four-corner code (5 digits).
QList<CodedEntry> pictureCharacters(const CodeScheme& scheme)
{
    QList<CodedEntry> characters;
    for (const CodedEntry& entry :
         scheme.characters().first(std::min<qsizetype>(kPictureCandidates, scheme.characters().size()))) {
        if (entry.code.size() == 5 && entry.leadsCode)
            characters.append(entry);
    }
    return characters;
}

// A small fixed generator, so the keypad rows are the same on every machine.
class Xorshift
{
public:
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

private:
    quint32 m_state = 2002;
};

} // namespace

Lessons chooseCodeBooks(const CodeScheme& scheme)
{
    Lessons lessons;
    const QList<CodedEntry>& characters = scheme.characters();
    const QList<CodedEntry>& words = scheme.words();

    lessons.jiandan = leadingRows(characters, 1, 1, kCharacterLesson);
    lessons.zi1jm = repeated(shortCodeRows(characters, 1), kShortCodeRepeats);
    lessons.zi2jm = shortCodeRows(characters, 2);
    lessons.ci1jm = repeated(shortCodeRows(words, 1), kShortCodeRepeats);
    lessons.ci2jm = shortCodeRows(words, 2);
    lessons.ci2 = leadingRows(words, 2, 2, kTwoCharacterWords);
    lessons.ci3 = leadingRows(words, 3, 3, kThreeCharacterWords);
    lessons.ci4 = leadingRows(words, 4, 4, kFourCharacterWords);
    lessons.cid = leadingRows(words, 5, std::numeric_limits<qsizetype>::max(), kLongWords);

    // The game alternates characters and two-character words.
    const QList<LessonRow> gameWords = leadingRows(words, 2, 2, kGameWords);
    for (int i = 0; i < std::max(kGameCharacters, kGameWords); ++i) {
        if (i < kGameCharacters && i < characters.size())
            lessons.playziku.append({characters[i].code, characters[i].text});
        if (i < gameWords.size())
            lessons.playziku.append(gameWords[i]);
    }
    lessons.skeyboard = keypadSequences(60);
    return lessons;
}

void drawPictures(const CodeScheme& scheme, const PictureMaker& maker, Lessons* lessons)
{
    const QList<CodedEntry> characters = pictureCharacters(scheme);
    QList<int> perDigit(10, 0);
    for (qsizetype i = 0; i < characters.size() && lessons->bixing.size() < kPictures; ++i) {
        const int corner = static_cast<int>(i % 4);
        const QString digit = characters[i].code.mid(corner, 1);
        if (perDigit[digit.toInt()] >= kPicturesPerDigit || !maker.hasInk(characters[i].text, corner))
            continue;
        ++perDigit[digit.toInt()];
        lessons->bixing.append({maker.strokeShapePicture(characters[i].text, corner), digit});
    }
    // Colour pictures want strokes in all four corners, so that each code digit has its colour.
    for (qsizetype i = 0; i < characters.size() && lessons->colorZi.size() < kPictures; ++i) {
        const CodedEntry& entry = characters[i];
        if (maker.hasInk(entry.text, 0) && maker.hasInk(entry.text, 1) && maker.hasInk(entry.text, 2) &&
            maker.hasInk(entry.text, 3))
            lessons->colorZi.append({maker.colourCharacterPicture(entry.text), entry.code});
    }
}

QStringList keypadSequences(int count)
{
    static const QString keys = QStringLiteral("0123456789-+.");
    Xorshift random;
    QStringList sequences;
    for (int i = 0; i < count; ++i) {
        const int length = 1 + i % 6;
        QString sequence;
        for (int k = 0; k < length; ++k)
            sequence += keys[static_cast<qsizetype>(random.next() % keys.size())];
        sequences.append(sequence);
    }
    return sequences;
}

QList<Article> parseArticles(const QString& text)
{
    QList<Article> articles;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("# "))) {
            articles.append({line.mid(2).trimmed(), {}});
            continue;
        }
        if (articles.isEmpty())
            continue;
        for (QChar c : line) {
            if (!c.isSpace() && c.category() != QChar::Other_Control)
                articles.last().wenzhang += c;
        }
    }
    return articles;
}

} // namespace datagen
