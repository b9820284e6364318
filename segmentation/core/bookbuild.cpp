#include "segmentation/core/bookbuild.h"

#include <QFileInfo>

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

} // namespace segmentation
