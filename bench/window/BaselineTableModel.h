#pragma once
// The least a list of 100,000 rows can be: two columns of ready-made strings
// in a QAbstractTableModel, nothing computed per row.

#include <QtCore/QAbstractTableModel>
#include <QtCore/QList>
#include <QtCore/QString>

class BaselineTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    BaselineTableModel(QList<QString> ids, QList<QString> descriptions, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<QString> m_ids;
    QList<QString> m_descriptions;
};
