#include "segmentation/ui/ccorvelledoc.h"

#include "platform/paths.h"
#include "segmentation/core/commandrouter.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/ui/afxmessagebox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace segmentation;

namespace {

const QString kDocumentTitle = QStringLiteral("Talvoren输入法2002简易版教学系统");

} // namespace

CCorvelleDoc::CCorvelleDoc(QObject* parent) : QObject(parent), m_programFolder(platform::programFolder())
{
    setObjectName(QStringLiteral("CCorvelleDoc"));
}

void CCorvelleDoc::attachCommands(CommandRouter& commands, QWidget* dialogParent)
{
    m_dialogParent = dialogParent;
    commands.setHandler(CommandTarget::Document, ID_FILE_OPEN, [this] { OnOpenArticle(); });
    commands.setHandler(CommandTarget::Document, ID_DELETE_ARTICLE, [this] { OnDeleteArticle(); });
    commands.setHandler(CommandTarget::Document, ID_OPEN_SAMPLE, [this] { OnOpenSample(); });
    commands.setHandler(CommandTarget::Document, ID_FILE_SAVE_AS, [this] { OnSaveArticleAs(); });
}

void CCorvelleDoc::setArticleSource(int commandId, ArticleSource source)
{
    m_sources[commandId] = std::move(source);
}

bool CCorvelleDoc::OnNewDocument()
{
    setTitle(kDocumentTitle);
    return true;
}

bool CCorvelleDoc::OnOpenDocument(const QString& path, QWidget* dialogParent)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        afxMessageBox(dialogParent, QStringLiteral("打开文档失败：%1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    file.close();
    setTitle(QFileInfo(path).fileName());
    return true;
}

void CCorvelleDoc::setTitle(const QString& title)
{
    m_title = title;
    emit titleChanged(title);
}

void CCorvelleDoc::openArticleFrom(int commandId)
{
    const auto source = m_sources.find(commandId);
    if (source == m_sources.end() || !source->second)
        return;
    if (const std::optional<Article> article = source->second(m_dialogParent))
        takeArticle(*article);
}

void CCorvelleDoc::OnOpenArticle()
{
    openArticleFrom(ID_FILE_OPEN);
}

void CCorvelleDoc::OnOpenSample()
{
    openArticleFrom(ID_OPEN_SAMPLE);
}

void CCorvelleDoc::OnSaveArticleAs()
{
    if (m_export)
        m_export(m_dialogParent, m_article.text, m_article.segmentationPattern,
                 m_article.statistics[TestCharacters]);
}

void CCorvelleDoc::OnDeleteArticle()
{
    if (!QFileInfo::exists(m_programFolder + QStringLiteral("user.dat")))
        afxMessageBox(m_dialogParent, QStringLiteral("没有可以删除的文章，请先导入文章"));
}

void CCorvelleDoc::takeArticle(const Article& article)
{
    m_article = article;
    m_loaded = true;
    emit articleChanged();
}
