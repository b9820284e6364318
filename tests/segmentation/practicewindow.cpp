#include "tests/segmentation/practicewindow.h"

#include "platform/gbk.h"
#include "platform/keyboard.h"
#include "platform/programexit.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/ui/ccorvelleapp.h"
#include "tests/support/layoutregistration.h"

#include <QTest>
#include <QUuid>

using namespace platform;
using namespace segmentation;

namespace practicetest {

Article makeArticle(const QString& characters, const std::vector<int>& wordLengths)
{
    Article article;
    article.text = gbk::encode(characters);
    std::vector<int> lengths = wordLengths;
    if (lengths.empty())
        lengths.assign(std::size_t(characters.size()), 1);
    char digit = kEvenWordDigit;
    for (int length : lengths) {
        article.segmentationPattern.append(length, digit);
        digit = nextWordDigit(digit);
    }
    article.shortCodePattern = article.segmentationPattern;
    for (int i = 0; i < kArticleStatistics; ++i)
        article.statistics[std::size_t(i)] = i + 1;
    return article;
}

WPARAM imeChar(QChar character)
{
    const QByteArray bytes = gbk::encode(QString(character));
    return bytes.size() == 2 ? WPARAM(uchar(bytes[0])) << 8 | uchar(bytes[1]) : WPARAM(uchar(bytes[0]));
}

QString uniqueInstanceName()
{
    return QStringLiteral("corvelle-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

PracticeWindowTest::PracticeWindowTest(bool imeInstalled)
{
    KeyboardLayouts::instance().reset();
    if (imeInstalled)
        testsupport::registerInputMethod("E0250804");
    setProgramEnder([this](int exitCode) { programEnds.append(exitCode); });
    seams.ui.setModalHandler([this](QDialog* dialog) {
        if (auto* result = qobject_cast<CTestResultDlg*>(dialog)) {
            std::array<qint32, CTestResultDlg::FigureCount> figures{};
            for (int i = 0; i < CTestResultDlg::FigureCount; ++i)
                figures[std::size_t(i)] = result->figure(CTestResultDlg::Figure(i));
            results.append(figures);
            return int(QDialog::Accepted);
        }
        return onDialog ? onDialog(dialog) : int(QDialog::Accepted);
    });
}

PracticeWindowTest::~PracticeWindowTest()
{
    frame.reset();
    setProgramEnder({});
    KeyboardLayouts::instance().reset();
}

void PracticeWindowTest::build(const QString& commandLine, QSize size)
{
    frame = std::make_unique<CMainFrame>();
    ASSERT_EQ(frame->OnCreate(), 0);
    document = new CCorvelleDoc(frame.get());
    view = new CCorvelleView(document, frame.get(), commandLine);
    joinFrameViewAndDocument(*frame, view, document);
    document->OnNewDocument();
    view->OnInitialUpdate();
    frame->resize(size);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
}

void PracticeWindowTest::load(const Article& article)
{
    document->takeArticle(article);
}

void PracticeWindowTest::type(QChar character)
{
    view->WindowProc(WM_IME_CHAR, imeChar(character), 1);
}

void PracticeWindowTest::type(const QString& characters)
{
    for (QChar character : characters)
        type(character);
}

void PracticeWindowTest::tick(int seconds)
{
    for (int i = 0; i < seconds; ++i)
        view->OnTimer(CCorvelleView::TIMER_CLOCK);
}

QString PracticeWindowTest::clockPane() const
{
    return frame->paneText(frame->commandToIndex(ID_INDICATOR_CLOCK));
}

QString PracticeWindowTest::hintPane() const
{
    return frame->paneText(0);
}

} // namespace practicetest
