#include "platform/ime/imefiles.h"

#include <QFile>

namespace platform::ime {
namespace {

using Kind = FileProblem::Kind;

std::optional<FileProblem> readFile(const QString& path, QByteArray* contents)
{
    QFile file(path);
    FileProblem problem;
    problem.filePath = path;
    if (!file.exists()) {
        problem.kind = Kind::Missing;
        return problem;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problem.kind = Kind::Unreadable;
        return problem;
    }
    *contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem.kind = Kind::Unreadable;
        return problem;
    }
    return std::nullopt;
}

} // namespace

std::optional<FileProblem> readCodeFile(QByteArrayView bytes, CodeTableBuilder& into)
{
    return codefile::readCodeFile(bytes,
                                  [&into](const codefile::CodeFileEntry& entry) {
                                      if (entry.oddities.testFlag(codefile::Oddity::EmptyText))
                                          return;
                                      const EntrySource source =
                                          entry.group.section == codefile::Section::Characters
                                              ? EntrySource::Character
                                              : EntrySource::Word;
                                      into.add(entry.group.code, entry.text, source);
                                  })
        .problem;
}

std::optional<FileProblem> readUserWordFile(QByteArrayView bytes, CodeTableBuilder& into)
{
    // A code the input method cannot type refuses the file; what follows it is not added.
    std::optional<FileProblem> badCode;
    const codefile::ReadResult read =
        codefile::readUserWordFile(bytes, [&](const codefile::UserWordEntry& entry) {
            if (badCode)
                return;
            if (!codefile::isDigitCode(entry.codeText))
                badCode = FileProblem{Kind::BadUserCode, entry.offset, {}};
            else
                into.add(entry.codeText, entry.word, EntrySource::UserWord);
        });
    return badCode ? badCode : read.problem;
}

LoadedTable loadCodeTable(const QString& folder)
{
    LoadedTable result;
    CodeTableBuilder builder;
    for (const char* name : {kCodeFileName, kUserWordFileName}) {
        const QString path = folder + QLatin1StringView(name);
        QByteArray contents;
        result.problem = readFile(path, &contents);
        if (!result.problem) {
            result.problem =
                name == kCodeFileName ? readCodeFile(contents, builder) : readUserWordFile(contents, builder);
        }
        if (result.problem) {
            result.problem->filePath = path;
            return result;
        }
    }
    result.table = builder.build();
    return result;
}

} // namespace platform::ime
