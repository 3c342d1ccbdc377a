// The data side of the RTP convergence chart: its set-up, the marks of its three curves and the
// point the run adds every 100 games. Adding a point returns what it means (a point to draw, a
// full chart, a wrap that clears the picture, a line for Percent_10000.txt); the run passes that
// on, and the chart window only paints.
//
// Chart coordinates: x from 0 at the left to XSize + 20 at the right, y from 0 at the bottom to
// 200 at the top; a percentage p sits at y = (p - Min) x 10 / Step (PercentY) and point n of the
// chart at x = n + 10.
//
// Every division by 0 takes 0 as its quotient: a ratio over no bet (no game yet, or none since a
// window restarted) is 0 %, a Step of 0 puts every point at y = 0, an X size of 0 never wraps and
// never fills the chart (a remainder by 0 leaves the number as it is) and a restart period of 0
// never restarts its window (no point count is a multiple of 0).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

struct ChartScale {
    std::int16_t XSize = 500;  // points across
    std::int16_t Min = 0;      // percent at the bottom
    std::int16_t Step = 4;     // percent per 10 y-units
    std::int16_t Target = 0;   // percent of the target line
};

// y of a percentage on `scale`: (percent - Min) x 10 / Step; 0 when Step is 0.
double PercentY(double percent, const ChartScale& scale);

// The check boxes of the set-up frame; they take effect at once.
struct ChartOptions {
    bool Continue = true;  // unchecked: a full chart ends the automatic run
    bool Clear = false;    // checked: the chart is cleared when it wraps to the left edge
    bool Print = false;    // checked: applying settings asks "Print data ?"
    bool Save = false;     // checked: a full chart is saved as a bitmap
    bool Chart = true;     // unchecked: points are only counted
};

struct ChartMarks {
    std::int64_t BetMark1 = 0;  // TotalBet and TotalWin when the green window last restarted
    std::int64_t WinMark1 = 0;
    std::int64_t BetMark2 = 0;  // the same for the blue window
    std::int64_t WinMark2 = 0;
    std::int32_t PrevX = 0;    // x of the previous point
    std::int32_t PrevRed = 0;  // y of the previous point of each curve, rounded
    std::int32_t PrevGreen = 0;
    std::int32_t PrevBlue = 0;
};

// The run's totals a point is drawn from: its games, and its win and bet in credits.
struct ChartTotals {
    std::int64_t games = 0;
    std::int64_t win = 0;
    std::int64_t bet = 0;
};

// One new point: a segment per drawn curve from (prev_x + 10, prev_y) to (x + 10, y), and the
// totals it stands for (so that a run played elsewhere can draw its points again).
struct ChartPoint {
    struct Segment {
        bool drawn = false;
        std::int32_t prev_y = 0;
        double y = 0.0;
    };
    int x = 0;
    int prev_x = 0;
    Segment red, green, blue;
    ChartTotals totals;
};

// What one point brings, in the order it comes.
struct ChartStep {
    bool counted_only = false;  // Chart unchecked: nothing else below
    // The point lands in the chart's last column: the summary printed on the chart, the bitmap
    // to save ("" without Save) and whether the run ends after its pass (Continue unchecked).
    bool full = false;
    std::string summary;
    std::string bitmap_file;
    bool ends_run = false;
    bool cleared = false;  // wrapped to the left edge with Clear checked
    ChartPoint point;
    // The blue window restarted: its RTP in percent goes to Percent_10000.txt.
    bool percent_line = false;
    double percent = 0.0;
};

class ChartData {
  public:
    // Min % = GameRTP rounded - 40, Target % = GameRTP rounded; X size 500, Step 4; the red,
    // green and blue windows restart every 0 (unused), 500 and 100 points. `points` were counted
    // before (an engine that plays the later part of a run).
    explicit ChartData(float game_rtp, std::int64_t points = 0);

    const ChartScale& Scale() const { return scale_; }
    ChartOptions& Options() { return options_; }
    const ChartOptions& Options() const { return options_; }

    // The set-up fields as text: X size, Min %, Step %, Target %, and the three restart periods.
    std::array<std::string, 4> ScaleTexts() const;
    std::array<std::string, 3> CounterResetTexts() const;

    // Applies the set-up fields (each read as a number and rounded; no number reads as 0).
    // Keeps the points and the marks, so that drawing goes on at the same x.
    void ReadSetup(const std::array<std::string, 4>& scale_texts,
                   const std::array<std::string, 3>& counter_reset_texts);

    // For an engine that goes on drawing this chart with counters of its own, started when the
    // run's totals were `win` and `bet`: the marks counted from there.
    void Rebase(std::int64_t win, std::int64_t bet);

    // One point at the run's totals, as the run adds every 100 base games.
    ChartStep AddPoint(const ChartTotals& totals);
    ChartStep AddPoint(const RunState& state) {
        return AddPoint(ChartTotals{state.Games, state.TotalWin, state.TotalBet});
    }

    // "Save now?" answered Yes: the untrimmed summary printed on the chart.
    static std::string SaveNowSummary(const RunState& state);

  private:
    void FillPoint(const ChartTotals& totals, ChartStep& step);

    ChartScale scale_;
    std::array<std::int32_t, 3> counter_reset_{0, 500, 100};
    ChartOptions options_;
    ChartMarks marks_;
    std::int64_t points_ = 0;
};

}  // namespace kragmoor
