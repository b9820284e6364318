// Practice files and the export through the program: the view's save command, the practice-file
// dialog, the export dialog with its separator, the enable rules, and a save reopened after a restart.
#include "platform/gbk.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/core/practicefile.h"
#include "segmentation/core/settings.h"
#include "segmentation/core/textfile.h"
#include "segmentation/ui/ccorvelleapp.h"
#include "segmentation/ui/copensampledlg.h"
#include "segmentation/ui/csavearticleasdlg.h"
#include "segmentation/ui/cseparatordlg.h"
#include "tests/segmentation/practicewindow.h"
#include "tests/support/files.h"
#include "tests/support/fulldisk.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace practicetest;
using namespace segmentation;

namespace {

using testsupport::readFile;

QByteArray gbk(const char16_t* text)
{
    return platform::gbk::encode(QStringView(text));
}

// An article as an import hands it over: words 春风, 吹, 绿了, 江南, the first entered by a short code.
Article importedArticle()
{
    Article article;
    article.text = gbk(u"春风吹绿了江南");
    article.segmentationPattern = "0010011";
    article.shortCodePattern = "4410011";
    article.statistics = {7, 3, 0, 0, 0, 1, 0, 1, 0, 13};
    return article;
}

void click(QWidget* dialog, const char* name)
{
    if (!dialog->isVisible())
        dialog->show();
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

QString shownText(QWidget* dialog)
{
    return dialog->findChild<QPlainTextEdit*>(QStringLiteral("ArticleText_1001"))->toPlainText();
}

class PracticeFilesTest : public PracticeWindowTest
{
protected:
    QString path(const QString& name) const { return folders.programFolder() + name; }
    QStringList files() const { return QDir(folders.programFolder()).entryList(QDir::Files); }
    // The dialog answered by choosing each file in turn with the button, then OK.
    void answerWith(const char* chooser, const QStringList& chosen)
    {
        onDialog = [this, chooser, chosen](QDialog* dialog) {
            for (const QString& file : chosen) {
                seams.ui.queueFileName(file);
                click(dialog, chooser);
            }
            shown = shownText(dialog);
            click(dialog, "Ok_1");
            return dialog->result();
        };
    }
    // Opens the export dialog on the imported article.
    int exportArticle(CSaveArticleAsDlg& dialog)
    {
        const Article article = importedArticle();
        return dialog.DoModalWithArticle(article.segmentationPattern, article.text, 7);
    }

    QString shown; // what the dialog's box showed before OK
};

TEST_F(PracticeFilesTest, SaveWritesThePracticeFileUnderTheChosenNameWithSavAppended)
{
    build();
    load(importedArticle());
    seams.ui.queueFileName(path(QStringLiteral("lesson")));
    EXPECT_TRUE(frame->commands().route(ID_FILE_SAVE));
    EXPECT_EQ(readFile(path(QStringLiteral("lesson.sav"))),
              textModeBytes(practiceFileText(importedArticle())));
    ASSERT_EQ(seams.ui.fileDialogs().size(), 1);
    EXPECT_EQ(seams.ui.fileDialogs()[0].filter, QStringLiteral("存储文件 (*.sav)"));

    EXPECT_TRUE(frame->commands().route(ID_FILE_SAVE)); // cancelled: nothing is written
    seams.ui.queueFileName(path(QStringLiteral("full")));
    {
        testsupport::FullDisk full;
        view->OnFileSave();
    }
    EXPECT_EQ(files(), QStringList{QStringLiteral("lesson.sav")});
    ASSERT_EQ(seams.ui.messageTexts().size(), 1);
    EXPECT_TRUE(seams.ui.messageTexts()[0].contains(QStringLiteral("full.sav")));
}

struct EnableCase
{
    bool teacher;
    bool loaded;
    bool testing;
    friend void PrintTo(const EnableCase& c, std::ostream* out)
    {
        *out << "teacher " << c.teacher << " loaded " << c.loaded << " testing " << c.testing;
    }
};

class SaveEnableTest : public PracticeFilesTest, public ::testing::WithParamInterface<EnableCase>
{
};

TEST_P(SaveEnableTest, SaveNeedsAnArticleAndNoTestAndTheExportAlsoTheTeacher)
{
    const EnableCase& c = GetParam();
    build(c.teacher ? QStringLiteral("/t") : QString());
    if (c.loaded)
        load(importedArticle());
    if (c.testing)
        view->OnTestStart();
    ASSERT_EQ(view->isTesting(), c.testing);
    frame->updateCommandStates();
    EXPECT_EQ(frame->action(ID_FILE_SAVE)->isEnabled(), c.loaded && !c.testing);
    EXPECT_EQ(frame->action(ID_FILE_SAVE_AS)->isEnabled(), c.teacher && c.loaded && !c.testing);
}

INSTANTIATE_TEST_SUITE_P(States, SaveEnableTest,
                         ::testing::Values(EnableCase{false, false, false}, EnableCase{false, true, false},
                                           EnableCase{false, true, true}, EnableCase{true, false, false},
                                           EnableCase{true, true, false}, EnableCase{true, true, true}));

TEST_F(PracticeFilesTest, ADamagedFileIsRefusedAndWhatWasChosenOrLoadedStays)
{
    build();
    const Article loaded = makeArticle(QStringLiteral("小河流水"), {2, 2});
    load(loaded);
    document->setArticleSource(ID_OPEN_SAMPLE, modalArticleDialog<COpenSampleDlg>());
    ASSERT_TRUE(
        writeTextFile(path(QStringLiteral("bad.sav")), "0011\n0011\n1\t2\t3\n" + gbk(u"江南春风") + '\n'));
    ASSERT_TRUE(writePracticeFile(path(QStringLiteral("good.sav")), importedArticle()));

    answerWith("SelectFile_1006", {path(QStringLiteral("bad.sav"))});
    EXPECT_TRUE(frame->commands().route(ID_OPEN_SAMPLE));
    QStringList messages = seams.ui.messageTexts();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("bad.sav")));
    EXPECT_TRUE(messages[0].contains(practiceFileProblemText(PracticeFileProblem::BadFigures)));
    EXPECT_EQ(messages[1], QStringLiteral("请先选择文件再导入")); // OK without a file stays open
    EXPECT_EQ(document->article(), loaded.text);
    EXPECT_EQ(document->statistics(), loaded.statistics);

    answerWith("SelectFile_1006", {path(QStringLiteral("good.sav")), path(QStringLiteral("bad.sav"))});
    EXPECT_TRUE(frame->commands().route(ID_OPEN_SAMPLE));
    EXPECT_EQ(seams.ui.messageTexts().size(), 3);
    EXPECT_EQ(shown, QStringLiteral("春风吹绿了江南"));
    EXPECT_EQ(document->statistics(), importedArticle().statistics);
    EXPECT_EQ(seams.ui.fileDialogs()[0].filter, QStringLiteral("存储文件(*.sav)"));
}

TEST_F(PracticeFilesTest, ExportOkBeforeAPathAsksForOneInsteadOfWritingDotTxt)
{
    build(QStringLiteral("/t"));
    CSaveArticleAsDlg dialog(frame.get());
    answerWith("SelectPath_1006", {});
    EXPECT_EQ(exportArticle(dialog), QDialog::Rejected);
    EXPECT_EQ(seams.ui.fileDialogs().size(), 1); // cancelled
    EXPECT_EQ(files(), QStringList());
    EXPECT_FALSE(QFile::exists(QStringLiteral(".txt")));

    seams.ui.queueFileName(path(QStringLiteral("a")));
    click(&dialog, "Ok_1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(seams.ui.fileDialogs()[1].filter, QStringLiteral("存储文件 (*.txt)"));
    EXPECT_EQ(readFile(path(QStringLiteral("a.txt"))), gbk(u"春风  吹  绿了  江南"));
}

TEST_F(PracticeFilesTest, ASeparatorChosenBeforeAPathIsShownAtOnceAndCancelChangesNothing)
{
    build(QStringLiteral("/t"));
    CSaveArticleAsDlg dialog(frame.get());
    bool chooseTab = false; // else the separator dialog is cancelled
    onDialog = [&](QDialog* shownDialog) {
        if (!qobject_cast<CSeparatorDlg*>(shownDialog)) {
            click(shownDialog, "CustomSeparator_1043");
            EXPECT_EQ(shownText(shownDialog), QString());
            chooseTab = true;
            click(shownDialog, "CustomSeparator_1043");
            return int(QDialog::Rejected);
        }
        if (!chooseTab)
            return int(QDialog::Rejected);
        shownDialog->findChild<QLineEdit*>(QStringLiteral("SeparatorEdit_1048"))
            ->setText(QStringLiteral("TAB"));
        click(shownDialog, "Ok_1");
        return shownDialog->result();
    };
    exportArticle(dialog);
    EXPECT_EQ(readOrCreateSeparator(), "\t");
    EXPECT_EQ(dialog.fileText(), gbk(u"春风\t吹\t绿了\t江南"));
    EXPECT_EQ(shownText(&dialog), QStringLiteral("春风\t吹\t绿了\t江南"));
}

TEST_F(PracticeFilesTest, AnExportThatFailsSaysWhyAndStaysOpen)
{
    build(QStringLiteral("/t"));
    CSaveArticleAsDlg dialog(frame.get());
    onDialog = [](QDialog*) { return int(QDialog::Rejected); };
    exportArticle(dialog);
    seams.ui.queueFileName(path(QStringLiteral("a")));
    dialog.OnSelectPath();
    {
        testsupport::FullDisk full;
        dialog.OnOK();
    }
    ASSERT_EQ(seams.ui.messageTexts().size(), 1);
    EXPECT_TRUE(seams.ui.messageTexts()[0].contains(QStringLiteral("a.txt")));
    EXPECT_EQ(files(), QStringList());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(PracticeFilesTest, ASavedArticleOpensAfterARestartWithItsFiguresAndATeacherExportsItLineByLine)
{
    ASSERT_TRUE(testsupport::writeFile(path(QStringLiteral("Durid.dat")), {}));
    ASSERT_TRUE(testsupport::writeFile(path(QStringLiteral("index.dat")), QByteArray(48132, '\0')));
    ASSERT_TRUE(writeSeparator("\n"));
    const QString instance = uniqueInstanceName();
    {
        CCorvelleApp app({QStringLiteral("corvelle"), QStringLiteral("/t")}, instance);
        ASSERT_TRUE(app.InitInstance());
        app.document()->takeArticle(importedArticle());
        seams.ui.queueFileName(path(QStringLiteral("lesson")));
        EXPECT_TRUE(app.mainFrame()->commands().route(ID_FILE_SAVE));
        answerWith("SelectPath_1006", {path(QStringLiteral("lesson"))});
        EXPECT_TRUE(app.mainFrame()->commands().route(ID_FILE_SAVE_AS));
    }
    // One word a line, ended by CR LF except the last; the preview shows the same lines.
    EXPECT_EQ(readFile(path(QStringLiteral("lesson.txt"))), gbk(u"春风\r\n吹\r\n绿了\r\n江南"));
    EXPECT_EQ(shown, QStringLiteral("春风\n吹\n绿了\n江南"));

    CCorvelleApp restarted({QStringLiteral("corvelle")}, instance);
    ASSERT_TRUE(restarted.InitInstance());
    answerWith("SelectFile_1006", {path(QStringLiteral("lesson.sav"))});
    EXPECT_TRUE(restarted.mainFrame()->commands().route(ID_OPEN_SAMPLE));
    const CCorvelleDoc* reopened = restarted.document();
    EXPECT_EQ(reopened->article(), importedArticle().text);
    EXPECT_EQ(reopened->segmentationPattern(), importedArticle().segmentationPattern);
    EXPECT_EQ(reopened->shortCodePattern(), importedArticle().shortCodePattern);
    EXPECT_EQ(reopened->statistics(), importedArticle().statistics);
    EXPECT_TRUE(seams.ui.messageTexts().isEmpty()) << seams.ui.messageTexts().join(u'|').toStdString();
}

} // namespace
