// The staged lessons typed through the input method's own engine: the code a drill shows, then
// Space (after Down where a character leads a word's short code), gives the item.
#include "platform/gbk.h"
#include "platform/ime/composer.h"
#include "platform/ime/imefiles.h"
#include "tests/data/sqliteclient.h"
#include "tests/data/stageddata.h"

#include <QJsonObject>
#include <gtest/gtest.h>

using namespace datatests;
using namespace platform::ime;

namespace {

const CodeTable& stagedTable()
{
    static const LoadedTable loaded = loadCodeTable(stagedSystemFile({}));
    return *loaded.table;
}

// What the engine commits for the code followed by `downs` presses of Down and Space.
QString typeCode(const QString& code, int downs)
{
    Composer composer(&stagedTable());
    for (QChar digit : code) {
        const KeyOutcome outcome = composer.processKey(ComposerKey::ofDigit(digit.digitValue()));
        if (outcome.commit)
            return platform::gbk::decode(outcome.commit->text);
    }
    for (int i = 0; i < downs; ++i)
        composer.processKey(ComposerKey::of(ComposerKey::Kind::Down));
    const KeyOutcome outcome = composer.processKey(ComposerKey::of(ComposerKey::Kind::Commit));
    return outcome.commit ? platform::gbk::decode(outcome.commit->text) : QString();
}

struct LessonCase
{
    const char* table;
    int downs;           // a word's short code is led by the character that shares it
    double minimumShare; // of rows that the code gives
};

void PrintTo(const LessonCase& c, std::ostream* os)
{
    *os << c.table;
}

class LessonAnswerTest : public ::testing::TestWithParam<LessonCase>
{
};

TEST_P(LessonAnswerTest, TheShownCodeGivesTheItem)
{
    ASSERT_FALSE(stagedTable().entries().empty());
    bool ok = false;
    const QJsonArray rows =
        queryRows(stagedDatabase(),
                  QStringLiteral("SELECT bianma, wenzhi FROM %1").arg(QLatin1String(GetParam().table)), &ok);
    ASSERT_TRUE(ok && !rows.isEmpty());
    QStringList missed;
    for (const QJsonValue& row : rows) {
        const QString code = row.toObject().value(QStringLiteral("bianma")).toString();
        const QString item = row.toObject().value(QStringLiteral("wenzhi")).toString();
        if (typeCode(code, GetParam().downs) != item)
            missed.append(code + u' ' + item);
    }
    const double share = 1.0 - double(missed.size()) / double(rows.size());
    RecordProperty("share", QString::number(share, 'f', 3).toStdString());
    EXPECT_GE(share, GetParam().minimumShare) << missed.join(u',').toStdString();
}

// A word lesson may hold a few words that another entry of their code comes before; the
// character lessons and the short-code word lessons none.
const LessonCase kLessons[] = {
    {"jiandan", 0, 1.0}, {"Zi1jm", 0, 1.0}, {"Zi2jm", 0, 1.0}, {"Ci1jm", 1, 1.0}, {"Ci2jm", 1, 1.0},
    {"Ci2", 0, 0.95},    {"Ci3", 0, 0.95},  {"Ci4", 0, 0.95},  {"Cid", 0, 0.95},
};

INSTANTIATE_TEST_SUITE_P(Lessons, LessonAnswerTest, ::testing::ValuesIn(kLessons),
                         [](const auto& info) { return std::string(info.param.table); });

} // namespace
