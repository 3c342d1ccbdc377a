// Shared by the window tests: a recorder standing in for the message boxes, the main window over
// a session, and the statistics windows over an engine.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/session.h"
#include "engine/simulator.h"
#include "test_support.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/message_box.h"
#include "ui/stats/frm_slot_chart.h"
#include "ui/stats/statistics_hits.h"

namespace kragmoor::test {

// The reference game as dir/ReelSetup.ini.
void CopyReferenceGame(const TempDir& dir);

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

// The main window over the reference game, or over `definition` when given, with Exit only
// counted. `prepare` changes the state the engine starts from.
class WindowFixture {
  public:
    explicit WindowFixture(const std::string& definition = {},
                           const std::function<void(RunState&)>& prepare = {});
    frmReelvik& Window() { return *window_; }
    Simulator& Engine() { return window_->Engine(); }
    const RunState& State() { return window_->Engine().State(); }

    template <typename T = QPushButton>
    T* Find(const QString& name) {
        T* child = window_->findChild<T*>(name);
        if (child == nullptr) qFatal("no control %s", qPrintable(name));
        return child;
    }
    QPushButton* Button(const QString& name) { return Find(name); }
    QLabel* Label(int index) { return Find<QLabel>(QStringLiteral("Label1_%1").arg(index)); }
    // Shows the window and waits until it has the focus, so that focus can be checked.
    void ShowActive();

    TempDir dir;
    MessageRecorder messages;
    int quit_calls = 0;

  private:
    std::unique_ptr<frmReelvik> window_;
    QTimer watchdog_;
};

// The reference game's engine with the two statistics windows observing it, and an observer that
// counts what the chart was told (members are built in this order).
struct StatsGame : RunObserver {
    StatsGame();
    ~StatsGame() override;

    // Plays an automatic run of `games` games with nothing else shown, then refreshes the hit
    // table once, as a Step does.
    void PlayAndRefresh(std::int64_t games);

    void ChartCleared() override { ++cleared; }
    void ChartPointAdded(const ChartPoint&) override { ++points; }
    void ChartFull(std::string_view summary, std::string_view bitmap_file) override {
        summaries.emplace_back(summary);
        bitmaps.emplace_back(bitmap_file);
    }

    TempDir dir;
    Session session;
    Simulator run;
    StatisticsHits hits{run};
    frmSlotChart chart{run, dir.path()};
    int cleared = 0, points = 0;
    std::vector<std::string> summaries, bitmaps;
};

}  // namespace kragmoor::test
