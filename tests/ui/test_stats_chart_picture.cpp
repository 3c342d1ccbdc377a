// The chart's picture without a window: the empty frame, the batched curves, clearing, redrawing
// after a resize, the printed summary, the bitmap file format and the repaint throttle.
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

#include "engine/chart.h"
#include "ui/stats/bitmap_file.h"
#include "ui/stats/chart_canvas.h"
#include "ui/stats/chart_frame.h"
#include "ui/stats/repaint_throttle.h"
#include "ui/stats/segment_raster.h"

using namespace kragmoor;

namespace {

// X size 500 on 1040 pixels and 200 y-units on 400: two pixels per unit both ways.
const ChartScale kScale{500, 56, 4, 96};
const QSize kSize(1040, 400);

QRgb Rgb(const QColor& colour) {
    return colour.rgb();
}

// A one-pixel line may fall on either side of its mathematical position.
bool ColourNear(const QImage& image, int x, int y, const QColor& colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (image.rect().contains(p) && image.pixel(p) == Rgb(colour)) return true;
        }
    }
    return false;
}

int CountColour(const QImage& image, const QColor& colour, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == Rgb(colour);
    return n;
}

ChartPoint Point(int x, int prev_x, double red, std::int32_t prev_red, bool green = false,
                 bool blue = false) {
    ChartPoint p;
    p.x = x;
    p.prev_x = prev_x;
    p.red = {true, prev_red, red};
    p.green = {green, prev_red, red + 20};
    p.blue = {blue, prev_red, red - 20};
    return p;
}

}  // namespace

class ChartPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void frameHasBandGridLabelsAndTarget() {
        QImage image(kSize, QImage::Format_RGB32);
        DrawChartFrame(image, kScale, QFont());
        // Target 96 % sits at y = (96 - 56) x 10 / 4 = 100, pixel row 200; the band spans
        // 92..100 %, y 90..110, rows 180..220.
        QVERIFY(ColourNear(image, 500, 200, Qt::black));
        QCOMPARE(image.pixel(505, 190), Rgb(kChartBand));
        QCOMPARE(image.pixel(505, 215), Rgb(kChartBand));
        QCOMPARE(image.pixel(505, 250), Rgb(Qt::white));
        QCOMPARE(image.pixel(505, 150), Rgb(Qt::white));
        // The band stops 10 units short of both edges (ten pixels a unit, clear of the labels).
        QImage wide(QSize(5200, 400), QImage::Format_RGB32);
        DrawChartFrame(wide, kScale, QFont());
        QCOMPARE(wide.pixel(60, 190), Rgb(Qt::white));
        QCOMPARE(wide.pixel(105, 190), Rgb(kChartBand));
        QCOMPARE(wide.pixel(5085, 190), Rgb(kChartBand));
        QCOMPARE(wide.pixel(5150, 190), Rgb(Qt::white));
        // Vertical lines every 10 points from x = 10, darker every 100 points.
        QVERIFY(ColourNear(image, 20, 130, kChartGridMajor));  // x = 10
        QVERIFY(ColourNear(image, 40, 130, kChartGrid));       // x = 20
        QVERIFY(!ColourNear(image, 40, 130, kChartGridMajor));
        QVERIFY(ColourNear(image, 220, 130, kChartGridMajor));   // x = 110
        QVERIFY(ColourNear(image, 1020, 130, kChartGridMajor));  // x = 510, the last
        QVERIFY(!ColourNear(image, 1030, 130, kChartGrid));      // nothing right of it
        // Horizontal lines from y = 10 to 190, right across.
        QVERIFY(ColourNear(image, 1035, 20, kChartGrid));  // y = 190
        QVERIFY(ColourNear(image, 610, 380, kChartGrid));  // y = 10
        QVERIFY(!ColourNear(image, 610, 2, kChartGrid));   // no line at y = 200
        // Labels at both sides just under their lines: black text there, none in between.
        QVERIFY(CountColour(image, Qt::black, QRect(0, 22, 18, 12)) > 0);
        QVERIFY(CountColour(image, Qt::black, QRect(1018, 22, 22, 12)) > 0);
        QCOMPARE(CountColour(image, Qt::black, QRect(300, 22, 400, 12)), 0);
    }

    void gridLabelsReadLikePrintedNumbers() {
        QCOMPARE(GridLabel(190, kScale), QStringLiteral(" 132"));
        QCOMPARE(GridLabel(10, kScale), QStringLiteral(" 60"));
        const ChartScale low{500, -20, 3, 0};
        QCOMPARE(GridLabel(30, low), QStringLiteral("-11"));
        QCOMPARE(GridLabel(10, ChartScale{500, 0, 0, 0}), QStringLiteral(" 0"));
    }

    void degenerateScalesStillDraw() {
        QImage image(QSize(300, 200), QImage::Format_RGB32);
        DrawChartFrame(image, ChartScale{0, 0, 0, 0}, QFont());  // no band, no target line
        QCOMPARE(CountColour(image, kChartBand), 0);
        DrawChartFrame(image, ChartScale{-100, 56, 4, 96}, QFont());    // no column fits
        QVERIFY(ColourNear(image, 150, 190, kChartGrid));               // the rows still do
        DrawChartFrame(image, ChartScale{32767, 56, -4, 96}, QFont());  // many columns, upside down
        QVERIFY(CountColour(image, kChartGridMajor) > 0);
    }

    void segmentsCoverTheirPixelsAndStayInsideThePicture() {
        QImage image(100, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRgb ink = qRgb(1, 2, 3);
        {
            SegmentRaster raster(image);
            raster.Draw(10, 10, 20, 10, ink);          // both ends included
            raster.Draw(-500, 40, 700, 40, ink);       // crosses the picture: clipped
            raster.Draw(30, 1e6, 30, -1e6, ink);       // far ends, vertical
            raster.Draw(50, 50, 60, 60.4, ink);        // a diagonal
            raster.Draw(-10, -10, -1, -20, ink);       // wholly outside
            raster.Draw(std::nan(""), 5, 10, 5, ink);  // no number: nothing
            QCOMPARE(raster.Touched(), QRect(QPoint(0, 0), QPoint(99, 79)));
        }
        for (int x = 10; x <= 20; ++x) QCOMPARE(image.pixel(x, 10), ink);
        QCOMPARE(image.pixel(9, 10), Rgb(Qt::white));
        QCOMPARE(image.pixel(21, 10), Rgb(Qt::white));
        for (int x = 0; x < 100; ++x) QCOMPARE(image.pixel(x, 40), ink);
        for (int y = 0; y < 80; ++y) QCOMPARE(image.pixel(30, y), ink);
        for (int i = 0; i <= 10; ++i) QCOMPARE(image.pixel(50 + i, 50 + i), ink);
        QCOMPARE(image.pixel(5, 5), Rgb(Qt::white));
        // Nothing else: the rows and columns above, one diagonal of 11 and the segment of 11.
        QCOMPARE(CountColour(image, QColor(ink)), 11 + 100 + 80 - 1 + 11);
    }

    void pointsWaitForTheFlushThenDrawInTheirColours() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        canvas.TakeDirty();
        const QImage before = canvas.Image();
        canvas.Add(Point(0, 0, 150, 150, true, true));
        canvas.Add(Point(1, 0, 150, 150, true, true));
        canvas.Add(Point(2, 1, 160, 150, true, true));
        QCOMPARE(canvas.PendingCount(), std::size_t{3});
        QCOMPARE(canvas.Image(), before);

        canvas.Flush();
        QCOMPARE(canvas.PendingCount(), std::size_t{0});
        // Red from (11, 150) to (12, 160): pixels (22, 100) to (24, 80).
        QVERIFY(ColourNear(canvas.Image(), 22, 100, kChartRed));
        QVERIFY(ColourNear(canvas.Image(), 24, 80, kChartRed));
        QVERIFY(ColourNear(canvas.Image(), 23, 60, kChartGreen));  // 20 units above
        QVERIFY(ColourNear(canvas.Image(), 23, 140, kChartBlue));  // 20 units below
        const QRect dirty = canvas.TakeDirty();
        QVERIFY(dirty.contains(QPoint(22, 100)) && dirty.contains(QPoint(24, 80)));
        QVERIFY(dirty.width() < 20);  // only the strip that changed is repainted
        QVERIFY(canvas.TakeDirty().isEmpty());
    }

    void curvesThatAreNotDrawnLeaveNoTrace() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        for (int x = 1; x < 400; ++x) canvas.Add(Point(x, x - 1, 150, 150));
        canvas.Flush();
        QVERIFY(CountColour(canvas.Image(), kChartRed) > 700);
        QCOMPARE(CountColour(canvas.Image(), kChartGreen), 0);
        QCOMPARE(CountColour(canvas.Image(), kChartBlue), 0);
    }

    void farAndBrokenValuesAreHandled() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        // A game paying 650 % on a 56..136 % scale: far above the picture.
        canvas.Add(Point(1, 0, 1.5e9, 0));
        canvas.Add(Point(2, 1, std::numeric_limits<double>::quiet_NaN(), 1500));
        canvas.Add(Point(3, 2, -std::numeric_limits<double>::infinity(), 1500));
        canvas.Add(Point(std::numeric_limits<std::int32_t>::max() - 5,
                         std::numeric_limits<std::int32_t>::max() - 6, 100, 100));
        canvas.Flush();
        QCOMPARE(CountColour(canvas.Image(), kChartRed, QRect(30, 0, 1010, 400)), 0);
    }

    void aClearShowsTheEmptyFrameAndForgetsWaitingPoints() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        QImage empty(kSize, QImage::Format_RGB32);
        DrawChartFrame(empty, kScale, QFont());
        for (int x = 1; x < 100; ++x) canvas.Add(Point(x, x - 1, 150, 150));
        canvas.Flush();
        QVERIFY(canvas.Image() != empty);
        canvas.Add(Point(100, 99, 150, 150));
        canvas.Clear(kScale);
        canvas.Flush();
        QCOMPARE(canvas.Image(), empty);
        QCOMPARE(canvas.RecordedCount(), std::size_t{0});
        QCOMPARE(canvas.TakeDirty(), canvas.Image().rect());

        // A new scale is drawn by the clear.
        const ChartScale wide{250, 0, 10, 50};
        canvas.Clear(wide);
        canvas.Flush();
        QImage rescaled(kSize, QImage::Format_RGB32);
        DrawChartFrame(rescaled, wide, QFont());
        QCOMPARE(canvas.Image(), rescaled);
    }

    void aResizeRedrawsFrameCurvesAndSummary() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        for (int x = 1; x < 300; ++x) canvas.Add(Point(x, x - 1, 150, 150));
        canvas.Print(QStringLiteral("Games = 29 900    96.123% = 574 775 / 598 000"));
        canvas.Add(Point(300, 299, 150, 150));
        canvas.Flush();
        const int text_pixels = CountColour(canvas.Image(), Qt::black, QRect(20, 380, 500, 20));
        QVERIFY(text_pixels > 50);

        canvas.Resize(QSize(520, 800), kScale);  // one pixel per x unit, four per y unit
        QCOMPARE(canvas.Image().size(), QSize(520, 800));
        QVERIFY(ColourNear(canvas.Image(), 200, 200, kChartRed));  // y 150 -> row 800 - 600
        QVERIFY(ColourNear(canvas.Image(), 310, 200, kChartRed));
        QVERIFY(!ColourNear(canvas.Image(), 330, 200, kChartRed));
        QVERIFY(CountColour(canvas.Image(), Qt::black, QRect(10, 760, 500, 40)) > 30);
        QVERIFY(ColourNear(canvas.Image(), 10, 400, kChartGridMajor));  // the frame at its new size
    }

    void aWindowWithoutTurnsLosesNoPoint() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        const std::size_t n = ChartCanvas::kPendingLimit + 10;
        for (std::size_t i = 0; i < n; ++i) {
            const int x = static_cast<int>(i % 500);
            canvas.Add(Point(x, x == 0 ? 0 : x - 1, 150, 150));
        }
        QVERIFY(canvas.PendingCount() <= ChartCanvas::kPendingLimit);
        QVERIFY(CountColour(canvas.Image(), kChartRed) > 0);  // drawn without a flush
        QCOMPARE(canvas.RecordedCount(), n);
        QVERIFY(!canvas.TakeDirty().isEmpty());  // and the window will be told
    }

    void historyKeepsTheLatestPoints() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        const std::size_t n = ChartCanvas::kHistoryLimit + 1000;
        for (std::size_t i = 0; i < n; ++i) {
            const int x = static_cast<int>(i % 500);
            // The last 1000 points sit at y 50, all before at y 150.
            const double y = i + 1000 >= n ? 50 : 150;
            canvas.Add(Point(x, x == 0 ? 0 : x - 1, y, static_cast<std::int32_t>(y)));
        }
        QCOMPARE(canvas.RecordedCount(), ChartCanvas::kHistoryLimit);
        canvas.Resize(kSize, kScale);
        QVERIFY(ColourNear(canvas.Image(), 500, 300, kChartRed));
        QVERIFY(ColourNear(canvas.Image(), 500, 100, kChartRed));  // still recorded
    }

    void bitmapFileIsAWindowsBitmap() {
        QImage image(3, 2, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(1, 0, qRgb(0, 255, 0));
        image.setPixel(2, 0, qRgb(0, 0, 255));
        image.setPixel(0, 1, qRgb(1, 2, 3));
        image.setPixel(1, 1, qRgb(200, 200, 200));
        image.setPixel(2, 1, qRgb(255, 255, 255));
        const QByteArray bytes = EncodeBitmap(image);
        // 14 + 40 header bytes, two rows of 9 bytes padded to 12.
        QCOMPARE(bytes.size(), 78);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        auto u32 = [&](int at) {
            return static_cast<quint32>(static_cast<quint8>(bytes[at])) |
                   static_cast<quint32>(static_cast<quint8>(bytes[at + 1])) << 8 |
                   static_cast<quint32>(static_cast<quint8>(bytes[at + 2])) << 16 |
                   static_cast<quint32>(static_cast<quint8>(bytes[at + 3])) << 24;
        };
        QCOMPARE(u32(2), 78u);   // file size
        QCOMPARE(u32(10), 54u);  // pixel data offset
        QCOMPARE(u32(14), 40u);  // BITMAPINFOHEADER
        QCOMPARE(u32(18), 3u);
        QCOMPARE(u32(22), 2u);
        QCOMPARE(static_cast<int>(bytes[28]), 24);
        // Bottom row first, blue green red.
        QCOMPARE(bytes.mid(54, 3), QByteArray("\x03\x02\x01", 3));
        QCOMPARE(bytes.mid(66, 3), QByteArray("\x00\x00\xff", 3));
        const QImage decoded = QImage::fromData(bytes, "BMP");
        QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), image);
    }

    void bitmapSaveReportsWhereAndWhy() {
        QTemporaryDir dir;
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QString good = dir.filePath(QStringLiteral("Test100.bmp"));
        QString error;
        QVERIFY(SaveBitmap(image, good, &error));
        QCOMPARE(QImage(good).size(), QSize(40, 30));
        const QString bad = dir.filePath(QStringLiteral("missing/Test100.bmp"));
        QVERIFY(!SaveBitmap(image, bad, &error));
        QVERIFY(error.contains(bad));
    }

    void throttleFoldsRequestsWithinItsPeriod() {
        int repaints = 0;
        RepaintThrottle throttle(std::chrono::milliseconds(50), [&] { ++repaints; });
        throttle.Request();
        QCOMPARE(repaints, 1);  // the first comes at once
        throttle.Request();
        throttle.Request();
        QCOMPARE(repaints, 1);
        QVERIFY(throttle.Pending());
        QTRY_COMPARE_WITH_TIMEOUT(repaints, 2, 2000);  // the rest as one, after the period
        QTest::qWait(120);
        QCOMPARE(repaints, 2);
        throttle.Request();  // long after the last: at once again
        QCOMPARE(repaints, 3);
    }
};

QTEST_MAIN(ChartPictureTest)
#include "test_stats_chart_picture.moc"
