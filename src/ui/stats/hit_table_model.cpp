#include "ui/stats/hit_table_model.h"

namespace kragmoor {

HitTableModel::HitTableModel(const HitTable& table, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      white_(ColourOf(CellColour::White)),
      red_(ColourOf(CellColour::Red)),
      yellow_(ColourOf(CellColour::Yellow)) {}

QColor HitTableModel::ColourOf(CellColour colour) {
    switch (colour) {
        case CellColour::Red:
            return QColor(255, 0, 0);
        case CellColour::Yellow:
            return QColor(255, 255, 0);
        case CellColour::White:
            break;
    }
    return QColor(255, 255, 255);
}

int HitTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : HitTable::kRows - 1;
}

int HitTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : HitTable::kColumns - 1;
}

QVariant HitTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(table_.Cell(row, column));
        case Qt::BackgroundRole:
            switch (table_.Colour(row, column)) {
                case CellColour::Red:
                    return red_;
                case CellColour::Yellow:
                    return yellow_;
                case CellColour::White:
                    return white_;
            }
            return white_;
        case Qt::ForegroundRole:
            return QBrush(Qt::black);
        case Qt::TextAlignmentRole:
            return int{Qt::AlignRight | Qt::AlignVCenter};
        default:
            return {};
    }
}

QVariant HitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) return {};
    if (orientation == Qt::Horizontal) {
        if (section >= columnCount()) return {};
        return QString::fromStdString(table_.Cell(0, section + 1));
    }
    if (section >= rowCount()) return {};
    return QString::fromStdString(table_.Cell(section + 1, 0));
}

QString HitTableModel::CornerText() const {
    return QString::fromStdString(table_.Cell(0, 0));
}

void HitTableModel::Refreshed() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                     {Qt::DisplayRole, Qt::BackgroundRole});
}

}  // namespace kragmoor
