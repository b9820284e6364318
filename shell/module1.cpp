#include "shell/module1.h"

#include "platform/imelookup.h"
#include "platform/resources.h"
#include "platform/uiservice.h"
#include "platform/windowproc.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace Module1 {

using namespace platform;

QString gExerciseTitle;
QString gAppPath;
float gAccuracy = 0;
float gTypingSpeed = 0;
float gEffectiveSpeed = 0;
std::unique_ptr<dao::Database> gDatabase;
LONG_PTR gOldWndProc = 0;
HKL gImeLayout = 0;
HKL gEnglishLayout = 0;

namespace {

struct KeypadRow
{
    WPARAM virtualKey;
    LPARAM lParam;
    WPARAM digit;
};

// The first key-down of each keypad key with NumLock off: repeat count 1, the key's scan code, no
// flag bits. Auto-repeats, key-ups and the separate navigation keys differ in lParam.
constexpr std::array<KeypadRow, 10> kKeypadRows = {{
    {0x2D, 0x00520001, 0x30},
    {0x23, 0x004F0001, 0x31},
    {0x28, 0x00500001, 0x32},
    {0x22, 0x00510001, 0x33},
    {0x25, 0x004B0001, 0x34},
    {0x0C, 0x004C0001, 0x35},
    {0x27, 0x004D0001, 0x36},
    {0x24, 0x00470001, 0x37},
    {0x26, 0x00480001, 0x38},
    {0x21, 0x00490001, 0x39},
}};

// A division whose result the original would have trapped as an error (zero divisor, 0/0,
// overflow) gives nothing, so the caller keeps its 0. The precision is the original's: double for
// the accuracy, single for the speeds.
template <typename Number> std::optional<Number> flooredQuotient(Number dividend, Number divisor)
{
    if (divisor == 0 || !std::isfinite(dividend) || !std::isfinite(divisor))
        return std::nullopt;
    const Number quotient = dividend / divisor;
    if (!std::isfinite(quotient))
        return std::nullopt;
    return std::floor(quotient);
}

} // namespace

void LoadImeLayouts()
{
    const QByteArray id = findImeLayoutId([](HKEY root, const QString& subKey, const QString& valueName) {
        return RegGetString(root, subKey, valueName, QString());
    });
    if (!id.isEmpty()) {
        gImeLayout = LoadKeyboardLayoutA(id.constData(), 0);
        gEnglishLayout = LoadKeyboardLayoutA(kUsEnglishLayoutId, 0);
        return;
    }
    UiService::instance().messageBox(nullptr,
                                     QStringLiteral("本计算机未安装Talvoren汉字输入法!") +
                                         QStringLiteral("\r\n") +
                                         QStringLiteral("本软体大部分功能无法正常使用"),
                                     QStringLiteral("Talvoren汉字教学软体"), MB_ICONSTOP | MB_OK);
}

QString RegGetString(HKEY root, const QString& subKey, const QString& valueName, const QString& defaultValue)
{
    return readStringValue(root, subKey, valueName, defaultValue);
}

void ActivateImeLayout()
{
    ActivateKeyboardLayout(gImeLayout, 0);
}

void ActivateEnglishLayout()
{
    ActivateKeyboardLayout(gEnglishLayout, 0);
}

void NumLockOn()
{
    BYTE keyState[256] = {};
    keyState[VK_NUMLOCK] = 0x31; // toggled on, not held
    SetKeyboardState(keyState);
}

LRESULT KeypadWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    for (const KeypadRow& row : kKeypadRows) {
        if (wParam == row.virtualKey && lParam == row.lParam) {
            msg = WM_CHAR;
            wParam = row.digit;
        }
    }
    // Saving this procedure itself as the previous one (a box equipped twice) would recurse for
    // ever; the box's own procedure is the one meant.
    const LONG_PTR previous =
        gOldWndProc == reinterpret_cast<LONG_PTR>(&KeypadWndProc) ? defaultWindowProcedure() : gOldWndProc;
    return CallWindowProcA(previous, hWnd, msg, wParam, lParam);
}

void ComputeScores(std::int16_t correct, std::int16_t typed, float minutes)
{
    gAccuracy = 0;
    gTypingSpeed = 0;
    gEffectiveSpeed = 0;
    const std::int32_t product = static_cast<std::int32_t>(correct) * 100;
    if (const auto percent = flooredQuotient<double>(product, typed))
        gAccuracy = static_cast<float>(*percent / 100);
    if (const auto speed = flooredQuotient<float>(typed, minutes))
        gTypingSpeed = *speed;
    if (const auto speed = flooredQuotient<float>(correct, minutes))
        gEffectiveSpeed = *speed;
}

bool SaveResourceToFile(int id, const QString& type, const QString& fileName)
{
    bool found = false;
    const QByteArray bytes = resources::load(type, id, &found);
    if (!found)
        return false;
    // A file left from an earlier run is replaced whole: writing over it without shortening it would
    // leave its old tail behind the new picture.
    QFile file(gAppPath + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    return file.flush() && written && file.error() == QFileDevice::NoError;
}

bool IsInArray(std::int32_t value, std::int32_t count, const std::int32_t* values)
{
    // The original counts with a 16-bit index.
    Q_ASSERT(count <= 32768);
    if (!values)
        return false;
    const std::int32_t last = std::min<std::int32_t>(count, 32768);
    for (std::int32_t i = 0; i < last; ++i)
        if (values[i] == value)
            return true;
    return false;
}

} // namespace Module1
