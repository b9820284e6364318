#include "segmentation/ui/coptionsdlg.h"

#include "platform/uiservice.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/cfiltersymbolsdlg.h"
#include "segmentation/ui/colorref.h"
#include "segmentation/ui/colorswatch.h"
#include "segmentation/ui/dialogunits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

using namespace segmentation;

namespace {

const QString kConflictWithBreak = QStringLiteral("此颜色与其它使用颜色冲突!\n请重新选择。");
const QString kConflict = QStringLiteral("此颜色与其它使用颜色冲突!请重新选择。");

// Checks the button of the index, or none when the index names no button of the group.
void setCheckedIndex(QButtonGroup* group, qint32 index)
{
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == index);
    group->setExclusive(true);
}

} // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent)
{
    createMarkerKey();
    m_values = readOptionsSettings();
    m_editionAsRead = m_values.edition;

    const DialogUnits du = setUpDialog(this, QStringLiteral("COptionsDlg"), QStringLiteral("选项"), 248, 182);

    const auto label = [&](const QString& text, int left, int top, int width) {
        auto* widget = new QLabel(text, this);
        du.place(widget, left, top, width, 10);
        return widget;
    };
    const auto swatch = [&](const QString& name, int top, void (COptionsDlg::*handler)()) {
        auto* widget = new ColorSwatch(this);
        widget->setObjectName(name);
        du.place(widget, 66, top, 44, 14);
        connect(widget, &ColorSwatch::clicked, this, handler);
        return widget;
    };
    const auto button = [&](const QString& text, const QString& name, int left, int top, int width) {
        return addPushButton(this, du, text, name, left, top, width, 14);
    };
    const auto check = [&](const QString& text, const QString& name, int top, int width) {
        auto* widget = new QCheckBox(text, this);
        widget->setObjectName(name);
        du.place(widget, 134, top, width, 10);
        return widget;
    };
    const auto radio = [&](QButtonGroup* group, int id, const QString& text, const QString& name, int left,
                           int top, int width) {
        auto* widget = new QRadioButton(text, this);
        widget->setObjectName(name);
        du.place(widget, left, top, width, 10);
        group->addButton(widget, id);
        return widget;
    };

    // Colours.
    du.place(new QGroupBox(QStringLiteral("颜色设置:"), this), 7, 7, 112, 150);
    label(QStringLiteral("交替颜色一"), 15, 22, 48);
    m_alternate1 = swatch(QStringLiteral("AlternateColor1_1014"), 20, &COptionsDlg::OnPickAlternateColor1);
    label(QStringLiteral("交替颜色二"), 15, 42, 48);
    m_alternate2 = swatch(QStringLiteral("AlternateColor2_1015"), 40, &COptionsDlg::OnPickAlternateColor2);
    label(QStringLiteral("正确文字颜色"), 15, 62, 48);
    m_correct = swatch(QStringLiteral("CorrectColor_1016"), 60, &COptionsDlg::OnPickCorrectColor);
    label(QStringLiteral("错误文字颜色"), 15, 82, 48);
    m_wrong = swatch(QStringLiteral("WrongColor_1017"), 80, &COptionsDlg::OnPickWrongColor);
    QLabel* backgroundLabel = label(QStringLiteral("文字背景颜色"), 15, 102, 48);
    backgroundLabel->setObjectName(QStringLiteral("BackgroundColorLabel"));
    backgroundLabel->hide();
    m_background = swatch(QStringLiteral("BackgroundColor_1019"), 100, &COptionsDlg::OnPickBackgroundColor);
    m_background->hide();
    m_hintLabel = label(QStringLiteral("简码提示颜色"), 15, 102, 48);
    m_hintLabel->setObjectName(QStringLiteral("HintColorLabel_1051"));
    m_hint = swatch(QStringLiteral("HintColor_1020"), 100, &COptionsDlg::OnPickHintColor);
    connect(button(QStringLiteral("恢复默认颜色(&D)"), QStringLiteral("RestoreDefaults_1034"), 15, 130, 96),
            &QPushButton::clicked, this, &COptionsDlg::OnRestoreDefaultColors);

    // Switches and the time limit.
    du.place(new QGroupBox(QStringLiteral("选项设置:"), this), 126, 7, 115, 150);
    m_segmentationDisplay =
        check(QStringLiteral("需要分词"), QStringLiteral("SegmentationDisplay_1018"), 22, 100);
    m_autoInputMethod =
        check(QStringLiteral("自动打开Talvoren输入法"), QStringLiteral("AutoInputMethod_1021"), 38, 104);
    m_shortCodeHint = check(QStringLiteral("需要简码提示"), QStringLiteral("ShortCodeHint_1026"), 54, 100);
    connect(m_shortCodeHint, &QCheckBox::clicked, this, &COptionsDlg::OnShortCodeHint);
    m_timeLimit = new QButtonGroup(this);
    radio(m_timeLimit, 0, QStringLiteral("不限制时间"), QStringLiteral("NoTimeLimit_1022"), 134, 72, 70);
    radio(m_timeLimit, 1, QStringLiteral("限制时间"), QStringLiteral("TimeLimit_1023"), 134, 89, 44);
    m_minutes = new QLineEdit(this);
    m_minutes->setObjectName(QStringLiteral("Minutes_1024"));
    m_minutes->setAlignment(Qt::AlignCenter);
    m_minutes->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_minutes));
    du.place(m_minutes, 180, 87, 28, 13);
    label(QStringLiteral("分"), 212, 89, 12);
    m_codeHint = check(QStringLiteral("编码提示"), QStringLiteral("CodeHint_1012"), 106, 60);
    m_codeHint->hide();
    connect(button(QStringLiteral("自定义过滤符号"), QStringLiteral("FilterSymbols_1036"), 134, 130, 98),
            &QPushButton::clicked, this, &COptionsDlg::OnCustomFilterSymbols);

    // The edition, never shown.
    auto* editionGroup = new QGroupBox(QStringLiteral("输入法版本设置"), this);
    editionGroup->setObjectName(QStringLiteral("EditionGroup"));
    du.place(editionGroup, 126, 160, 115, 40);
    editionGroup->hide();
    m_edition = new QButtonGroup(this);
    radio(m_edition, 0, QStringLiteral("Talvoren输入法2002B标准版"), QStringLiteral("StandardEdition_1045"),
          134, 172, 104)
        ->hide();
    QRadioButton* simpleEdition = radio(m_edition, 1, QStringLiteral("Talvoren输入法2002简易版"),
                                        QStringLiteral("SimpleEdition_1046"), 134, 186, 104);
    simpleEdition->hide();
    simpleEdition->setEnabled(false);

    QPushButton* ok = button(QStringLiteral("确定(&O)"), QStringLiteral("Ok_1"), 130, 162, 50);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &COptionsDlg::OnOK);
    connect(button(QStringLiteral("取消(&C)"), QStringLiteral("Cancel_2"), 191, 162, 50),
            &QPushButton::clicked, this, &QDialog::reject);

    DoDataExchange(false);
    showColors();
}

bool COptionsDlg::DoDataExchange(bool save, bool report)
{
    if (!save) {
        m_codeHint->setChecked(m_values.codeHint);
        m_segmentationDisplay->setChecked(m_values.segmentationDisplay);
        m_autoInputMethod->setChecked(m_values.autoInputMethod);
        setCheckedIndex(m_timeLimit, m_values.timeLimitOn);
        m_minutes->setText(QString::number(m_values.minutes));
        setCheckedIndex(m_edition, m_values.edition);
        m_shortCodeHint->setChecked(m_values.shortCodeHint);
        return true;
    }
    m_values.codeHint = m_codeHint->isChecked();
    m_values.segmentationDisplay = m_segmentationDisplay->isChecked();
    m_values.autoInputMethod = m_autoInputMethod->isChecked();
    // A group with no button checked (a stored index that names none) keeps the value it was given.
    if (m_timeLimit->checkedId() >= 0)
        m_values.timeLimitOn = m_timeLimit->checkedId();
    if (m_edition->checkedId() >= 0)
        m_values.edition = m_edition->checkedId();
    m_values.shortCodeHint = m_shortCodeHint->isChecked();
    bool isInteger = false;
    const qint32 minutes = m_minutes->text().trimmed().toInt(&isInteger);
    if (!isInteger) {
        if (report) {
            afxMessageBox(this, QStringLiteral("请键入一个整数。"));
            m_minutes->setFocus();
            m_minutes->selectAll();
        }
        return false;
    }
    m_values.minutes = minutes;
    return true;
}

void COptionsDlg::showColors()
{
    m_alternate1->setColor(colorFromColorRef(m_values.alternateColor1));
    m_alternate2->setColor(colorFromColorRef(m_values.alternateColor2));
    m_correct->setColor(colorFromColorRef(m_values.correctColor));
    m_wrong->setColor(colorFromColorRef(m_values.wrongColor));
    m_background->setColor(colorFromColorRef(m_values.backgroundColor));
    m_hint->setColor(colorFromColorRef(m_values.hintColor));
    m_hint->setEnabled(m_values.shortCodeHint);
    m_hintLabel->setEnabled(m_values.shortCodeHint);
}

void COptionsDlg::pickColor(ColorRef* color, const QString& conflictMessage)
{
    const auto chosen = platform::UiService::instance().chooseColor(this, colorFromColorRef(*color));
    if (!chosen)
        return;
    const ColorRef picked = colorRefFromColor(*chosen);
    for (const ColorRef* other :
         {&m_values.alternateColor1, &m_values.alternateColor2, &m_values.correctColor, &m_values.wrongColor,
          &m_values.backgroundColor, &m_values.hintColor}) {
        if (other != color && *other == picked) {
            afxMessageBox(this, conflictMessage);
            return;
        }
    }
    *color = picked;
    showColors();
}

void COptionsDlg::OnPickAlternateColor1()
{
    pickColor(&m_values.alternateColor1, kConflictWithBreak);
}

void COptionsDlg::OnPickAlternateColor2()
{
    pickColor(&m_values.alternateColor2, kConflictWithBreak);
}

void COptionsDlg::OnPickCorrectColor()
{
    pickColor(&m_values.correctColor, kConflict);
}

void COptionsDlg::OnPickWrongColor()
{
    pickColor(&m_values.wrongColor, kConflict);
}

void COptionsDlg::OnPickBackgroundColor()
{
    pickColor(&m_values.backgroundColor, kConflict);
}

void COptionsDlg::OnPickHintColor()
{
    pickColor(&m_values.hintColor, kConflict);
}

void COptionsDlg::OnRestoreDefaultColors()
{
    copyColors(SettingsValues(), m_values);
    showColors();
}

void COptionsDlg::OnCustomFilterSymbols()
{
    CFilterSymbolsDlg dialog(this);
    platform::UiService::instance().execModal(&dialog);
}

void COptionsDlg::OnShortCodeHint()
{
    // The minutes box is judged on OK; a half-typed number does not interrupt a click here.
    DoDataExchange(true, false);
    showColors();
}

void COptionsDlg::OnOK()
{
    // Nothing is stored while the minutes box holds no integer, so Cancel still leaves every setting as it
    // was.
    if (!DoDataExchange(true))
        return;
    if (quint32(m_values.minutes) < 3 || quint32(m_values.minutes) > 60) {
        afxMessageBox(this, QStringLiteral("训练时间应在3-60之间!"));
        return;
    }
    if (!writeOptionsSettings(m_values)) {
        afxMessageBox(this, QStringLiteral("设置未能保存，请检查磁盘空间后再试。"));
        return;
    }
    accept();
}
