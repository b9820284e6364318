// The options dialog ("选项"): display colours, display and input switches, the time limit, and the
// way to the symbol list. It reads the settings when it is built and writes them on OK.
//
// Controls are found by objectName, which is the control's role and its id joined by an underscore
// (AlternateColor1_1014, Minutes_1024, Ok_1); labels without an id carry their role alone
// (BackgroundColorLabel). The code-hint check 1012, the background swatch 1019 with its label and
// the edition group 1045/1046 exist hidden: their values pass through the dialog unchanged.
#pragma once

#include "segmentation/core/settings.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace segmentation {
class ColorSwatch;
}

class COptionsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    // The values as the dialog holds them; after OK, what was stored.
    const segmentation::SettingsValues& values() const { return m_values; }
    // The edition as it was read when the dialog was built.
    qint32 editionAsRead() const { return m_editionAsRead; }

    void OnPickAlternateColor1();
    void OnPickAlternateColor2();
    void OnPickCorrectColor();
    void OnPickWrongColor();
    void OnPickBackgroundColor();
    void OnPickHintColor();
    void OnRestoreDefaultColors();
    void OnCustomFilterSymbols();
    void OnShortCodeHint();
    void OnOK();

private:
    // Controls to members (save) or members to controls. Saving takes every value it can; false
    // when the minutes box holds no integer, which is reported when report is set.
    bool DoDataExchange(bool save, bool report = true);
    void pickColor(segmentation::ColorRef* color, const QString& conflictMessage);
    // Repaints the swatches; the hint swatch and its label are enabled only while the hint is on.
    void showColors();

    segmentation::SettingsValues m_values;
    qint32 m_editionAsRead = 0;

    segmentation::ColorSwatch* m_alternate1 = nullptr;
    segmentation::ColorSwatch* m_alternate2 = nullptr;
    segmentation::ColorSwatch* m_correct = nullptr;
    segmentation::ColorSwatch* m_wrong = nullptr;
    segmentation::ColorSwatch* m_background = nullptr;
    segmentation::ColorSwatch* m_hint = nullptr;
    QLabel* m_hintLabel = nullptr;
    QCheckBox* m_codeHint = nullptr;
    QCheckBox* m_segmentationDisplay = nullptr;
    QCheckBox* m_autoInputMethod = nullptr;
    QCheckBox* m_shortCodeHint = nullptr;
    QButtonGroup* m_timeLimit = nullptr;
    QButtonGroup* m_edition = nullptr;
    QLineEdit* m_minutes = nullptr;
};
