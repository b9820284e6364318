// The staged sample data the tests check, read once per test program.
#pragma once

#include "tests/data/imefilereader.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace datatests {

QString stagedDatabase();
QString stagedProgramFile(const QString& name);
QString stagedSystemFile(const QString& name);

// The staged code file, read under the code-file rules; `error` says why when it could not be.
struct StagedCodeFile
{
    CodeFile file;
    QString error;
    QSet<QByteArray> characterEntries; // code + '\t' + text
    QSet<QByteArray> wordEntries;
    bool holds(const QString& code, const QString& text) const;
};
const StagedCodeFile& stagedCodeFile();

} // namespace datatests
