// All-or-nothing writes: a transaction that rolls back unless it was committed.
#pragma once

#include <QSqlDatabase>

namespace platform::dao {

class TransactionGuard
{
public:
    // Begins a transaction on the connection; throws DaoError when it cannot.
    explicit TransactionGuard(QSqlDatabase connection);
    // Rolls back what was not committed.
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    // Throws DaoError when the commit fails (the transaction is then rolled back).
    void commit();

private:
    QSqlDatabase m_connection;
    bool m_open = false;
};

} // namespace platform::dao
