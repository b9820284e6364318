#include "platform/resources.h"

#include <QFile>

namespace platform::resources {
namespace {

QString pathOf(const QString& type, const QString& name)
{
    return QStringLiteral(":/res/") + type.toUpper() + u'/' + name;
}

} // namespace

QByteArray load(const QString& type, const QString& name, bool* ok)
{
    QFile file(pathOf(type, name));
    const bool opened = !name.isEmpty() && file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    return opened ? file.readAll() : QByteArray();
}

QIcon icon(int id)
{
    // The image reader tells .ico from .png data by content, so the resource needs no suffix.
    const QString path = pathOf(QStringLiteral("ICON"), QString::number(id));
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QPixmap bitmap(int id)
{
    const QString path = pathOf(QStringLiteral("BITMAP"), QString::number(id));
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

QString string(int id)
{
    return QString::fromUtf8(load(QStringLiteral("STRING"), id));
}

} // namespace platform::resources
