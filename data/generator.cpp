#include "data/generator.h"

#include "data/codefiles.h"
#include "data/codescheme.h"
#include "data/lessondb.h"
#include "data/lessons.h"
#include "data/pictures.h"
#include "data/sources.h"
#include "platform/atomicfile.h"
#include "platform/codefile.h"
#include "platform/imelookup.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>

namespace datagen {

namespace {

constexpr int kUserWords = 200;
constexpr int kTeacherWords = 100;
constexpr int kTeacherWordMinLength = 4;

const QByteArray kLayoutKey = QByteArray(platform::kKeyboardLayoutsKey) + "E0200804";

bool writeFile(const QString& path, const QByteArray& contents, QString* error)
{
    QString why;
    if (platform::writeFileAtomically(path, contents, &why))
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, why);
    return false;
}

QList<CodedText> codeFileEntries(const QList<CodedEntry>& entries)
{
    QList<CodedText> texts;
    for (const CodedEntry& entry : entries) {
        const QByteArray gbk = toGbk(entry.text);
        texts.append({entry.code, gbk});
        if (!entry.shortCode.isEmpty())
            texts.append({entry.shortCode, gbk});
    }
    return texts;
}

bool writeInputMethodFiles(const CodeScheme& scheme, const QString& systemFolder, QString* error)
{
    const QByteArray codeFile =
        buildCodeFile(codeFileEntries(scheme.characters()), codeFileEntries(scheme.words()),
                      toGbk(platform::imeDisplayName()));
    QList<platform::codefile::UserWordContents> userWords;
    for (const CodedEntry& word :
         scheme.remainingWords().first(std::min<qsizetype>(kUserWords, scheme.remainingWords().size())))
        userWords.append({platform::codefile::asciiCodeField(word.code.toLatin1()), toGbk(word.text)});
    const QByteArray userWordFile = platform::codefile::writeUserWordFile(userWords);
    const QDir dir(systemFolder);
    // Both editions of the input method read the same codes here.
    return writeFile(dir.filePath(QStringLiteral("orvesk.mb")), codeFile, error) &&
           writeFile(dir.filePath(QStringLiteral("orveske.mb")), codeFile, error) &&
           writeFile(dir.filePath(QStringLiteral("ZDY.TXT")), userWordFile, error) &&
           writeFile(dir.filePath(QStringLiteral("ZDYgbk.TXT")), userWordFile, error);
}

// Long words the code file lacks: what a teacher adds for the segmentation.
QByteArray teacherWordList(const CodeScheme& scheme)
{
    QList<QByteArray> words;
    for (const CodedEntry& word : scheme.remainingWords().mid(kUserWords)) {
        if (words.size() == kTeacherWords)
            break;
        if (word.text.size() >= kTeacherWordMinLength)
            words.append(toGbk(word.text));
    }
    return platform::codefile::writeWordList(words);
}

bool registerInputMethod(const QString& systemFolder, QString* error)
{
    qputenv("TALVOREN_SYSTEM_DIR", QFile::encodeName(systemFolder));
    platform::RegistryHive hive;
    // REG_SZ as Windows stores it: the text's bytes and the terminating NUL.
    hive.setValue(kLayoutKey, platform::kLayoutTextValue,
                  {platform::REG_SZ, toGbk(platform::imeDisplayName()) + '\0'});
    return hive.save(platform::hiveFilePath(platform::HKEY_LOCAL_MACHINE), error);
}

bool readArticles(QList<Article>* articles, QString* error)
{
    QFile file(QStringLiteral(":/datagen/articles.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("the articles are missing from the tool");
        return false;
    }
    *articles = parseArticles(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace

bool generate(const GeneratorOptions& options, QString* error)
{
    if (!QDir().mkpath(options.programFolder) || !QDir().mkpath(options.systemFolder)) {
        *error = QStringLiteral("cannot create %1 or %2").arg(options.programFolder, options.systemFolder);
        return false;
    }
    const QDir unihanFolder(options.unihanFolder);
    QByteArray fourCorner;
    QByteArray variants;
    QByteArray essayText;
    if (!readBzip2File(unihanFolder.filePath(QStringLiteral("Unihan_DictionaryLikeData.txt.bz2")),
                       &fourCorner, error) ||
        !readBzip2File(unihanFolder.filePath(QStringLiteral("Unihan_Variants.txt.bz2")), &variants, error) ||
        !readFile(options.essayFile, &essayText, error))
        return false;
    const CodeScheme scheme(parseFourCornerCodes(fourCorner),
                            parseEssay(essayText, parseSimplifiedVariants(variants)));

    PictureMaker maker;
    if (!maker.loadFont(options.fontFiles, error))
        return false;
    Lessons lessons = chooseCodeBooks(scheme);
    drawPictures(scheme, maker, &lessons);
    if (!readArticles(&lessons.articles, error))
        return false;

    const QDir program(options.programFolder);
    return writeLessonDatabase(program.filePath(QStringLiteral("talvorendb.dat")), lessons, error) &&
           writeFile(program.filePath(QStringLiteral("usercibiao.TXT")), teacherWordList(scheme), error) &&
           writeInputMethodFiles(scheme, options.systemFolder, error) &&
           registerInputMethod(options.systemFolder, error);
}

} // namespace datagen
