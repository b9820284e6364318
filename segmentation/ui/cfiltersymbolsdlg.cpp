#include "segmentation/ui/cfiltersymbolsdlg.h"

#include "platform/gbk.h"
#include "platform/paths.h"
#include "segmentation/core/filtersymbols.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/dialogunits.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using segmentation::afxMessageBox;

// Each item shows its line and keeps the line's bytes, so OK writes back exactly what was read.
constexpr int kLineRole = Qt::UserRole;

void appendLine(QListWidget* list, const QByteArray& line)
{
    auto* item = new QListWidgetItem(platform::gbk::decode(line), list);
    item->setData(kLineRole, line);
}

} // namespace

CFilterSymbolsDlg::CFilterSymbolsDlg(QWidget* parent)
    : QDialog(parent), m_programFolder(platform::programFolder())
{
    const segmentation::DialogUnits du = segmentation::setUpDialog(
        this, QStringLiteral("CFilterSymbolsDlg"), QStringLiteral("自己定义过滤文本与符号"), 250, 150);

    du.place(new QLabel(QStringLiteral("已有的文本与符号"), this), 7, 7, 130, 9);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SymbolList_1000"));
    du.place(m_list, 7, 18, 130, 125);

    du.place(new QLabel(QStringLiteral("输入符号:"), this), 146, 7, 97, 9);
    m_symbol = new QLineEdit(this);
    m_symbol->setObjectName(QStringLiteral("SymbolEdit_1037"));
    du.place(m_symbol, 146, 18, 97, 13);
    du.place(new QLabel(QStringLiteral("输入符号的说明:"), this), 146, 36, 97, 9);
    m_description = new QLineEdit(this);
    m_description->setObjectName(QStringLiteral("DescriptionEdit_1038"));
    du.place(m_description, 146, 47, 97, 13);

    const auto button = [&](const QString& text, const QString& name, int top) {
        return segmentation::addPushButton(this, du, text, name, 170, top, 50, 14);
    };
    QPushButton* add = button(QStringLiteral("添加(&A)"), QStringLiteral("Add_1039"), 68);
    QPushButton* remove = button(QStringLiteral("删除(&D)"), QStringLiteral("Delete_1019"), 88);
    QPushButton* ok = button(QStringLiteral("确定(&O)"), QStringLiteral("Ok_1"), 109);
    QPushButton* cancel = button(QStringLiteral("取消(&C)"), QStringLiteral("Cancel_2"), 129);
    ok->setDefault(true);
    connect(add, &QPushButton::clicked, this, &CFilterSymbolsDlg::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CFilterSymbolsDlg::OnDelete);
    connect(ok, &QPushButton::clicked, this, &CFilterSymbolsDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const segmentation::FilterLines loaded = segmentation::loadFilterLines(m_programFolder);
    for (const QByteArray& line : loaded.lines)
        appendLine(m_list, line);
    if (!loaded.error.isEmpty())
        afxMessageBox(this, loaded.error);
}

void CFilterSymbolsDlg::OnAdd()
{
    const QByteArray symbol = platform::gbk::encode(m_symbol->text());
    if (symbol.isEmpty()) {
        afxMessageBox(this, QStringLiteral("请先输入符号再添加!"));
        return;
    }
    // Articles hold double-byte characters only: a line that began otherwise would filter nothing,
    // and its first two bytes could split a character.
    if (!platform::gbk::startsWithDoubleByteCharacter(symbol)) {
        afxMessageBox(this, QStringLiteral("请输入汉字或全角符号再添加!"));
        return;
    }
    appendLine(m_list, segmentation::filterLine(symbol, platform::gbk::encode(m_description->text())));
    afxMessageBox(this, QStringLiteral("已经成功添加!"));
    m_symbol->clear();
    m_description->clear();
}

void CFilterSymbolsDlg::OnDelete()
{
    QListWidgetItem* selected = m_list->currentItem();
    if (!selected || !selected->isSelected()) {
        afxMessageBox(this, QStringLiteral("请先选择符号再删除!"));
        return;
    }
    if (afxMessageBox(this, QStringLiteral("是否确信删除?"), platform::MB_YESNO) == platform::IDYES)
        delete selected;
}

void CFilterSymbolsDlg::OnOK()
{
    QList<QByteArray> lines;
    for (int row = 0; row < m_list->count(); ++row)
        lines.append(m_list->item(row)->data(kLineRole).toByteArray());
    QString error;
    if (!segmentation::writeFilterFile(segmentation::filterFilePath(m_programFolder), lines, &error)) {
        afxMessageBox(this, error);
        return;
    }
    accept();
}
