#include "segmentation/core/bookproblems.h"

#include "segmentation/core/bookreader.h"

namespace segmentation {

BookProblem bookProblem(const BuildFailure& failure)
{
    switch (failure.kind) {
    case BuildFailure::Kind::SourceNotOpened:
    case BuildFailure::Kind::MappingNotCreated:
    case BuildFailure::Kind::ViewNotMapped:
        return {failure.message, true};
    case BuildFailure::Kind::SourceDamaged:
    case BuildFailure::Kind::BookNotWritten:
        break;
    }
    return {failure.message, false};
}

BookProblem bookProblem(BookKind kind, const BookOpenFailure& failure)
{
    if (failure.kind == BookOpenFailure::Kind::DatabaseNotOpened)
        return bookReadProblem(kind, failure.message);
    return {failure.message, true};
}

BookProblem bookReadProblem(BookKind kind, const QString& detail)
{
    const QString name = bookFiles(kind, QString()).database;
    QString text;
    switch (kind) {
    case BookKind::Code:
        text = QStringLiteral("码本文件%1不能读取，请重新升级码本！").arg(name);
        break;
    case BookKind::Teacher:
        text =
            QStringLiteral("教师词库%1不能读取，请检查%2！").arg(name, QLatin1String(kTeacherWordListName));
        break;
    case BookKind::Custom:
        text = QStringLiteral("自定义码本%1不能读取，请升级自定义码本！").arg(name);
        break;
    }
    return {text + u'\n' + detail, false};
}

} // namespace segmentation
