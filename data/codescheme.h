// The digit codes of characters and words, formed from the characters' four-corner codes.
#pragma once

#include "data/sources.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace datagen {

struct CodedEntry
{
    QString text;
    QString code;      // full code: 5 or 6 digits for a character, 6 for a word
    QString shortCode; // 1 or 2 digits, or empty
    qint64 frequency = 0;
    // The first candidate the input method lists for the full code: what a lesson can ask for.
    bool leadsCode = false;
};

// How many entries get which codes.
struct CodeSchemeSizes
{
    int oneDigitCharacters = 10;  // one per digit
    int twoDigitCharacters = 100; // one per two-digit code
    int oneDigitWords = 10;       // one per digit, listed after the digit's character
    int twoDigitWords = 100;      // one per two-digit code, listed after its character
    int codeFileWords = 60000;
    int maxWordLength = 25; // characters; 50 GBK bytes
};

class CodeScheme
{
public:
    CodeScheme(const QList<FourCornerCode>& corners, const Essay& essay, const CodeSchemeSizes& sizes = {});

    // Every coded character: those of the simplified set first, each part most frequent first
    // (ties by code point). A code's characters are listed in this order.
    const QList<CodedEntry>& characters() const { return m_characters; }
    // The words of the code file, most frequent first (ties by text); only words of characters
    // of the simplified set. A code's words are listed in this order, after its characters.
    const QList<CodedEntry>& words() const { return m_words; }
    // Words that can be coded but did not make it into the code file, most frequent first.
    const QList<CodedEntry>& remainingWords() const { return m_remainingWords; }

    // Empty for a character without a code.
    QString characterCode(const QString& character) const { return m_characterCodes.value(character); }
    // The word's code: 2 characters: the first three digits of each character's code;
    // 3 characters: the first two of each; 4 or more: the first two of the first and second,
    // the first of the third and of the last. Empty when a character has no code. Only the
    // four-corner digits count, so a word's code does not depend on how characters that share
    // them are told apart.
    QString wordCode(QStringView word) const;

private:
    void codeCharacters(const QList<FourCornerCode>& corners, const Essay& essay,
                        const CodeSchemeSizes& sizes);
    void codeWords(const Essay& essay, const CodeSchemeSizes& sizes);
    void separateSharedCharacterCodes();
    void markWordsThatLeadTheirCode();

    QList<CodedEntry> m_characters;
    QList<CodedEntry> m_words;
    QList<CodedEntry> m_remainingWords;
    QHash<QString, QString> m_characterCodes;
};

} // namespace datagen
