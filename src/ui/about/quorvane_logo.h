// The mathematics designer's logo, drawn by the program: a ring with a tail (the emblem) and,
// where there is room beside it, the name and a tag line. Used by the about box and by the
// picture button of the main window that opens it.
#pragma once

#include <QPixmap>
#include <QSize>

namespace kragmoor {

// The emblem alone, square.
QPixmap QuorvaneEmblem(int size);

// Emblem and lettering on a dark band, for a wide picture button or header.
QPixmap QuorvaneBanner(QSize size);

}  // namespace kragmoor
