// Shared by the window tests: a temporary working directory, a recorder standing in for the
// message boxes, the main window over a session, and the statistics windows over a run control as
// the main window drives them.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/run_control.h"
#include "engine/session.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/message_box.h"
#include "ui/stats/frm_slot_chart.h"
#include "ui/stats/statistics_hits.h"

namespace kragmoor::testing {

// A working directory removed with the object, holding the reference game when asked.
class GameDir {
  public:
    explicit GameDir(bool reference_game);
    std::filesystem::path Path() const { return dir_.path().toStdString(); }
    void Write(const std::string& name, const std::string& content) const {
        std::ofstream(Path() / name, std::ios::binary) << content;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(Path() / name); }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files, QDir::Name); }

  private:
    QTemporaryDir dir_;
};

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
// counted.
class WindowFixture {
  public:
    explicit WindowFixture(const std::string& definition = {});
    frmReelvik& Window() { return *window_; }
    RunControl& Control() { return window_->Control(); }
    const RunState& State() { return window_->Control().State(); }

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

    GameDir dir;
    MessageRecorder messages;
    int quit_calls = 0;

  private:
    std::unique_ptr<frmReelvik> window_;
    QTimer watchdog_;
};

// The reference game's run control with the two statistics windows over it, its hooks forwarded
// to them as the main window does, and counted (members are built in this order).
struct StatsGame : RunObserver {
    GameDir dir{true};
    Session session{OpenSession(dir.Path(), SessionOptions{})};
    RunControl run{session.definition, session.logs, session.dir, this};
    StatisticsHits hits{run};
    frmSlotChart chart{run};
    int yields = 0, cleared = 0, points = 0;
    std::vector<std::string> summaries, bitmaps;

    // Plays base games unshown (a triggered feature is closed at once, without its spins), then
    // refreshes the hit table once, as a run does every 10000 games.
    void PlayAndRefresh(int games);

    bool HitsMinimized() override { return hits.IsMinimizedForRefresh(); }
    void HitsRefreshed() override { hits.OnHitsRefreshed(); }
    void ChartCleared() override {
        ++cleared;
        chart.OnChartCleared();
    }
    void ChartPointAdded(const ChartPoint& point) override {
        ++points;
        chart.OnChartPointAdded(point);
    }
    void ChartFull(std::string_view summary, std::string_view bitmap_file) override {
        summaries.emplace_back(summary);
        bitmaps.emplace_back(bitmap_file);
        chart.OnChartFull(summary, bitmap_file);
    }
    // The main window takes a turn now and then, not at every yield.
    void Yield() override {
        if (++yields % 50 != 0) return;
        chart.FlushPending();
        QCoreApplication::processEvents();
    }
};

}  // namespace kragmoor::testing
