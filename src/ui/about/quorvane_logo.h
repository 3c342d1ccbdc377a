// The mathematics designer's logo, drawn by the program: a ring with a tail (the emblem) and,
// where there is room beside it, the name and a tag line. Used by the about box and by the
// picture button of the main window that opens it.
#pragma once

#include <QPixmap>
#include <QSize>

namespace kragmoor {

// The emblem alone, square.
QPixmap QuorvaneEmblem(int size);

// Lettering on a dark band, for a wide picture button or header; the emblem at its left unless
// it stands beside the band anyway.
QPixmap QuorvaneBanner(QSize size, bool with_emblem = true);

}  // namespace kragmoor
