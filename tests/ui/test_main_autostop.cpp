// Games made up for one test: Auto Stop at a jackpot and at a free-spin trigger, win lines drawn
// over the cells they cross.
#include <QCheckBox>
#include <QTimer>
#include <QtTest>
#include <iomanip>
#include <sstream>

#include "engine/line_geometry.h"
#include "helpers/fixtures.h"
#include "ui/main/reel_window.h"
#include "ui/main/symbol_art.h"

using namespace kragmoor;
using kragmoor::test::WindowFixture;

namespace {

// A definition in which only `symbol` pays, `pays` for runs of 1..5. The strips are five reels of
// three symbols, top to bottom: W Wild, S Scatter, digits the symbols 0..9 ("SSS SSS SSS 010 101").
std::string Definition(const char* base, const char* free, std::size_t symbol,
                       std::array<int, 5> pays) {
    auto name = [](std::size_t s) {
        return s == 11 ? "Wild" : s == 12 ? "Scatter" : "Sym" + std::to_string(s);
    };
    std::ostringstream out;
    out << "  Company: www.example.test\r\nGame Name: Kragmoor\r\n  Version: ui test\r\n"
        << " Game RTP: 95,00 %\r\n     Date: 01.01.2026  00:00:00\r\n"
        << "=======================================\r\nRNG DESCRIPTION\r\nSEED = 7\r\n";
    for (const char* header : {"REEL STRIP", "FREE SPINS REEL STRIP"}) {
        out << header << "\r\n";
        const char* strip = header[0] == 'R' ? base : free;
        for (int row = 0; row < 3; ++row) {
            for (int reel = 0; reel < 5; ++reel)
                out << name(std::string_view("0123456789 WS").find(strip[reel * 4 + row])) << ", ";
            out << " _\r\n";
        }
    }
    out << "WIN LINE DESCRIPTION\r\n";
    for (int line = 1; line <= 20; ++line) out << "1,  1,  1,  1,  1,   _ Line" << line << "\r\n";
    out << "PAYTABLE DESCRIPTION\r\n";
    for (std::size_t s = 0; s < 13; ++s) {
        out << " " << std::left << std::setw(11) << name(s) + ",";  // fixed columns
        for (int pay : pays) out << std::setw(7) << std::to_string(s == symbol ? pay : 0) + ",";
        out << " _\r\n";
    }
    return out.str();
}

// Every line is five wilds, the jackpot.
const std::string kAllWilds =
    Definition("WWW WWW WWW WWW WWW", "WWW WWW WWW WWW WWW", 11, {0, 10, 50, 400, 5000});
// Three reels of scatters: every base game triggers the feature; the free spins pay nothing.
const std::string kScatterTrigger =
    Definition("SSS SSS SSS 010 101", "010 101 010 101 010", 12, {0, 1, 3, 15, 100});

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
        WindowFixture f(kAllWilds);
        // Without Auto Stop the run goes on past the jackpots, until Stop.
        QTimer::singleShot(0, [&f] { f.Button("cmdAUTO")->click(); });
        f.Button("cmdAUTO")->click();  // returns when the run has ended
        const std::int64_t games = f.State().Games;
        QVERIFY(games >= 100 && f.messages.texts.isEmpty());
        f.Find<QCheckBox>("chkStopJP")->click();
        f.Button("cmdAUTO")->click();
        QCOMPARE(f.State().Games, games + 1);
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(f.Button("cmdAdd")->isEnabled());
        // One box for each line of five wilds, and the game is shown from the jackpot on.
        QCOMPARE(f.messages.texts,
                 QStringList(20, QStringLiteral("JACKPOT!!!\nGame = %1").arg(games + 1)));
        QVERIFY(MarkCount(f.Window().Display()) > 0);
    }

    void autoStopEndsARunAtATrigger() {
        WindowFixture f(kScatterTrigger);
        f.ShowActive();
        f.Find<QCheckBox>("chkStopJP")->click();
        f.Button("cmdAUTO")->click();
        QCOMPARE(f.State().Games, std::int64_t{1});
        QVERIFY(f.State().InFreeSpins);
        QCOMPARE(f.messages.texts, QStringList{QStringLiteral("Free Spins \nGame = 1")});
        // The pending feature goes on with the next Step.
        f.Button("cmdStart")->click();
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" FreeGames = 14"));
        QCOMPARE(f.State().Games, std::int64_t{1});
    }

    void paidLinesFallOnTheirCells() {
        WindowFixture f(kAllWilds);
        f.Button("cmdStart")->click();
        // Line 14 climbs steeply from the centre of the bottom-left cell, (65, 65), to its top
        // edge, (97.5, 0), clear of every other line: halfway up, the cell shows its colour over
        // the wild.
        const Rgb c = LineColour(14);
        const QColor colour(c.r, c.g, c.b);
        const QImage wild = f.Window().ImageList1().Image(SymbolImageList::IndexOf(11)).toImage();
        QVERIFY(wild.pixelColor(81, 32) != colour);
        auto* cells = f.Window().findChild<ReelWindow*>(QStringLiteral("Picture2"));
        QCOMPARE(cells->Cell(10)->grab().toImage().pixelColor(81, 32), colour);
        // The next shown game erases the marks of this one before drawing its own.
        const std::size_t marks = MarkCount(f.Window().Display());
        f.Button("cmdStart")->click();
        QCOMPARE(MarkCount(f.Window().Display()), marks);
    }
};

QTEST_MAIN(AutoStopTest)
#include "test_main_autostop.moc"
