// Readers of the Debian data files the sample data is made from: the Unihan four-corner codes and
// the rime-essay word frequencies.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace datagen {

struct FourCornerCode
{
    QString character; // one character with a two-byte GBK form
    QString digits;    // the four corner digits, then the supplementary digit
};

struct Word
{
    QString text;
    qint64 frequency = 0;
};

struct Essay
{
    QHash<QString, qint64> characterFrequency; // summed over every entry that holds the character
    QList<Word> words;                         // two or more characters; most frequent first, ties by text
};

bool readFile(const QString& path, QByteArray* contents, QString* error);
// Decompresses through "bzip2 -dc", which every Debian system has.
bool readBzip2File(const QString& path, QByteArray* contents, QString* error);

// Lines "U+4E2D<TAB>kFourCornerCode<TAB>5000.6"; of several values the first counts, and a value
// without a supplementary digit gets 0. Characters GBK cannot hold are left out. Code point order.
QList<FourCornerCode> parseFourCornerCodes(const QByteArray& unihanText);
// Traditional character -> simplified one, from the Unihan variants ("kSimplifiedVariant",
// "kSemanticVariant", "kZVariant"): the first listed simplified form when the simplified set
// (GB 2312) holds it, else the first of the simplified forms, the variants and their simplified
// forms that it holds. Characters that stay as they are have no entry.
QHash<QString, QString> parseSimplifiedVariants(const QByteArray& unihanVariantsText);
// Frequencies are whole numbers up to this one: a larger one counts as this, and a sum stops at
// the largest number it can hold, so no list, however made, makes a sum run over.
inline constexpr qint64 kMaxFrequency = 1'000'000'000'000;

// Lines "word<TAB>frequency". The list is written in traditional characters; each character is
// turned into its simplified form, and entries that become the same are added up. A line whose
// frequency is not plain digits (negative, empty, text) is left out, and so is noise of the web pages
// the list was counted from, characters included: entries that are no words to teach, such as a
// character written three or more times over ("顶顶顶顶"), laughter and fillers ("呵呵", "哈哈哈"),
// and the boilerplate and swearing of forum pages ("回复日期").
Essay parseEssay(const QByteArray& essayText, const QHash<QString, QString>& simplified);

// True for one character that GBK holds as a lead and a trail byte.
bool isGbkCharacter(QStringView character);
// True for a character of the simplified set that GBK begins with (GB 2312's characters).
bool isSimplifiedSetCharacter(QStringView character);
// The GBK bytes of text that GBK holds entirely (callers make sure it does).
QByteArray toGbk(QStringView text);

} // namespace datagen
