// How long the practice view takes to paint a 10,000-character article: the client area it shows,
// and every line of the article at once; and what one typed character costs during a test.
#include "platform/gbk.h"
#include "segmentation/core/article.h"
#include "segmentation/core/articlegeometry.h"
#include "segmentation/ui/ccorvelleapp.h"
#include "segmentation/ui/ccorvelledoc.h"
#include "segmentation/ui/ccorvelleview.h"
#include "segmentation/ui/cmainframe.h"
#include "tests/support/installedseams.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kCharacters = 10000;

// The article: common characters in words of one to four, as a segmentation gives them.
segmentation::Article longArticle()
{
    const QString source = QStringLiteral(
        "刚开始学打字的时候我总是低着头找键打一个字要看好几眼老师告诉我们手指要放在固定的位置上眼睛看着屏幕"
        "不要看键盘起初这样做很难速度比原来还慢错字也多可是每天坚持练习二十分钟一个月以后手指好像自己认得了"
        "路");
    segmentation::Article article;
    QString text;
    while (text.size() < kCharacters)
        text += source;
    article.text = platform::gbk::encode(QStringView(text).first(kCharacters));
    char digit = segmentation::kEvenWordDigit;
    for (int i = 0, word = 0; i < kCharacters; ++word) {
        for (int k = 0; k < 1 + word % 4 && i < kCharacters; ++k, ++i)
            article.segmentationPattern.append(digit);
        digit = segmentation::nextWordDigit(digit);
    }
    article.shortCodePattern = article.segmentationPattern;
    article.statistics[segmentation::TestCharacters] = kCharacters;
    return article;
}

// The frame with its view and document, an article loaded, as the program shows it.
struct PracticeWindow
{
    PracticeWindow()
    {
        frame.OnCreate();
        document = new CCorvelleDoc(&frame);
        view = new CCorvelleView(document, &frame, QString());
        joinFrameViewAndDocument(frame, view, document);
        document->OnNewDocument();
        view->OnInitialUpdate();
        frame.resize(1024, 768);
        frame.show();
        QCoreApplication::processEvents();
        document->takeArticle(longArticle());
    }

    testsupport::TestFolders folders;
    testsupport::InstalledSeams seams;
    CMainFrame frame;
    CCorvelleDoc* document = nullptr;
    CCorvelleView* view = nullptr;
};

PracticeWindow& window()
{
    static auto* shown = new PracticeWindow;
    return *shown;
}

void paint(benchmark::State& state, QSize size)
{
    CCorvelleView* view = window().view;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        view->OnDraw(painter, QRect(QPoint(0, 0), size));
    }
    state.counters["perLine"] = view->charactersPerLine();
}

void BM_PaintClientArea(benchmark::State& state)
{
    paint(state, window().view->viewport()->size());
}
BENCHMARK(BM_PaintClientArea)->Unit(benchmark::kMillisecond);

void BM_PaintWholeArticle(benchmark::State& state)
{
    CCorvelleView* view = window().view;
    const int lines = segmentation::articleLines(kCharacters, view->charactersPerLine());
    paint(state, QSize(view->viewport()->width(), segmentation::articleScrollHeight(lines)));
}
BENCHMARK(BM_PaintWholeArticle)->Unit(benchmark::kMillisecond);

void BM_TypedCharacter(benchmark::State& state)
{
    CCorvelleView* view = window().view;
    view->OnTestStart();
    const QByteArray article = window().document->article();
    int at = 0;
    for (auto _ : state) {
        const auto code = platform::WPARAM(uchar(article[2 * at])) << 8 | uchar(article[2 * at + 1]);
        view->WindowProc(platform::WM_IME_CHAR, code, 1);
        at = (at + 1) % 500;
        if (at == 0)
            view->OnKeyDown(platform::VK_UP); // keeps the cursor near the top
    }
    view->OnTestEnd();
}
BENCHMARK(BM_TypedCharacter)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
