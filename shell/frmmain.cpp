#include "shell/frmmain.h"

#include "platform/clock.h"
#include "platform/imelookup.h"
#include "platform/opener.h"
#include "platform/paths.h"
#include "platform/programexit.h"
#include "platform/resources.h"
#include "platform/screenplacement.h"
#include "platform/sound.h"
#include "platform/statusbar.h"
#include "platform/uiservice.h"
#include "shell/exerciseregistry.h"
#include "shell/giffiles.h"
#include "shell/lessoncatalogue.h"
#include "shell/module1.h"
#include "shell/uifonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kCaption = QStringLiteral("Talvoren输入法2002简易版教学系统");
// Exercise titles of the keypad game, the article test and the game test.
const QString kPadGameTitle = QStringLiteral("小键盘游戏");
const QString kTestTitle = QStringLiteral("Talvoren汉字测试");
const QString kGameTestTitle = QStringLiteral("游戏测试");

constexpr int kTwipsPerPixel = 15;
constexpr int kFormWidthTwips = 9000;
constexpr int kPanelTop = 60;
constexpr int kPanelHeight = 5595;
constexpr int kIconTwips = 480;
constexpr int kButtonPointerIcon = 127;
constexpr int kGroupPointerIcon = 128;

int px(int twips)
{
    return qRound(double(twips) / kTwipsPerPixel);
}

// Positions inside the right panel, in twips: the icon's top left corner and its label's.
struct Placement
{
    int iconLeft;
    int iconTop;
    int labelLeft;
    int labelTop;
};

const Placement kGroupOf2[2] = {{500, 500, 300, 980}, {2000, 500, 1800, 980}};
// By lesson index: rows read 0, 10, 1, 2, 3 / 4, 5, 6, 7, 8 / 9.
const Placement kTrainPlacements[11] = {
    {500, 500, 300, 980},     {3500, 500, 3220, 980},   {5000, 500, 4720, 980},   {6500, 500, 6220, 980},
    {500, 2000, 220, 2480},   {2000, 2000, 1800, 2480}, {3500, 2000, 3300, 2480}, {5000, 2000, 4800, 2480},
    {6500, 2000, 6300, 2480}, {500, 3500, 300, 3980},   {2000, 500, 1800, 980},
};
const int kPadIcons[2] = {101, 103};
const int kTestIcons[2] = {124, 125};

// A caption wider than its label is set a little smaller rather than cut off.
void shrinkToFit(QLabel* label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
}

// F1 anywhere in the program, modal windows included, opens the help file.
class HelpKeyFilter : public QObject
{
public:
    HelpKeyFilter(QObject* parent, std::function<void()> help) : QObject(parent), m_help(std::move(help)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            m_help();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_help;
};

QCursor iconCursor(int id)
{
    const QIcon icon = platform::resources::icon(id);
    if (icon.isNull())
        return QCursor(Qt::PointingHandCursor);
    const QPixmap picture = icon.pixmap(32, 32);
    // The pointer pictures point upwards: the hot spot is the tip, the topmost solid pixel.
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128)
                return QCursor(picture, x, y);
        }
    }
    return QCursor(picture);
}

QPixmap logoPicture(const QSize& size)
{
    QPixmap picture(QStringLiteral(":/res/BITMAP/logo"));
    if (!picture.isNull())
        return picture;
    picture = QPixmap(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(239, 167, 8));
    painter.drawText(picture.rect(), Qt::AlignCenter, platform::imeDisplayName());
    return picture;
}

} // namespace

frmmain::frmmain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(kCaption);
    buildPanels();
    buildGroups();
    buildMenus();
    buildStatusBar();
    // The window keeps its designed size; only minimising changes it.
    m_formSize = sizeHint();
    setFixedSize(m_formSize);
    Form_Load();
}

frmmain::~frmmain() = default;

void frmmain::buildPanels()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    central->setFixedSize(px(kFormWidthTwips), px(kPanelTop + kPanelHeight + kPanelTop));
    setCentralWidget(central);

    auto* picture1 = new QWidget(central);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(px(0), px(kPanelTop), px(1575), px(kPanelHeight));
    picture1->setAutoFillBackground(true);
    QPalette orange = picture1->palette();
    orange.setColor(QPalette::Window, QColor(239, 167, 8));
    picture1->setPalette(orange);

    m_buttons = {
        {QStringLiteral("ImgPad"), 120, QStringLiteral("101.gif"), QStringLiteral("102.gif"),
         QStringLiteral("Label1"), 919, QStringLiteral("小键盘训练"),
         QStringLiteral("单击此按钮将进入小键盘练习"), &frmmain::ImgPad_Click},
        {QStringLiteral("ImgTrain"), 1440, QStringLiteral("103.gif"), QStringLiteral("104.gif"),
         QStringLiteral("Label2"), 2280, QStringLiteral("Talvoren汉字训练"),
         QStringLiteral("单击此按钮将进入Talvoren汉字训练"), &frmmain::ImgTrain_Click},
        {QStringLiteral("ImgTest"), 2880, QStringLiteral("105.gif"), QStringLiteral("106.gif"),
         QStringLiteral("Label3"), 3720, QStringLiteral("Talvoren汉字测试"),
         QStringLiteral("单击此按钮将进入Talvoren汉字测试"), &frmmain::ImgTest_Click},
        {QStringLiteral("ImgExit"), 4320, QStringLiteral("107.gif"), QStringLiteral("108.gif"),
         QStringLiteral("Label4"), 5160, QStringLiteral("退 出 系 统"),
         QStringLiteral("单击此按钮将退出系统"), &frmmain::ImgExit_Click},
    };
    for (PictureButton& button : m_buttons)
        buildPictureButton(picture1, button);

    m_picture2 = new QWidget(central);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setGeometry(px(1560), px(kPanelTop), px(7365), px(kPanelHeight));
    m_picture2->setAutoFillBackground(true);
    QPalette white = m_picture2->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_picture2->setPalette(white);
    m_picture2->setMouseTracking(true);
    m_picture2->installEventFilter(this);

    // The logo keeps to the free lower right corner, clear of every group's icons and captions.
    auto* logo = new QLabel(m_picture2);
    logo->setObjectName(QStringLiteral("ImgOrvesk"));
    logo->setGeometry(px(3000), px(3300), px(4050), px(2250));
    logo->setScaledContents(true);
    logo->setPixmap(logoPicture(logo->size()));
}

void frmmain::buildPictureButton(QWidget* panel, PictureButton& button)
{
    button.image = new QLabel(panel);
    button.image->setObjectName(button.name);
    button.image->setGeometry(px(120), px(button.top), px(1200), px(600));
    button.image->setScaledContents(true);
    button.image->setMouseTracking(true);
    button.image->installEventFilter(this);

    auto* label = new QLabel(button.caption, panel);
    label->setObjectName(button.labelName);
    label->setGeometry(px(0), px(button.labelTop), px(1455), px(255));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(shell::songTi(9, true));
    shrinkToFit(label);
}

QList<frmmain::GroupItem> frmmain::buildGroup(const QString& iconName, const QString& labelName, int count)
{
    QList<GroupItem> group;
    for (int i = 0; i < count; ++i) {
        GroupItem item;
        item.icon = new QLabel(m_picture2);
        item.icon->setObjectName(iconName + u'_' + QString::number(i));
        item.label = new QLabel(m_picture2);
        item.label->setObjectName(labelName + u'_' + QString::number(i));
        item.label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        item.label->setFont(shell::songTi(9));
        for (QLabel* widget : {item.icon, item.label}) {
            widget->hide();
            widget->installEventFilter(this);
        }
        group.append(item);
    }
    return group;
}

void frmmain::buildGroups()
{
    m_padGroup = buildGroup(QStringLiteral("Image1"), QStringLiteral("LblPad"), 2);
    m_padGroup[0].label->setText(QStringLiteral("小键盘练习"));
    m_padGroup[0].opening = {QStringLiteral("frmkeypad1"), std::nullopt, true, true};
    m_padGroup[1].label->setText(QStringLiteral("小键盘游戏"));
    m_padGroup[1].opening = {QStringLiteral("frmplay"), kPadGameTitle, true, true};

    m_testGroup = buildGroup(QStringLiteral("IconTest"), QStringLiteral("LblTest"), 2);
    m_testGroup[0].label->setText(QStringLiteral("汉字测试"));
    m_testGroup[0].opening = {QStringLiteral("frmtest"), kTestTitle, true, false};
    m_testGroup[1].label->setText(QStringLiteral("游戏测试"));
    m_testGroup[1].opening = {QStringLiteral("frmplay"), kGameTestTitle, true, false};

    m_trainGroup = buildGroup(QStringLiteral("ImageTrain"), QStringLiteral("LblTrain"),
                              int(shell::lessonCatalogue().size()));
    for (const shell::Lesson& lesson : shell::lessonCatalogue()) {
        GroupItem& item = m_trainGroup[lesson.index];
        item.label->setText(lesson.label);
        item.opening = {lesson.window, lesson.title, true, true};
    }
}

void frmmain::buildMenus()
{
    auto addItem = [this](QMenu* menu, const QString& caption, const QString& name,
                          const std::function<void()>& handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto addMenu = [](auto* owner, const QString& caption, const QString& name) {
        QMenu* menu = owner->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };
    auto opener = [this](const Opening& opening) { return [this, opening] { openExercise(opening); }; };

    QMenu* fileMenu = addMenu(menuBar(), QStringLiteral("文件(&F)"), QStringLiteral("FileMenu"));
    addItem(fileMenu, QStringLiteral("管理码本"), QStringLiteral("FileMenufrmmaint"),
            opener({QStringLiteral("frmmaint"), std::nullopt, false, false}));
    addItem(fileMenu, QStringLiteral("退出(&E)"), QStringLiteral("FileMenuExit"),
            [this] { FileMenuExit_Click(); });

    m_trainMenu = addMenu(menuBar(), QStringLiteral("训练(&T)"), QStringLiteral("TrainMenu"));
    QMenu* keyboardPad =
        addMenu(m_trainMenu, QStringLiteral("小键盘指法训练"), QStringLiteral("KeyboardPad"));
    addItem(keyboardPad, QStringLiteral("小键盘练习"), QStringLiteral("skeyboard"),
            opener({QStringLiteral("frmkeypad1"), std::nullopt, false, false}));
    addItem(keyboardPad, QStringLiteral("小键盘游戏"), QStringLiteral("playkeyboard"),
            opener({QStringLiteral("frmplay"), kPadGameTitle, false, false}));
    m_trainMenu->addSeparator()->setObjectName(QStringLiteral("Splite1"));
    QMenu* talvorenBase =
        addMenu(m_trainMenu, QStringLiteral("Talvoren汉字训练(&B)"), QStringLiteral("TalvorenBase"));
    for (const shell::Lesson& lesson : shell::lessonCatalogue()) {
        const int index = lesson.index;
        addItem(talvorenBase, lesson.title, QStringLiteral("TalvorenTestMenu_%1").arg(index),
                [this, index] { TalvorenTestMenu_Click(index); });
    }
    m_trainMenu->addSeparator()->setObjectName(QStringLiteral("splite2"));
    addItem(m_trainMenu, QStringLiteral("Talvoren汉字测试"), QStringLiteral("hanzhitest"),
            opener({QStringLiteral("frmtest"), kTestTitle, false, false}));
    addItem(m_trainMenu, QStringLiteral("Talvoren游戏测试"), QStringLiteral("playtest"),
            opener({QStringLiteral("frmplay"), kGameTestTitle, false, false}));

    QMenu* helpMenu = addMenu(menuBar(), QStringLiteral("帮助(&H)"), QStringLiteral("HelpMenu"));
    addItem(helpMenu, QStringLiteral("主题与索引"), QStringLiteral("help"), [this] { help_Click(); });
    addItem(helpMenu, QStringLiteral("关于Talvoren汉字教学软件"), QStringLiteral("AboutTalvorenSystem"),
            opener({QStringLiteral("frmAbout"), std::nullopt, false, false}));
}

void frmmain::buildStatusBar()
{
    QStatusBar* bar = platform::makeStatusBar(this);
    setStatusBar(bar);
    m_panel1 = platform::makeStatusPanel(bar, QStringLiteral("Panel1"));
    bar->addWidget(m_panel1, 1);
    m_datePanel = platform::makeStatusPanel(bar, QStringLiteral("Panel2"));
    m_datePanel->setMinimumWidth(90);
    m_datePanel->setAlignment(Qt::AlignCenter);
    bar->addPermanentWidget(m_datePanel);
    m_timePanel = platform::makeStatusPanel(bar, QStringLiteral("Panel3"));
    m_timePanel->setMinimumWidth(60);
    m_timePanel->setAlignment(Qt::AlignCenter);
    bar->addPermanentWidget(m_timePanel);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("ClockTimer"));
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &frmmain::updateClock);
    m_clockTimer->start();
    updateClock();
}

void frmmain::updateClock()
{
    const QDateTime now = platform::Clock::instance().now();
    m_datePanel->setText(now.toString(QStringLiteral("yyyy-M-d")));
    m_timePanel->setText(now.toString(QStringLiteral("H:mm")));
}

void frmmain::Form_Load()
{
    ProgramFolder = platform::programFolder();
    if (!ProgramFolder.endsWith(u'/'))
        ProgramFolder += u'/';
    m_helpFile = ProgramFolder + QStringLiteral("talvorencaihelp.chm");
    qApp->installEventFilter(new HelpKeyFilter(this, [this] { help_Click(); }));
    platform::centreOnScreen(this);
    IndentMenuLabels();
    ResetButtons();
    LayoutMenuIcons();
}

void frmmain::ResetButtons()
{
    const QCursor pointer = iconCursor(kButtonPointerIcon);
    for (const PictureButton& button : std::as_const(m_buttons)) {
        button.image->setPixmap(QPixmap(ProgramFolder + button.normalPicture));
        button.image->setCursor(pointer);
    }
}

void frmmain::HideMenuIcons()
{
    for (const QList<GroupItem>* group : {&m_padGroup, &m_trainGroup, &m_testGroup}) {
        for (const GroupItem& item : *group) {
            item.icon->hide();
            item.label->hide();
        }
    }
}

void frmmain::LayoutMenuIcons()
{
    const QCursor pointer = iconCursor(kGroupPointerIcon);
    auto place = [&pointer](const GroupItem& item, int iconId, const Placement& at) {
        item.icon->setPixmap(platform::resources::icon(iconId).pixmap(32, 32));
        item.icon->setGeometry(px(at.iconLeft), px(at.iconTop), px(kIconTwips), px(kIconTwips));
        // The label is as wide as needed to stand centred under its icon.
        const int centredWidth = 2 * (px(at.iconLeft + kIconTwips / 2) - px(at.labelLeft));
        const QFontMetrics metrics(item.label->font());
        const QRect text = metrics.boundingRect(QRect(), Qt::AlignHCenter, item.label->text());
        item.label->setGeometry(px(at.labelLeft), px(at.labelTop), std::max(centredWidth, text.width() + 2),
                                text.height() + 2);
        item.icon->setCursor(pointer);
        item.label->setCursor(pointer);
    };
    for (int i = 0; i < 2; ++i) {
        place(m_padGroup[i], kPadIcons[i], kGroupOf2[i]);
        place(m_testGroup[i], kTestIcons[i], kGroupOf2[i]);
    }
    for (const shell::Lesson& lesson : shell::lessonCatalogue())
        place(m_trainGroup[lesson.index], lesson.icon, kTrainPlacements[lesson.index]);
}

void frmmain::IndentMenuLabels()
{
    // Two empty lines above each caption set it below its icon.
    for (const QList<GroupItem>* group : {&m_padGroup, &m_trainGroup, &m_testGroup}) {
        for (const GroupItem& item : *group)
            item.label->setText(QStringLiteral("\n\n") + item.label->text());
    }
}

void frmmain::pressButton(int index)
{
    ResetButtons();
    m_buttons[index].image->setPixmap(QPixmap(ProgramFolder + m_buttons[index].pressedPicture));
}

void frmmain::showGroup(const QList<GroupItem>& group)
{
    for (const GroupItem& item : group) {
        item.icon->show();
        item.label->show();
    }
}

void frmmain::ImgPad_Click()
{
    pressButton(0);
    HideMenuIcons();
    platform::SoundPlayer::instance().playResource(QStringLiteral("wav"));
    showGroup(m_padGroup);
}

void frmmain::ImgTrain_Click()
{
    pressButton(1);
    platform::SoundPlayer::instance().playResource(QStringLiteral("wav"));
    HideMenuIcons();
    showGroup(m_trainGroup);
}

void frmmain::ImgTest_Click()
{
    pressButton(2);
    platform::SoundPlayer::instance().playResource(QStringLiteral("wav"));
    HideMenuIcons();
    showGroup(m_testGroup);
}

void frmmain::ImgExit_Click()
{
    pressButton(3);
    platform::SoundPlayer::instance().playResource(QStringLiteral("wav"));
    close();
}

void frmmain::FileMenuExit_Click()
{
    close();
}

void frmmain::TalvorenTestMenu_Click(int index)
{
    openExercise(m_trainGroup[index].opening);
}

void frmmain::openExercise(const Opening& opening)
{
    const shell::ExerciseFactory factory = shell::exerciseFactory(opening.window);
    if (!factory)
        return; // an exercise this build does not have yet
    if (opening.sound)
        platform::SoundPlayer::instance().playResource(QStringLiteral("sound"));
    if (opening.numLock)
        Module1::NumLockOn();
    if (opening.title)
        Module1::gExerciseTitle = *opening.title;
    // The window is made only now: it reads the exercise title while it loads.
    QPointer<QDialog> dialog = factory(this);
    if (!dialog)
        return;
    platform::UiService::instance().execModal(dialog);
    delete dialog;
}

void frmmain::help_Click()
{
    if (!platform::openHelpFile(m_helpFile)) {
        platform::UiService::instance().messageBox(this, QStringLiteral("帮助文件不存在或已损坏！"),
                                                   QStringLiteral("Talvoren汉字教学软件"),
                                                   platform::MB_OK | platform::MB_ICONINFORMATION);
    }
}

void frmmain::setHint(const QString& hint)
{
    m_panel1->setText(hint);
}

void frmmain::Form_Unload(bool& cancel)
{
    const int answer = platform::UiService::instance().messageBox(
        this, QStringLiteral("是否退出Talvoren输入法2002简易版教学系统?"), kCaption,
        platform::MB_YESNO | platform::MB_ICONQUESTION);
    if (answer != platform::IDYES) {
        cancel = true;
        ResetButtons();
        return;
    }
    // Leaving must not fail half-way: every step is tried whatever the one before did.
    try {
        shell::deleteGifFiles(ProgramFolder);
    } catch (...) {
    }
    try {
        if (Module1::gDatabase)
            Module1::gDatabase->Close();
    } catch (...) {
    }
    try {
        Module1::ActivateEnglishLayout();
    } catch (...) {
    }
    platform::endProgram();
}

void frmmain::closeEvent(QCloseEvent* event)
{
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void frmmain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Snap back from any size but the designed one; a minimised or maximised window is left alone.
    if (isMinimized() || isMaximized() || size() == m_formSize || m_formSize.isEmpty())
        return;
    resize(m_formSize);
}

bool frmmain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture2) {
        if (event->type() == QEvent::MouseMove) {
            setHint(QStringLiteral("按F1键开启帮助视窗"));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton)
                m_trainMenu->popup(mouse->globalPosition().toPoint());
        }
        return false;
    }
    for (const PictureButton& button : std::as_const(m_buttons)) {
        if (watched != button.image)
            continue;
        if (event->type() == QEvent::MouseMove) {
            setHint(button.hint);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                button.image->rect().contains(mouse->position().toPoint()))
                (this->*button.click)();
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (const QList<GroupItem>* group : {&m_padGroup, &m_trainGroup, &m_testGroup}) {
            for (const GroupItem& item : *group) {
                if (watched == item.icon || watched == item.label) {
                    openExercise(item.opening);
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
