#include "segmentation/core/settings.h"

#include "platform/gbk.h"

#include <QtEndian>
#include <array>

namespace segmentation {
namespace {

using namespace platform;

// Value names go to the 8-bit registry calls as GBK.
QByteArray valueName(QStringView name)
{
    return gbk::encode(name);
}

// The reader's text buffer: the longest separator and room for its terminator.
constexpr DWORD kSeparatorBufferSize = settings::kSeparatorMaxBytes + 1;

std::optional<QByteArray> querySeparator(HKEY key)
{
    std::array<char, kSeparatorBufferSize> buffer{};
    DWORD size = kSeparatorBufferSize;
    const QByteArray name = valueName(settings::kSeparatorName);
    if (RegQueryValueExA(key, name.constData(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    // The text ends at a terminator someone else may have stored, and never runs into the buffer's last byte.
    QByteArray text(buffer.data(), qMin<qsizetype>(size, settings::kSeparatorMaxBytes));
    const qsizetype terminator = text.indexOf('\0');
    if (terminator >= 0)
        text.truncate(terminator);
    return text;
}

// The hint colour is read only while the short-code hint is on; otherwise the stored colour is
// kept without creating it, so turning the hint on again offers the user's own colour.
ColorRef hintColor(SettingsKey& key, bool shortCodeHint)
{
    if (shortCodeHint)
        return key.readOrCreate(settings::HintColor);
    return key.readExisting(settings::HintColor).value_or(settings::HintColor.defaultValue);
}

// The reads both readers share, in the options dialog's order.
SettingsValues readCommon(SettingsKey& key)
{
    SettingsValues values;
    values.alternateColor1 = key.readOrCreate(settings::AlternateColor1);
    values.alternateColor2 = key.readOrCreate(settings::AlternateColor2);
    values.correctColor = key.readOrCreate(settings::CorrectColor);
    values.wrongColor = key.readOrCreate(settings::WrongColor);
    values.backgroundColor = key.readOrCreate(settings::BackgroundColor);
    values.shortCodeHint = key.readOrCreateSwitch(settings::ShortCodeHint);
    values.hintColor = hintColor(key, values.shortCodeHint);
    values.segmentationDisplay = key.readOrCreateSwitch(settings::SegmentationDisplay);
    values.codeHint = key.readOrCreateSwitch(settings::CodeHint);
    values.autoInputMethod = key.readOrCreateSwitch(settings::AutoInputMethod);
    values.timeLimitOn = key.readOrCreate(settings::TimeLimitOn);
    values.edition = key.readOrCreate(settings::Edition);
    values.minutes = key.readOrCreate(settings::TimeLimitMinutes);
    return values;
}

} // namespace

SettingsKey::SettingsKey(FirstRun firstRun)
{
    if (firstRun != FirstRun::None &&
        RegOpenKeyA(HKEY_CURRENT_USER, settings::kKeyPath, &m_key) == ERROR_SUCCESS)
        return;
    if (RegCreateKeyA(HKEY_CURRENT_USER, settings::kKeyPath, &m_key) != ERROR_SUCCESS) {
        m_key = 0;
        return;
    }
    writeFirstRunDefaults(firstRun);
}

SettingsKey::~SettingsKey()
{
    if (m_key != 0)
        RegCloseKey(m_key);
}

void SettingsKey::writeFirstRunDefaults(FirstRun firstRun)
{
    if (firstRun == FirstRun::None)
        return;
    for (const Setting& setting :
         {settings::AlternateColor1, settings::AlternateColor2, settings::CorrectColor, settings::WrongColor,
          settings::BackgroundColor, settings::ShortCodeHint, settings::SegmentationDisplay,
          settings::CodeHint, settings::AutoInputMethod, settings::TimeLimitOn, settings::TimeLimitMinutes})
        write(setting, setting.defaultValue);
    if (firstRun == FirstRun::View)
        writeSeparator(settings::kDefaultSeparator);
    else
        write(settings::Edition, settings::Edition.defaultValue);
}

std::optional<qint32> SettingsKey::readExisting(const Setting& setting) const
{
    // A value shorter than four bytes fills the low bytes; a longer one does not fit and counts as missing.
    std::array<uchar, 4> data{};
    DWORD size = data.size();
    const QByteArray name = valueName(setting.name);
    if (m_key == 0 ||
        RegQueryValueExA(m_key, name.constData(), nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return qFromLittleEndian<qint32>(data.data());
}

qint32 SettingsKey::readOrCreate(const Setting& setting)
{
    if (const auto stored = readExisting(setting))
        return *stored;
    write(setting, setting.defaultValue);
    return readExisting(setting).value_or(setting.defaultValue);
}

bool SettingsKey::readOrCreateSwitch(const Setting& setting)
{
    return readOrCreate(setting) == 1;
}

QByteArray SettingsKey::readOrCreateSeparator()
{
    if (const auto stored = querySeparator(m_key))
        return *stored;
    writeSeparator(settings::kDefaultSeparator);
    return querySeparator(m_key).value_or(QByteArray(settings::kDefaultSeparator));
}

bool SettingsKey::write(const Setting& setting, qint32 value)
{
    std::array<uchar, 4> data{};
    qToLittleEndian(value, data.data());
    const QByteArray name = valueName(setting.name);
    return m_key != 0 &&
           RegSetValueExA(m_key, name.constData(), 0, REG_BINARY, data.data(), data.size()) == ERROR_SUCCESS;
}

bool SettingsKey::writeSeparator(QByteArrayView separator)
{
    const QByteArray name = valueName(settings::kSeparatorName);
    return m_key != 0 &&
           RegSetValueExA(m_key, name.constData(), 0, REG_SZ, reinterpret_cast<const BYTE*>(separator.data()),
                          static_cast<DWORD>(separator.size())) == ERROR_SUCCESS;
}

qint32 readOrCreateSetting(const Setting& setting)
{
    return SettingsKey().readOrCreate(setting);
}

bool readSwitch(const Setting& setting)
{
    return SettingsKey().readOrCreateSwitch(setting);
}

QByteArray readOrCreateSeparator()
{
    return SettingsKey().readOrCreateSeparator();
}

bool writeSetting(const Setting& setting, qint32 value)
{
    return SettingsKey().write(setting, value);
}

bool writeSeparator(QByteArrayView separator)
{
    return SettingsKey().writeSeparator(separator);
}

void createMarkerKey()
{
    HKEY key = 0;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, settings::kMarkerKeyPath, &key) == ERROR_SUCCESS)
        RegCloseKey(key);
}

SettingsValues readViewSettings()
{
    SettingsKey key(SettingsKey::FirstRun::View);
    SettingsValues values = readCommon(key);
    values.useCustomBook = key.readOrCreate(settings::UseCustomBook);
    values.separator = key.readOrCreateSeparator();
    return values;
}

SettingsValues readOptionsSettings()
{
    SettingsKey key(SettingsKey::FirstRun::OptionsDialog);
    return readCommon(key);
}

bool writeOptionsSettings(const SettingsValues& values)
{
    SettingsKey key;
    bool stored = key.isOpen();
    const auto write = [&](const Setting& setting, qint32 value) {
        stored = key.write(setting, value) && stored;
    };
    write(settings::AlternateColor1, values.alternateColor1);
    write(settings::AlternateColor2, values.alternateColor2);
    write(settings::CorrectColor, values.correctColor);
    write(settings::WrongColor, values.wrongColor);
    write(settings::BackgroundColor, values.backgroundColor);
    write(settings::ShortCodeHint, values.shortCodeHint ? 1 : 0);
    if (values.shortCodeHint)
        write(settings::HintColor, values.hintColor);
    write(settings::SegmentationDisplay, values.segmentationDisplay ? 1 : 0);
    write(settings::CodeHint, values.codeHint ? 1 : 0);
    write(settings::AutoInputMethod, values.autoInputMethod ? 1 : 0);
    write(settings::Edition, values.edition);
    write(settings::TimeLimitOn, values.timeLimitOn);
    write(settings::TimeLimitMinutes, values.minutes);
    return stored;
}

} // namespace segmentation
