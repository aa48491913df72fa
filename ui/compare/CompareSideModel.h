#pragma once
// One side of the compare window: a row per line of the comparison, the
// side's step on it or a gap. The columns, texts, icons and colours are the
// step list's; a line that differs gets the background of its kind
// (CompareMarks.h) and a tooltip that says how it differs.

#include "compare/ScriptComparison.h"
#include "ui/steplist/StepIcons.h"

#include <QtCore/QAbstractTableModel>

#include <span>

class CompareSideModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { IdColumn = 0, DescriptionColumn = 1, ColumnCount = 2 };
    // The side's row on the line (0-based), -1 for a gap.
    static constexpr int RowRole = Qt::UserRole + 1;
    // The line's LineKind, as an int.
    static constexpr int KindRole = Qt::UserRole + 2;

    CompareSideModel(pst::CompareSide side, QObject* parent = nullptr);

    // Shows `comparison` with this side's `rows`; both must stay until the
    // next call. Told as a reset.
    void show(const pst::ScriptComparison* comparison, std::span<const pst::StepRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int sideRow(const pst::CompareLine& line) const;
    QString toolTip(const pst::CompareLine& line, int row) const;

    pst::CompareSide m_side;
    const pst::ScriptComparison* m_comparison = nullptr;
    std::span<const pst::StepRow> m_rows;
    StepIcons m_icons;
};
