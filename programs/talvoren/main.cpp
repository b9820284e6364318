// The main teaching program: start-up runs in the splash window, which hands over to the main window.
#include "platform/problems.h"
#include "platform/resources.h"
#include "platform/uiservice.h"
#include "shell/exerciseregistry.h"
#include "shell/frmabout.h"
#include "shell/frmsplash.h"

#if __has_include("platform/ime/inputmethod.h")
#include "platform/ime/inputmethod.h"
#define TALVOREN_HAS_IME 1
#endif
#if __has_include("exercises/registerexercises.h")
#include "exercises/registerexercises.h"
#define TALVOREN_HAS_DRILLS 1
#endif

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("talvoren"));
    QIcon icon = platform::resources::icon(1);
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/res/BITMAP/about"));
    QApplication::setWindowIcon(icon);

    platform::setProblemReporter([](const QString& message) {
        platform::UiService::instance().messageBox(QApplication::activeWindow(), message,
                                                   frmSplash::startupTitle(),
                                                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
    });
#ifdef TALVOREN_HAS_IME
    platform::ime::InputMethod::install();
#endif
#ifdef TALVOREN_HAS_DRILLS
    exercises::registerDrillWindows();
#endif
    shell::registerExercise(QStringLiteral("frmAbout"), [](QWidget* parent) { return new frmAbout(parent); });

    frmSplash splash;
    splash.Form_Load();
    return app.exec();
}
