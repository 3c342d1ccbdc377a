#include "ui/stats/hit_grid.h"

#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>

namespace kragmoor {

void HeaderCornerButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = text();
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    painter.drawControl(QStyle::CE_Header, option);
}

HitGrid::HitGrid(QWidget* parent) : QTableView(parent), corner_(new HeaderCornerButton(this)) {
    // The view's own corner would select the whole table; ours lies over it.
    setCornerButtonEnabled(false);
}

void HitGrid::updateGeometries() {
    QTableView::updateGeometries();
    const QHeaderView* rows = verticalHeader();
    const QHeaderView* columns = horizontalHeader();
    corner_->setGeometry(rows->x(), columns->y(), rows->width(), columns->height());
    corner_->raise();
}

}  // namespace kragmoor
