#include "ui/stats/par_table_model.h"

#include <QBrush>
#include <QFont>

#include "engine/analysis/par_sheet_text.h"
#include "model/text_format.h"

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
    AddCombinations(def, analysis.combinations, analysis, false);
    free_heading_ = static_cast<int>(rows_.size());
    AddFreeSpinHeading(analysis);
    AddCombinations(def, analysis.free_spins.combinations, analysis, true);
    AddFreeSpinTotal(analysis);
    endResetModel();
}

void ParTableModel::AddCombinations(const GameDefinition& def,
                                    const std::vector<Combination>& combinations,
                                    const ExactAnalysis& analysis, bool free_spins) {
    const TableBasis table = free_spins ? FreeSpinTableBasis(analysis) : BaseTableBasis(analysis);
    for (const Combination& c : combinations) {
        const CombinationCells cells = ParSheetCells(def, c, table);
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
}

// The cycle and the spins a paid game brings, and the titles of the columns that count free
// spins instead of games.
void ParTableModel::AddFreeSpinHeading(const ExactAnalysis& analysis) {
    const FreeSpinTable& t = analysis.free_spins;
    Row row;
    row.texts[kName] = QStringLiteral("One free spin: cycle %1; %2 free spins a game")
                           .arg(QString::fromStdString(GroupedWhole(t.full_cycle)),
                                QString::fromStdString(FixedTiesAway(t.spins_per_game, 6)));
    row.texts[kHitsPerGame] = QStringLiteral("Hits per spin");
    row.texts[kOneIn] = QStringLiteral("1 in spins");
    row.texts[kRtpShare] = QStringLiteral("RTP share %");
    row.bold = true;
    rows_.push_back(std::move(row));
}

// The winning windows of the free-spins cycle and the free spins' whole share: the feature's.
void ParTableModel::AddFreeSpinTotal(const ExactAnalysis& analysis) {
    const FreeSpinTable& t = analysis.free_spins;
    const TableBasis table = FreeSpinTableBasis(analysis);
    const FreeSpinTotal total = FreeSpinTotals(t);
    Row row;
    row.texts[kName] = QStringLiteral("Total free spins");
    row.texts[kWindowsAllLines] =
        QString::fromStdString(text::Decimal(static_cast<std::int64_t>(t.winning_windows)));
    row.texts[kHitsPerGame] = QString::fromStdString(ExponentTiesAway(t.hit_frequency, 6));
    row.texts[kOneIn] =
        QString::fromStdString(ExactOneIn(t.full_cycle, t.winning_windows).value_or("never"));
    row.texts[kRtpShare] = QString::fromStdString(
        ExactSharePercent(total.credits, table, 6).value_or(FixedTiesAway(total.share_percent, 6)));
    row.bold = true;
    rows_.push_back(std::move(row));
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
            if (row.flagged) return QBrush(kFlaggedRow);
            return index.row() == free_heading_ ? QVariant(QBrush(kHeadingRow)) : QVariant();
        case Qt::FontRole: {
            if (!row.bold) return {};
            QFont bold;
            bold.setBold(true);
            return bold;
        }
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
