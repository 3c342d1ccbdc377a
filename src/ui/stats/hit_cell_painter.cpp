#include "ui/stats/hit_cell_painter.h"

#include <QPainter>

#include "ui/stats/hit_table_model.h"

namespace kragmoor {
namespace {

constexpr int kRightPadding = 4;

}  // namespace

HitCellPainter::HitCellPainter(const HitTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void HitCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const int row = index.row();
    const int column = index.column();
    const QRect& rect = option.rect;
    painter->fillRect(rect, HitTableModel::ColourOf(model_.Colour(row, column)));
    const QString& text = model_.CellText(row, column);
    if (text.isEmpty()) return;
    const QFontMetrics& fm = option.fontMetrics;
    // Digits share one width in the table's fonts, so a number's width needs no text layout.
    const int width = static_cast<int>(text.size()) * fm.horizontalAdvance(QLatin1Char('0'));
    const int x = rect.right() - kRightPadding - width;
    const int y = rect.top() + (rect.height() + fm.ascent() - fm.descent()) / 2;
    painter->setPen(Qt::black);
    painter->drawText(QPoint(std::max(rect.left() + 1, x), y), text);
}

}  // namespace kragmoor

namespace kragmoor {

void HitGridStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelItemViewRow) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace kragmoor
