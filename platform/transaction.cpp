#include "platform/transaction.h"

#include "platform/dao.h"

#include <QSqlError>

namespace platform::dao {

TransactionGuard::TransactionGuard(QSqlDatabase connection) : m_connection(std::move(connection))
{
    if (!m_connection.isOpen() || !m_connection.transaction())
        throw DaoError(QStringLiteral("cannot begin a transaction: %1")
                           .arg(m_connection.lastError().text())
                           .toStdString());
    m_open = true;
}

TransactionGuard::~TransactionGuard()
{
    if (m_open)
        m_connection.rollback();
}

void TransactionGuard::commit()
{
    if (!m_open)
        throw DaoError("commit without an open transaction");
    m_open = false;
    if (!m_connection.commit()) {
        const QString problem = m_connection.lastError().text();
        m_connection.rollback();
        throw DaoError(QStringLiteral("cannot commit: %1").arg(problem).toStdString());
    }
}

} // namespace platform::dao
