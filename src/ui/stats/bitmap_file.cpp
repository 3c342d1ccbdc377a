#include "ui/stats/bitmap_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/output_file.h"

namespace kragmoor {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch, the screen's resolution

void Put16(char*& p, std::uint16_t v) {
    *p++ = static_cast<char>(v & 0xFF);
    *p++ = static_cast<char>(v >> 8);
}

void Put32(char*& p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) *p++ = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

QByteArray EncodeBitmap(const QImage& image) {
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int row_bytes = (width * 3 + 3) & ~3;
    const int data_offset = kFileHeaderSize + kInfoHeaderSize;
    const qsizetype file_size = data_offset + qsizetype{row_bytes} * height;

    QByteArray bytes(file_size, '\0');
    char* p = bytes.data();
    *p++ = 'B';
    *p++ = 'M';
    Put32(p, static_cast<std::uint32_t>(file_size));
    Put32(p, 0);  // reserved
    Put32(p, static_cast<std::uint32_t>(data_offset));
    Put32(p, kInfoHeaderSize);
    Put32(p, static_cast<std::uint32_t>(width));
    Put32(p, static_cast<std::uint32_t>(height));  // positive: rows run bottom-up
    Put16(p, 1);                                   // planes
    Put16(p, 24);                                  // bits per pixel
    Put32(p, 0);                                   // no compression
    Put32(p, static_cast<std::uint32_t>(row_bytes * height));
    Put32(p, kPixelsPerMetre);
    Put32(p, kPixelsPerMetre);
    Put32(p, 0);  // colours used
    Put32(p, 0);  // important colours

    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* row = p;
        for (int x = 0; x < width; ++x) {
            *row++ = static_cast<char>(qBlue(line[x]));
            *row++ = static_cast<char>(qGreen(line[x]));
            *row++ = static_cast<char>(qRed(line[x]));
        }
        p += row_bytes;  // the padding bytes stay 0
    }
    return bytes;
}

bool SaveBitmap(const QImage& image, const QString& path, QString* error) {
    const QByteArray bytes = EncodeBitmap(image);
    const QByteArray utf8 = path.toUtf8();
    const std::filesystem::path file(std::u8string(
        reinterpret_cast<const char8_t*>(utf8.constData()), static_cast<std::size_t>(utf8.size())));
    OutputFile out;
    const bool written =
        out.Open(file, OutputFile::Mode::kCreate) &&
        out.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (out.Close() && written) return true;
    if (error) {
        *error = QStringLiteral("The chart picture could not be written to %1: %2")
                     .arg(path, QString::fromLocal8Bit(out.Reason()));
    }
    return false;
}

}  // namespace kragmoor
