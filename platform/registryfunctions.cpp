// The Win32-style registry calls over the two process-wide hives.
#include "platform/gbk.h"
#include "platform/filelock.h"
#include "platform/paths.h"
#include "platform/problems.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <functional>
#include <map>
#include <sys/stat.h>

namespace platform {
namespace {

// Which version of a hive file was read: every save puts a new file in place, so another
// program's save shows as a new file (or a changed one, should something else write it).
struct FileStamp
{
    bool exists = false;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& filePath)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(filePath).constData(), &info) != 0)
        return {};
    return {true, info.st_ino, info.st_size,
            static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

struct LoadedHive
{
    RegistryHive hive;
    QString filePath;
    FileStamp stamp; // of the file the hive was last read from or saved to
    bool loaded = false;
    bool writable = true;    // false when a damaged file could not be moved out of the way
    QString lastSaveProblem; // reported once, until a save succeeds again
};

struct OpenKey
{
    HKEY root;
    QByteArray path;
    DWORD access;
};

struct RegistryState
{
    LoadedHive localMachine;
    LoadedHive currentUser;
    std::map<HKEY, OpenKey> openKeys;
    HKEY nextHandle = 1;
    // Far longer than any save takes; a holder that keeps the lock this long is stuck.
    std::chrono::milliseconds lockTimeout{10000};
};

RegistryState& state()
{
    static RegistryState registry;
    return registry;
}

bool isRoot(HKEY key)
{
    return key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER;
}

// The hive as its file holds it now: read on first use, and read again when another program (the
// other of the two, say) has saved it since, so that neither undoes the other's settings.
LoadedHive& loadedHive(HKEY root)
{
    LoadedHive& entry = root == HKEY_LOCAL_MACHINE ? state().localMachine : state().currentUser;
    if (!entry.loaded) {
        entry.loaded = true;
        entry.filePath = hiveFilePath(root);
    } else if (!entry.writable || stampOf(entry.filePath) == entry.stamp) {
        return entry; // a damaged file that could not be set aside is not read twice
    }
    // Stamped before reading: a save that slips in between makes the next call read again.
    entry.stamp = stampOf(entry.filePath);
    const RegistryHive::LoadResult result = entry.hive.load(entry.filePath);
    if (!result.ok) {
        entry.stamp = stampOf(entry.filePath); // the damaged file is gone, or is never read again
        entry.writable = !result.setAsidePath.isEmpty();
        reportProblem(result.message);
    }
    return entry;
}

// Resolves a root or open handle to its hive and key path.
std::optional<OpenKey> resolve(HKEY key)
{
    if (isRoot(key))
        return OpenKey{key, QByteArray(), KEY_ALL_ACCESS};
    const auto it = state().openKeys.find(key);
    if (it == state().openKeys.end())
        return std::nullopt;
    return it->second;
}

QByteArray joinPath(const QByteArray& base, const char* subKey)
{
    QByteArray path = base;
    if (subKey && *subKey) {
        if (!path.isEmpty())
            path += '\\';
        path += subKey;
    }
    return path;
}

HKEY addHandle(const OpenKey& key)
{
    const HKEY handle = state().nextHandle++;
    state().openKeys.emplace(handle, key);
    return handle;
}

// A failed save is reported once: every value of a settings dialog fails alike on a full disk.
LONG failSave(LoadedHive& entry, const QString& why)
{
    const QString message = QStringLiteral("无法保存注册表文件 %1：%2").arg(entry.filePath, why);
    if (message != entry.lastSaveProblem)
        reportProblem(message);
    entry.lastSaveProblem = message;
    return ERROR_ACCESS_DENIED;
}

// Changes a hive and saves it, with no other program's save in between. The hive in memory takes
// the change only once the file holds it.
LONG changeHive(HKEY root, const std::function<void(RegistryHive&)>& change)
{
    const QString filePath = hiveFilePath(root);
    FileLock lock(filePath + QStringLiteral(".lock"));
    QString why;
    // The user folder may not exist before the first setting is written.
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    const bool locked = lock.lock(state().lockTimeout, &why);
    LoadedHive& entry = loadedHive(root);
    if (!locked)
        return failSave(entry, why);
    if (!entry.writable)
        return ERROR_ACCESS_DENIED;
    RegistryHive changed = entry.hive;
    change(changed);
    if (!changed.save(entry.filePath, &why))
        return failSave(entry, why);
    entry.hive = std::move(changed);
    entry.stamp = stampOf(entry.filePath);
    entry.lastSaveProblem.clear();
    return ERROR_SUCCESS;
}

LONG openKey(HKEY root, const char* subKey, DWORD access, bool create, HKEY* result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = 0;
    const auto base = resolve(root);
    if (!base)
        return ERROR_INVALID_HANDLE;
    const QByteArray path = joinPath(base->path, subKey);
    if (RegistryHive::splitPath(path).size() > RegistryHive::kMaxKeyDepth)
        return ERROR_INVALID_PARAMETER;
    if (!loadedHive(base->root).hive.hasKey(path)) {
        if (!create)
            return ERROR_FILE_NOT_FOUND;
        const LONG saved = changeHive(base->root, [&path](RegistryHive& hive) { hive.createKey(path); });
        if (saved != ERROR_SUCCESS)
            return saved;
    }
    *result = addHandle(OpenKey{base->root, path, access});
    return ERROR_SUCCESS;
}

} // namespace

QString hiveFilePath(HKEY root)
{
    if (root == HKEY_LOCAL_MACHINE)
        return systemFolder() + QStringLiteral("HKEY_LOCAL_MACHINE.hive");
    if (root == HKEY_CURRENT_USER)
        return userFolder() + QStringLiteral("HKEY_CURRENT_USER.hive");
    return QString();
}

void resetRegistry()
{
    state() = RegistryState();
}

void setRegistryLockTimeout(std::chrono::milliseconds timeout)
{
    state().lockTimeout = timeout;
}

LONG RegOpenKeyExA(HKEY root, const char* subKey, DWORD /*options*/, DWORD samDesired, HKEY* result)
{
    return openKey(root, subKey, samDesired, false, result);
}

LONG RegOpenKeyA(HKEY root, const char* subKey, HKEY* result)
{
    return openKey(root, subKey, KEY_ALL_ACCESS, false, result);
}

LONG RegCreateKeyA(HKEY root, const char* subKey, HKEY* result)
{
    return openKey(root, subKey, KEY_ALL_ACCESS, true, result);
}

LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* /*reserved*/, DWORD* type, BYTE* data,
                      DWORD* dataSize)
{
    const auto open = resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if ((open->access & KEY_QUERY_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    if (data && !dataSize)
        return ERROR_INVALID_PARAMETER;
    const auto value = loadedHive(open->root).hive.value(open->path, valueName ? valueName : "");
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = value->type;
    const auto size = static_cast<DWORD>(value->data.size());
    if (!data) {
        if (dataSize)
            *dataSize = size;
        return ERROR_SUCCESS;
    }
    const DWORD room = *dataSize;
    *dataSize = size;
    if (room < size)
        return ERROR_MORE_DATA;
    if (size > 0)
        std::memcpy(data, value->data.constData(), size);
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD /*reserved*/, DWORD type, const BYTE* data,
                    DWORD dataSize)
{
    const auto open = resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if ((open->access & KEY_SET_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    if (!data && dataSize > 0)
        return ERROR_INVALID_PARAMETER;
    const QByteArray bytes =
        dataSize > 0 ? QByteArray(reinterpret_cast<const char*>(data), dataSize) : QByteArray();
    const QByteArray name = valueName ? valueName : "";
    return changeHive(open->root, [&](RegistryHive& hive) {
        hive.setValue(open->path, name, RegistryValue{type, bytes});
    });
}

LONG RegCloseKey(HKEY key)
{
    if (isRoot(key))
        return ERROR_SUCCESS;
    return state().openKeys.erase(key) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

QString readStringValue(HKEY root, const QString& subKey, const QString& valueName,
                        const QString& defaultValue)
{
    QString result = defaultValue;
    const QByteArray subKeyBytes = gbk::encode(subKey);
    const QByteArray nameBytes = gbk::encode(valueName);
    HKEY key = 0;
    if (RegOpenKeyExA(root, subKeyBytes.constData(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExA(key, nameBytes.constData(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            type == REG_SZ) {
            QByteArray buffer(static_cast<qsizetype>(size), '\0');
            DWORD read = size;
            if (RegQueryValueExA(key, nameBytes.constData(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(buffer.data()), &read) == ERROR_SUCCESS) {
                const qsizetype nul = buffer.indexOf('\0');
                result = gbk::decode(nul >= 0 ? buffer.first(nul) : buffer);
            }
        }
    }
    // Closed in every case, also after a failed open (the handle is 0 then).
    RegCloseKey(key);
    return result;
}

} // namespace platform
