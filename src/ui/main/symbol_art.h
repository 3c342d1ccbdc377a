// The symbol pictures of the reel cells (ImageList1): 130 x 130 pixels, one per symbol code,
// drawn by the program from the code and the symbol's name. Every ordinary symbol gets its own
// colour and emblem with its initial, and its name lettered on a plate; the wild (code 11) and
// the scatter (code 12) have designs of their own whatever the definition calls them.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <array>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

inline constexpr int kSymbolImageSize = 130;

// One picture; `code` 0..12. A code outside that range (the gap code) gives a plain dark tile.
QImage SymbolPicture(int code, const QString& name);

// ImageList1: the picture of symbol code c sits at image index c + 1 (1..13), as in the cells.
class SymbolImageList {
  public:
    explicit SymbolImageList(const std::array<std::string, kSymbols>& names);
    // Index 1..13; anything else gives the blank tile.
    const QPixmap& Image(int index) const;
    static int IndexOf(int code) { return code + 1; }
    int Width() const { return kSymbolImageSize; }
    int Height() const { return kSymbolImageSize; }

  private:
    std::array<QPixmap, kSymbols> images_;
    QPixmap blank_;
};

}  // namespace kragmoor
