#include "platform/ime/codetable.h"

#include "platform/codefile.h"

#include <algorithm>

namespace platform::ime {

using codefile::isDigitCode;
using codefile::kMaxCodeLength;

namespace {

// Each of the six positions holds 0 (no digit) or digit + 1, in base 11, first digit highest: a
// code sorts before every longer code that begins with it, and those follow it without a gap.
constexpr std::uint32_t kBase = 11;

constexpr std::uint32_t weight(int position)
{
    std::uint32_t w = 1;
    for (int i = position + 1; i < kMaxCodeLength; ++i)
        w *= kBase;
    return w;
}

bool keyLess(const CodeEntry& entry, std::uint32_t key)
{
    return entry.key < key;
}
bool lessKey(std::uint32_t key, const CodeEntry& entry)
{
    return key < entry.key;
}

} // namespace

std::uint32_t codeKey(QByteArrayView code)
{
    std::uint32_t key = 0;
    for (int i = 0; i < code.size(); ++i)
        key += std::uint32_t(code[i] - '0' + 1) * weight(i);
    return key;
}

std::span<const CodeEntry> CodeTable::lookup(QByteArrayView code) const
{
    if (!isDigitCode(code))
        return {};
    const std::uint32_t key = codeKey(code);
    const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), key, keyLess);
    const auto last = std::upper_bound(first, m_entries.end(), key, lessKey);
    return {first, last};
}

bool CodeTable::isPrefixOfLonger(QByteArrayView code) const
{
    if (!isDigitCode(code) || code.size() == kMaxCodeLength)
        return false;
    const std::uint32_t key = codeKey(code);
    // Longer codes that begin with this one have keys in (key, key + weight of its last digit).
    const auto next = std::upper_bound(m_entries.begin(), m_entries.end(), key, lessKey);
    return next != m_entries.end() && next->key < key + weight(int(code.size()) - 1);
}

QByteArrayView CodeTable::text(const CodeEntry& entry) const
{
    return QByteArrayView(m_texts).sliced(entry.textOffset, entry.textLength);
}

QByteArray CodeTable::code(const CodeEntry& entry)
{
    QByteArray digits;
    std::uint32_t rest = entry.key;
    for (int i = 0; i < kMaxCodeLength; ++i) {
        const std::uint32_t place = rest / weight(i);
        rest %= weight(i);
        if (place == 0)
            break;
        digits.append(char('0' + place - 1));
    }
    return digits;
}

void CodeTableBuilder::add(QByteArrayView code, QByteArrayView text, EntrySource source)
{
    Q_ASSERT(isDigitCode(code));
    CodeEntry entry;
    entry.key = codeKey(code);
    entry.textOffset = std::uint32_t(m_table.m_texts.size());
    entry.textLength = std::uint32_t(text.size());
    entry.source = source;
    m_table.m_texts.append(text);
    m_table.m_entries.push_back(entry);
}

CodeTable CodeTableBuilder::build()
{
    // Stable, so the entries of one code keep the order in which the files gave them.
    std::stable_sort(m_table.m_entries.begin(), m_table.m_entries.end(),
                     [](const CodeEntry& a, const CodeEntry& b) { return a.key < b.key; });
    CodeTable table = std::move(m_table);
    m_table = CodeTable();
    return table;
}

} // namespace platform::ime
