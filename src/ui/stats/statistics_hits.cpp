#include "ui/stats/statistics_hits.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QResizeEvent>
#include <algorithm>

#include "ui/stats/event_pause.h"
#include "ui/stats/hit_cell_painter.h"
#include "ui/stats/hit_grid.h"
#include "ui/stats/hit_table_model.h"
#include "ui/stats/repaint_throttle.h"

namespace kragmoor {
namespace {

constexpr auto kRepaintPeriod = std::chrono::milliseconds(200);
constexpr int kCellPadding = 12;
constexpr auto kCopyPause = std::chrono::milliseconds(1000);  // each of the copy's two pauses

QString CopyingText() {
    return QString::fromUtf8("Копиране на данните в клипборда!");
}
QString CopiedText() {
    return QString::fromUtf8("Данните са в клипборда!");
}

std::chrono::milliseconds Remaining(std::chrono::milliseconds pause, const QElapsedTimer& since) {
    return std::max(std::chrono::milliseconds(0),
                    pause - std::chrono::milliseconds(since.elapsed()));
}

}  // namespace

StatisticsHits::StatisticsHits(Simulator& engine, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    column_chars_.fill(-1);
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("StatisticsHits"));
    setWindowTitle(QStringLiteral("Statistics (HITS)"));
    BuildGrid();

    Label1_ = new QLabel(this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setAlignment(Qt::AlignCenter);
    Label1_->setFrameShape(QFrame::Box);
    Label1_->setContentsMargins(4, 0, 4, 0);
    Label1_->setAutoFillBackground(true);
    QPalette palette = Label1_->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    palette.setColor(QPalette::WindowText, Qt::black);
    Label1_->setPalette(palette);
    Label1_->hide();

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
    CentreLabel();
}

// The label keeps one size for both of its texts: the grid under it does not repaint during a
// copy, so a label that shrank would leave the end of the longer text behind.
void StatisticsHits::CentreLabel() {
    const QSize designed(3255 / kTwipsPerPixel, 255 / kTwipsPerPixel);
    const QFontMetrics fm(Label1_->font());
    const QMargins margins = Label1_->contentsMargins();
    const int text_width =
        std::max(fm.horizontalAdvance(CopyingText()), fm.horizontalAdvance(CopiedText())) +
        2 * Label1_->frameWidth() + margins.left() + margins.right() + 2 * Label1_->margin();
    const QSize size =
        designed.expandedTo(QSize(text_width, fm.height() + 2 * Label1_->frameWidth() + 2));
    Label1_->resize(size);
    Label1_->move((width() - size.width()) / 2, (height() - size.height()) / 2);
}

void StatisticsHits::MSFlexGrid1_Click() {
    if (copying_) return;  // a click during the pauses of a copy
    copying_ = true;
    const QPointer<StatisticsHits> alive(this);
    MSFlexGrid1_->setUpdatesEnabled(false);
    QElapsedTimer t0;
    t0.start();

    Label1_->setText(CopyingText());
    CentreLabel();
    Label1_->show();
    Label1_->raise();
    const QString text = QString::fromStdString(engine_.ClipboardText());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);

    ProcessEventsFor(Remaining(kCopyPause, t0));
    if (!alive) return;
    t0.start();
    QApplication::beep();
    Label1_->setText(CopiedText());
    ProcessEventsFor(Remaining(kCopyPause, t0));
    if (!alive) return;

    Label1_->hide();
    MSFlexGrid1_->setUpdatesEnabled(true);
    copying_ = false;
}

}  // namespace kragmoor
