// The practice program's document: the loaded article, its two patterns and its ten figures. Only
// dialogs fill it: the article import and the practice-file reader hand over an Article on OK, which
// the document takes whole; nothing marks it modified and nothing is saved through it.
#pragma once

#include "platform/uiservice.h"
#include "segmentation/core/article.h"

#include <QDialog>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>

class QWidget;

namespace segmentation {
class CommandRouter;
}

class CCorvelleDoc : public QObject
{
    Q_OBJECT
public:
    // A way to get an article from the user: runs its dialog modally over parent and gives the
    // article on OK, nothing on Cancel.
    using ArticleSource = std::function<std::optional<segmentation::Article>(QWidget* parent)>;
    // The export: the article text, its segmentation pattern and its character count.
    using ArticleExport = std::function<void(QWidget* parent, const QByteArray& text,
                                             const QByteArray& segmentationPattern, qint32 characters)>;

    explicit CCorvelleDoc(QObject* parent = nullptr);

    // Attaches the document's commands (import 57601, practice file 32781, export 57604, delete
    // 32776) at the document's place in the routing.
    void attachCommands(segmentation::CommandRouter& commands, QWidget* dialogParent);

    // Where the import (57601), the practice-file reader (32781) and the export (57604) attach.
    void setArticleSource(int commandId, ArticleSource source);
    void setArticleExport(ArticleExport exporter) { m_export = std::move(exporter); }

    // The title := the suite's name; the frame shows it before its own title.
    bool OnNewDocument();
    // A document named on the command line: opened and closed unread; its name becomes the title.
    // False (after the message) when it cannot be opened.
    bool OnOpenDocument(const QString& path, QWidget* dialogParent);
    QString title() const { return m_title; }

    void OnOpenArticle();
    void OnOpenSample();
    void OnSaveArticleAs();
    void OnDeleteArticle();

    // Replaces the article, its patterns and figures, marks the document loaded and updates the views.
    void takeArticle(const segmentation::Article& article);

    bool isLoaded() const { return m_loaded; }
    const QByteArray& article() const { return m_article.text; }
    const QByteArray& segmentationPattern() const { return m_article.segmentationPattern; }
    const QByteArray& shortCodePattern() const { return m_article.shortCodePattern; }
    const segmentation::ArticleStatistics& statistics() const { return m_article.statistics; }

signals:
    // UpdateAllViews: the article changed.
    void articleChanged();
    void titleChanged(const QString& title);

private:
    void setTitle(const QString& title);
    void openArticleFrom(int commandId);

    segmentation::Article m_article;
    bool m_loaded = false;
    QString m_programFolder;
    QString m_title;
    QWidget* m_dialogParent = nullptr;
    std::map<int, ArticleSource> m_sources;
    ArticleExport m_export;
};

namespace segmentation {

// The article source of a dialog that gives its result as `Article article() const`: the dialog
// runs modally through the UI service, and on OK its article is taken.
template <typename Dialog> CCorvelleDoc::ArticleSource modalArticleDialog()
{
    return [](QWidget* parent) -> std::optional<Article> {
        Dialog dialog(parent);
        if (platform::UiService::instance().execModal(&dialog) != QDialog::Accepted)
            return std::nullopt;
        return dialog.article();
    };
}

} // namespace segmentation
