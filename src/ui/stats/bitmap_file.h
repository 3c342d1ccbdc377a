// Chart pictures are written as Windows bitmap files: uncompressed 24-bit BMP with a
// BITMAPINFOHEADER, rows bottom-up and padded to four bytes, which every image program and
// spreadsheet on every platform opens.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kragmoor {

// The file's bytes for `image` (any format; an alpha channel is dropped).
QByteArray EncodeBitmap(const QImage& image);

// Writes `image` to `path`, replacing an earlier file. On failure returns false and sets `error`
// to a sentence naming the file and the reason.
bool SaveBitmap(const QImage& image, const QString& path, QString* error);

}  // namespace kragmoor
