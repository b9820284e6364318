#include "shell/databasemessage.h"

#include "platform/dao.h"

namespace shell {

QString databaseFailureText(const platform::dao::DaoError& error, const QString& damagedText)
{
    return error.isLocked() ? QStringLiteral("数据库正被其他程序使用，请稍后再试") : damagedText;
}

} // namespace shell
