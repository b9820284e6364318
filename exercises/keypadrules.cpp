#include "exercises/keypadrules.h"

#include "exercises/keypadtexts.h"
#include "platform/wintypes.h"
#include "shell/vbformat.h"

#include <algorithm>
#include <cmath>

namespace exercises::keypad {
namespace {

using namespace keypadtexts;

constexpr int kFirstCap = 143; // "0"; the digits follow in order

} // namespace

std::optional<int> groupSize(const QString& text)
{
    const double v = shell::vb::val(text);
    if (!(v > 0) || v > kMaxGroupSize)
        return std::nullopt;
    const std::optional<std::int16_t> rounded = shell::vb::cint(v);
    if (!rounded || *rounded < 1)
        return std::nullopt;
    return *rounded;
}

KeyEffect keyEffect(int keyCode)
{
    using namespace platform;
    const auto code = static_cast<UINT>(keyCode);
    if (code >= VK_NUMPAD0 && code <= VK_NUMPAD0 + 9)
        return {KeyAction::Type, static_cast<int>(code - VK_NUMPAD0)};
    switch (code) {
    case VK_NUMLOCK:
        return {KeyAction::Pass, kNumLockKey};
    case VK_SUBTRACT:
        return {KeyAction::Type, kSubtractKey};
    case VK_ADD:
        return {KeyAction::Type, kAddKey};
    case VK_DECIMAL:
        return {KeyAction::Type, kDecimalKey};
    case VK_DIVIDE:
        return {KeyAction::Submit, kDivideKey};
    case VK_MULTIPLY:
        return {KeyAction::Submit, kMultiplyKey};
    case VK_SPACE:
        return {KeyAction::Submit, -1};
    case VK_RETURN:
        return {KeyAction::Clear, -1};
    case VK_BACK:
    case VK_CAPITAL:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_DELETE:
    case VK_SCROLL:
        return {KeyAction::Pass, -1};
    default:
        return {KeyAction::Refuse, -1};
    }
}

int onScreenKeyBitmap(int key, bool pressed)
{
    int released = 0;
    if (key == 0)
        released = 141;
    else if (key >= 1 && key <= 9)
        released = 109 + 2 * key;
    else if (key == kNumLockKey)
        released = 109;
    else if (key == kDecimalKey)
        released = 139;
    else
        released = 129 + 2 * (key - kDivideKey); // "/", "*", "-", "+", Enter
    return released + (pressed ? 1 : 0);
}

QList<int> capBitmaps(const QString& code)
{
    static const QString others = QStringLiteral("/*-+.");
    QList<int> caps;
    for (int p = 0; p < kCapCount; ++p) {
        int cap = kBlankCap;
        if (p < code.size()) {
            const QChar c = code[p];
            if (c >= u'0' && c <= u'9')
                cap = kFirstCap + (c.unicode() - u'0');
            else if (const qsizetype at = others.indexOf(c); at >= 0)
                cap = kFirstCap + 10 + static_cast<int>(at);
        }
        caps.append(cap);
    }
    return caps;
}

int drawPosition(float random, int recordCount)
{
    if (recordCount <= 5)
        return std::clamp(static_cast<int>(std::floor(random * recordCount)), 0,
                          std::max(recordCount - 1, 0));
    return static_cast<int>(std::floor(random * (recordCount - 5))) + 1;
}

int countMatches(const QStringList& items, const QStringList& answers)
{
    int matches = 0;
    for (qsizetype i = 0; i < items.size() && i < answers.size(); ++i) {
        if (items[i] == answers[i])
            ++matches;
    }
    return matches;
}

QString progressText(const QString& sizeText, int index)
{
    return kProgressBefore.toString() + sizeText + kProgressMiddle.toString() + QString::number(index + 1) +
           kProgressAfter.toString();
}

Figures figures(int matches, int groupSize, std::int64_t keyTotal, std::uint32_t startTick,
                std::uint32_t endTick)
{
    // Unsigned subtraction keeps the difference right when the count wrapped in between.
    const std::uint32_t ms = endTick - startTick;
    Figures result;
    result.accuracy = shell::vb::formatPercent(groupSize > 0 ? double(matches) / groupSize : 0.0);
    const double seconds = ms / 1000.0;
    const auto perMinute = seconds > 0 ? static_cast<std::int64_t>(std::floor(keyTotal * 60 / seconds)) : 0;
    result.keysPerMinute = QString::number(perMinute) + kKeysPerMinute.toString();
    result.timeUsed = shell::vb::formatOneDecimal(seconds / 60) + kMinutes.toString();
    return result;
}

} // namespace exercises::keypad
