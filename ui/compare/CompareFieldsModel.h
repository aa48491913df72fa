#pragma once
// The fields of the selected line's steps side by side, below the two lists:
// the field's name, its value in the other script and in the editor's, the
// ones that differ highlighted.

#include "compare/CompareFieldRows.h"

#include <QtCore/QAbstractTableModel>

class CompareFieldsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, OtherColumn = 1, EditedColumn = 2, ColumnCount = 3 };

    CompareFieldsModel(QString otherName, QObject* parent = nullptr);

    // The rows to show (none: nothing selected); told as a reset.
    void show(std::vector<pst::CompareFieldRow> rows);
    // The difference a row shows, or null when its fields agree.
    const pst::FieldDifference* difference(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString m_otherName;
    std::vector<pst::CompareFieldRow> m_rows;
};
