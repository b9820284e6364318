#include "shell/codetablemodel.h"

namespace shell {

using platform::dao::DaoError;

CodeTableModel::CodeTableModel(QObject* parent) : QAbstractTableModel(parent) {}

CodeTableModel::~CodeTableModel() = default;

void CodeTableModel::setRecordset(std::unique_ptr<platform::dao::Recordset> recordset)
{
    beginResetModel();
    m_recordset = std::move(recordset);
    m_fields.clear();
    m_rows.clear();
    if (m_recordset) {
        m_fields = m_recordset->fieldNames();
        m_rows.resize(m_recordset->RecordCount());
    }
    endResetModel();
}

void CodeTableModel::setWritable(bool writable)
{
    if (writable == m_writable)
        return;
    const int addRow = recordCount();
    if (m_recordset && writable)
        beginInsertRows({}, addRow, addRow);
    else if (m_recordset)
        beginRemoveRows({}, addRow, addRow);
    m_writable = writable;
    if (m_recordset)
        writable ? endInsertRows() : endRemoveRows();
    if (m_recordset && recordCount() > 0)
        emit dataChanged(index(0, 0), index(recordCount() - 1, columnCount() - 1));
}

int CodeTableModel::recordCount() const
{
    return int(m_rows.size());
}

bool CodeTableModel::isAddRow(int row) const
{
    return m_recordset && m_writable && row == recordCount();
}

int CodeTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_recordset)
        return 0;
    return recordCount() + (m_writable ? 1 : 0);
}

int CodeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

void CodeTableModel::moveTo(int row) const
{
    m_recordset->MoveFirst();
    if (row > 0)
        m_recordset->Move(row);
}

const QVariantList& CodeTableModel::rowValues(int row) const
{
    std::optional<QVariantList>& values = m_rows[row];
    if (!values) {
        QVariantList read;
        try {
            moveTo(row);
            for (const QString& field : m_fields)
                read.append(m_recordset->field(field));
        } catch (const DaoError&) {
            // Shown empty; the save reads the table itself, never these values.
            read = QVariantList(m_fields.size());
        }
        values = read;
    }
    return *values;
}

QVariant CodeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (isAddRow(index.row()))
        return {};
    const QVariant value = rowValues(index.row()).value(index.column());
    if (role == Qt::DisplayRole)
        return value.isNull() ? QString() : value.toString();
    return value;
}

bool CodeTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_writable)
        return false;
    const int row = index.row();
    const bool adding = isAddRow(row);
    try {
        if (adding) {
            m_recordset->AddNew();
        } else {
            moveTo(row);
            m_recordset->Edit();
        }
        m_recordset->setField(m_fields[index.column()], value);
        m_recordset->Update();
    } catch (const DaoError& error) {
        emit failed(QString::fromStdString(error.what()));
        return false;
    }
    if (adding) {
        // The row typed into becomes a row of the table, and a new empty row follows it.
        beginInsertRows({}, row + 1, row + 1);
        m_rows.append(std::nullopt);
        endInsertRows();
        emit headerDataChanged(Qt::Vertical, row, row + 1);
    } else {
        m_rows[row].reset();
    }
    emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    return true;
}

Qt::ItemFlags CodeTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_writable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant CodeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_fields.value(section);
    // Row selectors: blank, and the empty last row marked as the place for a new row.
    return isAddRow(section) ? QStringLiteral("*") : QString();
}

bool CodeTableModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || !m_writable || row < 0 || count <= 0 || row + count > recordCount())
        return false;
    // From the last row up, so that each row is still where the grid showed it.
    for (int r = row + count - 1; r >= row; --r) {
        try {
            moveTo(r);
            m_recordset->Delete();
        } catch (const DaoError& error) {
            emit failed(QString::fromStdString(error.what()));
            return false;
        }
        beginRemoveRows({}, r, r);
        m_rows.removeAt(r);
        endRemoveRows();
    }
    return true;
}

} // namespace shell
