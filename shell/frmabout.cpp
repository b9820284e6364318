#include "shell/frmabout.h"

#include "platform/resources.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于Talvoren输入法2002简易版教学系统（简体)"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    QPixmap art(QStringLiteral(":/res/BITMAP/about"));
    if (art.isNull())
        art = platform::resources::icon(1).pixmap(64, 64);
    picture->setPixmap(art.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setFixedSize(68, 68);
    picture->setAlignment(Qt::AlignCenter);

    QLabel* title =
        textLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Talvoren输入法2002简易版教学系统"));
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 3);
    titleFont.setBold(true);
    title->setFont(titleFont);

    QLabel* description =
        textLabel(this, QStringLiteral("lblDescription"),
                  QStringLiteral("本系统帮助初学者循序渐进地掌握数字编码输入：从十种笔形到单字、简码和词组，"
                                 "再到汉字测试与游戏。每课限时练习，结束后显示正确率与打字速度。"));

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    QLabel* disclaimer = textLabel(this, QStringLiteral("lblDisclaimer"),
                                   QStringLiteral("Orvesk 软件工作室 出品。本软件供学习与教学使用，"
                                                  "练习内容与成绩仅供参考。"));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(10);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(description, 1, 1);
    layout->addWidget(line, 2, 0, 1, 2);
    layout->addWidget(disclaimer, 3, 0, 1, 2);
    layout->addWidget(ok, 4, 1, Qt::AlignRight);
    setFixedSize(qMax(sizeHint().width(), 420), sizeHint().height());
}

void frmAbout::cmdOK_Click()
{
    accept();
}
