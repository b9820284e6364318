// The practice program's settings: first run, read-or-create, switches, the separator, failed writes.
#include "platform/gbk.h"
#include "platform/problems.h"
#include "platform/registry.h"
#include "segmentation/core/settings.h"
#include "tests/support/fulldisk.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace segmentation;

namespace segmentation {
// Test names and failure messages show a setting by its value name.
void PrintTo(const Setting& setting, std::ostream* out)
{
    *out << setting.name.toString().toStdString();
}
} // namespace segmentation

namespace {

constexpr const char* kKey = "Software\\Orvesk\\Corvelle\\";

class SettingsTest : public ::testing::Test
{
protected:
    SettingsTest()
    {
        setProblemReporter([this](const QString& message) { problems.append(message); });
    }
    ~SettingsTest() override { setProblemReporter({}); }

    // The stored value as the registry holds it, read past the module under test.
    static std::optional<RegistryValue> stored(const QString& name)
    {
        HKEY key = 0;
        if (RegOpenKeyA(HKEY_CURRENT_USER, kKey, &key) != ERROR_SUCCESS)
            return std::nullopt;
        const QByteArray gbkName = gbk::encode(name);
        DWORD type = 0;
        DWORD size = 0;
        std::optional<RegistryValue> value;
        if (RegQueryValueExA(key, gbkName.constData(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            QByteArray data(size, '\0');
            RegQueryValueExA(key, gbkName.constData(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                             &size);
            value = RegistryValue{type, data};
        }
        RegCloseKey(key);
        return value;
    }
    static void store(const QString& name, DWORD type, const QByteArray& data)
    {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key), ERROR_SUCCESS);
        const QByteArray gbkName = gbk::encode(name);
        ASSERT_EQ(RegSetValueExA(key, gbkName.constData(), 0, type,
                                 reinterpret_cast<const BYTE*>(data.constData()), data.size()),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static RegistryValue binary(quint32 value)
    {
        const char bytes[] = {char(value & 0xFF), char(value >> 8 & 0xFF), char(value >> 16 & 0xFF),
                              char(value >> 24)};
        return {REG_BINARY, QByteArray(bytes, 4)};
    }

    testsupport::TestFolders folders;
    QStringList problems;
};

// The defaults as the settings table gives them.
const std::vector<std::pair<QString, quint32>> kBlockDefaults = {
    {QStringLiteral("交替颜色一"), 0x000000},
    {QStringLiteral("交替颜色二"), 0xFF0000},
    {QStringLiteral("正确文本颜色"), 0x00FF00},
    {QStringLiteral("错误文本颜色"), 0x0000FF},
    {QStringLiteral("文本背景颜色"), 0xFFFFFF},
    {QStringLiteral("需要简码提示"), 0},
    {QStringLiteral("是否分词显示"), 1},
    {QStringLiteral("是否编码提示"), 1},
    {QStringLiteral("是否自动打开Talvoren输入法"), 1},
    {QStringLiteral("是否限制训练时间"), 0},
    {QStringLiteral("限制训练时间长度"), 5},
};

TEST_F(SettingsTest, TheViewsFirstRunStoresEveryDefaultButTheHintColour)
{
    const SettingsValues values = readViewSettings();
    EXPECT_EQ(values, SettingsValues());
    for (const auto& [name, value] : kBlockDefaults)
        EXPECT_EQ(stored(name), binary(value)) << name.toStdString();
    EXPECT_EQ(stored(QStringLiteral("是否使用Talvoren输入法2002B标准版")), binary(1));
    EXPECT_EQ(stored(QStringLiteral("使用自定义码本")), binary(0));
    EXPECT_EQ(stored(QStringLiteral("分隔符")), (RegistryValue{REG_SZ, "  "}));
    EXPECT_FALSE(stored(QStringLiteral("简码提示颜色")));
    EXPECT_TRUE(problems.isEmpty());
}

TEST_F(SettingsTest, TheOptionsDialogsFirstRunLeavesTheSeparatorAndCustomBookAlone)
{
    EXPECT_EQ(readOptionsSettings(), SettingsValues());
    for (const auto& [name, value] : kBlockDefaults)
        EXPECT_EQ(stored(name), binary(value)) << name.toStdString();
    EXPECT_EQ(stored(QStringLiteral("是否使用Talvoren输入法2002B标准版")), binary(1));
    EXPECT_FALSE(stored(QStringLiteral("分隔符")));
    EXPECT_FALSE(stored(QStringLiteral("使用自定义码本")));
    EXPECT_FALSE(stored(QStringLiteral("简码提示颜色")));
}

TEST_F(SettingsTest, AMissingValueIsWrittenWithItsDefaultAndStoredValuesAreKept)
{
    store(QStringLiteral("交替颜色一"), REG_BINARY, binary(0x123456).data);
    store(QStringLiteral("限制训练时间长度"), REG_BINARY, binary(quint32(-1)).data);
    EXPECT_EQ(readOrCreateSetting(settings::TimeLimitMinutes), -1); // taken as stored
    EXPECT_EQ(readOrCreateSetting(settings::Edition), 1);
    EXPECT_EQ(stored(QStringLiteral("是否使用Talvoren输入法2002B标准版")), binary(1));

    const SettingsValues values = readViewSettings(); // the key exists: no first-run block
    EXPECT_EQ(values.alternateColor1, 0x123456u);
    EXPECT_EQ(values.alternateColor2, 0xFF0000u);
    EXPECT_EQ(stored(QStringLiteral("交替颜色一")), binary(0x123456));
    EXPECT_EQ(stored(QStringLiteral("交替颜色二")), binary(0xFF0000));
    EXPECT_EQ(stored(QStringLiteral("分隔符")), (RegistryValue{REG_SZ, "  "}));
}

class SwitchTest : public SettingsTest, public ::testing::WithParamInterface<Setting>
{
};

TEST_P(SwitchTest, ReadsOnOnlyForAStoredOneAndIsWrittenBackAsZeroOrOne)
{
    const QString name = GetParam().name.toString();
    for (const quint32 value : {0u, 1u, 2u, 0xFFFFFFFFu}) {
        store(name, REG_BINARY, binary(value).data);
        EXPECT_EQ(readSwitch(GetParam()), value == 1) << value;
    }
    store(name, REG_BINARY, binary(2).data);
    ASSERT_TRUE(writeOptionsSettings(readOptionsSettings()));
    EXPECT_EQ(stored(name), binary(0));
}

std::string switchName(const ::testing::TestParamInfo<Setting>& info)
{
    static const char* const names[] = {"ShortCodeHint", "SegmentationDisplay", "CodeHint",
                                        "AutoInputMethod"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Switches, SwitchTest,
                         ::testing::Values(settings::ShortCodeHint, settings::SegmentationDisplay,
                                           settings::CodeHint, settings::AutoInputMethod),
                         switchName);

TEST_F(SettingsTest, TheHintColourIsReadAndWrittenOnlyWhileTheHintIsOn)
{
    SettingsValues values = readOptionsSettings();
    values.hintColor = 0x00AA00;
    ASSERT_TRUE(writeOptionsSettings(values));
    EXPECT_FALSE(stored(QStringLiteral("简码提示颜色")));

    values.shortCodeHint = true;
    ASSERT_TRUE(writeOptionsSettings(values));
    EXPECT_EQ(stored(QStringLiteral("简码提示颜色")), binary(0x00AA00));

    // Turned off again, the stored colour stays and is offered when the hint comes back.
    values.shortCodeHint = false;
    ASSERT_TRUE(writeOptionsSettings(values));
    EXPECT_EQ(readOptionsSettings().hintColor, 0x00AA00u);
}

TEST_F(SettingsTest, SeparatorsAreStoredWithoutTerminatorAndReadBackWhole)
{
    const QByteArray longest(79, 'x');
    const QByteArray fullWidth = gbk::encode(u"．");
    for (const QByteArray& separator :
         {longest, fullWidth, QByteArray("\t"), QByteArray("12345678901234567890")}) {
        ASSERT_TRUE(writeSeparator(separator));
        EXPECT_EQ(stored(QStringLiteral("分隔符")), (RegistryValue{REG_SZ, separator}));
        EXPECT_EQ(readOrCreateSeparator(), separator);
        EXPECT_EQ(readViewSettings().separator, separator);
    }
}

TEST_F(SettingsTest, AStoredSeparatorEndsAtItsTerminator)
{
    store(QStringLiteral("分隔符"), REG_SZ, QByteArray("ab\0", 3));
    EXPECT_EQ(readOrCreateSeparator(), "ab");
}

TEST_F(SettingsTest, TheMarkerKeyIsCreatedEmpty)
{
    createMarkerKey();
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvesk\\Corvelle\\1.0.0", &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(SettingsTest, AWriteThatFailsIsToldToTheCallerAndKeepsTheStoredValue)
{
    store(QStringLiteral("限制训练时间长度"), REG_BINARY, binary(7).data);
    SettingsValues values = readOptionsSettings();
    values.minutes = 30;
    {
        testsupport::FullDisk full;
        EXPECT_FALSE(writeSetting(settings::TimeLimitMinutes, 30));
        EXPECT_FALSE(writeSeparator("--"));
        EXPECT_FALSE(writeOptionsSettings(values));
        // A reader still gets its default when the default cannot be stored.
        EXPECT_EQ(readOrCreateSetting(settings::UseCustomBook), 0);
    }
    EXPECT_FALSE(problems.isEmpty()); // the registry tells the user of each failed save
    resetRegistry();
    EXPECT_EQ(stored(QStringLiteral("限制训练时间长度")), binary(7));
    EXPECT_FALSE(stored(QStringLiteral("使用自定义码本")));
}

// A LOGFONT whose every field differs from the others, so a field stored in the wrong place shows.
LogFont distinctFont(const QString& face)
{
    LogFont font;
    font.height = -13;
    font.width = 2;
    font.escapement = 3;
    font.orientation = 4;
    font.weight = 700;
    font.italic = 1;
    font.underline = 6;
    font.strikeOut = 7;
    font.charSet = 134;
    font.outPrecision = 9;
    font.clipPrecision = 10;
    font.quality = 11;
    font.pitchAndFamily = 12;
    font.faceName = face;
    return font;
}

TEST_F(SettingsTest, FontSettingsAreCreatedWithTheDefaultsGivenInLogFontOrder)
{
    const LogFont defaults = distinctFont(QStringLiteral("AR PL UKai CN"));
    EXPECT_EQ(readOrCreateFontSettings(defaults), defaults);
    EXPECT_EQ(stored(QStringLiteral("字体设置一")), binary(quint32(-13)));
    EXPECT_EQ(stored(QStringLiteral("字体设置五")), binary(700));
    EXPECT_EQ(stored(QStringLiteral("字体设置十三")), binary(12));
    EXPECT_EQ(stored(QStringLiteral("字体设置十四")), (RegistryValue{REG_SZ, "AR PL UKai CN"}));
}

TEST_F(SettingsTest, StoredFontSettingsAreReadBackAndMissingOnesTakeTheirDefault)
{
    const LogFont written = distinctFont(QStringLiteral("楷体"));
    ASSERT_TRUE(writeFontSettings(written));
    EXPECT_EQ(stored(QStringLiteral("字体设置十四")), (RegistryValue{REG_SZ, gbk::encode(u"楷体")}));
    EXPECT_EQ(readOrCreateFontSettings(LogFont()), written);

    store(QStringLiteral("字体设置二"), REG_SZ, "not a number at all");
    LogFont expected = written;
    expected.width = 0; // a value that does not fit four bytes counts as missing
    EXPECT_EQ(readOrCreateFontSettings(LogFont()), expected);
}

TEST_F(SettingsTest, AFaceNameLongerThanItsFieldIsCutAfterAWholeCharacter)
{
    // Sixteen double-byte characters are 32 bytes; the field holds 31.
    const QString face(16, QChar(u'楷'));
    ASSERT_TRUE(writeFontSettings(distinctFont(face)));
    EXPECT_EQ(readOrCreateFontSettings(LogFont()).faceName, QString(15, QChar(u'楷')));
}

} // namespace
