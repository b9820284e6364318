#include "tests/support/layoutregistration.h"

#include "platform/gbk.h"
#include "platform/imelookup.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

namespace testsupport {

using namespace platform;

namespace {

void createKey(const char* layoutId, const std::function<void(HKEY)>& fill)
{
    HKEY key = 0;
    const QByteArray path = QByteArray(kKeyboardLayoutsKey) + layoutId;
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, path.constData(), &key), ERROR_SUCCESS);
    fill(key);
    RegCloseKey(key);
}

} // namespace

void registerKeyboardLayout(const char* layoutId)
{
    createKey(layoutId, [](HKEY) {});
}

void registerKeyboardLayout(const char* layoutId, const QByteArray& storedText, DWORD type)
{
    createKey(layoutId, [&](HKEY key) {
        EXPECT_EQ(RegSetValueExA(key, kLayoutTextValue, 0, type,
                                 reinterpret_cast<const BYTE*>(storedText.constData()),
                                 DWORD(storedText.size())),
                  ERROR_SUCCESS);
    });
}

void registerKeyboardLayout(const char* layoutId, const QString& layoutText)
{
    registerKeyboardLayout(layoutId, gbk::encode(layoutText) + '\0', REG_SZ);
}

void registerInputMethod(const char* layoutId)
{
    registerKeyboardLayout(layoutId, imeDisplayName());
}

} // namespace testsupport
