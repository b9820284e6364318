#include "tests/data/imefilereader.h"

#include <QtEndian>

namespace datatests {

int decodePackedCode(const char* threeBytes, QByteArray* digits)
{
    digits->clear();
    for (int i = 0; i < 6; ++i) {
        const auto byte = static_cast<unsigned char>(threeBytes[i / 2]);
        const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (nibble > 9)
            return i == 0 ? -1 : i;
        digits->append(static_cast<char>('0' + nibble));
    }
    return 6;
}

bool isDoubleByteText(const QByteArray& text)
{
    if (text.isEmpty() || text.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < text.size(); i += 2) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F)
            return false;
    }
    return true;
}

namespace {

bool fail(QString* error, const QString& message, qsizetype offset)
{
    *error = QStringLiteral("%1 at offset %2").arg(message).arg(offset);
    return false;
}

// One section [begin, begin + length): groups of a code and entries. Characters are single
// two-byte slots; words run to 0xFF and the group ends with a second 0xFF.
bool readSection(const QByteArray& file, qsizetype begin, qsizetype length, bool words, QList<CodedText>* out,
                 QString* error)
{
    qsizetype pos = 0;
    const auto at = [&](qsizetype p) { return static_cast<unsigned char>(file[begin + p]); };
    while (pos < length) {
        if (pos + 3 > length)
            return fail(error, QStringLiteral("code cut off"), begin + pos);
        QByteArray code;
        if (decodePackedCode(file.constData() + begin + pos, &code) < 1)
            return fail(error, QStringLiteral("bad packed code"), begin + pos);
        pos += 3;
        if (!words) {
            while (pos < length && at(pos) != 0xFF) {
                if (pos + 2 > length)
                    return fail(error, QStringLiteral("character cut off"), begin + pos);
                out->append({code, file.mid(begin + pos, 2)});
                pos += 2;
            }
            if (pos >= length)
                return fail(error, QStringLiteral("group without its 0xFF"), begin + pos);
            pos += 1;
            continue;
        }
        // Each word runs to its 0xFF; a further 0xFF right after it ends the group.
        while (true) {
            const qsizetype found = file.indexOf('\xFF', begin + pos);
            const qsizetype end = found < 0 ? -1 : found - begin;
            if (end < 0 || end >= length)
                return fail(error, QStringLiteral("word without its 0xFF"), begin + pos);
            if (end == pos)
                return fail(error, QStringLiteral("empty word"), begin + pos);
            out->append({code, file.mid(begin + pos, end - pos)});
            pos = end + 1;
            if (pos >= length)
                return fail(error, QStringLiteral("group without its closing 0xFF"), begin + pos);
            if (at(pos) == 0xFF) {
                pos += 1;
                break;
            }
        }
    }
    if (pos != length)
        return fail(error, QStringLiteral("section overran its length"), begin + pos);
    return true;
}

} // namespace

bool readCodeFile(const QByteArray& file, CodeFile* result, QString* error)
{
    if (file.size() < 0x20)
        return fail(error, QStringLiteral("file shorter than its header"), file.size());
    const auto value = [&](qsizetype offset) {
        return qFromLittleEndian<quint32>(file.constData() + offset);
    };
    result->a = value(0x10);
    result->b = value(0x14);
    result->c = value(0x18);
    result->d = value(0x1C);
    const qint64 characterStart = 0x20 + qint64(result->a) + result->b;
    const qint64 wordStart = characterStart + result->c;
    if (wordStart + result->d != file.size())
        return fail(error, QStringLiteral("header lengths do not add up to the file size"), file.size());
    return readSection(file, characterStart, result->c, false, &result->characters, error) &&
           readSection(file, wordStart, result->d, true, &result->words, error);
}

bool readUserWordFile(const QByteArray& file, QList<CodedText>* result, QString* error)
{
    qsizetype pos = 0;
    while (true) {
        if (pos + 2 > file.size())
            return fail(error, QStringLiteral("list without its closing empty line"), pos);
        if (file[pos + 1] == '\n')
            break;
        if (pos + 6 > file.size())
            return fail(error, QStringLiteral("code field cut off"), pos);
        QByteArray ignored;
        const int k = (decodePackedCode(file.constData() + pos, &ignored) +
                       decodePackedCode(file.constData() + pos + 3, &ignored)) /
                      2;
        if (k < 1)
            return fail(error, QStringLiteral("code field gives no code text"), pos);
        QByteArray code = file.mid(pos, k);
        code.truncate(code.indexOf('\0') < 0 ? code.size() : code.indexOf('\0'));
        const qsizetype end = file.indexOf("\r\n", pos + 6);
        if (end < 0)
            return fail(error, QStringLiteral("entry without CR LF"), pos);
        if (end == pos + 6)
            return fail(error, QStringLiteral("entry with an empty word"), pos);
        result->append({code, file.mid(pos + 6, end - pos - 6)});
        pos = end + 2;
    }
    if (pos + 2 != file.size() || file[pos] != '\r')
        return fail(error, QStringLiteral("bytes after the closing empty line"), pos);
    return true;
}

bool readWordList(const QByteArray& file, QList<QByteArray>* result, QString* error)
{
    qsizetype pos = 0;
    while (true) {
        if (pos + 2 > file.size())
            return fail(error, QStringLiteral("list without its closing empty line"), pos);
        if (file[pos + 1] == '\n')
            break;
        const qsizetype end = file.indexOf("\r\n", pos);
        if (end < 0)
            return fail(error, QStringLiteral("line without CR LF"), pos);
        result->append(file.mid(pos, end - pos));
        pos = end + 2;
    }
    if (pos + 2 != file.size() || file[pos] != '\r')
        return fail(error, QStringLiteral("bytes after the closing empty line"), pos);
    return true;
}

} // namespace datatests
