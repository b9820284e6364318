#include "platform/registry.h"

#include "platform/clock.h"
#include "platform/gbk.h"
#include "platform/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cctype>

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

QByteArray typeToText(DWORD type)
{
    for (const TypeName& entry : kTypeNames)
        if (entry.type == type)
            return entry.name.toByteArray();
    return QByteArray::number(type);
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

QByteArray escapeName(QByteArrayView name)
{
    QByteArray out;
    for (char c : name) {
        if (keepsLiteral(c))
            out += c;
        else
            out +=
                '%' + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0').toUpper();
    }
    return out;
}

std::optional<QByteArray> unescapeName(QByteArrayView text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%') {
            if (!keepsLiteral(c))
                return std::nullopt;
            out += c;
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        bool ok = false;
        const uint byte = text.sliced(i + 1, 2).toByteArray().toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        out += static_cast<char>(byte);
        i += 2;
    }
    return out;
}

std::optional<QByteArray> hexToBytes(QByteArrayView hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return QByteArray::fromHex(hex.toByteArray());
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

RegistryHive::Key& RegistryHive::ensure(QByteArrayView keyPath)
{
    Key* key = &m_root;
    for (const QByteArray& part : splitPath(keyPath)) {
        Key& child = key->subkeys[foldName(part)];
        if (child.name.isEmpty())
            child.name = part;
        key = &child;
    }
    return *key;
}

bool RegistryHive::hasKey(QByteArrayView keyPath) const
{
    return find(keyPath) != nullptr;
}

void RegistryHive::createKey(QByteArrayView keyPath)
{
    ensure(keyPath);
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

void RegistryHive::setValue(QByteArrayView keyPath, QByteArrayView valueName, const RegistryValue& value)
{
    auto& slot = ensure(keyPath).values[foldName(valueName)];
    if (slot.first.isEmpty())
        slot.first = valueName.toByteArray();
    slot.second = value;
}

void RegistryHive::writeKey(QByteArray& out, const QByteArray& path, const Key& key, bool isRoot)
{
    if (!isRoot || !key.values.empty()) {
        out += '[' + escapeName(path) + "]\n";
        for (const auto& [folded, entry] : key.values) {
            const auto& [name, value] = entry;
            if (value.type == REG_SZ || value.type == REG_EXPAND_SZ)
                out += "# " + readableText(value.data) + '\n';
            out += '"' + escapeName(name) + "\" " + typeToText(value.type) + ' ' +
                   value.data.toHex().toUpper() + '\n';
        }
    }
    for (const auto& [folded, child] : key.subkeys)
        writeKey(out, isRoot ? child.name : path + '\\' + child.name, child, false);
}

QByteArray RegistryHive::toText() const
{
    QByteArray out = kHeader.toByteArray() + '\n';
    out += "# Key and value names escape bytes outside printable ASCII as %XX; value data are hex bytes;\n"
           "# a comment line above a string value shows its text.\n";
    writeKey(out, QByteArray(), m_root, true);
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
    const QList<QByteArray> lines = text.toByteArray().split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kHeader)
        return fail(1, QStringLiteral("缺少文件头"));

    RegistryHive hive;
    std::optional<QByteArray> currentKey;
    bool ended = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        QByteArray line = lines[i];
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
            currentKey = unescapeName(QByteArrayView(line).sliced(1, line.size() - 2));
            if (!currentKey)
                return fail(lineNumber, QStringLiteral("键名无法识别"));
            hive.createKey(*currentKey);
        } else if (line.startsWith('"')) {
            const qsizetype close = line.indexOf('"', 1);
            if (close < 0 || !currentKey)
                return fail(lineNumber, QStringLiteral("值行无法识别"));
            const auto name = unescapeName(QByteArrayView(line).sliced(1, close - 1));
            // After the name: " TYPE HEX", where HEX is empty for an empty value.
            const QList<QByteArray> rest = line.mid(close + 1).split(' ');
            if (!name || rest.size() < 2 || rest.size() > 3 || !rest[0].isEmpty())
                return fail(lineNumber, QStringLiteral("值行无法识别"));
            const auto type = typeFromText(rest[1]);
            const auto data = hexToBytes(rest.size() == 3 ? rest[2] : QByteArray());
            if (!type || !data)
                return fail(lineNumber, QStringLiteral("值的类型或数据无法识别"));
            hive.setValue(*currentKey, *name, RegistryValue{*type, *data});
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
        const QByteArray text = file.readAll();
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
    // The user folder may not exist before the first setting is written.
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    return writeWholeFile(filePath, toText(), error);
}

} // namespace platform
