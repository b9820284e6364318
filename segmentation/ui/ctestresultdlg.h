// The result dialog of a typing test ("测试结果", dialog 142): the article's figures beside the user's,
// the keystroke groups, the time and the three rates.
#pragma once

#include "segmentation/core/article.h"
#include "segmentation/core/testfigures.h"

#include <QDialog>
#include <QtGlobal>
#include <array>

class QLabel;

// What a finished test hands the dialog.
struct TestResultFigures
{
    segmentation::ArticleStatistics article{}; // the document's ten figures at test start
    qint32 typed = 0;
    segmentation::KeystrokeGroups groups;
    qint32 keystrokes = 0; // the code digits the user typed
    qint32 seconds = 0;
    qint32 correct = 0;
};

class CTestResultDlg : public QDialog
{
    Q_OBJECT
public:
    // The 21 figures the dialog shows, in the order of its controls' ids.
    enum Figure
    {
        TestCharacters,
        TwoCharacterWords,
        ThreeCharacterWords,
        FourCharacterWords,
        MultiCharacterWords,
        SingleCharacters,
        ShortCodeCharacters,
        ShortCodeWords,
        Symbols,
        BestKeystrokes,
        TypedCharacters,
        GroupsOfTwo,
        GroupsOfThree,
        GroupsOfFour,
        GroupsOfMore,
        GroupsOfOne,
        UserKeystrokes,
        Seconds,
        Speed,
        Accuracy,
        EffectiveSpeed,
        FigureCount
    };

    explicit CTestResultDlg(QWidget* parent = nullptr);

    // Stores the figures, computes the three rates and runs the dialog modally; its result.
    int ShowResults(const TestResultFigures& figures);
    qint32 figure(Figure which) const { return m_figures[std::size_t(which)]; }

private:
    // Members to controls: each figure as decimal text.
    void DoDataExchange();

    std::array<qint32, FigureCount> m_figures{};
    std::array<QLabel*, FigureCount> m_values{};
};
