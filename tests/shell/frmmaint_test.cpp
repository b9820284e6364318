// The code-book maintenance window on a copy of the sample database: the copy, the modes, the
// edits in the grid, the save with its guard, and what happens when the database is not as expected.
#include "platform/uiservice.h"
#include "shell/frmmaint.h"
#include "shell/module1.h"
#include "tests/support/installedseams.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

namespace {

const QString kCi4 = QStringLiteral("四字词组训练");

class MaintenanceTest : public testsupport::SandboxedTest
{
protected:
    void SetUp() override
    {
        QString error;
        const QString path = folders.copySampleDatabase(&error);
        ASSERT_FALSE(path.isEmpty()) << error.toStdString();
        Module1::gDatabase = platform::dao::Database::open(path);
    }
    void TearDown() override
    {
        m_window.reset();
        Module1::gDatabase.reset();
    }

    static void exec(const QString& sql)
    {
        QSqlQuery query(Module1::gDatabase->connection());
        ASSERT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    }
    // Every row as "bianma wenzhi number", in natural order.
    static QStringList rows(const QString& table)
    {
        QSqlQuery query(Module1::gDatabase->connection());
        EXPECT_TRUE(
            query.exec(QStringLiteral("SELECT bianma, wenzhi, number FROM %1 ORDER BY rowid").arg(table)));
        QStringList all;
        while (query.next())
            all << QStringList{query.value(0).toString(), query.value(1).toString(),
                               query.value(2).toString()}
                       .join(u' ');
        return all;
    }
    static std::string text(const QStringList& lines) { return lines.join(u'\n').toStdString(); }
    // The rows numbered afresh, 1..n.
    static QStringList renumbered(const QStringList& rows)
    {
        QStringList result;
        for (const QString& row : rows)
            result << row.section(u' ', 0, 1) + u' ' + QString::number(result.size() + 1);
        return result;
    }
    // Keeps the first `count` rows of a book.
    static void trim(const QString& table, int count)
    {
        exec(
            QStringLiteral("DELETE FROM %1 WHERE rowid NOT IN (SELECT rowid FROM %1 ORDER BY rowid LIMIT %2)")
                .arg(table)
                .arg(count));
    }

    frmmaint* open()
    {
        m_window = std::make_unique<frmmaint>();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        (void)QTest::qWaitForWindowActive(m_window.get());
        return m_window.get();
    }
    template <typename T = QWidget> T* child(const QString& name) const
    {
        T* found = m_window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QTableView* grid() const { return child<QTableView>(QStringLiteral("DBGrid1")); }
    QListWidget* list() const { return child<QListWidget>(QStringLiteral("List1")); }
    // A mouse click on the book's name in the list.
    void choose(const QString& showname)
    {
        const QList<QListWidgetItem*> items = list()->findItems(showname, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(items[0]).center());
    }
    void click(const QString& name) { child<QAbstractButton>(name)->click(); }
    // Types into a cell of the grid as the user does, and leaves the cell with Enter.
    void type(int row, int column, const QString& text)
    {
        const QModelIndex index = grid()->model()->index(row, column);
        grid()->setCurrentIndex(index);
        grid()->edit(index);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, grid());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the grid takes the typed value on its next turn
        EXPECT_EQ(grid()->model()->data(index, Qt::DisplayRole).toString().toStdString(), text.toStdString());
    }
    // The four-character book opened for editing.
    void editCi4()
    {
        open();
        choose(kCi4);
        click(QStringLiteral("Option2"));
    }
    bool canSave() const { return child<QPushButton>(QStringLiteral("CmdUpdate"))->isEnabled(); }
    void deleteRow(int row)
    {
        grid()->selectRow(row);
        QTest::keyClick(grid(), Qt::Key_Delete);
    }

    std::unique_ptr<frmmaint> m_window;
};

TEST_F(MaintenanceTest, OpensOnTheFirstBookReadOnly)
{
    exec(QStringLiteral("UPDATE jiandan SET number = 0"));
    open();
    QStringList names;
    for (int i = 0; i < list()->count(); ++i)
        names << list()->item(i)->text();
    EXPECT_EQ(names.size(), 10);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label1"))->text(), names.value(0));
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Option1"))->isChecked());
    EXPECT_FALSE(canSave());
    EXPECT_FALSE(grid()->model()->flags(grid()->model()->index(0, 1)) & Qt::ItemIsEditable);
    // The copy keeps the book's order and numbers it 1..n whatever the book held.
    const QStringList book = rows(QStringLiteral("jiandan"));
    EXPECT_EQ(grid()->model()->rowCount(), book.size());
    EXPECT_EQ(text(rows(QStringLiteral("temp"))), text(renumbered(book)));
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
}

// The save keeps a book only when more than 32 rows have both a code and a text.
struct GuardCase
{
    const char* name;
    int rows;
    int withoutText; // of those rows, how many lose their text before the copy
    bool saved;
};

class SaveGuardTest : public MaintenanceTest, public ::testing::WithParamInterface<GuardCase>
{
};

TEST_P(SaveGuardTest, SavesOnlyMoreThan32KeptRows)
{
    const GuardCase& c = GetParam();
    trim(QStringLiteral("Ci4"), c.rows);
    exec(QStringLiteral(
             "UPDATE Ci4 SET wenzhi = NULL WHERE rowid IN (SELECT rowid FROM Ci4 ORDER BY rowid LIMIT %1)")
             .arg(c.withoutText));
    const QStringList before = rows(QStringLiteral("Ci4"));
    editCi4();
    click(QStringLiteral("CmdUpdate"));

    if (c.saved) {
        EXPECT_EQ(text(rows(QStringLiteral("Ci4"))), text(renumbered(before.mid(c.withoutText))));
        EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
        EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Option1"))->isChecked());
        EXPECT_FALSE(canSave());
    } else {
        EXPECT_EQ(text(rows(QStringLiteral("Ci4"))), text(before));
        ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
        EXPECT_EQ(seams.ui.messageBoxes()[0].text, kCi4 + QStringLiteral("中的数据太少，请添加(>32)再保存"));
        EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("码本管理"));
        EXPECT_EQ(seams.ui.messageBoxes()[0].flags, platform::MB_OK | platform::MB_ICONSTOP);
        EXPECT_TRUE(canSave());
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, SaveGuardTest,
                         ::testing::Values(GuardCase{"Rows32", 32, 0, false},
                                           GuardCase{"Rows33", 33, 0, true},
                                           GuardCase{"Rows33OneWithoutText", 33, 1, false},
                                           GuardCase{"Rows34OneWithoutText", 34, 1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MaintenanceTest, ChoosingABookAgainDiscardsEdits)
{
    open();
    choose(kCi4);
    const QStringList copy = rows(QStringLiteral("temp"));
    click(QStringLiteral("Option2"));
    type(0, 2, QStringLiteral("改过了"));
    deleteRow(1);
    ASSERT_NE(text(rows(QStringLiteral("temp"))), text(copy));

    choose(kCi4);
    EXPECT_EQ(text(rows(QStringLiteral("temp"))), text(copy));
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Option1"))->isChecked());
    EXPECT_EQ(grid()->model()->rowCount(), copy.size());
}

TEST_F(MaintenanceTest, ClosingWithoutSavingChangesNoBook)
{
    const QStringList before = rows(QStringLiteral("Ci4"));
    editCi4();
    type(0, 1, QStringLiteral("1234"));
    type(grid()->model()->rowCount() - 1, 2, QStringLiteral("新词组"));
    click(QStringLiteral("CmdExit"));
    EXPECT_FALSE(m_window->isVisible());
    m_window.reset();
    EXPECT_EQ(text(rows(QStringLiteral("Ci4"))), text(before));
}

TEST_F(MaintenanceTest, SavesTheGridInItsOrderNumberedAfresh)
{
    QStringList expected = rows(QStringLiteral("Ci4"));
    expected.removeAt(1);
    expected << QStringLiteral("123456 新的词组");
    editCi4();
    type(0, 0, QStringLiteral("999"));
    deleteRow(1);
    const int addRow = grid()->model()->rowCount() - 1;
    type(addRow, 1, QStringLiteral("123456"));
    type(addRow, 2, QStringLiteral("新的词组"));
    EXPECT_EQ(grid()->model()->rowCount(), addRow + 2); // a new empty row follows
    click(QStringLiteral("CmdUpdate"));

    EXPECT_EQ(text(rows(QStringLiteral("Ci4"))), text(renumbered(expected)));
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
}

TEST_F(MaintenanceTest, ASaveThatFailsPartWayLeavesTheBookWhole)
{
    // The book takes its first rows, then refuses more.
    exec(QStringLiteral("CREATE TRIGGER stop BEFORE INSERT ON Ci4 WHEN (SELECT count(*) FROM Ci4) > 5 "
                        "BEGIN SELECT RAISE(ABORT, 'x'); END"));
    const QStringList before = rows(QStringLiteral("Ci4"));
    editCi4();
    type(0, 2, QStringLiteral("改过了"));
    const QStringList edited = rows(QStringLiteral("temp"));
    click(QStringLiteral("CmdUpdate"));

    EXPECT_EQ(text(rows(QStringLiteral("Ci4"))), text(before));
    EXPECT_EQ(text(rows(QStringLiteral("temp"))), text(edited));
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_TRUE(seams.ui.messageBoxes()[0].text.contains(QStringLiteral("存盘失败")));
    EXPECT_TRUE(canSave());

    // Once the book takes rows again, the same window saves.
    exec(QStringLiteral("DROP TRIGGER stop"));
    click(QStringLiteral("CmdUpdate"));
    EXPECT_EQ(rows(QStringLiteral("Ci4")).value(0).section(u' ', 1, 1).toStdString(), "改过了");
    EXPECT_EQ(rows(QStringLiteral("Ci4")).size(), before.size());
}

TEST_F(MaintenanceTest, AnEmptyBookIsCopiedEmptyAndCanBeFilled)
{
    exec(QStringLiteral("DELETE FROM Ci4"));
    open();
    choose(kCi4);
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].flags, platform::MB_OK | platform::MB_ICONINFORMATION);
    EXPECT_EQ(grid()->model()->rowCount(), 0);
    click(QStringLiteral("CmdLast"));
    EXPECT_FALSE(grid()->currentIndex().isValid());

    for (int i = 0; i < 33; ++i)
        exec(QStringLiteral("INSERT INTO temp (number, bianma, wenzhi) VALUES (0, '%1', '词%1')")
                 .arg(100 + i));
    click(QStringLiteral("Option2"));
    click(QStringLiteral("CmdUpdate"));
    EXPECT_EQ(rows(QStringLiteral("Ci4")).size(), 33);
    EXPECT_EQ(rows(QStringLiteral("Ci4")).value(32).toStdString(), "132 词132 33");
}

// A database that is not as the window expects: a clear message, no book chosen, nothing written.
struct DamageCase
{
    const char* name;
    const char* damage;
};

class DamagedDatabaseTest : public MaintenanceTest, public ::testing::WithParamInterface<DamageCase>
{
};

TEST_P(DamagedDatabaseTest, TellsAndChangesNothing)
{
    exec(QStringLiteral("INSERT INTO temp (number, bianma, wenzhi) VALUES (7, '1', '一')"));
    exec(QString::fromUtf8(GetParam().damage));
    open();
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("码本管理"));
    EXPECT_EQ(text(rows(QStringLiteral("temp"))), text(QStringList{QStringLiteral("1 一 7")}));
    EXPECT_TRUE(child<QLabel>(QStringLiteral("Label1"))->text().isEmpty());
    EXPECT_EQ(grid()->model()->rowCount(), 0);
    EXPECT_FALSE(child<QRadioButton>(QStringLiteral("Option2"))->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedDatabaseTest,
    ::testing::Values(DamageCase{"NameOutsideTheMap",
                                 "UPDATE TabelName SET showname = '单字训练 ' WHERE rowid = 1"},
                      DamageCase{"MissingBook", "DROP TABLE jiandan"},
                      DamageCase{"MissingField", "ALTER TABLE jiandan DROP COLUMN wenzhi"},
                      DamageCase{"EmptyCatalogue", "DELETE FROM TabelName"},
                      DamageCase{"MissingCatalogue", "DROP TABLE TabelName"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
