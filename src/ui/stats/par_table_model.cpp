#include "ui/stats/par_table_model.h"

#include <QBrush>
#include <cmath>

#include "engine/analysis/par_sheet.h"

namespace kragmoor {
namespace {

const char* const kTitles[ParTableModel::kColumns] = {
    "Combination", "Count", "Pay", "Hits per game", "1 in games", "RTP share %", "Odds rules"};

// Enough digits to compare with a long run; "never" for what the strips never show.
QString Fixed(double value, int decimals) {
    if (std::isinf(value)) return QStringLiteral("never");
    return QString::number(value, 'f', decimals);
}

QString Count(const Combination& c) {
    return c.kind == CombinationKind::kFeature ? QStringLiteral("3+") : QString::number(c.count);
}

// Whole pays as they stand, the feature's expected win with four decimals.
QString Pay(double pay) {
    return pay == std::floor(pay) ? QString::number(pay, 'f', 0) : QString::number(pay, 'f', 4);
}

}  // namespace

ParTableModel::ParTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ParTableModel::SetAnalysis(const GameDefinition& def, const ExactAnalysis& analysis) {
    beginResetModel();
    rows_.clear();
    for (const Combination& c : analysis.combinations) {
        Row row;
        row.texts = {QString::fromStdString(CombinationLabel(def, c)),
                     Count(c),
                     Pay(c.pay),
                     QString::number(c.hits_per_game, 'e', 6),
                     Fixed(c.one_in_games, 2),
                     Fixed(c.rtp_share_percent, 6),
                     QString::fromStdString(OddsFlagText(c.odds_flags))};
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
