#include "ui/stats/par_table_model.h"

#include <QBrush>

#include "engine/analysis/par_sheet_text.h"

namespace kragmoor {
namespace {

const char* const kTitles[ParTableModel::kColumns] = {
    "Combination",   "Count",      "Pay",         "Windows, 1 line", "Windows, 20 lines",
    "Hits per game", "1 in games", "RTP share %", "Odds rules"};

}  // namespace

ParTableModel::ParTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ParTableModel::SetAnalysis(const GameDefinition& def, const ExactAnalysis& analysis) {
    beginResetModel();
    rows_.clear();
    for (const Combination& c : analysis.combinations) {
        const CombinationCells cells = ParSheetCells(def, c, analysis.full_cycle);
        Row row;
        row.texts = {QString::fromStdString(cells.label),
                     QString::fromStdString(cells.count),
                     QString::fromStdString(cells.pay),
                     QString::fromStdString(cells.windows_one_line),
                     QString::fromStdString(cells.windows_all_lines),
                     QString::fromStdString(cells.hits_per_game),
                     QString::fromStdString(cells.one_in_games),
                     QString::fromStdString(cells.rtp_share_percent),
                     QString::fromStdString(cells.odds_rules)};
        row.flagged = c.odds_flags != 0;
        rows_.push_back(std::move(row));
    }
    endResetModel();
}

int ParTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ParTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ParTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return row.texts[static_cast<std::size_t>(index.column())];
        case Qt::ToolTipRole:  // the rules broken, whole where the column is narrower
            return index.column() == kFlags && row.flagged ? row.texts[kFlags] : QVariant();
        case Qt::BackgroundRole:
            return row.flagged ? QVariant(QBrush(kFlaggedRow)) : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() == kName || index.column() == kFlags
                       ? int{Qt::AlignLeft | Qt::AlignVCenter}
                       : int{Qt::AlignRight | Qt::AlignVCenter};
        default:
            return {};
    }
}

QVariant ParTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= kColumns) return {};
    return QString::fromLatin1(kTitles[section]);
}

QString ParTableModel::ClipboardText() const {
    QString out;
    for (const char* title : kTitles) out += QString::fromLatin1(title) + QLatin1Char('\t');
    out += QStringLiteral("\r\n");
    for (const Row& row : rows_) {
        for (const QString& cell : row.texts) out += cell + QLatin1Char('\t');
        out += QStringLiteral("\r\n");
    }
    return out;
}

}  // namespace kragmoor
