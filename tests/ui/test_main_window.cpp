// Start-up (a refused definition exits with 1); the main window: controls and their verbs, Exit
// in a run, credit entry (keys, pastes, the buttons around it), Auto Stop, win lines, the about
// box's links, a full disk and a feature that never ends.
#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <cstring>
#include <tuple>

#include "helpers/fixtures.h"
#include "model/config.h"
#include "model/definition_reader.h"
#include "rng/rng.h"
#include "ui/about/about_config.h"
#include "ui/about/frm_about_math.h"
#include "ui/layout/line_geometry.h"
#include "ui/main/credit_entry.h"
#include "ui/main/reel_window.h"
#include "ui/main/start_up.h"
#include "ui/main/symbol_art.h"
#include "ui/stats/bitmap_file.h"

using namespace kragmoor;
using kragmoor::test::MessageRecorder;
using kragmoor::test::TempDir;
using kragmoor::test::WindowFixture;

namespace {

// The reference game on strips of three equal rows, given left to right.
std::string WithStrips(const std::string& base, const std::string& free) {
    std::string game = test::ReadFile(test::TestData("g0/ReelSetup.ini"));
    for (auto [from, to, row] : {std::tuple{"REEL STRIP\r\n", "FREE SPINS", base},
                                 {"FREE SPINS REEL STRIP\r\n", "WIN LINE", free}}) {
        const std::size_t begin = game.find(from) + std::strlen(from);
        const std::string line = row + ",  _\r\n";
        game.replace(begin, game.find(to) - begin, line + line + line);
    }
    return game;
}

const std::string kAllWilds = "Wild, Wild, Wild, Wild, Wild";

QImage Shown(WindowFixture& f, int cell) {
    const auto* cells = f.Find<ReelWindow>(QStringLiteral("Picture2"));
    return cells->Cell(cell)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The cells that show more than the plain picture of their symbol in `window` (a mark over
// it), or another symbol.
int MarkedCells(WindowFixture& f, const std::function<int(int row, int reel)>& window) {
    const SymbolImageList images(f.Engine().Definition().SymbolName);
    int n = 0;
    for (int cell = 0; cell < 15; ++cell) {
        const QPixmap& plain = images.Image(SymbolImageList::IndexOf(window(cell / 5, cell % 5)));
        n += Shown(f, cell) != plain.toImage().convertToFormat(QImage::Format_RGB32);
    }
    return n;
}
int MarkedCells(WindowFixture& f) {
    return MarkedCells(f, [&f](int row, int reel) { return f.State().Window[row][reel]; });
}

const QStringList kFiveButtons = {"cmdAdd", "cmdExit", "cmdAUTO", "cmdStart", "cmdSave"};

// Types `keys`; a bracketed name is that key ([Enter] the keypad's) or [Middle] the middle button.
void Type(CreditEntry* field, const QString& keys) {
    for (const QString& part : keys.split(QRegularExpression(QStringLiteral("(?=\\[)|(?<=\\])")))) {
        const QString name = part.mid(1, part.size() - 2);
        if (!part.startsWith(QLatin1Char('['))) {
            QTest::keyClicks(field, part);
        } else if (name == QStringLiteral("Middle")) {
            QTest::mouseClick(field, Qt::MiddleButton);
        } else {
            const QKeyCombination key = QKeySequence(name)[0];
            QTest::keyClick(field, key.key(), key.keyboardModifiers());
        }
    }
}

// Keys after Add with `credit` and `clipboard`; `field`: what the field then shows, null when
// closed; `step`: Step is then usable and focused.
const struct {
    const char *name, *keys, *clipboard, *field;
    qint64 credit, booked;
    bool step;
} kCases[] = {
    {"enough credit", "500[Return]", "", nullptr, 10, 510, true},
    {"too little", "5[Enter]", "", nullptr, 10, 15, false},
    {"a letter empties", "12a", "", "a", 10, 10, false},
    {"backspace empties", "123[Backspace]", "", "", 10, 10, false},
    {"keys that type nothing pass", "12[Left][Home]3", "", "312", 10, 10, false},
    {"enter on empty", "[Return]", "", nullptr, 1000, 1000, true},
    {"esc after 300", "300[Esc]", "", nullptr, 0, 0, true},
    {"past the range", "99999999999[Return]", "", nullptr, 10, 10, false},
    {"Ctrl+V: digits", "12[Left][Ctrl+V]", " 300\r\n", "13002", 10, 10, false},
    {"Ctrl+V: a letter", "12[Left][Ctrl+V]", "3a4", "a4", 10, 10, false},
    {"Ctrl+V books", "[Ctrl+V][Return]", "500", nullptr, 10, 510, true},
    {"Shift+Ins: a letter", "12[Left][Shift+Ins]", "3a4", "a4", 10, 10, false},
    {"middle button: a letter", "12[Middle]", "3a4", "a4", 10, 10, false},
};

// A game whose free spins always retrigger, opened as start-up would were it not refused there.
Session EndlessSession(const std::filesystem::path& dir) {
    Session session;
    session.dir = dir;
    session.definition = ReadGameDefinition(dir);
    session.start = LoaderState(session.definition);
    rng_Init(session.definition.Seed);
    for (auto [log, name] : {std::pair{&session.logs.Percent, "Percent_10000.txt"},
                             {&session.logs.Jackpot, "Jackpot.txt"},
                             {&session.logs.FreeSpins, "FreeSpins.txt"}})
        if (!log->Create(dir / name)) qFatal("cannot create %s", name);
    return session;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  public slots:
    void Open(const QUrl& url) { urls_.push_back(url); }

  private slots:
    void controlsReachTheirEngineVerbs() {
        WindowFixture f;
        QCOMPARE(f.Window().windowTitle(),
                 QStringLiteral(" SLOT  Simulator RTP = 96.5%  ver.G0 reference 1"));
        // The cells show stop 0's window: the row above it is the strip's last symbol.
        const GameDefinition& def = f.Engine().Definition();
        QCOMPARE(
            MarkedCells(f,
                        [&def](int row, int reel) {
                            return int{def.ReelStrip[row == 0 ? def.ReelLen[reel] : row - 1][reel]};
                        }),
            0);

        f.Button("cmdStart")->click();
        const RunState& st = f.State();
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" Games = 1"));
        // One of the next games wins nothing: its cells show its window, and nothing over it.
        for (int game = 0; game < 20 && MarkedCells(f) > 0; ++game) f.Button("cmdStart")->click();
        QCOMPARE(MarkedCells(f), 0);
        for (int reel = 0; reel < 5; ++reel)
            QCOMPARE(f.Button(QStringLiteral("cmdReels_%1").arg(reel))->text(),
                     QString::number(st.ReelStop[reel]));

        f.Button("cmdReels_1")->click();
        QVERIFY(st.SelectedReel == 1 && f.Button("cmdReels_1")->font().bold());

        const std::size_t report = test::ReadFile(f.dir / "Temp1.txt").size();
        f.Button("cmdSave")->click();
        QCOMPARE(f.Find<QPlainTextEdit>("txtTextBox1")->toPlainText(),
                 QStringLiteral("LOG DONE !!!"));
        QVERIFY(test::ReadFile(f.dir / "Temp1.txt").size() > report);

        // Run, and at its first turn Step and Stop. A run settles no cash.
        const std::int64_t credit = st.Credit;
        const QString cash = f.Label(5)->text();
        std::int64_t games_at_turn = -1, games_after_step = -1;
        f.DuringRun([&] {
            games_at_turn = st.Games;
            QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Stop"));
            QVERIFY(!f.Button("cmdAdd")->isEnabled());
            // The counters are brought up to date before the window takes its turn.
            QCOMPARE(f.Label(1)->text(), QStringLiteral(" Games = %1").arg(games_at_turn));
            const bool feature_pending = st.InFreeSpins;  // Step then plays a free spin
            f.Button("cmdStart")->click();
            games_after_step = st.Games;
            QCOMPARE(games_after_step, games_at_turn + (feature_pending ? 0 : 1));
        });
        QVERIFY(games_at_turn > 1 && games_at_turn % 100 == 0);
        QCOMPARE(st.Games, games_after_step);  // no game after the Stop
        QCOMPARE(st.Credit, credit);
        QCOMPARE(f.Label(5)->text(), cash);
        QVERIFY(f.Button("cmdAUTO")->text() == QStringLiteral("Run") &&
                f.Button("cmdAdd")->isEnabled());
    }

    void exitDuringARunEndsOnce_data() { test::BoolRows("title_bar", "Exit", "title-bar close"); }

    void exitDuringARunEndsOnce() {
        QFETCH(bool, title_bar);
        WindowFixture f;
        f.Window().show();
        f.DuringRun([&] { title_bar ? void(f.Window().close()) : f.Button("cmdExit")->click(); });
        QVERIFY(f.Engine().Exited() && !f.Engine().Running() && !f.Window().isVisible());
        QCOMPARE(f.QuitCalls(), 1);
        const std::int64_t games = f.State().Games;
        f.Button("cmdStart")->click();  // nothing plays after Exit
        QCOMPARE(f.State().Games, games);
        QVERIFY(f.Window().close());  // nor does it exit twice
        QCOMPARE(f.QuitCalls(), 1);
    }

    // Auto Stop ends a run at the first jackpot or trigger, told in a box for each.
    void autoStopEndsARun_data() { test::BoolRows("jackpot", "trigger", "jackpot"); }

    void autoStopEndsARun() {
        QFETCH(bool, jackpot);
        // Three reels of scatters: every base game triggers a feature, which never retriggers.
        WindowFixture f(jackpot ? WithStrips(kAllWilds, kAllWilds)
                                : WithStrips("Scatter, Scatter, Scatter, Nine, Ten",
                                             "Nine, Ten, Nine, Ten, Nine"));
        f.DuringRun([] {});
        const std::int64_t games = f.State().Games;
        QVERIFY(games >= 100 && f.messages.texts.isEmpty());
        f.Find<QCheckBox>("chkStopJP")->click();
        f.Button("cmdAUTO")->click();
        QCOMPARE(f.State().Games, games + 1);
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        const QString game = QStringLiteral("Game = %1").arg(games + 1);
        if (jackpot) {
            // One box for each line of five wilds, and the game is shown from the jackpot on.
            QCOMPARE(f.messages.texts, QStringList(20, "JACKPOT!!!\n" + game));
            QVERIFY(MarkedCells(f) > 0);
            return;
        }
        QCOMPARE(f.messages.texts, QStringList{"Free Spins \n" + game});
        f.Button("cmdStart")->click();  // the pending feature goes on with the next Step
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" FreeGames = 14"));
        QCOMPARE(f.State().Games, games + 1);
    }

    // The text box and the cells of a shown trigger and of its first free spin: nine scatters
    // count as five and pay 100 times the bet, each in a green box.
    void aShownGameIsDescribedInTheTextBox() {
        WindowFixture f(
            WithStrips("Scatter, Scatter, Scatter, Nine, Ten", "Nine, Ten, Nine, Ten, Nine"));
        auto* box = f.Find<QPlainTextEdit>("txtTextBox1");
        f.Button("cmdStart")->click();
        QCOMPARE(box->toPlainText(), QStringLiteral("5 Scatter Win: 2 000\n"
                                                    "5 SCATTERS = 15 Free Spins At x4\n"));
        QCOMPARE(MarkedCells(f), 9);
        f.Button("cmdStart")->click();
        QCOMPARE(box->toPlainText(), QStringLiteral("_________________\nFree Spin win = \n"));
        QCOMPARE(MarkedCells(f), 0);
    }

    void paidLinesFallOnTheirCells() {
        WindowFixture f(WithStrips(kAllWilds, kAllWilds));
        f.Button("cmdStart")->click();
        // Line 14 alone crosses the bottom-left cell at (81, 32), over the wild.
        const Rgb c = LineColour(14);
        const QColor colour(c.r, c.g, c.b);
        const SymbolImageList images(f.Engine().Definition().SymbolName);
        const QImage wild = images.Image(SymbolImageList::IndexOf(11)).toImage();
        QVERIFY(wild.pixelColor(81, 32) != colour);
        const QImage first = Shown(f, 10);
        QCOMPARE(first.pixelColor(81, 32), colour);
        // The next shown game erases the marks of this one before drawing its own (marks drawn
        // twice would darken their edges).
        f.Button("cmdStart")->click();
        QCOMPARE(Shown(f, 10), first);
    }

    void aboutBoxLinksOpenTheirTargets() {
        WindowFixture f;
        for (const char* scheme : {"mailto", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
        f.Button("cmd_SlotDesignDetails")->click();
        QWidget* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (dynamic_cast<frmAboutMath*>(w) != nullptr && w->isVisible()) box = w;
        QVERIFY(box != nullptr);
        for (const char* name : {"lblSalesLink", "lblMathLink", "lblWWW", "lbCompanyInfo"})
            QTest::mouseClick(&test::Child<QLabel>(*box, name), Qt::LeftButton);
        for (const char* scheme : {"mailto", "https"}) QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(urls_.size(), std::size_t{3});  // the company line is no link
        QCOMPARE(QStringList({urls_[0].toString(), urls_[1].toString(), urls_[2].scheme(),
                              urls_[2].host()}),
                 QStringList({"mailto:" + QString::fromUtf8(about_config::kSalesEmail),
                              "mailto:" + QString::fromUtf8(config::kDesignerEmail), "https",
                              QString::fromUtf8(config::kDesignerWeb)}));
    }

    void keys_data() {
        QTest::addColumn<std::size_t>("i");
        for (std::size_t i = 0; i < std::size(kCases); ++i) QTest::newRow(kCases[i].name) << i;
    }

    void keys() {
        QFETCH(std::size_t, i);
        const auto& c = kCases[i];
        QClipboard* clipboard = QGuiApplication::clipboard();
        const bool middle = QByteArray(c.keys).contains("[Middle]");
        if (middle && !clipboard->supportsSelection()) QSKIP("no selection on this platform");
        clipboard->setText(QString::fromLatin1(c.clipboard),
                           middle ? QClipboard::Selection : QClipboard::Clipboard);
        WindowFixture f({}, [&c](RunState& start) { start.Credit = c.credit; });
        f.ShowActive();
        f.Button("cmdAdd")->click();
        auto* entry = f.Find<CreditEntry>("txtAddCredit");
        QVERIFY(entry->isVisible() && entry->text().isEmpty());
        for (const QString& name : kFiveButtons) QVERIFY(!f.Button(name)->isEnabled());
        Type(entry, QString::fromLatin1(c.keys));
        QCOMPARE(f.State().Credit, std::int64_t{c.booked});
        QCOMPARE(f.State().CreditTotal, 1000000 + c.booked - c.credit);
        if (c.field != nullptr) {
            QCOMPARE(entry->text(), QString::fromLatin1(c.field));
            QCOMPARE(QApplication::focusWidget(), entry);
            return;
        }
        QVERIFY(entry->isHidden());
        for (const QString& name : kFiveButtons)
            QCOMPARE(f.Button(name)->isEnabled(), c.step || name != QStringLiteral("cmdStart"));
        QCOMPARE(QApplication::focusWidget(), f.Button(c.step ? "cmdStart" : "cmdAdd"));
    }

    void stepWithoutCreditAsksForIt() {
        WindowFixture f({}, [](RunState& start) { start.Credit = 19; });
        f.ShowActive();
        f.Button("cmdStart")->click();
        QCOMPARE(f.messages.texts, QStringList{QStringLiteral(" Add Credit ! ")});
        QVERIFY(f.State().Games == 0 && !f.Button("cmdStart")->isEnabled());
        QCOMPARE(f.Window().focusWidget(), f.Button("cmdAdd"));  // once the box has closed
    }

    // The message is the reader's (checked in its own tests); shown in a box, nothing written.
    void badDefinitionIsRefused() {
        TempDir dir;
        std::filesystem::copy_file(test::TestData("feature-bound/endless.ini"),
                                   dir / "ReelSetup.ini");
        test::WriteFile(dir / "readme.txt", "left over");
        const std::set<std::string> before = dir.Files();
        MessageRecorder messages;
        QVERIFY(StartUp(dir.path()) == nullptr);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].contains(QStringLiteral("a feature never ends")));
        QCOMPARE(messages.titles, QStringList{QStringLiteral("Kragmoor")});
        QVERIFY(dir.Files() == before);
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    }

    // The reference run of a game with its own rules and lines, played in the window: Run,
    // stopped at the yield after game 30000, then Save and Exit leave the independent model's
    // files.
    void aGameWithItsOwnRulesLeavesTheReferenceRun() {
        WindowFixture f(test::ReadFile(test::TestData("rules/ReelSetup.ini")));
        struct StopAtYield : RunObserver {
            explicit StopAtYield(Simulator& s) : sim(s) {}
            void Yield() override {
                if (sim.State().Games >= 30000 && sim.Running()) sim.StartOrStop();
            }
            Simulator& sim;
        } stop(f.Engine());
        f.Engine().AddObserver(&stop);
        f.Button("cmdAUTO")->click();
        f.Engine().RemoveObserver(&stop);
        QCOMPARE(f.State().Games, std::int64_t{30000});
        f.Button("cmdSave")->click();
        f.Button("cmdExit")->click();
        QCOMPARE(test::RunFilesDiffer(test::TestData("rules/random-30000"), f.dir.path()),
                 std::string());
    }

    // The par sheet's button reads "Par" and is as large as the five on its row, inside the
    // window and over no other control.
    void theParButtonIsOneLikeTheFive() {
        WindowFixture f;
        const QPushButton* par = f.Button("cmdParSheet");
        QCOMPARE(par->text(), QStringLiteral("Par"));
        QCOMPARE(par->size(), f.Button("cmdAdd")->size());
        QCOMPARE(par->y(), f.Button("cmdAdd")->y());
        QVERIFY(f.Window().rect().contains(par->geometry()));
        for (const QWidget* w : f.Window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w != par && !w->isHidden())
                QVERIFY2(!w->geometry().intersects(par->geometry()), qPrintable(w->objectName()));
        }
    }

    void goodDefinitionOpensTheWindow() {
        TempDir dir;
        test::CopyReferenceGame(dir);
        test::WriteFile(dir / "readme.txt", "left over");
        MessageRecorder messages;  // none expected; one would be answered, not left open
        const auto app = StartUp(dir.path());
        QVERIFY(app != nullptr && messages.texts.isEmpty() && app->main->isVisible());
        QVERIFY(dir.Files() ==
                (std::set<std::string>{"FreeSpins.txt", "Jackpot.txt", "Percent_10000.txt",
                                       "ReelSetup.ini", "Temp1.txt"}));
    }

    // FreeSpins.txt on a full disk fails at game 10000's flush: told once, the other logs go on.
    void aFullLogIsToldOnceAndStopsTheRun() {
        if (!std::filesystem::exists("/dev/full")) QSKIP("no /dev/full");
        WindowFixture f({}, {}, [](const std::filesystem::path& dir) {
            std::filesystem::create_symlink("/dev/full", dir / "FreeSpins.txt");
            return OpenSession(dir, SessionOptions{});
        });
        f.Button("cmdAUTO")->click();  // a run the failure does not stop ends at the watchdog
        const QStringList told{
            QStringLiteral("Cannot write FreeSpins.txt: No space left on device")};
        QCOMPARE(f.messages.texts, told);
        QCOMPARE(f.messages.titles, QStringList{QStringLiteral("Kragmoor")});
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        f.DuringRun([] {});
        f.Button("cmdExit")->click();
        QCOMPARE(f.messages.texts, told);
    }

    void aChartPictureOnAFullDiskIsReported() {
        if (!std::filesystem::exists("/dev/full")) QSKIP("no /dev/full");
        TempDir dir;
        std::filesystem::create_symlink("/dev/full", dir / "Test500.bmp");
        const QString path = QString::fromStdString((dir / "Test500.bmp").string());
        QString error;
        QVERIFY(!SaveBitmap(QImage(64, 32, QImage::Format_RGB32), path, &error));
        QCOMPARE(error,
                 "The chart picture could not be written to " + path + ": No space left on device");
    }

    // The window takes its turns inside a feature: Stop at one leaves the feature pending.
    void stopWorksInsideAFeatureThatNeverEnds() {
        WindowFixture f(test::ReadFile(test::TestData("feature-bound/endless.ini")), {},
                        EndlessSession);
        QTimer turn;  // fires at each of the window's turns during the run
        turn.callOnTimeout([&] {
            if (f.Engine().Running() && f.State().FreeSpinsPlayed > 0) f.Button("cmdAUTO")->click();
        });
        turn.start(0);
        f.Button("cmdAUTO")->click();
        const std::int64_t played = f.State().FreeSpinsPlayed;
        QVERIFY(!f.Engine().Running() && f.State().InFreeSpins && played > 0 && played % 100 == 0);
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(f.Button("cmdAdd")->isEnabled());
    }

  private:
    std::vector<QUrl> urls_;
};

KRAGMOOR_QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
