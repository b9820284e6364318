#include "data/codescheme.h"

#include <QMap>
#include <algorithm>

namespace datagen {

CodeScheme::CodeScheme(const QList<FourCornerCode>& corners, const Essay& essay, const CodeSchemeSizes& sizes)
{
    codeCharacters(corners, essay, sizes);
    codeWords(essay, sizes);
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

// Gives ranks [first, first + count) of entries short codes of `digits` digits.
void giveShortCodes(QList<CodedEntry>& entries, qsizetype first, qsizetype count, int digits, int perCode)
{
    count = std::min(count, entries.size() - first);
    QStringList fullCodes;
    for (qsizetype i = first; i < first + count; ++i)
        fullCodes.append(entries[i].code);
    const QStringList shortCodes = CodeScheme::assignShortCodes(fullCodes, digits, perCode);
    for (qsizetype i = 0; i < count; ++i)
        entries[first + i].shortCode = shortCodes[i];
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

    // Characters sharing a four-corner code: the most frequent keeps it, the next ten add the
    // digits 0 to 9, and any further ones share the code ending in 9 (the candidate list tells
    // them apart).
    QHash<QString, int> sharing;
    for (CodedEntry& entry : m_characters) {
        const int before = sharing[entry.code]++;
        if (before > 0)
            entry.code += QString::number(std::min(before - 1, 9));
        m_characterCodes.insert(entry.text, entry.code);
    }
    giveShortCodes(m_characters, 0, sizes.oneDigitCharacters, 1, 1);
    giveShortCodes(m_characters, sizes.oneDigitCharacters, sizes.twoDigitCharacters, 2, 1);
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
    giveShortCodes(m_words, 0, sizes.oneDigitWords, 1, 2);
    giveShortCodes(m_words, sizes.oneDigitWords, sizes.twoDigitWords, 2, 1);
}

} // namespace datagen
