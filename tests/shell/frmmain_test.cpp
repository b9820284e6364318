// The main window: exercise openings, buttons and groups, hints, the right-button menu, help, the
// designed size, the icon layout, and the exit question.
#include "platform/keyboard.h"
#include "platform/resources.h"
#include "tests/shell/startupfixture.h"
#include "tests/support/files.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using platform::IDNO;
using platform::IDYES;

namespace {

QStringList names(std::initializer_list<const char*> latin1)
{
    QStringList list;
    for (const char* name : latin1)
        list << QString::fromLatin1(name);
    return list;
}

struct LessonRow
{
    int index;
    QString title;
    QString window;
    QString label;
};

// The lesson catalogue as the main window must offer it.
const QList<LessonRow>& lessonRows()
{
    static const QList<LessonRow> rows{
        {0, QStringLiteral("笔形训练"), QStringLiteral("Frmbixing"), QStringLiteral("笔形训练")},
        {1, QStringLiteral("单字训练"), QStringLiteral("frmwubushou"), QStringLiteral("单字训练")},
        {2, QStringLiteral("字一键简码"), QStringLiteral("frmwubushou"), QStringLiteral("字一键简码")},
        {3, QStringLiteral("字两键简码"), QStringLiteral("frmwubushou"), QStringLiteral("字两键简码")},
        {4, QStringLiteral("词一键简码"), QStringLiteral("Frmcijm"), QStringLiteral("词一键简码")},
        {5, QStringLiteral("词两键简码"), QStringLiteral("Frmcijm"), QStringLiteral("词两键简码")},
        {6, QStringLiteral("两字词组训练"), QStringLiteral("Frmcizu2"), QStringLiteral("两字词组")},
        {7, QStringLiteral("三字词组训练"), QStringLiteral("Frmcizu3"), QStringLiteral("三字词组")},
        {8, QStringLiteral("四字词组训练"), QStringLiteral("Frmcizu4"), QStringLiteral("四字词组")},
        {9, QStringLiteral("多字词组训练"), QStringLiteral("Frmcizu5"), QStringLiteral("多字词组")},
        {10, QStringLiteral("彩色汉字"), QStringLiteral("Frmbixing"), QStringLiteral("彩色单字")},
    };
    return rows;
}

class MainWindowTest : public shelltest::StartupTest
{
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        writeButtonPictures();
        m_window = new frmmain();
        m_window->show();
    }

    template <typename T = QWidget> T* child(const QString& name)
    {
        T* found = m_window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void doubleClick(const QString& name) { QTest::mouseDClick(child(name), Qt::LeftButton); }
    void trigger(const QString& action) { child<QAction>(action)->trigger(); }
    void moveMouseOver(const QString& name)
    {
        QWidget* widget = child(name);
        const QPoint at(2, 2);
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QString panel1() { return child<QLabel>(QStringLiteral("Panel1"))->text(); }
    QImage shownPicture(const QString& name) { return child<QLabel>(name)->pixmap().toImage(); }
    QImage buttonPicture(const QString& file) { return QImage(programFile(file)); }
    bool isShown(const QString& name) { return child(name)->isVisibleTo(m_window); }

    frmmain* m_window = nullptr;
};

// What an exercise window saw of the main window's preparations when it was made.
struct OpenedExercise
{
    QString window;
    QString title;
    bool numLock = false;
    QStringList sounds;
};

class ExerciseOpeningTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (const QString& window :
             names({"frmkeypad1", "frmplay", "frmtest", "frmmaint", "frmAbout", "Frmbixing", "frmwubushou",
                    "Frmcijm", "Frmcizu2", "Frmcizu3", "Frmcizu4", "Frmcizu5"}))
            registerRecorder(window);
        Module1::gExerciseTitle = kEarlierTitle;
        seams.sound.clear();
    }

    void registerRecorder(const QString& window)
    {
        shell::registerExercise(window, [this, window](QWidget* parent) {
            opened.append({window, Module1::gExerciseTitle, platform::isNumLockOn(), seams.sound.played()});
            auto* dialog = new QDialog(parent);
            dialog->setObjectName(window);
            return dialog;
        });
    }

    const QString kEarlierTitle = QStringLiteral("earlier title");
    QList<OpenedExercise> opened;
};

// One way of opening an exercise: a double-click on an icon or label of a group (shown first by its
// button), or a menu item.
struct OpeningCase
{
    QString name;
    QString button; // empty for a menu item
    QString target;
    QString window;
    std::optional<QString> title; // none: the title stays as it was
    bool sound;
    bool numLock;
};

std::vector<OpeningCase> openingCases()
{
    std::vector<OpeningCase> cases;
    auto both = [&cases](const QString& button, int index, const QString& icon, const QString& label,
                         const QString& window, std::optional<QString> title, bool numLock) {
        const QString n = QString::number(index);
        cases.push_back({icon + n, button, icon + u'_' + n, window, title, true, numLock});
        cases.push_back({label + n, button, label + u'_' + n, window, title, true, numLock});
    };
    const QString pad = QStringLiteral("ImgPad"), test = QStringLiteral("ImgTest");
    both(pad, 0, QStringLiteral("Image1"), QStringLiteral("LblPad"), QStringLiteral("frmkeypad1"),
         std::nullopt, true);
    both(pad, 1, QStringLiteral("Image1"), QStringLiteral("LblPad"), QStringLiteral("frmplay"),
         QStringLiteral("小键盘游戏"), true);
    both(test, 0, QStringLiteral("IconTest"), QStringLiteral("LblTest"), QStringLiteral("frmtest"),
         QStringLiteral("Talvoren汉字测试"), false);
    both(test, 1, QStringLiteral("IconTest"), QStringLiteral("LblTest"), QStringLiteral("frmplay"),
         QStringLiteral("游戏测试"), false);
    for (const LessonRow& lesson : lessonRows()) {
        both(QStringLiteral("ImgTrain"), lesson.index, QStringLiteral("ImageTrain"),
             QStringLiteral("LblTrain"), lesson.window, lesson.title, true);
        const QString menu = QStringLiteral("TalvorenTestMenu_") + QString::number(lesson.index);
        cases.push_back({menu, {}, menu, lesson.window, lesson.title, true, true});
    }
    auto menu = [&cases](const QString& action, const QString& window, std::optional<QString> title) {
        cases.push_back({action, {}, action, window, title, false, false});
    };
    menu(QStringLiteral("skeyboard"), QStringLiteral("frmkeypad1"), std::nullopt);
    menu(QStringLiteral("playkeyboard"), QStringLiteral("frmplay"), QStringLiteral("小键盘游戏"));
    menu(QStringLiteral("hanzhitest"), QStringLiteral("frmtest"), QStringLiteral("Talvoren汉字测试"));
    menu(QStringLiteral("playtest"), QStringLiteral("frmplay"), QStringLiteral("游戏测试"));
    menu(QStringLiteral("FileMenufrmmaint"), QStringLiteral("frmmaint"), std::nullopt);
    menu(QStringLiteral("AboutTalvorenSystem"), QStringLiteral("frmAbout"), std::nullopt);
    return cases;
}

class ExerciseTableTest : public ExerciseOpeningTest, public ::testing::WithParamInterface<OpeningCase>
{
};

TEST_P(ExerciseTableTest, SoundNumLockAndTitleComeBeforeTheModalWindow)
{
    const OpeningCase& c = GetParam();
    if (!c.button.isEmpty()) {
        click(c.button);
        seams.sound.clear();
        doubleClick(c.target);
    } else {
        trigger(c.target);
    }

    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].window, c.window);
    EXPECT_EQ(opened[0].title, c.title.value_or(kEarlierTitle));
    EXPECT_EQ(opened[0].numLock, c.numLock);
    EXPECT_EQ(opened[0].sounds, c.sound ? QStringList{QStringLiteral("sound")} : QStringList{});
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows()[0].objectName, c.window);
}

INSTANTIATE_TEST_SUITE_P(Openings, ExerciseTableTest, ::testing::ValuesIn(openingCases()),
                         [](const auto& info) { return info.param.name.toStdString(); });

TEST_F(ExerciseOpeningTest, SingleClicksOnGroupIconsOpenNothing)
{
    click(QStringLiteral("ImgTrain"));
    click(QStringLiteral("ImageTrain_6"));
    click(QStringLiteral("LblTrain_6"));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ExerciseOpeningTest, KeypadDrillAfterArticleTestKeepsTheTestTitle)
{
    trigger(QStringLiteral("hanzhitest"));
    trigger(QStringLiteral("skeyboard"));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1].title, QStringLiteral("Talvoren汉字测试"));
    EXPECT_EQ(Module1::gExerciseTitle, QStringLiteral("Talvoren汉字测试"));
}

TEST_F(ExerciseOpeningTest, ExerciseThisBuildLacksDoesNothing)
{
    shell::clearExercises();
    click(QStringLiteral("ImgPad"));
    seams.sound.clear();
    doubleClick(QStringLiteral("Image1_1"));
    EXPECT_TRUE(seams.sound.played().isEmpty());
    EXPECT_FALSE(platform::isNumLockOn());
    EXPECT_EQ(Module1::gExerciseTitle, kEarlierTitle);
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
}

TEST_F(ExerciseOpeningTest, ExerciseWindowIsGoneAfterItCloses)
{
    QPointer<QDialog> seen;
    seams.ui.setModalHandler([&seen](QDialog* dialog) {
        seen = dialog;
        return int(QDialog::Accepted);
    });
    trigger(QStringLiteral("TalvorenTestMenu_6"));
    EXPECT_TRUE(seen.isNull());
}

// Buttons: one pressed picture and one group at a time.
struct ButtonCase
{
    const char* button;
    const char* pressed;
    const char* group; // an icon of the group the button shows, or nothing
};

class ButtonTest : public MainWindowTest, public ::testing::WithParamInterface<ButtonCase>
{
};

TEST_P(ButtonTest, ShowsItsPressedPictureAndOnlyItsGroup)
{
    click(QStringLiteral("ImgTrain"));
    seams.sound.clear();
    click(QString::fromLatin1(GetParam().button));

    const QStringList buttons = names({"ImgPad", "ImgTrain", "ImgTest", "ImgExit"});
    const QStringList normal = names({"101.gif", "103.gif", "105.gif", "107.gif"});
    for (int i = 0; i < buttons.size(); ++i) {
        const bool pressed = buttons[i] == QString::fromLatin1(GetParam().button);
        const QString expected = pressed ? QString::fromLatin1(GetParam().pressed) : normal[i];
        EXPECT_EQ(shownPicture(buttons[i]), buttonPicture(expected)) << buttons[i].toStdString();
    }
    for (const QString& icon : names({"Image1_0", "ImageTrain_0", "IconTest_0"}))
        EXPECT_EQ(isShown(icon), icon == QString::fromLatin1(GetParam().group)) << icon.toStdString();
    EXPECT_EQ(seams.sound.played(), QStringList{QStringLiteral("wav")});
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonTest,
                         ::testing::Values(ButtonCase{"ImgPad", "102.gif", "Image1_0"},
                                           ButtonCase{"ImgTrain", "104.gif", "ImageTrain_0"},
                                           ButtonCase{"ImgTest", "106.gif", "IconTest_0"}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(MainWindowTest, NoGroupIsShownAtFirst)
{
    for (const QString& icon : names({"Image1_0", "Image1_1", "ImageTrain_0", "ImageTrain_10", "IconTest_1"}))
        EXPECT_FALSE(isShown(icon)) << icon.toStdString();
    EXPECT_TRUE(isShown(QStringLiteral("ImgOrvesk")));
}

struct HintCase
{
    const char* widget;
    QString hint;
};

class HintTest : public MainWindowTest, public ::testing::WithParamInterface<HintCase>
{
};

TEST_P(HintTest, MouseOverShowsItsHintUntilAnotherReplacesIt)
{
    moveMouseOver(QString::fromLatin1(GetParam().widget));
    EXPECT_EQ(panel1(), GetParam().hint);
    moveMouseOver(QStringLiteral("Label1")); // a caption has no hint of its own
    EXPECT_EQ(panel1(), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(
    Hints, HintTest,
    ::testing::Values(HintCase{"ImgPad", QStringLiteral("单击此按钮将进入小键盘练习")},
                      HintCase{"ImgTrain", QStringLiteral("单击此按钮将进入Talvoren汉字训练")},
                      HintCase{"ImgTest", QStringLiteral("单击此按钮将进入Talvoren汉字测试")},
                      HintCase{"ImgExit", QStringLiteral("单击此按钮将退出系统")},
                      HintCase{"Picture2", QStringLiteral("按F1键开启帮助视窗")}),
    [](const auto& info) { return std::string(info.param.widget); });

TEST_F(MainWindowTest, RightButtonOnTheRightPanelPopsUpTheTrainingMenu)
{
    auto* menu = child<QMenu>(QStringLiteral("TrainMenu"));
    QTest::mouseClick(child(QStringLiteral("Picture2")), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(child(QStringLiteral("Picture2")), Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

// Every menu and item in order, with its name and caption; the drill menu holds the lesson titles.
QStringList menuOutline(const QList<QAction*>& actions, const QString& indent = {})
{
    QStringList lines;
    for (QAction* action : actions) {
        if (QMenu* menu = action->menu()) {
            lines << indent + menu->objectName() + u' ' + menu->title();
            lines << menuOutline(menu->actions(), indent + QStringLiteral("  "));
        } else {
            lines << indent + action->objectName() + u' ' +
                         (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return lines;
}

TEST_F(MainWindowTest, MenusCarryTheirNamesAndCaptionsInOrder)
{
    QStringList expected{
        QStringLiteral("FileMenu 文件(&F)"),
        QStringLiteral("  FileMenufrmmaint 管理码本"),
        QStringLiteral("  FileMenuExit 退出(&E)"),
        QStringLiteral("TrainMenu 训练(&T)"),
        QStringLiteral("  KeyboardPad 小键盘指法训练"),
        QStringLiteral("    skeyboard 小键盘练习"),
        QStringLiteral("    playkeyboard 小键盘游戏"),
        QStringLiteral("  Splite1 -"),
        QStringLiteral("  TalvorenBase Talvoren汉字训练(&B)"),
    };
    for (const LessonRow& lesson : lessonRows())
        expected << QStringLiteral("    TalvorenTestMenu_%1 ").arg(lesson.index) + lesson.title;
    expected << QStringList{
        QStringLiteral("  splite2 -"),
        QStringLiteral("  hanzhitest Talvoren汉字测试"),
        QStringLiteral("  playtest Talvoren游戏测试"),
        QStringLiteral("HelpMenu 帮助(&H)"),
        QStringLiteral("  help 主题与索引"),
        QStringLiteral("  AboutTalvorenSystem 关于Talvoren汉字教学软件"),
    };
    EXPECT_EQ(menuOutline(m_window->menuBar()->actions()), expected);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Talvoren输入法2002简易版教学系统"));
}

// The four picture buttons of the left panel, each with its caption below it (twips at 15 a pixel).
struct ButtonRow
{
    const char* button;
    int top;
    const char* normal;
    const char* label;
    int labelTop;
    QString caption;
};

class ButtonLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<ButtonRow>
{
};

TEST_P(ButtonLayoutTest, StandsWhereTheTableSaysWithItsCaptionAndPointer)
{
    const ButtonRow& row = GetParam();
    auto* button = child<QLabel>(QString::fromLatin1(row.button));
    auto* label = child<QLabel>(QString::fromLatin1(row.label));
    const auto px = [](int twips) { return qRound(twips / 15.0); };

    EXPECT_EQ(button->parentWidget()->objectName(), QStringLiteral("Picture1"));
    EXPECT_EQ(button->geometry(), QRect(px(120), px(row.top), px(1200), px(600)));
    EXPECT_TRUE(button->hasScaledContents());
    EXPECT_EQ(button->pixmap().toImage(), buttonPicture(QString::fromLatin1(row.normal)));
    EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(button->cursor().pixmap().toImage(), platform::resources::icon(127).pixmap(32, 32).toImage());
    EXPECT_EQ(label->parentWidget(), button->parentWidget());
    EXPECT_EQ(label->geometry(), QRect(0, px(row.labelTop), px(1455), px(255)));
    EXPECT_EQ(label->text(), row.caption);
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(label->font().bold());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonLayoutTest,
    ::testing::Values(
        ButtonRow{"ImgPad", 120, "101.gif", "Label1", 919, QStringLiteral("小键盘训练")},
        ButtonRow{"ImgTrain", 1440, "103.gif", "Label2", 2280, QStringLiteral("Talvoren汉字训练")},
        ButtonRow{"ImgTest", 2880, "105.gif", "Label3", 3720, QStringLiteral("Talvoren汉字测试")},
        ButtonRow{"ImgExit", 4320, "107.gif", "Label4", 5160, QStringLiteral("退 出 系 统")}),
    [](const auto& info) { return std::string(info.param.button); });

class HelpTest : public MainWindowTest
{
protected:
    QString helpFile() const { return programFile(QStringLiteral("talvorencaihelp.chm")); }
    // A compiled help file begins with its signature.
    void writeHelpFile(const QByteArray& contents = QByteArrayLiteral("ITSF\x03\0\0\0"))
    {
        ASSERT_TRUE(testsupport::writeFile(helpFile(), contents));
    }
    void expectHelpMessages(int count)
    {
        ASSERT_EQ(seams.ui.messageBoxes().size(), count);
        for (const auto& box : seams.ui.messageBoxes()) {
            EXPECT_EQ(box.text, QStringLiteral("帮助文件不存在或已损坏！"));
            EXPECT_EQ(box.title, QStringLiteral("Talvoren汉字教学软件"));
            EXPECT_EQ(box.flags, platform::MB_OK | platform::MB_ICONINFORMATION);
        }
    }
};

TEST_F(HelpTest, MenuAndF1OpenTheHelpFileOfTheProgramFolder)
{
    writeHelpFile();
    trigger(QStringLiteral("help"));
    QTest::keyClick(m_window, Qt::Key_F1);
    EXPECT_EQ(seams.opened, QStringList({helpFile(), helpFile()}));
    expectHelpMessages(0);
}

TEST_F(HelpTest, MissingHelpFileIsReported)
{
    trigger(QStringLiteral("help"));
    QTest::keyClick(m_window, Qt::Key_F1);
    expectHelpMessages(2);
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(HelpTest, HelpFileNothingCanOpenIsReported)
{
    writeHelpFile();
    seams.openerAnswer = false;
    trigger(QStringLiteral("help"));
    expectHelpMessages(1);
}

TEST_F(HelpTest, F1InAModalExerciseOpensHelpToo)
{
    writeHelpFile();
    shell::registerExercise(QStringLiteral("frmtest"), [](QWidget* parent) { return new QDialog(parent); });
    seams.ui.setModalHandler([](QDialog* dialog) {
        dialog->show();
        QTest::keyClick(dialog, Qt::Key_F1);
        return int(QDialog::Accepted);
    });
    trigger(QStringLiteral("hanzhitest"));
    EXPECT_EQ(seams.opened, QStringList{helpFile()});
}

TEST_F(MainWindowTest, KeepsItsDesignedSize)
{
    const QSize designed = m_window->size();
    EXPECT_EQ(designed.width(), 9000 / 15);
    m_window->resize(800, 700);
    EXPECT_EQ(m_window->size(), designed);
}

TEST_F(MainWindowTest, StatusBarShowsDateAndTime)
{
    seams.clock.setNow(QDateTime(QDate(2002, 3, 4), QTime(9, 5, 0)));
    auto* timer = child<QTimer>(QStringLiteral("ClockTimer"));
    ASSERT_TRUE(timer->isActive());
    auto* date = child<QLabel>(QStringLiteral("Panel2"));
    auto* time = child<QLabel>(QStringLiteral("Panel3"));
    EXPECT_TRUE(QTest::qWaitFor([time] { return time->text() == QStringLiteral("9:05"); }, 5000));
    EXPECT_TRUE(date->text().contains(QStringLiteral("2002")));
}

// The icon table: every icon and label where the layout puts it (twips at 15 a pixel), the label
// centred under its icon with its caption two lines down.
struct LayoutRow
{
    const char* icon;
    int iconResource;
    int iconLeft;
    int iconTop;
    const char* label;
    int labelLeft;
    int labelTop;
    QString caption;
};

QString lessonLabel(int index)
{
    return lessonRows()[index].label;
}

class IconLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<LayoutRow>
{
};

TEST_P(IconLayoutTest, StandsWhereTheTableSays)
{
    const LayoutRow& row = GetParam();
    auto* icon = child<QLabel>(QString::fromLatin1(row.icon));
    auto* label = child<QLabel>(QString::fromLatin1(row.label));
    const auto px = [](int twips) { return qRound(twips / 15.0); };

    EXPECT_EQ(icon->parentWidget()->objectName(), QStringLiteral("Picture2"));
    EXPECT_EQ(icon->geometry(), QRect(px(row.iconLeft), px(row.iconTop), 32, 32));
    EXPECT_EQ(icon->pixmap().toImage(), platform::resources::icon(row.iconResource).pixmap(32, 32).toImage());
    EXPECT_EQ(label->pos(), QPoint(px(row.labelLeft), px(row.labelTop)));
    // Centred under the icon; a caption wider than its room may push the label a little to the right.
    EXPECT_LE(std::abs(label->geometry().center().x() - icon->geometry().center().x()), 3);
    EXPECT_EQ(label->text(), QStringLiteral("\n\n") + row.caption);
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->width(), metrics.horizontalAdvance(row.caption));
    EXPECT_GE(label->height(), 3 * metrics.height());
    EXPECT_EQ(icon->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor);
    const QImage pointer = platform::resources::icon(128).pixmap(32, 32).toImage();
    EXPECT_EQ(icon->cursor().pixmap().toImage(), pointer);
    EXPECT_EQ(label->cursor().pixmap().toImage(), pointer);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, IconLayoutTest,
    ::testing::Values(
        LayoutRow{"Image1_0", 101, 500, 500, "LblPad_0", 300, 980, QStringLiteral("小键盘练习")},
        LayoutRow{"Image1_1", 103, 2000, 500, "LblPad_1", 1800, 980, QStringLiteral("小键盘游戏")},
        LayoutRow{"IconTest_0", 124, 500, 500, "LblTest_0", 300, 980, QStringLiteral("汉字测试")},
        LayoutRow{"IconTest_1", 125, 2000, 500, "LblTest_1", 1800, 980, QStringLiteral("游戏测试")},
        LayoutRow{"ImageTrain_0", 108, 500, 500, "LblTrain_0", 300, 980, lessonLabel(0)},
        LayoutRow{"ImageTrain_10", 104, 2000, 500, "LblTrain_10", 1800, 980, lessonLabel(10)},
        LayoutRow{"ImageTrain_1", 112, 3500, 500, "LblTrain_1", 3220, 980, lessonLabel(1)},
        LayoutRow{"ImageTrain_2", 109, 5000, 500, "LblTrain_2", 4720, 980, lessonLabel(2)},
        LayoutRow{"ImageTrain_3", 113, 6500, 500, "LblTrain_3", 6220, 980, lessonLabel(3)},
        LayoutRow{"ImageTrain_4", 111, 500, 2000, "LblTrain_4", 220, 2480, lessonLabel(4)},
        LayoutRow{"ImageTrain_5", 110, 2000, 2000, "LblTrain_5", 1800, 2480, lessonLabel(5)},
        LayoutRow{"ImageTrain_6", 115, 3500, 2000, "LblTrain_6", 3300, 2480, lessonLabel(6)},
        LayoutRow{"ImageTrain_7", 116, 5000, 2000, "LblTrain_7", 4800, 2480, lessonLabel(7)},
        LayoutRow{"ImageTrain_8", 117, 6500, 2000, "LblTrain_8", 6300, 2480, lessonLabel(8)},
        LayoutRow{"ImageTrain_9", 118, 500, 3500, "LblTrain_9", 300, 3980, lessonLabel(9)}),
    [](const auto& info) { return std::string(info.param.icon); });

// The exit question.
class ExitTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        createDatabase();
        Module1::gDatabase = platform::dao::Database::open(programFile(QStringLiteral("talvorendb.dat")));
        registerInputMethod();
        Module1::LoadImeLayouts();
        Module1::ActivateImeLayout();
        m_imeLayout = platform::KeyboardLayouts::instance().activeLayout();
        ASSERT_TRUE(testsupport::writeFile(programFile(QStringLiteral("notes.txt")), {}));
    }

    void expectQuestion()
    {
        ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
        EXPECT_EQ(seams.ui.messageBoxes()[0].text,
                  QStringLiteral("是否退出Talvoren输入法2002简易版教学系统?"));
        EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("Talvoren输入法2002简易版教学系统"));
        EXPECT_EQ(seams.ui.messageBoxes()[0].flags, platform::MB_YESNO | platform::MB_ICONQUESTION);
    }

    platform::HKL m_imeLayout = 0;
};

TEST_F(ExitTest, NoLeavesEverythingAndTheExitButtonLooksNormalAgain)
{
    seams.ui.queueMessageBoxAnswer(IDNO);
    click(QStringLiteral("ImgExit"));

    expectQuestion();
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(endedWith.isEmpty());
    EXPECT_EQ(gifFiles(), allButtonPictures());
    EXPECT_TRUE(Module1::gDatabase->isOpen());
    EXPECT_NE(m_imeLayout, 0u);
    EXPECT_EQ(platform::KeyboardLayouts::instance().activeLayout(), m_imeLayout);
    EXPECT_EQ(shownPicture(QStringLiteral("ImgExit")), buttonPicture(QStringLiteral("107.gif")));
}

TEST_F(ExitTest, YesCleansUpAndEndsTheProgram)
{
    ASSERT_TRUE(testsupport::writeFile(programFile(QStringLiteral("EXTRA.GIF")), {}));
    seams.ui.queueMessageBoxAnswer(IDYES);
    trigger(QStringLiteral("FileMenuExit"));

    expectQuestion();
    EXPECT_EQ(endedWith.size(), 1);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(QDir(folders.programFolder())
                    .entryList({QStringLiteral("*.gif")}, QDir::Files | QDir::CaseSensitive)
                    .isEmpty());
    EXPECT_FALSE(QFile::exists(programFile(QStringLiteral("EXTRA.GIF"))));
    EXPECT_TRUE(QFile::exists(programFile(QStringLiteral("notes.txt"))));
    EXPECT_FALSE(Module1::gDatabase->isOpen());
    EXPECT_EQ(platform::KeyboardLayouts::instance().activeLayoutId(), QByteArray("00000409"));
}

TEST_F(ExitTest, ClosingTheWindowAsksTheSameQuestion)
{
    seams.ui.queueMessageBoxAnswer(IDNO);
    m_window->close();
    expectQuestion();
    EXPECT_TRUE(m_window->isVisible());
}

} // namespace
