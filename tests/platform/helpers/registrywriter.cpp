// registry_writer <prefix> <count>: writes <count> values named <prefix><n> into the user hive of
// $TALVOREN_USER_DIR, as a second program writing settings at the same time would.
#include "platform/registry.h"

#include <QCoreApplication>

using namespace platform;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QByteArray prefix = argv[1];
    const int count = QByteArray(argv[2]).toInt();
    HKEY key = 0;
    if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Writers", &key) != ERROR_SUCCESS)
        return 1;
    int failed = 0;
    for (int n = 0; n < count; ++n) {
        const QByteArray name = prefix + QByteArray::number(n);
        const DWORD value = DWORD(n);
        if (RegSetValueExA(key, name.constData(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           sizeof value) != ERROR_SUCCESS)
            ++failed;
    }
    RegCloseKey(key);
    return failed == 0 ? 0 : 1;
}
