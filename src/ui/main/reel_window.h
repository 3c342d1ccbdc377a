// The symbol window on screen: the picture box Picture2 with a decorated band at its top and,
// below it, the 15 cells Picture1(row x 5 + reel) edge to edge in 3 rows of 5 square cells.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "ui/main/reel_display.h"
#include "ui/main/symbol_art.h"

namespace kragmoor {

// One cell: the picture of its symbol (ImageList1 index = code + 1) and the marks over it.
class ReelCell : public QWidget {
    Q_OBJECT
  public:
    ReelCell(int index, const ReelDisplay& display, const SymbolImageList& images, QWidget* parent);
    int Index() const { return index_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int index_;
    const ReelDisplay& display_;
    const SymbolImageList& images_;
};

class ReelWindow : public QWidget {
    Q_OBJECT
  public:
    // The band above the grid, in pixels (975 twips).
    static constexpr int kBand = 65;

    ReelWindow(const ReelDisplay& display, const SymbolImageList& images, QWidget* parent);

    // Lays the cells out edge to edge from the cell width W: the box becomes 5 W wide and
    // 3 W + the band high, its top left at `origin` of the window.
    void LayOut(QPoint origin, int cell_width);

    ReelCell* Cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    // Repaints the cells from the display.
    void Refresh();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<ReelCell*, kCells> cells_{};
    QPixmap banner_;
};

}  // namespace kragmoor
