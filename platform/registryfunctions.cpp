// The Win32-style registry calls over the two process-wide hives.
#include "platform/paths.h"
#include "platform/problems.h"
#include "platform/registry.h"

#include <cstring>
#include <map>

namespace platform {
namespace {

struct LoadedHive
{
    RegistryHive hive;
    QString filePath;
    bool loaded = false;
    bool writable = true; // false when a damaged file could not be moved out of the way
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

LoadedHive& loadedHive(HKEY root)
{
    LoadedHive& entry = root == HKEY_LOCAL_MACHINE ? state().localMachine : state().currentUser;
    if (!entry.loaded) {
        entry.loaded = true;
        entry.filePath = hiveFilePath(root);
        const RegistryHive::LoadResult result = entry.hive.load(entry.filePath);
        if (!result.ok) {
            entry.writable = !result.setAsidePath.isEmpty();
            reportProblem(result.message);
        }
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

LONG saveHive(LoadedHive& entry)
{
    if (!entry.writable)
        return ERROR_ACCESS_DENIED;
    QString error;
    if (!entry.hive.save(entry.filePath, &error)) {
        reportProblem(QStringLiteral("无法保存注册表文件 %1：%2").arg(entry.filePath, error));
        return ERROR_ACCESS_DENIED;
    }
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
    LoadedHive& entry = loadedHive(base->root);
    if (!entry.hive.hasKey(path)) {
        if (!create)
            return ERROR_FILE_NOT_FOUND;
        entry.hive.createKey(path);
        if (const LONG saved = saveHive(entry); saved != ERROR_SUCCESS)
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
    LoadedHive& entry = loadedHive(open->root);
    const QByteArray bytes =
        dataSize > 0 ? QByteArray(reinterpret_cast<const char*>(data), dataSize) : QByteArray();
    entry.hive.setValue(open->path, valueName ? valueName : "", RegistryValue{type, bytes});
    return saveHive(entry);
}

LONG RegCloseKey(HKEY key)
{
    if (isRoot(key))
        return ERROR_SUCCESS;
    return state().openKeys.erase(key) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // namespace platform
