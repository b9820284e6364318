// The main frame: menu 128, the accelerators, toolbar 128, the status bar and the frame's own commands.
#include "segmentation/core/frameresources.h"
#include "segmentation/ui/cmainframe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <memory>

namespace {

using segmentation::CommandState;
using segmentation::CommandTarget;

constexpr int kSeparator = 0;

struct ItemCase
{
    int id = kSeparator;
    QString caption;
    const char* key = ""; // the accelerator that sends the command, "" for none
};

struct MenuCase
{
    QString title;
    std::vector<ItemCase> items;
};

struct ButtonCase
{
    int id = kSeparator;
    QString prompt;
};

// Menu 128 with the accelerator table: Ctrl+Z shows in a caption but sends nothing.
const std::vector<MenuCase> kMenus = {
    {QStringLiteral("文件(&F)"),
     {
         {57601, QStringLiteral("打开测试文章(&O)...\tCtrl+O"), "Ctrl+O"},
         {32781, QStringLiteral("打开测试例文(&E)...\tCtrl+E"), "Ctrl+E"},
         {57603, QStringLiteral("保存测试文章(&S)...\tCtrl+S"), "Ctrl+S"},
         {57604, QStringLiteral("另保存测试文章为")},
         {kSeparator, {}},
         {32783, QStringLiteral("升级自定义码本(&Z)\tCtrl+Z")},
         {kSeparator, {}},
         {57665, QStringLiteral("退出(&X)")},
     }},
    {QStringLiteral("测试(&T)"),
     {
         {32772, QStringLiteral("开始测试(&S)")},
         {32773, QStringLiteral("结束测试(&E)")},
     }},
    {QStringLiteral("设置(&S)"),
     {
         {59392, QStringLiteral("工具栏(&T)")},
         {59393, QStringLiteral("状态区(&S)")},
         {kSeparator, {}},
         {32774, QStringLiteral("选项(&O)...")},
     }},
    {QStringLiteral("帮助(&H)"),
     {
         {32779, QStringLiteral("使用说明与帮助(&E)...")},
         {57664, QStringLiteral("关于 Corvelle(&A)...")},
     }},
};

// Toolbar 128 with the prompts of its commands.
const std::vector<ButtonCase> kToolbar = {
    {57601, QStringLiteral("打开一个测试文章\n打开")},
    {57603, QStringLiteral("保存活动文档\n保存")},
    {kSeparator, {}},
    {32772, QStringLiteral("开始测试\n开始测试")},
    {kSeparator, {}},
    {32773, QStringLiteral("结束测试\n结束测试")},
    {kSeparator, {}},
    {32779, QStringLiteral("使用说明与帮助\n帮助")},
    {kSeparator, {}},
    {57665, QStringLiteral("退出应用程序\n退出")},
};

class MainFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_EQ(m_frame->OnCreate(), 0);
    }

    void showActive()
    {
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        (void)QTest::qWaitForWindowActive(m_frame.get());
    }

    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(MainFrameTest, MenuItemsAndAcceleratorsAreThoseOfTheResources)
{
    const QList<QAction*> menus = m_frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), qsizetype(kMenus.size()));
    int keyed = 0;
    for (std::size_t m = 0; m < kMenus.size(); ++m) {
        EXPECT_EQ(menus[qsizetype(m)]->text(), kMenus[m].title);
        const QList<QAction*> items = menus[qsizetype(m)]->menu()->actions();
        ASSERT_EQ(items.size(), qsizetype(kMenus[m].items.size())) << kMenus[m].title.toStdString();
        for (std::size_t i = 0; i < kMenus[m].items.size(); ++i) {
            const ItemCase& expected = kMenus[m].items[i];
            QAction* item = items[qsizetype(i)];
            SCOPED_TRACE(expected.caption.toStdString());
            if (expected.id == kSeparator) {
                EXPECT_TRUE(item->isSeparator());
                continue;
            }
            EXPECT_EQ(item, m_frame->action(expected.id));
            EXPECT_EQ(item->data().toInt(), expected.id);
            EXPECT_EQ(item->text(), expected.caption);
            EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(expected.key)));
            keyed += *expected.key ? 1 : 0;
        }
    }
    // The code-book upgrade has a key and no menu item; nothing else has a key.
    EXPECT_EQ(m_frame->action(segmentation::ID_FILE_NEW)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    int shortcuts = 0;
    for (QAction* action : m_frame->actions())
        shortcuts += action->shortcut().isEmpty() ? 0 : 1;
    EXPECT_EQ(shortcuts, keyed + 1);
}

TEST_F(MainFrameTest, ToolbarButtonsShowTheirPromptsAndPictures)
{
    QToolBar* bar = m_frame->findChild<QToolBar*>(QStringLiteral("AFX_IDW_TOOLBAR"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(m_frame->toolBarArea(bar), Qt::TopToolBarArea);
    EXPECT_TRUE(bar->isMovable());
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(bar->iconSize(), QSize(16, 15));
    const QList<QAction*> buttons = bar->actions();
    ASSERT_EQ(buttons.size(), qsizetype(kToolbar.size()));
    for (std::size_t i = 0; i < kToolbar.size(); ++i) {
        QAction* button = buttons[qsizetype(i)];
        if (kToolbar[i].id == kSeparator) {
            EXPECT_TRUE(button->isSeparator()) << i;
            continue;
        }
        EXPECT_EQ(button, m_frame->action(kToolbar[i].id)) << i;
        EXPECT_EQ(button->statusTip() + u'\n' + button->toolTip(), kToolbar[i].prompt);
        EXPECT_FALSE(button->icon().isNull()) << i;
    }
}

TEST_F(MainFrameTest, AKeySendsItsCommandOnlyWhileTheUpdateRuleEnablesIt)
{
    bool testing = true;
    int upgrades = 0;
    m_frame->commands().setHandler(CommandTarget::Frame, segmentation::ID_FILE_NEW,
                                   [&upgrades] { ++upgrades; });
    m_frame->commands().setUpdateHandler(CommandTarget::View, segmentation::ID_FILE_NEW,
                                         [&testing](CommandState& state) { state.enabled = !testing; });
    showActive();
    m_frame->updateCommandStates();
    QTest::keyClick(m_frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(upgrades, 0);
    EXPECT_FALSE(m_frame->action(segmentation::ID_FILE_NEW)->isEnabled());

    testing = false;
    m_frame->updateCommandStates();
    QTest::keyClick(m_frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(upgrades, 1);
    // Ctrl+Z is only text in a caption.
    QTest::keyClick(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(upgrades, 1);
}

TEST_F(MainFrameTest, BarsAreShownAndHiddenWithACheckMarkAndExitCloses)
{
    showActive();
    QAction* toolbar = m_frame->action(segmentation::ID_VIEW_TOOLBAR);
    QAction* statusBar = m_frame->action(segmentation::ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(statusBar->isChecked());
    toolbar->trigger();
    statusBar->trigger();
    EXPECT_TRUE(m_frame->findChild<QToolBar*>()->isHidden());
    EXPECT_TRUE(m_frame->statusBar()->isHidden());
    EXPECT_FALSE(toolbar->isChecked());
    EXPECT_FALSE(statusBar->isChecked());
    toolbar->trigger();
    EXPECT_FALSE(m_frame->findChild<QToolBar*>()->isHidden());
    EXPECT_TRUE(toolbar->isChecked());

    m_frame->action(segmentation::ID_APP_EXIT)->trigger();
    EXPECT_FALSE(m_frame->isVisible());
}

TEST_F(MainFrameTest, StatusBarHasTheMessageClockAndMakerPanes)
{
    EXPECT_EQ(m_frame->commandToIndex(segmentation::ID_SEPARATOR), 0);
    EXPECT_EQ(m_frame->commandToIndex(segmentation::ID_INDICATOR_CLOCK), 1);
    EXPECT_EQ(m_frame->commandToIndex(segmentation::ID_INDICATOR_MAKER), 2);
    EXPECT_EQ(m_frame->commandToIndex(105), -1);
    EXPECT_EQ(m_frame->paneText(0), QStringLiteral("就绪"));
    EXPECT_FALSE(m_frame->paneText(2).trimmed().isEmpty());

    auto* clock = m_frame->findChild<QLabel*>(QStringLiteral("ID_INDICATOR_CLOCK"));
    ASSERT_NE(clock, nullptr);
    EXPECT_GE(clock->width(), clock->fontMetrics().horizontalAdvance(QString(16, u' ')));
    m_frame->setPaneText(1, QStringLiteral("00:02:59"));
    EXPECT_EQ(clock->text(), QStringLiteral("00:02:59"));

    // A prompt replaces the hint while it shows; then the pane says the idle text.
    m_frame->setPaneText(0, QStringLiteral("hint"));
    QStatusTipEvent prompt(QStringLiteral("开始测试"));
    QApplication::sendEvent(m_frame.get(), &prompt);
    EXPECT_EQ(m_frame->paneText(0), QStringLiteral("开始测试"));
    QStatusTipEvent end{QString()};
    QApplication::sendEvent(m_frame.get(), &end);
    EXPECT_EQ(m_frame->paneText(0), QStringLiteral("就绪"));
}

TEST_F(MainFrameTest, CaptionIsTheDocumentTitleThenTheFrameTitle)
{
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("分词练习"));
    m_frame->setDocumentTitle(QStringLiteral("Talvoren输入法2002简易版教学系统"));
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Talvoren输入法2002简易版教学系统 - 分词练习"));
}

} // namespace
