// The window tests' main, message-box recorder, main window and statistics windows.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/play/session.h"
#include "engine/play/simulator.h"
#include "test_support.h"
#include "ui/main/frm_reelvik.h"
#include "ui/stats/chart_setup_frame.h"
#include "ui/stats/frm_slot_chart.h"
#include "ui/stats/statistics_hits.h"

namespace kragmoor::test {

void CopyReferenceGame(const TempDir& dir);

// A test's data: one bool column, a row for false and one for true.
inline void BoolRows(const char* column, const char* if_false, const char* if_true) {
    QTest::addColumn<bool>(column);
    QTest::newRow(if_false) << false;
    QTest::newRow(if_true) << true;
}

template <typename T>
T& Child(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) qFatal("no child %s", qPrintable(name));
    return *child;
}

// Runs `tests` inside the application's event loop, where the requests to end it are counted
// (QuitRequests) and none of them ends it.
int RunQtTests(QObject& tests, int argc, char** argv);
int QuitRequests();

// For as long as it lives, answers every modal message box as it opens, recording it: a question
// (two buttons) "Yes/No text" or "OK/Cancel text", answered Yes or OK when `answer`.
class MessageRecorder {
  public:
    explicit MessageRecorder(bool answer = true);
    QStringList texts, titles, questions;

  private:
    QTimer poll_;
};

// The main window over the reference game or `definition`, Exit only counted; `prepare` changes
// the start state, `open` opens the session instead.
class WindowFixture {
  public:
    using Opener = std::function<Session(const std::filesystem::path&)>;
    explicit WindowFixture(const std::string& definition = {},
                           const std::function<void(RunState&)>& prepare = {},
                           const Opener& open = {});
    frmReelvik& Window() { return *window_; }
    Simulator& Engine() { return window_->Engine(); }
    const RunState& State() { return window_->Engine().State(); }
    template <typename T = QPushButton>
    T* Find(const QString& name) {
        return &Child<T>(*window_, name);
    }
    QPushButton* Button(const QString& name) { return Find(name); }
    QLabel* Label(int index) { return Find<QLabel>(QStringLiteral("Label1_%1").arg(index)); }

    // Shows the window and waits until it has the focus, so that focus can be checked.
    void ShowActive();
    // Clicks Run, runs `action` at the window's first turn, then Stop unless the run has ended.
    void DuringRun(const std::function<void()>& action);

    int QuitCalls() const { return QuitRequests() - quits_before_; }

    TempDir dir;
    MessageRecorder messages;

  private:
    int quits_before_ = QuitRequests();
    std::unique_ptr<frmReelvik> window_;
    QTimer watchdog_;
};

// The reference game's engine observed by both statistics windows, counting the chart's events.
struct StatsGame : RunObserver {
    StatsGame() { run.AddObserver(this); }
    ~StatsGame() override { run.RemoveObserver(this); }
    // Plays `games` games as a run with nothing shown, then refreshes the table as Step does.
    void PlayAndRefresh(std::int64_t games);

    void ChartCleared() override { ++cleared; }
    void ChartPointAdded(const ChartPoint&) override { ++points; }
    void ChartFull(std::string_view summary, std::string_view) override {
        summaries.emplace_back(summary);
    }

    TempDir dir;
    Session session = (CopyReferenceGame(dir), OpenSession(dir.path(), SessionOptions{}));
    Simulator run{session};
    StatisticsHits hits{run};
    frmSlotChart chart{run, dir.path()};
    int cleared = 0, points = 0;
    std::vector<std::string> summaries;
};

}  // namespace kragmoor::test

#define KRAGMOOR_QTEST_MAIN(Tests)                            \
    int main(int argc, char** argv) {                         \
        QApplication app(argc, argv);                         \
        app.setAttribute(Qt::AA_Use96Dpi, true);              \
        Tests tests;                                          \
        return kragmoor::test::RunQtTests(tests, argc, argv); \
    }
