#include "platform/ime/composer.h"

#include "platform/codefile.h"

#include <algorithm>

namespace platform::ime {

using codefile::kMaxCodeLength;

void Composer::setTable(const CodeTable* table)
{
    reset();
    m_table = table;
}

bool Composer::reset()
{
    const bool wasComposing = isComposing();
    m_composition.clear();
    m_candidates = {};
    m_highlight = 0;
    return wasComposing;
}

KeyOutcome Composer::processKey(ComposerKey key)
{
    using Kind = ComposerKey::Kind;
    if (key.kind == Kind::Digit)
        return addDigit(key.digit);
    if (!isComposing() || key.kind == Kind::Modifier)
        return {};
    switch (key.kind) {
    case Kind::Commit:
        return commitHighlighted();
    case Kind::Up:
    case Kind::Down: {
        const int step = key.kind == Kind::Up ? -1 : 1;
        const int moved = std::clamp(m_highlight + step, 0, std::max(0, int(m_candidates.size()) - 1));
        const bool changed = moved != m_highlight;
        m_highlight = moved;
        return {KeyResult::Accepted, changed, std::nullopt};
    }
    case Kind::Backspace:
        return setComposition(m_composition.chopped(1));
    case Kind::Escape:
        reset();
        return {KeyResult::Accepted, true, std::nullopt};
    default:
        reset();
        return {KeyResult::Passed, true, std::nullopt};
    }
}

KeyOutcome Composer::addDigit(int digit)
{
    if (!m_table || m_composition.size() >= kMaxCodeLength)
        return {KeyResult::Rejected, false, std::nullopt};
    const QByteArray longer = m_composition + char('0' + digit);
    const auto entries = m_table->lookup(longer);
    const bool prefix = m_table->isPrefixOfLonger(longer);
    if (entries.empty() && !prefix)
        return {KeyResult::Rejected, false, std::nullopt};
    KeyOutcome outcome = setComposition(longer);
    if (entries.size() == 1 && !prefix)
        outcome.commit = commitHighlighted().commit;
    return outcome;
}

KeyOutcome Composer::commitHighlighted()
{
    if (m_candidates.empty())
        return {KeyResult::Accepted, false, std::nullopt};
    Commit commit{m_table->text(m_candidates[m_highlight]).toByteArray(), m_composition};
    reset();
    return {KeyResult::Accepted, true, std::move(commit)};
}

KeyOutcome Composer::setComposition(QByteArray composition)
{
    m_composition = std::move(composition);
    m_candidates = m_table->lookup(m_composition);
    m_highlight = 0;
    return {KeyResult::Accepted, true, std::nullopt};
}

} // namespace platform::ime
