// The hit table's grid: a table view whose header row and name column are the fixed cells, and
// whose corner (the name column's header cell, "Win Name") is a header cell of its own that the
// grid keeps over the corner and that reports clicks like every other cell.
#pragma once

#include <QAbstractButton>
#include <QTableView>

namespace kragmoor {

// Paints itself as a header section with its text.
class HeaderCornerButton : public QAbstractButton {
  public:
    explicit HeaderCornerButton(QWidget* parent) : QAbstractButton(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class HitGrid : public QTableView {
  public:
    explicit HitGrid(QWidget* parent = nullptr);

    HeaderCornerButton& Corner() { return *corner_; }

  protected:
    // Where the view lays out its headers, the corner takes the place between them.
    void updateGeometries() override;

  private:
    HeaderCornerButton* corner_;
};

}  // namespace kragmoor
