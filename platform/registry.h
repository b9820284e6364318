// The registry stand-in: two hives of typed, byte-exact values kept as text files.
#pragma once

#include "platform/wintypes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <map>
#include <optional>

namespace platform {

using HKEY = std::uintptr_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr DWORD KEY_QUERY_VALUE = 0x0001;
inline constexpr DWORD KEY_SET_VALUE = 0x0002;
inline constexpr DWORD KEY_READ = 0x20019;
inline constexpr DWORD KEY_WRITE = 0x20006;
inline constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

struct RegistryValue
{
    DWORD type = REG_NONE;
    QByteArray data; // exactly the bytes stored, terminating NULs included
    bool operator==(const RegistryValue&) const = default;
};

// One hive in memory. Key paths and value names are GBK byte strings (the 8-bit API's view); key
// path components are separated by '\', and keys and value names match without regard to case.
class RegistryHive
{
public:
    struct LoadResult
    {
        bool ok = true;
        QString message;      // why the file could not be read, for the user
        QString setAsidePath; // where the damaged file was moved, when it was
    };

    // A missing file is an empty hive. A damaged one is renamed aside and the hive starts empty.
    LoadResult load(const QString& filePath);
    // Writes beside the file, then renames over it.
    bool save(const QString& filePath, QString* error = nullptr) const;

    bool hasKey(QByteArrayView keyPath) const;
    void createKey(QByteArrayView keyPath); // with every missing parent
    std::optional<RegistryValue> value(QByteArrayView keyPath, QByteArrayView valueName) const;
    void setValue(QByteArrayView keyPath, QByteArrayView valueName, const RegistryValue& value);

    bool operator==(const RegistryHive&) const = default;

    // The file form: a header line, then "[key path]" lines each followed by its values as
    // "\"name\" TYPE hex-bytes", then a closing "end" line (so a cut-off file is noticed). Names
    // keep printable ASCII and escape every other byte as %XX.
    QByteArray toText() const;
    // Empty result and a reason in *error when the text is not a whole hive.
    static std::optional<RegistryHive> fromText(QByteArrayView text, QString* error);

    // ASCII letters fold to lower case; the trail bytes of GBK characters are left alone.
    static QByteArray foldName(QByteArrayView name);
    // Splits a key path at '\' (not at a GBK trail byte of that value); empty parts are dropped.
    static QList<QByteArray> splitPath(QByteArrayView keyPath);

private:
    struct Key
    {
        QByteArray name;                                                   // as first written
        std::map<QByteArray, std::pair<QByteArray, RegistryValue>> values; // folded name -> (name, value)
        std::map<QByteArray, Key> subkeys;                                 // folded name -> key
        bool operator==(const Key&) const = default;
    };
    const Key* find(QByteArrayView keyPath) const;
    Key& ensure(QByteArrayView keyPath);
    static void writeKey(QByteArray& out, const QByteArray& path, const Key& key, bool isRoot);
    Key m_root;
};

// The process-wide hives: HKEY_LOCAL_MACHINE in systemFolder(), HKEY_CURRENT_USER in userFolder(),
// each read on first use; a damaged file is reported through reportProblem().
QString hiveFilePath(HKEY root);
// Forgets the loaded hives (tests, after pointing the folders elsewhere).
void resetRegistry();

// The 8-bit registry calls; names are GBK, as the Windows "A" functions take them.
LONG RegOpenKeyExA(HKEY root, const char* subKey, DWORD options, DWORD samDesired, HKEY* result);
LONG RegOpenKeyA(HKEY root, const char* subKey, HKEY* result);
LONG RegCreateKeyA(HKEY root, const char* subKey, HKEY* result);
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
LONG RegCloseKey(HKEY key);

// A REG_SZ value through the calls above, as text up to its first NUL (decoded from GBK). Gives the
// default when the key or the value is missing, the value has another type (REG_EXPAND_SZ too) or
// cannot be read.
QString readStringValue(HKEY root, const QString& subKey, const QString& valueName,
                        const QString& defaultValue);

} // namespace platform
