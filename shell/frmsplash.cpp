#include "shell/frmsplash.h"

#include "platform/clock.h"
#include "platform/dao.h"
#include "platform/imelookup.h"
#include "platform/paths.h"
#include "platform/programexit.h"
#include "platform/screenplacement.h"
#include "platform/singleinstance.h"
#include "platform/uiservice.h"
#include "shell/databasemessage.h"
#include "shell/frmmain.h"
#include "shell/giffiles.h"
#include "shell/module1.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace {

const QString kStartupTitle = QStringLiteral("Talvoren汉字教学软体");
const QString kIncompleteData = QStringLiteral("数据不完整，请重新安装本软件");
constexpr int kPictureWidth = 480;
constexpr int kPictureHeight = 300;
constexpr int kStripHeight = 64;

// The picture the art work provides, else one drawn here so the window never stands empty.
QPixmap splashPicture()
{
    QPixmap picture(QStringLiteral(":/res/BITMAP/splash"));
    if (!picture.isNull())
        return picture;
    picture = QPixmap(kPictureWidth, kPictureHeight);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, kPictureHeight);
    gradient.setColorAt(0, QColor(239, 167, 8));
    gradient.setColorAt(1, QColor(255, 236, 190));
    painter.fillRect(picture.rect(), gradient);
    QFont font = painter.font();
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, platform::imeDisplayName());
    return picture;
}

QLabel* stripLabel(QWidget* parent, const QString& name, const QString& text, int pixelSize, bool bold,
                   Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

frmSplash::frmSplash(const QString& instanceName, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_instanceName(instanceName)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kPictureWidth, kPictureHeight + kStripHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(20, 50, 120));
    setPalette(palette);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setScaledContents(true);
    picture->setPixmap(splashPicture());
    picture->setGeometry(0, 0, kPictureWidth, kPictureHeight);

    // Below the picture: the edition on the left, the maker on the right.
    stripLabel(this, QStringLiteral("lblPlatform"), QStringLiteral("For 2002简易版"), 22, true, Qt::AlignLeft)
        ->setGeometry(20, kPictureHeight, kPictureWidth / 2, kStripHeight);
    stripLabel(this, QStringLiteral("lblCompany"), QStringLiteral("Orvesk 软件工作室"), 14, false,
               Qt::AlignRight)
        ->setGeometry(kPictureWidth / 2, kPictureHeight, kPictureWidth / 2 - 20, kStripHeight);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(200);
    connect(m_timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

frmSplash::~frmSplash() = default;

QString frmSplash::startupTitle()
{
    return kStartupTitle;
}

frmmain* frmSplash::mainWindow() const
{
    return m_main;
}

void frmSplash::Form_Load()
{
    platform::centreOnScreen(this);
    show();
    // Owned by the splash, which lives as long as the program, so later copies keep finding this one.
    m_instance = new platform::SingleInstance(m_instanceName, this);
    if (m_instance->anotherIsRunning()) {
        platform::endProgram();
        return;
    }
    m_timer1->start();
}

void frmSplash::Timer1_Timer()
{
    m_timer1->stop();
    platform::randomizeFromClock();

    Module1::gAppPath = platform::programFolder();
    if (!Module1::gAppPath.endsWith(u'/'))
        Module1::gAppPath += u'/';

    if (!writeButtonPictures()) {
        platform::UiService::instance().messageBox(
            this, QStringLiteral("请检查硬盘是否写保护，或硬盘空间已满"), kStartupTitle,
            platform::MB_OKCANCEL | platform::MB_ICONSTOP);
        platform::endProgram();
        return;
    }
    Module1::LoadImeLayouts();
    openDatabaseAndShowMain();
}

bool frmSplash::writeButtonPictures()
{
    for (int id = 101; id <= 108; ++id) {
        if (!Module1::SaveResourceToFile(id, QStringLiteral("GIF"),
                                         QString::number(id) + QStringLiteral(".gif")))
            return false;
    }
    return true;
}

void frmSplash::openDatabaseAndShowMain()
{
    try {
        Module1::gDatabase =
            platform::dao::Database::open(Module1::gAppPath + QStringLiteral("talvorendb.dat"));
        auto* main = new frmmain();
        main->setAttribute(Qt::WA_DeleteOnClose);
        m_main = main;
        main->show();
        close();
    } catch (const platform::dao::DaoError& error) {
        failToStart(shell::databaseFailureText(error, kIncompleteData));
    } catch (const std::exception&) {
        failToStart(kIncompleteData);
    }
}

void frmSplash::failToStart(const QString& message)
{
    delete m_main;
    platform::UiService::instance().messageBox(this, message, kStartupTitle,
                                               platform::MB_OK | platform::MB_ICONEXCLAMATION);
    shell::deleteGifFiles(Module1::gAppPath);
    platform::endProgram();
}
