// The catalogue map that the generator writes and the maintenance window reads.
#include "shell/codebookcatalogue.h"
#include "tests/data/expectedtexts.h"

#include <gtest/gtest.h>

using datatests::catalogueMap;

TEST(CodeBookCatalogue, MapsEachDisplayNameToItsBook)
{
    QStringList got;
    for (const shell::CodeBook& book : shell::codeBookCatalogue())
        got << book.showname + u'=' + book.table;
    QStringList expected;
    for (const auto& [showname, table] : catalogueMap()) {
        expected << showname + u'=' + table;
        EXPECT_EQ(shell::codeBookTable(showname).value_or(QString()).toStdString(), table.toStdString());
    }
    EXPECT_EQ(got.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

TEST(CodeBookCatalogue, MatchesOnlyTheWholeExactName)
{
    for (const QString& name : {QStringLiteral("单字训练 "), QStringLiteral("单字"),
                                QStringLiteral("jiandan"), QStringLiteral("笔形训练"), QString()})
        EXPECT_FALSE(shell::codeBookTable(name)) << name.toStdString();
}
