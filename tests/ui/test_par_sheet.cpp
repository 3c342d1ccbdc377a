// The par sheet window over the analysis the main window starts at load: Ctrl+P and the button
// open it, its table and figures are the engine's analysis, flagged rows are marked, a click
// copies the table; its progress while the analysis works and its message when it fails; a job
// destroyed while it works.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <cmath>

#include "engine/exact_analysis.h"
#include "engine/par_sheet.h"
#include "helpers/fixtures.h"
#include "ui/stats/exact_analysis_job.h"
#include "ui/stats/frm_par_sheet.h"
#include "ui/stats/par_sheet_figures.h"
#include "ui/stats/par_table_model.h"

using namespace kragmoor;
using kragmoor::test::WindowFixture;

namespace {

// The bundled game with base reel 5's only Thane made a Horn: five Thanes never come, and that
// row breaks both odds rules.
std::string GameWithAFlaggedRow() {
    std::string game = test::ReadFile(test::SourceFile("games/ReelSetup.ini"));
    const std::string from = "Lantern,   Thane,      _";
    const std::size_t at = game.find(from);
    if (at == std::string::npos) qFatal("the bundled game has changed");
    return game.replace(at, from.size(), "Lantern,   Horn,       _");
}

// The reference game's session in a directory of its own.
struct TempDirGame {
    TempDirGame() {
        test::CopyReferenceGame(dir);
        session = OpenSession(dir.path(), SessionOptions{});
    }
    test::TempDir dir;
    Session session;
};

constexpr int kAnalysisTimeout = 120000;  // ms; a sanitizer build on a busy machine is slow

frmParSheet* OpenParSheet() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* sheet = qobject_cast<frmParSheet*>(w); sheet != nullptr && sheet->isVisible())
            return sheet;
    }
    return nullptr;
}

template <typename T>
T& Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no child %s", name);
    return *child;
}

QString Cell(const ParTableModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

// A figure printed with `decimals` decimals reads back within half of its last digit.
bool Shows(const QString& text, double value, double tolerance) {
    return std::abs(text.toDouble() - value) <= tolerance * std::max(1.0, std::abs(value));
}

}  // namespace

class ParSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void ctrlPOpensTheSheetOfTheEnginesAnalysis() {
        WindowFixture f(GameWithAFlaggedRow());
        f.ShowActive();
        QTest::keyClick(&f.Window(), Qt::Key_P, Qt::ControlModifier);
        frmParSheet* sheet = OpenParSheet();
        QVERIFY(sheet != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(f.Window().Analysis().Done(), kAnalysisTimeout);
        QVERIFY(Child<QProgressBar>(*sheet, "barProgress").isHidden());

        const GameDefinition& def = f.Engine().Definition();
        const ExactAnalysis expected = AnalyseGame(def);
        const ParTableModel& model = sheet->Table();
        QCOMPARE(model.rowCount(), static_cast<int>(expected.combinations.size()));
        int flagged = 0;
        for (int r = 0; r < model.rowCount(); ++r) {
            const Combination& c = expected.combinations[static_cast<std::size_t>(r)];
            QCOMPARE(Cell(model, r, ParTableModel::kName),
                     QString::fromStdString(CombinationLabel(def, c)));
            QVERIFY(Shows(Cell(model, r, ParTableModel::kPay), c.pay, 1e-4));
            QVERIFY(Shows(Cell(model, r, ParTableModel::kHitsPerGame), c.hits_per_game, 1e-6));
            QVERIFY(Shows(Cell(model, r, ParTableModel::kRtpShare), c.rtp_share_percent, 1e-6));
            if (std::isinf(c.one_in_games)) {
                QCOMPARE(Cell(model, r, ParTableModel::kOneIn), QStringLiteral("never"));
            } else {
                // Two decimals.
                QVERIFY(std::abs(Cell(model, r, ParTableModel::kOneIn).toDouble() -
                                 c.one_in_games) <= 0.0051);
            }
            // A row that breaks an odds rule names it on the flag colour; the others are plain.
            QCOMPARE(Cell(model, r, ParTableModel::kFlags),
                     QString::fromStdString(OddsFlagText(c.odds_flags)));
            const QVariant ground = model.data(model.index(r, 0), Qt::BackgroundRole);
            if (c.odds_flags != 0) {
                ++flagged;
                QCOMPARE(ground.value<QBrush>().color(), kFlaggedRow);
            } else {
                QVERIFY(!ground.isValid());
            }
        }
        QCOMPARE(flagged, 1);

        const QString figures = Child<QPlainTextEdit>(*sheet, "txtFigures").toPlainText();
        const std::string want[] = {
            FigureText(expected.rtp.total_percent, 6) + "%",
            FigureText(expected.rtp.feature_percent, 6) + "%",
            FigureText(100.0 * expected.hit_frequency, 6) + "%",
            FigureText(expected.sd_per_game, 6) + " bets",
            FigureText(expected.volatility_index[2], 4) + " (99 %)",
            FigureText(expected.rtp_ranges.back().low_percent[1], 3) + " to " +
                FigureText(expected.rtp_ranges.back().high_percent[1], 3),
            std::to_string(expected.max_base_win) + " credits",
            FigureText(100.0 * expected.base_win_distribution[0], 6) + "%",
            expected.designed_rtp_note.empty() ? std::string("agrees") : expected.designed_rtp_note,
        };
        for (const std::string& w : want) {
            QVERIFY2(figures.contains(QString::fromStdString(w)), w.c_str());
        }
        sheet->close();
    }

    void theButtonOpensItAndSaysItsShortcut() {
        WindowFixture f;
        QPushButton* button = f.Button(QStringLiteral("cmdParSheet"));
        QVERIFY(button->toolTip().contains(QStringLiteral("Ctrl+P")));
        // Beside the designed controls, overlapping none of them.
        for (QWidget* other : f.Window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != button && other->isVisibleTo(&f.Window())) {
                QVERIFY2(!other->geometry().intersects(button->geometry()),
                         qPrintable(other->objectName()));
            }
        }
        QVERIFY(f.Window().rect().contains(button->geometry()));
        f.Window().show();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(OpenParSheet() != nullptr);
        OpenParSheet()->close();
    }

    void aClickCopiesTheTableAsTabSeparatedLines() {
        const TempDirGame game;
        ExactAnalysisJob job(game.session.definition);
        frmParSheet sheet(game.session.definition, job);
        sheet.show();
        QTRY_VERIFY_WITH_TIMEOUT(job.Done(), kAnalysisTimeout);
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        auto& grid = Child<QTableView>(sheet, "grdCombinations");
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(1, 1)).center());

        const QStringList lines =
            QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        const ParTableModel& model = sheet.Table();
        QCOMPARE(lines.size(), model.rowCount() + 2);  // the header, the rows, "" after the last
        QVERIFY(lines.back().isEmpty());
        QVERIFY(lines[0].startsWith(QStringLiteral("Combination\tCount\tPay\t")));
        for (int r = 0; r < model.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < ParTableModel::kColumns; ++c) cells << Cell(model, r, c) + '\t';
            QCOMPARE(lines[r + 1], cells.join(QString()));
        }
    }

    void itShowsProgressUntilTheAnalysisArrives() {
        const TempDirGame game;
        ExactAnalysisJob job(game.session.definition);
        QSignalSpy progressed(&job, &ExactAnalysisJob::Progressed);
        frmParSheet sheet(game.session.definition, job);
        // Nothing is delivered before the event loop turns: the window opens on its progress.
        QVERIFY(!job.Done());
        QVERIFY(!Child<QProgressBar>(sheet, "barProgress").isHidden());
        QCOMPARE(sheet.Table().rowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(job.Done(), kAnalysisTimeout);
        QVERIFY(Child<QProgressBar>(sheet, "barProgress").isHidden());
        QVERIFY(sheet.Table().rowCount() > 0);
        QVERIFY(!progressed.isEmpty());
        QCOMPARE(progressed.back().at(0).toDouble(), 1.0);  // the last report is the end
    }

    void aFailedAnalysisShowsItsMessage() {
        GameDefinition broken;  // reels of one position: no game the reader accepts
        ExactAnalysisJob job(broken);
        frmParSheet sheet(broken, job);
        QTRY_VERIFY_WITH_TIMEOUT(job.Done(), kAnalysisTimeout);
        QVERIFY(job.Result() == nullptr);
        QVERIFY(!job.Error().isEmpty());
        const QString status = Child<QLabel>(sheet, "lblStatus").text();
        QVERIFY2(status.contains(QStringLiteral("failed")) && status.contains(job.Error()),
                 qPrintable(status));
        QCOMPARE(sheet.Table().rowCount(), 0);
    }

    // Reels of 101 positions take seconds: a job dropped at once is cancelled and waited for,
    // and a window closed meanwhile goes without a crash.
    void aJobDestroyedWhileItWorksEndsCleanly() {
        const TempDirGame game;
        GameDefinition big = game.session.definition;
        for (int reel = 0; reel < kReels; ++reel) {
            for (int p = big.ReelLen[reel] + 1; p < kMaxPositions; ++p) {
                big.ReelStrip[p][reel] = big.ReelStrip[p % (big.ReelLen[reel] + 1)][reel];
            }
            big.ReelLen[reel] = kMaxPositions - 1;
        }
        for (int round = 0; round < 3; ++round) {
            auto job = std::make_unique<ExactAnalysisJob>(big);
            auto sheet = std::make_unique<frmParSheet>(big, *job);
            sheet.reset();
            job.reset();
        }
    }
};

QTEST_MAIN(ParSheetTest)
#include "test_par_sheet.moc"
