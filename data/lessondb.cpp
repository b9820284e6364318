#include "data/lessondb.h"

#include "shell/codebookcatalogue.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace datagen {

namespace {

class Writer
{
public:
    explicit Writer(const QString& connectionName) : m_db(QSqlDatabase::database(connectionName, false)) {}

    bool exec(const QString& statement, const QVariantList& values = {})
    {
        QSqlQuery query(m_db);
        if (!query.prepare(statement)) {
            m_error = query.lastError().text();
            return false;
        }
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            m_error = query.lastError().text();
            return false;
        }
        return true;
    }

    bool codeBook(const QString& table, const QList<LessonRow>& rows)
    {
        if (!exec(QStringLiteral("CREATE TABLE %1 (bianma TEXT, wenzhi TEXT, number INTEGER)").arg(table)))
            return false;
        int number = 0;
        for (const LessonRow& row : rows) {
            if (!exec(QStringLiteral("INSERT INTO %1 (bianma, wenzhi, number) VALUES (?, ?, ?)").arg(table),
                      {row.bianma, row.wenzhi, ++number}))
                return false;
        }
        return true;
    }

    bool pictures(const QString& table, const QList<PictureRow>& rows)
    {
        if (!exec(QStringLiteral("CREATE TABLE %1 (picture BLOB, bianma TEXT)").arg(table)))
            return false;
        for (const PictureRow& row : rows) {
            if (!exec(QStringLiteral("INSERT INTO %1 (picture, bianma) VALUES (?, ?)").arg(table),
                      {row.picture, row.bianma}))
                return false;
        }
        return true;
    }

    bool all(const Lessons& lessons)
    {
        using shell::kCatalogueTable;
        if (!exec(QStringLiteral("CREATE TABLE %1 (showname TEXT)").arg(kCatalogueTable)))
            return false;
        for (const shell::CodeBook& book : shell::codeBookCatalogue()) {
            if (!exec(QStringLiteral("INSERT INTO %1 (showname) VALUES (?)").arg(kCatalogueTable),
                      {book.showname}))
                return false;
        }
        if (!exec(QStringLiteral("CREATE TABLE %1 (number INTEGER, bianma TEXT, wenzhi TEXT)")
                      .arg(shell::kScratchTable)))
            return false;
        const QList<const QList<LessonRow>*> books = {
            &lessons.jiandan, &lessons.zi1jm, &lessons.zi2jm, &lessons.ci1jm, &lessons.ci2jm,
            &lessons.ci2,     &lessons.ci3,   &lessons.ci4,   &lessons.cid,   &lessons.playziku};
        const QList<shell::CodeBook>& names = shell::codeBookCatalogue();
        Q_ASSERT(names.size() == books.size());
        for (qsizetype i = 0; i < books.size(); ++i) {
            if (!codeBook(names[i].table, *books[i]))
                return false;
        }
        if (!pictures(QStringLiteral("bixing"), lessons.bixing) ||
            !pictures(QStringLiteral("ColorZi"), lessons.colorZi))
            return false;
        if (!exec(QStringLiteral("CREATE TABLE skeyboard (bianma TEXT)")))
            return false;
        for (const QString& keys : lessons.skeyboard) {
            if (!exec(QStringLiteral("INSERT INTO skeyboard (bianma) VALUES (?)"), {keys}))
                return false;
        }
        // Articles are longer than a short text field holds.
        if (!exec(QStringLiteral("CREATE TABLE TestArticle (title TEXT, wenzhang LONGTEXT, number INTEGER)")))
            return false;
        int number = 0;
        for (const Article& article : lessons.articles) {
            if (!exec(QStringLiteral("INSERT INTO TestArticle (title, wenzhang, number) VALUES (?, ?, ?)"),
                      {article.title, article.wenzhang, ++number}))
                return false;
        }
        return true;
    }

    QString error() const { return m_error; }

private:
    QSqlDatabase m_db;
    QString m_error;
};

} // namespace

bool writeLessonDatabase(const QString& path, const Lessons& lessons, QString* error)
{
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    const QString connection = QStringLiteral("talvoren_datagen");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(partial);
        if (!db.open()) {
            *error = QStringLiteral("cannot create %1: %2").arg(partial, db.lastError().text());
        } else {
            Writer writer(connection);
            db.transaction();
            ok = writer.all(lessons) && db.commit();
            if (!ok)
                *error = QStringLiteral("cannot write %1: %2")
                             .arg(partial, writer.error() + db.lastError().text());
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok) {
        QFile::remove(path);
        ok = QFile::rename(partial, path);
        if (!ok)
            *error = QStringLiteral("cannot move %1 to %2").arg(partial, path);
    }
    if (!ok)
        QFile::remove(partial);
    return ok;
}

} // namespace datagen
