#include "data/codescheme.h"

#include <QSet>
#include <algorithm>
#include <utility>

namespace datagen {

CodeScheme::CodeScheme(const QList<FourCornerCode>& corners, const Essay& essay, const CodeSchemeSizes& sizes)
{
    codeCharacters(corners, essay, sizes);
    codeWords(essay, sizes);
    separateSharedCharacterCodes();
    markWordsThatLeadTheirCode();
}

namespace {

// Short codes of `digits` digits for full codes in rank order: each takes the leading digits of its
// full code when they are free, else the next free short code, counting upwards and round from the
// largest to 0.
QStringList assignShortCodes(const QStringList& fullCodes, int digits)
{
    int codeCount = 1;
    for (int i = 0; i < digits; ++i)
        codeCount *= 10;
    Q_ASSERT(fullCodes.size() <= codeCount);
    QList<bool> used(codeCount, false);
    QStringList shortCodes;
    for (const QString& fullCode : fullCodes) {
        int value = fullCode.left(digits).toInt();
        while (used[value])
            value = (value + 1) % codeCount;
        used[value] = true;
        shortCodes.append(QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0')));
    }
    return shortCodes;
}

// Gives the entries that `eligible` accepts short codes, most frequent first: one digit each to the
// first `oneDigit` of them, two digits each to the next `twoDigits`.
template <typename Predicate>
void giveShortCodes(QList<CodedEntry>& entries, Predicate eligible, int oneDigit, int twoDigits)
{
    QList<qsizetype> ranks;
    for (qsizetype i = 0; i < entries.size() && ranks.size() < oneDigit + twoDigits; ++i) {
        if (eligible(entries[i]))
            ranks.append(i);
    }
    for (const auto& [digits, group] :
         {std::pair{1, ranks.mid(0, oneDigit)}, std::pair{2, ranks.mid(oneDigit)}}) {
        QStringList fullCodes;
        for (qsizetype rank : group)
            fullCodes.append(entries[rank].code);
        const QStringList shortCodes = assignShortCodes(fullCodes, digits);
        for (qsizetype i = 0; i < group.size(); ++i)
            entries[group[i]].shortCode = shortCodes[i];
    }
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
    giveShortCodes(
        m_characters, [](const CodedEntry&) { return true; }, sizes.oneDigitCharacters,
        sizes.twoDigitCharacters);
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
    giveShortCodes(
        m_words, [](const CodedEntry& word) { return word.text.size() == 2; }, sizes.oneDigitWords,
        sizes.twoDigitWords);
}

} // namespace datagen
