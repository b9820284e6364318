#include "segmentation/ui/ctestresultdlg.h"

#include "platform/uiservice.h"
#include "segmentation/ui/dialogunits.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace segmentation;

namespace {

struct FigureControl
{
    CTestResultDlg::Figure figure;
    const char* name;
};

struct ColumnRow
{
    QString label;
    FigureControl article;
    FigureControl user;
};

struct UnitRow
{
    QString label;
    FigureControl value;
    QString unit;
};

// The left group: the article's figure and the user's, row by row.
const std::array<ColumnRow, 6> kColumnRows = {{
    {QStringLiteral("测试汉字总数："),
     {CTestResultDlg::TestCharacters, "TestCharacters_1026"},
     {CTestResultDlg::TypedCharacters, "TypedCharacters_1036"}},
    {QStringLiteral("单   字   总  数："),
     {CTestResultDlg::SingleCharacters, "SingleCharacters_1027"},
     {CTestResultDlg::GroupsOfOne, "GroupsOfOne_1037"}},
    {QStringLiteral("两 字 词 总 数："),
     {CTestResultDlg::TwoCharacterWords, "TwoCharacterWords_1028"},
     {CTestResultDlg::GroupsOfTwo, "GroupsOfTwo_1038"}},
    {QStringLiteral("三 字 词 总 数："),
     {CTestResultDlg::ThreeCharacterWords, "ThreeCharacterWords_1029"},
     {CTestResultDlg::GroupsOfThree, "GroupsOfThree_1039"}},
    {QStringLiteral("四 字 词 总 数："),
     {CTestResultDlg::FourCharacterWords, "FourCharacterWords_1030"},
     {CTestResultDlg::GroupsOfFour, "GroupsOfFour_1040"}},
    {QStringLiteral("多 字 词 总 数："),
     {CTestResultDlg::MultiCharacterWords, "MultiCharacterWords_1031"},
     {CTestResultDlg::GroupsOfMore, "GroupsOfMore_1041"}},
}};

// The right group: one figure a row, with its unit.
const std::array<UnitRow, 9> kUnitRows = {{
    {QStringLiteral("用        时："), {CTestResultDlg::Seconds, "Seconds_1032"}, QStringLiteral("秒")},
    {QStringLiteral("输入速度："), {CTestResultDlg::Speed, "Speed_1047"}, QStringLiteral("字/分")},
    {QStringLiteral("正  确  率："), {CTestResultDlg::Accuracy, "Accuracy_1048"}, QStringLiteral("%")},
    {QStringLiteral("有效速度:"),
     {CTestResultDlg::EffectiveSpeed, "EffectiveSpeed_1033"},
     QStringLiteral("字/分")},
    {QStringLiteral("简码字总数："),
     {CTestResultDlg::ShortCodeCharacters, "ShortCodeCharacters_1044"},
     QString()},
    {QStringLiteral("简码词总数："), {CTestResultDlg::ShortCodeWords, "ShortCodeWords_1045"}, QString()},
    {QStringLiteral("符号总数："), {CTestResultDlg::Symbols, "Symbols_1046"}, QString()},
    {QStringLiteral("最佳击键总数："), {CTestResultDlg::BestKeystrokes, "BestKeystrokes_1034"}, QString()},
    {QStringLiteral("用户击键总数："), {CTestResultDlg::UserKeystrokes, "UserKeystrokes_1042"}, QString()},
}};

} // namespace

CTestResultDlg::CTestResultDlg(QWidget* parent) : QDialog(parent)
{
    const DialogUnits du =
        setUpDialog(this, QStringLiteral("CTestResultDlg"), QStringLiteral("测试结果"), 320, 172);

    const auto label = [&](const QString& text, int left, int top, int width) {
        auto* widget = new QLabel(text, this);
        du.place(widget, left, top, width, 10);
        return widget;
    };
    const auto value = [&](const FigureControl& control, int left, int top) {
        auto* widget = new QLabel(this);
        widget->setObjectName(QLatin1String(control.name));
        widget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        widget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        du.place(widget, left, top, 38, 12);
        m_values[std::size_t(control.figure)] = widget;
    };
    // The column headings are flat buttons that do nothing.
    const auto heading = [&](const QString& text, const QString& name, int left) {
        QPushButton* widget = addPushButton(this, du, text, name, left, 18, 42, 12);
        widget->setFlat(true);
        widget->setFocusPolicy(Qt::NoFocus);
    };

    du.place(new QGroupBox(QStringLiteral("测试结果数据"), this), 7, 7, 160, 136);
    heading(QStringLiteral("测试文章"), QStringLiteral("ArticleHeading_1035"), 76);
    heading(QStringLiteral("用户输入"), QStringLiteral("UserHeading_1043"), 120);
    int top = 36;
    for (const ColumnRow& row : kColumnRows) {
        label(row.label, 12, top + 1, 64);
        value(row.article, 78, top);
        value(row.user, 122, top);
        top += 17;
    }

    du.place(new QGroupBox(QStringLiteral("技术统计"), this), 173, 7, 140, 136);
    top = 19;
    for (const UnitRow& row : kUnitRows) {
        label(row.label, 178, top + 1, 60);
        value(row.value, 238, top);
        if (!row.unit.isEmpty())
            label(row.unit, 280, top + 1, 28);
        top += 13;
    }

    QPushButton* ok =
        addPushButton(this, du, QStringLiteral("确定(&O)"), QStringLiteral("IDOK"), 208, 151, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel =
        addPushButton(this, du, QStringLiteral("取消(&C)"), QStringLiteral("IDCANCEL"), 263, 151, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    DoDataExchange();
}

int CTestResultDlg::ShowResults(const TestResultFigures& figures)
{
    for (int i = 0; i < kArticleStatistics; ++i)
        m_figures[std::size_t(i)] = figures.article[std::size_t(i)];
    m_figures[TypedCharacters] = figures.typed;
    m_figures[GroupsOfTwo] = figures.groups.ofTwo;
    m_figures[GroupsOfThree] = figures.groups.ofThree;
    m_figures[GroupsOfFour] = figures.groups.ofFour;
    m_figures[GroupsOfMore] = figures.groups.ofMore;
    m_figures[GroupsOfOne] = figures.groups.ofOne;
    m_figures[UserKeystrokes] = figures.keystrokes;
    m_figures[Seconds] = figures.seconds;
    const TestRates rates = computeRates(figures.typed, figures.correct, figures.seconds);
    m_figures[Speed] = rates.speed;
    m_figures[Accuracy] = rates.accuracy;
    m_figures[EffectiveSpeed] = rates.effectiveSpeed;
    DoDataExchange();
    return platform::UiService::instance().execModal(this);
}

void CTestResultDlg::DoDataExchange()
{
    for (std::size_t i = 0; i < m_figures.size(); ++i)
        m_values[i]->setText(QString::number(m_figures[i]));
}
