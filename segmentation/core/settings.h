// The practice program's settings in the registry: their names and defaults, the one way every
// reader reads them (a missing value is written with its default), the first-run blocks, the
// marker key and the font command's LOGFONT.
#pragma once

#include "platform/registry.h"
#include "segmentation/core/logfont.h"

#include <QByteArray>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <optional>

namespace segmentation {

// A colour as the settings hold it: 0x00BBGGRR.
using ColorRef = quint32;

// One 4-byte value of the settings key (REG_BINARY holding a little-endian 32-bit integer).
struct Setting
{
    QStringView name;
    qint32 defaultValue;
};

namespace settings {

inline constexpr const char* kKeyPath = "Software\\Orvesk\\Corvelle\\";
// An empty key under HKEY_LOCAL_MACHINE that says the program was here; nothing reads it.
inline constexpr const char* kMarkerKeyPath = "Software\\Orvesk\\Corvelle\\1.0.0";

inline constexpr Setting AlternateColor1{u"交替颜色一", 0x000000};
inline constexpr Setting AlternateColor2{u"交替颜色二", 0xFF0000};
inline constexpr Setting CorrectColor{u"正确文本颜色", 0x00FF00};
inline constexpr Setting WrongColor{u"错误文本颜色", 0x0000FF};
inline constexpr Setting BackgroundColor{u"文本背景颜色", 0xFFFFFF};
// Read and written only while ShortCodeHint is on.
inline constexpr Setting HintColor{u"简码提示颜色", 0x00FFFF};
inline constexpr Setting ShortCodeHint{u"需要简码提示", 0};
inline constexpr Setting SegmentationDisplay{u"是否分词显示", 1};
inline constexpr Setting CodeHint{u"是否编码提示", 1};
inline constexpr Setting AutoInputMethod{u"是否自动打开Talvoren输入法", 1};
// 0 = the standard edition 2002B, 1 = the simple edition 2002.
inline constexpr Setting Edition{u"是否使用Talvoren输入法2002B标准版", 1};
inline constexpr Setting TimeLimitOn{u"是否限制训练时间", 0};
inline constexpr Setting TimeLimitMinutes{u"限制训练时间长度", 5};
inline constexpr Setting UseCustomBook{u"使用自定义码本", 0};

// The export separator: REG_SZ holding the text's bytes without a terminating zero.
inline constexpr QStringView kSeparatorName = u"分隔符";
inline constexpr const char* kDefaultSeparator = "  ";
inline constexpr int kSeparatorMaxBytes = 79;

// The font command's LOGFONT, one value a field in LOGFONT order: thirteen 4-byte values, then the
// face name as REG_SZ holding its bytes without a terminating zero.
inline constexpr std::array<QStringView, kLogFontFields> kFontSettingNames = {
    u"字体设置一",   u"字体设置二",   u"字体设置三",   u"字体设置四",  u"字体设置五",
    u"字体设置六",   u"字体设置七",   u"字体设置八",   u"字体设置九",  u"字体设置十",
    u"字体设置十一", u"字体设置十二", u"字体设置十三", u"字体设置十四"};

} // namespace settings

// Every setting as one reader sees it.
struct SettingsValues
{
    ColorRef alternateColor1 = settings::AlternateColor1.defaultValue;
    ColorRef alternateColor2 = settings::AlternateColor2.defaultValue;
    ColorRef correctColor = settings::CorrectColor.defaultValue;
    ColorRef wrongColor = settings::WrongColor.defaultValue;
    ColorRef backgroundColor = settings::BackgroundColor.defaultValue;
    ColorRef hintColor = settings::HintColor.defaultValue;
    bool shortCodeHint = false;
    bool segmentationDisplay = true;
    bool codeHint = true;
    bool autoInputMethod = true;
    qint32 timeLimitOn = settings::TimeLimitOn.defaultValue; // as stored
    qint32 minutes = settings::TimeLimitMinutes.defaultValue;
    qint32 edition = settings::Edition.defaultValue;
    qint32 useCustomBook = settings::UseCustomBook.defaultValue;
    QByteArray separator = settings::kDefaultSeparator; // GBK bytes
    bool operator==(const SettingsValues&) const = default;
};

// Takes the six colours of one reader's values into another's.
void copyColors(const SettingsValues& from, SettingsValues& to);

// The settings key of HKEY_CURRENT_USER, open for the object's lifetime.
class SettingsKey
{
public:
    // Which defaults a missing key is filled with at once, before anything is read.
    enum class FirstRun
    {
        None,          // the key is just created when missing
        View,          // colours, switches, time limit and separator
        OptionsDialog, // the same without the separator, with the edition
    };

    explicit SettingsKey(FirstRun firstRun = FirstRun::None);
    ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    // False when the key could neither be opened nor created; every read then gives its default.
    bool isOpen() const { return m_key != 0; }

    // The stored value; a missing (or unreadable) value is written with its default, which is used.
    qint32 readOrCreate(const Setting& setting);
    // As readOrCreate, but only a stored 1 reads as on.
    bool readOrCreateSwitch(const Setting& setting);
    // The stored value, creating nothing.
    std::optional<qint32> readExisting(const Setting& setting) const;
    // The separator's bytes (at most kSeparatorMaxBytes); created with two blanks when missing.
    QByteArray readOrCreateSeparator();
    // A REG_SZ value's bytes (at most maxBytes); created with the default when missing.
    QByteArray readOrCreateText(QStringView name, QByteArrayView defaultText, int maxBytes);

    // False when the value could not be stored (a full disk, say).
    bool write(const Setting& setting, qint32 value);
    bool writeSeparator(QByteArrayView separator);
    bool writeText(QStringView name, QByteArrayView text);

private:
    void writeFirstRunDefaults(FirstRun firstRun);

    platform::HKEY m_key = 0;
};

// One value, with the key opened and closed around it.
qint32 readOrCreateSetting(const Setting& setting);
bool readSwitch(const Setting& setting);
QByteArray readOrCreateSeparator();
bool writeSetting(const Setting& setting, qint32 value);
bool writeSeparator(QByteArrayView separator);

// The font command's fourteen values, each missing one created with its default.
LogFont readOrCreateFontSettings(const LogFont& defaults);
// False when any value could not be stored.
bool writeFontSettings(const LogFont& font);

// Creates and at once closes the marker key.
void createMarkerKey();

// What the view reads when it is built: every setting, the defaults written first on first run.
SettingsValues readViewSettings();
// What the options dialog reads when it is built (neither the separator nor the custom book).
SettingsValues readOptionsSettings();
// The options dialog's OK: colours, switches, edition, time limit and minutes, the hint colour only
// while the short-code hint is on. False when any value could not be stored.
bool writeOptionsSettings(const SettingsValues& values);

} // namespace segmentation
