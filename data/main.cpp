// talvoren_datagen: writes the sample data into a program folder and a system folder.
#include "data/generator.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Pictures are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the Talvoren sample data."));
    parser.addHelpOption();
    const QCommandLineOption programOption(QStringLiteral("program-dir"), QStringLiteral("Program folder."),
                                           QStringLiteral("dir"));
    const QCommandLineOption systemOption(QStringLiteral("system-dir"),
                                          QStringLiteral("System folder (default: <program-dir>/system)."),
                                          QStringLiteral("dir"));
    const QCommandLineOption unihanOption(QStringLiteral("unihan-dir"),
                                          QStringLiteral("Folder of the Unihan files."),
                                          QStringLiteral("dir"), QStringLiteral("/usr/share/unicode"));
    const QCommandLineOption essayOption(QStringLiteral("essay"), QStringLiteral("rime-essay word list."),
                                         QStringLiteral("file"),
                                         QStringLiteral("/usr/share/rime-data/essay.txt"));
    const QCommandLineOption fontOption(QStringLiteral("font"), QStringLiteral("CJK font file (repeatable)."),
                                        QStringLiteral("file"));
    parser.addOptions({programOption, systemOption, unihanOption, essayOption, fontOption});
    parser.process(app);

    QTextStream err(stderr);
    if (!parser.isSet(programOption)) {
        err << "talvoren_datagen: --program-dir is required\n";
        return 2;
    }
    datagen::GeneratorOptions options;
    options.programFolder = parser.value(programOption);
    options.systemFolder = parser.isSet(systemOption) ? parser.value(systemOption)
                                                      : options.programFolder + QStringLiteral("/system");
    options.unihanFolder = parser.value(unihanOption);
    options.essayFile = parser.value(essayOption);
    options.fontFiles = parser.values(fontOption);
    if (options.fontFiles.isEmpty())
        options.fontFiles = {QStringLiteral("/usr/share/fonts/truetype/arphic/ukai.ttc"),
                             QStringLiteral("/usr/share/fonts/truetype/arphic/uming.ttc")};

    QString error;
    if (!datagen::generate(options, &error)) {
        err << "talvoren_datagen: " << error << '\n';
        return 1;
    }
    return 0;
}
