// The stored test articles (table TestArticle): titles in row order, an article's text, adding one
// and deleting one with the others renumbered. Each change is one transaction.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace platform::dao {
class Database;
class Recordset;
} // namespace platform::dao

namespace exercises {

class ArticleStore
{
public:
    // Opens the table for the store's life; throws DaoError when it cannot.
    explicit ArticleStore(platform::dao::Database& database);
    ~ArticleStore();
    ArticleStore(const ArticleStore&) = delete;
    ArticleStore& operator=(const ArticleStore&) = delete;

    // Each of these throws DaoError when the table cannot be read or written; a change that fails
    // leaves the table as it was.
    QStringList titles();
    // The text of the article at a position of the title list (0-based).
    QString text(int index);
    // A new last article, numbered one above the count of the others.
    void add(const QString& title, const QString& text);
    // Deletes the article at a position and numbers the rest 1..n in row order.
    void remove(int index);

private:
    platform::dao::Recordset& articles();
    // After a change was rolled back the recordset no longer matches the table.
    void reopen();

    platform::dao::Database& m_database;
    std::unique_ptr<platform::dao::Recordset> m_articleRs;
};

} // namespace exercises
