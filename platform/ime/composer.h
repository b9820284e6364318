// The composition of a digit code and its commit rules, without widgets: a key goes in, an outcome
// comes out.
#pragma once

#include "platform/ime/codetable.h"

#include <QByteArray>
#include <optional>
#include <span>

namespace platform::ime {

struct ComposerKey
{
    enum class Kind
    {
        Digit,
        Commit,
        Up,
        Down,
        Backspace,
        Escape,
        Modifier,
        Other
    };
    Kind kind = Kind::Other;
    int digit = 0; // for Digit

    static ComposerKey ofDigit(int d) { return {Kind::Digit, d}; }
    static ComposerKey of(Kind k) { return {k, 0}; }
};

enum class KeyResult
{
    Accepted, // the input method used the key
    Rejected, // the input method swallowed the key without using it (a digit that leads to no code)
    Passed,   // the key goes on to the widget
};

struct Commit
{
    QByteArray text;        // GBK
    QByteArray composition; // the digits typed for it
};

struct KeyOutcome
{
    KeyResult result = KeyResult::Passed;
    bool changed = false;         // composition, candidates or highlight changed
    std::optional<Commit> commit; // what to hand to the widget
};

// Commit rules: a digit is taken only while the composition stays at most six digits long and is
// the code or the beginning of the code of some entry. A code with exactly one entry that begins no
// longer code commits at once; Space or Enter commits the highlighted candidate; Up and Down move
// the highlight; Backspace removes the last digit; Escape drops the composition. Any other key
// drops the composition (nothing is committed) and goes on to the widget.
class Composer
{
public:
    explicit Composer(const CodeTable* table = nullptr) : m_table(table) {}

    void setTable(const CodeTable* table);
    KeyOutcome processKey(ComposerKey key);
    // Drops the composition; true when there was one.
    bool reset();

    bool isComposing() const { return !m_composition.isEmpty(); }
    const QByteArray& composition() const { return m_composition; }
    std::span<const CodeEntry> candidates() const { return m_candidates; }
    int highlight() const { return m_highlight; }
    const CodeTable* table() const { return m_table; }

private:
    KeyOutcome addDigit(int digit);
    KeyOutcome commitHighlighted();
    KeyOutcome setComposition(QByteArray composition);

    const CodeTable* m_table;
    QByteArray m_composition;
    std::span<const CodeEntry> m_candidates;
    int m_highlight = 0;
};

} // namespace platform::ime
