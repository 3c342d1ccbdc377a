// The par sheet's combinations as a Qt table model: one row per paying combination of the exact
// analysis (name, count, pay, its windows of the full cycle on one line and on all 20, hits per
// game, "1 in" games, share of the RTP, the odds rules it breaks). Rows that break an odds rule
// have a coloured ground and name the rule. Below them, after a heading row that names the
// free-spins cycle and titles the columns of a free spin, the combinations of one free spin and
// their total, whose share is the feature's.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <array>
#include <vector>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

// The ground of a row that breaks an odds rule, and of the free spins' heading row.
inline const QColor kFlaggedRow{255, 200, 140};
inline const QColor kHeadingRow{225, 225, 225};

class ParTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        kName,
        kCount,
        kPay,
        kWindowsOneLine,
        kWindowsAllLines,
        kHitsPerGame,
        kOneIn,
        kRtpShare,
        kFlags,
        kColumns
    };

    explicit ParTableModel(QObject* parent = nullptr);

    // Shows the combinations of `analysis` (names from `def`).
    void SetAnalysis(const GameDefinition& def, const ExactAnalysis& analysis);
    bool Flagged(int row) const { return rows_[static_cast<std::size_t>(row)].flagged; }
    // The free spins' heading row: the first of their section.
    int FreeSpinHeadingRow() const { return free_heading_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The table as a spreadsheet pastes it: the header and every row, cells ended by a TAB,
    // lines by CR LF, as the hit table's copy.
    QString ClipboardText() const;

  private:
    struct Row {
        std::array<QString, kColumns> texts;
        bool flagged = false;
        bool bold = false;  // the heading and the total
    };
    void AddCombinations(const GameDefinition& def, const std::vector<Combination>& combinations,
                         const ExactAnalysis& analysis, bool free_spins);
    void AddFreeSpinHeading(const ExactAnalysis& analysis);
    void AddFreeSpinTotal(const ExactAnalysis& analysis);

    std::vector<Row> rows_;
    int free_heading_ = -1;
};

}  // namespace kragmoor
