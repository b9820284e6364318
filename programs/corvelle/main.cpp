// The word-segmentation practice program: the application object runs the start-up and hands over
// to the event loop.
#include "platform/ime/inputmethod.h"
#include "platform/problems.h"
#include "platform/resources.h"
#include "platform/screenfonts.h"
#include "platform/systemlocale.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/ccorvelleapp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvelle"));
    platform::installSystemTranslations(app);
    platform::fonts::installGeneralFont();
    QApplication::setWindowIcon(platform::resources::icon(128));

    platform::setProblemReporter(
        [](const QString& message) { segmentation::afxMessageBox(QApplication::activeWindow(), message); });
    platform::ime::InputMethod::install();

    CCorvelleApp theApp(QCoreApplication::arguments());
    if (!theApp.InitInstance())
        return 0;
    return app.exec();
}
