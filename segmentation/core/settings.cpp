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

// A REG_SZ value's bytes, read into a buffer of maxBytes and room for a terminator.
std::optional<QByteArray> queryText(HKEY key, QStringView valueNameText, int maxBytes)
{
    QByteArray buffer(maxBytes + 1, '\0');
    DWORD size = DWORD(buffer.size());
    const QByteArray name = valueName(valueNameText);
    if (RegQueryValueExA(key, name.constData(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    // The text ends at a terminator someone else may have stored, and never runs into the buffer's last byte.
    QByteArray text = buffer.left(qMin<qsizetype>(size, maxBytes));
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

void copyColors(const SettingsValues& from, SettingsValues& to)
{
    to.alternateColor1 = from.alternateColor1;
    to.alternateColor2 = from.alternateColor2;
    to.correctColor = from.correctColor;
    to.wrongColor = from.wrongColor;
    to.backgroundColor = from.backgroundColor;
    to.hintColor = from.hintColor;
}

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
    return setting.defaultValue;
}

bool SettingsKey::readOrCreateSwitch(const Setting& setting)
{
    return readOrCreate(setting) == 1;
}

QByteArray SettingsKey::readOrCreateSeparator()
{
    return readOrCreateText(settings::kSeparatorName, settings::kDefaultSeparator,
                            settings::kSeparatorMaxBytes);
}

QByteArray SettingsKey::readOrCreateText(QStringView name, QByteArrayView defaultText, int maxBytes)
{
    if (const auto stored = queryText(m_key, name, maxBytes))
        return *stored;
    Q_ASSERT(defaultText.size() <= maxBytes);
    writeText(name, defaultText);
    return defaultText.toByteArray();
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
    return writeText(settings::kSeparatorName, separator);
}

bool SettingsKey::writeText(QStringView nameText, QByteArrayView text)
{
    const QByteArray name = valueName(nameText);
    return m_key != 0 &&
           RegSetValueExA(m_key, name.constData(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                          static_cast<DWORD>(text.size())) == ERROR_SUCCESS;
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

namespace {

using FontNumbers = std::array<qint32, kLogFontFields - 1>;

// The thirteen numeric fields of a LOGFONT, in its order.
FontNumbers numbersOf(const LogFont& font)
{
    return {font.height,        font.width,     font.escapement,    font.orientation, font.weight,
            font.italic,        font.underline, font.strikeOut,     font.charSet,     font.outPrecision,
            font.clipPrecision, font.quality,   font.pitchAndFamily};
}

void setNumbers(LogFont& font, const FontNumbers& numbers)
{
    font.height = numbers[0];
    font.width = numbers[1];
    font.escapement = numbers[2];
    font.orientation = numbers[3];
    font.weight = numbers[4];
    font.italic = quint8(numbers[5]);
    font.underline = quint8(numbers[6]);
    font.strikeOut = quint8(numbers[7]);
    font.charSet = quint8(numbers[8]);
    font.outPrecision = quint8(numbers[9]);
    font.clipPrecision = quint8(numbers[10]);
    font.quality = quint8(numbers[11]);
    font.pitchAndFamily = quint8(numbers[12]);
}

// The face name's GBK bytes, cut after the last whole character that fits.
QByteArray faceNameBytes(const QString& faceName)
{
    const QByteArray bytes = gbk::encode(faceName);
    qsizetype end = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype next = i + (gbk::isLeadByte(uchar(bytes[i])) ? 2 : 1);
        if (next > kFaceNameMaxBytes)
            break;
        end = i = next;
    }
    return bytes.left(end);
}

Setting fontSetting(std::size_t field, qint32 defaultValue)
{
    return {settings::kFontSettingNames[field], defaultValue};
}

} // namespace

LogFont readOrCreateFontSettings(const LogFont& defaults)
{
    SettingsKey key;
    const FontNumbers defaultNumbers = numbersOf(defaults);
    FontNumbers numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = key.readOrCreate(fontSetting(i, defaultNumbers[i]));
    LogFont font;
    setNumbers(font, numbers);
    font.faceName = gbk::decode(key.readOrCreateText(settings::kFontSettingNames.back(),
                                                     faceNameBytes(defaults.faceName), kFaceNameMaxBytes));
    return font;
}

bool writeFontSettings(const LogFont& font)
{
    SettingsKey key;
    const FontNumbers numbers = numbersOf(font);
    bool stored = key.isOpen();
    for (std::size_t i = 0; i < numbers.size(); ++i)
        stored = key.write(fontSetting(i, 0), numbers[i]) && stored;
    return key.writeText(settings::kFontSettingNames.back(), faceNameBytes(font.faceName)) && stored;
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
