#include "segmentation/ui/caboutdlg.h"

#include "platform/opener.h"
#include "platform/resources.h"
#include "segmentation/core/helpfile.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QLabel* line(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("关于 Corvelle"));
    setModal(true);

    QLabel* icon = line(this, QStringLiteral("IDR_MAINFRAME"), QString());
    icon->setPixmap(platform::resources::icon(128).pixmap(32, 32));
    icon->setFixedSize(32, 32);

    QLabel* product = line(this, QStringLiteral("lblProduct"), QStringLiteral("Corvelle 分词练习 1.0 版"));
    QLabel* rights =
        line(this, QStringLiteral("lblRights"), QStringLiteral("版权所有 (C) 2002 Orvesk 软件工作室"));

    // The whole static answers a click, as a notifying static does; it looks like a link.
    QLabel* maker =
        line(this, QStringLiteral("1025"),
             QStringLiteral("Orvesk 软件工作室　<span style=\"color:#0645ad; text-decoration:underline\">"
                            "关于 Corvelle（帮助文件）</span>"));
    maker->setTextFormat(Qt::RichText);
    maker->setCursor(Qt::PointingHandCursor);
    maker->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(6);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(product, 0, 1);
    layout->addWidget(rights, 1, 1);
    layout->addWidget(maker, 2, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    setFixedSize(sizeHint());
}

bool CAboutDlg::OnWebAddress()
{
    return platform::openWithDesktop(segmentation::helpAboutPageAddress());
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->objectName() == QStringLiteral("1025") && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OnWebAddress();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
