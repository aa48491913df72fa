#pragma once
// The step list lvScript: a report view of two columns, "ID" 60 pixels wide
// and "Description" filling the rest, with grid lines, one whole row
// selected at a time and the selection still visible while another control
// has the focus. The rows' icons are 16 x 16. A click below the last row
// asks for the selection to be removed (clickedBelowRows); the view itself
// changes no selection then, the editor decides. The list has no Copy
// command: Ctrl+C leaves the clipboard alone.

#include <QtWidgets/QTreeView>

class StepListView : public QTreeView {
    Q_OBJECT

public:
    static constexpr int kIdColumnWidth = 60;

    explicit StepListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // Lays out the columns anew: ID at its width, Description the rest.
    void relayoutColumns();
    // The selected row, or -1.
    int selectedRow() const;
    // Shows `row` (or none, for -1) as the selected and current row.
    void showSelectedRow(int row);

signals:
    void clickedBelowRows();

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void configureHeader();
};
