#include "segmentation/ui/cmainframe.h"

#include "platform/resources.h"
#include "platform/uiservice.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/cupgradecodebookdlg.h"
#include "segmentation/ui/cupgradecustomcodebookdlg.h"
#include "segmentation/ui/logfontconversion.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

using namespace segmentation;

namespace {

constexpr QSize kButtonSize(16, 15);

QLabel* newPane(QWidget* parent, const QString& name, const QString& text)
{
    auto* pane = new QLabel(text, parent);
    pane->setObjectName(name);
    pane->setTextFormat(Qt::PlainText);
    return pane;
}

// A pane as wide as its indicator string, as the string table sizes it.
void sizeToIndicator(QLabel* pane, int indicatorId)
{
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    const int margins = 2 * pane->frameWidth() + pane->contentsMargins().left() +
                        pane->contentsMargins().right() + 2 * pane->margin() + 6;
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(indicatorText(indicatorId)) + margins);
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setDocumentTitle(QString());
    setWindowIcon(platform::resources::icon(128));
    resize(800, 600);
}

int CMainFrame::OnCreate()
{
    createActions();
    createMenus();
    if (!createToolBar())
        return -1;
    createStatusBar();
    attachFrameCommands();
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CMainFrame::updateCommandStates);
    updateCommandStates();
    return 0;
}

void CMainFrame::createActions()
{
    for (const CommandInfo& command : commandTable()) {
        auto* action = new QAction(this);
        action->setObjectName(command.name);
        action->setData(command.id);
        // The text keeps its "\t" part: the menu shows it where it shows shortcuts, also for the one
        // item whose key (Ctrl+Z) sends nothing.
        action->setText(command.caption);
        action->setIconVisibleInMenu(false); // the pictures belong to the toolbar
        action->setStatusTip(command.statusText());
        if (!command.toolTip().isEmpty())
            action->setToolTip(command.toolTip());
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] {
            m_commands.route(id);
            updateCommandStates();
        });
        addAction(action); // keys work for commands without a menu item too
        m_actions[id] = action;
    }
    for (const Accelerator& accelerator : accelerators())
        m_actions.at(accelerator.id)->setShortcut(QKeySequence(accelerator.key));
    m_actions.at(ID_VIEW_TOOLBAR)->setCheckable(true);
    m_actions.at(ID_VIEW_STATUS_BAR)->setCheckable(true);
}

void CMainFrame::createMenus()
{
    for (const MenuInfo& info : mainMenu()) {
        QMenu* menu = menuBar()->addMenu(info.title);
        for (int id : info.items) {
            if (id == ID_SEPARATOR)
                menu->addSeparator();
            else
                menu->addAction(m_actions.at(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    }
}

bool CMainFrame::createToolBar()
{
    QPixmap strip;
    if (!strip.loadFromData(platform::resources::load(QStringLiteral("BITMAP"), QStringLiteral("toolbar"))))
        return false;
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("AFX_IDW_TOOLBAR"));
    m_toolBar->setIconSize(kButtonSize);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    int picture = 0;
    for (int id : toolbarButtons()) {
        if (id == ID_SEPARATOR) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_actions.at(id);
        const QRect cell(QPoint(picture * kButtonSize.width(), 0), kButtonSize);
        if (!strip.rect().contains(cell))
            return false;
        action->setIcon(QIcon(strip.copy(cell)));
        m_toolBar->addAction(action);
        ++picture;
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    return true;
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("AFX_IDW_STATUS_BAR"));
    for (int indicator : statusIndicators()) {
        if (indicator == ID_SEPARATOR) {
            QLabel* message = newPane(bar, QStringLiteral("ID_SEPARATOR"), idleMessage());
            bar->addWidget(message, 1);
            m_panes.push_back(message);
            continue;
        }
        const bool clock = indicator == ID_INDICATOR_CLOCK;
        // The clock pane starts blank; the maker pane keeps its line.
        QLabel* pane =
            newPane(bar, clock ? QStringLiteral("ID_INDICATOR_CLOCK") : QStringLiteral("ID_INDICATOR_MAKER"),
                    clock ? QString() : indicatorText(indicator));
        sizeToIndicator(pane, indicator);
        bar->addPermanentWidget(pane);
        m_panes.push_back(pane);
    }
}

void CMainFrame::attachFrameCommands()
{
    m_commands.setHandler(CommandTarget::Frame, ID_VIEW_TOOLBAR,
                          [this] { m_toolBar->setVisible(m_toolBar->isHidden()); });
    m_commands.setUpdateHandler(CommandTarget::Frame, ID_VIEW_TOOLBAR,
                                [this](CommandState& state) { state.checked = !m_toolBar->isHidden(); });
    m_commands.setHandler(CommandTarget::Frame, ID_VIEW_STATUS_BAR,
                          [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    m_commands.setUpdateHandler(CommandTarget::Frame, ID_VIEW_STATUS_BAR,
                                [this](CommandState& state) { state.checked = !statusBar()->isHidden(); });
    // Leaving never asks to save: nothing marks the document modified.
    m_commands.setHandler(CommandTarget::Frame, ID_APP_EXIT, [this] { close(); });
    m_commands.setHandler(CommandTarget::Frame, ID_FONT_SETTING, [this] { OnFontSetting(); });
    m_commands.setHandler(CommandTarget::Frame, ID_FILE_NEW, [this] { OnUpgradeCodeBook(); });
    m_commands.setHandler(CommandTarget::Frame, ID_UPGRADE_CUSTOM_BOOK,
                          [this] { OnUpgradeCustomCodeBook(); });
}

void CMainFrame::OnUpgradeCodeBook()
{
    CUpgradeCodeBookDlg dialog(this);
    platform::UiService::instance().execModal(&dialog);
}

void CMainFrame::OnUpgradeCustomCodeBook()
{
    CUpgradeCustomCodeBookDlg dialog(this);
    platform::UiService::instance().execModal(&dialog);
}

void CMainFrame::OnFontSetting()
{
    LogFont font = readOrCreateFontSettings(defaultGuiLogFont());
    if (const std::optional<QFont> chosen =
            platform::UiService::instance().chooseFont(this, fontFromLogFont(font)))
        font = logFontFromFont(*chosen);
    writeFontSettings(font);
}

QAction* CMainFrame::action(int id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::updateCommandStates()
{
    for (const auto& [id, action] : m_actions) {
        const CommandState state = m_commands.state(id);
        action->setEnabled(state.enabled);
        if (state.checked) {
            action->setCheckable(true);
            action->setChecked(*state.checked);
        }
    }
}

void CMainFrame::setDocumentTitle(const QString& title)
{
    setWindowTitle(title.isEmpty() ? frameTitle() : title + QStringLiteral(" - ") + frameTitle());
}

int CMainFrame::commandToIndex(int indicatorId) const
{
    const std::vector<int>& indicators = statusIndicators();
    for (std::size_t i = 0; i < indicators.size() && i < m_panes.size(); ++i)
        if (indicators[i] == indicatorId)
            return int(i);
    return -1;
}

void CMainFrame::setPaneText(int index, const QString& text)
{
    if (index >= 0 && std::size_t(index) < m_panes.size())
        m_panes[std::size_t(index)]->setText(text);
}

QString CMainFrame::paneText(int index) const
{
    if (index >= 0 && std::size_t(index) < m_panes.size())
        return m_panes[std::size_t(index)]->text();
    return QString();
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip && !m_panes.empty()) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        setPaneText(0, tip.isEmpty() ? idleMessage() : tip);
        return true;
    }
    return QMainWindow::event(event);
}
