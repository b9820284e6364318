// The programs' resources by type and id, from the Qt resource system (":/res/<TYPE>/<id>").
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace platform::resources {

// Raw bytes; empty (and ok false) when there is none.
QByteArray load(const QString& type, const QString& name, bool* ok = nullptr);
inline QByteArray load(const QString& type, int id, bool* ok = nullptr)
{
    return load(type, QString::number(id), ok);
}
QIcon icon(int id);     // ICON/<id>
QPixmap bitmap(int id); // BITMAP/<id>
QString string(int id); // STRING/<id>, UTF-8 text; empty when missing

} // namespace platform::resources
