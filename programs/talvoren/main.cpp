// The main teaching program: start-up runs in the splash window, which hands over to the main window.
#include "exercises/registerexercises.h"
#include "platform/ime/inputmethod.h"
#include "platform/problems.h"
#include "platform/resources.h"
#include "platform/screenfonts.h"
#include "platform/systemlocale.h"
#include "platform/uiservice.h"
#include "shell/frmsplash.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("talvoren"));
    platform::installSystemTranslations(app);
    platform::fonts::installGeneralFont();
    QApplication::setWindowIcon(platform::resources::icon(1));

    platform::setProblemReporter([](const QString& message) {
        platform::UiService::instance().messageBox(QApplication::activeWindow(), message,
                                                   frmSplash::startupTitle(),
                                                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
    });
    platform::ime::InputMethod::install();
    exercises::registerExerciseWindows();

    frmSplash splash;
    splash.Form_Load();
    return app.exec();
}
