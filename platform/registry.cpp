#include "platform/registry.h"

#include "platform/atomicfile.h"
#include "platform/clock.h"
#include "platform/gbk.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

namespace platform {
namespace {

constexpr QByteArrayView kHeader = "TALVOREN-REGISTRY-HIVE 1";
constexpr QByteArrayView kTrailer = "end";

struct TypeName
{
    DWORD type;
    QByteArrayView name;
};
constexpr TypeName kTypeNames[] = {
    {REG_NONE, "REG_NONE"},     {REG_SZ, "REG_SZ"},       {REG_EXPAND_SZ, "REG_EXPAND_SZ"},
    {REG_BINARY, "REG_BINARY"}, {REG_DWORD, "REG_DWORD"},
};

// Names and data are written and read byte by byte straight into their result: a hive is read
// again whenever the other program has saved it, so this is done often.
constexpr char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void appendHexByte(QByteArray& out, char c)
{
    const auto byte = static_cast<unsigned char>(c);
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

void appendType(QByteArray& out, DWORD type)
{
    for (const TypeName& entry : kTypeNames)
        if (entry.type == type) {
            out += entry.name;
            return;
        }
    out += QByteArray::number(type);
}

std::optional<DWORD> typeFromText(QByteArrayView text)
{
    for (const TypeName& entry : kTypeNames)
        if (entry.name == text)
            return entry.type;
    bool ok = false;
    const uint number = text.toByteArray().toUInt(&ok);
    return ok ? std::optional<DWORD>(number) : std::nullopt;
}

bool keepsLiteral(char c)
{
    return c >= 0x20 && c <= 0x7E && c != '%' && c != '"' && c != '[' && c != ']';
}

void appendEscaped(QByteArray& out, QByteArrayView name)
{
    for (char c : name) {
        if (keepsLiteral(c)) {
            out += c;
        } else {
            out += '%';
            appendHexByte(out, c);
        }
    }
}

std::optional<QByteArray> unescapeName(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%') {
            if (!keepsLiteral(c))
                return std::nullopt;
            out += c;
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low < 0)
            return std::nullopt;
        out += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return out;
}

std::optional<QByteArray> hexToBytes(QByteArrayView hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    QByteArray out(hex.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < out.size(); ++i) {
        const int high = hexValue(hex[2 * i]);
        const int low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out[i] = static_cast<char>(high << 4 | low);
    }
    return out;
}

// A comment line for people reading the file: the text up to its first NUL, on one line.
QByteArray readableText(const QByteArray& gbkText)
{
    const qsizetype nul = gbkText.indexOf('\0');
    QString text = gbk::decode(nul >= 0 ? gbkText.first(nul) : gbkText);
    for (QChar& c : text)
        if (c.unicode() < 0x20)
            c = u' ';
    return text.toUtf8();
}

QString damagedName(const QString& filePath)
{
    const QString stamp = Clock::instance().now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = filePath + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = filePath + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(n);
    return candidate;
}

} // namespace

QByteArray RegistryHive::foldName(QByteArrayView name)
{
    QByteArray out = name.toByteArray();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (gbk::isLeadByte(byte)) {
            ++i; // the trail byte may look like an ASCII letter
            continue;
        }
        if (byte >= 'A' && byte <= 'Z')
            out[i] = static_cast<char>(byte + ('a' - 'A'));
    }
    return out;
}

QList<QByteArray> RegistryHive::splitPath(QByteArrayView keyPath)
{
    QList<QByteArray> parts;
    QByteArray current;
    for (qsizetype i = 0; i < keyPath.size(); ++i) {
        const char c = keyPath[i];
        if (gbk::isLeadByte(static_cast<unsigned char>(c)) && i + 1 < keyPath.size()) {
            current += c;
            current += keyPath[++i];
        } else if (c == '\\') {
            if (!current.isEmpty())
                parts.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        parts.append(current);
    return parts;
}

const RegistryHive::Key* RegistryHive::find(QByteArrayView keyPath) const
{
    const Key* key = &m_root;
    for (const QByteArray& part : splitPath(keyPath)) {
        const auto it = key->subkeys.find(foldName(part));
        if (it == key->subkeys.end())
            return nullptr;
        key = &it->second;
    }
    return key;
}

RegistryHive::Key* RegistryHive::ensure(QByteArrayView keyPath)
{
    const QList<QByteArray> parts = splitPath(keyPath);
    if (parts.size() > kMaxKeyDepth)
        return nullptr;
    Key* key = &m_root;
    for (const QByteArray& part : parts) {
        Key& child = key->subkeys[foldName(part)];
        if (child.name.isEmpty())
            child.name = part;
        key = &child;
    }
    return key;
}

RegistryHive::Key::~Key()
{
    std::vector<std::map<QByteArray, Key>> pending;
    if (!subkeys.empty())
        pending.push_back(std::move(subkeys));
    while (!pending.empty()) {
        // Each key of this level hands its subkeys on before it goes, so it goes without recursion.
        std::map<QByteArray, Key> level = std::move(pending.back());
        pending.pop_back();
        for (auto& [folded, child] : level)
            if (!child.subkeys.empty())
                pending.push_back(std::move(child.subkeys));
    }
}

bool RegistryHive::hasKey(QByteArrayView keyPath) const
{
    return find(keyPath) != nullptr;
}

bool RegistryHive::createKey(QByteArrayView keyPath)
{
    return ensure(keyPath) != nullptr;
}

std::optional<RegistryValue> RegistryHive::value(QByteArrayView keyPath, QByteArrayView valueName) const
{
    const Key* key = find(keyPath);
    if (!key)
        return std::nullopt;
    const auto it = key->values.find(foldName(valueName));
    if (it == key->values.end())
        return std::nullopt;
    return it->second.second;
}

bool RegistryHive::setValue(QByteArrayView keyPath, QByteArrayView valueName, const RegistryValue& value)
{
    Key* key = ensure(keyPath);
    if (!key)
        return false;
    putValue(*key, valueName, value);
    return true;
}

void RegistryHive::putValue(Key& key, QByteArrayView valueName, const RegistryValue& value)
{
    auto& slot = key.values[foldName(valueName)];
    if (slot.first.isEmpty())
        slot.first = valueName.toByteArray();
    slot.second = value;
}

QByteArray RegistryHive::toText() const
{
    QByteArray out = kHeader.toByteArray() + '\n';
    out += "# Key and value names escape bytes outside printable ASCII as %XX; value data are hex bytes;\n"
           "# a comment line above a string value shows its text.\n";
    // Keys in depth-first order from a stack of our own, however deep they go. A key gets a line
    // of its own only when it holds values or nothing at all: the path of a subkey brings its
    // parents back, so a chain of keys is written once, not once per level.
    struct Pending
    {
        const Key* key;
        QByteArray path;
    };
    std::vector<Pending> pending{{&m_root, QByteArray()}};
    while (!pending.empty()) {
        const Pending current = std::move(pending.back());
        pending.pop_back();
        const Key& key = *current.key;
        const bool isRoot = current.key == &m_root;
        if (!key.values.empty() || (!isRoot && key.subkeys.empty())) {
            out += '[';
            appendEscaped(out, current.path);
            out += "]\n";
            for (const auto& [folded, entry] : key.values) {
                const auto& [name, value] = entry;
                if (value.type == REG_SZ || value.type == REG_EXPAND_SZ)
                    out += "# " + readableText(value.data) + '\n';
                out += '"';
                appendEscaped(out, name);
                out += "\" ";
                appendType(out, value.type);
                out += ' ';
                for (char byte : value.data)
                    appendHexByte(out, byte);
                out += '\n';
            }
        }
        for (auto it = key.subkeys.rbegin(); it != key.subkeys.rend(); ++it)
            pending.push_back(
                {&it->second, isRoot ? it->second.name : current.path + '\\' + it->second.name});
    }
    out += kTrailer.toByteArray() + '\n';
    return out;
}

std::optional<RegistryHive> RegistryHive::fromText(QByteArrayView text, QString* error)
{
    const auto fail = [error](int line, const QString& why) -> std::optional<RegistryHive> {
        if (error)
            *error = line > 0 ? QStringLiteral("第%1行：%2").arg(line).arg(why) : why;
        return std::nullopt;
    };
    if (text.size() > kMaxFileBytes)
        return fail(0, QStringLiteral("文件超过 %1 字节的上限").arg(kMaxFileBytes));
    // Lines as views into the text, the last one after the last line end (empty when the text ends
    // with one).
    qsizetype next = 0;
    const auto nextLine = [&text, &next] {
        qsizetype end = text.indexOf('\n', next);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(next, end - next);
        next = end + 1;
        return line;
    };
    if (nextLine().trimmed() != kHeader)
        return fail(1, QStringLiteral("缺少文件头"));

    RegistryHive hive;
    Key* currentKey = nullptr; // the key of the last key line, which the value lines below it fill
    bool ended = false;
    for (int lineNumber = 2; next <= text.size(); ++lineNumber) {
        QByteArrayView line = nextLine();
        if (line.endsWith('\r'))
            line.chop(1);
        if (ended) {
            if (!line.trimmed().isEmpty())
                return fail(lineNumber, QStringLiteral("结束行之后还有内容"));
            continue;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line == kTrailer) {
            ended = true;
        } else if (line.startsWith('[') && line.endsWith(']')) {
            const auto path = unescapeName(line.sliced(1, line.size() - 2));
            if (!path)
                return fail(lineNumber, QStringLiteral("键名无法识别"));
            currentKey = hive.ensure(*path);
            if (!currentKey)
                return fail(lineNumber, QStringLiteral("键的层次超过 %1 层").arg(kMaxKeyDepth));
        } else if (line.startsWith('"')) {
            const qsizetype close = line.indexOf('"', 1);
            if (close < 0 || !currentKey)
                return fail(lineNumber, QStringLiteral("值行无法识别"));
            const auto name = unescapeName(line.sliced(1, close - 1));
            // After the name: " TYPE HEX", where HEX (and the blank before it) may be missing for
            // an empty value.
            const QByteArrayView rest = line.sliced(close + 1);
            const qsizetype space = rest.indexOf(' ', 1);
            const QByteArrayView hex = space < 0 ? QByteArrayView() : rest.sliced(space + 1);
            if (!name || !rest.startsWith(' ') || hex.contains(' '))
                return fail(lineNumber, QStringLiteral("值行无法识别"));
            const auto type = typeFromText(space < 0 ? rest.sliced(1) : rest.sliced(1, space - 1));
            const auto data = hexToBytes(hex);
            if (!type || !data)
                return fail(lineNumber, QStringLiteral("值的类型或数据无法识别"));
            putValue(*currentKey, *name, RegistryValue{*type, *data});
        } else {
            return fail(lineNumber, QStringLiteral("无法识别的行"));
        }
    }
    if (!ended)
        return fail(0, QStringLiteral("文件不完整（缺少结束行）"));
    return hive;
}

RegistryHive::LoadResult RegistryHive::load(const QString& filePath)
{
    *this = RegistryHive();
    QFile file(filePath);
    if (!file.exists())
        return {};
    QString why;
    if (file.open(QIODevice::ReadOnly)) {
        // One byte past the bound is enough to know the file is beyond it.
        const QByteArray text = file.read(kMaxFileBytes + 1);
        file.close();
        if (auto parsed = fromText(text, &why)) {
            *this = std::move(*parsed);
            return {};
        }
    } else {
        why = file.errorString();
    }

    LoadResult result;
    result.ok = false;
    const QString aside = damagedName(filePath);
    if (QFile::rename(filePath, aside)) {
        result.setAsidePath = aside;
        result.message =
            QStringLiteral("注册表文件 %1 已损坏（%2）。原文件已保留为 %3，程序将使用空的注册表继续运行。")
                .arg(filePath, why, aside);
    } else {
        result.message =
            QStringLiteral(
                "注册表文件 %1 已损坏（%2），且无法移到别处；程序将使用空的注册表继续运行，不会改写该文件。")
                .arg(filePath, why);
    }
    return result;
}

bool RegistryHive::save(const QString& filePath, QString* error) const
{
    const QByteArray text = toText();
    if (text.size() > kMaxFileBytes) {
        if (error)
            *error = QStringLiteral("注册表超过 %1 字节的上限").arg(kMaxFileBytes);
        return false;
    }
    return writeFileAtomically(filePath, text, error);
}

} // namespace platform
