#include "ui/main/reel_window.h"

#include <QPainter>

#include "ui/main/moor_banner.h"

namespace kragmoor {
namespace {

// Marks are drawn thick enough to follow over busy artwork; the pen is the same for every cell
// so that a line crossing a cell border stays one line.
constexpr double kMarkPen = 3.0;

}  // namespace

ReelCell::ReelCell(int index, const ReelDisplay& display, const SymbolImageList& images,
                   QWidget* parent)
    : QWidget(parent), index_(index), display_(display), images_(images) {
    setObjectName(QStringLiteral("Picture1_%1").arg(index));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReelCell::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QPixmap& picture = images_.Image(SymbolImageList::IndexOf(display_.Code(index_)));
    p.drawPixmap(rect(), picture);
    const auto& marks = display_.Marks(index_);
    if (marks.empty()) return;
    p.setRenderHint(QPainter::Antialiasing);
    const double w = images_.Width();
    const double h = images_.Height();
    const double sx = width() / w;
    const double sy = height() / h;
    p.scale(sx, sy);
    for (const CellMark& mark : marks) {
        p.setPen(QPen(mark.colour, kMarkPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (mark.kind == CellMark::Kind::Segment) {
            p.drawLine(mark.line);
        } else {
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(QPointF(3, 3), QPointF(w - 3, h - 3)));
        }
    }
}

ReelWindow::ReelWindow(const ReelDisplay& display, const SymbolImageList& images, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Picture2"));
    for (int i = 0; i < kCells; ++i) {
        cells_[static_cast<std::size_t>(i)] = new ReelCell(i, display, images, this);
    }
}

void ReelWindow::LayOut(QPoint origin, int cell_width) {
    setGeometry(origin.x(), origin.y(), kReels * cell_width, kRows * cell_width + kBand);
    banner_ = MoorBanner(QSize(width(), kBand));
    for (int i = 0; i < kCells; ++i) {
        const int row = i / kReels;
        const int reel = i % kReels;
        cells_[static_cast<std::size_t>(i)]->setGeometry(
            reel * cell_width, kBand + row * cell_width, cell_width, cell_width);
    }
}

void ReelWindow::Refresh() {
    for (ReelCell* cell : cells_) cell->update();
}

void ReelWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawPixmap(0, 0, banner_);
}

}  // namespace kragmoor
