#include "data/sources.h"

#include "platform/gbk.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QtNumeric>
#include <algorithm>
#include <limits>
#include <optional>

namespace datagen {

bool readFile(const QString& path, QByteArray* contents, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    *contents = file.readAll();
    return true;
}

bool readBzip2File(const QString& path, QByteArray* contents, QString* error)
{
    if (!QFile::exists(path)) {
        *error = QStringLiteral("missing %1").arg(path);
        return false;
    }
    QProcess bzip2;
    bzip2.start(QStringLiteral("bzip2"), {QStringLiteral("-dc"), path});
    if (!bzip2.waitForStarted()) {
        *error = QStringLiteral("cannot run bzip2: %1").arg(bzip2.errorString());
        return false;
    }
    bzip2.closeWriteChannel();
    bzip2.waitForFinished(-1);
    if (bzip2.exitStatus() != QProcess::NormalExit || bzip2.exitCode() != 0) {
        *error = QStringLiteral("bzip2 failed on %1: %2")
                     .arg(path, QString::fromLocal8Bit(bzip2.readAllStandardError()));
        return false;
    }
    *contents = bzip2.readAllStandardOutput();
    return true;
}

bool isGbkCharacter(QStringView character)
{
    if (character.size() != 1 || !platform::gbk::canEncode(character))
        return false;
    const QByteArray bytes = platform::gbk::encode(character);
    return bytes.size() == 2 && platform::gbk::isLeadByte(static_cast<unsigned char>(bytes[0]));
}

bool isSimplifiedSetCharacter(QStringView character)
{
    if (!isGbkCharacter(character))
        return false;
    const QByteArray bytes = platform::gbk::encode(character);
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const auto trail = static_cast<unsigned char>(bytes[1]);
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

QByteArray toGbk(QStringView text)
{
    Q_ASSERT(platform::gbk::canEncode(text));
    return platform::gbk::encode(text);
}

namespace {

bool isCornerValue(const QByteArray& value)
{
    // "dddd" or "dddd.d"
    if (value.size() != 4 && value.size() != 6)
        return false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const bool digit = value[i] >= '0' && value[i] <= '9';
        if (i == 4 ? value[i] != '.' : !digit)
            return false;
    }
    return true;
}

// The fields of the Unihan lines that give `field`.
QList<QList<QByteArray>> unihanLines(const QByteArray& text, const QByteArray& field)
{
    const QByteArray marker = '\t' + field + '\t';
    QList<QList<QByteArray>> lines;
    for (const QByteArray& line : text.split('\n')) {
        if (!line.startsWith("U+") || !line.contains(marker))
            continue;
        QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 3 && fields[1] == field)
            lines.append(fields);
    }
    return lines;
}

// "U+4E2D" -> the character; empty when malformed.
QString characterOf(const QByteArray& codePointText)
{
    bool ok = false;
    const char32_t codePoint = codePointText.mid(2).toUInt(&ok, 16);
    return ok && codePointText.startsWith("U+") ? QString::fromUcs4(&codePoint, 1) : QString();
}

} // namespace

QList<FourCornerCode> parseFourCornerCodes(const QByteArray& unihanText)
{
    QList<FourCornerCode> codes;
    for (const QList<QByteArray>& fields : unihanLines(unihanText, "kFourCornerCode")) {
        const QByteArray value = fields[2].trimmed().split(' ').first();
        const QString character = characterOf(fields[0]);
        if (!isCornerValue(value) || !isGbkCharacter(character))
            continue;
        QString digits = QString::fromLatin1(value.first(4));
        digits += value.size() == 6 ? QLatin1Char(value[5]) : QLatin1Char('0');
        codes.append({character, digits});
    }
    std::sort(codes.begin(), codes.end(),
              [](const FourCornerCode& a, const FourCornerCode& b) { return a.character < b.character; });
    return codes;
}

namespace {

// Character -> the characters a Unihan field lists for it ("U+70BA<kHKGlyph" gives U+70BA).
QMap<QString, QStringList> variantLists(const QByteArray& text, const QByteArray& field)
{
    QMap<QString, QStringList> lists;
    for (const QList<QByteArray>& fields : unihanLines(text, field)) {
        const QString from = characterOf(fields[0]);
        for (const QByteArray& value : fields[2].trimmed().split(' ')) {
            const QString to = characterOf(value.split('<').first());
            if (!from.isEmpty() && !to.isEmpty())
                lists[from].append(to);
        }
    }
    return lists;
}

} // namespace

QHash<QString, QString> parseSimplifiedVariants(const QByteArray& unihanVariantsText)
{
    const QMap<QString, QStringList> simplifiedForms = variantLists(unihanVariantsText, "kSimplifiedVariant");
    QMap<QString, QStringList> variants = variantLists(unihanVariantsText, "kSemanticVariant");
    const QMap<QString, QStringList> zVariants = variantLists(unihanVariantsText, "kZVariant");
    for (auto it = zVariants.cbegin(); it != zVariants.cend(); ++it)
        variants[it.key()] += it.value();

    QStringList characters = simplifiedForms.keys() + variants.keys();
    characters.removeDuplicates();
    QHash<QString, QString> simplified;
    for (const QString& character : characters) {
        const QString first = simplifiedForms.value(character).value(0, character);
        QString chosen = isSimplifiedSetCharacter(first) ? first : QString();
        QStringList candidates = simplifiedForms.value(character);
        for (const QString& variant : variants.value(character))
            candidates += QStringList{variant} + simplifiedForms.value(variant);
        for (qsizetype i = 0; chosen.isEmpty() && i < candidates.size(); ++i) {
            if (isSimplifiedSetCharacter(candidates[i]))
                chosen = candidates[i];
        }
        if (chosen.isEmpty())
            chosen = first;
        if (chosen != character && isGbkCharacter(chosen))
            simplified.insert(character, chosen);
    }
    return simplified;
}

namespace {

bool isNoise(QStringView text)
{
    // Characters that only make sounds; two or more of them make laughter or a filler.
    static const QString interjections = QStringLiteral("呵哈嘿嘻嗯哦啊呀哇嘛");
    // Words that forum pages repeat around every post, and their swearing.
    static const QStringList boilerplate = {
        QStringLiteral("回复日期"), QStringLiteral("语言文明"), QStringLiteral("发表言论"),
        QStringLiteral("举报电话"), QStringLiteral("尊重网上"), QStringLiteral("本人的观点"),
        QStringLiteral("他妈的"),
    };
    if (text.size() < 2)
        return false;
    if (std::all_of(text.begin(), text.end(), [&](QChar c) { return interjections.contains(c); }))
        return true;
    if (text.size() >= 3 && text.count(text.front()) == text.size())
        return true;
    return boilerplate.contains(text);
}

// The frequency field: digits only, clamped to kMaxFrequency; nothing for anything else.
std::optional<qint64> frequencyOf(const QByteArray& field)
{
    if (field.isEmpty())
        return std::nullopt;
    for (char c : field)
        if (c < '0' || c > '9')
            return std::nullopt;
    bool fits = false;
    const qulonglong value = field.toULongLong(&fits);
    return fits && value < qulonglong(kMaxFrequency) ? qint64(value) : kMaxFrequency;
}

void addFrequency(qint64& sum, qint64 frequency)
{
    if (qAddOverflow(sum, frequency, &sum))
        sum = std::numeric_limits<qint64>::max();
}

} // namespace

Essay parseEssay(const QByteArray& essayText, const QHash<QString, QString>& simplified)
{
    Essay essay;
    QHash<QString, qint64> wordFrequency;
    for (const QByteArray& line : essayText.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        const std::optional<qint64> frequency = frequencyOf(line.mid(tab + 1).trimmed());
        if (!frequency)
            continue;
        QString text;
        for (const char32_t codePoint : QString::fromUtf8(line.first(tab)).toUcs4()) {
            const QString character = QString::fromUcs4(&codePoint, 1);
            text += simplified.value(character, character);
        }
        if (isNoise(text))
            continue;
        // A character counts wherever it appears, alone or inside a word.
        for (QChar character : text)
            addFrequency(essay.characterFrequency[QString(character)], *frequency);
        if (text.size() > 1)
            addFrequency(wordFrequency[text], *frequency);
    }
    essay.words.reserve(wordFrequency.size());
    for (auto it = wordFrequency.cbegin(); it != wordFrequency.cend(); ++it)
        essay.words.append({it.key(), it.value()});
    std::sort(essay.words.begin(), essay.words.end(), [](const Word& a, const Word& b) {
        return a.frequency != b.frequency ? a.frequency > b.frequency : a.text < b.text;
    });
    return essay;
}

} // namespace datagen
