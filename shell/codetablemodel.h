// The rows of one table for a grid, read and written through a recordset in natural order. In
// writable mode an empty last row takes new rows, which are appended to the table.
#pragma once

#include "platform/dao.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVariant>
#include <memory>
#include <optional>

namespace shell {

class CodeTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CodeTableModel(QObject* parent = nullptr);
    ~CodeTableModel() override;

    // Shows the recordset's table, one column per field in field order; nullptr shows nothing.
    void setRecordset(std::unique_ptr<platform::dao::Recordset> recordset);
    // Adding, deleting and editing rows, allowed or refused together.
    void setWritable(bool writable);
    bool isWritable() const { return m_writable; }
    bool hasTable() const { return m_recordset != nullptr; }
    // Rows of the table, without the empty last row.
    int recordCount() const;
    bool isAddRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Deletes table rows; the empty last row is never removed.
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

signals:
    // A read or write of the table failed; the grid shows the table as it was before.
    void failed(const QString& problem);

private:
    const QVariantList& rowValues(int row) const;
    void moveTo(int row) const;

    std::unique_ptr<platform::dao::Recordset> m_recordset;
    QStringList m_fields;
    // Values by row, read when a row is first shown.
    mutable QList<std::optional<QVariantList>> m_rows;
    bool m_writable = false;
};

} // namespace shell
