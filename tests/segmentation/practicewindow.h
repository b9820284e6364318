// What the practice program's window tests share: the frame with its view and document built as the
// start-up builds them, articles made by the test, the input method registered with its sample files,
// and the program's end recorded instead of happening.
#pragma once

#include "segmentation/core/article.h"
#include "segmentation/ui/ccorvelledoc.h"
#include "segmentation/ui/ccorvelleview.h"
#include "segmentation/ui/cmainframe.h"
#include "segmentation/ui/ctestresultdlg.h"
#include "tests/support/installedseams.h"

#include <QList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace practicetest {

// An article of the characters, its words of the given lengths ('0' and '1' alternating; each
// character its own word when none are given), the figures numbered 1 to 10 so each is told apart.
segmentation::Article makeArticle(const QString& characters, const std::vector<int>& wordLengths = {});
// The ime-char the input method delivers for a character: its GBK code, lead byte high.
platform::WPARAM imeChar(QChar character);

// A program instance name of its own per test, so neither a running program nor another test counts
// as a copy.
QString uniqueInstanceName();

class PracticeWindowTest : public testsupport::SandboxedTest
{
protected:
    // With the input method registered as an installation leaves it, unless the test wants it missing.
    explicit PracticeWindowTest(bool imeInstalled = true);
    ~PracticeWindowTest() override;

    // The frame, document and view, wired as the start-up wires them, shown at the given size.
    void build(const QString& commandLine = QString(), QSize size = QSize(800, 600));
    void load(const segmentation::Article& article);
    // The input method's ime-char for one committed character.
    void type(QChar character);
    void type(const QString& characters);
    // Runs the clock this many seconds, one tick a second.
    void tick(int seconds);
    QString clockPane() const;
    QString hintPane() const;

    std::unique_ptr<CMainFrame> frame;
    CCorvelleDoc* document = nullptr;
    CCorvelleView* view = nullptr;
    QList<int> programEnds; // exit codes the program was ended with
    // Answers every other modal dialog (accepted unseen when empty).
    std::function<int(QDialog*)> onDialog;
    // The figures of every result dialog shown, in order.
    QList<std::array<qint32, CTestResultDlg::FigureCount>> results;
};

} // namespace practicetest
