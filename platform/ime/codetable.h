// The input method's entries indexed by digit code: exact lookup and the prefix test.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <span>
#include <vector>

namespace platform::ime {

enum class EntrySource : std::uint8_t
{
    Character,
    Word,
    UserWord
};

// One character or word with its code. The text is GBK and lives in the table.
struct CodeEntry
{
    std::uint32_t key = 0; // the code in a form whose order is the order of the digit strings
    std::uint32_t textOffset = 0;
    std::uint32_t textLength = 0;
    EntrySource source = EntrySource::Character;
};

class CodeTable
{
public:
    // Entries of exactly this code: code file characters, then code file words, then user words,
    // each in the order of its file. Empty for a code that is not one to six digits.
    std::span<const CodeEntry> lookup(QByteArrayView code) const;
    // True when some entry has a longer code that begins with this one.
    bool isPrefixOfLonger(QByteArrayView code) const;

    QByteArrayView text(const CodeEntry& entry) const;
    static QByteArray code(const CodeEntry& entry);

    // Every entry, ordered by code.
    std::span<const CodeEntry> entries() const { return m_entries; }
    std::size_t size() const { return m_entries.size(); }

private:
    friend class CodeTableBuilder;
    std::vector<CodeEntry> m_entries;
    QByteArray m_texts;
};

// Collects entries in file order and turns them into a table.
class CodeTableBuilder
{
public:
    // The code must be one to six ASCII digits.
    void add(QByteArrayView code, QByteArrayView text, EntrySource source);
    CodeTable build();

private:
    CodeTable m_table;
};

// The sort key of a code of one to six digits; codes that begin with it sort right after it.
std::uint32_t codeKey(QByteArrayView code);

} // namespace platform::ime
