#include "tests/ime/support/samplecodes.h"

#include "tests/support/files.h"

namespace imetest {

QList<CodeGroup> sampleCharacters()
{
    return {
        {"5000", {QStringLiteral("中"), QStringLiteral("史")}},
        {"1", {QStringLiteral("一")}},
        {"12", {QStringLiteral("丁")}},
        {"123456", {QStringLiteral("丑")}},
        {"4040", {QStringLiteral("木")}},
        {"5000", {QStringLiteral("申")}},
    };
}

QList<CodeGroup> sampleWords()
{
    return {
        {"5000", {QStringLiteral("中国人")}},
        {"50", {QStringLiteral("中国")}},
        {"77", {}},
        {"6", {QStringLiteral("国家"), QStringLiteral("国人")}},
    };
}

QList<UserWord> sampleUserWords()
{
    return {
        {"5000", QStringLiteral("中文")},
        {"88", QStringLiteral("好的")},
    };
}

bool writeSampleFiles(const QString& folder)
{
    return testsupport::writeFile(folder + QStringLiteral("orvesk.mb"),
                                  codeFileBytes(sampleCharacters(), sampleWords())) &&
           testsupport::writeFile(folder + QStringLiteral("ZDYgbk.TXT"),
                                  userWordFileBytes(sampleUserWords()));
}

} // namespace imetest
