// The par sheet window: opened on the engine's analysis, progress, copy, failure.
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableView>
#include <cmath>

#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/par_sheet.h"
#include "engine/analysis/par_sheet_text.h"
#include "helpers/fixtures.h"
#include "model/definition_reader.h"
#include "ui/stats/exact_analysis_job.h"
#include "ui/stats/frm_par_sheet.h"
#include "ui/stats/par_table_model.h"

using namespace kragmoor;
using kragmoor::test::WindowFixture;

namespace {

constexpr int kAnalysisTimeout = 120000;  // ms; a sanitizer build on a busy machine is slow

// The bundled game with reel 5's only Thane made a Horn: five Thanes break both odds rules.
std::string GameWithAFlaggedRow() {
    std::string game = test::ReadFile(test::SourceFile("games/ReelSetup.ini"));
    const std::string from = "Lantern,   Thane,      _";
    const std::size_t at = game.find(from);
    if (at == std::string::npos) qFatal("the bundled game has changed");
    return game.replace(at, from.size(), "Lantern,   Horn,       _");
}

frmParSheet* OpenParSheet() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* sheet = qobject_cast<frmParSheet*>(w); sheet != nullptr && sheet->isVisible())
            return sheet;
    return nullptr;
}

const QAbstractItemModel& Table(const frmParSheet& sheet) {
    return *test::Child<QTableView>(sheet, "grdCombinations").model();
}

QString Cell(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

// A figure printed with enough decimals reads back within `tolerance` of its value.
bool Shows(const QString& text, double value, double tolerance) {
    return std::abs(text.toDouble() - value) <= tolerance * std::max(1.0, std::abs(value));
}

}  // namespace

class ParSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonAndCtrlPOpenTheSheetOfTheEnginesAnalysis() {
        WindowFixture f(GameWithAFlaggedRow());
        f.ShowActive();
        QTest::keyClick(&f.Window(), Qt::Key_P, Qt::ControlModifier);
        frmParSheet* sheet = OpenParSheet();
        QVERIFY(sheet != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(f.Window().Analysis().Done(), kAnalysisTimeout);
        QVERIFY(test::Child<QProgressBar>(*sheet, "barProgress").isHidden());

        const GameDefinition& def = f.Engine().Definition();
        const ExactAnalysis expected = AnalyseGame(def);
        const QAbstractItemModel& model = Table(*sheet);
        const int base_rows = static_cast<int>(expected.combinations.size());
        const int free_rows = static_cast<int>(expected.free_spins.combinations.size());
        QCOMPARE(model.rowCount(), base_rows + 1 + free_rows + 1);
        // The base game's rows, a heading row over the free spins' own cycle and column titles,
        // their rows and their total, the feature's share. A row's figures read back, its counts
        // of its cycle as they stand, "1 in" its exact decimal; a row that breaks an odds rule
        // names it on the flag colour, the others are plain.
        int flagged = 0;
        for (int r = 0; r < model.rowCount() - 1; ++r) {
            if (r == base_rows) continue;
            const Combination& c =
                r < base_rows
                    ? expected.combinations[static_cast<std::size_t>(r)]
                    : expected.free_spins.combinations[static_cast<std::size_t>(r - base_rows - 1)];
            QCOMPARE(Cell(model, r, ParTableModel::kName),
                     QString::fromStdString(CombinationLabel(def, c)));
            QVERIFY(Shows(Cell(model, r, ParTableModel::kPay), c.pay, 1e-4));
            QVERIFY(Shows(Cell(model, r, ParTableModel::kHitsPerGame), c.hits_per_game, 1e-6));
            QVERIFY(Shows(Cell(model, r, ParTableModel::kRtpShare), c.rtp_share_percent, 1e-6));
            QCOMPARE(Cell(model, r, ParTableModel::kWindowsOneLine) + ' ' +
                         Cell(model, r, ParTableModel::kWindowsAllLines),
                     QStringLiteral("%1 %2").arg(c.windows_one_line).arg(c.windows_all_lines));
            const QString one_in = Cell(model, r, ParTableModel::kOneIn);
            QVERIFY(std::isinf(c.one_in_games)
                        ? one_in == QStringLiteral("never")
                        : std::abs(one_in.toDouble() - c.one_in_games) <= 0.0051);  // two decimals
            QCOMPARE(Cell(model, r, ParTableModel::kFlags),
                     QString::fromStdString(OddsFlagText(c.odds_flags)));
            const QVariant ground = model.data(model.index(r, 0), Qt::BackgroundRole);
            flagged += c.odds_flags != 0;
            QVERIFY(c.odds_flags != 0 ? ground.value<QBrush>().color() == kFlaggedRow
                                      : !ground.isValid());
        }
        QCOMPARE(flagged, 1);
        const auto& grid = test::Child<QTableView>(*sheet, "grdCombinations");
        QCOMPARE(grid.columnSpan(base_rows, ParTableModel::kName),
                 int{ParTableModel::kHitsPerGame});
        QVERIFY(
            Cell(model, base_rows, ParTableModel::kName)
                .contains(QString::fromStdString(GroupedWhole(expected.free_spins.full_cycle))));
        QCOMPARE(Cell(model, base_rows, ParTableModel::kOneIn), QStringLiteral("1 in spins"));
        QCOMPARE(model.data(model.index(base_rows, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 kHeadingRow);
        const int total = model.rowCount() - 1;
        QCOMPARE(Cell(model, total, ParTableModel::kName), QStringLiteral("Total free spins"));
        QVERIFY(Shows(Cell(model, total, ParTableModel::kRtpShare),
                      expected.combinations.back().rtp_share_percent, 1e-6));

        const QString figures = test::Child<QPlainTextEdit>(*sheet, "txtFigures").toPlainText();
        // The figures as the runner prints them (checked one by one there).
        for (const std::string& w : {FigureText(expected.rtp.total_percent, 6) + "%",
                                     FigureText(expected.volatility_index[2], 4) + " (99 %)",
                                     GroupedWhole(expected.full_cycle) + " stop combinations"})
            QVERIFY2(figures.contains(QString::fromStdString(w)), w.c_str());
        // Opened again right after a close: the sheet must outlive what the close queued.
        QPointer<frmParSheet> closed = sheet;
        sheet->close();
        QTest::mouseClick(f.Button(QStringLiteral("cmdParSheet")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed.isNull());
        QCOMPARE(OpenParSheet(), closed.data());
    }

    void itShowsProgressThenTheTableWhichAClickCopies() {
        const GameDefinition def = ReadDefinition(test::TestData("g0/ReelSetup.ini"));
        ExactAnalysisJob job(def);
        QSignalSpy progressed(&job, &ExactAnalysisJob::Progressed);
        frmParSheet sheet(def, job);
        auto& bar = test::Child<QProgressBar>(sheet, "barProgress");
        // Nothing is delivered before the event loop turns: the window opens on its progress.
        QVERIFY(!job.Done() && !bar.isHidden() && Table(sheet).rowCount() == 0);
        QTRY_VERIFY_WITH_TIMEOUT(job.Done(), kAnalysisTimeout);
        QVERIFY(bar.isHidden() && !progressed.isEmpty());
        QCOMPARE(progressed.back().at(0).toDouble(), 1.0);  // the last report is the end

        sheet.show();
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        auto& grid = test::Child<QTableView>(sheet, "grdCombinations");
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(1, 1)).center());
        const QStringList lines =
            QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        const QAbstractItemModel& model = Table(sheet);
        QCOMPARE(lines.size(), model.rowCount() + 2);  // the header, the rows, "" after the last
        QVERIFY(lines[0].startsWith(QStringLiteral("Combination\tCount\tPay\t")));
        for (int r = 0; r < model.rowCount(); ++r) {
            QString cells;
            for (int c = 0; c < ParTableModel::kColumns; ++c) cells += Cell(model, r, c) + '\t';
            QCOMPARE(lines[r + 1], cells);
        }
        QVERIFY(lines.back().isEmpty());
    }

    void aFailedAnalysisShowsItsMessage() {
        GameDefinition broken;  // reels of one position: no game the reader accepts
        ExactAnalysisJob job(broken);
        frmParSheet sheet(broken, job);
        QTRY_VERIFY_WITH_TIMEOUT(job.Done(), kAnalysisTimeout);
        QVERIFY(job.Result() == nullptr && !job.Error().isEmpty());
        const QString status = test::Child<QLabel>(sheet, "lblStatus").text();
        QVERIFY2(status.contains(QStringLiteral("failed")) && status.contains(job.Error()),
                 qPrintable(status));
        QCOMPARE(Table(sheet).rowCount(), 0);
    }
};

KRAGMOOR_QTEST_MAIN(ParSheetTest)
#include "test_par_sheet.moc"
