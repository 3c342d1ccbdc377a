// The hit table as a Qt table model: the 52 combination rows and 24 figure columns of the
// engine's HitTable, with its header row and name column as the view's headers (the grid's
// fixed cells). The model keeps nothing of its own: it reads the cell texts and change colours
// where the engine keeps them, so a refresh is one dataChanged for the whole table.
#pragma once

#include <QAbstractTableModel>
#include <QBrush>

#include "engine/hit_table.h"

namespace kragmoor {

class HitTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit HitTableModel(const HitTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of the header corner, the name column's header.
    QString CornerText() const;
    // Tells the views that every cell may have changed.
    void Refreshed();

    static QColor ColourOf(CellColour colour);

  private:
    const HitTable& table_;
    QBrush white_, red_, yellow_;
};

}  // namespace kragmoor
