// The decoration of the band above the reel cells: the game's name over a misty moorland at
// dusk, with the glow of a forge under the hills.
#pragma once

#include <QPixmap>
#include <QSize>

namespace kragmoor {

QPixmap MoorBanner(QSize size);

}  // namespace kragmoor
