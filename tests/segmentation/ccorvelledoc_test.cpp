// The document: what it takes from the article dialogs, its title, the export and the delete command.
#include "segmentation/core/frameresources.h"
#include "tests/segmentation/practicewindow.h"
#include "tests/support/files.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace practicetest;
using namespace segmentation;

namespace {

// Stands in for the import and practice-file dialogs: an article on OK.
class ArticleDialog : public QDialog
{
public:
    explicit ArticleDialog(QWidget* parent) : QDialog(parent)
    {
        setObjectName(QStringLiteral("ArticleDialog"));
    }
    Article article() const { return makeArticle(QStringLiteral("小河流水"), {2, 2}); }
};

class DocumentTest : public PracticeWindowTest
{
protected:
    void SetUp() override { build(); }
};

TEST_F(DocumentTest, ANewDocumentIsTitledWithTheSuitesName)
{
    EXPECT_EQ(document->title(), QStringLiteral("Talvoren输入法2002简易版教学系统"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Talvoren输入法2002简易版教学系统 - 分词练习"));
    EXPECT_FALSE(document->isLoaded());
}

TEST_F(DocumentTest, TakingAnArticleReplacesEverythingAndUpdatesTheView)
{
    QSignalSpy changed(document, &CCorvelleDoc::articleChanged);
    const Article first = makeArticle(QStringLiteral("春风吹绿"), {1, 3});
    document->takeArticle(first);
    Article second = makeArticle(QStringLiteral("江南"), {2});
    second.shortCodePattern = "44";
    second.statistics.fill(7);
    document->takeArticle(second);
    EXPECT_TRUE(document->isLoaded());
    EXPECT_EQ(document->article(), second.text);
    EXPECT_EQ(document->segmentationPattern(), "00");
    EXPECT_EQ(document->shortCodePattern(), "44");
    EXPECT_EQ(document->statistics(), second.statistics);
    EXPECT_EQ(changed.count(), 2);
}

class ArticleCommandTest : public DocumentTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(ArticleCommandTest, OkTakesTheDialogsArticleAndCancelKeepsTheOneLoaded)
{
    const Article loaded = makeArticle(QStringLiteral("春风吹绿"), {1, 3});
    document->takeArticle(loaded);
    document->setArticleSource(GetParam(), modalArticleDialog<ArticleDialog>());
    QSignalSpy changed(document, &CCorvelleDoc::articleChanged);

    onDialog = [](QDialog*) { return int(QDialog::Rejected); };
    EXPECT_TRUE(frame->commands().route(GetParam()));
    EXPECT_EQ(document->article(), loaded.text);
    EXPECT_EQ(document->statistics(), loaded.statistics);
    EXPECT_EQ(changed.count(), 0);

    onDialog = {};
    EXPECT_TRUE(frame->commands().route(GetParam()));
    EXPECT_EQ(document->article(), ArticleDialog(nullptr).article().text);
    EXPECT_EQ(document->segmentationPattern(), "0011");
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(seams.ui.modalWindows().size(), 2);
    EXPECT_EQ(seams.ui.modalWindows()[0].objectName, QStringLiteral("ArticleDialog"));
}

INSTANTIATE_TEST_SUITE_P(ImportAndPracticeFile, ArticleCommandTest,
                         ::testing::Values(ID_FILE_OPEN, ID_OPEN_SAMPLE));

TEST_F(DocumentTest, TheExportGetsTheTextItsSegmentationAndItsCharacterCount)
{
    Article article = makeArticle(QStringLiteral("春风吹绿"), {1, 3});
    article.statistics[TestCharacters] = 4;
    document->takeArticle(article);
    QByteArray exportedText;
    QByteArray exportedPattern;
    qint32 exportedCount = 0;
    document->setArticleExport(
        [&](QWidget*, const QByteArray& text, const QByteArray& pattern, qint32 count) {
            exportedText = text;
            exportedPattern = pattern;
            exportedCount = count;
        });
    document->OnSaveArticleAs();
    EXPECT_EQ(exportedText, article.text);
    EXPECT_EQ(exportedPattern, "0111");
    EXPECT_EQ(exportedCount, 4);
}

TEST_F(DocumentTest, DeleteSpeaksOnlyWhenThereIsNoUserArticleFile)
{
    EXPECT_TRUE(frame->commands().route(ID_DELETE_ARTICLE));
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("没有可以删除的文章，请先导入文章")});
    const QString user = folders.programFolder() + QStringLiteral("user.dat");
    ASSERT_TRUE(testsupport::writeFile(user, {}));
    seams.ui.clearRecords();
    EXPECT_TRUE(frame->commands().route(ID_DELETE_ARTICLE));
    EXPECT_TRUE(seams.ui.messageTexts().isEmpty());
    EXPECT_TRUE(QFile::exists(user));
}

TEST_F(DocumentTest, ADocumentNamedOnTheCommandLineLendsOnlyItsName)
{
    const QString path = folders.programFolder() + QStringLiteral("lesson.txt");
    ASSERT_TRUE(testsupport::writeFile(path, "not read"));
    EXPECT_TRUE(document->OnOpenDocument(path, frame.get()));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("lesson.txt - 分词练习"));
    EXPECT_FALSE(document->isLoaded());

    EXPECT_FALSE(
        document->OnOpenDocument(folders.programFolder() + QStringLiteral("missing.txt"), frame.get()));
    ASSERT_EQ(seams.ui.messageTexts().size(), 1);
    EXPECT_TRUE(seams.ui.messageTexts()[0].contains(QStringLiteral("missing.txt")));
}

} // namespace
