#include "platform/imelookup.h"

namespace platform {
namespace {

constexpr int kCandidates = 10;

QByteArray candidateId(int x)
{
    return QByteArrayLiteral("E02") + char('0' + x) + QByteArrayLiteral("0804");
}

bool isCandidateId(QByteArrayView id)
{
    return id.size() == 8 && id.startsWith("E02") && id[3] >= '0' && id[3] <= '9' && id.endsWith("0804");
}

bool isRegisteredAsIme(QByteArrayView id, const RegistryTextReader& read)
{
    const QString keyPath = QLatin1StringView(kKeyboardLayoutsKey) + QString::fromLatin1(id);
    const QString valueName = QString::fromLatin1(kLayoutTextValue);
    const QString text = read ? read(HKEY_LOCAL_MACHINE, keyPath, valueName)
                              : readStringValue(HKEY_LOCAL_MACHINE, keyPath, valueName, QString());
    return text == imeDisplayName();
}

} // namespace

QString imeDisplayName()
{
    return QString::fromUtf8(kImeDisplayName);
}

QByteArray findImeLayoutId(const RegistryTextReader& read)
{
    for (int x = 0; x < kCandidates; ++x) {
        const QByteArray id = candidateId(x);
        if (isRegisteredAsIme(id, read))
            return id;
    }
    return {};
}

bool isImeLayoutId(QByteArrayView layoutId, const RegistryTextReader& read)
{
    return isCandidateId(layoutId) && isRegisteredAsIme(layoutId, read);
}

} // namespace platform
