// The window tests' message-box recorder, main window and statistics windows.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
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
#include "ui/main/message_box.h"
#include "ui/stats/chart_setup_frame.h"
#include "ui/stats/frm_slot_chart.h"
#include "ui/stats/statistics_hits.h"

namespace kragmoor::test {

// The reference game as dir/ReelSetup.ini, and its session opened there.
void CopyReferenceGame(const TempDir& dir);
Session OpenReference(const TempDir& dir);

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

// Records the message boxes instead of showing them, for as long as it lives.
struct MessageRecorder {
    MessageRecorder()
        : previous(SetMessageHandler([this](QWidget*, const QString& title, const QString& text) {
              titles << title;
              texts << text;
          })) {}
    ~MessageRecorder() { SetMessageHandler(previous); }
    QStringList texts, titles;
    MessageHandler previous;
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
    // Runs `check` whenever the event loop turns, as at the window's turns during a run.
    void AtEveryTurn(std::function<void()> check);

    TempDir dir;
    MessageRecorder messages;
    int quit_calls = 0;

  private:
    std::unique_ptr<frmReelvik> window_;
    QTimer watchdog_, at_turn_;
    std::function<void()> check_;
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
    Session session = OpenReference(dir);
    Simulator run{session};
    StatisticsHits hits{run};
    frmSlotChart chart{run, dir.path()};
    int cleared = 0, points = 0;
    std::vector<std::string> summaries;
};

}  // namespace kragmoor::test
