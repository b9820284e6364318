// The keypad drill's rules: the group size, what each key does in the answer box, which picture
// shows a key or a code, which rows a group draws, and the figures of a finished group.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace exercises::keypad {

inline constexpr int kCapCount = 6;       // key caps showing one code
inline constexpr int kOnScreenKeys = 17;  // keys of the on-screen keypad
inline constexpr int kBlankCap = 158;     // bitmap of a cap with nothing on it
inline constexpr int kMaxGroupSize = 100; // what the size box accepts
inline constexpr int kSpinMinimum = 1;    // what its spin control steps through
inline constexpr int kSpinMaximum = 99;

// Indexes of the on-screen keys that are not digits.
inline constexpr int kNumLockKey = 10;
inline constexpr int kDivideKey = 11;
inline constexpr int kMultiplyKey = 12;
inline constexpr int kSubtractKey = 13;
inline constexpr int kAddKey = 14;
inline constexpr int kEnterKey = 15;
inline constexpr int kDecimalKey = 16;

// The group size in the size box: the number at the start of its text, accepted above 0 and up to
// 100, rounded with halves to the even neighbour. Nothing when refused, and also for a number that
// rounds to 0, which would give an empty group.
std::optional<int> groupSize(const QString& text);

enum class KeyAction
{
    Type,   // the key's character goes into the answer box
    Submit, // the answer box's text is the answer to the code on show
    Clear,  // the answer box is emptied
    Pass,   // the box handles the key as usual (caret keys, Backspace, the lock keys)
    Refuse, // not a keypad key: the user is told to use the keypad
};

struct KeyEffect
{
    KeyAction action = KeyAction::Refuse;
    int onScreenKey = -1; // the on-screen key shown pressed, or -1
    bool operator==(const KeyEffect&) const = default;
};

// What a key going down in the answer box does, by its virtual-key code.
KeyEffect keyEffect(int keyCode);

// Bitmap of an on-screen key, released or pressed.
int onScreenKeyBitmap(int key, bool pressed);
// Bitmaps of the six caps that show a code, left to right; caps past the code's end are blank.
QList<int> capBitmaps(const QString& code);

// The row a code is drawn from, for one random value in [0, 1): the second row up to the fifth
// from last. A table too small for that range draws from all its rows.
int drawPosition(float random, int recordCount);

// Codes answered exactly as shown.
int countMatches(const QStringList& items, const QStringList& answers);

// Status text while code `index` (from 0) of a group is on show; the size as the user typed it.
QString progressText(const QString& sizeText, int index);

struct Figures
{
    QString accuracy; // share of codes answered right, a whole percentage
    QString keysPerMinute;
    QString timeUsed; // minutes with one decimal
};

// The figures of a group of `groupSize` codes, `keyTotal` keys typed between two tick counts. The
// elapsed time is taken across the wrap of the tick count; no time at all gives no speed.
Figures figures(int matches, int groupSize, std::int64_t keyTotal, std::uint32_t startTick,
                std::uint32_t endTick);

} // namespace exercises::keypad
