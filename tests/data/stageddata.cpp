#include "tests/data/stageddata.h"

#include "platform/gbk.h"
#include "tests/support/files.h"
#include "tests/support/testfolders.h"

namespace datatests {

QString stagedDatabase()
{
    return stagedProgramFile(QStringLiteral("talvorendb.dat"));
}

QString stagedProgramFile(const QString& name)
{
    return testsupport::stageFolder() + name;
}

QString stagedSystemFile(const QString& name)
{
    return testsupport::stageFolder() + QStringLiteral("system/") + name;
}

bool StagedCodeFile::holds(const QString& code, const QString& text) const
{
    const QByteArray key = code.toLatin1() + '\t' + platform::gbk::encode(text);
    return text.size() == 1 ? characterEntries.contains(key) : wordEntries.contains(key);
}

const StagedCodeFile& stagedCodeFile()
{
    static const StagedCodeFile staged = [] {
        StagedCodeFile result;
        const QByteArray bytes = testsupport::readFile(stagedSystemFile(QStringLiteral("orvesk.mb")));
        if (bytes.isEmpty())
            result.error = QStringLiteral("orvesk.mb is not staged");
        else
            readCodeFile(bytes, &result.file, &result.error);
        for (const CodedText& entry : result.file.characters)
            result.characterEntries.insert(entry.code + '\t' + entry.text);
        for (const CodedText& entry : result.file.words)
            result.wordEntries.insert(entry.code + '\t' + entry.text);
        return result;
    }();
    return staged;
}

} // namespace datatests
