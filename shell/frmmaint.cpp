#include "shell/frmmaint.h"

#include "platform/screenplacement.h"
#include "platform/statusbar.h"
#include "platform/transaction.h"
#include "platform/uiservice.h"
#include "shell/codebookcatalogue.h"
#include "shell/codetablemodel.h"
#include "shell/module1.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <iterator>

using platform::dao::DaoError;
using platform::dao::RecordsetType;

namespace {

const QString kMessageTitle = QStringLiteral("码本管理");
const QStringList kHeadings = {QStringLiteral("序号"), QStringLiteral("Talvoren编码"),
                               QStringLiteral("字或词组")};
const int kColumnWidths[] = {48, 120}; // the last column takes the rest

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void addPanel(QStatusBar* bar, const QString& name, const QString& text)
{
    QLabel* panel = platform::makeStatusPanel(bar, name);
    panel->setText(text);
    bar->addWidget(panel, 1);
}

} // namespace

frmmaint::frmmaint(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmmaint"));
    setWindowTitle(QStringLiteral("训练码本的管理与维护"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    buildControls();
    setFixedSize(sizeHint().expandedTo(QSize(620, 440)));
    Form_Load();
}

frmmaint::~frmmaint()
{
    // Hiding the children while the dialog goes would place the headings after they are gone.
    m_dbGrid1->verticalHeader()->disconnect(this);
}

void frmmaint::buildControls()
{
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setFixedWidth(150);
    m_list1->viewport()->installEventFilter(this);
    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    // Clicking the book already chosen chooses it again; a click on another one is a change of row.
    connect(m_list1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (m_list1->row(item) == m_rowAtPress)
            List1_Click();
    });

    auto* frame1 = new QGroupBox(QStringLiteral("状态"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    m_option1 = new QRadioButton(QStringLiteral("只读"), frame1);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option1->setChecked(true);
    m_option2 = new QRadioButton(QStringLiteral("可写"), frame1);
    m_option2->setObjectName(QStringLiteral("Option2"));
    connect(m_option1, &QRadioButton::clicked, this, &frmmaint::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &frmmaint::Option2_Click);
    auto* modes = new QHBoxLayout(frame1);
    modes->addWidget(m_option1);
    modes->addWidget(m_option2);

    // The grid shows no headings of its own: these labels stand above its columns.
    m_headings = new QWidget(this);
    for (int i = 0; i < kHeadings.size(); ++i) {
        auto* heading = new QLabel(kHeadings[i], m_headings);
        heading->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        heading->adjustSize();
        m_headingLabels.append(heading);
    }
    m_headings->setFixedHeight(m_headingLabels[0]->sizeHint().height());

    m_model = new shell::CodeTableModel(this);
    connect(m_model, &shell::CodeTableModel::failed, this, [this] {
        tell(QStringLiteral("修改未能写入，表格保持修改前的内容。"), platform::MB_ICONEXCLAMATION);
    });
    m_dbGrid1 = new QTableView(this);
    m_dbGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_dbGrid1->setModel(m_model);
    m_dbGrid1->horizontalHeader()->hide();
    m_dbGrid1->horizontalHeader()->setStretchLastSection(true);
    m_dbGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_dbGrid1->verticalHeader()->setDefaultSectionSize(m_dbGrid1->fontMetrics().height() + 6);
    m_dbGrid1->verticalHeader()->setMinimumWidth(18);
    m_dbGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    m_dbGrid1->installEventFilter(this);
    connect(m_dbGrid1->verticalHeader(), &QHeaderView::geometriesChanged, this, &frmmaint::placeHeadings);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        for (int c = 0; c < int(std::size(kColumnWidths)); ++c)
            m_dbGrid1->setColumnWidth(c, kColumnWidths[c]);
        placeHeadings();
    });

    QPushButton* cmdFirst = makeButton(this, QStringLiteral("CmdFirst"), QStringLiteral("到最前"));
    QPushButton* cmdLast = makeButton(this, QStringLiteral("CmdLast"), QStringLiteral("到最后"));
    m_cmdUpdate = makeButton(this, QStringLiteral("CmdUpdate"), QStringLiteral("存盘（&W）"));
    m_cmdUpdate->setEnabled(false);
    QPushButton* cmdExit = makeButton(this, QStringLiteral("CmdExit"), QStringLiteral("退出（&X）"));
    connect(cmdFirst, &QPushButton::clicked, this, &frmmaint::CmdFirst_Click);
    connect(cmdLast, &QPushButton::clicked, this, &frmmaint::CmdLast_Click);
    connect(m_cmdUpdate, &QPushButton::clicked, this, &frmmaint::CmdUpdate_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmmaint::CmdExit_Click);

    QStatusBar* statusBar1 = platform::makeStatusBar(this);
    addPanel(statusBar1, QStringLiteral("Panel1"), QStringLiteral("选择列表框中的表名"));
    addPanel(statusBar1, QStringLiteral("Panel2"), QStringLiteral("添加或删除完后一定要单击\"存盘\"保存"));

    auto* left = new QVBoxLayout;
    left->addWidget(m_label1);
    left->addWidget(m_list1, 1);
    left->addWidget(frame1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdFirst, cmdLast, m_cmdUpdate, cmdExit})
        buttons->addWidget(button);
    auto* right = new QVBoxLayout;
    right->addWidget(m_headings);
    right->addWidget(m_dbGrid1, 1);
    right->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(10, 10, 10, 6);
    body->setSpacing(12);
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addLayout(body, 1);
    window->addWidget(statusBar1);
}

void frmmaint::Form_Load()
{
    platform::centreOnScreen(this);
    QStringList names;
    bool read = false;
    if (Module1::gDatabase) {
        try {
            BookRs = Module1::gDatabase->OpenRecordset(shell::kCatalogueTable, RecordsetType::Dynaset);
            while (!BookRs->isEOF()) {
                names.append(BookRs->text(QStringLiteral("showname")));
                BookRs->MoveNext();
            }
            read = true;
        } catch (const DaoError&) {
            // told below, as when there is no database at all
        }
    }
    if (!read) {
        forgetBook();
        tell(QStringLiteral("读取码本目录出错，没有可以管理的码本。"), platform::MB_ICONEXCLAMATION);
        return;
    }
    BookRs.reset();
    m_list1->addItems(names);
    if (names.isEmpty()) {
        forgetBook();
        tell(QStringLiteral("码本目录中没有可以管理的码本。"), platform::MB_ICONEXCLAMATION);
        return;
    }
    m_list1->setCurrentRow(0);
}

void frmmaint::List1_Click()
{
    m_option1->setChecked(true);
    setGridWritable(false);
    const QString name = m_list1->currentItem() ? m_list1->currentItem()->text() : QString();
    const std::optional<QString> table = shell::codeBookTable(name);
    if (!table) {
        forgetBook();
        tell(QStringLiteral("“%1”不是可以管理的码本，没有打开任何码本。").arg(name),
             platform::MB_ICONEXCLAMATION);
        return;
    }
    std::unique_ptr<platform::dao::Recordset> book;
    try {
        book = Module1::gDatabase->OpenRecordset(*table, RecordsetType::Table);
        copyBook(*book);
    } catch (const DaoError&) {
        forgetBook();
        tell(QStringLiteral("读取码本“%1”出错，没有作任何改动。").arg(name), platform::MB_ICONEXCLAMATION);
        return;
    }
    BookRs = std::move(book);
    m_bookTable = *table;
    m_label1->setText(name);
    m_option2->setEnabled(true);
    try {
        m_model->setRecordset(Module1::gDatabase->OpenRecordset(shell::kScratchTable, RecordsetType::Table));
    } catch (const DaoError&) {
        m_model->setRecordset(nullptr);
    }
    if (BookRs->RecordCount() == 0)
        tell(QStringLiteral("码本“%1”中没有数据。").arg(name), platform::MB_ICONINFORMATION);
}

void frmmaint::copyBook(platform::dao::Recordset& book)
{
    std::unique_ptr<platform::dao::Recordset> ScratchRs =
        Module1::gDatabase->OpenRecordset(shell::kScratchTable, RecordsetType::Table);
    platform::dao::TransactionGuard transaction(Module1::gDatabase->connection());
    if (!ScratchRs->isBOF() && !ScratchRs->isEOF()) {
        ScratchRs->MoveFirst();
        while (!ScratchRs->isBOF() && !ScratchRs->isEOF()) {
            ScratchRs->Delete();
            ScratchRs->MoveNext();
        }
    }
    // An empty book gives an empty copy.
    std::int32_t i = 1;
    if (!book.isEOF())
        book.MoveFirst();
    while (!book.isEOF()) {
        ScratchRs->AddNew();
        ScratchRs->setField(QStringLiteral("bianma"), book.field(QStringLiteral("bianma")));
        ScratchRs->setField(QStringLiteral("wenzhi"), book.field(QStringLiteral("wenzhi")));
        ScratchRs->setField(QStringLiteral("number"), i);
        ++i;
        ScratchRs->Update();
        book.MoveNext();
    }
    transaction.commit();
    ScratchRs->Close();
}

void frmmaint::forgetBook()
{
    BookRs.reset();
    m_bookTable.clear();
    m_label1->clear();
    m_model->setRecordset(nullptr);
    m_option1->setChecked(true);
    setGridWritable(false);
    m_option2->setEnabled(false);
}

void frmmaint::setGridWritable(bool writable)
{
    m_model->setWritable(writable);
    m_cmdUpdate->setEnabled(writable);
}

void frmmaint::Option1_Click()
{
    setGridWritable(false);
    m_dbGrid1->setFocus();
}

void frmmaint::Option2_Click()
{
    setGridWritable(BookRs != nullptr);
    m_dbGrid1->setFocus();
}

void frmmaint::CmdFirst_Click()
{
    if (m_model->recordCount() > 0) {
        m_dbGrid1->setCurrentIndex(m_model->index(0, qMax(0, m_dbGrid1->currentIndex().column())));
        m_dbGrid1->scrollToTop();
    }
    m_dbGrid1->setFocus();
}

void frmmaint::CmdLast_Click()
{
    const int last = m_model->recordCount() - 1;
    if (last >= 0) {
        const QModelIndex index = m_model->index(last, qMax(0, m_dbGrid1->currentIndex().column()));
        m_dbGrid1->setCurrentIndex(index);
        m_dbGrid1->scrollToBottom(); // with the empty row for a new one, when there is one
    }
    m_dbGrid1->setFocus();
}

void frmmaint::CmdUpdate_Click()
{
    if (!BookRs)
        return;
    const QString name = m_list1->currentItem() ? m_list1->currentItem()->text() : QString();
    struct Row
    {
        QVariant bianma;
        QVariant wenzhi;
    };
    QList<Row> kept;
    try {
        // The rows of the copy in grid order, without those that lack a code or a text.
        std::unique_ptr<platform::dao::Recordset> grid =
            Module1::gDatabase->OpenRecordset(shell::kScratchTable, RecordsetType::Table);
        while (!grid->isEOF()) {
            const QVariant bianma = grid->field(QStringLiteral("bianma"));
            const QVariant wenzhi = grid->field(QStringLiteral("wenzhi"));
            if (!bianma.toString().isEmpty() && !wenzhi.toString().isEmpty())
                kept.append({bianma, wenzhi});
            grid->MoveNext();
        }
    } catch (const DaoError&) {
        tell(QStringLiteral("码本“%1”存盘失败，码本保持原样。").arg(name), platform::MB_ICONSTOP);
        return;
    }
    // Counting only the rows that will be written keeps every saved book above what a drill page
    // draws from.
    if (kept.size() <= kFewestRowsKept) {
        tell(name + QStringLiteral("中的数据太少，请添加(>32)再保存"), platform::MB_ICONSTOP);
        return;
    }
    try {
        platform::dao::TransactionGuard transaction(Module1::gDatabase->connection());
        if (!BookRs->isBOF() || !BookRs->isEOF()) {
            BookRs->MoveFirst();
            while (!BookRs->isEOF()) {
                BookRs->Delete();
                BookRs->MoveNext();
            }
        }
        std::int32_t i = 1;
        for (const Row& row : kept) {
            BookRs->AddNew();
            BookRs->setField(QStringLiteral("bianma"), row.bianma);
            BookRs->setField(QStringLiteral("wenzhi"), row.wenzhi);
            BookRs->setField(QStringLiteral("number"), i);
            ++i;
            BookRs->Update();
        }
        transaction.commit();
    } catch (const DaoError&) {
        // Rolled back: the book is whole again, but the recordset still lists the rows it deleted.
        try {
            BookRs = Module1::gDatabase->OpenRecordset(m_bookTable, RecordsetType::Table);
        } catch (const DaoError&) {
            forgetBook();
        }
        tell(QStringLiteral("码本“%1”存盘失败，码本保持原样。").arg(name), platform::MB_ICONSTOP);
        return;
    }
    m_cmdUpdate->setEnabled(false);
    m_option1->setChecked(true);
    Option1_Click();
}

void frmmaint::CmdExit_Click()
{
    close();
}

void frmmaint::deleteSelectedRows()
{
    QList<int> rows;
    for (const QModelIndex& index : m_dbGrid1->selectionModel()->selectedRows()) {
        if (!m_model->isAddRow(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows) {
        if (!m_model->removeRows(row, 1))
            break;
    }
}

void frmmaint::tell(const QString& text, platform::UINT icon)
{
    platform::UiService::instance().messageBox(this, text, kMessageTitle, platform::MB_OK | icon);
}

bool frmmaint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = m_list1->currentRow();
    // Keys typed into an open cell editor go to the editor, so Delete here means the selected rows.
    if (watched == m_dbGrid1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && m_model->isWritable()) {
        deleteSelectedRows();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmmaint::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeHeadings();
}

void frmmaint::placeHeadings()
{
    // Each heading stands over its column: the grid and the headings row share their left edge.
    const int origin = m_dbGrid1->viewport()->geometry().left() + m_dbGrid1->x() - m_headings->x();
    int next = 0; // where a column stands while the grid shows no table
    for (int c = 0; c < m_headingLabels.size(); ++c) {
        const int left = c < m_model->columnCount() ? m_dbGrid1->columnViewportPosition(c) : next;
        next = left + (c < int(std::size(kColumnWidths)) ? kColumnWidths[c] : 0);
        m_headingLabels[c]->move(origin + left + 3, 0);
    }
}
