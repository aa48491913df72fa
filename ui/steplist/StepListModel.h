#pragma once
// The step list as a Qt table model: a view of the editor's StepList, with no
// copy of its rows. Columns "ID" and "Description"; the result icon in the ID
// column; the text colour of lvScriptCustomDrawItem in both; the row's links
// and their target steps as its tooltip; a warning mark before the
// description of a row with a link outside the script, which its tooltip
// explains first; the rows that match the find bar's query highlighted.
// Texts from files
// are shown as UTF-8 when they are, else as Latin-1.
//
// The model watches the StepList itself, one of its observers, and turns
// each change into the matching begin/end call: rows inserted, removed or
// moved one by one, dataChanged for an edited row, a reset only when the
// whole list is replaced. The list's selection it passes on as
// selectedRowChanged(), for the view to show.

#include "model/StepFind.h"
#include "model/StepList.h"
#include "ui/steplist/StepIcons.h"

#include <QtCore/QAbstractTableModel>

class StepListModel : public QAbstractTableModel, public pst::StepListObserver {
    Q_OBJECT

public:
    enum Column { IdColumn = 0, DescriptionColumn = 1, ColumnCount = 2 };
    // The row's icon index (0..5, or -1 for none), in the ID column.
    static constexpr int IconIndexRole = Qt::UserRole;

    // Watches `steps` from now until the model goes.
    explicit StepListModel(pst::StepList& steps, QObject* parent = nullptr);
    ~StepListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // "ID" and "Description", for every list of steps.
    static QVariant columnHeader(int section, Qt::Orientation orientation, int role);
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The rows that match `query` are highlighted (none for an empty one).
    void setFindQuery(const pst::StepQuery& query);
    const pst::StepQuery& findQuery() const { return m_query; }
    static QColor findHighlight();

    // StepListObserver
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted(int first, int last) override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved(int first, int last) override;
    void rowAboutToBeMoved(int from, int to) override;
    void rowMoved(int from, int to) override;
    void listAboutToBeReset() override;
    void listReset() override;
    void rowsChanged(int first, int last) override;
    void selectionChanged(int previous, int current) override;

signals:
    // The list's selected row is now `row` (-1: none).
    void selectedRowChanged(int row);

private:
    QVariant displayData(const pst::StepRow& row, int column) const;
    QVariant foregroundData(const pst::StepRow& row) const;
    QVariant warningMark(const pst::StepRow& row) const;

    pst::StepList& m_steps;
    StepIcons m_icons;
    pst::StepQuery m_query{""};
    mutable QIcon m_warningIcon; // made when a row first shows it
    bool m_moving = false;
};
