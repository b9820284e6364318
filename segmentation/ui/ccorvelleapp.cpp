#include "segmentation/ui/ccorvelleapp.h"

#include "platform/paths.h"
#include "platform/singleinstance.h"
#include "platform/uiservice.h"
#include "segmentation/core/bookplacement.h"
#include "segmentation/core/commandline.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/caboutdlg.h"
#include "segmentation/ui/ccorvelledoc.h"
#include "segmentation/ui/ccorvelleview.h"
#include "segmentation/ui/cimportarticledlg.h"
#include "segmentation/ui/cmainframe.h"
#include "segmentation/ui/copensampledlg.h"
#include "segmentation/ui/csavearticleasdlg.h"

using namespace segmentation;

void joinFrameViewAndDocument(CMainFrame& frame, CCorvelleView* view, CCorvelleDoc* document)
{
    frame.setCentralWidget(view);
    view->attachCommands(frame.commands());
    document->attachCommands(frame.commands(), &frame);
    QObject::connect(document, &CCorvelleDoc::titleChanged, &frame, &CMainFrame::setDocumentTitle);
    QObject::connect(document, &CCorvelleDoc::articleChanged, view, &CCorvelleView::OnUpdate);
}

CCorvelleApp::CCorvelleApp(const QStringList& arguments, const QString& instanceName, QObject* parent)
    : QObject(parent), m_arguments(arguments), m_instanceName(instanceName)
{
}

CCorvelleApp::~CCorvelleApp() = default;

bool CCorvelleApp::InitInstance()
{
    m_instance = std::make_unique<platform::SingleInstance>(m_instanceName);
    if (m_instance->anotherIsRunning()) {
        afxMessageBox(nullptr, QStringLiteral("你已经运行本次序一次了！\n我不同意你同时运行两次"));
        m_instance->askRunningToComeForward();
        return false;
    }
    connect(m_instance.get(), &platform::SingleInstance::comeForwardRequested, this,
            &CCorvelleApp::bringForward);

    if (!createFrameViewAndDocument())
        return false;

    m_frame->show();
    m_view->setFocus();

    // A code book that a build was cut off in the middle of placing is settled first: what remains
    // is a whole book or none.
    if (!hasWholeBook(BookKind::Code, platform::programFolder())) {
        const int answer = afxMessageBox(
            m_frame.get(),
            QStringLiteral("分词所用的数据不存在!\n现在需要导入数据！\n是否导入？不导入将退出本软件！"),
            platform::MB_YESNO);
        if (answer != platform::IDYES)
            return false;
        runCodeBookUpgrade();
    }
    return true;
}

bool CCorvelleApp::createFrameViewAndDocument()
{
    m_document = new CCorvelleDoc(this);
    m_frame = std::make_unique<CMainFrame>();
    if (m_frame->OnCreate() != 0)
        return false;
    m_view = new CCorvelleView(m_document, m_frame.get(), commandLine(m_arguments));
    joinFrameViewAndDocument(*m_frame, m_view, m_document);

    CommandRouter& commands = m_frame->commands();
    m_document->setArticleSource(ID_FILE_OPEN, modalArticleDialog<CImportArticleDlg>());
    m_document->setArticleSource(ID_OPEN_SAMPLE, modalArticleDialog<COpenSampleDlg>());
    m_document->setArticleExport(exportArticle);
    commands.setHandler(CommandTarget::Application, ID_APP_ABOUT, [this] { OnAppAbout(); });

    // A document named on the command line is opened the framework's way: its name only.
    const QString document = documentArgument(m_arguments);
    if (document.isEmpty() ? !m_document->OnNewDocument()
                           : !m_document->OnOpenDocument(document, m_frame.get()))
        return false;
    m_view->OnInitialUpdate();
    return true;
}

void CCorvelleApp::bringForward()
{
    if (!m_frame)
        return;
    m_frame->showNormal();
    m_frame->raise();
    m_frame->activateWindow();
}

void CCorvelleApp::runCodeBookUpgrade()
{
    // Whatever the dialog did, the program goes on; without a book it segments nothing.
    m_frame->OnUpgradeCodeBook();
}

void CCorvelleApp::OnAppAbout()
{
    CAboutDlg about(m_frame.get());
    platform::UiService::instance().execModal(&about);
}
