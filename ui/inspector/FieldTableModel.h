#pragma once
// The decoded fields of the selected step as a table: name, offset, value in
// hex and in decimal, meaning. The two value columns of a field with one
// value are editable; what is typed there goes to the writer, which decides
// whether it is taken.

#include "convert/StepFieldInfo.h"
#include "model/FieldValue.h"

#include <QtCore/QAbstractTableModel>

#include <functional>
#include <vector>

class FieldTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, OffsetColumn, HexColumn, DecimalColumn, MeaningColumn, ColumnCount };
    // Takes a typed value for the field in `row`; false when it is refused.
    using Writer = std::function<bool(int row, const QString& text, pst::FieldBase base)>;

    explicit FieldTableModel(QObject* parent = nullptr);

    void setWriter(Writer writer) { m_writer = std::move(writer); }
    const std::vector<pst::StepFieldInfo>& fields() const { return m_fields; }
    const pst::StepFieldInfo* field(int row) const;

    // New fields for the table. With as many fields as before (another
    // value, another step) the rows change in place, so that an open editor
    // and the current row stay; a different count resets the table.
    void setFields(std::vector<pst::StepFieldInfo> fields);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Hands the text of an edited value column to the writer.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // "0x0005", "0xFFFFFFFF": two digits per byte; empty without a value.
    static QString hexText(const pst::StepFieldInfo& field);
    static bool isValueColumn(int column) { return column == HexColumn || column == DecimalColumn; }

private:
    QVariant displayData(const pst::StepFieldInfo& field, int column) const;

    std::vector<pst::StepFieldInfo> m_fields;
    Writer m_writer;
};
