// Shared by the statistics-window tests: a session on the reference game in a temporary working
// directory, its run control, and an observer that forwards the run control's hooks to the two
// statistics windows as the main window does.
#pragma once

#include <QCoreApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart.h"
#include "engine/run_control.h"
#include "engine/run_observer.h"
#include "engine/session.h"
#include "ui/stats/frm_slot_chart.h"
#include "ui/stats/statistics_hits.h"

namespace kragmoor::testing {

class StatsForwarder : public RunObserver {
  public:
    StatisticsHits* hits = nullptr;
    frmSlotChart* chart = nullptr;
    int yields = 0;
    int cleared = 0;
    int points = 0;
    std::vector<std::string> summaries;
    std::vector<std::string> bitmaps;
    std::vector<std::string> messages;

    bool HitsMinimized() override { return hits != nullptr && hits->IsMinimizedForRefresh(); }
    void HitsRefreshed() override {
        if (hits) hits->OnHitsRefreshed();
    }
    void ChartCleared() override {
        ++cleared;
        if (chart) chart->OnChartCleared();
    }
    void ChartPointAdded(const ChartPoint& point) override {
        ++points;
        if (chart) chart->OnChartPointAdded(point);
    }
    void ChartFull(std::string_view summary, std::string_view bitmap_file) override {
        summaries.emplace_back(summary);
        bitmaps.emplace_back(bitmap_file);
        if (chart) chart->OnChartFull(summary, bitmap_file);
    }
    // The main window takes a turn now and then, not at every yield.
    void Yield() override {
        if (++yields % 50 != 0) return;
        if (chart) chart->FlushPending();
        QCoreApplication::processEvents();
    }
    void Message(std::string_view text) override { messages.emplace_back(text); }
};

// Declared in this order so that each is built from the ones above it.
class StatsGame {
  public:
    StatsGame()
        : session_(OpenSession(PrepareDir(dir_), SessionOptions{})),
          run(session_.definition, session_.logs, session_.dir, &forwarder) {}

    std::filesystem::path Dir() const { return session_.dir; }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(session_.dir / name);
    }

    // Plays base games without showing them (a triggered feature is closed at once, without its
    // spins) and then refreshes the hit table once, as a run does every 10000 games.
    void PlayAndRefresh(int games) {
        RunState& state = run.MutableState();
        for (int i = 0; i < games; ++i) {
            state.SkipDisplay = 1;
            ++state.Games;
            run.PlayBaseGame();
            if (state.InFreeSpins) run.EndFeature();
        }
        state.SkipDisplay = 0;
        run.ShowHits();
    }

  private:
    static std::filesystem::path PrepareDir(const QTemporaryDir& dir) {
        const std::filesystem::path path = dir.path().toStdString();
        std::filesystem::copy_file(
            std::filesystem::path(KRAGMOOR_TEST_DATA) / "g0" / "ReelSetup.ini",
            path / "ReelSetup.ini", std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    QTemporaryDir dir_;
    Session session_;

  public:
    StatsForwarder forwarder;
    RunControl run;
};

}  // namespace kragmoor::testing
