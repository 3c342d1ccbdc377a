// The hit table as a Qt table model: the 52 combination rows and 24 figure columns of the
// engine's HitTable, with its header row and name column as the view's headers (the grid's
// fixed cells). The model shows a snapshot of the engine's table taken at each repaint, so that
// texts and colours always belong to the same refresh and painting allocates nothing.
#pragma once

#include <QAbstractTableModel>
#include <QBrush>
#include <QString>
#include <array>

#include "engine/records/hit_table.h"

namespace kragmoor {

class HitTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kRows = HitTable::kRows - 1;
    static constexpr int kColumns = HitTable::kColumns - 1;

    explicit HitTableModel(const HitTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The snapshot of a cell (row 0..51, column 0..23 of the figures), for the cell painter.
    const QString& CellText(int row, int column) const { return texts_[row][column]; }
    CellColour Colour(int row, int column) const { return colours_[row][column]; }
    // The text of the header corner, the name column's header.
    QString CornerText() const;
    // Takes a new snapshot of the engine's table and tells the views that every cell may have
    // changed (one dataChanged for the whole table).
    void Refreshed();

    static QColor ColourOf(CellColour colour);

  private:
    void TakeSnapshot();

    const HitTable& table_;
    std::array<std::array<QString, kColumns>, kRows> texts_;
    std::array<std::array<CellColour, kColumns>, kRows> colours_{};
};

}  // namespace kragmoor
