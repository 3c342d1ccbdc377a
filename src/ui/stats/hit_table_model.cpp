#include "ui/stats/hit_table_model.h"

namespace kragmoor {

HitTableModel::HitTableModel(const HitTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    TakeSnapshot();
}

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
    return parent.isValid() ? 0 : kRows;
}

int HitTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant HitTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return texts_[index.row()][index.column()];
        case Qt::BackgroundRole:
            return QBrush(ColourOf(colours_[index.row()][index.column()]));
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
        if (section >= kColumns) return {};
        return QString::fromStdString(table_.Cell(0, section + 1));
    }
    if (section >= kRows) return {};
    return QString::fromStdString(table_.Cell(section + 1, 0));
}

QString HitTableModel::CornerText() const {
    return QString::fromStdString(table_.Cell(0, 0));
}

// Texts are converted only where they changed: most counts of a refresh do, but pays and the
// cells of combinations that never hit keep their strings.
void HitTableModel::TakeSnapshot() {
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const std::string& cell = table_.Cell(r + 1, c + 1);
            QString& text = texts_[r][c];
            const QLatin1StringView view(cell.data(), static_cast<qsizetype>(cell.size()));
            if (text != view) text = view;
            colours_[r][c] = table_.Colour(r + 1, c + 1);
        }
    }
}

void HitTableModel::Refreshed() {
    TakeSnapshot();
    emit dataChanged(index(0, 0), index(kRows - 1, kColumns - 1),
                     {Qt::DisplayRole, Qt::BackgroundRole});
}

}  // namespace kragmoor
