// The About box: its texts, and the maker's line opening the help file's about page.
#include "segmentation/ui/caboutdlg.h"
#include "tests/support/files.h"
#include "tests/support/installedseams.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public testsupport::SandboxedTest
{
protected:
    QString helpFile() const { return folders.programFolder() + QStringLiteral("corvelle.chm"); }
    void putHelpFile() { ASSERT_TRUE(testsupport::writeFile(helpFile(), {})); }
};

TEST_F(AboutBoxTest, ShowsTheProgramIconItsTextsAndOk)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于 Corvelle"));
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("IDR_MAINFRAME"))->pixmap().isNull());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("lblProduct"))->text().isEmpty());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("lblRights"))->text().isEmpty());
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("IDOK"));
    EXPECT_EQ(ok->text(), QStringLiteral("确定"));
    about.open();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(AboutBoxTest, ClickingTheMakersLineOpensTheHelpFilesAboutPage)
{
    putHelpFile();
    CAboutDlg about;
    about.show();
    QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("1025")), Qt::LeftButton);
    ASSERT_EQ(seams.opened.size(), 1);
    const QUrl address(seams.opened.first());
    EXPECT_EQ(address.toLocalFile(), helpFile());
    EXPECT_TRUE(address.fragment().endsWith(QStringLiteral("/about.html")));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBoxTest, AFailureToOpenIsReported)
{
    CAboutDlg about;
    EXPECT_FALSE(about.OnWebAddress()); // no help file: no handler is asked
    EXPECT_TRUE(seams.opened.isEmpty());
    putHelpFile();
    seams.openerAnswer = false;
    EXPECT_FALSE(about.OnWebAddress());
    seams.openerAnswer = true;
    EXPECT_TRUE(about.OnWebAddress());
    EXPECT_EQ(seams.opened.size(), 2);
}

} // namespace
