#include "data/codescheme.h"

#include <QSet>
#include <algorithm>

namespace datagen {

CodeScheme::CodeScheme(const QList<FourCornerCode>& corners, const Essay& essay, const CodeSchemeSizes& sizes)
{
    codeCharacters(corners, essay, sizes);
    codeWords(essay, sizes);
    separateSharedCharacterCodes();
    markWordsThatLeadTheirCode();
}

QStringList CodeScheme::assignShortCodes(const QStringList& fullCodes, int digits, int perCode)
{
    int codeCount = 1;
    for (int i = 0; i < digits; ++i)
        codeCount *= 10;
    Q_ASSERT(fullCodes.size() <= codeCount * perCode);
    QList<int> used(codeCount, 0);
    QStringList shortCodes;
    for (const QString& fullCode : fullCodes) {
        int value = fullCode.left(digits).toInt();
        while (used[value] >= perCode)
            value = (value + 1) % codeCount;
        ++used[value];
        shortCodes.append(QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0')));
    }
    return shortCodes;
}

namespace {

// Gives the entries at `ranks` short codes of `digits` digits, in that order.
void giveShortCodes(QList<CodedEntry>& entries, const QList<qsizetype>& ranks, int digits, int perCode)
{
    QStringList fullCodes;
    for (qsizetype rank : ranks)
        fullCodes.append(entries[rank].code);
    const QStringList shortCodes = CodeScheme::assignShortCodes(fullCodes, digits, perCode);
    for (qsizetype i = 0; i < ranks.size(); ++i)
        entries[ranks[i]].shortCode = shortCodes[i];
}

// Ranks [first, first + count) of `ranks`, as far as it reaches.
QList<qsizetype> slice(const QList<qsizetype>& ranks, qsizetype first, qsizetype count)
{
    return ranks.mid(first, std::max<qsizetype>(0, std::min(count, ranks.size() - first)));
}

// The ranks of the entries that `eligible` accepts, most frequent first.
template <typename Predicate> QList<qsizetype> ranksOf(const QList<CodedEntry>& entries, Predicate eligible)
{
    QList<qsizetype> ranks;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (eligible(entries[i]))
            ranks.append(i);
    }
    return ranks;
}

} // namespace

void CodeScheme::codeCharacters(const QList<FourCornerCode>& corners, const Essay& essay,
                                const CodeSchemeSizes& sizes)
{
    QList<CodedEntry> others;
    for (const FourCornerCode& corner : corners) {
        const CodedEntry entry{
            corner.character, corner.digits, {}, essay.characterFrequency.value(corner.character)};
        if (isSimplifiedSetCharacter(corner.character))
            m_characters.append(entry);
        else
            others.append(entry);
    }
    const auto moreFrequent = [](const CodedEntry& a, const CodedEntry& b) {
        return a.frequency > b.frequency;
    };
    std::stable_sort(m_characters.begin(), m_characters.end(), moreFrequent);
    std::stable_sort(others.begin(), others.end(), moreFrequent);
    m_characters += others;

    for (const CodedEntry& entry : m_characters)
        m_characterCodes.insert(entry.text, entry.code);
    const QList<qsizetype> ranks = ranksOf(m_characters, [](const CodedEntry&) { return true; });
    giveShortCodes(m_characters, slice(ranks, 0, sizes.oneDigitCharacters), 1, 1);
    giveShortCodes(m_characters, slice(ranks, sizes.oneDigitCharacters, sizes.twoDigitCharacters), 2, 1);
}

void CodeScheme::separateSharedCharacterCodes()
{
    // Characters sharing a four-corner code: the most frequent keeps it, the next ones add a sixth
    // digit 0 to 9, skipping codes that words have, so a word is never listed behind a rarer
    // character. Any further ones share the code of the first, behind it in the candidate list.
    QSet<QString> wordCodes;
    for (const CodedEntry& word : m_words)
        wordCodes.insert(word.code);
    QHash<QString, int> nextDigit; // per four-corner code; absent until its first character
    for (CodedEntry& entry : m_characters) {
        const QString corners = entry.code;
        const auto next = nextDigit.find(corners);
        if (next == nextDigit.end()) {
            nextDigit.insert(corners, 0);
            entry.leadsCode = true;
            continue;
        }
        while (*next <= 9 && wordCodes.contains(corners + QString::number(*next)))
            ++*next;
        if (*next > 9)
            continue;
        entry.code = corners + QString::number((*next)++);
        entry.leadsCode = true;
        m_characterCodes.insert(entry.text, entry.code);
    }
}

void CodeScheme::markWordsThatLeadTheirCode()
{
    // Characters keep off the words' codes, so the first word of a code leads it.
    QSet<QString> taken;
    for (CodedEntry& word : m_words) {
        word.leadsCode = !taken.contains(word.code);
        taken.insert(word.code);
    }
}

QString CodeScheme::wordCode(QStringView word) const
{
    QStringList codes;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QString code = characterCode(word.mid(i, 1).toString());
        if (code.isEmpty())
            return {};
        codes.append(code);
    }
    switch (codes.size()) {
    case 0:
    case 1:
        return {};
    case 2:
        return codes[0].left(3) + codes[1].left(3);
    case 3:
        return codes[0].left(2) + codes[1].left(2) + codes[2].left(2);
    default:
        return codes[0].left(2) + codes[1].left(2) + codes[2].left(1) + codes.last().left(1);
    }
}

void CodeScheme::codeWords(const Essay& essay, const CodeSchemeSizes& sizes)
{
    for (const Word& word : essay.words) {
        if (word.text.size() > sizes.maxWordLength ||
            !std::all_of(word.text.cbegin(), word.text.cend(),
                         [](QChar c) { return isSimplifiedSetCharacter(QStringView(&c, 1)); }))
            continue;
        const QString code = wordCode(word.text);
        if (code.isEmpty())
            continue;
        QList<CodedEntry>& into = m_words.size() < sizes.codeFileWords ? m_words : m_remainingWords;
        into.append({word.text, code, {}, word.frequency});
    }
    // Short codes go to two-character words, the words the short-code drills judge.
    const QList<qsizetype> twoCharacterRanks =
        ranksOf(m_words, [](const CodedEntry& word) { return word.text.size() == 2; });
    giveShortCodes(m_words, slice(twoCharacterRanks, 0, sizes.oneDigitWords), 1, 1);
    giveShortCodes(m_words, slice(twoCharacterRanks, sizes.oneDigitWords, sizes.twoDigitWords), 2, 1);
}

} // namespace datagen
