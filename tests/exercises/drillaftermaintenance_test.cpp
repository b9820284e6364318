// A drill opened after a save in the maintenance window draws from the rows saved there.
#include "shell/frmmaint.h"
#include "shell/module1.h"
#include "tests/exercises/drillfixture.h"

#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

namespace drilltest {
namespace {

using DrillAfterMaintenanceTest = DrillTest;

TEST_F(DrillAfterMaintenanceTest, DrawsFromTheSavedRows)
{
    const Member& m = members()[2]; // the two-character word drill
    const int rowCount = 60;
    const int removed = 20;
    const QString path = folders.programFolder() + QStringLiteral("talvorendb.dat");
    createLessonDatabase(
        path, {{QString::fromUtf8(m.table), makeRows(rowCount, m.wordLength)}, {QStringLiteral("temp"), {}}});
    Module1::gDatabase = platform::dao::Database::open(path);
    QSqlQuery query(Module1::gDatabase->connection());
    ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE TabelName (showname TEXT)")));
    ASSERT_TRUE(
        query.exec(QStringLiteral("INSERT INTO TabelName VALUES ('%1')").arg(QString::fromUtf8(m.title))));

    {
        frmmaint maintenance;
        maintenance.findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        auto* grid = maintenance.findChild<QTableView*>(QStringLiteral("DBGrid1"));
        grid->selectionModel()->select(
            QItemSelection(grid->model()->index(0, 0), grid->model()->index(removed - 1, 2)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(grid, Qt::Key_Delete);
        maintenance.CmdUpdate_Click();
    }

    ASSERT_NE(openWindow(m), nullptr);
    drawFirstRows(m.pageSize, rowCount - removed);
    start();
    for (int k = 0; k < m.pageSize; ++k)
        EXPECT_EQ(item(k)->text().toStdString(), wordFor(removed + k, m.wordLength(k)).toStdString()) << k;
}

} // namespace
} // namespace drilltest
