#include "segmentation/ui/cseparatordlg.h"

#include "platform/gbk.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/dialogunits.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>
#include <array>

namespace {

using segmentation::afxMessageBox;

struct Item
{
    const char* name;
    char separator;
};

constexpr std::array<Item, 3> kItems = {{{"ENTER", '\n'}, {"TAB", '\t'}, {"SPACE", ' '}}};

// Text that GBK can hold, in at most the separator's bytes.
class SeparatorValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return platform::gbk::canEncode(input) &&
                       platform::gbk::encode(input).size() <= segmentation::settings::kSeparatorMaxBytes
                   ? Acceptable
                   : Invalid;
    }
};

} // namespace

CSeparatorDlg::CSeparatorDlg(QWidget* parent)
    : QDialog(parent), m_separator(segmentation::readOrCreateSeparator())
{
    const segmentation::DialogUnits du = segmentation::setUpDialog(this, QStringLiteral("CSeparatorDlg"),
                                                                   QStringLiteral("输入分隔符"), 160, 76);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("SeparatorEdit_1048"));
    m_edit->setValidator(new SeparatorValidator(m_edit));
    du.place(m_edit, 7, 7, 90, 13);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SeparatorList_1048"));
    du.place(m_list, 7, 20, 90, 49);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_edit->setText(item->text()); });
    connect(m_edit, &QLineEdit::textChanged, this, &CSeparatorDlg::selectItemOfText);

    QPushButton* ok = segmentation::addPushButton(this, du, QStringLiteral("确定(&O)"),
                                                  QStringLiteral("Ok_1"), 104, 7, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CSeparatorDlg::OnOK);
    QPushButton* cancel = segmentation::addPushButton(this, du, QStringLiteral("取消(&C)"),
                                                      QStringLiteral("Cancel_2"), 104, 25, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    OnInitDialog();
}

void CSeparatorDlg::OnInitDialog()
{
    for (const Item& item : kItems)
        m_list->addItem(QLatin1String(item.name));
    QString shown = platform::gbk::decode(m_separator);
    for (const Item& item : kItems)
        if (m_separator == QByteArray(1, item.separator))
            shown = QLatin1String(item.name);
    m_edit->setText(shown);
    selectItemOfText(shown);
}

void CSeparatorDlg::selectItemOfText(const QString& text)
{
    const QList<QListWidgetItem*> matches =
        m_list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (matches.isEmpty()) {
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
    } else {
        m_list->setCurrentItem(matches.front());
    }
}

void CSeparatorDlg::OnOK()
{
    const QString text = m_edit->text();
    if (text.isEmpty()) {
        afxMessageBox(this, QStringLiteral("请选择或者输入分隔符！"));
        return;
    }
    const int row = m_list->currentRow();
    const QByteArray separator =
        row >= 0 && m_list->item(row)->isSelected()
            ? QByteArray(1, kItems[size_t(row)].separator)
            : platform::gbk::encode(text).left(segmentation::settings::kSeparatorMaxBytes);
    if (!segmentation::writeSeparator(separator)) {
        afxMessageBox(this, QStringLiteral("分隔符未能保存，请检查磁盘空间后再试。"));
        return;
    }
    m_separator = separator;
    accept();
}
