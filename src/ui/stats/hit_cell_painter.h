// Paints the hit table's cells: the change colour and the number right-aligned, straight from
// the model's snapshot. A full-screen table has a thousand cells; the general item painter
// spends tens of microseconds on each, this one a few, so the table can follow a run.
#pragma once

#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace kragmoor {

class HitTableModel;

class HitCellPainter : public QStyledItemDelegate {
    Q_OBJECT

  public:
    HitCellPainter(const HitTableModel& model, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const HitTableModel& model_;
};

// The grid's style: as the application's, except that the row panel the view paints under
// every cell is left out (each cell paints its own background all over it).
class HitGridStyle : public QProxyStyle {
    Q_OBJECT

  public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace kragmoor
