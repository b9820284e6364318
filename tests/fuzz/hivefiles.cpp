// Hive files read and written through the registry calls, as the programs use them.
#include "platform/problems.h"
#include "platform/registry.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace platform;

namespace {

QByteArray query(HKEY key, const char* name)
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    QByteArray data(qsizetype(size), '\0');
    DWORD room = size;
    fuzz::require(RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &room) ==
                      ERROR_SUCCESS &&
                  room == size);
    return data;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    qputenv("TALVOREN_SYSTEM_DIR", QFile::encodeName(fuzz::scratchFolder() + QStringLiteral("system")));
    qputenv("TALVOREN_USER_DIR", QFile::encodeName(fuzz::scratchFolder() + QStringLiteral("user")));
    setProblemReporter([](const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString folder = fuzz::scratchFolder() + QStringLiteral("system/");
    QDir().mkpath(folder);
    fuzz::emptyFolder(folder);
    fuzz::writeFile(hiveFilePath(HKEY_LOCAL_MACHINE), fuzz::bytesOf(data, size));
    resetRegistry();

    HKEY key = 0;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Keyboard Layouts\\E0200804", 0,
                      KEY_QUERY_VALUE, &key) == ERROR_SUCCESS)
        query(key, "layout text");
    RegCloseKey(key);

    // A value written through the calls is what the file holds next time.
    const QByteArray written("\x01\x00\xFF", 3);
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvesk\\Corvelle", &key) != ERROR_SUCCESS)
        return 0;
    const LONG set = RegSetValueExA(
        key, "v", 0, REG_BINARY, reinterpret_cast<const BYTE*>(written.constData()), DWORD(written.size()));
    RegCloseKey(key);
    if (set != ERROR_SUCCESS)
        return 0;
    resetRegistry();
    fuzz::require(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\orvesk\\corvelle", 0, KEY_READ, &key) ==
                      ERROR_SUCCESS &&
                  query(key, "V") == written);
    RegCloseKey(key);
    return 0;
}
