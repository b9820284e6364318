// The staged code database, read through the sqlite3 client: tables, fields, row counts, codes.
#include "platform/gbk.h"
#include "platform/ime/composer.h"
#include "platform/ime/imefiles.h"
#include "tests/data/expectedtexts.h"
#include "tests/data/sqliteclient.h"
#include "tests/data/stageddata.h"

#include <QImage>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace datatests;

namespace {

QJsonArray rows(const QString& sql)
{
    bool ok = false;
    const QJsonArray result = queryRows(stagedDatabase(), sql, &ok);
    EXPECT_TRUE(ok) << sql.toStdString();
    return result;
}

QStringList column(const QString& sql, const QString& name)
{
    QStringList values;
    for (const QJsonValue& row : rows(sql))
        values.append(row.toObject().value(name).toVariant().toString());
    return values;
}

struct TableCase
{
    const char* table;
    const char* fields; // in order, comma-separated
    int minimumRows;    // a page of the reader's size needs this many
    friend void PrintTo(const TableCase& c, std::ostream* os) { *os << c.table; }
};

using TableTest = ::testing::TestWithParam<TableCase>;

const TableCase kTables[] = {
    {"TabelName", "showname", 10},
    {"temp", "number,bianma,wenzhi", 0},
    {"jiandan", "bianma,wenzhi,number", 33},
    {"Zi1jm", "bianma,wenzhi,number", 33},
    {"Zi2jm", "bianma,wenzhi,number", 33},
    {"Ci1jm", "bianma,wenzhi,number", 17},
    {"Ci2jm", "bianma,wenzhi,number", 17},
    {"Ci2", "bianma,wenzhi,number", 17},
    {"Ci3", "bianma,wenzhi,number", 13},
    {"Ci4", "bianma,wenzhi,number", 9},
    {"Cid", "bianma,wenzhi,number", 5},
    {"playziku", "bianma,wenzhi,number", 1},
    {"bixing", "picture,bianma", 33},
    {"ColorZi", "picture,bianma", 33},
    {"skeyboard", "bianma", 6},
    {"TestArticle", "title,wenzhang,number", 3},
};

TEST_P(TableTest, HasItsFieldsInOrder)
{
    const QStringList names = column(
        QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(GetParam().table)), QStringLiteral("name"));
    EXPECT_EQ(names.join(u','), QLatin1String(GetParam().fields));
}

TEST_P(TableTest, HoldsEnoughRowsForItsReader)
{
    const QStringList count =
        column(QStringLiteral("SELECT count(*) AS n FROM %1").arg(QLatin1String(GetParam().table)),
               QStringLiteral("n"));
    ASSERT_EQ(count.size(), 1);
    EXPECT_GE(count.first().toInt(), GetParam().minimumRows);
}

INSTANTIATE_TEST_SUITE_P(AllTables, TableTest, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.table); });

class NumberedTableTest : public TableTest
{
};

std::vector<TableCase> numberedTables()
{
    std::vector<TableCase> tables;
    for (const TableCase& table : kTables) {
        if (QLatin1String(table.fields).contains(QLatin1String("number")))
            tables.push_back(table);
    }
    return tables;
}

TEST_P(NumberedTableTest, NumbersAreDenseInNaturalOrder)
{
    const QStringList numbers =
        column(QStringLiteral("SELECT number FROM %1 ORDER BY rowid").arg(QLatin1String(GetParam().table)),
               QStringLiteral("number"));
    for (qsizetype i = 0; i < numbers.size(); ++i)
        ASSERT_EQ(numbers[i], QString::number(i + 1)) << "row " << i;
}

INSTANTIATE_TEST_SUITE_P(AllTables, NumberedTableTest, ::testing::ValuesIn(numberedTables()),
                         [](const auto& info) { return std::string(info.param.table); });

TEST(LessonDatabase, TableNamesMatchWithoutRegardToCase)
{
    const QStringList a =
        column(QStringLiteral("SELECT wenzhi FROM ci2jm ORDER BY rowid"), QStringLiteral("wenzhi"));
    const QStringList b =
        column(QStringLiteral("SELECT wenzhi FROM Ci2jm ORDER BY rowid"), QStringLiteral("wenzhi"));
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a, b);
}

TEST(LessonDatabase, CatalogueListsEveryCodeBookInOrder)
{
    QStringList expected;
    for (const auto& [showname, table] : catalogueMap())
        expected.append(showname);
    EXPECT_EQ(
        column(QStringLiteral("SELECT showname FROM TabelName ORDER BY rowid"), QStringLiteral("showname")),
        expected);
}

TEST(LessonDatabase, ScratchTableIsEmpty)
{
    EXPECT_TRUE(rows(QStringLiteral("SELECT * FROM temp")).isEmpty());
}

TEST(LessonDatabase, ArticlesAreLongerThanTwentyCharactersWithoutSpaces)
{
    const QJsonArray articles =
        rows(QStringLiteral("SELECT title, wenzhang FROM TestArticle ORDER BY rowid"));
    for (const QJsonValue& article : articles) {
        const QString text = article.toObject().value(QStringLiteral("wenzhang")).toString();
        EXPECT_FALSE(article.toObject().value(QStringLiteral("title")).toString().isEmpty());
        EXPECT_GT(text.size(), 20);
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[\\s\\x00-\\x1F]"))));
    }
}

TEST(LessonDatabase, KeypadSequencesAreOneToSixKeysThatCanBeTyped)
{
    // "/" and "*" end an answer in the keypad drill, so a sequence cannot hold them.
    const QRegularExpression keys(QStringLiteral("^[0-9+.\\-]{1,6}$"));
    for (const QString& sequence :
         column(QStringLiteral("SELECT bianma FROM skeyboard"), QStringLiteral("bianma")))
        EXPECT_TRUE(keys.match(sequence).hasMatch()) << sequence.toStdString();
}

// Code books: the code length each lesson promises, the length its drill judges, codes the input
// method knows, and the share of rows that typing the code gives: the code, Down `downs` times
// (a word's short code lists the character that shares it first), then Space.
struct CodeBookCase
{
    const char* table;
    int minCodeDigits, maxCodeDigits;
    int minLength, maxLength;
    int downs;
    double minimumShare;
    friend void PrintTo(const CodeBookCase& c, std::ostream* os) { *os << c.table; }
};

using CodeBookTest = ::testing::TestWithParam<CodeBookCase>;

// A code book's rows as (code, text).
QList<std::pair<QString, QString>> codedRows(const char* table)
{
    QList<std::pair<QString, QString>> result;
    for (const QJsonValue& row :
         rows(QStringLiteral("SELECT bianma, wenzhi FROM %1").arg(QLatin1String(table))))
        result.append({row.toObject().value(QStringLiteral("bianma")).toString(),
                       row.toObject().value(QStringLiteral("wenzhi")).toString()});
    return result;
}

const CodeBookCase kCodeBooks[] = {
    {"jiandan", 3, 6, 1, 1, 0, 1},   {"Zi1jm", 1, 1, 1, 1, 0, 1},  {"Zi2jm", 2, 2, 1, 1, 0, 1},
    {"Ci1jm", 1, 1, 2, 2, 1, 1},     {"Ci2jm", 2, 2, 2, 2, 1, 1},  {"Ci2", 3, 6, 2, 2, 0, 0.95},
    {"Ci3", 3, 6, 3, 3, 0, 0.95},    {"Ci4", 3, 6, 4, 4, 0, 0.95}, {"Cid", 3, 6, 5, 25, 0, 0.95},
    {"playziku", 1, 6, 1, 25, 0, 1},
};

TEST_P(CodeBookTest, RowsHaveCodesAndLengthsOfTheLessonsKindAndNoNoise)
{
    const CodeBookCase& c = GetParam();
    const QRegularExpression digits(
        QStringLiteral("^[0-9]{%1,%2}$").arg(c.minCodeDigits).arg(c.maxCodeDigits));
    for (const auto& [code, text] : codedRows(c.table)) {
        EXPECT_TRUE(digits.match(code).hasMatch()) << code.toStdString();
        EXPECT_GE(text.size(), c.minLength) << text.toStdString();
        EXPECT_LE(text.size(), c.maxLength) << text.toStdString();
        EXPECT_NE(text, QStringLiteral("回复日期"));
        EXPECT_NE(text, QStringLiteral("呵呵"));
        // Only characters of the simplified set, which GB 2312 holds (no leftover such as 遊).
        QStringEncoder gb2312("GB2312");
        const QByteArray bytes = gb2312(text);
        EXPECT_TRUE(!gb2312.hasError() && bytes.size() == text.size() * 2) << text.toStdString();
    }
}

TEST_P(CodeBookTest, EveryRowCanBeTypedWithItsCode)
{
    const StagedCodeFile& codes = stagedCodeFile();
    ASSERT_TRUE(codes.error.isEmpty()) << codes.error.toStdString();
    const auto book = codedRows(GetParam().table);
    ASSERT_FALSE(book.isEmpty());
    for (const auto& [code, text] : book)
        EXPECT_TRUE(codes.holds(code, text)) << code.toStdString() << " " << text.toStdString();
}

// What the input method's engine commits for the code, `downs` presses of Down and Space.
QString typeCode(const platform::ime::CodeTable& table, const QString& code, int downs)
{
    using namespace platform::ime;
    Composer composer(&table);
    for (QChar digit : code) {
        if (const KeyOutcome typed = composer.processKey(ComposerKey::ofDigit(digit.digitValue()));
            typed.commit)
            return platform::gbk::decode(typed.commit->text);
    }
    for (int i = 0; i < downs; ++i)
        composer.processKey(ComposerKey::of(ComposerKey::Kind::Down));
    const KeyOutcome chosen = composer.processKey(ComposerKey::of(ComposerKey::Kind::Commit));
    return chosen.commit ? platform::gbk::decode(chosen.commit->text) : QString();
}

TEST_P(CodeBookTest, TheShownCodeGivesTheItem)
{
    static const platform::ime::LoadedTable loaded = platform::ime::loadCodeTable(stagedSystemFile({}));
    ASSERT_TRUE(loaded.table);
    const auto book = codedRows(GetParam().table);
    QStringList missed;
    for (const auto& [code, text] : book) {
        if (typeCode(*loaded.table, code, GetParam().downs) != text)
            missed.append(code + u' ' + text);
    }
    const double share = 1.0 - double(missed.size()) / double(std::max<qsizetype>(1, book.size()));
    RecordProperty("share", QString::number(share, 'f', 3).toStdString());
    EXPECT_GE(share, GetParam().minimumShare) << missed.join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(CodeBooks, CodeBookTest, ::testing::ValuesIn(kCodeBooks),
                         [](const auto& info) { return std::string(info.param.table); });

// Pictures: PNG data that shows the character, with the answer marked in colour.
QList<QPair<QImage, QString>> pictures(const char* table)
{
    QList<QPair<QImage, QString>> result;
    for (const QJsonValue& row :
         rows(QStringLiteral("SELECT hex(picture) AS png, bianma FROM %1").arg(QLatin1String(table)))) {
        QImage image;
        image.loadFromData(
            QByteArray::fromHex(row.toObject().value(QStringLiteral("png")).toString().toLatin1()), "PNG");
        result.append({image, row.toObject().value(QStringLiteral("bianma")).toString()});
    }
    return result;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 160 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool isColoured(QRgb pixel)
{
    const QColor colour(pixel);
    return colour.hsvSaturation() > 150 && colour.value() > 100;
}

TEST(Pictures, StrokeShapesMarkOneCornerInRedAndAskForOneDigit)
{
    const auto items = pictures("bixing");
    ASSERT_FALSE(items.isEmpty());
    QSet<QString> answers;
    for (const auto& [image, answer] : items) {
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]$")).match(answer).hasMatch());
        answers.insert(answer);
        QRect red;
        bool grey = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (isRed(pixel))
                    red |= QRect(x, y, 1, 1);
                grey = grey || (qGray(pixel) < 200 && !isColoured(pixel));
            }
        }
        EXPECT_TRUE(grey) << "the rest of the character is drawn";
        ASSERT_FALSE(red.isEmpty()) << "a corner is marked";
        // The mark stays within one quadrant.
        EXPECT_TRUE(red.right() < image.width() / 2 || red.left() >= image.width() / 2);
        EXPECT_TRUE(red.bottom() < image.height() / 2 || red.top() >= image.height() / 2);
    }
    EXPECT_EQ(answers.size(), 10) << "every stroke-shape digit is practised";
}

TEST(Pictures, ColourCharactersShowSeveralColoursAndAskForTheCode)
{
    const StagedCodeFile& codes = stagedCodeFile();
    QSet<QByteArray> characterCodes;
    for (const CodedText& entry : codes.file.characters)
        characterCodes.insert(entry.code);
    const auto items = pictures("ColorZi");
    ASSERT_FALSE(items.isEmpty());
    for (const auto& [image, answer] : items) {
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(characterCodes.contains(answer.toLatin1())) << answer.toStdString();
        QSet<int> hues;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (isColoured(image.pixel(x, y)))
                    hues.insert(QColor(image.pixel(x, y)).hsvHue() / 30);
            }
        }
        EXPECT_GE(hues.size(), 4);
    }
}

} // namespace
