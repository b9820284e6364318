#include "platform/systemlocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool installSystemTranslations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        application.installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace platform
