#include "exercises/articlestore.h"

#include "platform/dao.h"
#include "platform/transaction.h"

namespace exercises {
namespace {

using platform::dao::DaoError;
using platform::dao::Recordset;

const QString kTable = QStringLiteral("TestArticle");
const QString kTitle = QStringLiteral("title");
const QString kText = QStringLiteral("wenzhang");
const QString kNumber = QStringLiteral("number");

} // namespace

ArticleStore::ArticleStore(platform::dao::Database& database)
    : m_database(database), m_articleRs(database.OpenRecordset(kTable))
{
}

ArticleStore::~ArticleStore() = default;

Recordset& ArticleStore::articles()
{
    if (!m_articleRs)
        throw DaoError("the article table could not be opened again");
    return *m_articleRs;
}

void ArticleStore::reopen()
{
    try {
        m_articleRs = m_database.OpenRecordset(kTable);
    } catch (const DaoError&) {
        m_articleRs.reset();
    }
}

QStringList ArticleStore::titles()
{
    Recordset& rs = articles();
    QStringList titles;
    if (!rs.isEOF())
        rs.MoveFirst();
    while (!rs.isEOF()) {
        titles.append(rs.text(kTitle));
        rs.MoveNext();
    }
    return titles;
}

QString ArticleStore::text(int index)
{
    Recordset& rs = articles();
    rs.MoveFirst();
    rs.Move(index);
    return rs.text(kText);
}

void ArticleStore::add(const QString& title, const QString& text)
{
    try {
        Recordset& rs = articles();
        platform::dao::TransactionGuard transaction(m_database.connection());
        if (!rs.isEOF()) {
            rs.MoveLast();
            rs.MoveFirst();
        }
        const int count = rs.RecordCount();
        rs.AddNew();
        rs.setField(kTitle, title);
        rs.setField(kText, text);
        rs.setField(kNumber, count + 1);
        rs.Update();
        transaction.commit();
    } catch (const DaoError&) {
        reopen();
        throw;
    }
}

void ArticleStore::remove(int index)
{
    try {
        Recordset& rs = articles();
        platform::dao::TransactionGuard transaction(m_database.connection());
        rs.MoveFirst();
        rs.Move(index);
        rs.Delete();
        if (rs.RecordCount() > 0) {
            int number = 1;
            rs.MoveFirst();
            while (!rs.isEOF()) {
                rs.Edit();
                rs.setField(kNumber, number++);
                rs.Update();
                rs.MoveNext();
            }
        }
        transaction.commit();
    } catch (const DaoError&) {
        reopen();
        throw;
    }
}

} // namespace exercises
