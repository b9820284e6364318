#include "exercises/windowparts.h"

#include "platform/keystatepanel.h"
#include "platform/statusbar.h"
#include "shell/uifonts.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace exercises {

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QFrame* makePanel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                  const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    if (geometry.isNull())
        label->adjustSize();
    else
        label->setGeometry(geometry);
    return label;
}

QLabel* makeInstructions(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                         const QRect& geometry)
{
    QLabel* label = makeLabel(parent, name, text, font, geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, QStringView caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption.toString(), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFont(shell::songTi(11));
    button->setGeometry(geometry);
    return button;
}

QStatusBar* makeStatusBar(QWidget* parent, QList<QLabel*>& panels, int count, int keyStatePanel)
{
    QStatusBar* statusBar = platform::makeStatusBar(parent);
    for (int panel = 1; panel <= count; ++panel) {
        QLabel* label =
            platform::makeStatusPanel(statusBar, QStringLiteral("Panel%1").arg(panel),
                                      panel == keyStatePanel ? new platform::KeyStatePanel : nullptr);
        statusBar->addWidget(label, panel == 1 ? 1 : 0);
        panels.append(label);
    }
    return statusBar;
}

void stackOverStatusBar(QDialog* window, QWidget* body, QStatusBar* statusBar)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(body);
    layout->addWidget(statusBar);
    window->setFixedSize(window->sizeHint());
}

} // namespace exercises
