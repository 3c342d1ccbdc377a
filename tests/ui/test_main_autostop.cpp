// Games made up for one test: Auto Stop at a jackpot and at a free-spin trigger, win lines
// painted in their colours over the cells they cross, green boxes round the scatters.
#include <QTimer>
#include <QtTest>

#include "engine/line_geometry.h"
#include "helpers/window_fixture.h"
#include "ui/main/reel_window.h"

using namespace kragmoor;
using kragmoor::testing::TestGame;
using kragmoor::testing::WindowFixture;

namespace {

// Every reel shows wilds only: every line is five wilds, the jackpot.
TestGame AllWilds() {
    TestGame game;
    game.base = TestGame::Columns({{{"Wild", "Wild", "Wild"},
                                    {"Wild", "Wild", "Wild"},
                                    {"Wild", "Wild", "Wild"},
                                    {"Wild", "Wild", "Wild"},
                                    {"Wild", "Wild", "Wild"}}});
    game.pays[11] = {0, 10, 50, 400, 5000};
    return game;
}

// Three reels of scatters: every base game triggers the feature; the free spins pay nothing.
TestGame ScatterTrigger() {
    TestGame game;
    game.base = TestGame::Columns({{{"Scatter", "Scatter", "Scatter"},
                                    {"Scatter", "Scatter", "Scatter"},
                                    {"Scatter", "Scatter", "Scatter"},
                                    {"Moss", "Heather", "Moss"},
                                    {"Heather", "Moss", "Heather"}}});
    game.free = TestGame::Columns({{{"Moss", "Heather", "Moss"},
                                    {"Heather", "Moss", "Heather"},
                                    {"Moss", "Heather", "Moss"},
                                    {"Heather", "Moss", "Heather"},
                                    {"Moss", "Heather", "Moss"}}});
    game.pays[12] = {0, 1, 3, 15, 100};
    return game;
}

bool HasMark(const ReelDisplay& display, int cell, CellMark::Kind kind, const QColor& colour) {
    for (const CellMark& mark : display.Marks(cell)) {
        if (mark.kind == kind && mark.colour == colour) return true;
    }
    return false;
}

std::size_t MarkCount(const ReelDisplay& display) {
    std::size_t n = 0;
    for (int cell = 0; cell < 15; ++cell) n += display.Marks(cell).size();
    return n;
}

}  // namespace

class AutoStopTest : public QObject {
    Q_OBJECT

  private slots:
    void autoStopEndsARunAtAJackpot() {
        const TestGame game = AllWilds();
        WindowFixture f(&game);
        f.Check("chkStopJP")->click();
        f.Button("cmdAUTO")->click();  // returns when the run has ended
        QCOMPARE(f.State().Games, std::int64_t{1});
        QVERIFY(!f.Control().Running());
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(f.Button("cmdAdd")->isEnabled());
        QCOMPARE(f.Messages().Texts().size(), 20);  // one box for each line of five wilds
        for (const QString& text : f.Messages().Texts()) {
            QCOMPARE(text, QStringLiteral("JACKPOT!!!\nGame = 1"));
        }
        QCOMPARE(f.Messages().Titles().first(), QStringLiteral("Kragmoor"));
        // From the jackpot on, the game is shown.
        QCOMPARE(f.Window().Display().Code(7), 11);
        QVERIFY(MarkCount(f.Window().Display()) > 0);
    }

    void withoutAutoStopAJackpotRunGoesOn() {
        const TestGame game = AllWilds();
        WindowFixture f(&game);
        QTimer::singleShot(0, [&f] { f.Button("cmdAUTO")->click(); });
        f.Button("cmdAUTO")->click();
        QVERIFY(f.State().Games >= 100);
        QVERIFY(f.Messages().Texts().isEmpty());
    }

    void autoStopEndsARunAtATrigger() {
        const TestGame game = ScatterTrigger();
        WindowFixture f(&game);
        f.ShowActive();
        f.Check("chkStopJP")->click();
        f.Button("cmdAUTO")->click();
        QCOMPARE(f.State().Games, std::int64_t{1});
        QVERIFY(f.State().InFreeSpins);
        QCOMPARE(f.Messages().Texts(), QStringList{QStringLiteral("Free Spins \nGame = 1")});
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        // The pending feature goes on with the next Step.
        f.Button("cmdStart")->click();
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" FreeGames = 14"));
        QCOMPARE(f.State().Games, std::int64_t{1});
    }

    void paidLinesArePaintedInTheirColours() {
        const TestGame game = AllWilds();
        WindowFixture f(&game);
        f.Button("cmdStart")->click();
        const ReelDisplay& display = f.Window().Display();
        for (int line = 0; line < 20; ++line) {
            const Rgb c = LineColour(line);
            const LineSegments segments = LineGeometry(line, 130, 130);
            for (int i = 0; i < segments.count; ++i) {
                const int cell = segments.segment[static_cast<std::size_t>(i)].cell;
                QVERIFY2(HasMark(display, cell, CellMark::Kind::Segment, QColor(c.r, c.g, c.b)),
                         qPrintable(QStringLiteral("line %1 cell %2").arg(line).arg(cell)));
            }
        }
        // Line 1 crosses the middle row flat: its colour lies at mid-height of the middle cells.
        auto* box = f.Window().findChild<ReelWindow*>(QStringLiteral("Picture2"));
        const QImage cell = box->Cell(5)->grab().toImage();
        QCOMPARE(cell.pixelColor(100, 65), QColor(15, 15, 15));
        QVERIFY(cell.pixelColor(100, 100) != QColor(15, 15, 15));

        // The next shown game erases the marks of this one before drawing its own.
        const std::size_t marks = MarkCount(display);
        f.Button("cmdStart")->click();
        QCOMPARE(MarkCount(display), marks);
    }

    void scattersGetGreenBoxes() {
        const TestGame game = ScatterTrigger();
        WindowFixture f(&game);
        f.Button("cmdStart")->click();
        const ReelDisplay& display = f.Window().Display();
        for (int cell = 0; cell < 15; ++cell) {
            const bool scatter = cell % 5 < 3;
            QCOMPARE(HasMark(display, cell, CellMark::Kind::Box, QColor(0, 255, 0)), scatter);
        }
        QVERIFY(
            f.TextBox()->toPlainText().contains(QStringLiteral("SCATTERS = 15 Free Spins At x4")));
        auto* box = f.Window().findChild<ReelWindow*>(QStringLiteral("Picture2"));
        const QImage cell = box->Cell(0)->grab().toImage();
        QCOMPARE(cell.pixelColor(3, 60), QColor(0, 255, 0));    // the box's left side
        QCOMPARE(cell.pixelColor(126, 60), QColor(0, 255, 0));  // and its right side
    }
};

QTEST_MAIN(AutoStopTest)
#include "test_main_autostop.moc"
