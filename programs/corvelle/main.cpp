// The word-segmentation practice program: for now the frame alone, with the About box and the book
// upgrades on their commands, until the application's start-up (CCorvelleApp) takes over.
#include "platform/ime/inputmethod.h"
#include "platform/problems.h"
#include "platform/resources.h"
#include "platform/systemlocale.h"
#include "platform/uiservice.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/ui/caboutdlg.h"
#include "segmentation/ui/cmainframe.h"
#include "segmentation/ui/cupgradecodebookdlg.h"
#include "segmentation/ui/cupgradecustomcodebookdlg.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvelle"));
    platform::installSystemTranslations(app);
    QApplication::setWindowIcon(platform::resources::icon(128));

    platform::setProblemReporter([](const QString& message) {
        platform::UiService::instance().messageBox(QApplication::activeWindow(), message,
                                                   segmentation::applicationTitle(),
                                                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
    });
    platform::ime::InputMethod::install();

    CMainFrame frame;
    if (frame.OnCreate() != 0)
        return 1;
    frame.setDocumentTitle(QStringLiteral("Talvoren输入法2002简易版教学系统"));
    frame.commands().setHandler(segmentation::CommandTarget::Application, segmentation::ID_APP_ABOUT,
                                [&frame] {
                                    CAboutDlg about(&frame);
                                    platform::UiService::instance().execModal(&about);
                                });
    frame.commands().setHandler(segmentation::CommandTarget::Frame, segmentation::ID_FILE_NEW, [&frame] {
        CUpgradeCodeBookDlg upgrade(&frame);
        platform::UiService::instance().execModal(&upgrade);
    });
    frame.commands().setHandler(segmentation::CommandTarget::Frame, segmentation::ID_UPGRADE_CUSTOM_BOOK,
                                [&frame] {
                                    CUpgradeCustomCodeBookDlg upgrade(&frame);
                                    platform::UiService::instance().execModal(&upgrade);
                                });
    frame.show();
    return app.exec();
}
