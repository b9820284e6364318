#include "segmentation/core/frameresources.h"

namespace segmentation {

QString CommandInfo::statusText() const
{
    return prompt.section(u'\n', 0, 0);
}

QString CommandInfo::toolTip() const
{
    return prompt.section(u'\n', 1);
}

const std::vector<CommandInfo>& commandTable()
{
    static const std::vector<CommandInfo> table = {
        {ID_FILE_OPEN, QStringLiteral("ID_FILE_OPEN"), QStringLiteral("打开测试文章(&O)...\tCtrl+O"),
         QStringLiteral("打开一个测试文章\n打开")},
        {ID_OPEN_SAMPLE, QStringLiteral("ID_OPEN_SAMPLE"), QStringLiteral("打开测试例文(&E)...\tCtrl+E"),
         QStringLiteral("打开一个测试例文\n打开")},
        {ID_FILE_SAVE, QStringLiteral("ID_FILE_SAVE"), QStringLiteral("保存测试文章(&S)...\tCtrl+S"),
         QStringLiteral("保存活动文档\n保存")},
        {ID_FILE_SAVE_AS, QStringLiteral("ID_FILE_SAVE_AS"), QStringLiteral("另保存测试文章为"),
         QStringLiteral("将活动文档以一个新文件名保存\n另存为")},
        {ID_UPGRADE_CUSTOM_BOOK, QStringLiteral("ID_UPGRADE_CUSTOM_BOOK"),
         QStringLiteral("升级自定义码本(&Z)\tCtrl+Z"), QString()},
        {ID_APP_EXIT, QStringLiteral("ID_APP_EXIT"), QStringLiteral("退出(&X)"),
         QStringLiteral("退出应用程序\n退出")},
        {ID_TEST_START, QStringLiteral("ID_TEST_START"), QStringLiteral("开始测试(&S)"),
         QStringLiteral("开始测试\n开始测试")},
        {ID_TEST_END, QStringLiteral("ID_TEST_END"), QStringLiteral("结束测试(&E)"),
         QStringLiteral("结束测试\n结束测试")},
        {ID_VIEW_TOOLBAR, QStringLiteral("ID_VIEW_TOOLBAR"), QStringLiteral("工具栏(&T)"),
         QStringLiteral("显示或隐藏工具栏\n显隐工具栏")},
        {ID_VIEW_STATUS_BAR, QStringLiteral("ID_VIEW_STATUS_BAR"), QStringLiteral("状态区(&S)"),
         QStringLiteral("显示或隐藏状态区\n显隐状态区")},
        {ID_OPTIONS, QStringLiteral("ID_OPTIONS"), QStringLiteral("选项(&O)..."), QString()},
        {ID_HELP_CONTENTS, QStringLiteral("ID_HELP_CONTENTS"), QStringLiteral("使用说明与帮助(&E)..."),
         QStringLiteral("使用说明与帮助\n帮助")},
        {ID_APP_ABOUT, QStringLiteral("ID_APP_ABOUT"), QStringLiteral("关于 Corvelle(&A)..."),
         QStringLiteral("显示程序信息，版本号和版权\n关于")},
        {ID_FILE_NEW, QStringLiteral("ID_FILE_NEW"), QString(), QStringLiteral("升级码本\n升级")},
        {ID_DELETE_ARTICLE, QStringLiteral("ID_DELETE_ARTICLE"), QString(),
         QStringLiteral("删除测试文章\n删除")},
        {ID_IMPORT_DATA, QStringLiteral("ID_IMPORT_DATA"), QString(), QStringLiteral("导入数据\n导入")},
        {ID_FONT_SETTING, QStringLiteral("ID_FONT_SETTING"), QString(), QString()},

    };
    return table;
}

const CommandInfo* findCommand(int id)
{
    for (const CommandInfo& command : commandTable())
        if (command.id == id)
            return &command;
    return nullptr;
}

const std::vector<MenuInfo>& mainMenu()
{
    static const std::vector<MenuInfo> menu = {
        {QStringLiteral("文件(&F)"),
         {ID_FILE_OPEN, ID_OPEN_SAMPLE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_SEPARATOR, ID_UPGRADE_CUSTOM_BOOK,
          ID_SEPARATOR, ID_APP_EXIT}},
        {QStringLiteral("测试(&T)"), {ID_TEST_START, ID_TEST_END}},
        {QStringLiteral("设置(&S)"), {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_SEPARATOR, ID_OPTIONS}},
        {QStringLiteral("帮助(&H)"), {ID_HELP_CONTENTS, ID_APP_ABOUT}},
    };
    return menu;
}

const std::vector<int>& toolbarButtons()
{
    static const std::vector<int> buttons = {ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR, ID_TEST_START,
                                             ID_SEPARATOR, ID_TEST_END,  ID_SEPARATOR, ID_HELP_CONTENTS,
                                             ID_SEPARATOR, ID_APP_EXIT};
    return buttons;
}

const std::vector<Accelerator>& accelerators()
{
    // The menu text of ID_UPGRADE_CUSTOM_BOOK shows Ctrl+Z, but no key sends it.
    static const std::vector<Accelerator> keys = {
        {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
        {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
        {Qt::CTRL | Qt::Key_E, ID_OPEN_SAMPLE},
        {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
    };
    return keys;
}

const std::vector<int>& statusIndicators()
{
    static const std::vector<int> indicators = {ID_SEPARATOR, ID_INDICATOR_CLOCK, ID_INDICATOR_MAKER};
    return indicators;
}

QString documentTemplateString()
{
    return QStringLiteral("分词练习\n\nCorvelle\n\n\nCorvelle.Document\nCorvelle Document");
}

QString frameTitle()
{
    return documentTemplateString().section(u'\n', 0, 0);
}

QString applicationTitle()
{
    return QStringLiteral("Corvelle");
}

QString idleMessage()
{
    return QStringLiteral("就绪");
}

QString indicatorText(int indicatorId)
{
    switch (indicatorId) {
    case ID_INDICATOR_CLOCK:
        return QString(16, u' ');
    case ID_INDICATOR_MAKER:
        return QStringLiteral("Orvesk 软件工作室");
    default:
        return QString();
    }
}

} // namespace segmentation
