#include "ui/stats/statistics_hits.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <algorithm>

#include "ui/layout/twips.h"
#include "ui/stats/clipboard_copy.h"
#include "ui/stats/hit_cell_painter.h"
#include "ui/stats/hit_grid.h"
#include "ui/stats/hit_table_model.h"
#include "ui/stats/repaint_throttle.h"

namespace kragmoor {
namespace {

constexpr auto kRepaintPeriod = std::chrono::milliseconds(200);
constexpr int kCellPadding = 12;

}  // namespace

StatisticsHits::StatisticsHits(Simulator& engine, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    column_chars_.fill(-1);
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("StatisticsHits"));
    setWindowTitle(QStringLiteral("Statistics (HITS)"));
    BuildGrid();
    copy_ = new ClipboardCopy(this, MSFlexGrid1_);

    throttle_ = new RepaintThrottle(
        kRepaintPeriod, [this] { Repaint(); }, this);
    resize(4680 / kTwipsPerPixel, 3195 / kTwipsPerPixel);
    engine_.AddObserver(this);
}

StatisticsHits::~StatisticsHits() {
    engine_.RemoveObserver(this);
}

void StatisticsHits::PlaceBeside(const QWidget& main) {
    const QRect beside = main.frameGeometry();
    const QRect own = frameGeometry();
    const int left = beside.left() - own.width();
    if (left >= 0) move(left, beside.bottom() + 1 - own.height());
}

void StatisticsHits::BuildGrid() {
    model_ = new HitTableModel(engine_.Hits(), this);
    MSFlexGrid1_ = new HitGrid(this);
    MSFlexGrid1_->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1_->setModel(model_);
    MSFlexGrid1_->setItemDelegate(new HitCellPainter(*model_, MSFlexGrid1_));
    auto* style = new HitGridStyle();  // follows the application's style
    style->setParent(MSFlexGrid1_);
    MSFlexGrid1_->setStyle(style);
    MSFlexGrid1_->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1_->setFocusPolicy(Qt::NoFocus);
    MSFlexGrid1_->setWordWrap(false);

    const QFontMetrics fm(MSFlexGrid1_->font());
    QHeaderView* rows = MSFlexGrid1_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fm.height() + 6);
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rows->setSectionsClickable(true);
    QHeaderView* columns = MSFlexGrid1_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionsClickable(true);
    columns->setHighlightSections(false);
    rows->setHighlightSections(false);

    // A click anywhere copies: a cell, a header, or the corner, which shows the name column's
    // header "Win Name".
    connect(MSFlexGrid1_, &QTableView::clicked, this, &StatisticsHits::MSFlexGrid1_Click);
    connect(rows, &QHeaderView::sectionClicked, this, &StatisticsHits::MSFlexGrid1_Click);
    connect(columns, &QHeaderView::sectionClicked, this, &StatisticsHits::MSFlexGrid1_Click);
    HeaderCornerButton& corner = MSFlexGrid1_->Corner();
    corner.setObjectName(QStringLiteral("WinName"));
    corner.setText(model_->CornerText());
    connect(&corner, &QAbstractButton::clicked, this, &StatisticsHits::MSFlexGrid1_Click);
    rows->setMinimumWidth(fm.horizontalAdvance(model_->CornerText()) + kCellPadding);
    FitColumns();
}

bool StatisticsHits::HitsMinimized() {
    return isMinimized();
}

// A Step's refresh is shown at once; a run's (every 10000 games) at most five times a second:
// a full-screen table costs milliseconds to paint, and nobody reads faster.
void StatisticsHits::HitsRefreshed() {
    throttle_->Request(engine_.Running());
}

void StatisticsHits::Repaint() {
    // Nothing paints between the engine's refresh and this call (there is one thread), so the
    // grid never shows a half-refreshed table; the column check and the one dataChanged are
    // done with the grid's updates off, so that it repaints once.
    MSFlexGrid1_->setUpdatesEnabled(false);
    FitColumns();
    model_->Refreshed();
    MSFlexGrid1_->setUpdatesEnabled(true);
}

// Columns grow with their longest text (counts get longer as a run goes on) and never shrink,
// so the grid never cuts a number and does not jitter.
void StatisticsHits::FitColumns() {
    const HitTable& table = engine_.Hits();
    const QFontMetrics fm(MSFlexGrid1_->font());
    const int digit = fm.horizontalAdvance(QLatin1Char('0'));
    QHeaderView* header = MSFlexGrid1_->horizontalHeader();
    for (int c = 1; c < HitTable::kColumns; ++c) {
        std::size_t longest = 0;
        for (int r = 1; r < HitTable::kRows; ++r)
            longest = std::max(longest, table.Cell(r, c).size());
        const int chars = static_cast<int>(longest);
        const bool first = column_chars_[c - 1] < 0;
        if (chars <= column_chars_[c - 1]) continue;
        column_chars_[c - 1] = chars;
        const QString title = QString::fromStdString(table.Cell(0, c));
        const int width =
            std::max({fm.horizontalAdvance(title), digit * std::max(chars, 4)}) + kCellPadding;
        // A column the user has widened keeps its width until its text needs more.
        if (first || width > header->sectionSize(c - 1)) header->resizeSection(c - 1, width);
    }
}

void StatisticsHits::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MSFlexGrid1_->setGeometry(0, 0, width(), height());
    if (copy_ != nullptr) copy_->Centre();
}

void StatisticsHits::MSFlexGrid1_Click() {
    copy_->Copy([this] { return QString::fromStdString(engine_.ClipboardText()); });
}

}  // namespace kragmoor
