#include "platform/ime/imelayout.h"

#include "platform/gbk.h"
#include "platform/keyboard.h"
#include "platform/registry.h"

namespace platform::ime {
namespace {

bool isCandidateId(QByteArrayView id)
{
    return id.size() == 8 && id.startsWith("E02") && id[3] >= '0' && id[3] <= '9' && id.endsWith("0804");
}

// The REG_SZ value "layout text" of the id's key, up to its first NUL; empty when absent.
QByteArray layoutText(QByteArrayView id)
{
    const QByteArray keyPath = QByteArray(kKeyboardLayoutsKey) + id.toByteArray();
    HKEY key = 0;
    QByteArray text;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.constData(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, "layout text", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            type == REG_SZ) {
            QByteArray buffer(qsizetype(size), '\0');
            if (RegQueryValueExA(key, "layout text", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                 &size) == ERROR_SUCCESS) {
                buffer.truncate(qsizetype(size));
                const qsizetype nul = buffer.indexOf('\0');
                text = nul < 0 ? buffer : buffer.left(nul);
            }
        }
    }
    RegCloseKey(key);
    return text;
}

} // namespace

bool isImeLayoutId(QByteArrayView layoutId)
{
    static const QByteArray displayName = gbk::encode(QString::fromUtf8(kImeDisplayName));
    return isCandidateId(layoutId) && layoutText(layoutId) == displayName;
}

QByteArray findImeLayoutId()
{
    for (char x = '0'; x <= '9'; ++x) {
        QByteArray id = QByteArrayLiteral("E02");
        id += x;
        id += "0804";
        if (isImeLayoutId(id))
            return id;
    }
    return {};
}

} // namespace platform::ime
