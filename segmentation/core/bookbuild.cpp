#include "segmentation/core/bookbuild.h"

#include "segmentation/core/textfile.h"

#include <QFileInfo>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace segmentation {

QString BuildReport::skippedMessage() const
{
    if (skipped.total() == 0)
        return {};
    QStringList reasons;
    if (skipped.empty > 0)
        reasons << QStringLiteral("%1 个空词").arg(skipped.empty);
    if (skipped.tooLong > 0)
        reasons << QStringLiteral("%1 个超过50字节的词").arg(skipped.tooLong);
    if (skipped.noCharacter > 0)
        reasons << QStringLiteral("%1 个不以汉字开头的词").arg(skipped.noCharacter);
    if (skipped.unstorable > 0)
        reasons << QStringLiteral("%1 个含有无效字符的词").arg(skipped.unstorable);
    return QStringLiteral("有 %1 个词条不能收入码本，已跳过：%2。")
        .arg(skipped.total())
        .arg(reasons.join(QStringLiteral("，")));
}

std::unique_ptr<MappedSource> MappedSource::open(const QString& path, const QString& openFailureMessage,
                                                 BuildFailure* failure)
{
    std::unique_ptr<MappedSource> source(new MappedSource);
    source->m_file.setFileName(path);
    if (!QFileInfo(path).isFile() || !source->m_file.open(QIODevice::ReadOnly)) {
        *failure = {BuildFailure::Kind::SourceNotOpened, openFailureMessage};
        return nullptr;
    }
    const qint64 size = source->m_file.size();
    // As with the system's file mappings, an empty file has nothing to map.
    if (size <= 0) {
        *failure = {BuildFailure::Kind::MappingNotCreated, QString::fromUtf8(kMappingNotCreatedMessage)};
        return nullptr;
    }
    const uchar* view = source->m_file.map(0, size);
    if (!view) {
        *failure = {BuildFailure::Kind::ViewNotMapped, QString::fromUtf8(kViewNotMappedMessage)};
        return nullptr;
    }
    source->m_bytes = QByteArrayView(reinterpret_cast<const char*>(view), size);
    return source;
}

StagedBook::StagedBook(BookFiles book)
    : m_book(std::move(book)), m_staged{m_book.database + QStringLiteral(".new"),
                                        m_book.index + QStringLiteral(".new")}
{
    removeStaged();
}

StagedBook::~StagedBook()
{
    removeStaged();
}

void StagedBook::removeStaged()
{
    // A journal left by a build that was cut off would otherwise be played into the next one.
    for (const QString& path :
         {m_staged.database, m_staged.database + QStringLiteral("-journal"), m_staged.index})
        QFile::remove(path);
}

bool StagedBook::writeIndex(const QList<quint16>& counts, QString* error)
{
    const QByteArray bytes = indexFileBytes(counts);
    QFile file(m_staged.index);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        *error = fileWriteFailure(m_staged.index, file.errorString());
        return false;
    }
    file.close();
    return true;
}

namespace {

// Every byte of the file on the disk, so that a book put in place is there whole.
bool synced(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || ::fsync(file.handle()) != 0) {
        *error = fileWriteFailure(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool StagedBook::putInPlace(QString* error)
{
    if (!synced(m_staged.database, error) || !synced(m_staged.index, error))
        return false;
    if (QFile::exists(m_book.index) && !QFile::remove(m_book.index)) {
        *error = QStringLiteral("不能删除文件 %1").arg(m_book.index);
        return false;
    }
    for (const auto& [from, to] :
         {std::pair{m_staged.database, m_book.database}, std::pair{m_staged.index, m_book.index}}) {
        std::error_code failed;
        std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(),
                                failed);
        if (failed) {
            *error = QStringLiteral("不能把文件 %1 改名为 %2：%3")
                         .arg(from, to, QString::fromLocal8Bit(failed.message().c_str()));
            return false;
        }
    }
    return true;
}

} // namespace segmentation
